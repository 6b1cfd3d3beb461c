#include "conversion_background_painter.h"

#include "conversion_layout.h"
#include "heraldry.h"
#include "paint_texture.h"
#include "palette.h"
#include "prng.h"
#include "text_style.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace {

using L = ConversionLayout;

constexpr std::uint64_t kSeed = 0xC0FFEE;

// Panelling: the selector strip, the field plate, the button column and the
// Imperial half (exactly the region the blink strip replaces).
constexpr QRect kSelectorPlate(0, 0, 156, 41);
constexpr QRect kFieldPlate(0, 41, 156, 103);
constexpr QRect kButtonPlate(156, 0, 49, 144);
constexpr QRect kImperialPlate = L::blinkRegion;

constexpr QRect kGrille(10, 47, 138, 21);
constexpr int kGrilleSlotWidth = 12;
constexpr int kGrilleSlotHeight = 3;
constexpr int kGrilleColumnStep = 17;
constexpr int kGrilleRowStep = 7;

constexpr QRect kButtonBay(157, 64, 47, 76);
constexpr QPointF kHourglass(180.5, 33.0);
constexpr double kHourglassHalfHeight = 21.0;
constexpr double kHourglassHalfWidth = 11.0;

constexpr int kRecessMargin = 2;

// Caption rows.
constexpr int kFieldCaptionBaseline = 84;
constexpr int kUpperCaptionBaseline = 127;
constexpr int kLowerCaptionBaseline = 137;
constexpr int kTitleBaseline = 11;
constexpr QPointF kMillenniumMark(348.0, 105.0);

constexpr double kWingSpan = 46.0;
constexpr double kWingRise = 17.0;
constexpr double kWingDrop = 32.0;
constexpr int kWingFeathers = 7;

const Heraldry::Tones kBoneTones{QColor(232, 224, 200), QColor(176, 166, 140), QColor(92, 84, 70),
                                 QColor(16, 12, 10)};
const Heraldry::Tones kBronzeTones{QColor(196, 160, 96), QColor(128, 96, 52), QColor(56, 40, 22),
                                   QColor(14, 10, 6)};

const QColor kCaptionShadow(0, 0, 0, 170);

QColor shade(QRgb rgb, int alpha)
{
    return Palette::of(rgb, alpha);
}

} // namespace

void ConversionBackgroundPainter::paintRivet(QPainter& p, QPointF at)
{
    QRadialGradient g(at - QPointF(0.6, 0.6), 2.2);
    g.setColorAt(0.0, QColor(150, 156, 166));
    g.setColorAt(1.0, QColor(40, 44, 50));
    p.setPen(QPen(shade(Palette::slateEdge, 255), 0.6));
    p.setBrush(g);
    p.drawEllipse(at, 1.7, 1.7);
}

void ConversionBackgroundPainter::paintPlate(QPainter& p, const QRect& plate)
{
    QLinearGradient g(plate.topLeft(), plate.bottomLeft());
    g.setColorAt(0.0, QColor(255, 255, 255, 14));
    g.setColorAt(1.0, QColor(0, 0, 0, 40));
    p.fillRect(plate, g);

    // Bevel: lit from the top left.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(shade(Palette::slateLight, 255));
    p.drawLine(plate.topLeft(), plate.topRight());
    p.drawLine(plate.topLeft(), plate.bottomLeft());
    p.setPen(shade(Palette::slateEdge, 255));
    p.drawLine(plate.bottomLeft(), plate.bottomRight());
    p.drawLine(plate.topRight(), plate.bottomRight());
    p.setRenderHint(QPainter::Antialiasing, true);

    constexpr double kInset = 4.5;
    const QRectF r = QRectF(plate).adjusted(kInset, kInset, -kInset, -kInset);
    for (QPointF corner : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()}) {
        paintRivet(p, corner);
    }
}

