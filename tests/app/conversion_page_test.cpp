#include "app/tform1.h"
#include "pages/conversion_page.h"
#include "pages/digit_field.h"
#include "support/fake_platform.h"
#include "support/qt_printers.h"
#include "widgets/deferred_popup_combo_box.h"
#include "widgets/tabbed_notebook.h"
#include "widgets/text_label.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QRandomGenerator>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace chronavell {
namespace {

class ConversionPageTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fake_.Executable.Directory = std::filesystem::temp_directory_path();
        form_ = std::make_unique<TForm1>(fake_.platform());
        form_->show();
        form_->findChild<TabbedNotebook*>("TabbedNotebook1")->setCurrentIndex(1);
        form_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    }

    DigitField* Field(const char* name) const
    {
        auto* field = form_->findChild<DigitField*>(QString::fromLatin1(name));
        EXPECT_NE(field, nullptr) << name;
        return field;
    }
    QString Text(const char* name) const { return Field(name)->text(); }

    // Enters the field with the keyboard, as Tab from the field before it does, and types.
    void TypeInto(const char* name, const QString& keys)
    {
        DigitField* field = Field(name);
        field->clearFocus();
        field->setFocus(Qt::TabFocusReason);
        for (const QChar key : keys) {
            QTest::keyClick(field, key.toLatin1());
        }
    }

    void SetFields(const QString& month, const QString& day, const QString& year)
    {
        Field("NMonth")->setText(month);
        Field("NDay")->setText(day);
        Field("NYear")->setText(year);
    }
    void SetImperial(const QString& segment, const QString& year, const QString& millennium)
    {
        Field("IYearSeg")->setText(segment);
        Field("IYear")->setText(year);
        Field("IMill")->setText(millennium);
    }
    void Click(const char* button)
    {
        QTest::mouseClick(form_->findChild<QToolButton*>(QString::fromLatin1(button)),
                          Qt::LeftButton);
    }
    QString ImperialRow() const
    {
        return Text("IYearSeg") + "|" + Text("IYear") + "|" + Text("IMill");
    }
    QString CalendarRow() const
    {
        return Text("NMonth") + "|" + Text("NDay") + "|" + Text("NYear");
    }

    test_support::FakePlatform fake_;
    std::unique_ptr<TForm1> form_;
};

TEST_F(ConversionPageTest, StartSequenceFillsTheFields)
{
    // The fake clock reads 5 May 2005.
    EXPECT_EQ(ImperialRow(), "347|005|03");
    EXPECT_EQ(CalendarRow(), "05|05|02005");
    EXPECT_EQ(form_->findChild<QComboBox*>("ComboBox")->currentIndex(), 0);
    EXPECT_EQ(form_->findChild<TextLabel*>("Label7")->text(), "0");
}

TEST_F(ConversionPageTest, TypingNormalisesEachField)
{
    struct Case
    {
        const char* Field;
        QString Keys;
        QString Expected;
    };
    for (const Case& c :
         {Case{"NMonth", "13", "12"}, Case{"NMonth", "00", "01"}, Case{"NMonth", "3", "12"},
          Case{"NMonth", "03", "03"}, Case{"NMonth", "7", "12"}, Case{"NMonth", "1", "11"},
          Case{"NDay", "99", "31"}, Case{"NDay", "30", "30"}, Case{"NYear", "1999", "19990"},
          Case{"NYear", "01999", "01999"}, Case{"NYear", "99999", "50000"},
          Case{"NYear", "5", "50000"}, Case{"IMill", "75", "50"}, Case{"IMill", "05", "05"},
          Case{"IYearSeg", "1", "100"}, Case{"IYear", "042", "042"}, Case{"NMonth", "x", "05"},
          Case{"NDay", "a1", "11"}}) {
        SetFields("05", "05", "02005");
        SetImperial("347", "005", "03");
        TypeInto(c.Field, c.Keys);
        EXPECT_EQ(Text(c.Field), c.Expected) << c.Field << " " << c.Keys;
    }
}

TEST_F(ConversionPageTest, DeletingDigitsLeavesZerosOrTheLowerBound)
{
    DigitField* day = Field("NDay");
    day->setText("17");
    day->setFocus(Qt::MouseFocusReason);
    day->setCursorPosition(0);
    QTest::keyClick(day, Qt::Key_Delete);
    EXPECT_EQ(day->text(), "07");
    QTest::keyClick(day, Qt::Key_Right);
    QTest::keyClick(day, Qt::Key_Delete);
    EXPECT_EQ(day->text(), "01");

    DigitField* year = Field("NYear");
    year->setText("12345");
    year->setFocus(Qt::MouseFocusReason);
    year->setCursorPosition(4);
    QTest::keyClick(year, Qt::Key_Backspace);
    EXPECT_EQ(year->text(), "12305");
}

