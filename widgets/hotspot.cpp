#include "widgets/hotspot.h"

namespace chronavell {

Hotspot::Hotspot(QWidget* parent) : QAbstractButton(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

void Hotspot::setHint(const QString& hint)
{
    setToolTip(hint);
    setAccessibleName(hint);
}

void Hotspot::paintEvent(QPaintEvent* /*event*/) {}

} // namespace chronavell
