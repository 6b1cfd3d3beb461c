#include "core/convert_error.h"
#include "pages/conversion_page.h"
#include "support/fake_platform.h"
#include "support/qt_printers.h"
#include "support/shown_page.h"
#include "widgets/digit_field.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QRandomGenerator>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace chronavell {
namespace {

// The page on its own, its conversions guarded by a guard that records what it reports.
class ConversionPageTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(test_support::ShowPage(page_, true)); }

    DigitField* fieldNamed(const char* name) const
    {
        auto* field = page_.findChild<DigitField*>(QString::fromLatin1(name));
        EXPECT_NE(field, nullptr) << name;
        return field;
    }
    QString text(const char* name) const { return fieldNamed(name)->text(); }

    // Counts every change of a field's content from now on.
    void countChanges(const char* name)
    {
        changes_ = 0;
        QObject::disconnect(counter_);
        counter_ = QObject::connect(fieldNamed(name), &DigitField::changed, [this] { ++changes_; });
    }

    // Runs a script on a field: plain characters are typed; <Tab> and <Backtab> enter the field
    // from its neighbour in the page's tab order, <C2> clicks position 2, <Del>, <BS>, <Right>
    // and <S-Right> press keys.
    void act(const char* name, const QString& script)
    {
        DigitField* field = fieldNamed(name);
        for (qsizetype i = 0; i < script.size(); ++i) {
            if (script[i] != u'<') {
                QTest::keyClick(field, script[i].toLatin1());
                continue;
            }
            const qsizetype end = script.indexOf(u'>', i);
            const QString token = script.mid(i + 1, end - i - 1);
            i = end;
            if (token == u"Tab" || token == u"Backtab") {
                const bool back = token == u"Backtab";
                QWidget* from = neighbour(field, back);
                from->setFocus();
                QTest::keyClick(from, back ? Qt::Key_Backtab : Qt::Key_Tab,
                                back ? Qt::ShiftModifier : Qt::NoModifier);
            } else if (token.startsWith(u'C')) {
                const QPoint centre = field->positionRect(token.mid(1).toInt()).center();
                QTest::mouseClick(field, Qt::LeftButton, {}, centre);
            } else {
                const bool shift = token.startsWith(u"S-");
                const QString key = shift ? token.mid(2) : token;
                QTest::keyClick(field,
                                key == u"Del"  ? Qt::Key_Delete
                                : key == u"BS" ? Qt::Key_Backspace
                                               : Qt::Key_Right,
                                shift ? Qt::ShiftModifier : Qt::NoModifier);
            }
        }
    }
    // The control that Tab (or Backtab) leaves for the field.
    QWidget* neighbour(QWidget* field, bool backwards) const
    {
        QWidget* other = field;
        do {
            other = backwards ? other->nextInFocusChain() : other->previousInFocusChain();
        } while (other != field &&
                 (!(other->focusPolicy() & Qt::TabFocus) || !other->isVisibleTo(&page_)));
        return other;
    }

    // Enters the field with the keyboard, as Tab from the control before it does, and types.
    void typeInto(const char* name, const QString& keys)
    {
        DigitField* field = fieldNamed(name);
        field->clearFocus();
        field->setFocus(Qt::TabFocusReason);
        for (const QChar key : keys) {
            QTest::keyClick(field, key.toLatin1());
        }
    }

    // Writes into the fields as the program's own writes do; each field puts itself in order.
    void setFields(const QString& month, const QString& day, const QString& year)
    {
        fieldNamed("NMonth")->setText(month);
        fieldNamed("NDay")->setText(day);
        fieldNamed("NYear")->setText(year);
    }
    void setImperial(const QString& segment, const QString& year, const QString& millennium)
    {
        fieldNamed("IYearSeg")->setText(segment);
        fieldNamed("IYear")->setText(year);
        fieldNamed("IMill")->setText(millennium);
    }
    void click(const char* button)
    {
        QTest::mouseClick(page_.findChild<QToolButton*>(QString::fromLatin1(button)),
                          Qt::LeftButton);
    }
    QString imperialRow() const
    {
        return text("IYearSeg") + "|" + text("IYear") + "|" + text("IMill");
    }
    QString calendarRow() const
    {
        return text("NMonth") + "|" + text("NDay") + "|" + text("NYear");
    }
    QString checkDigit() const { return page_.findChild<QLabel*>("Label7")->text(); }

    test_support::FakePlatform::RecordingReporter reporter_;
    ErrorGuard guard_{reporter_};
    ConversionPage page_{guard_};
    QStringList& errors_ = reporter_.Messages;
    int changes_ = 0;
    QMetaObject::Connection counter_;
};

