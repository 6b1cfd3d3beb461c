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

constexpr std::uint64_t Seed = 0xC0FFEE;

// Panelling: the selector strip, the field plate, the button column and the
// Imperial half (exactly the region the blink strip replaces).
constexpr QRect SelectorPlate(0, 0, 156, 41);
constexpr QRect FieldPlate(0, 41, 156, 103);
constexpr QRect ButtonPlate(156, 0, 49, 144);
constexpr QRect ImperialPlate = L::BlinkRegion;

constexpr QRect Grille(10, 47, 138, 21);
constexpr int GrilleSlotWidth = 12;
constexpr int GrilleSlotHeight = 3;
constexpr int GrilleColumnStep = 17;
constexpr int GrilleRowStep = 7;

constexpr QRect ButtonBay(157, 64, 47, 76);
constexpr QPointF Hourglass(180.5, 33.0);
constexpr double HourglassHalfHeight = 21.0;
constexpr double HourglassHalfWidth = 11.0;

constexpr int RecessMargin = 2;

// Caption rows.
constexpr int FieldCaptionBaseline = 84;
constexpr int UpperCaptionBaseline = 127;
constexpr int LowerCaptionBaseline = 137;
constexpr int TitleBaseline = 11;
constexpr QPointF MillenniumMark(348.0, 105.0);

constexpr double WingSpan = 46.0;
constexpr double WingRise = 17.0;
constexpr double WingDrop = 32.0;
constexpr int WingFeathers = 7;

const Heraldry::Tones BoneTones{QColor(232, 224, 200), QColor(176, 166, 140), QColor(92, 84, 70),
                                QColor(16, 12, 10)};
const Heraldry::Tones BronzeTones{QColor(196, 160, 96), QColor(128, 96, 52), QColor(56, 40, 22),
                                  QColor(14, 10, 6)};

const QColor CaptionShadow(0, 0, 0, 170);

QColor Shade(QRgb rgb, int alpha)
{
    return Palette::of(rgb, alpha);
}

} // namespace

void ConversionBackgroundPainter::paintRivet(QPainter& p, QPointF at)
{
    QRadialGradient g(at - QPointF(0.6, 0.6), 2.2);
    g.setColorAt(0.0, QColor(150, 156, 166));
    g.setColorAt(1.0, QColor(40, 44, 50));
    p.setPen(QPen(Shade(Palette::SlateEdge, 255), 0.6));
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
    p.setPen(Shade(Palette::SlateLight, 255));
    p.drawLine(plate.topLeft(), plate.topRight());
    p.drawLine(plate.topLeft(), plate.bottomLeft());
    p.setPen(Shade(Palette::SlateEdge, 255));
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
        control.adjusted(-RecessMargin, -RecessMargin, RecessMargin - 1, RecessMargin - 1);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    p.fillRect(socket, Shade(Palette::SlateEdge, 255));
    p.setPen(Shade(Palette::SlateDark, 255));
    p.drawRect(socket);
    p.setPen(QColor(112, 120, 132));
    p.drawLine(socket.bottomLeft() + QPoint(0, 1), socket.bottomRight() + QPoint(1, 1));
    p.drawLine(socket.topRight() + QPoint(1, 0), socket.bottomRight() + QPoint(1, 1));
    p.setRenderHint(QPainter::Antialiasing, true);
}

