#include "widgets/picture.h"

#include <QPaintEvent>
#include <QPainter>

namespace chronavell {

Picture::Picture(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void Picture::setImage(const QImage& image)
{
    image_ = image;
    update();
}

void Picture::setStretch(bool on)
{
    if (stretch_ != on) {
        stretch_ = on;
        update();
    }
}

void Picture::paintEvent(QPaintEvent* event)
{
    if (image_.isNull()) {
        return;
    }
    QPainter painter(this);
    if (stretch_) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), image_);
    } else {
        // Only the damaged part is copied: a repaint of a small region stays small.
        painter.drawImage(event->rect(), image_, event->rect());
    }
}

} // namespace chronavell