// A written number ends normalised, through as few changes as the rule needs: blanks filled,
// then the bound written, each a change the field's handler runs again on.
TEST_F(ConversionPageTest, WritesEndNormalised)
{
    struct Case
    {
        const char* Field;
        const char* Written;
        const char* Text;
        int Changes;
    };
    for (const Case& c :
         {Case{"NMonth", "7", "07", 2}, Case{"NMonth", "0", "01", 3}, Case{"NMonth", "13", "12", 2},
          Case{"NMonth", "-1", "01", 1}, Case{"NDay", "0", "01", 3}, Case{"NDay", "32", "31", 2},
          Case{"NYear", "2005", "02005", 2}, Case{"NYear", "-1000", "00000", 1},
          Case{"NYear", "123456", "50000", 1}, Case{"NYear", "50001", "50000", 2},
          Case{"IYearSeg", "1002", "999", 1}, Case{"IYear", "5", "005", 2},
          Case{"IMill", "3", "03", 2}, Case{"IMill", "51", "50", 2}}) {
        // A start that no case ends with, so every case changes the field.
        fieldNamed(c.Field)->setText(QStringLiteral("6"));
        countChanges(c.Field);
        fieldNamed(c.Field)->setText(QString::fromLatin1(c.Written));
        EXPECT_EQ(text(c.Field), c.Text) << c.Field << " <- " << c.Written;
        EXPECT_EQ(changes_, c.Changes) << c.Field << " <- " << c.Written;
    }
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
        setFields("05", "05", "02005");
        setImperial("347", "005", "03");
        typeInto(c.Field, c.Keys);
        EXPECT_EQ(text(c.Field), c.Expected) << c.Field << " " << c.Keys;
    }
}

TEST_F(ConversionPageTest, EditsEndNormalised)
{
    struct Case
    {
        const char* Field;
        const char* Before;
        const char* Script;
        const char* Text;
    };
    for (const Case& c :
         {Case{"NMonth", "05", "<Tab>13", "12"}, Case{"NMonth", "05", "<Tab>00", "01"},
          Case{"NMonth", "05", "<Tab>3", "12"}, Case{"NMonth", "05", "<Backtab>03", "03"},
          Case{"NYear", "02005", "<Tab>1999", "19990"}, Case{"NDay", "15", "<Tab><Del>", "01"},
          Case{"NDay", "15", "<C0><Del><Right><Del>", "01"}, Case{"NDay", "15", "<C1><BS>", "05"},
          Case{"IYearSeg", "347", "<C1>9", "397"}, Case{"IYearSeg", "347", "<Tab><C1>9", "397"},
          Case{"NYear", "02005", "<C1><S-Right>7", "07005"}}) {
        fieldNamed(c.Field)->setText(QString::fromLatin1(c.Before));
        act(c.Field, QString::fromLatin1(c.Script));
        EXPECT_EQ(text(c.Field), c.Text) << c.Field << " '" << c.Before << "' " << c.Script;
    }
}

