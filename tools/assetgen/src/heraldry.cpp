#include "heraldry.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QTransform>
#include <QtMath>

namespace {

// Skull outline, left half, in a unit box; mirrored for the right half.
constexpr double CheekX = 0.07;
constexpr double CheekY = 0.60;
constexpr double JawX = 0.25;
constexpr double JawY = 0.80;
constexpr double ChinX = 0.30;

// Fraction of each feather's width that tapers into its point.
constexpr double FeatherPoint = 0.28;

QPointF UnitToBox(const QRectF& box, double ux, double uy)
{
    return {box.left() + ux * box.width(), box.top() + uy * box.height()};
}

QPainterPath Socket(const QRectF& box, bool left)
{
    // Drawn for the left eye; mirrored for the right. The inner brow sits
    // lower than the outer one, which gives the skull its frown.
    auto pt = [&](double ux, double uy) { return UnitToBox(box, left ? ux : 1.0 - ux, uy); };
    QPainterPath path;
    path.moveTo(pt(0.45, 0.47));
    path.cubicTo(pt(0.38, 0.40), pt(0.20, 0.38), pt(0.15, 0.45));
    path.cubicTo(pt(0.12, 0.53), pt(0.20, 0.62), pt(0.30, 0.62));
    path.cubicTo(pt(0.40, 0.62), pt(0.46, 0.56), pt(0.45, 0.47));
    path.closeSubpath();
    return path;
}

} // namespace

Heraldry::Skull Heraldry::skull(const QRectF& box)
{
    Skull s;
    s.Box = box;
    auto pt = [&](double ux, double uy) { return UnitToBox(box, ux, uy); };

    QPainterPath head;
    head.moveTo(pt(0.5, 0.0));
    head.cubicTo(pt(0.20, 0.0), pt(0.0, 0.14), pt(0.02, 0.42));
    head.cubicTo(pt(0.03, 0.52), pt(CheekX - 0.02, 0.56), pt(CheekX, CheekY));
    head.cubicTo(pt(0.12, 0.70), pt(0.20, 0.74), pt(JawX, JawY));
    head.lineTo(pt(ChinX, 0.97));
    head.quadTo(pt(0.5, 1.03), pt(1.0 - ChinX, 0.97));
    head.lineTo(pt(1.0 - JawX, JawY));
    head.cubicTo(pt(0.80, 0.74), pt(0.88, 0.70), pt(1.0 - CheekX, CheekY));
    head.cubicTo(pt(1.02 - CheekX, 0.56), pt(0.97, 0.52), pt(0.98, 0.42));
    head.cubicTo(pt(1.0, 0.14), pt(0.80, 0.0), pt(0.5, 0.0));
    head.closeSubpath();
    s.Head = head;

    s.Sockets.addPath(Socket(box, true));
    s.Sockets.addPath(Socket(box, false));
    s.LeftEye = pt(0.30, 0.52);
    s.RightEye = pt(0.70, 0.52);
    s.EyeRadius = 0.11 * box.width();

    QPainterPath nose;
    nose.moveTo(pt(0.5, 0.62));
    nose.quadTo(pt(0.45, 0.70), pt(0.43, 0.75));
    nose.lineTo(pt(0.5, 0.72));
    nose.lineTo(pt(0.57, 0.75));
    nose.quadTo(pt(0.55, 0.70), pt(0.5, 0.62));
    nose.closeSubpath();
    s.Nose = nose;

    QPainterPath teeth;
    teeth.moveTo(pt(ChinX + 0.02, 0.86));
    teeth.quadTo(pt(0.5, 0.90), pt(1.0 - ChinX - 0.02, 0.86));
    for (double ux : {0.37, 0.44, 0.5, 0.56, 0.63}) {
        teeth.moveTo(pt(ux, 0.80));
        teeth.lineTo(pt(ux, 0.95));
    }
    s.Teeth = teeth;
    return s;
}

