#include "portrait_painter.h"

#include "paint_texture.h"
#include "prng.h"
#include "star_scatter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

constexpr std::uint64_t Seed = 0x9041A7;
constexpr double CentreX = 38.5;
constexpr double HelmetTop = 38.0;
constexpr double HelmetHalfWidth = 19.0;
constexpr double EyeY = 64.0;
constexpr double EyeOffset = 8.5;
constexpr double EyeRadius = 4.0;
constexpr QPointF KeyLight(14.0, 30.0);
// The figure is drawn larger than the frame and lifted, so the helmet sits
// high and the shoulders run out of the bottom edge.
constexpr double FigureScale = 1.12;
constexpr double FigureLift = 20.0;
constexpr double FigureBottom = 150.0;

const QColor BlueLight(110, 150, 230);
const QColor Blue(34, 66, 160);
const QColor BlueDark(8, 16, 52);
const QColor Trim(176, 140, 70);
const QColor Line(4, 6, 14);

QRadialGradient Armour(QPointF centre, double radius)
{
    // Every plate is lit from the same key light, up and to the left.
    QRadialGradient g(KeyLight + (centre - KeyLight) * 0.6, radius);
    g.setColorAt(0.0, BlueLight);
    g.setColorAt(0.45, Blue);
    g.setColorAt(1.0, BlueDark);
    return g;
}

} // namespace

void PortraitPainter::paintBackdrop(QPainter& p, Prng& prng)
{
    QLinearGradient g(0, 0, 0, Size.height());
    g.setColorAt(0.0, QColor(16, 18, 28));
    g.setColorAt(1.0, QColor(4, 4, 8));
    p.fillRect(QRect(QPoint(0, 0), Size), g);
    StarScatter::cloud(p, prng,
                       {QRectF(0, 0, Size.width(), 80), 14, 10, 26, QColor(60, 60, 90, 40),
                        QColor(30, 30, 50, 40), 1.0});
    StarScatter::glow(p, QPointF(60, 40), 40, 50, QColor(80, 30, 20, 50));
}

void PortraitPainter::paintShoulders(QPainter& p)
{
    const QPen line(Line, 1.0);
    p.setPen(line);
    // Gorget and chest first, then the huge shoulder guards over them.
    QPainterPath chest;
    chest.moveTo(12, FigureBottom);
    chest.lineTo(20, 92);
    chest.quadTo(CentreX, 84, 57, 92);
    chest.lineTo(65, FigureBottom);
    chest.closeSubpath();
    QLinearGradient steel(0, 86, 0, Size.height());
    steel.setColorAt(0.0, QColor(60, 64, 80));
    steel.setColorAt(1.0, QColor(14, 16, 24));
    p.setBrush(steel);
    p.drawPath(chest);
    p.setBrush(QColor(150, 120, 60));
    p.drawEllipse(QPointF(CentreX, 112), 5, 4); // a plain bronze stud on the chest
    for (int side : {-1, 1}) {
        const QPointF c(CentreX + side * 31, 104);
        QPainterPath guard;
        guard.addEllipse(c, 23, 20);
        p.setBrush(Armour(c, 30));
        p.drawPath(guard);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Trim, 2.0));
        p.drawArc(QRectF(c.x() - 20, c.y() - 17, 40, 34), side < 0 ? 20 * 16 : 40 * 16, 120 * 16);
        p.setPen(line);
    }
}

