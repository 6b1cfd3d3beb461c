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
constexpr QPointF kCentre(140.0, 56.0);
constexpr double kSkullWidth = 38.0;
constexpr double kSkullHeight = 44.0;
constexpr double kWingRootOffset = 15.0;
constexpr double kWingSpan = 72.0;
constexpr double kWingRise = 36.0;
constexpr double kWingDrop = 52.0;
constexpr int kFeathers = 11;
constexpr double kBossRadius = 27.0;
constexpr std::uint64_t kSeed = 0xE3B1E3;

const Heraldry::Tones kSteel{QColor(196, 198, 204), QColor(118, 120, 127), QColor(46, 47, 52),
                             QColor(10, 10, 12)};

} // namespace

void EmblemPainter::paintBackdrop(QPainter& p)
{
    p.fillRect(QRectF(0, 0, shownSize.width(), shownSize.height()), Qt::black);
    StarScatter::glow(p, kCentre, 130, 60, QColor(60, 62, 70, 120));
}

void EmblemPainter::paintWings(QPainter& p)
{
    for (bool left : {true, false}) {
        Heraldry::WingShape w;
        w.root = kCentre + QPointF(left ? -kWingRootOffset : kWingRootOffset, -6);
        w.span = kWingSpan;
        w.rise = kWingRise;
        w.drop = kWingDrop;
        w.feathers = kFeathers;
        w.toLeft = left;
        Heraldry::paintWing(p, w, kSteel, 1.0);
    }
}

void EmblemPainter::paintDevice(QPainter& p)
{
    // A round boss with a studded rim carries the skull.
    p.setPen(QPen(kSteel.outline, 1.2));
    QRadialGradient boss(kCentre - QPointF(8, 10), kBossRadius * 1.4);
    boss.setColorAt(0.0, kSteel.mid);
    boss.setColorAt(1.0, kSteel.dark);
    p.setBrush(boss);
    p.drawEllipse(kCentre, kBossRadius, kBossRadius);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kSteel.light, 0.8));
    p.drawEllipse(kCentre, kBossRadius - 3, kBossRadius - 3);
    constexpr int kStuds = 16;
    for (int i = 0; i < kStuds; ++i) {
        const double a = 2 * std::numbers::pi * i / kStuds;
        const QPointF at = kCentre + QPointF(std::cos(a), std::sin(a)) * (kBossRadius - 1.5);
        p.setPen(QPen(kSteel.outline, 0.6));
        p.setBrush(kSteel.light);
        p.drawEllipse(at, 1.3, 1.3);
    }

    const QRectF box(kCentre.x() - kSkullWidth / 2, kCentre.y() - kSkullHeight / 2 + 1, kSkullWidth,
                     kSkullHeight);
    Heraldry::paintSkull(p, Heraldry::skull(box), kSteel, 1.2);
}

QImage EmblemPainter::render()
{
    QImage image(size, QImage::Format_RGB32);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(double(size.width()) / shownSize.width(),
                double(size.height()) / shownSize.height());
        paintBackdrop(p);
        paintWings(p);
        paintDevice(p);
    }
    Prng prng(kSeed);
    PaintTexture::grain(image, prng, 3);
    return image;
}
