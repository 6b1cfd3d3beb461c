#include "star_scatter.h"

#include "prng.h"

#include <QPainter>
#include <QRadialGradient>

#include <cmath>

namespace {

QColor StarColour(Prng& prng)
{
    // Mostly white, with a scattering of hot blue and cool yellow-orange.
    const double pick = prng.unit();
    if (pick < 0.55) {
        return {235, 238, 255};
    }
    if (pick < 0.8) {
        return {170, 195, 255};
    }
    if (pick < 0.93) {
        return {255, 232, 190};
    }
    return {255, 190, 150};
}

} // namespace

void StarScatter::glow(QPainter& p, QPointF centre, double rx, double ry, const QColor& colour,
                       double core)
{
    p.save();
    p.translate(centre);
    p.scale(rx, ry);
    QRadialGradient g(QPointF(0, 0), 1.0);
    QColor clear = colour;
    clear.setAlpha(0);
    g.setColorAt(0.0, colour);
    if (core > 0) {
        g.setColorAt(core, colour);
    }
    QColor mid = colour;
    mid.setAlphaF(colour.alphaF() * 0.35f);
    g.setColorAt(core + (1.0 - core) * 0.45, mid);
    g.setColorAt(1.0, clear);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(0, 0), 1.0, 1.0);
    p.restore();
}

void StarScatter::stars(QPainter& p, Prng& prng, const Field& field)
{
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < field.Count; ++i) {
        const QPointF at(prng.range(field.Area.left(), field.Area.right()),
                         prng.range(field.Area.top(), field.Area.bottom()));
        // Cubing the draw makes most stars faint and small, a few bright.
        const double u = prng.unit();
        const double size = u * u * u;
        const double r = field.MinRadius + (field.MaxRadius - field.MinRadius) * size;
        QColor c = StarColour(prng);
        c.setAlphaF(float(0.35 + 0.65 * std::min(1.0, size * 3 + prng.unit() * 0.4)));
        if (size > 0.25) {
            glow(p, at, r * 3.0, r * 3.0, QColor(c.red(), c.green(), c.blue(), 70));
        }
        p.setBrush(c);
        p.drawEllipse(at, r, r);
        if (prng.chance(field.GlintShare)) {
            const double arm = r * 5;
            p.setPen(QPen(QColor(c.red(), c.green(), c.blue(), 150), r * 0.45));
            p.drawLine(at - QPointF(arm, 0), at + QPointF(arm, 0));
            p.drawLine(at - QPointF(0, arm), at + QPointF(0, arm));
            p.setPen(Qt::NoPen);
        }
    }
    p.restore();
}

void StarScatter::cloud(QPainter& p, Prng& prng, const Cloud& cloud)
{
    for (int i = 0; i < cloud.Blobs; ++i) {
        const QPointF at(prng.range(cloud.Area.left(), cloud.Area.right()),
                         prng.range(cloud.Area.top(), cloud.Area.bottom()));
        const double size = prng.range(cloud.MinSize, cloud.MaxSize);
        const double mix = prng.unit();
        QColor c;
        c.setRgbF(float(cloud.Inner.redF() * (1 - mix) + cloud.Outer.redF() * mix),
                  float(cloud.Inner.greenF() * (1 - mix) + cloud.Outer.greenF() * mix),
                  float(cloud.Inner.blueF() * (1 - mix) + cloud.Outer.blueF() * mix),
                  float(cloud.Inner.alphaF() * (1 - mix) + cloud.Outer.alphaF() * mix));
        glow(p, at, size, size * cloud.Squash * prng.range(0.7, 1.2), c);
    }
}
