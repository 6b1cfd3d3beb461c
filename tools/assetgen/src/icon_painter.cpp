#include "icon_painter.h"

#include "colour_quantiser.h"
#include "text_style.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

// Geometry on a 32-unit grid; half-unit offsets put 1-unit strokes on pixel
// centres at the smallest size.
constexpr double Grid = 32.0;
const QRectF Page(3.5, 6.5, 25.0, 24.0);
constexpr double PageCorner = 2.0;
constexpr double HeaderHeight = 6.0;
constexpr std::array<double, 4> RingX{8.0, 13.0, 19.0, 24.0};
constexpr double RingTop = 2.5;
constexpr double RingBottom = 10.5;
constexpr double RingWidth = 2.6;
const QRectF Lettering(7.5, 14.5, 17.0, 13.5);

const QColor Outline(44, 28, 22);
const QColor ParchmentTop(244, 238, 218);
const QColor ParchmentLow(208, 196, 166);
const QColor HeaderTop(156, 26, 26);
const QColor HeaderLow(96, 10, 12);
const QColor Red(214, 22, 18);
const QColor RedEdge(104, 6, 6);

} // namespace

void IconPainter::paintPage(QPainter& p)
{
    QLinearGradient parchment(Page.topLeft(), Page.bottomLeft());
    parchment.setColorAt(0.0, ParchmentTop);
    parchment.setColorAt(1.0, ParchmentLow);
    QPainterPath page;
    page.addRoundedRect(Page, PageCorner, PageCorner);

    p.setPen(Qt::NoPen);
    p.setBrush(parchment);
    p.drawPath(page);

    p.save();
    p.setClipPath(page);
    QRectF header(Page.left(), Page.top(), Page.width(), HeaderHeight);
    QLinearGradient band(header.topLeft(), header.bottomLeft());
    band.setColorAt(0.0, HeaderTop);
    band.setColorAt(1.0, HeaderLow);
    p.setBrush(band);
    p.drawRect(header);
    // A folded-over lower corner gives the page some depth.
    QPolygonF fold;
    fold << QPointF(Page.right() - 5, Page.bottom()) << QPointF(Page.right(), Page.bottom() - 5)
         << QPointF(Page.right(), Page.bottom());
    p.setBrush(QColor(150, 136, 108));
    p.drawPolygon(fold);
    p.restore();

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Outline, 1.0));
    p.drawPath(page);
    p.drawLine(QPointF(Page.left(), Page.top() + HeaderHeight),
               QPointF(Page.right(), Page.top() + HeaderHeight));
}

void IconPainter::paintRings(QPainter& p)
{
    for (double x : RingX) {
        // The punched hole in the header, then the wire loop through it.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(20, 12, 10));
        p.drawEllipse(QPointF(x, RingBottom - 1.5), 1.3, 1.1);
        QRectF loop(x - RingWidth / 2, RingTop, RingWidth, RingBottom - RingTop - 1.5);
        p.setBrush(QColor(58, 58, 66));
        p.setPen(QPen(QColor(24, 24, 28), 0.6));
        p.drawRoundedRect(loop, RingWidth / 2, RingWidth / 2);
        p.setPen(QPen(QColor(214, 216, 226), 0.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x - 0.2, RingTop + 1.0), QPointF(x - 0.2, RingBottom - 3.0));
    }
}

void IconPainter::paintLettering(QPainter& p)
{
    QFont font(TextStyle::SerifFamily);
    font.setBold(true);
    const QPainterPath m = TextStyle::fitted(QStringLiteral("M"), font, Lettering, false);
    p.setPen(QPen(RedEdge, 0.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Red);
    p.drawPath(m);
}

void IconPainter::hardenAlpha(QImage& image)
{
    // The classic icon format has a one-bit mask; edge pixels either join
    // the (dark) outline or vanish.
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = line[x];
            line[x] =
                qAlpha(c) >= ColourQuantiser::AlphaCutoff ? (c | 0xff000000u) : qRgba(0, 0, 0, 0);
        }
    }
}

QImage IconPainter::render(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / Grid, size / Grid);
        paintPage(p);
        paintRings(p);
        paintLettering(p);
    }
    image = image.convertToFormat(QImage::Format_ARGB32);
    hardenAlpha(image);
    return image;
}

QImage IconPainter::renderIndexed(int size)
{
    return ColourQuantiser::quantise(render(size));
}
