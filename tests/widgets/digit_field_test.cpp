#include "widgets/digit_field.h"

#include <QAccessible>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace chronavell {
namespace {

// Fields shaped as the conversion page's: their positions and the texts written in place of
// a negative number and of one too long for the field.
struct Bounds
{
    const char* Name;
    int Positions;
    const char* LowerText;
    const char* UpperText;
};

const Bounds NMonth{"NMonth", 2, "01", "12"};
const Bounds NYear{"NYear", 5, "00000", "50000"};
const Bounds IYearSeg{"IYearSeg", 3, "000", "999"};
const Bounds IMill{"IMill", 2, "00", "50"};

// A field between two other focusable widgets in a shown, active window. Nothing keeps it
// normalised: what it does on its own shows.
class Harness
{
public:
    explicit Harness(const Bounds& bounds)
    {
        // Placed by hand: a layout would make the offscreen platform warn about size hints.
        before_ = new QLineEdit(&window_);
        field_ = new DigitField(bounds.Positions, bounds.LowerText, bounds.UpperText, &window_);
        after_ = new QLineEdit(&window_);
        before_->setGeometry(0, 0, 60, 28);
        field_->setGeometry(64, 0, 65, 28);
        after_->setGeometry(133, 0, 60, 28);
        QObject::connect(field_, &DigitField::changed, field_, [this] { ++emissions_; });
        window_.show();
        active_ = QTest::qWaitForWindowActive(&window_);
    }

    bool active() const { return active_; }
    DigitField& field() { return *field_; }
    int emissions() const { return emissions_; }

    void write(const QString& text)
    {
        field_->setText(text);
        expectConsistent();
    }

    // Runs a script: plain characters are typed into the field; <Tab> and <Backtab> enter it
    // from its neighbours, <C2> clicks position 2, <Del>, <BS>, <Left>, <Right>, <Home> and
    // <End> press keys, an "S-" prefix holding Shift.
    void act(const QString& script)
    {
        for (qsizetype i = 0; i < script.size(); ++i) {
            if (script[i] != u'<') {
                QTest::keyClick(field_, script[i].toLatin1());
                continue;
            }
            const qsizetype end = script.indexOf(u'>', i);
            press(script.mid(i + 1, end - i - 1));
            i = end;
        }
        expectConsistent();
    }

private:
    void press(QString token)
    {
        if (token == u"Tab") {
            before_->setFocus();
            QTest::keyClick(before_, Qt::Key_Tab);
            return;
        }
        if (token == u"Backtab") {
            after_->setFocus();
            QTest::keyClick(after_, Qt::Key_Backtab, Qt::ShiftModifier);
            return;
        }
        if (token.startsWith(u'C')) {
            const QPoint centre = field_->positionRect(token.mid(1).toInt()).center();
            QTest::mouseClick(field_, Qt::LeftButton, {}, centre);
            return;
        }
        Qt::KeyboardModifiers modifiers;
        if (token.startsWith(u"S-")) {
            modifiers = Qt::ShiftModifier;
            token.remove(0, 2);
        }
        const Qt::Key key = token == u"Del"     ? Qt::Key_Delete
                            : token == u"BS"    ? Qt::Key_Backspace
                            : token == u"Left"  ? Qt::Key_Left
                            : token == u"Right" ? Qt::Key_Right
                            : token == u"Home"  ? Qt::Key_Home
                                                : Qt::Key_End;
        QTest::keyClick(field_, key, modifiers);
    }

    void expectConsistent()
    {
        const int positions = field_->positions();
        EXPECT_EQ(field_->text().size(), positions);
        EXPECT_GE(field_->selectionStart(), 0);
        EXPECT_LE(field_->selectionStart() + field_->selectionLength(), positions);
        EXPECT_GE(field_->cursorPosition(), field_->selectionStart());
        EXPECT_LT(field_->cursorPosition(), field_->selectionStart() + field_->selectionLength());
    }

