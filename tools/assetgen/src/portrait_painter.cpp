#include "portrait_painter.h"

#include "paint_texture.h"
#include "prng.h"
#include "star_scatter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

constexpr std::uint64_t kSeed = 0x9041A7;
constexpr double kCentreX = 38.5;
constexpr double kHelmetTop = 38.0;
constexpr double kHelmetHalfWidth = 19.0;
constexpr double kEyeY = 64.0;
constexpr double kEyeOffset = 8.5;
constexpr double kEyeRadius = 4.0;
constexpr QPointF kKeyLight(14.0, 30.0);
// The figure is drawn larger than the frame and lifted, so the helmet sits
// high and the shoulders run out of the bottom edge.
constexpr double kFigureScale = 1.12;
constexpr double kFigureLift = 20.0;
constexpr double kFigureBottom = 150.0;

const QColor kBlueLight(110, 150, 230);
const QColor kBlue(34, 66, 160);
const QColor kBlueDark(8, 16, 52);
const QColor kTrim(176, 140, 70);
const QColor kLine(4, 6, 14);

QRadialGradient armour(QPointF centre, double radius)
{
    // Every plate is lit from the same key light, up and to the left.
    QRadialGradient g(kKeyLight + (centre - kKeyLight) * 0.6, radius);
    g.setColorAt(0.0, kBlueLight);
    g.setColorAt(0.45, kBlue);
    g.setColorAt(1.0, kBlueDark);
    return g;
}

} // namespace

void PortraitPainter::paintBackdrop(QPainter& p, Prng& prng)
{
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0.0, QColor(16, 18, 28));
    g.setColorAt(1.0, QColor(4, 4, 8));
    p.fillRect(QRect(QPoint(0, 0), size), g);
    StarScatter::cloud(p, prng,
                       {QRectF(0, 0, size.width(), 80), 14, 10, 26, QColor(60, 60, 90, 40),
                        QColor(30, 30, 50, 40), 1.0});
    StarScatter::glow(p, QPointF(60, 40), 40, 50, QColor(80, 30, 20, 50));
}

void PortraitPainter::paintShoulders(QPainter& p)
{
    const QPen line(kLine, 1.0);
    p.setPen(line);
    // Gorget and chest first, then the huge shoulder guards over them.
    QPainterPath chest;
    chest.moveTo(12, kFigureBottom);
    chest.lineTo(20, 92);
    chest.quadTo(kCentreX, 84, 57, 92);
    chest.lineTo(65, kFigureBottom);
    chest.closeSubpath();
    QLinearGradient steel(0, 86, 0, size.height());
    steel.setColorAt(0.0, QColor(60, 64, 80));
    steel.setColorAt(1.0, QColor(14, 16, 24));
    p.setBrush(steel);
    p.drawPath(chest);
    p.setBrush(QColor(150, 120, 60));
    p.drawEllipse(QPointF(kCentreX, 112), 5, 4); // a plain bronze stud on the chest
    for (int side : {-1, 1}) {
        const QPointF c(kCentreX + side * 31, 104);
        QPainterPath guard;
        guard.addEllipse(c, 23, 20);
        p.setBrush(armour(c, 30));
        p.drawPath(guard);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kTrim, 2.0));
        p.drawArc(QRectF(c.x() - 20, c.y() - 17, 40, 34), side < 0 ? 20 * 16 : 40 * 16, 120 * 16);
        p.setPen(line);
    }
}

void PortraitPainter::paintHelmet(QPainter& p)
{
    const double w = kHelmetHalfWidth;
    const double cx = kCentreX;
    QPainterPath dome;
    dome.moveTo(cx - w + 1, 90);
    dome.lineTo(cx - w - 1, 70);
    dome.cubicTo(cx - w - 1, 48, cx - 12, kHelmetTop, cx, kHelmetTop);
    dome.cubicTo(cx + 12, kHelmetTop, cx + w + 1, 48, cx + w + 1, 70);
    dome.lineTo(cx + w - 1, 90);
    dome.quadTo(cx, 97, cx - w + 1, 90);
    dome.closeSubpath();
    p.setPen(QPen(kLine, 1.0));
    p.setBrush(armour(QPointF(cx, 60), 34));
    p.drawPath(dome);

    // A raised ridge down the middle of the dome.
    QLinearGradient ridge(cx - 3, 0, cx + 3, 0);
    ridge.setColorAt(0.0, kBlueLight);
    ridge.setColorAt(1.0, kBlueDark);
    p.setBrush(ridge);
    p.drawRoundedRect(QRectF(cx - 3, kHelmetTop - 1, 6, 18), 3, 3);

    // Glint of the key light on the dome.
    StarScatter::glow(p, QPointF(cx - 9, kHelmetTop + 9), 6, 4, QColor(200, 220, 255, 130));

    // Ear studs where the helmet seals to the armour.
    for (int side : {-1, 1}) {
        QRadialGradient stud(QPointF(cx + side * (w - 2) - 1, 73), 4);
        stud.setColorAt(0.0, QColor(200, 170, 100));
        stud.setColorAt(1.0, QColor(70, 50, 20));
        p.setBrush(stud);
        p.drawEllipse(QPointF(cx + side * (w - 2), 74), 3, 3);
    }

    // Cool rim light along the right edge.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 180, 255, 150), 1.0));
    p.drawLine(QPointF(cx + w + 0.5, 56), QPointF(cx + w, 86));
}

