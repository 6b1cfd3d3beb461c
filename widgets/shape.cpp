#include "widgets/shape.h"

#include <QPainter>

namespace chronavell {

Shape::Shape(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void Shape::setKind(Kind kind)
{
    if (kind_ != kind) {
        kind_ = kind;
        update();
    }
}

void Shape::setPen(const QColor& colour, int width)
{
    if (penColour_ != colour || penWidth_ != width) {
        penColour_ = colour;
        penWidth_ = width;
        update();
    }
}

void Shape::setFill(const QColor& colour)
{
    if (fill_ != colour) {
        fill_ = colour;
        update();
    }
}

void Shape::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    // A pen of width w covers w pixels just inside the edge, as a square-ended outline does
    // on a pixel grid: inset the path by half the width.
    const qreal inset = penWidth_ / 2.0;
    const QRectF outline = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    QPen pen(penColour_, penWidth_);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(penWidth_ > 0 ? pen : QPen(Qt::NoPen));
    painter.setBrush(fill_.isValid() ? QBrush(fill_) : QBrush(Qt::NoBrush));
    if (kind_ == Kind::Circle) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawEllipse(outline);
    } else {
        painter.drawRect(outline);
    }
}

} // namespace chronavell
