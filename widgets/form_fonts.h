#pragma once

#include <QFont>
#include <QString>

namespace chronavell {

// The window is designed around two classic bitmap faces that a Linux desktop lacks; the
// controls keep asking for the design's own names at the design's pixel heights, and get an
// installed face of similar build.
inline const QString SansSerifFace = QStringLiteral("MS Sans Serif");
inline const QString SmallFace = QStringLiteral("Small Fonts");

// The installed face that stands in for a design face, looked up once.
QString StandInFamily(const QString& face);

// A font of the given face whose characters are `pixelHeight` pixels high.
QFont FormFont(const QString& face, int pixelHeight, bool bold = false, bool italic = false);

} // namespace chronavell