    QWidget window_;
    QLineEdit* before_ = nullptr;
    DigitField* field_ = nullptr;
    QLineEdit* after_ = nullptr;
    bool active_ = false;
    int emissions_ = 0;
};

TEST(DigitFieldTest, WritesFollowTheWriteRuleAndSignalOnlyChanges)
{
    struct Case
    {
        const Bounds& Field;
        const char* Before;
        QString Written;
        const char* Text;
        const char* Shown;
        int Emissions;
    };
    const Case cases[] = {
        {NMonth, "", "", "  ", "**", 0},
        {NMonth, "", "12", "12", "12", 1},
        {NMonth, "12", "12", "12", "12", 0},
        {NMonth, "", " 5", " 5", "*5", 1},
        {IYearSeg, "", "1 5", "1 5", "1*5", 1},
        {NMonth, "", "5", " 5", "*5", 1},
        {NYear, "", "2005", " 2005", "*2005", 1},
        {NMonth, "05", "5", " 5", "*5", 1},
        {NMonth, " 5", "5", " 5", "*5", 0},
        {IYearSeg, "", "1002", "999", "999", 1},
        {NMonth, "12", "123", "12", "12", 0},
        {NMonth, "", "-1", "01", "01", 1},
        {NYear, "", "-1000", "00000", "00000", 1},
        {IYearSeg, "", "-99999999999", "000", "000", 1},
        {IMill, "", "-0", "00", "00", 1},
        {NMonth, "", "a5", " 5", "*5", 1},
        {IYearSeg, "", "1.5", "1 5", "1*5", 1},
        {NMonth, "", "+5", " 5", "*5", 1},
        {NMonth, "", "*5", " 5", "*5", 1},
        {NMonth, "", QStringLiteral("1\u0663"), "1 ", "1*", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Field.Name << " '" << c.Before << "' <- '"
                                        << c.Written.toStdString() << "'");
        Harness harness(c.Field);
        harness.write(c.Before);
        const int before = harness.emissions();
        harness.write(c.Written);
        EXPECT_EQ(harness.field().text(), c.Text);
        EXPECT_EQ(harness.field().displayText(), c.Shown);
        EXPECT_EQ(harness.emissions() - before, c.Emissions);
    }
}

TEST(DigitFieldTest, EditingKeysOnAnUnnormalisedField)
{
    struct Case
    {
        const Bounds& Field;
        const char* Before;
        const char* Script;
        const char* Text;
        int Emissions;
        int SelectionStart;
        int SelectionLength;
        int Cursor;
    };
    const Case cases[] = {
        // Entering with the keyboard selects everything, a click only its position.
        {IYearSeg, "123", "<Tab>", "123", 0, 0, 3, 2},
        {IYearSeg, "123", "<Backtab>", "123", 0, 0, 3, 2},
        {IYearSeg, "123", "<C1>", "123", 0, 1, 1, 1},
        {IYearSeg, "123", "<Tab><C1>", "123", 0, 1, 1, 1},
        // A digit over a selection clears it first, a second change.
        {NMonth, "12", "<Tab>7", "7 ", 2, 1, 1, 1},
        {NMonth, "  ", "<Tab>7", "7 ", 1, 1, 1, 1},
        {NMonth, "12", "<C0>1", "12", 0, 1, 1, 1},
        {NMonth, "12", "<C0>34", "34", 2, 1, 1, 1},
        {NYear, "", "<C0>123456", "12346", 6, 4, 1, 4},
        {NMonth, "12", "<C1>a -+.", "12", 0, 1, 1, 1},
        {NMonth, "12", "<Tab>x", "12", 0, 0, 2, 1},
        {IYearSeg, "123", "<C1><Del>", "1 3", 1, 1, 1, 1},
        {IYearSeg, "1 3", "<C1><Del>", "1 3", 0, 1, 1, 1},
        {IYearSeg, "123", "<C1><BS>", " 23", 1, 0, 1, 0},
        {IYearSeg, "123", "<C0><BS>", "123", 0, 0, 1, 0},
        {IYearSeg, "123", "<Tab><Del>", "   ", 1, 0, 1, 0},
        {IYearSeg, "123", "<Tab><BS>", "   ", 1, 0, 1, 0},
        {IYearSeg, "123", "<C0><S-Right><Del>", "  3", 1, 0, 1, 0},
        {NYear, "12345", "<C2><Left>", "12345", 0, 1, 1, 1},
        {NYear, "12345", "<C2><Right>", "12345", 0, 3, 1, 3},
        {NYear, "12345", "<C0><Left>", "12345", 0, 0, 1, 0},
        {NYear, "12345", "<C4><Right>", "12345", 0, 4, 1, 4},
        {NYear, "12345", "<C2><Home>", "12345", 0, 0, 1, 0},
        {NYear, "12345", "<C2><End>", "12345", 0, 4, 1, 4},
        {NYear, "12345", "<C2><S-Left>", "12345", 0, 1, 2, 1},
        {NYear, "12345", "<C2><S-Home>", "12345", 0, 0, 3, 0},
        {NYear, "12345", "<C2><S-End>", "12345", 0, 2, 3, 4},
        {NYear, "12345", "<C2><S-Right><S-Left><S-Left>", "12345", 0, 1, 2, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Field.Name << " '" << c.Before << "' " << c.Script);
        Harness harness(c.Field);
        ASSERT_TRUE(harness.active());
        harness.write(c.Before);
        const int before = harness.emissions();
        harness.act(c.Script);
        const DigitField& field = harness.field();
        EXPECT_EQ(field.text(), c.Text);
        EXPECT_EQ(harness.emissions() - before, c.Emissions);
        EXPECT_EQ(field.selectionStart(), c.SelectionStart);
        EXPECT_EQ(field.selectionLength(), c.SelectionLength);
        EXPECT_EQ(field.cursorPosition(), c.Cursor);
    }
}

// At the page's sizes and font every position gets a cell of its own that holds a digit,
// and a click anywhere inside a cell lands on that position.
TEST(DigitFieldTest, PositionsFitAndTakeClicksAtPageSizes)
{
    for (const auto& [bounds, width] : {std::pair{&NMonth, 33}, {&IYearSeg, 49}, {&NYear, 65}}) {
        SCOPED_TRACE(bounds->Name);
        DigitField field(bounds->Positions, bounds->LowerText, bounds->UpperText);
        QFont font = field.font();
        font.setPixelSize(16);
        font.setBold(true);
        field.setFont(font);
        field.setFixedSize(width, 28);
        field.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&field));
        const int digitWidth = field.fontMetrics().horizontalAdvance(u'0');
        for (int position = 0; position < bounds->Positions; ++position) {
            const QRect cell = field.positionRect(position);
            EXPECT_GE(cell.width(), digitWidth);
            EXPECT_TRUE(field.rect().contains(cell));
            if (position > 0) {
                EXPECT_EQ(cell.left(), field.positionRect(position - 1).right() + 1);
            }
            for (const QPoint point : {cell.topLeft(), cell.bottomRight()}) {
                QTest::mouseClick(&field, Qt::LeftButton, {}, point);
                EXPECT_EQ(field.cursorPosition(), position);
            }
        }
    }
}

