#include "battle_strip_painter.h"

#include "armoured_figure.h"
#include "paint_texture.h"
#include "prng.h"
#include "star_scatter.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

constexpr std::uint64_t Seed = 0xBA77AE;
constexpr double Horizon = 21.0;
constexpr double Ground = 25.0;

struct Blast
{
    QPointF At;
    double Scale = 1.0;
};
constexpr Blast Blasts[] = {
    {{48, 18}, 0.7}, {{132, 17}, 1.0}, {{214, 19}, 0.8}, {{290, 16}, 1.1}, {{376, 18}, 0.75}};

} // namespace

void BattleStripPainter::paintSky(QPainter& p)
{
    QLinearGradient sky(0, 0, 0, Size.height());
    sky.setColorAt(0.0, QColor(118, 44, 14));
    sky.setColorAt(0.55, QColor(224, 120, 40));
    sky.setColorAt(0.8, QColor(250, 170, 70));
    sky.setColorAt(1.0, QColor(140, 60, 20));
    p.fillRect(QRect(QPoint(0, 0), Size), sky);
}

void BattleStripPainter::paintRuins(QPainter& p, Prng& prng)
{
    QPainterPath ruins;
    ruins.moveTo(0, Ground);
    double x = 0;
    while (x < Size.width()) {
        const double w = prng.range(4, 12);
        const double h = prng.range(1, 9);
        ruins.lineTo(x, Horizon - h);
        if (prng.chance(0.3)) {
            ruins.lineTo(x + w / 2, Horizon - h - prng.range(2, 5));
        }
        ruins.lineTo(x + w, Horizon - h + prng.range(0, 2));
        x += w;
        ruins.lineTo(x, Horizon - prng.range(0, 2));
    }
    ruins.lineTo(Size.width(), Ground);
    ruins.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(104, 44, 18, 190));
    p.drawPath(ruins);

    QLinearGradient earth(0, Ground - 3, 0, Size.height());
    earth.setColorAt(0.0, QColor(52, 24, 10));
    earth.setColorAt(1.0, QColor(16, 8, 4));
    QPainterPath ground;
    ground.moveTo(0, Size.height());
    for (int i = 0; i <= 20; ++i) {
        ground.lineTo(Size.width() * i / 20.0, Ground - prng.range(0, 2.5));
    }
    ground.lineTo(Size.width(), Size.height());
    ground.closeSubpath();
    p.setBrush(earth);
    p.drawPath(ground);
}

void BattleStripPainter::paintBlast(QPainter& p, Prng& prng, QPointF at, double scale)
{
    // Smoke column first, then the fireball in front of it.
    for (int i = 0; i < 9; ++i) {
        const QPointF puff = at + QPointF(prng.jitter() * 5 * scale, -i * 2.2 * scale);
        const double r = (3.0 + i * 0.8) * scale;
        StarScatter::glow(p, puff, r, r * 0.8, QColor(40, 24, 18, 150 - i * 10));
    }
    StarScatter::glow(p, at, 20 * scale, 12 * scale, QColor(255, 150, 50, 170));
    StarScatter::glow(p, at, 8 * scale, 6 * scale, QColor(255, 244, 190, 250), 0.3);
    p.setPen(QPen(QColor(255, 220, 140, 200), 0.6));
    for (int i = 0; i < 6; ++i) {
        const QPointF d(prng.jitter() * 9 * scale, -prng.range(2, 8) * scale);
        p.drawLine(at, at + d);
    }
}

void BattleStripPainter::paintTroops(QPainter& p, Prng& prng)
{
    const ArmouredFigure::Lighting light{QColor(24, 12, 8), QColor(12, 6, 4), QColor(255, 170, 80),
                                         QPointF(0, -1), QColor(255, 60, 30)};
    // Two lines advancing on each other across the middle of the strip.
    for (int i = 0; i < 14; ++i) {
        const bool left = i >= 7;
        const double x = left ? prng.range(250, 360) : prng.range(80, 210);
        const double h = prng.range(11, 15);
        const auto pose = prng.chance(0.15)  ? ArmouredFigure::Pose::Banner
                          : prng.chance(0.2) ? ArmouredFigure::Pose::BladeRaised
                                             : ArmouredFigure::Pose::Rifle;
        ArmouredFigure::Placement at{
            {x, Ground + prng.range(0, 2)}, h, left, pose, prng.range(0.2, 1.0)};
        ArmouredFigure::paint(p, at, light);
    }
}

void BattleStripPainter::paintTracers(QPainter& p, Prng& prng)
{
    for (int i = 0; i < 16; ++i) {
        const double y = prng.range(10, 20);
        const double x = prng.range(120, 320);
        const double len = prng.range(6, 14);
        QLinearGradient g(x, y, x + len, y);
        g.setColorAt(0.0, QColor(255, 240, 160, 0));
        g.setColorAt(1.0, QColor(255, 250, 200, 220));
        p.setPen(QPen(QBrush(g), 0.7));
        const double dir = prng.chance(0.5) ? 1.0 : -1.0;
        p.drawLine(QPointF(x, y), QPointF(x + dir * len, y + prng.jitter() * 1.5));
    }
}

QImage BattleStripPainter::render()
{
    QImage image(Size, QImage::Format_RGB32);
    Prng prng(Seed);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        paintSky(p);
        StarScatter::cloud(p, prng,
                           {QRectF(0, 0, Size.width(), 14), 40, 6, 18, QColor(60, 26, 12, 90),
                            QColor(150, 70, 30, 70), 0.45});
        paintRuins(p, prng);
        for (const Blast& b : Blasts) {
            paintBlast(p, prng, b.At, b.Scale);
        }
        paintTracers(p, prng);
        paintTroops(p, prng);
    }
    PaintTexture::brushStrokes(image, prng, {900, 3.0, 1.0, 0.3, 0.0, 30.0, 6});
    PaintTexture::grain(image, prng, 3);
    return image;
}
