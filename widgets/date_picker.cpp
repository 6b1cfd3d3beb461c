#include "widgets/date_picker.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>

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
    if (!calendarPrepared_) {
        calendarPrepared_ = true;
        // Every role set, or the calendar would go on taking the box's colours from it.
        QPalette desktop = QApplication::palette();
        desktop.setResolveMask(~QPalette::ResolveMask(0));
        calendarWidget()->setPalette(desktop);
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

void DatePicker::keyPressEvent(QKeyEvent* event)
{
    const bool altDown = event->key() == Qt::Key_Down && event->modifiers() == Qt::AltModifier;
    if (altDown || (event->key() == Qt::Key_F4 && event->modifiers() == Qt::NoModifier)) {
        showCalendar();
        return;
    }
    QDateEdit::keyPressEvent(event);
}

} // namespace chronavell
