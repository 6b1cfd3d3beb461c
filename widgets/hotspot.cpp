#include "widgets/hotspot.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>

namespace chronavell {
namespace {

// A bare area has no text of its own: screen readers learn what it does from its hint.
class HotspotAccessible : public QAccessibleWidget
{
public:
    explicit HotspotAccessible(QWidget* area) : QAccessibleWidget(area, QAccessible::Link) {}

    QString text(QAccessible::Text type) const override
    {
        QString text = QAccessibleWidget::text(type);
        if (text.isEmpty() && (type == QAccessible::Name || type == QAccessible::Description)) {
            text = widget()->toolTip();
        }
        return text;
    }
};

QAccessibleInterface* HotspotAccessibleFactory(const QString& className, QObject* object)
{
    auto* area = qobject_cast<Hotspot*>(object);
    if (area != nullptr && className == QLatin1String(Hotspot::staticMetaObject.className())) {
        return new HotspotAccessible(area);
    }
    return nullptr;
}

} // namespace

Hotspot::Hotspot(QWidget* parent) : QWidget(parent)
{
    [[maybe_unused]] static const bool accessibleInstalled =
        (QAccessible::installFactory(&HotspotAccessibleFactory), true);
    setAttribute(Qt::WA_TranslucentBackground);
}

void Hotspot::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
}

void Hotspot::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) {
        emit clicked();
    }
}

} // namespace chronavell
