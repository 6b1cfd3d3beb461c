#include "app/tform1.h"
#include "pages/site_addresses.h"
#include "support/fake_platform.h"
#include "support/qt_printers.h"
#include "widgets/hotspot.h"
#include "widgets/tabbed_notebook.h"

#include <QTest>

#include <gtest/gtest.h>

namespace chronavell {
namespace {

TEST(LinksPage, ClicksOpenTheSiteOnTop)
{
    test_support::FakePlatform fake;
    fake.Executable.Directory = std::filesystem::temp_directory_path();
    TForm1 form(fake.platform());
    form.show();
    auto* notebook = form.findChild<TabbedNotebook*>("TabbedNotebook1");
    notebook->setCurrentIndex(3);
    QWidget* page = notebook->page(3);

    struct Case
    {
        QPoint At;
        QList<QUrl> Opened;
    };
    for (const Case& c : {Case{{100, 50}, {BrannochSite}}, Case{{288, 60}, {ZarrowSite}},
                          Case{{20, 20}, {BrannochSite}}, Case{{150, 120}, {ZarrowSite}},
                          Case{{430, 5}, {VelquistSite}}, Case{{50, 100}, {}}, Case{{200, 20}, {}},
                          Case{{400, 120}, {}}}) {
        fake.Opener.Opened.clear();
        // Press and release go to whatever lies on top at that point of the page.
        QWidget* target = page->childAt(c.At);
        ASSERT_NE(target, nullptr);
        const QPoint local = target->mapFrom(page, c.At);
        QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, local);
        EXPECT_EQ(fake.Opener.Opened, c.Opened) << c.At.x() << "," << c.At.y();
    }
    EXPECT_TRUE(fake.Reporter.Messages.isEmpty());
}

TEST(LinksPage, AreasAsDesigned)
{
    test_support::FakePlatform fake;
    TForm1 form(fake.platform());
    struct Area
    {
        const char* Name;
        QRect Geometry;
        const char* Hint;
    };
    for (const Area& a :
         {Area{"LinkVelquist",
               {288, -8, 153, 81},
               "The Velquist provided the information for the Timeline"},
          Area{"LinkZarrow", {96, 48, 193, 113}, "Got Zarrow? Get Zarrow here!"},
          Area{"LinkBrannoch", {0, 0, 161, 65}, "Click Here to visit the Brannoch website"}}) {
        auto* area = form.findChild<Hotspot*>(QString::fromLatin1(a.Name));
        ASSERT_NE(area, nullptr) << a.Name;
        EXPECT_EQ(area->geometry(), a.Geometry) << a.Name;
        EXPECT_EQ(area->toolTip(), QString::fromLatin1(a.Hint));
        EXPECT_EQ(area->cursor().shape(), Qt::PointingHandCursor);
    }
    EXPECT_EQ(BrannochSite.toString(), "https://www.brannoch.example/");
    EXPECT_EQ(ZarrowSite.toString(), "https://www.zarrow.example/");
    EXPECT_EQ(VelquistSite.toString(), "https://www.velquist.example/");
}

} // namespace
} // namespace chronavell