TEST_F(ConversionPageTest, ConvertToImperial)
{
    struct Case
    {
        QString Month;
        QString Day;
        QString Year;
        QString Imperial;
    };
    for (const Case& c :
         {Case{"01", "01", "02005", "003|005|03"}, Case{"05", "05", "02005", "347|005|03"},
          Case{"12", "31", "02000", "999|000|03"}, Case{"12", "31", "00045", "999|045|00"},
          Case{"07", "15", "00999", "541|999|00"}, Case{"06", "01", "50000", "419|000|50"},
          Case{"02", "29", "20000", "163|000|21"}, Case{"02", "29", "02004", "163|004|03"}}) {
        SetImperial("000", "000", "00");
        SetFields(c.Month, c.Day, c.Year);
        Click("SpeedButton1");
        EXPECT_EQ(ImperialRow(), c.Imperial) << c.Month << "/" << c.Day << "/" << c.Year;
    }
    EXPECT_TRUE(fake_.Reporter.Messages.isEmpty()) << fake_.Reporter.Messages.join(" ");
}

TEST_F(ConversionPageTest, InvalidDatesAreReportedAndChangeNothing)
{
    for (const char* const invalid :
         {"02/30/02005", "02/29/10000", "02/29/01900", "01/01/00000", "04/31/02005"}) {
        const QString text = QString::fromLatin1(invalid);
        fake_.Reporter.Messages.clear();
        SetImperial("123", "456", "07");
        const QStringList parts = text.split('/');
        SetFields(parts[0], parts[1], parts[2]);
        Click("SpeedButton1");
        EXPECT_EQ(fake_.Reporter.Messages,
                  QStringList{"'" + text + "' is not a valid date and time."});
        EXPECT_EQ(ImperialRow(), "123|456|07");
    }
}

TEST_F(ConversionPageTest, ConvertFromImperial)
{
    struct Case
    {
        QString Segment;
        QString Year;
        QString Millennium;
        QString Calendar;
    };
    for (const Case& c :
         {Case{"000", "000", "03", "01|01|02000"}, Case{"999", "005", "03", "12|30|02005"},
          Case{"347", "005", "03", "05|05|02005"}, Case{"084", "999", "41", "02|01|40999"},
          Case{"500", "999", "00", "06|30|00000"}, Case{"163", "999", "50", "02|29|49999"}}) {
        SetFields("11", "11", "01111");
        SetImperial(c.Segment, c.Year, c.Millennium);
        Click("SpeedButton2");
        EXPECT_EQ(CalendarRow(), c.Calendar) << c.Segment << " " << c.Year << " " << c.Millennium;
    }
    EXPECT_TRUE(fake_.Reporter.Messages.isEmpty());
}

TEST_F(ConversionPageTest, CheckClassSetsOnlyTheCheckDigit)
{
    auto* list = form_->findChild<QComboBox*>("ComboBox");
    list->setFocus();
    for (int step = 0; step < 7; ++step) {
        QTest::keyClick(list, Qt::Key_Down);
    }
    EXPECT_EQ(list->currentIndex(), 7);
    EXPECT_EQ(form_->findChild<TextLabel*>("Label7")->text(), "7");
    SetFields("01", "01", "02005");
    Click("SpeedButton1");
    EXPECT_EQ(form_->findChild<TextLabel*>("Label7")->text(), "7");
    EXPECT_EQ(ImperialRow(), "003|005|03");
    // The program's own selection runs no handler.
    list->setCurrentIndex(2);
    EXPECT_EQ(form_->findChild<TextLabel*>("Label7")->text(), "7");
}

// The class list's popup costs nothing until it is first opened, and then shows the list's
// face in navy and lime; a later change of face reaches it as in any list.
TEST_F(ConversionPageTest, ClassListPopupMadeOnFirstOpeningInTheListsFaceAndColours)
{
    auto* list = form_->findChild<DeferredPopupComboBox*>("ComboBox");
    ASSERT_NE(list, nullptr);
    EXPECT_FALSE(list->hasPopup());
    EXPECT_EQ(list->findChild<QAbstractItemView*>(), nullptr);

    list->showPopup();
    QAbstractItemView* popup = list->view();
    EXPECT_TRUE(popup->isVisible());
    EXPECT_EQ(popup->font().pixelSize(), 9);
    EXPECT_TRUE(popup->font().bold());
    EXPECT_EQ(popup->font().family(), list->font().family());
    EXPECT_EQ(popup->palette().color(QPalette::Base), QColor(0, 0, 128));
    EXPECT_EQ(popup->palette().color(QPalette::Text), QColor(0, 255, 0));
    EXPECT_EQ(popup->model()->rowCount(), 10);
    list->hidePopup();

    QFont larger = list->font();
    larger.setPixelSize(12);
    list->setFont(larger);
    EXPECT_EQ(popup->font().pixelSize(), 12);
}

