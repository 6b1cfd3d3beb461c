#include "widgets/digit_field.h"

#include "widgets/digit_field_accessible.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>
#include <utility>

namespace chronavell {

namespace {

// Only the ASCII digits: QChar::isDigit would also let in the digits of other scripts,
// which the field handlers could not read as a number.
bool IsAsciiDigit(QChar character)
{
    return character >= u'0' && character <= u'9';
}

// The writers hand over decimal numbers, so a leading minus sign before digits is the one
// way a written text can lie below every field's range, minus zero included.
bool IsNegativeNumber(const QString& text)
{
    const QString number = text.trimmed();
    return number.size() > 1 && number.front() == u'-' &&
           std::all_of(number.begin() + 1, number.end(), IsAsciiDigit);
}

// Precondition: text is no longer than the row.
QString Positioned(const QString& text, int positions)
{
    QString content = QString(positions - text.size(), u' ') + text;
    std::replace_if(
        content.begin(), content.end(), [](QChar c) { return !IsAsciiDigit(c); }, u' ');
    return content;
}

// Asterisks and any unusual digit shapes must stay inside their cell, so a cell is as wide
// as the widest of the characters the field can show.
int WidestCharacter(const QFontMetrics& metrics)
{
    int widest = 1;
    for (const QChar character : QStringLiteral("0123456789*")) {
        widest = std::max(widest, metrics.horizontalAdvance(character));
    }
    return widest;
}

// One pixel between the frame and the text on either side keeps a highlighted end cell
// from merging with the frame.
constexpr int TextMargin = 1;

QAccessibleInterface* DigitFieldAccessibleFactory(const QString& className, QObject* object)
{
    auto* const field = qobject_cast<DigitField*>(object);
    if (field != nullptr && className == QLatin1String(DigitField::staticMetaObject.className())) {
        return new DigitFieldAccessible(field);
    }
    return nullptr;
}

} // namespace

QString BlanksToZeros(QString text)
{
    text.replace(u' ', u'0');
    return text;
}

DigitField::DigitField(int positions, const QString& lowerBoundText, const QString& upperBoundText,
                       QWidget* parent)
    : QWidget(parent), positions_(std::max(positions, 1)), content_(positions_, u' ')
{
    Q_ASSERT(positions >= 1);
    Q_ASSERT(lowerBoundText.size() <= positions_ && upperBoundText.size() <= positions_);
    lowerBoundText_ = Positioned(lowerBoundText.right(positions_), positions_);
    upperBoundText_ = Positioned(upperBoundText.right(positions_), positions_);

    [[maybe_unused]] static const bool accessibleInstalled =
        (QAccessible::installFactory(&DigitFieldAccessibleFactory), true);

    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::IBeamCursor);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

void DigitField::setText(const QString& text)
{
    if (IsNegativeNumber(text)) {
        replaceContent(lowerBoundText_);
    } else if (text.size() > positions_) {
        replaceContent(upperBoundText_);
    } else {
        replaceContent(Positioned(text, positions_));
    }
}

QString DigitField::displayText() const
{
    QString shown = content_;
    shown.replace(u' ', u'*');
    return shown;
}

void DigitField::setCursorPosition(int position)
{
    placeCursor(position, position);
}

void DigitField::setSelection(int start, int length)
{
    placeCursor(start, start + std::max(length, 1) - 1);
}

void DigitField::selectAll()
{
    placeCursor(0, positions_ - 1);
}

QRect DigitField::positionRect(int position) const
{
    const QRect inside = rect().adjusted(frameWidth(), frameWidth(), -frameWidth(), -frameWidth());
    const int cell = cellWidth();
    const int left = inside.left() + (inside.width() - positions_ * cell) / 2;
    return {left + clamped(position) * cell, inside.top(), cell, inside.height()};
}

int DigitField::positionAt(const QPoint& point) const
{
    const int left = positionRect(0).left();
    return point.x() < left ? 0 : clamped((point.x() - left) / cellWidth());
}

QSize DigitField::sizeHint() const
{
    const int border = frameWidth() + TextMargin;
    return {positions_ * WidestCharacter(fontMetrics()) + 2 * border,
            fontMetrics().height() + 2 * border};
}

void DigitField::focusInEvent(QFocusEvent* event)
{
    // Coming in from the keyboard the user means to retype the value: the first digit
    // clears the whole row and lands on its first position.
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
        reason == Qt::ShortcutFocusReason) {
        selectAll();
    }
    QWidget::focusInEvent(event);
}

