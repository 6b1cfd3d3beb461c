#include "starfield_painter.h"

#include "paint_texture.h"
#include "prng.h"
#include "star_scatter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QtMath>

#include <numbers>

namespace {

constexpr std::uint64_t Seed = 0x57A125;

// In the shown frame (819 x 111).
constexpr QPointF GalaxyCentre(728.0, 30.0);
constexpr double GalaxyRadius = 58.0;
constexpr double GalaxyTilt = 0.42;   // apparent height / width of the disc
constexpr double GalaxyAngle = -14.0; // degrees
constexpr int GalaxyArms = 2;
constexpr int GalaxyDustPerArm = 600;
constexpr double ArmWinding = 1.1; // turns of the log spiral across the radius

} // namespace

void StarfieldPainter::paintDepth(QPainter& p)
{
    QLinearGradient sky(0, 0, 0, ShownSize.height());
    sky.setColorAt(0.0, QColor(3, 5, 20));
    sky.setColorAt(0.6, QColor(6, 10, 38));
    sky.setColorAt(1.0, QColor(10, 18, 52));
    p.fillRect(QRectF(0, 0, ShownSize.width(), ShownSize.height()), sky);
}

void StarfieldPainter::paintNebulae(QPainter& p, Prng& prng)
{
    // Drifts of blue gas along the bottom, thickest in a few knots.
    const double knots[] = {70, 250, 430, 560, 760};
    for (double x : knots) {
        StarScatter::cloud(p, prng,
                           {QRectF(x - 70, 70, 140, 45), 26, 10, 34, QColor(60, 110, 220, 46),
                            QColor(30, 60, 160, 40), 0.55});
        StarScatter::cloud(p, prng,
                           {QRectF(x - 40, 82, 80, 30), 12, 6, 16, QColor(130, 190, 255, 36),
                            QColor(90, 80, 200, 30), 0.6});
    }
    StarScatter::cloud(p, prng,
                       {QRectF(0, 88, ShownSize.width(), 30), 60, 16, 50, QColor(30, 50, 140, 40),
                        QColor(50, 40, 120, 30), 0.4});
}

void StarfieldPainter::paintGalaxy(QPainter& p, Prng& prng)
{
    p.save();
    p.translate(GalaxyCentre);
    p.rotate(GalaxyAngle);
    p.scale(1.0, GalaxyTilt);

    StarScatter::glow(p, QPointF(0, 0), GalaxyRadius * 1.25, GalaxyRadius * 1.25,
                      QColor(140, 40, 40, 60));
    // Dust and young stars strung along logarithmic spiral arms.
    for (int arm = 0; arm < GalaxyArms; ++arm) {
        const double phase = arm * 2 * std::numbers::pi / GalaxyArms;
        for (int i = 0; i < GalaxyDustPerArm; ++i) {
            const double t = prng.unit();
            const double r = GalaxyRadius * (0.08 + 0.92 * t);
            const double theta =
                phase + ArmWinding * 2 * std::numbers::pi * std::log1p(t * 3) / std::log(4.0);
            const double spread = 3.0 + 7.0 * t;
            const QPointF at(r * std::cos(theta) + prng.jitter() * spread,
                             r * std::sin(theta) + prng.jitter() * spread);
            const double size = prng.range(1.5, 4.5) * (1.2 - t * 0.5);
            const QColor c = prng.chance(0.15) ? QColor(255, 210, 190, 70)
                                               : QColor(220, 70 + prng.below(50), 60, 46);
            StarScatter::glow(p, at, size, size, c);
        }
    }
    StarScatter::glow(p, QPointF(0, 0), GalaxyRadius * 0.45, GalaxyRadius * 0.45,
                      QColor(255, 150, 100, 150));
    StarScatter::glow(p, QPointF(0, 0), GalaxyRadius * 0.14, GalaxyRadius * 0.14,
                      QColor(255, 236, 210, 240), 0.2);
    p.restore();
}

QImage StarfieldPainter::render()
{
    QImage image(Size, QImage::Format_RGB32);
    Prng prng(Seed);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(double(Size.width()) / ShownSize.width(),
                double(Size.height()) / ShownSize.height());
        paintDepth(p);
        paintNebulae(p, prng);
        StarScatter::stars(
            p, prng, {QRectF(0, 0, ShownSize.width(), ShownSize.height()), 480, 0.45, 1.5, 0.015});
        paintGalaxy(p, prng);
    }
    PaintTexture::grain(image, prng, 3);
    return image;
}
