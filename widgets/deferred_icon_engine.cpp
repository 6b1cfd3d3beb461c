#include "widgets/deferred_icon_engine.h"

#include "widgets/make_once.h"

#include <utility>

namespace chronavell {

DeferredIconEngine::DeferredIconEngine(std::function<QIcon()> make) : make_(std::move(make)) {}

const QIcon& DeferredIconEngine::icon()
{
    MakeOnce(make_, icon_);
    return icon_;
}

void DeferredIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                               QIcon::State state)
{
    icon().paint(painter, rect, Qt::AlignCenter, mode, state);
}

QPixmap DeferredIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    return icon().pixmap(size, mode, state);
}

QPixmap DeferredIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                                         qreal scale)
{
    return icon().pixmap(size, scale, mode, state);
}

QSize DeferredIconEngine::actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state)
{
    return icon().actualSize(size, mode, state);
}

QList<QSize> DeferredIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state)
{
    return icon().availableSizes(mode, state);
}

QIconEngine* DeferredIconEngine::clone() const
{
    auto* copy = new DeferredIconEngine(make_);
    copy->icon_ = icon_;
    return copy;
}

QString DeferredIconEngine::key() const
{
    return QStringLiteral("DeferredIconEngine");
}

} // namespace chronavell
