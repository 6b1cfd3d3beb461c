#include "widgets/picture.h"

#include "widgets/make_once.h"

#include <QPaintEvent>
#include <QPainter>

#include <cstring>
#include <utility>

namespace chronavell {

Picture::Picture(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void Picture::setImage(const QImage& image)
{
    make_ = nullptr;
    image_ = image;
    update();
}

void Picture::setDeferredImage(std::function<QImage()> make)
{
    make_ = std::move(make);
    image_ = QImage();
    update();
}

const QImage& Picture::image() const
{
    makeDeferred();
    return image_;
}

void Picture::makeDeferred() const
{
    MakeOnce(make_, image_);
}

void Picture::setStretch(bool on)
{
    if (stretch_ != on) {
        stretch_ = on;
        update();
    }
}

void Picture::paste(const QImage& source, const QRect& from, const QRect& to)
{
    makeDeferred();
    const QRect target = to.intersected(image_.rect());
    const bool oneToOne = from.size() == to.size() && target == to &&
                          source.rect().contains(from) && source.format() == image_.format() &&
                          source.depth() == 32;
    if (oneToOne) {
        // Row by row into the bitmap already held: no painter, no allocation.
        const auto rowBytes = static_cast<std::size_t>(from.width()) * 4;
        for (int row = 0; row < from.height(); ++row) {
            const uchar* in = source.constScanLine(from.top() + row) + from.left() * 4;
            uchar* out = image_.scanLine(to.top() + row) + to.left() * 4;
            std::memcpy(out, in, rowBytes);
        }
    } else {
        QPainter painter(&image_);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(to, source, from);
    }
    update(stretch_ ? rect() : target);
}

void Picture::paintEvent(QPaintEvent* event)
{
    makeDeferred();
    if (image_.isNull()) {
        return;
    }
    QPainter painter(this);
    // On a screen of more than one device pixel per logical pixel every picture is scaled.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (stretch_) {
        painter.drawImage(rect(), image_);
    } else {
        // Only the damaged part is copied: a repaint of a small region stays small.
        painter.drawImage(event->rect(), image_, event->rect());
    }
}

} // namespace chronavell