void ConversionBackgroundPainter::paintRecess(QPainter& p, const QRect& control)
{
    // A sunken socket a little larger than the control, so a dark frame
    // shows around it once the control is laid on top.
    const QRect socket =
        control.adjusted(-kRecessMargin, -kRecessMargin, kRecessMargin - 1, kRecessMargin - 1);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    p.fillRect(socket, shade(Palette::slateEdge, 255));
    p.setPen(shade(Palette::slateDark, 255));
    p.drawRect(socket);
    p.setPen(QColor(112, 120, 132));
    p.drawLine(socket.bottomLeft() + QPoint(0, 1), socket.bottomRight() + QPoint(1, 1));
    p.drawLine(socket.topRight() + QPoint(1, 0), socket.bottomRight() + QPoint(1, 1));
    p.setRenderHint(QPainter::Antialiasing, true);
}

void ConversionBackgroundPainter::paintVentGrille(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int y = kGrille.top(); y + kGrilleSlotHeight <= kGrille.bottom(); y += kGrilleRowStep) {
        for (int x = kGrille.left(); x + kGrilleSlotWidth <= kGrille.right();
             x += kGrilleColumnStep) {
            const QRect slot(x, y, kGrilleSlotWidth, kGrilleSlotHeight);
            p.fillRect(slot, QColor(10, 11, 13));
            p.setPen(QColor(96, 104, 116));
            p.drawLine(slot.bottomLeft() + QPoint(0, 1), slot.bottomRight() + QPoint(0, 1));
            p.setPen(QColor(24, 26, 30));
            p.drawLine(slot.topLeft() - QPoint(0, 1), slot.topRight() - QPoint(0, 1));
        }
    }
    p.setRenderHint(QPainter::Antialiasing, true);
}

void ConversionBackgroundPainter::paintButtonBay(QPainter& p)
{
    QLinearGradient g(kButtonBay.topLeft(), kButtonBay.bottomLeft());
    g.setColorAt(0.0, QColor(16, 18, 22));
    g.setColorAt(1.0, QColor(28, 31, 36));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(kButtonBay, g);
    p.setPen(shade(Palette::slateEdge, 255));
    p.drawLine(kButtonBay.topLeft(), kButtonBay.topRight());
    p.drawLine(kButtonBay.topLeft(), kButtonBay.bottomLeft());
    p.setPen(QColor(100, 108, 120));
    p.drawLine(kButtonBay.bottomLeft(), kButtonBay.bottomRight());
    p.drawLine(kButtonBay.topRight(), kButtonBay.bottomRight());
    p.setRenderHint(QPainter::Antialiasing, true);
}

void ConversionBackgroundPainter::paintHourglass(QPainter& p)
{
    // A brass hourglass in the free space above the convert buttons: the
    // page is about time, after all.
    const double top = kHourglass.y() - kHourglassHalfHeight;
    const double bottom = kHourglass.y() + kHourglassHalfHeight;
    const double w = kHourglassHalfWidth;
    const double cx = kHourglass.x();

    QPainterPath glass;
    glass.moveTo(cx - w + 2, top + 3);
    glass.cubicTo(cx - w + 2, kHourglass.y() - 6, cx - 1.5, kHourglass.y() - 3, cx - 1.2,
                  kHourglass.y());
    glass.cubicTo(cx - 1.5, kHourglass.y() + 3, cx - w + 2, kHourglass.y() + 6, cx - w + 2,
                  bottom - 3);
    glass.lineTo(cx + w - 2, bottom - 3);
    glass.cubicTo(cx + w - 2, kHourglass.y() + 6, cx + 1.5, kHourglass.y() + 3, cx + 1.2,
                  kHourglass.y());
    glass.cubicTo(cx + 1.5, kHourglass.y() - 3, cx + w - 2, kHourglass.y() - 6, cx + w - 2,
                  top + 3);
    glass.closeSubpath();
    p.setPen(QPen(QColor(150, 170, 180, 160), 0.8));
    p.setBrush(QColor(40, 60, 70, 150));
    p.drawPath(glass);

    // Sand: most of it already run through, as it should be on this page.
    QPainterPath sand;
    sand.moveTo(cx - w + 3, bottom - 3);
    sand.quadTo(cx, bottom - 13, cx + w - 3, bottom - 3);
    sand.closeSubpath();
    sand.addEllipse(QPointF(cx, kHourglass.y() - 5), 2.5, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 170, 90));
    p.drawPath(sand);
    p.setPen(QPen(QColor(214, 170, 90), 0.8));
    p.drawLine(QPointF(cx, kHourglass.y()), QPointF(cx, bottom - 8));

    QLinearGradient brass(cx - w, 0, cx + w, 0);
    brass.setColorAt(0.0, QColor(90, 64, 26));
    brass.setColorAt(0.4, QColor(220, 180, 100));
    brass.setColorAt(1.0, QColor(80, 56, 22));
    p.setPen(QPen(QColor(20, 14, 8), 0.8));
    p.setBrush(brass);
    p.drawRoundedRect(QRectF(cx - w, top, 2 * w, 3.5), 1, 1);
    p.drawRoundedRect(QRectF(cx - w, bottom - 3.5, 2 * w, 3.5), 1, 1);
    for (double x : {cx - w + 1.2, cx + w - 2.4}) {
        p.drawRect(QRectF(x, top + 3.5, 1.2, bottom - top - 7));
    }
}

