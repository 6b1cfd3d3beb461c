#pragma once

#include <QColor>

namespace chronavell {

// The pages' named colours, the form's own palette.
inline const QColor Red(255, 0, 0);
inline const QColor Lime(0, 255, 0);
inline const QColor Navy(0, 0, 128);
inline const QColor Yellow(255, 255, 0);
inline const QColor Aqua(0, 255, 255);
inline const QColor Violet(128, 0, 255);

} // namespace chronavell
