#include "widgets/hotspot.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace chronavell {

Hotspot::Hotspot(QWidget* parent) : QAbstractButton(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    // Reached with Tab, never focused by a click: the mouse sees no frame.
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
}

void Hotspot::paintEvent(QPaintEvent* /*event*/)
{
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    // The frame shows only for focus the keyboard brought.
    if (hasFocus() && frame.state.testFlag(QStyle::State_KeyboardFocusChange)) {
        QPainter painter(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
    }
}

void Hotspot::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

// The press and release before it made the click already.
void Hotspot::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
}

} // namespace chronavell
