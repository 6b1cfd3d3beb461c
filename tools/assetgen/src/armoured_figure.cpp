#include "armoured_figure.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QTransform>
#include <QtMath>

namespace {

// Local units: 100 from sole to exhaust tips, y upward is negative, the
// figure faces +x.
constexpr double Units = 100.0;
constexpr QPointF BannerTop(26, -150);
constexpr QPointF BladeTip(52, -148);
constexpr QPointF Eye(11.5, -91.0);

// A limb segment with rounded ends.
void AddLimb(QPainterPath& path, QPointF a, QPointF b, double wa, double wb)
{
    const QPointF d = b - a;
    const double len = std::hypot(d.x(), d.y());
    if (len <= 0) {
        return;
    }
    const QPointF n(-d.y() / len, d.x() / len);
    QPolygonF quad;
    quad << a + n * (wa / 2) << b + n * (wb / 2) << b - n * (wb / 2) << a - n * (wa / 2);
    path.addPolygon(quad);
    path.closeSubpath();
    path.addEllipse(a, wa / 2, wa / 2);
    path.addEllipse(b, wb / 2, wb / 2);
}

void AddPolygon(QPainterPath& path, std::initializer_list<QPointF> points)
{
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
}

void AddLegs(QPainterPath& path, double stride)
{
    const double s = stride * 10;
    // Rear leg.
    AddLimb(path, {-6, -50}, {-12 - s, -27}, 13, 11);
    AddLimb(path, {-12 - s, -27}, {-14 - s * 1.4, -6}, 11, 9);
    AddPolygon(path,
               {{-24 - s * 1.4, -1}, {-22 - s * 1.4, -10}, {-8 - s * 1.4, -10}, {-4 - s * 1.4, 0}});
    path.addEllipse(QPointF(-12 - s, -27), 6.5, 6.5);
    // Front leg.
    AddLimb(path, {7, -50}, {14 + s, -29}, 14, 11);
    AddLimb(path, {14 + s, -29}, {12 + s * 1.6, -6}, 11, 9);
    AddPolygon(path, {{3 + s * 1.6, 0}, {5 + s * 1.6, -10}, {19 + s * 1.6, -9}, {25 + s * 1.6, 0}});
    path.addEllipse(QPointF(15 + s, -29), 7, 7);
}

void AddBody(QPainterPath& path)
{
    // Hips and the armoured tabard hanging in front.
    path.addRoundedRect(QRectF(-14, -57, 28, 13), 4, 4);
    AddPolygon(path, {{-3, -48}, {11, -48}, {9, -33}, {-1, -33}});
    // Torso swelling into a barrel chest.
    AddPolygon(path, {{-13, -52}, {13, -52}, {19, -80}, {-18, -80}});
    path.addEllipse(QPointF(3, -73), 19, 10);
    // Back-pack with twin exhaust stacks.
    path.addRoundedRect(QRectF(-26, -93, 14, 30), 3, 3);
    path.addRect(QRectF(-25, -101, 4, 9));
    path.addRect(QRectF(-19, -99, 4, 7));
    // Shoulder guards: the rear one half hidden, the front one huge.
    path.addEllipse(QPointF(-11, -80), 11, 9);
    path.addEllipse(QPointF(17, -79), 13, 10.5);
    path.addRect(QRectF(4, -80, 26, 6));
    // Helmet standing just clear of the guards, with a jutting grille.
    path.addEllipse(QPointF(5, -92), 7.5, 8.5);
    AddPolygon(path, {{9, -96}, {14.5, -92}, {16, -86}, {12, -83}, {6, -84}});
}

void AddArms(QPainterPath& path, ArmouredFigure::Pose pose)
{
    using Pose = ArmouredFigure::Pose;
    switch (pose) {
    case Pose::Rifle:
        AddLimb(path, {-10, -75}, {-3, -61}, 10, 9);
        AddLimb(path, {-3, -61}, {14, -62}, 9, 8);
        AddLimb(path, {17, -74}, {22, -61}, 11, 9);
        AddLimb(path, {22, -61}, {31, -65}, 9, 8);
        // A heavy rifle: stock, body, drum magazine, long barrel.
        AddPolygon(path, {{-6, -74}, {34, -74}, {37, -63}, {-4, -63}});
        AddPolygon(path, {{34, -72}, {58, -71}, {58, -66.5}, {34, -66}});
        path.addRect(QRectF(15, -64, 8, 10));
        break;
    case Pose::Banner:
        AddLimb(path, {17, -78}, {25, -92}, 11, 9);
        AddLimb(path, {25, -92}, {27, -104}, 9, 8);
        AddLimb(path, {-10, -76}, {-13, -60}, 10, 9);
        AddLimb(path, {-13, -60}, {-9, -48}, 9, 8);
        path.addRect(QRectF(BannerTop.x() - 1.6, BannerTop.y(), 3.2, -BannerTop.y() + 2));
        // Finial on top of the pole.
        path.addEllipse(BannerTop, 3.2, 3.2);
        AddPolygon(path, {{BannerTop.x() - 6, BannerTop.y() + 7},
                          {BannerTop.x() + 6, BannerTop.y() + 7},
                          {BannerTop.x() + 6, BannerTop.y() + 9},
                          {BannerTop.x() - 6, BannerTop.y() + 9}});
        break;
    case Pose::BladeRaised:
        AddLimb(path, {17, -78}, {29, -90}, 11, 9);
        AddLimb(path, {29, -90}, {34, -103}, 9, 8);
        // Broad blade and cross-guard.
        AddPolygon(path, {{31, -106},
                          {37, -108},
                          {BladeTip.x() + 1, BladeTip.y()},
                          {BladeTip.x() - 3, BladeTip.y() + 2}});
        AddPolygon(path, {{27, -104}, {41, -110}, {42, -107}, {28, -101}});
        // Pistol arm levelled forward.
        AddLimb(path, {-10, -76}, {2, -66}, 10, 9);
        AddLimb(path, {2, -66}, {16, -68}, 9, 8);
        AddPolygon(path, {{14, -72}, {30, -72}, {30, -68}, {20, -67}, {18, -62}, {14, -62}});
        break;
    }
}

} // namespace