void PortraitPainter::paintHelmet(QPainter& p)
{
    const double w = HelmetHalfWidth;
    const double cx = CentreX;
    QPainterPath dome;
    dome.moveTo(cx - w + 1, 90);
    dome.lineTo(cx - w - 1, 70);
    dome.cubicTo(cx - w - 1, 48, cx - 12, HelmetTop, cx, HelmetTop);
    dome.cubicTo(cx + 12, HelmetTop, cx + w + 1, 48, cx + w + 1, 70);
    dome.lineTo(cx + w - 1, 90);
    dome.quadTo(cx, 97, cx - w + 1, 90);
    dome.closeSubpath();
    p.setPen(QPen(Line, 1.0));
    p.setBrush(Armour(QPointF(cx, 60), 34));
    p.drawPath(dome);

    // A raised ridge down the middle of the dome.
    QLinearGradient ridge(cx - 3, 0, cx + 3, 0);
    ridge.setColorAt(0.0, BlueLight);
    ridge.setColorAt(1.0, BlueDark);
    p.setBrush(ridge);
    p.drawRoundedRect(QRectF(cx - 3, HelmetTop - 1, 6, 18), 3, 3);

    // Glint of the key light on the dome.
    StarScatter::glow(p, QPointF(cx - 9, HelmetTop + 9), 6, 4, QColor(200, 220, 255, 130));

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
    brow.moveTo(CentreX - 18, 56);
    brow.lineTo(CentreX, 62);
    brow.lineTo(CentreX + 18, 56);
    brow.lineTo(CentreX + 18, 52);
    brow.lineTo(CentreX, 57);
    brow.lineTo(CentreX - 18, 52);
    brow.closeSubpath();
    p.setPen(QPen(Line, 0.8));
    p.setBrush(BlueDark);
    p.drawPath(brow);

    for (int side : {-1, 1}) {
        const QPointF eye(CentreX + side * EyeOffset, EyeY);
        StarScatter::glow(p, eye, EyeRadius * 3.2, EyeRadius * 2.6, QColor(255, 40, 20, 110));
        p.save();
        p.translate(eye);
        p.rotate(-side * 14.0); // inner corners low, following the brow
        p.setPen(QPen(Line, 1.2));
        p.setBrush(QColor(30, 30, 36));
        p.drawEllipse(QPointF(0, 0), EyeRadius + 1.4, EyeRadius * 0.8 + 1.0);
        QRadialGradient lens(QPointF(-1.2, -0.8), EyeRadius * 1.4);
        lens.setColorAt(0.0, QColor(255, 200, 170));
        lens.setColorAt(0.35, QColor(255, 40, 20));
        lens.setColorAt(1.0, QColor(110, 0, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(lens);
        p.drawEllipse(QPointF(0, 0), EyeRadius, EyeRadius * 0.8);
        p.restore();
    }

    // The breathing grille, a blunt snout with vents.
    QPainterPath snout;
    snout.moveTo(CentreX - 9, 72);
    snout.lineTo(CentreX + 9, 72);
    snout.lineTo(CentreX + 7, 86);
    snout.lineTo(CentreX - 7, 86);
    snout.closeSubpath();
    QLinearGradient metal(CentreX - 9, 0, CentreX + 9, 0);
    metal.setColorAt(0.0, QColor(120, 124, 140));
    metal.setColorAt(1.0, QColor(30, 32, 40));
    p.setPen(QPen(Line, 1.0));
    p.setBrush(metal);
    p.drawPath(snout);
    p.setPen(QPen(Line, 1.0));
    for (int y = 75; y < 85; y += 3) {
        p.drawLine(QPointF(CentreX - 6, y), QPointF(CentreX + 6, y));
    }
    // Cables from the grille back into the collar.
    p.setPen(QPen(QColor(20, 20, 26), 2.2, Qt::SolidLine, Qt::RoundCap));
    for (int side : {-1, 1}) {
        QPainterPath cable;
        cable.moveTo(CentreX + side * 8, 82);
        cable.quadTo(CentreX + side * 14, 92, CentreX + side * 17, 88);
        p.drawPath(cable);
    }
}

QImage PortraitPainter::render()
{
    QImage image(Size, QImage::Format_RGB32);
    Prng prng(Seed);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        paintBackdrop(p, prng);
        p.translate(CentreX, 0);
        p.scale(FigureScale, FigureScale);
        p.translate(-CentreX, -FigureLift);
        paintShoulders(p);
        paintHelmet(p);
        paintFaceplate(p);
    }
    PaintTexture::brushStrokes(image, prng, {500, 3.0, 1.0, 0.25, 60.0, 50.0, 6});
    PaintTexture::vignette(image, 0.45);
    PaintTexture::grain(image, prng, 3);
    return image;
}
