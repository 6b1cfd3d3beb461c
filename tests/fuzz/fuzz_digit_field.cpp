// The six digit fields of the conversion page normalise themselves on every change: the
// page's handler fills blanks with zeros and clamps the value, writing into the field it is
// handling and so running again, nested. The target drives the real page. Whatever the user
// types or clicks and whatever the conversions write, a field must afterwards hold exactly
// its number of ASCII digits with a value in its range, having settled within a few changes.
//
// The input is a sequence of operations, each a field byte ('0' to '5': month, day, year,
// segment, Imperial year, millennium; other bytes are taken modulo 6), an operation byte and
// the operation's argument bytes:
//
//   t c  key press of character c      T c  the same with Shift     C c  the same with Control
//                                      (Control+C copies the field's row, Control+V pastes)
//   u i  key press of a digit of another script (i picks it)
//   D B L R H E   Delete, Backspace, Left, Right, Home, End; d b l r h e with Shift
//   A    Control+A                     S    selectAll()
//   c x  left click at x = byte - 16   m x  right click there
//   s a n  setSelection(a, n)          p a  setCursorPosition(a)   (a, n = byte - '0')
//   w n bytes  setText of n = (byte - '0') mod 10 Latin-1 bytes
//   W i  setText of a prepared text (minus signs, blanks, letters, long texts, ...)
//   f    focus arriving by Tab         g    focus arriving by a click
//
// Any other operation byte stands for one of these, chosen by its value modulo their number.
//
// The field's text after content-changing operations is also checked against a model of
// the field and its handler, an independent statement of the rules, built from the
// operation and the field's state before it. A paste fills the whole row from the
// clipboard, and Return converts the field's row into the other one; what they write is the
// page tests' concern, and here they only have to leave every field settled, the paste the
// other row alone and Return the field's own row.

