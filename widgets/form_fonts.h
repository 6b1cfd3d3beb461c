#pragma once

#include <QFont>
#include <QString>

namespace chronavell {

// The window is designed around two classic bitmap faces that a Linux desktop lacks; each is
// mapped once to an installed face of similar build, and the controls keep asking for the
// design's own names at the design's pixel heights.
inline const QString SansSerifFace = QStringLiteral("MS Sans Serif");
inline const QString SmallFace = QStringLiteral("Small Fonts");

// Idempotent; every window and test calls it before making fonts.
void InstallFontSubstitutes();

// A font of the given face whose characters are `pixelHeight` pixels high.
QFont FormFont(const QString& face, int pixelHeight, bool bold = false, bool italic = false);

} // namespace chronavell