void ConversionBackgroundPainter::paintEmblem(QPainter& p)
{
    const QRectF& box = L::skullBox;
    const double cx = box.center().x();

    // A dark halo lifts the emblem off the panelling.
    QRadialGradient halo(QPointF(cx, box.center().y()), 62);
    halo.setColorAt(0.0, QColor(0, 0, 0, 120));
    halo.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(QPointF(cx, box.center().y()), 66, 44);

    for (bool left : {true, false}) {
        Heraldry::WingShape w;
        w.root = QPointF(cx + (left ? -12 : 12), L::browY + 2);
        w.span = kWingSpan;
        w.rise = kWingRise;
        w.drop = kWingDrop;
        w.feathers = kWingFeathers;
        w.toLeft = left;
        Heraldry::paintWing(p, w, kBronzeTones, 0.8);
    }
    Heraldry::paintSkull(p, Heraldry::skull(box), kBoneTones, 1.0);

    // The winged device on the brow: a bronze band with a small red gem.
    QPainterPath band;
    band.moveTo(cx - 14, L::browY - 4);
    band.quadTo(cx, L::browY - 9, cx + 14, L::browY - 4);
    band.lineTo(cx + 12, L::browY - 1);
    band.quadTo(cx, L::browY - 5, cx - 12, L::browY - 1);
    band.closeSubpath();
    p.setPen(QPen(kBronzeTones.outline, 0.7));
    p.setBrush(kBronzeTones.light);
    p.drawPath(band);
    for (int side : {-1, 1}) {
        QPainterPath pinion;
        pinion.moveTo(cx + side * 4, L::browY - 6);
        pinion.lineTo(cx + side * 15, L::browY - 13);
        pinion.lineTo(cx + side * 12, L::browY - 8);
        pinion.lineTo(cx + side * 16, L::browY - 9);
        pinion.lineTo(cx + side * 9, L::browY - 4);
        pinion.closeSubpath();
        p.drawPath(pinion);
    }
    QRadialGradient gem(QPointF(cx - 0.8, L::browY - 7.5), 3.5);
    gem.setColorAt(0.0, QColor(255, 140, 120));
    gem.setColorAt(1.0, QColor(120, 0, 0));
    p.setBrush(gem);
    p.drawEllipse(QPointF(cx, L::browY - 6.5), 2.6, 2.6);
}

