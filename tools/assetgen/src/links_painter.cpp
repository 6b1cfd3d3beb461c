#include "links_painter.h"

#include "paint_texture.h"
#include "prng.h"
#include "star_scatter.h"
#include "text_style.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <numbers>

namespace {

constexpr std::uint64_t Seed = 0x11AC5;

// Banner frames, each inside the part of the page its own hotspot wins.
constexpr QRectF BrannochPlate(5.5, 9.5, 148.0, 38.0);
constexpr QRectF BrannochWord(13.0, 14.0, 132.0, 27.0);
constexpr QRectF VelquistWord(298.0, 12.0, 130.0, 26.0);
constexpr QRectF ZarrowFrame(103.5, 67.5, 180.0, 72.0);
constexpr QRectF ZarrowWord(110.0, 71.0, 124.0, 22.0);
constexpr QPointF BruteOrigin(206.0, 78.0); // top left of the creature's own box

const QColor Outline(10, 8, 6);
const QColor Hide(84, 160, 46);
const QColor HideShadow(40, 96, 24);
const QColor HideLight(150, 210, 90);

} // namespace

void LinksPainter::paintSpace(QPainter& p, Prng& prng)
{
    p.fillRect(QRect(QPoint(0, 0), Size), QColor(4, 4, 14));
    StarScatter::cloud(p, prng,
                       {QRectF(150, 10, 180, 100), 30, 16, 44, QColor(120, 40, 170, 60),
                        QColor(70, 20, 120, 50), 0.8});
    StarScatter::cloud(p, prng,
                       {QRectF(0, 70, 110, 74), 18, 14, 40, QColor(150, 50, 160, 55),
                        QColor(80, 20, 110, 45), 0.8});
    StarScatter::cloud(p, prng,
                       {QRectF(300, 80, 137, 64), 22, 14, 40, QColor(230, 120, 40, 60),
                        QColor(160, 60, 20, 50), 0.8});
    StarScatter::cloud(
        p, prng,
        {QRectF(0, 0, 90, 30), 8, 14, 34, QColor(200, 100, 40, 40), QColor(120, 40, 20, 30), 0.8});
    StarScatter::stars(p, prng, {QRectF(0, 0, Size.width(), Size.height()), 260, 0.35, 1.3, 0.03});
}