void DigitField::keyPressEvent(QKeyEvent* event)
{
    const bool extend = event->modifiers().testFlag(Qt::ShiftModifier);
    switch (event->key()) {
    case Qt::Key_Left:
        placeCursor(extend ? anchor_ : cursor_ - 1, cursor_ - 1);
        return;
    case Qt::Key_Right:
        placeCursor(extend ? anchor_ : cursor_ + 1, cursor_ + 1);
        return;
    case Qt::Key_Home:
        placeCursor(extend ? anchor_ : 0, 0);
        return;
    case Qt::Key_End:
        placeCursor(extend ? anchor_ : positions_ - 1, positions_ - 1);
        return;
    case Qt::Key_Delete:
        clearPositions(selectionStart(), selectionLength());
        return;
    case Qt::Key_Backspace:
        // Over a selection Backspace clears it like Delete, as in any edit box.
        if (selectionLength() > 1) {
            clearPositions(selectionStart(), selectionLength());
        } else if (cursor_ > 0) {
            clearPositions(cursor_ - 1, 1);
        }
        return;
    default:
        break;
    }
    if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit enterPressed();
        return;
    }
    if (event->matches(QKeySequence::Copy)) {
        emit copyRequested();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        emit pasteRequested();
        return;
    }

    // Keys held with a command modifier belong to shortcuts, not to the text.
    const bool command =
        (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
    const QString typed = event->text();
    if (!command && typed.size() == 1 && typed.front().isPrint()) {
        if (IsAsciiDigit(typed.front())) {
            typeDigit(typed.front());
        } else {
            QApplication::beep();
        }
        return;
    }
    // Escape and the like go on to the page or dialog.
    QWidget::keyPressEvent(event);
}

void DigitField::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    setCursorPosition(positionAt(event->position().toPoint()));
}

void DigitField::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.lineWidth = frameWidth();
    frame.midLineWidth = 0;
    frame.state |= QStyle::State_Sunken;
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &frame, &painter, this);

    const QPalette::ColorGroup group = !isEnabled()       ? QPalette::Disabled
                                       : isActiveWindow() ? QPalette::Active
                                                          : QPalette::Inactive;
    // The block cursor and the selection only show while keys would reach them.
    const bool showCursor = hasFocus();
    const QString shown = displayText();
    for (int position = 0; position < positions_; ++position) {
        const QRect cell = positionRect(position);
        const bool highlighted = showCursor && position >= selectionStart() &&
                                 position < selectionStart() + selectionLength();
        if (highlighted) {
            painter.fillRect(cell, palette().brush(group, QPalette::Highlight));
        }
        painter.setPen(
            palette().color(group, highlighted ? QPalette::HighlightedText : QPalette::Text));
        painter.drawText(cell, Qt::AlignCenter, shown.mid(position, 1));
    }
}

int DigitField::frameWidth() const
{
    QStyleOptionFrame frame;
    frame.initFrom(this);
    return style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, this);
}

// Cells keep the width of the widest character while the row fits, so clicks land where
// the digits are drawn; in a field narrower than that they share the space evenly.
int DigitField::cellWidth() const
{
    const int inside = width() - 2 * (frameWidth() + TextMargin);
    return std::max(1, std::min(WidestCharacter(fontMetrics()), inside / positions_));
}

void DigitField::placeCursor(int anchor, int cursor)
{
    anchor = clamped(anchor);
    cursor = clamped(cursor);
    if (anchor == anchor_ && cursor == cursor_) {
        return;
    }
    anchor_ = anchor;
    cursor_ = cursor;
    update();
    QAccessibleTextCursorEvent moved(this, cursor_);
    QAccessible::updateAccessibility(&moved);
}

void DigitField::typeDigit(QChar digit)
{
    const int first = selectionStart();
    if (selectionLength() > 1) {
        // The handler run by the clearing may do anything to the field, even delete it.
        const QPointer<DigitField> alive(this);
        clearPositions(first, selectionLength());
        if (alive.isNull()) {
            return;
        }
    }
    // The digit goes into whatever the clearing's handler left in the row.
    QString content = content_;
    content[first] = digit;
    setCursorPosition(first + 1);
    replaceContent(content);
}

void DigitField::clearPositions(int start, int length)
{
    QString content = content_;
    content.replace(start, length, QString(length, u' '));
    setCursorPosition(start);
    replaceContent(content);
}

// Every state change is made before changed() is emitted and nothing is touched after it:
// a handler writing into the field re-enters here and must find the field consistent, and
// whatever it leaves is final.
void DigitField::replaceContent(const QString& content)
{
    if (content == content_) {
        return;
    }
    const QString previous = std::exchange(content_, content);
    update();
    QAccessibleTextUpdateEvent updated(this, 0, previous, content_);
    QAccessible::updateAccessibility(&updated);
    emit changed();
}

} // namespace chronavell
