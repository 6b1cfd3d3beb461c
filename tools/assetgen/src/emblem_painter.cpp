#include "emblem_painter.h"

#include "heraldry.h"
#include "paint_texture.h"
#include "prng.h"
#include "star_scatter.h"

#include <QPainter>

#include <numbers>

namespace {

// In the shown (stretched) frame. The date caption covers the top ~25 rows
// and the saying the bottom ~45, so the skull sits in the band between.
constexpr QPointF Centre(140.0, 56.0);
constexpr double SkullWidth = 38.0;
constexpr double SkullHeight = 44.0;
constexpr double WingRootOffset = 15.0;
constexpr double WingSpan = 72.0;
constexpr double WingRise = 36.0;
constexpr double WingDrop = 52.0;
constexpr int Feathers = 11;
constexpr double BossRadius = 27.0;
constexpr std::uint64_t Seed = 0xE3B1E3;

const Heraldry::Tones Steel{QColor(196, 198, 204), QColor(118, 120, 127), QColor(46, 47, 52),
                            QColor(10, 10, 12)};

} // namespace

void EmblemPainter::paintBackdrop(QPainter& p)
{
    p.fillRect(QRectF(0, 0, ShownSize.width(), ShownSize.height()), Qt::black);
    StarScatter::glow(p, Centre, 130, 60, QColor(60, 62, 70, 120));
}

void EmblemPainter::paintWings(QPainter& p)
{
    for (bool left : {true, false}) {
        Heraldry::WingShape w;
        w.Root = Centre + QPointF(left ? -WingRootOffset : WingRootOffset, -6);
        w.Span = WingSpan;
        w.Rise = WingRise;
        w.Drop = WingDrop;
        w.Feathers = Feathers;
        w.ToLeft = left;
        Heraldry::paintWing(p, w, Steel, 1.0);
    }
}

void EmblemPainter::paintDevice(QPainter& p)
{
    // A round boss with a studded rim carries the skull.
    p.setPen(QPen(Steel.Outline, 1.2));
    QRadialGradient boss(Centre - QPointF(8, 10), BossRadius * 1.4);
    boss.setColorAt(0.0, Steel.Mid);
    boss.setColorAt(1.0, Steel.Dark);
    p.setBrush(boss);
    p.drawEllipse(Centre, BossRadius, BossRadius);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Steel.Light, 0.8));
    p.drawEllipse(Centre, BossRadius - 3, BossRadius - 3);
    constexpr int studs = 16;
    for (int i = 0; i < studs; ++i) {
        const double a = 2 * std::numbers::pi * i / studs;
        const QPointF at = Centre + QPointF(std::cos(a), std::sin(a)) * (BossRadius - 1.5);
        p.setPen(QPen(Steel.Outline, 0.6));
        p.setBrush(Steel.Light);
        p.drawEllipse(at, 1.3, 1.3);
    }

    const QRectF box(Centre.x() - SkullWidth / 2, Centre.y() - SkullHeight / 2 + 1, SkullWidth,
                     SkullHeight);
    Heraldry::paintSkull(p, Heraldry::skull(box), Steel, 1.2);
}

QImage EmblemPainter::render()
{
    QImage image(Size, QImage::Format_RGB32);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(double(Size.width()) / ShownSize.width(),
                double(Size.height()) / ShownSize.height());
        paintBackdrop(p);
        paintWings(p);
        paintDevice(p);
    }
    Prng prng(Seed);
    PaintTexture::grain(image, prng, 3);
    return image;
}
