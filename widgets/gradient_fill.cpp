#include "widgets/gradient_fill.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

namespace chronavell {
namespace {

// The bands the painting is made of; the last one always lies below the control.
constexpr int BandCount = 65;

// The colour of band `band` on the way from `start` to `end`. The step rounds towards minus
// infinity (C++20 shifts negative values arithmetically), so a falling channel drops a
// little sooner than a rising one climbs: white to black gives 251, not 252, in band 1.
QColor BandColour(const QColor& start, const QColor& end, int band)
{
    const auto channel = [band](int from, int to) { return from + ((band * (to - from)) >> 6); };
    return {channel(start.red(), end.red()), channel(start.green(), end.green()),
            channel(start.blue(), end.blue())};
}

} // namespace

TGradientFill::TGradientFill(QWidget* parent) : QWidget(parent)
{
    // Every band is filled, so nothing needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    const int icon = style()->pixelMetric(QStyle::PM_LargeIconSize, nullptr, this);
    resize(icon, icon);
    if (parent != nullptr) {
        parent->installEventFilter(this);
        followParent();
        keepBeneathSiblings();
    }
}

void TGradientFill::setColor(const QColor& colour)
{
    if (color_ != colour) {
        color_ = colour;
        update();
    }
}

void TGradientFill::setColorFrom(const QColor& colour)
{
    if (colorFrom_ != colour) {
        colorFrom_ = colour;
        update();
    }
}

void TGradientFill::setFillDirection(TFillDirection direction)
{
    if (direction_ != direction) {
        direction_ = direction;
        update();
    }
}

bool TGradientFill::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::ParentAboutToChange:
        if (parentWidget() != nullptr) {
            parentWidget()->removeEventFilter(this);
        }
        break;
    case QEvent::ParentChange:
        if (parentWidget() != nullptr) {
            parentWidget()->installEventFilter(this);
        }
        [[fallthrough]];
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
        // Whoever places the control, it goes back over the whole parent.
        followParent();
        [[fallthrough]];
    case QEvent::ZOrderChange:
        // Raised above a sibling: it sinks to the bottom again.
        keepBeneathSiblings();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

bool TGradientFill::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        followParent();
    }
    return QWidget::eventFilter(watched, event);
}

void TGradientFill::followParent()
{
    if (parentWidget() != nullptr && geometry() != parentWidget()->rect()) {
        setGeometry(parentWidget()->rect());
    }
}

void TGradientFill::keepBeneathSiblings()
{
    if (parentWidget() == nullptr) {
        return;
    }
    // A parent's children are kept in stacking order, the bottom one first.
    for (QObject* sibling : parentWidget()->children()) {
        if (sibling->isWidgetType()) {
            if (sibling != this) {
                lower();
            }
            return;
        }
    }
}

void TGradientFill::paintEvent(QPaintEvent* /*event*/)
{
    const bool downwards = direction_ == TFillDirection::fdTopToBottom;
    const QColor& start = downwards ? colorFrom_ : color_;
    const QColor& end = downwards ? color_ : colorFrom_;
    // One band more than the divisor: 64 of these bands are always taller than the
    // control, so the last band, the only one in the pure end colour, is never seen.
    const int bandHeight = height() / 64 + 1;
    QPainter painter(this);
    for (int band = 0; band < BandCount; ++band) {
        painter.fillRect(0, band * bandHeight, width(), bandHeight, BandColour(start, end, band));
    }
}

} // namespace chronavell
