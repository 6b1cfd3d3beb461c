#include "app/tform1.h"
#include "support/fake_platform.h"
#include "support/qt_printers.h"
#include "widgets/digit_field.h"

#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace chronavell {
namespace {

class TimelineWithFields : public ::testing::Test
{
protected:
    void SetUp() override { form_ = std::make_unique<TForm1>(fake_.platform()); }

    template <typename T = QWidget> T* find(const char* name) const
    {
        return form_->findChild<T*>(QString::fromLatin1(name));
    }
    DigitField& field(const char* name) const { return *find<DigitField>(name); }
    int markerLeft() const { return find("YouRHere")->x(); }
    int stripOffset() const { return find("DateLine")->x(); }
    QPushButton* past() const { return find<QPushButton>("BitBtn1"); }
    QPushButton* future() const { return find<QPushButton>("BitBtn2"); }
    void convertToImperial(const QString& month, const QString& day, const QString& year)
    {
        field("NMonth").setText(month);
        field("NDay").setText(day);
        field("NYear").setText(year);
        QTest::mouseClick(form_->findChild<QToolButton*>("SpeedButton1"), Qt::LeftButton);
    }

    test_support::FakePlatform fake_;
    std::unique_ptr<TForm1> form_;
};

TEST_F(TimelineWithFields, StoredLayoutUntilTheFirstShowing)
{
    EXPECT_EQ(markerLeft(), 503);
    EXPECT_EQ(stripOffset(), 0);
    EXPECT_TRUE(past()->isEnabled());
    EXPECT_TRUE(future()->isEnabled());
}

TEST_F(TimelineWithFields, StartPlacesTheMarkerForThePresentMillennium)
{
    // 5 May 2005: millennium 3.
    form_->show();
    EXPECT_EQ(field("IMill").text(), "03");
    EXPECT_EQ(markerLeft(), 196);
    EXPECT_EQ(stripOffset(), 0);
    EXPECT_FALSE(past()->isEnabled());
    EXPECT_TRUE(future()->isEnabled());
}

TEST_F(TimelineWithFields, TypingAMillenniumMovesTheMarker)
{
    form_->show();
    DigitField& millennium = field("IMill");
    millennium.clearFocus();
    millennium.setFocus(Qt::TabFocusReason);
    QTest::keyClicks(&millennium, "30");
    EXPECT_EQ(markerLeft(), 601);
    EXPECT_EQ(stripOffset(), -379);
    QTest::keyClick(&millennium, Qt::Key_Home);
    QTest::keyClick(&millennium, Qt::Key_Delete);
    EXPECT_EQ(millennium.text(), "00");
    EXPECT_EQ(markerLeft(), 151);
    EXPECT_EQ(stripOffset(), 0);
}

TEST_F(TimelineWithFields, ScrollingLeavesFieldAndMarkerAlone)
{
    form_->show();
    for (int press = 0; press < 5; ++press) {
        QTest::mouseClick(future(), Qt::LeftButton);
    }
    EXPECT_EQ(stripOffset(), -100);
    EXPECT_EQ(markerLeft(), 196);
    EXPECT_EQ(field("IMill").text(), "03");
}

TEST_F(TimelineWithFields, RewritingTheSameMillenniumKeepsTheScrolling)
{
    form_->show();
    // Millennium 13: a two-digit text that a conversion writes as it stands.
    convertToImperial("06", "01", "12005");
    ASSERT_EQ(field("IMill").text(), "13");
    const int placed = stripOffset();
    QTest::mouseClick(past(), Qt::LeftButton);
    ASSERT_NE(stripOffset(), placed);
    const int scrolled = stripOffset();
    convertToImperial("07", "01", "12006");
    EXPECT_EQ(stripOffset(), scrolled);

    // Millennium 3 is written as "3", which changes the field on its way to "03": the
    // marker rule runs again and the strip returns to the marker.
    convertToImperial("06", "01", "02005");
    ASSERT_EQ(field("IMill").text(), "03");
    QTest::mouseClick(future(), Qt::LeftButton);
    ASSERT_EQ(stripOffset(), -20);
    convertToImperial("07", "01", "02006");
    EXPECT_EQ(stripOffset(), 0);
}

} // namespace
} // namespace chronavell
