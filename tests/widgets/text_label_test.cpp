#include "widgets/form_fonts.h"
#include "widgets/text_label.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>

#include <gtest/gtest.h>

namespace chronavell {
namespace {

// The columns the label's text covers: where any pixel differs from the background.
std::pair<int, int> InkedColumns(TextLabel& label)
{
    QImage image(label.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    // Without the background a window of its own would get: only what the label draws.
    label.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    int first = -1;
    int last = -1;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixel(x, y) != qRgb(0, 0, 0)) {
                first = first < 0 ? x : first;
                last = x;
                break;
            }
        }
    }
    return {first, last};
}

int InkWidth(const QString& text, bool mnemonic)
{
    TextLabel label;
    label.resize(400, 30);
    label.setFont(FormFont(SansSerifFace, 16));
    label.setTextColour(Qt::white);
    label.setShowMnemonic(mnemonic);
    label.setText(text);
    const auto [first, last] = InkedColumns(label);
    return first < 0 ? 0 : last - first + 1;
}

TEST(TextLabel, MarkupIsShownAsItStands)
{
    // Rich text would draw "<b>AB</b>" as a bold "AB"; plain text draws all nine characters.
    const int literal = InkWidth("<b>AB</b>", true);
    EXPECT_GT(literal, 2 * InkWidth("AB", true));
    EXPECT_EQ(literal, InkWidth("<b>AB</b>", false));
    EXPECT_GT(InkWidth("<img src=x>", true), 0);
}

TEST(TextLabel, AmpersandsWithMnemonics)
{
    // "A&B" hides its ampersand (B is underlined instead); "&&" shows one ampersand.
    EXPECT_LT(InkWidth("A&B", true), InkWidth("A&B", false));
    EXPECT_EQ(InkWidth("A&&B", true), InkWidth("A&B", false));
}

TEST(TextLabel, FittedToItsTextLeaningInkIncluded)
{
    QWidget page;
    auto* label = new TextLabel(&page);
    label->setGeometry(QRect(7, 9, 0, 0));
    label->setFont(FormFont(SansSerifFace, 11, true, true));
    label->setText(QStringLiteral("Leaning caption f"));
    label->fitToText();
    EXPECT_EQ(label->pos(), QPoint(7, 9));
    const QFontMetrics metrics(label->font());
    const QRect ink = metrics.boundingRect(label->text()).translated(0, metrics.ascent());
    EXPECT_TRUE(label->rect().contains(ink));
    EXPECT_GE(label->width(), metrics.horizontalAdvance(label->text()));
}

TEST(FormFonts, DesignFacesHaveStandIns)
{
    for (const QString& face : {SansSerifFace, SmallFace}) {
        const QFont font = FormFont(face, 11, true);
        // Asked for by its installed name: a name the font database lacks costs a search of
        // every installed font for each new size and weight.
        EXPECT_EQ(font.family(), "Liberation Sans") << face.toStdString();
        const QFontInfo info(font);
        EXPECT_EQ(info.pixelSize(), 11);
        EXPECT_TRUE(info.bold());
    }
}

} // namespace
} // namespace chronavell
