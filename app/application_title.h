#pragma once

#include <QString>

namespace chronavell {

inline const QString ApplicationTitle = QStringLiteral("Chronavell");

} // namespace chronavell