#include "core/imperial_date.h"
#include "fuzz_check.h"
#include "pages/conversion_page.h"
#include "widgets/digit_field.h"
#include "widgets/error_guard.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace chronavell::fuzz {
namespace {

struct FieldRules
{
    const char* Name;
    int Positions;
    int Lowest; // anything below becomes the lower text
    QString LowerText;
    int Highest; // anything above becomes the upper text
    QString UpperText;
    int Width;             // the page's geometry, which decides where a click lands
    const char* StartText; // what the start sequence writes
};

const std::array<FieldRules, 6>& FieldTable()
{
    static const std::array<FieldRules, 6> table{{
        {"NMonth", 2, 1, QStringLiteral("01"), 12, QStringLiteral("12"), 33, "5"},
        {"NDay", 2, 1, QStringLiteral("01"), 31, QStringLiteral("31"), 33, "17"},
        {"NYear", 5, 0, QStringLiteral("00000"), 50000, QStringLiteral("50000"), 65, "2005"},
        {"IYearSeg", 3, 0, QStringLiteral("000"), 999, QStringLiteral("999"), 49, "347"},
        {"IYear", 3, 0, QStringLiteral("000"), 999, QStringLiteral("999"), 49, "005"},
        {"IMill", 2, 0, QStringLiteral("00"), 50, QStringLiteral("50"), 33, "3"},
    }};
    return table;
}

// The most changes one operation makes: a cleared selection and then a typed digit, each a
// blank-filled text that is then clamped.
constexpr int MaxChanges = 6;
constexpr int FieldHeight = 28;
constexpr std::size_t MaxOperations = 256;

std::string Std(const QString& text)
{
    return text.toStdString();
}

bool AllAsciiDigits(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// The model of the handler: blanks become zeros, then a value outside the range is replaced
// by the bound text. Precondition: the text holds only digits and blanks.
QString Normalised(QString text, const FieldRules& rules)
{
    text.replace(u' ', u'0');
    const int value = text.toInt();
    if (value < rules.Lowest) {
        return rules.LowerText;
    }
    if (value > rules.Highest) {
        return rules.UpperText;
    }
    return text;
}

QString Cleared(QString text, int start, int length)
{
    for (int i = start; i < start + length; ++i) {
        text[i] = u' ';
    }
    return text;
}

// Conversions that Return asks for report their errors here, where nobody reads them.
class SilentReporter final : public ErrorReporter
{
public:
    void report(const QString& /*message*/) override {}
};

// The conversion page of one run: its six fields, kept in order by the page's own handlers,
// and watched for every change they announce.
class Page
{
public:
    Page()
    {
        for (std::size_t i = 0; i < fields_.size(); ++i) {
            fields_[i] = page_.findChild<DigitField*>(QString::fromLatin1(FieldTable()[i].Name));
            CHRONAVELL_CHECK(fields_[i] != nullptr,
                             std::string("no field ") + FieldTable()[i].Name);
            lastSeen_[i] = fields_[i]->text();
            // Connected after the page's own handler: for a change made inside that handler,
            // this runs for the inner change first and for the outer one last.
            QObject::connect(fields_[i], &DigitField::changed, fields_[i], [this, i] {
                ++notices_;
                lastSeen_[i] = fields_[i]->text();
            });
        }
    }

    DigitField& Field(std::size_t i) { return *fields_[i]; }

    void StartOperation() { notices_ = 0; }

    // After every operation: every field holds its digits in range, every change was
    // announced, and the handlers settled within a few changes of their own.
    void CheckSettled(const std::string& after)
    {
        CheckChanges(after);
        for (std::size_t i = 0; i < fields_.size(); ++i) {
            const FieldRules& rules = FieldTable()[i];
            const DigitField& field = *fields_[i];
            const QString text = field.text();
            const std::string what =
                std::string(rules.Name) + " reads '" + Std(text) + "' " + after;
            CHRONAVELL_CHECK(text.size() == rules.Positions, "wrong length: " + what);
            CHRONAVELL_CHECK(AllAsciiDigits(text), "not all digits: " + what);
            const int value = text.toInt();
            CHRONAVELL_CHECK(value >= rules.Lowest && value <= rules.Highest,
                             "out of range: " + what);
            CHRONAVELL_CHECK(text == lastSeen_[i],
                             "changed without notice from '" + Std(lastSeen_[i]) + "': " + what);
            CHRONAVELL_CHECK(
                field.cursorPosition() >= 0 && field.cursorPosition() < rules.Positions &&
                    field.selectionStart() >= 0 && field.selectionLength() >= 1 &&
                    field.selectionStart() + field.selectionLength() <= rules.Positions,
                "cursor " + std::to_string(field.cursorPosition()) + ", selection " +
                    std::to_string(field.selectionStart()) + "+" +
                    std::to_string(field.selectionLength()) + ": " + what);
        }
    }

    void CheckChanges(const std::string& after) const
    {
        CHRONAVELL_CHECK(notices_ <= MaxChanges,
                         std::to_string(notices_) + " changes for one operation " + after);
    }

private:
    SilentReporter reporter_;
    ErrorGuard guard_{reporter_};
    ConversionPage page_{guard_};
    std::array<DigitField*, 6> fields_{};
    std::array<QString, 6> lastSeen_;
    int notices_ = 0;
};

// Reads the operation bytes; past the end every read gives 0.
class Reader
{
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}
    bool AtEnd() const { return at_ >= bytes_.size(); }
    unsigned char Byte() { return AtEnd() ? 0 : static_cast<unsigned char>(bytes_[at_++]); }
    // '0' to '9' read as 0 to 9, bytes below '0' as negative numbers.
    int Small() { return static_cast<signed char>(Byte() - '0'); }
    std::string_view Bytes(std::size_t count)
    {
        const std::string_view taken = bytes_.substr(std::min(at_, bytes_.size()), count);
        at_ += taken.size();
        return taken;
    }

private:
    std::string_view bytes_;
    std::size_t at_ = 0;
};

constexpr std::string_view Operations = "tTCuDBLRHEdblrheAScmspwWfg";

char OperationOf(unsigned char byte)
{
    const std::size_t known = Operations.find(static_cast<char>(byte));
    return known != std::string_view::npos ? Operations[known]
                                           : Operations[byte % Operations.size()];
}

// Digits of other scripts and other digit-like characters: the fields take ASCII digits only.
const std::array<char16_t, 5> ForeignDigits{u'\u0665', u'\u00B2', u'\uFF11', u'\u0967', u'\u2167'};

const std::array<QString, 36>& PreparedTexts()
{
    static const std::array<QString, 36> texts{
        QString(),
        QStringLiteral("-"),
        QStringLiteral("-5"),
        QStringLiteral("-0"),
        QStringLiteral("-00"),
        QStringLiteral(" -7 "),
        QStringLiteral("5-"),
        QStringLiteral("--5"),
        QStringLiteral("0"),
        QStringLiteral("5"),
        QStringLiteral("13"),
        QStringLiteral("00"),
        QStringLiteral("99"),
        QStringLiteral("123"),
        QStringLiteral("1234"),
        QStringLiteral("12345"),
        QStringLiteral("50000"),
        QStringLiteral("50001"),
        QStringLiteral("99999"),
        QStringLiteral("123456"),
        QStringLiteral(" "),
        QStringLiteral("  "),
        QStringLiteral("     "),
        QStringLiteral("1 5"),
        QStringLiteral("ab"),
        QStringLiteral("1a"),
        QString(QChar(u'\u0665')),
        QStringLiteral("+5"),
        QStringLiteral("$1F"),
        QStringLiteral("0x1"),
        QStringLiteral("\t5"),
        QStringLiteral("-2147483648"),
        QStringLiteral("2147483648"),
        QStringLiteral("1002"),
        QStringLiteral("-1000"),
        QStringLiteral("51"),
    };
    return texts;
}

// The key a character is typed with, as a keyboard would report it.
int KeyOf(char c)
{
    if (c >= '0' && c <= '9') {
        return Qt::Key_0 + (c - '0');
    }
    if (c >= 'a' && c <= 'z') {
        return Qt::Key_A + (c - 'a');
    }
    if (c >= 'A' && c <= 'Z') {
        return Qt::Key_A + (c - 'A');
    }
    switch (c) {
    case ' ':
        return Qt::Key_Space;
    case '-':
        return Qt::Key_Minus;
    case '+':
        return Qt::Key_Plus;
    case '\t':
        return Qt::Key_Tab;
    case '\r':
        return Qt::Key_Return;
    case '\x1B':
        return Qt::Key_Escape;
    default:
        return Qt::Key_unknown;
    }
}

void Press(DigitField& field, int key, Qt::KeyboardModifiers modifiers, const QString& text = {})
{
    QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(&field, &event);
}

void Click(DigitField& field, int x, Qt::MouseButton button)
{
    const QPointF local(x, FieldHeight / 2);
    QMouseEvent event(QEvent::MouseButtonPress, local, field.mapToGlobal(local), button, button,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&field, &event);
}

void FocusIn(DigitField& field, Qt::FocusReason reason)
{
    QFocusEvent event(QEvent::FocusIn, reason);
    QCoreApplication::sendEvent(&field, &event);
}

// What a written text must leave in the field, when the rules say it plainly. Texts with a
// minus sign other than a plain negative number are left to the field.
std::optional<QString> Written(const QString& text, const FieldRules& rules)
{
    if (text.contains(u'-')) {
        const bool negative = text.size() > 1 && text.front() == u'-' &&
                              AllAsciiDigits(text.mid(1)) && text.mid(1).toLongLong() != 0;
        return negative ? std::optional(rules.LowerText) : std::nullopt;
    }
    if (text.size() > rules.Positions) {
        return rules.UpperText;
    }
    QString positioned = QString(rules.Positions - text.size(), u' ') + text;
    for (QChar& c : positioned) {
        if (c < u'0' || c > u'9') {
            c = u' ';
        }
    }
    return Normalised(positioned, rules);
}

// A typed ASCII digit: a selection of several positions is cleared first (its handler runs),
// then the digit replaces the first selected position.
QString Typed(const QString& before, int start, int length, QChar digit, const FieldRules& rules)
{
    QString text = length > 1 ? Normalised(Cleared(before, start, length), rules) : before;
    text[start] = digit;
    return Normalised(text, rules);
}

std::string Describe(std::size_t index, char operation, std::size_t number)
{
    return std::string("after operation ") + std::to_string(number) + " ('" + operation + "' on " +
           FieldTable()[index].Name + ")";
}

// Runs one operation and returns what the model expects the field to read afterwards, if
// the operation's effect on the text is one the rules fix. `wholeRow` is set when the other
// fields of the row may change with it, `otherRow` when the fields of the other row may.
std::optional<QString> Perform(DigitField& field, const FieldRules& rules, char operation,
                               Reader& input, bool& wholeRow, bool& otherRow)
{
    const QString before = field.text();
    const int start = field.selectionStart();
    const int length = field.selectionLength();
    const int cursor = field.cursorPosition();
    const auto cleared = [&](int from, int count) {
        return Normalised(Cleared(before, from, count), rules);
    };

    switch (operation) {
    case 't':
    case 'T':
    case 'C': {
        const char c = static_cast<char>(input.Byte());
        const Qt::KeyboardModifiers modifiers = operation == 't'   ? Qt::NoModifier
                                                : operation == 'T' ? Qt::ShiftModifier
                                                                   : Qt::ControlModifier;
        Press(field, KeyOf(c), modifiers, QString(QChar::fromLatin1(c)));
        if (c >= '0' && c <= '9' && operation != 'C') {
            return Typed(before, start, length, QChar::fromLatin1(c), rules);
        }
        if (operation == 'C' && KeyOf(c) == Qt::Key_V) {
            wholeRow = true;
            return std::nullopt;
        }
        otherRow = KeyOf(c) == Qt::Key_Return;
        // Other characters are refused, and the other Control keys leave the text alone.
        return before;
    }
    case 'u':
        Press(field, Qt::Key_unknown, Qt::NoModifier,
              QString(QChar(ForeignDigits[input.Byte() % ForeignDigits.size()])));
        return before;
    case 'D':
    case 'd':
        Press(field, Qt::Key_Delete, operation == 'd' ? Qt::ShiftModifier : Qt::NoModifier);
        return cleared(start, length);
    case 'B':
    case 'b':
        Press(field, Qt::Key_Backspace, operation == 'b' ? Qt::ShiftModifier : Qt::NoModifier);
        if (length > 1) {
            return cleared(start, length);
        }
        return cursor > 0 ? cleared(cursor - 1, 1) : before;
    case 'L':
    case 'l':
        Press(field, Qt::Key_Left, operation == 'l' ? Qt::ShiftModifier : Qt::NoModifier);
        return before;
    case 'R':
    case 'r':
        Press(field, Qt::Key_Right, operation == 'r' ? Qt::ShiftModifier : Qt::NoModifier);
        return before;
    case 'H':
    case 'h':
        Press(field, Qt::Key_Home, operation == 'h' ? Qt::ShiftModifier : Qt::NoModifier);
        return before;
    case 'E':
    case 'e':
        Press(field, Qt::Key_End, operation == 'e' ? Qt::ShiftModifier : Qt::NoModifier);
        return before;
    case 'A':
        Press(field, Qt::Key_A, Qt::ControlModifier, QStringLiteral("\x01"));
        return before;
    case 'S':
        field.selectAll();
        return before;
    case 'c':
    case 'm':
        Click(field, input.Byte() - 16, operation == 'c' ? Qt::LeftButton : Qt::RightButton);
        return before;
    case 's': {
        const int from = input.Small();
        field.setSelection(from, input.Small());
        return before;
    }
    case 'p':
        field.setCursorPosition(input.Small());
        return before;
    case 'w': {
        const auto count =
            static_cast<std::size_t>(static_cast<unsigned char>(input.Byte() - '0') % 10);
        const std::string_view bytes = input.Bytes(count);
        const QString text =
            QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
        field.setText(text);
        return Written(text, rules);
    }
    case 'W': {
        const QString& text = PreparedTexts()[input.Byte() % PreparedTexts().size()];
        field.setText(text);
        return Written(text, rules);
    }
    case 'f':
        FocusIn(field, Qt::TabFocusReason);
        return before;
    case 'g':
        FocusIn(field, Qt::MouseFocusReason);
        return before;
    default:
        return std::nullopt;
    }
}

} // namespace
} // namespace chronavell::fuzz