void ConversionBackgroundPainter::paintVentGrille(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int y = Grille.top(); y + GrilleSlotHeight <= Grille.bottom(); y += GrilleRowStep) {
        for (int x = Grille.left(); x + GrilleSlotWidth <= Grille.right(); x += GrilleColumnStep) {
            const QRect slot(x, y, GrilleSlotWidth, GrilleSlotHeight);
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
    QLinearGradient g(ButtonBay.topLeft(), ButtonBay.bottomLeft());
    g.setColorAt(0.0, QColor(16, 18, 22));
    g.setColorAt(1.0, QColor(28, 31, 36));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(ButtonBay, g);
    p.setPen(Shade(Palette::SlateEdge, 255));
    p.drawLine(ButtonBay.topLeft(), ButtonBay.topRight());
    p.drawLine(ButtonBay.topLeft(), ButtonBay.bottomLeft());
    p.setPen(QColor(100, 108, 120));
    p.drawLine(ButtonBay.bottomLeft(), ButtonBay.bottomRight());
    p.drawLine(ButtonBay.topRight(), ButtonBay.bottomRight());
    p.setRenderHint(QPainter::Antialiasing, true);
}

void ConversionBackgroundPainter::paintHourglass(QPainter& p)
{
    // A brass hourglass in the free space above the convert buttons: the
    // page is about time, after all.
    const double top = Hourglass.y() - HourglassHalfHeight;
    const double bottom = Hourglass.y() + HourglassHalfHeight;
    const double w = HourglassHalfWidth;
    const double cx = Hourglass.x();

    QPainterPath glass;
    glass.moveTo(cx - w + 2, top + 3);
    glass.cubicTo(cx - w + 2, Hourglass.y() - 6, cx - 1.5, Hourglass.y() - 3, cx - 1.2,
                  Hourglass.y());
    glass.cubicTo(cx - 1.5, Hourglass.y() + 3, cx - w + 2, Hourglass.y() + 6, cx - w + 2,
                  bottom - 3);
    glass.lineTo(cx + w - 2, bottom - 3);
    glass.cubicTo(cx + w - 2, Hourglass.y() + 6, cx + 1.5, Hourglass.y() + 3, cx + 1.2,
                  Hourglass.y());
    glass.cubicTo(cx + 1.5, Hourglass.y() - 3, cx + w - 2, Hourglass.y() - 6, cx + w - 2, top + 3);
    glass.closeSubpath();
    p.setPen(QPen(QColor(150, 170, 180, 160), 0.8));
    p.setBrush(QColor(40, 60, 70, 150));
    p.drawPath(glass);

    // Sand: most of it already run through, as it should be on this page.
    QPainterPath sand;
    sand.moveTo(cx - w + 3, bottom - 3);
    sand.quadTo(cx, bottom - 13, cx + w - 3, bottom - 3);
    sand.closeSubpath();
    sand.addEllipse(QPointF(cx, Hourglass.y() - 5), 2.5, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 170, 90));
    p.drawPath(sand);
    p.setPen(QPen(QColor(214, 170, 90), 0.8));
    p.drawLine(QPointF(cx, Hourglass.y()), QPointF(cx, bottom - 8));

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
    const QRectF& box = L::SkullBox;
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
        w.Root = QPointF(cx + (left ? -12 : 12), L::BrowY + 2);
        w.Span = WingSpan;
        w.Rise = WingRise;
        w.Drop = WingDrop;
        w.Feathers = WingFeathers;
        w.ToLeft = left;
        Heraldry::paintWing(p, w, BronzeTones, 0.8);
    }
    Heraldry::paintSkull(p, Heraldry::skull(box), BoneTones, 1.0);

    // The winged device on the brow: a bronze band with a small red gem.
    QPainterPath band;
    band.moveTo(cx - 14, L::BrowY - 4);
    band.quadTo(cx, L::BrowY - 9, cx + 14, L::BrowY - 4);
    band.lineTo(cx + 12, L::BrowY - 1);
    band.quadTo(cx, L::BrowY - 5, cx - 12, L::BrowY - 1);
    band.closeSubpath();
    p.setPen(QPen(BronzeTones.Outline, 0.7));
    p.setBrush(BronzeTones.Light);
    p.drawPath(band);
    for (int side : {-1, 1}) {
        QPainterPath pinion;
        pinion.moveTo(cx + side * 4, L::BrowY - 6);
        pinion.lineTo(cx + side * 15, L::BrowY - 13);
        pinion.lineTo(cx + side * 12, L::BrowY - 8);
        pinion.lineTo(cx + side * 16, L::BrowY - 9);
        pinion.lineTo(cx + side * 9, L::BrowY - 4);
        pinion.closeSubpath();
        p.drawPath(pinion);
    }
    QRadialGradient gem(QPointF(cx - 0.8, L::BrowY - 7.5), 3.5);
    gem.setColorAt(0.0, QColor(255, 140, 120));
    gem.setColorAt(1.0, QColor(120, 0, 0));
    p.setBrush(gem);
    p.drawEllipse(QPointF(cx, L::BrowY - 6.5), 2.6, 2.6);
}

