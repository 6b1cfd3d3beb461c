#pragma once

#include <QIcon>
#include <QString>

namespace chronavell {

// A button glyph strip: square images side by side, the first for the enabled state and the
// second for the disabled one. Olive (128, 128, 0) pixels are transparent.
QIcon GlyphStripIcon(const QString& path);

} // namespace chronavell
