#include "pages/links_page.h"
#include "pages/site_addresses.h"
#include "support/fake_platform.h"
#include "support/qt_printers.h"
#include "support/shown_page.h"

#include <QTest>

#include <gtest/gtest.h>

namespace chronavell {
namespace {

class LinksPageTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(test_support::ShowPage(page_)); }

    test_support::FakePlatform::RecordingOpener opener_;
    LinksPage page_{opener_};
};

TEST_F(LinksPageTest, ClicksOpenTheSiteOnTop)
{
    struct Case
    {
        QPoint At;
        QList<QUrl> Opened;
    };
    for (const Case& c : {Case{{100, 50}, {BrannochSite}}, Case{{288, 60}, {ZarrowSite}},
                          Case{{20, 20}, {BrannochSite}}, Case{{150, 120}, {ZarrowSite}},
                          Case{{430, 5}, {VelquistSite}}, Case{{50, 100}, {}}, Case{{200, 20}, {}},
                          Case{{400, 120}, {}}}) {
        opener_.Opened.clear();
        // Press and release go to whatever lies on top at that point of the page.
        QWidget* target = page_.childAt(c.At);
        ASSERT_NE(target, nullptr);
        QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(&page_, c.At));
        EXPECT_EQ(opener_.Opened, c.Opened) << c.At.x() << "," << c.At.y();
    }
}

TEST_F(LinksPageTest, AreasAsDesigned)
{
    struct Area
    {
        const char* Name = nullptr;
        QRect Geometry;
        const char* Hint = nullptr;
    };
    for (const Area& a :
         {Area{"LinkVelquist",
               {288, -8, 153, 81},
               "The Velquist provided the information for the Timeline"},
          Area{"LinkZarrow", {96, 48, 193, 113}, "Got Zarrow? Get Zarrow here!"},
          Area{"LinkBrannoch", {0, 0, 161, 65}, "Click Here to visit the Brannoch website"}}) {
        auto* area = page_.findChild<QWidget*>(QString::fromLatin1(a.Name));
        ASSERT_NE(area, nullptr) << a.Name;
        EXPECT_EQ(area->geometry(), a.Geometry) << a.Name;
        EXPECT_EQ(area->toolTip(), QString::fromLatin1(a.Hint));
        EXPECT_EQ(area->cursor().shape(), Qt::PointingHandCursor);
    }
}

} // namespace
} // namespace chronavell