TEST_F(ConversionPageTest, DeletingDigitsLeavesZerosOrTheLowerBound)
{
    DigitField* day = fieldNamed("NDay");
    day->setText("17");
    day->setFocus(Qt::MouseFocusReason);
    day->setCursorPosition(0);
    QTest::keyClick(day, Qt::Key_Delete);
    EXPECT_EQ(day->text(), "07");
    QTest::keyClick(day, Qt::Key_Right);
    QTest::keyClick(day, Qt::Key_Delete);
    EXPECT_EQ(day->text(), "01");

    DigitField* year = fieldNamed("NYear");
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
        setImperial("000", "000", "00");
        setFields(c.Month, c.Day, c.Year);
        click("SpeedButton1");
        EXPECT_EQ(imperialRow(), c.Imperial) << c.Month << "/" << c.Day << "/" << c.Year;
    }
    EXPECT_TRUE(errors_.isEmpty()) << errors_.join(" ");
}

TEST_F(ConversionPageTest, InvalidDatesThrowAndChangeNothing)
{
    for (const char* const invalid :
         {"02/30/02005", "02/29/10000", "02/29/01900", "01/01/00000", "04/31/02005"}) {
        const QString text = QString::fromLatin1(invalid);
        errors_.clear();
        setImperial("123", "456", "07");
        const QStringList parts = text.split('/');
        setFields(parts[0], parts[1], parts[2]);
        click("SpeedButton1");
        EXPECT_EQ(errors_, QStringList{"'" + text + "' is not a valid date and time."});
        EXPECT_EQ(imperialRow(), "123|456|07");
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
        setFields("11", "11", "01111");
        setImperial(c.Segment, c.Year, c.Millennium);
        click("SpeedButton2");
        EXPECT_EQ(calendarRow(), c.Calendar) << c.Segment << " " << c.Year << " " << c.Millennium;
    }
    EXPECT_TRUE(errors_.isEmpty());
}

TEST_F(ConversionPageTest, CheckClassSetsOnlyTheCheckDigit)
{
    auto* list = page_.findChild<QComboBox*>("ComboBox");
    list->setFocus();
    for (int step = 0; step < 7; ++step) {
        QTest::keyClick(list, Qt::Key_Down);
    }
    EXPECT_EQ(list->currentIndex(), 7);
    EXPECT_EQ(checkDigit(), "7");
    setFields("01", "01", "02005");
    click("SpeedButton1");
    EXPECT_EQ(checkDigit(), "7");
    EXPECT_EQ(imperialRow(), "003|005|03");
    // The program's own selection shows nothing new.
    page_.setCheckClass(2);
    EXPECT_EQ(checkDigit(), "7");
}

// The class list's popup costs nothing until it is first opened, and then shows the list's
// face in navy and lime; a later change of face reaches it as in any list.
TEST_F(ConversionPageTest, ClassListPopupMadeOnFirstOpeningInTheListsFaceAndColours)
{
    auto* list = page_.findChild<QComboBox*>("ComboBox");
    ASSERT_NE(list, nullptr);
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

// The class list drops down below its box as a list of ten 11-pixel rows, all in view, whichever
// class is chosen; only without room below does it open above.
TEST_F(ConversionPageTest, ClassListDropsDownBelowItsBoxInTenElevenPixelRows)
{
    auto* list = page_.findChild<QComboBox*>("ComboBox");
    const QRect screen = list->screen()->availableGeometry();
    for (const int top : {screen.top() + 10, screen.bottom() - 60}) {
        page_.move(screen.left() + 10, top);
        QApplication::processEvents();
        for (const int chosen : {0, 9}) {
            list->setCurrentIndex(chosen);
            list->showPopup();
            QAbstractItemView* view = list->view();
            const QRect popup = view->window()->frameGeometry();
            const QRect box(list->mapToGlobal(QPoint(0, 0)), list->size());
            const QString where = QStringLiteral("window at %1, class %2").arg(top).arg(chosen);
            for (int row = 0; row < 10; ++row) {
                const QRect shown = view->visualRect(view->model()->index(row, 0));
                EXPECT_EQ(shown.height(), 11) << where << " row " << row;
                EXPECT_TRUE(view->viewport()->rect().contains(shown)) << where << " row " << row;
            }
            EXPECT_LE(popup.height(), 10 * 11 + 8) << where;
            // Touching the box, or overlapping its edge by a pixel.
            if (top < screen.center().y()) {
                EXPECT_NEAR(popup.top(), box.bottom() + 1, 1) << where;
            } else {
                EXPECT_NEAR(popup.bottom(), box.top() - 1, 1) << where;
            }
            list->hidePopup();
        }
    }
}

// Runs `choose` on the context menu a right click on the field opens.
void UseRowMenu(QWidget* field, const std::function<void(QMenu&)>& choose)
{
    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        shown = menu != nullptr;
        if (menu != nullptr) {
            choose(*menu);
            menu->close();
        }
    });
    QContextMenuEvent request(QContextMenuEvent::Mouse, field->rect().center(),
                              field->mapToGlobal(field->rect().center()));
    QApplication::sendEvent(field, &request);
    EXPECT_TRUE(shown);
}