void ConversionBackgroundPainter::paintLamp(QPainter& p, QPointF centre, LampColour colour)
{
    const double r = L::lampRadius;
    QLinearGradient bezel(centre - QPointF(r, r), centre + QPointF(r, r));
    bezel.setColorAt(0.0, QColor(170, 176, 186));
    bezel.setColorAt(1.0, QColor(30, 32, 38));
    p.setPen(QPen(QColor(8, 8, 10), 0.7));
    p.setBrush(bezel);
    p.drawEllipse(centre, r + 1.6, r + 1.6);

    const bool green = colour == LampColour::Green;
    QRadialGradient glass(centre - QPointF(r * 0.35, r * 0.35), r * 1.3);
    glass.setColorAt(0.0, green ? QColor(110, 220, 120) : QColor(240, 90, 76));
    glass.setColorAt(0.5, green ? QColor(24, 128, 48) : QColor(156, 18, 16));
    glass.setColorAt(1.0, green ? QColor(6, 44, 16) : QColor(52, 4, 4));
    p.setPen(QPen(QColor(10, 10, 12), 0.6));
    p.setBrush(glass);
    p.drawEllipse(centre, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawEllipse(centre - QPointF(r * 0.38, r * 0.42), r * 0.26, r * 0.18);
}

void ConversionBackgroundPainter::paintLampColumn(QPainter& p)
{
    QLinearGradient g(L::lampHousing.topLeft(), L::lampHousing.topRight());
    g.setColorAt(0.0, QColor(12, 13, 16));
    g.setColorAt(1.0, QColor(30, 33, 38));
    p.setPen(QPen(QColor(100, 108, 120), 1.0));
    p.setBrush(g);
    p.drawRoundedRect(L::lampHousing, 4, 4);
    for (std::size_t i = 0; i < L::lampY.size(); ++i) {
        paintLamp(p, {L::lampX, L::lampY[i]}, i == 0 ? LampColour::Green : LampColour::Red);
    }
}

void ConversionBackgroundPainter::paintCaptions(QPainter& p)
{
    const QFont title = TextStyle::crisp(TextStyle::sansFamily, 10, true);
    const QFont caption = TextStyle::crisp(TextStyle::sansFamily, 9, false);
    const QFont mark = TextStyle::crisp(TextStyle::sansFamily, 12, true);
    const QColor grey = Palette::of(Palette::captionGrey);
    const QColor white = Palette::of(Palette::captionWhite);
    const QColor yellow = Palette::of(Palette::captionYellow);

    TextStyle::draw(p, 4, kTitleBaseline, QStringLiteral("Date Information"), title, grey,
                    kCaptionShadow);

    TextStyle::draw(p, L::monthField.left(), kFieldCaptionBaseline, QStringLiteral("Month"),
                    caption, white, kCaptionShadow);
    TextStyle::draw(p, L::dayField.left(), kFieldCaptionBaseline, QStringLiteral("Day"), caption,
                    white, kCaptionShadow);
    TextStyle::draw(p, L::yearField.left(), kFieldCaptionBaseline, QStringLiteral("Year"), caption,
                    white, kCaptionShadow);

    TextStyle::draw(p, kMillenniumMark.x(), kMillenniumMark.y(), QStringLiteral(".M"), mark, white,
                    kCaptionShadow);

    auto under = [&](const QRect& control, const QString& upper, const QString& lower) {
        const double cx = control.left() + control.width() / 2.0;
        TextStyle::drawCentred(p, cx, kUpperCaptionBaseline, upper, caption, yellow,
                               kCaptionShadow);
        if (!lower.isEmpty()) {
            TextStyle::drawCentred(p, cx, kLowerCaptionBaseline, lower, caption, yellow,
                                   kCaptionShadow);
        }
    };
    under(L::checkDigit, QStringLiteral("Check"), QStringLiteral("Date"));
    under(L::segmentField, QStringLiteral("Year"), QStringLiteral("Segment"));
    under(L::imperialYearField, QStringLiteral("Year"), QString());
    under(L::millenniumField, QStringLiteral("Millennium"), QString());
}

QImage ConversionBackgroundPainter::render()
{
    QImage image(L::pageSize, QImage::Format_RGB32);
    Prng prng(kSeed);
    // The metal texture is applied to the raw pixels before any painting.
    image.fill(Palette::slateMid);
    PaintTexture::brushedMetal(image, image.rect(), prng, 7);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        for (const QRect& plate : {kSelectorPlate, kFieldPlate, kButtonPlate, kImperialPlate}) {
            paintPlate(p, plate);
        }
        paintVentGrille(p);
        paintButtonBay(p);
        paintHourglass(p);
        for (const QRect& control :
             {L::classList, L::monthField, L::dayField, L::yearField, L::checkDigit,
              L::segmentField, L::imperialYearField, L::millenniumField}) {
            paintRecess(p, control);
        }
        paintEmblem(p);
        paintLampColumn(p);
        paintCaptions(p);
    }
    return image.convertToFormat(QImage::Format_RGB888);
}
