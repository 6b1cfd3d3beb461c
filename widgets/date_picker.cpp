#include "widgets/date_picker.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QToolButton>

namespace chronavell {

DatePicker::DatePicker(QWidget* parent) : QDateEdit(parent)
{
    setCalendarPopup(true);
    // The text part is an edit of its own, with the text cursor of an edit.
    lineEdit()->setCursor(Qt::PointingHandCursor);
}

void DatePicker::prepareCalendar()
{
    // Made when first needed: a calendar at start would cost for nothing.
    if (calendarPrepared_) {
        return;
    }
    calendarPrepared_ = true;
    QCalendarWidget* calendar = calendarWidget();
    // Every role set, or the calendar would go on taking the box's colours from it.
    QPalette desktop = QApplication::palette();
    desktop.setResolveMask(~QPalette::ResolveMask(0));
    calendar->setPalette(desktop);

    // The calendar's keys reach its grid of days, which takes the focus for it.
    if (calendar->focusProxy() != nullptr) {
        calendar->focusProxy()->installEventFilter(this);
    }
    // The way back to today sits in the calendar's title bar, beside the month it leaves.
    auto* bar = calendar->findChild<QWidget*>(QStringLiteral("qt_calendar_navigationbar"));
    auto* row = bar != nullptr ? qobject_cast<QBoxLayout*>(bar->layout()) : nullptr;
    if (row != nullptr) {
        auto* today = new QToolButton(bar);
        today->setObjectName(QStringLiteral("TodayButton"));
        today->setText(QStringLiteral("Today"));
        today->setAutoRaise(true);
        today->setToolTip(QStringLiteral("Back to today (Home)"));
        // The calendar's own buttons take no focus either: its grid keeps the keys.
        today->setFocusPolicy(Qt::NoFocus);
        row->insertWidget(row->count() - 1, today);
        connect(today, &QToolButton::clicked, this, [this, calendar] {
            emit todayRequested();
            calendar->window()->hide();
        });
    }
}

QPoint DatePicker::arrowCentre() const
{
    QStyleOptionComboBox option;
    option.initFrom(this);
    option.editable = true;
    option.subControls = QStyle::SC_All;
    return style()
        ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this)
        .center();
}

// The date edit opens its calendar only for a press on its arrow, and places it there.
void DatePicker::showCalendar()
{
    const QPoint arrow = arrowCentre();
    QMouseEvent press(QEvent::MouseButtonPress, arrow, mapToGlobal(arrow), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    mousePressEvent(&press);
}

void DatePicker::mousePressEvent(QMouseEvent* event)
{
    prepareCalendar();
    QDateEdit::mousePressEvent(event);
}

// The text claims Copy for itself even with nothing selected, and then copies nothing.
bool DatePicker::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) &&
        !lineEdit()->hasSelectedText()) {
        event->ignore();
        return false;
    }
    return QDateEdit::event(event);
}

void DatePicker::keyPressEvent(QKeyEvent* event)
{
    const bool altDown = event->key() == Qt::Key_Down && event->modifiers() == Qt::AltModifier;
    if (altDown || (event->key() == Qt::Key_F4 && event->modifiers() == Qt::NoModifier)) {
        showCalendar();
        return;
    }
    if (event->key() == Qt::Key_Home && event->modifiers() == Qt::ControlModifier) {
        emit todayRequested();
        return;
    }
    QDateEdit::keyPressEvent(event);
}

// Home in the calendar goes to today, as the calendar's arrows go to other days: the calendar
// stays open.
bool DatePicker::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Home && key->modifiers() == Qt::NoModifier) {
            emit todayRequested();
            calendarWidget()->setSelectedDate(date());
            return true;
        }
    }
    return QDateEdit::eventFilter(watched, event);
}

// Qt's own menu of a date edit, then the owner's actions.
void DatePicker::contextMenuEvent(QContextMenuEvent* event)
{
    const QPointer<QMenu> menu = lineEdit()->createStandardContextMenu();
    menu->addSeparator();
    const StepEnabled enabled = stepEnabled();
    QAction* up = menu->addAction(QCoreApplication::translate("QAbstractSpinBox", "&Step up"));
    up->setEnabled(enabled.testFlag(StepUpEnabled));
    QAction* down = menu->addAction(QCoreApplication::translate("QAbstractSpinBox", "Step &down"));
    down->setEnabled(enabled.testFlag(StepDownEnabled));
    if (!actions().isEmpty()) {
        menu->addSeparator();
        menu->addActions(actions());
    }
    const QPointer<DatePicker> self = this;
    const QAction* chosen = menu->exec(event->globalPos());
    delete menu.data();
    if (self != nullptr && chosen == up) {
        stepBy(1);
    } else if (self != nullptr && chosen == down) {
        stepBy(-1);
    }
    event->accept();
}

} // namespace chronavell