void ConversionBackgroundPainter::paintLamp(QPainter& p, QPointF centre, LampColour colour)
{
    const double r = L::LampRadius;
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
    QLinearGradient g(L::LampHousing.topLeft(), L::LampHousing.topRight());
    g.setColorAt(0.0, QColor(12, 13, 16));
    g.setColorAt(1.0, QColor(30, 33, 38));
    p.setPen(QPen(QColor(100, 108, 120), 1.0));
    p.setBrush(g);
    p.drawRoundedRect(L::LampHousing, 4, 4);
    for (std::size_t i = 0; i < L::LampY.size(); ++i) {
        paintLamp(p, {L::LampX, L::LampY[i]}, i == 0 ? LampColour::Green : LampColour::Red);
    }
}

void ConversionBackgroundPainter::paintCaptions(QPainter& p)
{
    const QFont title = TextStyle::crisp(TextStyle::SansFamily, 10, true);
    const QFont caption = TextStyle::crisp(TextStyle::SansFamily, 9, false);
    const QFont mark = TextStyle::crisp(TextStyle::SansFamily, 12, true);
    const QColor grey = Palette::of(Palette::CaptionGrey);
    const QColor white = Palette::of(Palette::CaptionWhite);
    const QColor yellow = Palette::of(Palette::CaptionYellow);

    TextStyle::draw(p, 4, TitleBaseline, QStringLiteral("Date Information"), title, grey,
                    CaptionShadow);

    TextStyle::draw(p, L::MonthField.left(), FieldCaptionBaseline, QStringLiteral("Month"), caption,
                    white, CaptionShadow);
    TextStyle::draw(p, L::DayField.left(), FieldCaptionBaseline, QStringLiteral("Day"), caption,
                    white, CaptionShadow);
    TextStyle::draw(p, L::YearField.left(), FieldCaptionBaseline, QStringLiteral("Year"), caption,
                    white, CaptionShadow);

    TextStyle::draw(p, MillenniumMark.x(), MillenniumMark.y(), QStringLiteral(".M"), mark, white,
                    CaptionShadow);

    auto under = [&](const QRect& control, const QString& upper, const QString& lower) {
        const double cx = control.left() + control.width() / 2.0;
        TextStyle::drawCentred(p, cx, UpperCaptionBaseline, upper, caption, yellow, CaptionShadow);
        if (!lower.isEmpty()) {
            TextStyle::drawCentred(p, cx, LowerCaptionBaseline, lower, caption, yellow,
                                   CaptionShadow);
        }
    };
    under(L::CheckDigit, QStringLiteral("Check"), QStringLiteral("Date"));
    under(L::SegmentField, QStringLiteral("Year"), QStringLiteral("Segment"));
    under(L::ImperialYearField, QStringLiteral("Year"), QString());
    under(L::MillenniumField, QStringLiteral("Millennium"), QString());
}

QImage ConversionBackgroundPainter::render()
{
    QImage image(L::PageSize, QImage::Format_RGB32);
    Prng prng(Seed);
    // The metal texture is applied to the raw pixels before any painting.
    image.fill(Palette::SlateMid);
    PaintTexture::brushedMetal(image, image.rect(), prng, 7);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        for (const QRect& plate : {SelectorPlate, FieldPlate, ButtonPlate, ImperialPlate}) {
            paintPlate(p, plate);
        }
        paintVentGrille(p);
        paintButtonBay(p);
        paintHourglass(p);
        for (const QRect& control :
             {L::ClassList, L::MonthField, L::DayField, L::YearField, L::CheckDigit,
              L::SegmentField, L::ImperialYearField, L::MillenniumField}) {
            paintRecess(p, control);
        }
        paintEmblem(p);
        paintLampColumn(p);
        paintCaptions(p);
    }
    return image.convertToFormat(QImage::Format_RGB888);
}