QAction* Item(QMenu& menu, const QString& text)
{
    for (QAction* action : menu.actions()) {
        if (action->text() == text) {
            return action;
        }
    }
    ADD_FAILURE() << "no menu item " << text;
    return menu.addAction(text);
}

// Either row copies whole, from Ctrl+C in a field or from its context menu: the ordinary one
// as the page joins it, the Imperial one as the text of a date with its check digit.
TEST_F(ConversionPageTest, RowsCopyWhole)
{
    setFields("05", "17", "02005");
    setImperial("347", "045", "00");
    page_.setCheckClass(7);
    QClipboard* clipboard = QGuiApplication::clipboard();
    for (const auto& [field, text] :
         {std::pair{"NDay", "05/17/02005"}, std::pair{"IMill", "734745.M 0"}}) {
        clipboard->clear();
        fieldNamed(field)->setFocus();
        QTest::keyClick(fieldNamed(field), Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(clipboard->text(), text) << field;
        clipboard->clear();
        UseRowMenu(fieldNamed(field), [](QMenu& menu) { Item(menu, "Copy")->trigger(); });
        EXPECT_EQ(clipboard->text(), text) << field;
    }
    setImperial("347", "005", "03");
    UseRowMenu(fieldNamed("IYear"), [](QMenu& menu) { Item(menu, "Copy")->trigger(); });
    EXPECT_EQ(clipboard->text(), "7347005.M 3");
}

// A date on the clipboard fills the row it is pasted into, each field putting itself in
// order; anything else changes nothing.
TEST_F(ConversionPageTest, PastedDatesFillTheRow)
{
    page_.setRegion(QLocale(QLocale::German, QLocale::Germany));
    struct Case
    {
        const char* Field;
        const char* Pasted;
        const char* Row; // unchanged when the paste is refused
    };
    for (const Case& c :
         {Case{"NMonth", "2005-05-17", "05|17|02005"},
          Case{"NYear", " 05/17/02005\n", "05|17|02005"},
          Case{"NDay", "12/31/12345", "12|31|12345"}, Case{"NDay", "17.05.2005", "05|17|02005"},
          Case{"NDay", "17.05.05", "11|11|01111"}, Case{"NMonth", "2005-02-30", "11|11|01111"},
          Case{"NMonth", "02/30/02005", "11|11|01111"},
          Case{"NMonth", "0347005.M 3", "11|11|01111"}, Case{"NMonth", "", "11|11|01111"},
          // What the fields would clamp is no date pasted: refused, not changed.
          Case{"NDay", "12/31/50000", "12|31|50000"}, Case{"NDay", "12/31/50001", "11|11|01111"},
          Case{"IYear", "7347005.M 3", "347|005|03 7"},
          Case{"IYearSeg", "0999999.M50", "999|999|50 0"},
          Case{"IYearSeg", "01002999.M10", "111|111|11 1"},
          Case{"IYearSeg", "0999999.M 51", "111|111|11 1"},
          Case{"IMill", "2005-05-17", "111|111|11 1"},
          Case{"IMill", "0347005.M 300", "111|111|11 1"}}) {
        setFields("11", "11", "01111");
        setImperial("111", "111", "11");
        page_.setCheckClass(1);
        page_.findChild<QComboBox*>("ComboBox")->activated(1);
        QGuiApplication::clipboard()->setText(QString::fromLatin1(c.Pasted));
        fieldNamed(c.Field)->setFocus();
        QTest::keyClick(fieldNamed(c.Field), Qt::Key_V, Qt::ControlModifier);
        const bool imperial = QString::fromLatin1(c.Field).startsWith(u'I');
        EXPECT_EQ(imperial ? imperialRow() + " " + checkDigit() : calendarRow(), c.Row)
            << c.Field << " <- " << c.Pasted;
    }
    // The menu's Paste does the same.
    QGuiApplication::clipboard()->setText(QStringLiteral("2026-12-08"));
    UseRowMenu(fieldNamed("NYear"), [](QMenu& menu) { Item(menu, "Paste")->trigger(); });
    EXPECT_EQ(calendarRow(), "12|08|02026");
}

// A short date is read in the region's own order, its year in four digits; the page's own
// text, with its five-digit year, month first in every region.
TEST_F(ConversionPageTest, PastedShortDatesFollowTheRegion)
{
    const QLocale british(QLocale::English, QLocale::UnitedKingdom);
    const QLocale american(QLocale::English, QLocale::UnitedStates);
    struct Case
    {
        const QLocale& Region;
        const char* Pasted;
        const char* Row; // unchanged when the paste is refused
    };
    for (const Case& c :
         {Case{british, "08/12/2026", "12|08|02026"}, Case{british, "17/05/2005", "05|17|02005"},
          Case{british, "05/17/02005", "05|17|02005"}, Case{british, "12/31/2005", "11|11|01111"},
          Case{british, "8/12/26", "11|11|01111"}, Case{american, "12/08/2026", "12|08|02026"},
          Case{american, "5/17/05", "11|11|01111"}, Case{american, "5/17/205", "11|11|01111"},
          Case{american, "5/17/5", "11|11|01111"}}) {
        page_.setRegion(c.Region);
        setFields("11", "11", "01111");
        QGuiApplication::clipboard()->setText(QString::fromLatin1(c.Pasted));
        fieldNamed("NDay")->setFocus();
        QTest::keyClick(fieldNamed("NDay"), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(calendarRow(), c.Row) << c.Region.name() << " <- " << c.Pasted;
    }
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
    setFields("05", "05", "02005");
    setImperial("347", "005", "03");
    for (const Range& r :
         {Range{"NMonth", 1, 12}, Range{"NDay", 1, 31}, Range{"NYear", 0, 50000},
          Range{"IYearSeg", 0, 999}, Range{"IYear", 0, 999}, Range{"IMill", 0, 50}}) {
        DigitField* field = fieldNamed(r.Field);
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
        const char* Name = nullptr;
        QRect Geometry;
        const char* ToolTip = nullptr;
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
        auto* control = page_.findChild<QWidget*>(QString::fromLatin1(p.Name));
        ASSERT_NE(control, nullptr) << p.Name;
        EXPECT_EQ(control->geometry(), p.Geometry) << p.Name;
        EXPECT_EQ(control->toolTip(), QString::fromLatin1(p.ToolTip)) << p.Name;
    }
    // Tab runs through the six fields and then the list.
    QWidget* focus = fieldNamed("NMonth");
    const QStringList order = {"NDay", "NYear", "IYearSeg", "IYear", "IMill", "ComboBox"};
    for (const QString& next : order) {
        focus = focus->nextInFocusChain();
        while (focus->focusPolicy() == Qt::NoFocus || !focus->isVisibleTo(&page_)) {
            focus = focus->nextInFocusChain();
        }
        EXPECT_EQ(focus->objectName(), next);
    }
    for (const char* button : {"SpeedButton1", "SpeedButton2", "SpeedButton3"}) {
        EXPECT_EQ(page_.findChild<QWidget*>(button)->focusPolicy(), Qt::NoFocus) << button;
    }
}

} // namespace
} // namespace chronavell
