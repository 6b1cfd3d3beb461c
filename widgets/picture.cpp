#include "widgets/picture.h"

#include <QPaintEvent>
#include <QPainter>

#include <exception>
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
    if (!make_) {
        return;
    }
    const std::function<QImage()> make = std::exchange(make_, nullptr);
    // Drawing is no place for an error to escape into the event loop: a picture built into the
    // program only fails to decode in a broken build, and then stays blank.
    try {
        image_ = make();
    } catch (const std::exception& error) {
        qWarning("%s", error.what());
    }
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
    {
        QPainter painter(&image_);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(to, source, from);
    }
    update(stretch_ ? rect() : to.intersected(image_.rect()));
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
