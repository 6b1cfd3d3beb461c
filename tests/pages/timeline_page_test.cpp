#include "pages/timeline_history.h"
#include "pages/timeline_page.h"
#include "support/shown_page.h"
#include "widgets/form_fonts.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>

namespace chronavell {
namespace {

struct View
{
    int Offset;
    bool Past;
    bool Future;
    friend bool operator==(const View&, const View&) = default;
    friend std::ostream& operator<<(std::ostream& out, const View& view)
    {
        return out << "offset " << view.Offset << (view.Past ? ", past" : ", no past")
                   << (view.Future ? ", future" : ", no future");
    }
};

class TimelinePageTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(test_support::ShowPage(page_)); }

    template <typename T = QWidget> T* find(const char* name) const
    {
        return page_.findChild<T*>(QString::fromLatin1(name));
    }
    View now() const { return {strip_->x(), past_->isEnabled(), future_->isEnabled()}; }
    void past() { QTest::mouseClick(past_, Qt::LeftButton); }
    void future() { QTest::mouseClick(future_, Qt::LeftButton); }

    TimelinePage page_;
    QWidget* strip_ = find("DateLine");
    QWidget* marker_ = find("YouRHere");
    QPushButton* past_ = find<QPushButton>("BitBtn1");
    QPushButton* future_ = find<QPushButton>("BitBtn2");
};

TEST_F(TimelinePageTest, MillenniumPlacesTheMarkerAndScrollsToIt)
{
    EXPECT_EQ(marker_->x(), 503);
    EXPECT_EQ(marker_->y(), 85);
    EXPECT_EQ(now(), (View{0, true, true}));
    struct Case
    {
        int Millennium;
        int MarkerLeft;
        View Expected;
    };
    const Case cases[] = {
        {0, 151, {0, false, true}},     {3, 196, {0, false, true}},
        {4, 211, {0, false, true}},     {5, 226, {-4, true, true}},
        {30, 601, {-379, true, true}},  {31, 616, {-388, true, false}},
        {41, 766, {-388, true, false}}, {44, 811, {-388, true, false}},
        {45, 817, {-388, true, false}}, {50, 817, {-388, true, false}},
        {3, 196, {0, false, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "millennium " << c.Millennium);
        // Scrolling first: the rule undoes it.
        future();
        future();
        page_.PlaceYouRHere(c.Millennium);
        EXPECT_EQ(marker_->x(), c.MarkerLeft);
        EXPECT_EQ(marker_->y(), 85);
        EXPECT_EQ(now(), c.Expected);
    }
}

TEST_F(TimelinePageTest, ButtonsStepTwentyAndStopAtTheEnds)
{
    page_.PlaceYouRHere(0);
    const int marker = marker_->x();
    for (int press = 1; press <= 21; ++press) {
        future();
        const View expected = press < 20 ? View{-20 * press, true, true} : View{-388, true, false};
        EXPECT_EQ(now(), expected) << "Future press " << press;
    }
    for (int press = 1; press <= 21; ++press) {
        past();
        const View expected =
            press < 20 ? View{-388 + 20 * press, true, true} : View{0, false, true};
        EXPECT_EQ(now(), expected) << "Past press " << press;
    }
    EXPECT_EQ(marker_->x(), marker);
}

TEST_F(TimelinePageTest, ButtonsFromOffsetsTheMarkerLeft)
{
    struct Case
    {
        int Millennium;
        bool PressPast;
        View Expected;
    };
    for (const Case& c : {Case{5, true, {0, false, true}}, Case{5, false, {-24, true, true}},
                          Case{30, false, {-388, true, false}}, Case{30, true, {-359, true, true}},
                          Case{31, true, {-368, true, true}}}) {
        page_.PlaceYouRHere(c.Millennium);
        c.PressPast ? past() : future();
        EXPECT_EQ(now(), c.Expected) << "millennium " << c.Millennium;
    }
}

// Every caption on the strip shows its whole text inside its box at the design's fonts.
TEST_F(TimelinePageTest, CaptionsFitTheirBoxes)
{
    const auto fits = [](const QRect& box, const char* text, const QFont& font) {
        const QRect inside(QPoint(0, 0), box.size());
        const QRect needed = QFontMetrics(font).boundingRect(
            inside, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, QString::fromLatin1(text));
        EXPECT_TRUE(inside.contains(needed))
            << text << " needs " << needed.width() << "x" << needed.height() << " in "
            << box.width() << "x" << box.height();
    };
    for (const timeline::Era& era : timeline::Eras) {
        fits(era.Box, era.Text, FormFont(SmallFace, 9, true, true));
    }
    for (const timeline::Event& event : timeline::Events) {
        fits(event.Box, event.Text, FormFont(SmallFace, 8));
    }
}

// No caption or mark strays onto the red frame's left, top or bottom bar.
TEST_F(TimelinePageTest, NothingIsDrawnOverTheFrame)
{
    const QImage strip = strip_->grab().toImage();
    int strays = 0;
    for (int y = 0; y < 117; ++y) {
        for (int x = 0; x < strip.width(); ++x) {
            const bool frame = x < 3 || y < 3 || y >= 114;
            strays += frame && strip.pixelColor(x, y) != QColor(255, 0, 0) ? 1 : 0;
        }
    }
    EXPECT_EQ(strays, 0);
}

TEST_F(TimelinePageTest, GlyphsSitOnTheOuterSideOfTheCaptions)
{
    for (const auto& [button, onLeft] : {std::pair{past_, true}, {future_, false}}) {
        const QImage image = button->grab().toImage();
        int outer = 0;
        int inner = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y) == QColor(0, 0, 255)) {
                    ++((x < image.width() / 2) == onLeft ? outer : inner);
                }
            }
        }
        EXPECT_GT(outer, 0) << button->text().toStdString();
        EXPECT_EQ(inner, 0) << button->text().toStdString();
    }
}

// The ring is unfilled and lies over everything else: over the base line it crosses, with
// the tick it rings showing through.
TEST_F(TimelinePageTest, MarkerRingsItsTickOnTop)
{
    page_.PlaceYouRHere(3);
    const QImage strip = strip_->grab().toImage();
    EXPECT_EQ(strip.pixelColor(197, 92).name().toStdString(), "#ff0000");
    EXPECT_EQ(strip.pixelColor(204, 92).name().toStdString(), "#00ff00");
}

} // namespace
} // namespace chronavell
