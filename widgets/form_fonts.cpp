#include "widgets/form_fonts.h"

#include <QFontDatabase>

namespace chronavell {

QString StandInFamily(const QString& face)
{
    // Liberation Sans keeps the narrow proportions the fixed layout was measured with;
    // DejaVu Sans follows where it is missing. The font is asked for by its installed name:
    // a name the font database lacks sends every new size and weight through a search of
    // all installed fonts for look-alikes, a few milliseconds each at start.
    static const QString installed = [] {
        for (const QString& family :
             {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}) {
            if (QFontDatabase::hasFamily(family)) {
                return family;
            }
        }
        return QString();
    }();
    // With neither installed, the design's name lets the font database pick its nearest.
    return installed.isEmpty() ? face : installed;
}

QFont FormFont(const QString& face, int pixelHeight, bool bold, bool italic)
{
    QFont font(StandInFamily(face));
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

} // namespace chronavell
