#include "warriors_painter.h"

#include "armoured_figure.h"
#include "heraldry.h"
#include "paint_texture.h"
#include "prng.h"
#include "star_scatter.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

constexpr std::uint64_t Seed = 0x5A11E7;
constexpr QPointF Blaze(120.0, 104.0); // the fire behind the group
constexpr double Horizon = 136.0;
constexpr double GroundTop = 150.0;
constexpr double BannerWidth = 30.0;
constexpr double BannerLength = 46.0;
constexpr int BannerTatters = 5;

const QColor Armour(28, 17, 12);
const QColor ArmourLow(12, 8, 6);
const QColor Rim(255, 176, 86);
const QColor Eye(255, 48, 24);

QPointF Towards(QPointF from, QPointF to)
{
    const QPointF d = to - from;
    const double len = std::hypot(d.x(), d.y());
    return len > 0 ? d / len : QPointF(0, -1);
}

ArmouredFigure::Lighting HeroLighting(QPointF feet, double height)
{
    const QPointF chest = feet - QPointF(0, height * 0.6);
    return {Armour, ArmourLow, Rim, Towards(chest, Blaze), Eye};
}

} // namespace

void WarriorsPainter::paintSky(QPainter& p, Prng& prng)
{
    QLinearGradient sky(0, 0, 0, Size.height());
    sky.setColorAt(0.00, QColor(52, 22, 12));
    sky.setColorAt(0.28, QColor(140, 60, 22));
    sky.setColorAt(0.55, QColor(226, 122, 42));
    sky.setColorAt(0.72, QColor(250, 178, 82));
    sky.setColorAt(1.00, QColor(120, 46, 16));
    p.fillRect(QRect(QPoint(0, 0), Size), sky);

    // Banks of smoke: dark drifts above, fire-lit billows lower down.
    StarScatter::cloud(p, prng,
                       {QRectF(0, -10, Size.width(), 90), 60, 14, 40, QColor(20, 10, 8, 120),
                        QColor(70, 30, 14, 90), 0.55});
    StarScatter::cloud(p, prng,
                       {QRectF(10, 60, Size.width() - 20, 60), 40, 10, 30, QColor(255, 150, 60, 70),
                        QColor(120, 50, 20, 90), 0.5});
    StarScatter::glow(p, Blaze, 100, 64, QColor(255, 214, 130, 200), 0.1);
    StarScatter::glow(p, Blaze + QPointF(0, 6), 40, 22, QColor(255, 245, 200, 220), 0.2);
}

void WarriorsPainter::paintSkyline(QPainter& p, Prng& prng)
{
    // Ruined hive towers on the horizon, hazy with distance.
    QPainterPath ruins;
    ruins.moveTo(0, GroundTop);
    double x = 0;
    while (x < Size.width()) {
        const double w = prng.range(6, 16);
        const double h = prng.range(6, 26);
        ruins.lineTo(x, Horizon - h);
        if (prng.chance(0.35)) {
            ruins.lineTo(x + w / 2, Horizon - h - prng.range(6, 14)); // spire
        } else if (prng.chance(0.5)) {
            ruins.lineTo(x + w * 0.3, Horizon - h + prng.range(3, 8)); // broken top
        }
        ruins.lineTo(x + w, Horizon - h);
        x += w;
        ruins.lineTo(x, Horizon - prng.range(0, 6));
    }
    ruins.lineTo(Size.width(), GroundTop);
    ruins.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 52, 24, 200));
    p.drawPath(ruins);
}

void WarriorsPainter::paintDistantRanks(QPainter& p)
{
    struct Rank
    {
        QPointF Feet;
        double Height = 0;
        bool Left = false;
        ArmouredFigure::Pose Pose = ArmouredFigure::Pose::Rifle;
    };
    const Rank ranks[] = {
        {{44, 152}, 36, false, ArmouredFigure::Pose::Rifle},
        {{76, 150}, 40, false, ArmouredFigure::Pose::Banner},
        {{150, 151}, 38, true, ArmouredFigure::Pose::Rifle},
        {{184, 152}, 42, true, ArmouredFigure::Pose::Rifle},
        {{196, 153}, 34, true, ArmouredFigure::Pose::Banner},
    };
    const ArmouredFigure::Lighting haze{QColor(92, 38, 18), QColor(70, 28, 14),
                                        QColor(200, 100, 40), QPointF(0, -1), QColor(0, 0, 0, 0)};
    for (const Rank& r : ranks) {
        ArmouredFigure::Placement placement{r.Feet, r.Height, r.Left, r.Pose, 0.2};
        ArmouredFigure::Lighting light = haze;
        light.TowardsLight = Towards(r.Feet, Blaze);
        ArmouredFigure::paint(p, placement, light);
        if (r.Pose == ArmouredFigure::Pose::Banner) {
            p.setOpacity(0.55);
            paintBanner(p, ArmouredFigure::raisedTip(placement), r.Left);
            p.setOpacity(1.0);
        }
    }
}