void LinksPainter::paintBrannoch(QPainter& p)
{
    // A red plaque with a gold edge and heavy yellow lettering.
    QLinearGradient red(BrannochPlate.topLeft(), BrannochPlate.bottomLeft());
    red.setColorAt(0.0, QColor(190, 24, 18));
    red.setColorAt(1.0, QColor(100, 6, 6));
    QPainterPath plate;
    plate.moveTo(BrannochPlate.left() + 8, BrannochPlate.top());
    plate.lineTo(BrannochPlate.right(), BrannochPlate.top());
    plate.lineTo(BrannochPlate.right() - 8, BrannochPlate.bottom());
    plate.lineTo(BrannochPlate.left(), BrannochPlate.bottom());
    plate.closeSubpath();
    p.setPen(QPen(QBrush(QColor(255, 214, 40)), 2.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(red);
    p.drawPath(plate);

    QFont heavy(TextStyle::HeavyFamily);
    heavy.setWeight(QFont::DemiBold);
    const QPainterPath word =
        TextStyle::fitted(QStringLiteral("BRANNOCH"), heavy, BrannochWord, false);
    p.setPen(QPen(QColor(60, 0, 0), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(word.translated(1.2, 1.2));
    QLinearGradient gold(BrannochWord.topLeft(), BrannochWord.bottomLeft());
    gold.setColorAt(0.0, QColor(255, 250, 150));
    gold.setColorAt(0.5, QColor(255, 220, 20));
    gold.setColorAt(1.0, QColor(230, 150, 0));
    p.setPen(QPen(QColor(120, 0, 0), 1.0));
    p.setBrush(gold);
    p.drawPath(word);

    const QFont small = TextStyle::smooth(TextStyle::SansFamily, 8, true);
    p.setFont(small);
    p.setPen(QColor(255, 220, 40));
    p.drawText(QRectF(BrannochPlate.left(), BrannochPlate.bottom() + 3, BrannochPlate.width(), 10),
               Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("L  I  M  I  T  E  D"));
}

void LinksPainter::paintVelquist(QPainter& p)
{
    QFont face(TextStyle::CondensedFamily);
    face.setBold(true);
    const QPainterPath word =
        TextStyle::fitted(QStringLiteral("VELQUIST"), face, VelquistWord, false);
    // A soft green glow behind the lettering, like a screen in the dark.
    StarScatter::glow(p, VelquistWord.center(), VelquistWord.width() * 0.62, VelquistWord.height(),
                      QColor(40, 200, 80, 70));
    p.setPen(QPen(QColor(0, 60, 20), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(word);
    QLinearGradient green(VelquistWord.topLeft(), VelquistWord.bottomLeft());
    green.setColorAt(0.0, QColor(170, 255, 150));
    green.setColorAt(0.5, QColor(50, 220, 70));
    green.setColorAt(1.0, QColor(10, 130, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(green);
    p.drawPath(word);

    const double ruleY = VelquistWord.bottom() + 5.5;
    p.setPen(QPen(QColor(60, 200, 90, 200), 1.0));
    p.drawLine(QPointF(VelquistWord.left(), ruleY), QPointF(VelquistWord.right(), ruleY));
    const QFont small = TextStyle::smooth(TextStyle::SansFamily, 8, false);
    p.setFont(small);
    p.setPen(QColor(120, 230, 140));
    p.drawText(QRectF(VelquistWord.left(), ruleY + 2, VelquistWord.width(), 11),
               Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("chronicle archive"));
}

void LinksPainter::paintMuzzleFlash(QPainter& p, QPointF at)
{
    StarScatter::glow(p, at, 28, 20, QColor(255, 170, 40, 180));
    QPainterPath star;
    constexpr int points = 9;
    for (int i = 0; i < points * 2; ++i) {
        const double a = std::numbers::pi * i / points + 0.2;
        const double r = (i % 2 == 0) ? ((i / 2) % 2 == 0 ? 18 : 12) : 5.0;
        const QPointF pt = at + QPointF(std::cos(a) * r * 1.2, std::sin(a) * r * 0.8);
        if (i == 0) {
            star.moveTo(pt);
        } else {
            star.lineTo(pt);
        }
    }
    star.closeSubpath();
    p.setPen(QPen(QColor(200, 60, 0), 1.0));
    p.setBrush(QColor(255, 210, 60));
    p.drawPath(star);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 220));
    p.drawEllipse(at, 5, 3.5);
}

void LinksPainter::paintBrute(QPainter& p)
{
    // A hulking green brute, cartoon-style: thick black lines, flat colour,
    // one step of shading. Drawn in its own box, facing left.
    p.save();
    p.translate(BruteOrigin);
    const QPen line(Outline, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(line);

    // Hunched back and shoulders.
    QPainterPath body;
    body.moveTo(10, 62);
    body.cubicTo(4, 40, 18, 16, 44, 14);
    body.cubicTo(66, 12, 80, 30, 78, 62);
    body.closeSubpath();
    QLinearGradient hide(0, 14, 70, 62);
    hide.setColorAt(0.0, HideLight);
    hide.setColorAt(0.5, Hide);
    hide.setColorAt(1.0, HideShadow);
    p.setBrush(hide);
    p.drawPath(body);

    // Rusty shoulder plate with rivets.
    QPainterPath plate;
    plate.moveTo(40, 16);
    plate.cubicTo(52, 6, 72, 10, 76, 28);
    plate.lineTo(58, 34);
    plate.cubicTo(54, 26, 48, 22, 40, 16);
    plate.closeSubpath();
    p.setBrush(QColor(150, 70, 30));
    p.drawPath(plate);
    p.setBrush(QColor(230, 200, 150));
    for (QPointF r : {QPointF(52, 14), QPointF(64, 16), QPointF(70, 25)}) {
        p.drawEllipse(r, 1.2, 1.2);
    }

    // Head thrust forward, heavy jaw, tusks.
    QPainterPath head;
    head.moveTo(30, 20);
    head.cubicTo(22, 8, 4, 10, 2, 24);
    head.cubicTo(0, 32, 6, 40, 16, 40);
    head.cubicTo(26, 40, 34, 34, 30, 20);
    head.closeSubpath();
    p.setBrush(hide);
    p.drawPath(head);
    QPainterPath jaw;
    jaw.moveTo(-2, 29);
    jaw.cubicTo(-3, 40, 10, 44, 22, 39);
    jaw.lineTo(24, 32);
    jaw.cubicTo(14, 34, 4, 33, -2, 29);
    jaw.closeSubpath();
    p.setBrush(HideShadow);
    p.drawPath(jaw);
    p.setBrush(QColor(250, 244, 220));
    for (double x : {2.0, 14.0}) {
        QPolygonF tusk;
        tusk << QPointF(x, 33) << QPointF(x + 3, 33) << QPointF(x + 1, 26);
        p.drawPolygon(tusk);
    }
    // Brow ridge and small mean eyes.
    p.setBrush(HideShadow);
    QPainterPath brow;
    brow.moveTo(2, 19);
    brow.quadTo(12, 13, 24, 18);
    brow.lineTo(22, 21);
    brow.quadTo(12, 17, 3, 22);
    brow.closeSubpath();
    p.drawPath(brow);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 40, 20));
    p.drawEllipse(QPointF(8, 23), 2.2, 1.6);
    p.drawEllipse(QPointF(18, 23), 2.0, 1.5);
    p.setBrush(QColor(255, 230, 200));
    p.drawEllipse(QPointF(8.5, 22.5), 0.7, 0.6);
    p.setPen(line);
    // Ear.
    QPolygonF ear;
    ear << QPointF(26, 20) << QPointF(36, 10) << QPointF(31, 24);
    p.setBrush(Hide);
    p.drawPolygon(ear);

    // The gun: far too big, held low and pointing left.
    QLinearGradient steel(0, 38, 0, 56);
    steel.setColorAt(0.0, QColor(150, 150, 160));
    steel.setColorAt(1.0, QColor(50, 50, 58));
    p.setBrush(steel);
    p.drawRoundedRect(QRectF(-6, 38, 54, 14), 3, 3);
    p.drawRect(QRectF(-44, 41, 40, 6));
    p.drawRect(QRectF(-34, 39.5, 4, 9));
    p.setBrush(QColor(120, 60, 30));
    p.drawEllipse(QPointF(18, 56), 9, 7); // drum magazine
    p.setBrush(QColor(200, 160, 40));
    p.drawEllipse(QPointF(18, 56), 3, 2.4);

    // Fists around the gun.
    p.setBrush(Hide);
    p.drawEllipse(QPointF(4, 50), 7, 6);
    p.drawEllipse(QPointF(36, 52), 8, 7);
    p.restore();

    paintMuzzleFlash(p, BruteOrigin + QPointF(-50, 44));
}

void LinksPainter::paintZarrow(QPainter& p, Prng& prng)
{
    QPainterPath frame;
    frame.addRoundedRect(ZarrowFrame, 6, 6);
    QLinearGradient sky(ZarrowFrame.topLeft(), ZarrowFrame.bottomLeft());
    sky.setColorAt(0.0, QColor(120, 40, 12));
    sky.setColorAt(0.6, QColor(200, 90, 30));
    sky.setColorAt(1.0, QColor(60, 20, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawPath(frame);

    p.save();
    p.setClipPath(frame);
    StarScatter::cloud(p, prng,
                       {ZarrowFrame.adjusted(0, 20, 0, 0), 24, 6, 18, QColor(40, 20, 10, 120),
                        QColor(90, 40, 20, 90), 0.7});
    // Tracer fire streaking away to the left.
    for (int i = 0; i < 7; ++i) {
        const double y = 118 + prng.jitter() * 6;
        const double x = prng.range(108, 140);
        p.setPen(QPen(QColor(255, 240, 160), 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x, y), QPointF(x + 6, y + prng.jitter()));
    }
    paintBrute(p);
    p.restore();

    p.setPen(QPen(QColor(150, 150, 160), 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(frame);
    p.setPen(QPen(Outline, 1.0));
    p.drawRoundedRect(ZarrowFrame.adjusted(1.5, 1.5, -1.5, -1.5), 5, 5);

    QFont heavy(TextStyle::SansFamily);
    heavy.setBold(true);
    const QPainterPath word = TextStyle::fitted(QStringLiteral("ZARROW"), heavy, ZarrowWord, false);
    p.setPen(QPen(Outline, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(word);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(word);

    const QFont small = TextStyle::smooth(TextStyle::SansFamily, 8, true);
    p.setFont(small);
    p.setPen(Qt::white);
    p.drawText(QPointF(ZarrowWord.left() + 1, ZarrowWord.bottom() + 10), QStringLiteral("FORUM"));
}

QImage LinksPainter::render()
{
    QImage image(Size, QImage::Format_RGB32);
    Prng prng(Seed);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        paintSpace(p, prng);
        paintBrannoch(p);
        paintVelquist(p);
        paintZarrow(p, prng);
    }
    PaintTexture::grain(image, prng, 2);
    return image;
}
