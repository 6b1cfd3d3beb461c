#include "widgets/form_fonts.h"

#include <QStringList>

namespace chronavell {

void InstallFontSubstitutes()
{
    // Liberation Sans keeps the narrow proportions the fixed layout was measured with;
    // DejaVu Sans follows where it is missing.
    static const bool installed = [] {
        const QStringList stand_ins{QStringLiteral("Liberation Sans"),
                                    QStringLiteral("DejaVu Sans")};
        QFont::insertSubstitutions(SansSerifFace, stand_ins);
        QFont::insertSubstitutions(SmallFace, stand_ins);
        return true;
    }();
    (void)installed;
}

QFont FormFont(const QString& face, int pixelHeight, bool bold, bool italic)
{
    InstallFontSubstitutes();
    QFont font(face);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

} // namespace chronavell
