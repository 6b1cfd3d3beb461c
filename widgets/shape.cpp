#include "widgets/shape.h"

#include <QPainter>

#include <algorithm>

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
    if (kind_ == Kind::Circle) {
        // A pen of width w covers w pixels just inside the edge: inset the path by half the
        // width.
        const qreal inset = penWidth_ / 2.0;
        const QRectF outline = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
        painter.setPen(penWidth_ > 0 ? QPen(penColour_, penWidth_) : QPen(Qt::NoPen));
        painter.setBrush(fill_.isValid() ? QBrush(fill_) : QBrush(Qt::NoBrush));
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawEllipse(outline);
        return;
    }
    // A rectangle is filled in bands, pixel for pixel: a stroked outline of one pixel loses
    // its top-left corner pixel to the raster engine.
    const QRect whole = rect();
    const int width = std::min({penWidth_, whole.width() / 2, whole.height() / 2});
    const QRect inside = whole.adjusted(width, width, -width, -width);
    if (fill_.isValid()) {
        painter.fillRect(inside, fill_);
    }
    if (width > 0) {
        painter.fillRect(QRect(whole.left(), whole.top(), whole.width(), width), penColour_);
        painter.fillRect(QRect(whole.left(), inside.bottom() + 1, whole.width(), width),
                         penColour_);
        painter.fillRect(QRect(whole.left(), inside.top(), width, inside.height()), penColour_);
        painter.fillRect(QRect(inside.right() + 1, inside.top(), width, inside.height()),
                         penColour_);
    }
}

} // namespace chronavell