// Whatever the user types, the field ends all digits and within its range.
TEST_F(ConversionPageTest, RandomKeysAlwaysLeaveDigitsInRange)
{
    struct Range
    {
        const char* Field;
        int Lowest;
        int Highest;
    };
    const Qt::Key keys[] = {Qt::Key_0,     Qt::Key_1,      Qt::Key_2,         Qt::Key_5,
                            Qt::Key_9,     Qt::Key_9,      Qt::Key_A,         Qt::Key_Minus,
                            Qt::Key_Space, Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_Left,
                            Qt::Key_Right, Qt::Key_Home,   Qt::Key_End};
    QRandomGenerator random(20051205);
    for (const Range& r :
         {Range{"NMonth", 1, 12}, Range{"NDay", 1, 31}, Range{"NYear", 0, 50000},
          Range{"IYearSeg", 0, 999}, Range{"IYear", 0, 999}, Range{"IMill", 0, 50}}) {
        DigitField* field = Field(r.Field);
        for (int round = 0; round < 40; ++round) {
            field->setFocus(round % 2 == 0 ? Qt::TabFocusReason : Qt::MouseFocusReason);
            if (round % 3 == 0) {
                field->setSelection(static_cast<int>(random.bounded(field->positions())),
                                    static_cast<int>(random.bounded(field->positions())) + 1);
            }
            for (int press = 0; press < 12; ++press) {
                const Qt::Key key = keys[random.bounded(static_cast<int>(std::size(keys)))];
                const Qt::KeyboardModifiers shift =
                    random.bounded(4) == 0 ? Qt::ShiftModifier : Qt::NoModifier;
                QTest::keyClick(field, key, shift);
                const QString text = field->text();
                ASSERT_EQ(text.size(), field->positions());
                ASSERT_TRUE(
                    std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); }))
                    << r.Field << " '" << text << "'";
                const int value = text.toInt();
                ASSERT_GE(value, r.Lowest) << r.Field;
                ASSERT_LE(value, r.Highest) << r.Field;
            }
        }
    }
}

TEST_F(ConversionPageTest, ControlsAsDesigned)
{
    struct Placement
    {
        const char* Name;
        QRect Geometry;
        const char* ToolTip;
    };
    for (const Placement& p :
         {Placement{"Image4", {0, 0, 437, 144}, ""}, Placement{"NMonth", {8, 88, 33, 28}, "Month"},
          Placement{"NDay", {48, 88, 33, 28}, "Day"}, Placement{"NYear", {88, 88, 65, 28}, "Year"},
          Placement{"SpeedButton1", {160, 68, 41, 33}, "Convert To Imperial"},
          Placement{"SpeedButton2", {160, 103, 41, 33}, "Convert From Imperial"},
          Placement{"Label7", {216, 90, 11, 20}, "Check Date"},
          Placement{"IYearSeg", {240, 88, 49, 28}, "Year Segment"},
          Placement{"IYear", {296, 88, 49, 28}, "Year"},
          Placement{"IMill", {376, 88, 33, 28}, "Millennium"},
          Placement{"ComboBox", {2, 16, 111, 19}, "Set \"Check Date\""},
          Placement{"SpeedButton3", {118, 14, 23, 22}, "Help with \"Check Date\""}}) {
        auto* control = form_->findChild<QWidget*>(QString::fromLatin1(p.Name));
        ASSERT_NE(control, nullptr) << p.Name;
        EXPECT_EQ(control->geometry(), p.Geometry) << p.Name;
        EXPECT_EQ(control->toolTip(), QString::fromLatin1(p.ToolTip)) << p.Name;
    }
    // Tab runs through the six fields and then the list.
    QWidget* focus = Field("NMonth");
    const QStringList order = {"NDay", "NYear", "IYearSeg", "IYear", "IMill", "ComboBox"};
    for (const QString& next : order) {
        focus = focus->nextInFocusChain();
        while (focus->focusPolicy() == Qt::NoFocus || !focus->isVisibleTo(form_.get())) {
            focus = focus->nextInFocusChain();
        }
        EXPECT_EQ(focus->objectName(), next);
    }
    for (const char* button : {"SpeedButton1", "SpeedButton2", "SpeedButton3"}) {
        EXPECT_EQ(form_->findChild<QWidget*>(button)->focusPolicy(), Qt::NoFocus) << button;
    }
}

} // namespace
} // namespace chronavell