QPointF ArmouredFigure::toPicture(const Placement& placement, QPointF local)
{
    const double k = placement.Height / Units;
    const double dir = placement.FacingLeft ? -1.0 : 1.0;
    return {placement.Feet.x() + dir * local.x() * k, placement.Feet.y() + local.y() * k};
}

QPainterPath ArmouredFigure::localSilhouette(const Placement& placement)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    AddLegs(path, placement.Stride);
    AddBody(path);
    AddArms(path, placement.Pose);
    return path;
}

QPainterPath ArmouredFigure::silhouette(const Placement& placement)
{
    const double k = placement.Height / Units;
    QTransform t;
    t.translate(placement.Feet.x(), placement.Feet.y());
    t.scale(placement.FacingLeft ? -k : k, k);
    // The pieces overlap with mixed winding directions, so a plain winding
    // fill would punch holes where they cross; a true union does not.
    QPainterPath united;
    for (const QPolygonF& piece : localSilhouette(placement).toSubpathPolygons(t)) {
        QPainterPath part;
        part.addPolygon(piece);
        part.closeSubpath();
        united = united.united(part);
    }
    return united;
}

QPointF ArmouredFigure::raisedTip(const Placement& placement)
{
    return toPicture(placement, placement.Pose == Pose::Banner ? BannerTop : BladeTip);
}

QPointF ArmouredFigure::eyePoint(const Placement& placement)
{
    return toPicture(placement, Eye);
}

void ArmouredFigure::paint(QPainter& p, const Placement& placement, const Lighting& lighting)
{
    const QPainterPath shape = silhouette(placement);
    const double rimWidth = std::max(0.8, placement.Height * 0.018);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(lighting.Rim);
    p.drawPath(shape);

    // The body, shifted away from the light, leaves a thin lit rim.
    const QRectF bounds = shape.boundingRect();
    QLinearGradient body(bounds.topLeft(), bounds.bottomLeft());
    body.setColorAt(0.0, lighting.Body);
    body.setColorAt(1.0, lighting.BodyLow);
    p.setBrush(body);
    p.drawPath(shape.translated(-lighting.TowardsLight * rimWidth));

    if (lighting.Eye.alpha() > 0) {
        const double r = std::max(0.6, placement.Height * 0.018);
        p.setBrush(lighting.Eye);
        p.drawEllipse(eyePoint(placement), r, r * 0.8);
    }
    p.restore();
}