// Qt's font database hands fontconfig objects to caches that live until the process ends,
// and the application object is never destroyed; the leak checker would blame whatever
// input ran last. Only fontconfig's own allocations are excused: a leak in the fields or in
// the handler is still a finding.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/)
{
    // No display is needed: the fields are never shown, and the offscreen platform keeps
    // the fuzzer independent of any desktop. libFuzzer's own arguments are no Qt options.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_digit_field";
    static char* argv[] = {name, nullptr};
    static QApplication* const application = new QApplication(argc, argv);
    static_cast<void>(application);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace chronavell;
    using namespace chronavell::fuzz;

    // Fresh fields and an empty clipboard for every input, so that a finding replays from its
    // input alone: what one input copies must not be pasted by the next.
    QGuiApplication::clipboard()->clear();
    Page page;
    for (std::size_t i = 0; i < FieldTable().size(); ++i) {
        page.StartOperation();
        page.Field(i).setText(QString::fromLatin1(FieldTable()[i].StartText));
        page.CheckChanges("at a start-up write");
    }
    page.CheckSettled("after the start-up writes");

    Reader input(std::string_view(reinterpret_cast<const char*>(data), size));
    for (std::size_t done = 0; done < MaxOperations && !input.AtEnd(); ++done) {
        const std::size_t index = input.Byte() % FieldTable().size();
        const char operation = OperationOf(input.Byte());
        const FieldRules& rules = FieldTable()[index];

        std::array<QString, 6> others;
        for (std::size_t i = 0; i < others.size(); ++i) {
            others[i] = page.Field(i).text();
        }
        page.StartOperation();
        bool wholeRow = false;
        bool otherRow = false;
        const std::optional<QString> expected =
            Perform(page.Field(index), rules, operation, input, wholeRow, otherRow);

        const std::string after = Describe(index, operation, done);
        page.CheckSettled(after);
        const QString text = page.Field(index).text();
        CHRONAVELL_CHECK(!expected || text == *expected,
                         std::string(rules.Name) + " reads '" + Std(text) + "', expected '" +
                             Std(expected.value_or(QString())) + "' " + after);
        // Fields 0 to 2 are the ordinary row, 3 to 5 the Imperial one.
        for (std::size_t i = 0; i < others.size(); ++i) {
            const bool sameRow = i / 3 == index / 3;
            CHRONAVELL_CHECK(i == index || (wholeRow && sameRow) || (otherRow && !sameRow) ||
                                 page.Field(i).text() == others[i],
                             std::string(FieldTable()[i].Name) + " changed " + after);
        }
    }
    return 0;
}
