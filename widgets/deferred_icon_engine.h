#pragma once

#include <QIcon>
#include <QIconEngine>

#include <functional>

namespace chronavell {

// An icon that is made only when it is first drawn or measured: the buttons of pages not on
// show at start decode nothing until they are.
class DeferredIconEngine : public QIconEngine
{
public:
    explicit DeferredIconEngine(std::function<QIcon()> make);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    QString key() const override;

private:
    const QIcon& icon();

    std::function<QIcon()> make_;
    QIcon icon_;
};

} // namespace chronavell
