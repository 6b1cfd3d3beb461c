#include "widgets/form_fonts.h"
#include "widgets/text_label.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace chronavell {
namespace {

// The columns the label's text covers: where any pixel differs from the background.
std::pair<int, int> InkedColumns(TextLabel& label)
{
    QImage image(label.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    label.render(&image);
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

TEST(TextLabel, ClickNeedsPressAndReleaseOfTheLeftButton)
{
    TextLabel label;
    label.resize(100, 20);
    int clicks = 0;
    QObject::connect(&label, &TextLabel::clicked, [&] { ++clicks; });
    const auto send = [&](QEvent::Type type, Qt::MouseButton button, QPointF at) {
        QMouseEvent event(type, at, label.mapToGlobal(at), button, button, Qt::NoModifier);
        QCoreApplication::sendEvent(&label, &event);
    };
    send(QEvent::MouseButtonPress, Qt::LeftButton, {5, 5});
    send(QEvent::MouseButtonRelease, Qt::LeftButton, {6, 6});
    EXPECT_EQ(clicks, 1);
    // Released outside the label: no click.
    send(QEvent::MouseButtonPress, Qt::LeftButton, {5, 5});
    send(QEvent::MouseButtonRelease, Qt::LeftButton, {150, 5});
    EXPECT_EQ(clicks, 1);
    send(QEvent::MouseButtonPress, Qt::RightButton, {5, 5});
    send(QEvent::MouseButtonRelease, Qt::RightButton, {5, 5});
    EXPECT_EQ(clicks, 1);
}

TEST(TextLabel, SizedToItsTextOnceItsParentIsShownEvenWhenHiddenItself)
{
    for (const bool hidden : {false, true}) {
        QWidget page;
        page.resize(300, 100);
        auto* label = new TextLabel(&page);
        label->setGeometry(QRect(7, 9, 0, 0));
        label->setFont(FormFont(SansSerifFace, 11, true, true));
        label->setText(QStringLiteral("Leaning caption f"));
        label->setAutoSize(true);
        label->setHidden(hidden);
        // Nothing is measured for a page that is not on show.
        EXPECT_TRUE(label->size().isEmpty()) << hidden;

        page.show();
        const QSize shown = label->size();
        EXPECT_EQ(label->pos(), QPoint(7, 9)) << hidden;
        EXPECT_EQ(shown, label->sizeHint()) << hidden;
        const QFontMetrics metrics(label->font());
        const QRect ink = metrics.boundingRect(label->text()).translated(0, metrics.ascent());
        EXPECT_TRUE(QRect(QPoint(), shown).contains(ink)) << hidden;
        EXPECT_GE(shown.width(), metrics.horizontalAdvance(label->text())) << hidden;

        // Changes while on show are measured at once.
        label->setText(label->text() + QStringLiteral(" and more"));
        EXPECT_GT(label->width(), shown.width()) << hidden;
        label->setFont(FormFont(SansSerifFace, 22));
        EXPECT_GT(label->height(), shown.height()) << hidden;
        EXPECT_EQ(label->pos(), QPoint(7, 9)) << hidden;
    }
}

TEST(FormFonts, DesignFacesHaveStandIns)
{
    for (const QString& face : {SansSerifFace, SmallFace}) {
        const QFont font = FormFont(face, 11, true);
        // Asked for by its installed name: a name the font database lacks costs a search of
        // every installed font for each new size and weight.
        EXPECT_EQ(font.family(), "Liberation Sans") << face.toStdString();
        const QFontInfo info(font);
        EXPECT_EQ(info.family(), "Liberation Sans") << face.toStdString();
        EXPECT_EQ(info.pixelSize(), 11);
        EXPECT_TRUE(info.bold());
    }
}

} // namespace
} // namespace chronavell