TEST(DigitFieldTest, PaintsWithThePaletteAndHighlightsTheCursor)
{
    Harness harness(IYearSeg);
    ASSERT_TRUE(harness.active());
    DigitField& field = harness.field();
    QPalette palette = field.palette();
    palette.setColor(QPalette::Base, QColor(0, 0, 128));
    palette.setColor(QPalette::Text, QColor(0, 255, 0));
    palette.setColor(QPalette::Highlight, QColor(255, 0, 0));
    field.setPalette(palette);
    QFont font = field.font();
    font.setPixelSize(16);
    font.setBold(true);
    field.setFont(font);
    harness.write("888");
    harness.act("<C1>");

    const QImage image = field.grab().toImage();
    const auto colourAt = [&](int position) {
        return image.pixelColor(field.positionRect(position).topLeft() + QPoint(1, 1));
    };
    EXPECT_EQ(colourAt(0), QColor(0, 0, 128));
    EXPECT_EQ(colourAt(1), QColor(255, 0, 0));
    EXPECT_EQ(colourAt(2), QColor(0, 0, 128));
    bool limeDrawn = false;
    const QRect unselected = field.positionRect(0);
    for (int y = unselected.top(); y <= unselected.bottom(); ++y) {
        for (int x = unselected.left(); x <= unselected.right(); ++x) {
            limeDrawn = limeDrawn || image.pixelColor(x, y) == QColor(0, 255, 0);
        }
    }
    EXPECT_TRUE(limeDrawn);
}

TEST(DigitFieldTest, ScreenReadersGetTheContent)
{
    Harness harness(NYear);
    DigitField& field = harness.field();
    field.setToolTip("Year");
    harness.write("2005");
    field.setCursorPosition(3);

    QAccessibleInterface* const accessible = QAccessible::queryAccessibleInterface(&field);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::EditableText);
    EXPECT_EQ(accessible->text(QAccessible::Name), "Year");
    EXPECT_EQ(accessible->text(QAccessible::Value), " 2005");
    QAccessibleTextInterface* const text = accessible->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->characterCount(), 5);
    EXPECT_EQ(text->text(0, 5), " 2005");
    EXPECT_EQ(text->cursorPosition(), 3);
    text->setSelection(0, 1, 4);
    EXPECT_EQ(field.selectionStart(), 1);
    EXPECT_EQ(field.selectionLength(), 3);
}

} // namespace
} // namespace chronavell