void WarriorsPainter::paintGround(QPainter& p)
{
    QPainterPath mound;
    mound.moveTo(0, Size.height());
    mound.lineTo(0, 158);
    mound.cubicTo(40, 152, 70, 156, 100, 157);
    mound.cubicTo(130, 158, 170, 152, Size.width(), 156);
    mound.lineTo(Size.width(), Size.height());
    mound.closeSubpath();
    QLinearGradient g(0, 158, 0, Size.height());
    g.setColorAt(0, QColor(46, 22, 12));
    g.setColorAt(1, QColor(12, 6, 4));
    p.setPen(QPen(QColor(160, 80, 30), 0.8));
    p.setBrush(g);
    p.drawPath(mound);
}

void WarriorsPainter::paintBanner(QPainter& p, QPointF poleTop, bool hangLeft)
{
    // Cloth hangs from a cross-bar below the finial, frayed at the bottom.
    const double dir = hangLeft ? -1.0 : 1.0;
    const QPointF bar = poleTop + QPointF(0, 8);
    QPainterPath cloth;
    cloth.moveTo(bar);
    cloth.lineTo(bar + QPointF(dir * BannerWidth, 0));
    cloth.cubicTo(bar + QPointF(dir * (BannerWidth + 3), BannerLength * 0.4),
                  bar + QPointF(dir * (BannerWidth - 3), BannerLength * 0.7),
                  bar + QPointF(dir * BannerWidth, BannerLength));
    for (int i = BannerTatters; i > 0; --i) {
        const double x = BannerWidth * (i - 0.5) / BannerTatters;
        const double depth = (i % 2 == 0) ? 10 : 5;
        cloth.lineTo(bar + QPointF(dir * x, BannerLength - depth));
        cloth.lineTo(bar + QPointF(dir * BannerWidth * (i - 1) / BannerTatters,
                                   BannerLength + (i == 1 ? 4 : 0)));
    }
    cloth.closeSubpath();

    QLinearGradient red(bar, bar + QPointF(dir * BannerWidth, BannerLength));
    red.setColorAt(0.0, QColor(150, 24, 16));
    red.setColorAt(1.0, QColor(60, 8, 6));
    p.setPen(QPen(QColor(230, 150, 70), 0.9));
    p.setBrush(red);
    p.drawPath(cloth);
    p.setPen(QPen(QColor(20, 10, 6), 1.6));
    p.drawLine(bar - QPointF(dir * 2, 0), bar + QPointF(dir * (BannerWidth + 2), 0));

    const double skullW = BannerWidth * 0.42;
    const QRectF box(bar.x() + dir * BannerWidth / 2 - skullW / 2, bar.y() + 9, skullW,
                     skullW * 1.15);
    const Heraldry::Tones bone{QColor(236, 214, 170), QColor(190, 160, 120), QColor(110, 80, 56),
                               QColor(40, 10, 6)};
    Heraldry::paintSkull(p, Heraldry::skull(box), bone, 0.6);
}

void WarriorsPainter::paintHeroes(QPainter& p)
{
    // Spaced so that each outline stands clear against the blaze.
    const ArmouredFigure::Placement blade{
        {64, 163}, 70, false, ArmouredFigure::Pose::BladeRaised, 0.6};
    const ArmouredFigure::Placement bearer{
        {116, 166}, 84, false, ArmouredFigure::Pose::Banner, 0.2};
    const ArmouredFigure::Placement rifle{{172, 164}, 74, true, ArmouredFigure::Pose::Rifle, 0.5};

    paintBanner(p, ArmouredFigure::raisedTip(bearer), false);
    for (const auto& placement : {blade, rifle, bearer}) {
        ArmouredFigure::paint(p, placement, HeroLighting(placement.Feet, placement.Height));
    }
}

void WarriorsPainter::paintEmbers(QPainter& p, Prng& prng)
{
    constexpr int embers = 70;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < embers; ++i) {
        const QPointF at(prng.range(ShownPart.left(), Size.width()),
                         prng.range(ShownPart.top(), GroundTop));
        const double r = prng.range(0.4, 1.1);
        StarScatter::glow(p, at, r * 3, r * 3, QColor(255, 170, 60, 90));
        p.setBrush(QColor(255, 230, 150, 220));
        p.drawEllipse(at, r * 0.6, r * 0.6);
    }
}

QImage WarriorsPainter::render()
{
    QImage image(Size, QImage::Format_RGB32);
    Prng prng(Seed);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        paintSky(p, prng);
        paintSkyline(p, prng);
        paintDistantRanks(p);
        paintGround(p);
        paintEmbers(p, prng);
        paintHeroes(p);
    }
    PaintTexture::brushStrokes(image, prng, {2600, 5.0, 1.8, 0.35, -60.0, 40.0, 8});
    PaintTexture::vignette(image, 0.35);
    PaintTexture::grain(image, prng, 4);
    return image;
}