void Heraldry::paintSkull(QPainter& p, const Skull& s, const Tones& tones, double outlineWidth)
{
    p.save();
    const QRectF& b = s.Box;
    QRadialGradient fill(b.left() + b.width() * 0.38, b.top() + b.height() * 0.25,
                         b.height() * 0.95);
    fill.setColorAt(0.0, tones.Light);
    fill.setColorAt(0.55, tones.Mid);
    fill.setColorAt(1.0, tones.Dark);
    p.setPen(QPen(tones.Outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(s.Head);

    // Hollow temples and cheeks so the skull reads as bone rather than a mask.
    p.setClipPath(s.Head);
    QLinearGradient temples(b.left(), 0, b.right(), 0);
    QColor shade = tones.Outline;
    shade.setAlpha(110);
    QColor clear = shade;
    clear.setAlpha(0);
    temples.setColorAt(0.0, shade);
    temples.setColorAt(0.16, clear);
    temples.setColorAt(0.84, clear);
    temples.setColorAt(1.0, shade);
    p.setPen(Qt::NoPen);
    p.setBrush(temples);
    p.drawRect(b);
    p.setClipping(false);

    p.setBrush(tones.Outline);
    p.setPen(QPen(tones.Outline, outlineWidth * 0.6));
    p.drawPath(s.Sockets);
    p.drawPath(s.Nose);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(tones.Outline, outlineWidth * 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(s.Teeth);
    p.restore();
}

QPointF Heraldry::armPoint(const WingShape& wing, double t)
{
    // Quadratic curve from the root up to the tip; the control point bows
    // the arm upward like a raised wing.
    const QPointF a(0, 0);
    const QPointF c(wing.Span * 0.35, -wing.Rise * 1.25);
    const QPointF e(wing.Span, -wing.Rise);
    const double u = 1.0 - t;
    const QPointF local = a * (u * u) + c * (2 * u * t) + e * (t * t);
    const double dir = wing.ToLeft ? -1.0 : 1.0;
    return {wing.Root.x() + dir * local.x(), wing.Root.y() + local.y()};
}

std::vector<QPainterPath> Heraldry::feathers(const WingShape& wing, double lengthScale,
                                             double startT)
{
    std::vector<QPainterPath> result;
    const double dir = wing.ToLeft ? -1.0 : 1.0;
    for (int i = wing.Feathers - 1; i >= 0; --i) {
        const double t = startT + (1.0 - startT) * i / std::max(1, wing.Feathers - 1);
        const QPointF anchor = armPoint(wing, t);
        // Inner feathers hang straight down, outer ones fan outward.
        const double angle = qDegreesToRadians(95.0 - 70.0 * t);
        const QPointF along(dir * std::cos(angle), std::sin(angle));
        const QPointF across(-along.y(), along.x());
        const double length = wing.Drop * lengthScale * (0.55 + 0.5 * t);
        const double width = wing.Span / wing.Feathers * 1.45;
        const QPointF tip = anchor + along * length;
        const QPointF shoulder = anchor + along * (length * (1.0 - FeatherPoint));
        QPainterPath f;
        f.moveTo(anchor - across * (width / 2));
        f.lineTo(shoulder - across * (width / 2));
        f.quadTo(tip - across * (width * 0.15), tip);
        f.quadTo(tip + across * (width * 0.3), shoulder + across * (width / 2));
        f.lineTo(anchor + across * (width / 2));
        f.closeSubpath();
        result.push_back(f);
    }
    return result;
}

QPainterPath Heraldry::wingArm(const WingShape& wing)
{
    QPainterPath arm;
    arm.moveTo(armPoint(wing, 0));
    for (int i = 1; i <= 16; ++i) {
        arm.lineTo(armPoint(wing, i / 16.0));
    }
    return arm;
}

void Heraldry::paintWing(QPainter& p, const WingShape& wing, const Tones& tones,
                         double outlineWidth)
{
    p.save();
    const QPen outline(tones.Outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    auto paintRow = [&](const std::vector<QPainterPath>& row, const QColor& near,
                        const QColor& far) {
        for (const QPainterPath& f : row) {
            const QRectF r = f.boundingRect();
            QLinearGradient g(r.topLeft(), r.bottomRight());
            if (wing.ToLeft) {
                g = QLinearGradient(r.topRight(), r.bottomLeft());
            }
            g.setColorAt(0.0, near);
            g.setColorAt(1.0, far);
            p.setPen(outline);
            p.setBrush(g);
            p.drawPath(f);
        }
    };
    paintRow(feathers(wing, 1.0, 0.12), tones.Mid, tones.Dark);
    WingShape coverts = wing;
    coverts.Feathers = std::max(3, wing.Feathers - 1);
    paintRow(feathers(coverts, 0.42, 0.05), tones.Light, tones.Mid);

    // The arm of the wing: a thick dark band with a lit upper edge.
    const QPainterPath arm = wingArm(wing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(tones.Outline, outlineWidth * 4.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(arm);
    p.setPen(QPen(tones.Light, outlineWidth * 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(arm);
    p.restore();
}