void PortraitPainter::paintFaceplate(QPainter& p)
{
    // A brow plate angled down towards the middle gives the helmet its scowl.
    QPainterPath brow;
    brow.moveTo(kCentreX - 18, 56);
    brow.lineTo(kCentreX, 62);
    brow.lineTo(kCentreX + 18, 56);
    brow.lineTo(kCentreX + 18, 52);
    brow.lineTo(kCentreX, 57);
    brow.lineTo(kCentreX - 18, 52);
    brow.closeSubpath();
    p.setPen(QPen(kLine, 0.8));
    p.setBrush(kBlueDark);
    p.drawPath(brow);

    for (int side : {-1, 1}) {
        const QPointF eye(kCentreX + side * kEyeOffset, kEyeY);
        StarScatter::glow(p, eye, kEyeRadius * 3.2, kEyeRadius * 2.6, QColor(255, 40, 20, 110));
        p.save();
        p.translate(eye);
        p.rotate(-side * 14.0); // inner corners low, following the brow
        p.setPen(QPen(kLine, 1.2));
        p.setBrush(QColor(30, 30, 36));
        p.drawEllipse(QPointF(0, 0), kEyeRadius + 1.4, kEyeRadius * 0.8 + 1.0);
        QRadialGradient lens(QPointF(-1.2, -0.8), kEyeRadius * 1.4);
        lens.setColorAt(0.0, QColor(255, 200, 170));
        lens.setColorAt(0.35, QColor(255, 40, 20));
        lens.setColorAt(1.0, QColor(110, 0, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(lens);
        p.drawEllipse(QPointF(0, 0), kEyeRadius, kEyeRadius * 0.8);
        p.restore();
    }

    // The breathing grille, a blunt snout with vents.
    QPainterPath snout;
    snout.moveTo(kCentreX - 9, 72);
    snout.lineTo(kCentreX + 9, 72);
    snout.lineTo(kCentreX + 7, 86);
    snout.lineTo(kCentreX - 7, 86);
    snout.closeSubpath();
    QLinearGradient metal(kCentreX - 9, 0, kCentreX + 9, 0);
    metal.setColorAt(0.0, QColor(120, 124, 140));
    metal.setColorAt(1.0, QColor(30, 32, 40));
    p.setPen(QPen(kLine, 1.0));
    p.setBrush(metal);
    p.drawPath(snout);
    p.setPen(QPen(kLine, 1.0));
    for (int y = 75; y < 85; y += 3) {
        p.drawLine(QPointF(kCentreX - 6, y), QPointF(kCentreX + 6, y));
    }
    // Cables from the grille back into the collar.
    p.setPen(QPen(QColor(20, 20, 26), 2.2, Qt::SolidLine, Qt::RoundCap));
    for (int side : {-1, 1}) {
        QPainterPath cable;
        cable.moveTo(kCentreX + side * 8, 82);
        cable.quadTo(kCentreX + side * 14, 92, kCentreX + side * 17, 88);
        p.drawPath(cable);
    }
}

QImage PortraitPainter::render()
{
    QImage image(size, QImage::Format_RGB32);
    Prng prng(kSeed);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        paintBackdrop(p, prng);
        p.translate(kCentreX, 0);
        p.scale(kFigureScale, kFigureScale);
        p.translate(-kCentreX, -kFigureLift);
        paintShoulders(p);
        paintHelmet(p);
        paintFaceplate(p);
    }
    PaintTexture::brushStrokes(image, prng, {500, 3.0, 1.0, 0.25, 60.0, 50.0, 6});
    PaintTexture::vignette(image, 0.45);
    PaintTexture::grain(image, prng, 3);
    return image;
}
