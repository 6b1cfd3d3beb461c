#include "pages/about_page.h"
#include "pages/site_addresses.h"
#include "support/fake_platform.h"
#include "support/qt_printers.h"
#include "support/shown_page.h"
#include "widgets/jpeg_decoder.h"
#include "widgets/picture.h"

#include <QFrame>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <utility>
#include <vector>

namespace chronavell {
namespace {

class AboutPageTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(test_support::ShowPage(page_)); }
    // A click where the desktop would deliver it: to the visible control under the point.
    void clickPage(QPoint at)
    {
        QWidget* target = page_.childAt(at) != nullptr ? page_.childAt(at) : &page_;
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&page_, at));
    }

    template <typename T> T* find(const char* name) const
    {
        return page_.findChild<T*>(QString::fromLatin1(name));
    }

    test_support::FakePlatform::RecordingOpener opener_;
    AboutPage page_{opener_};
    const QList<QUrl>& opened_ = opener_.Opened;
};

QColor TextColour(const QLabel& label)
{
    return label.palette().color(QPalette::WindowText);
}

TEST_F(AboutPageTest, ControlsWhereTheLayoutPutsThemInPaintingOrder)
{
    // An empty box stands for a label sized to its text: only its corner is fixed.
    const std::pair<const char*, QRect> layout[] = {
        {"GradientFill4", {0, 0, 437, 144}}, {"Label52", {48, 26, 0, 0}},
        {"Label53", {8, 42, 0, 0}},          {"Label54", {18, 43, 0, 0}},
        {"Label4", {44, 6, 0, 0}},           {"Shape38", {336, -8, 105, 153}},
        {"Label5", {10, 120, 287, 41}},      {"Label55", {10, 65, 0, 0}},
        {"Label57", {10, 78, 0, 0}},         {"Label58", {10, 92, 0, 0}},
        {"Label59", {18, 105, 0, 0}},        {"Shape39", {347, 6, 79, 131}},
        {"Image6", {348, 7, 78, 130}},       {"Panel1", {4, 4, 34, 34}}};
    const QObjectList children = page_.children();
    ASSERT_EQ(children.size(), std::size(layout));
    for (std::size_t index = 0; index < std::size(layout); ++index) {
        const auto& [name, box] = layout[index];
        const auto* control =
            qobject_cast<const QWidget*>(children.at(static_cast<qsizetype>(index)));
        ASSERT_EQ(control->objectName(), name);
        EXPECT_EQ(control->pos(), box.topLeft()) << name;
        EXPECT_TRUE(box.isEmpty() || control->size() == box.size()) << name;
    }
    EXPECT_EQ(find<QWidget>("Image1")->geometry(), QRect(1, 1, 32, 32));
}

TEST_F(AboutPageTest, TextsFitTheirBoxesLeftOfTheBandAndApart)
{
    const QRect free(0, 0, 336, 144);
    std::vector<QRect> texts;
    for (const char* name : {"Label52", "Label53", "Label54", "Label4", "Label5", "Label55",
                             "Label57", "Label58", "Label59"}) {
        const auto* label = find<QLabel>(name);
        const QFontMetrics metrics = label->fontMetrics();
        const QRect box = label->geometry();
        const int flags = static_cast<int>(label->alignment()) |
                          (label->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine);
        const QRect text = metrics.boundingRect(box, flags, label->text());
        const QRect ink = metrics.boundingRect(label->text()).translated(0, metrics.ascent());
        EXPECT_TRUE(box.contains(text) && free.contains(text)) << name;
        // A leaning last glyph is not cut off at the label's edge.
        EXPECT_TRUE(label->wordWrap() || QRect({}, box.size()).contains(ink)) << name;
        for (const QRect& other : texts) {
            EXPECT_FALSE(other.intersects(text)) << label->objectName();
        }
        texts.push_back(text);
    }
}

TEST_F(AboutPageTest, GradientBeneathTheLabelsBandAndPortrait)
{
    const QImage picture = page_.grab().toImage();
    // Black to (106,106,255) in bands of three rows. The points are clear of every control
    // but the gradient; (296,141) lies in the disclaimer's box beside its text.
    const auto band = [](int row, int far) {
        const int band = row / 3;
        return static_cast<int>(std::floor(band * far / 64.0));
    };
    for (const QPoint at : {QPoint(0, 0), QPoint(200, 20), QPoint(150, 60), QPoint(296, 141)}) {
        const int b = band(at.y(), 106);
        EXPECT_EQ(picture.pixel(at), qRgb(b, b, band(at.y(), 255))) << at.x() << "," << at.y();
    }
    const QRgb black = qRgb(0, 0, 0);
    EXPECT_EQ(picture.pixel(336, 70), black);
    EXPECT_EQ(picture.pixel(436, 143), qRgb(128, 0, 255));
    // The frame shows all round the natural-size portrait.
    for (const QPoint at : {QPoint(347, 70), QPoint(425, 70), QPoint(380, 6), QPoint(380, 136)}) {
        EXPECT_EQ(picture.pixel(at), black) << at.x() << "," << at.y();
    }
    const QImage portrait = LoadJpeg(":/assets/portrait.jpg");
    EXPECT_EQ(picture.pixel(348 + 76, 7 + 128), portrait.pixel(76, 128));
    // The icon fills the sunken panel; where it is clear, the panel's face shows.
    const QImage icon = QImage(":/assets/icon-32.png").convertToFormat(QImage::Format_ARGB32);
    const QRgb face = find<QWidget>("Panel1")->palette().color(QPalette::Button).rgb();
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb source = icon.pixel(x, y);
            if (qAlpha(source) == 0 || qAlpha(source) == 255) {
                ASSERT_EQ(picture.pixel(5 + x, 5 + y), qAlpha(source) == 0 ? face : source);
            }
        }
    }
}

TEST_F(AboutPageTest, HiddenLinkOpensTheTimelineSiteOnlyWhenClicked)
{
    auto* link = find<QLabel>("Label59");
    EXPECT_FALSE(link->isVisible());
    clickPage(link->geometry().center());
    EXPECT_TRUE(opened_.empty());
    EXPECT_EQ(TextColour(*link), QColor(255, 255, 0));

    link->show();
    clickPage(link->geometry().center());
    ASSERT_EQ(opened_.size(), 1);
    EXPECT_EQ(opened_[0], VelquistSite);
    EXPECT_EQ(TextColour(*link), QColor(0, 255, 0));
    clickPage(link->geometry().center());
    EXPECT_EQ(opened_.size(), 2);
}

} // namespace
} // namespace chronavell
