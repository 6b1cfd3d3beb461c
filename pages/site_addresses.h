#pragma once

#include <QUrl>

namespace chronavell {

// The three sites of the setting the program links to, each by its home page. They live
// under the reserved example domain, so that no real third party is ever opened by mistake.
inline const QUrl BrannochSite(QStringLiteral("https://www.brannoch.example/"));
inline const QUrl ZarrowSite(QStringLiteral("https://www.zarrow.example/"));
inline const QUrl VelquistSite(QStringLiteral("https://www.velquist.example/"));

} // namespace chronavell
