#include "icon_painter.h"

#include "colour_quantiser.h"
#include "text_style.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

// Geometry on a 32-unit grid; half-unit offsets put 1-unit strokes on pixel
// centres at the smallest size.
constexpr double kGrid = 32.0;
const QRectF kPage(3.5, 6.5, 25.0, 24.0);
constexpr double kPageCorner = 2.0;
constexpr double kHeaderHeight = 6.0;
constexpr std::array<double, 4> kRingX{8.0, 13.0, 19.0, 24.0};
constexpr double kRingTop = 2.5;
constexpr double kRingBottom = 10.5;
constexpr double kRingWidth = 2.6;
const QRectF kLettering(7.5, 14.5, 17.0, 13.5);

const QColor kOutline(44, 28, 22);
const QColor kParchmentTop(244, 238, 218);
const QColor kParchmentLow(208, 196, 166);
const QColor kHeaderTop(156, 26, 26);
const QColor kHeaderLow(96, 10, 12);
const QColor kRed(214, 22, 18);
const QColor kRedEdge(104, 6, 6);

} // namespace

void IconPainter::paintPage(QPainter& p)
{
    QLinearGradient parchment(kPage.topLeft(), kPage.bottomLeft());
    parchment.setColorAt(0.0, kParchmentTop);
    parchment.setColorAt(1.0, kParchmentLow);
    QPainterPath page;
    page.addRoundedRect(kPage, kPageCorner, kPageCorner);

    p.setPen(Qt::NoPen);
    p.setBrush(parchment);
    p.drawPath(page);

    p.save();
    p.setClipPath(page);
    QRectF header(kPage.left(), kPage.top(), kPage.width(), kHeaderHeight);
    QLinearGradient band(header.topLeft(), header.bottomLeft());
    band.setColorAt(0.0, kHeaderTop);
    band.setColorAt(1.0, kHeaderLow);
    p.setBrush(band);
    p.drawRect(header);
    // A folded-over lower corner gives the page some depth.
    QPolygonF fold;
    fold << QPointF(kPage.right() - 5, kPage.bottom()) << QPointF(kPage.right(), kPage.bottom() - 5)
         << QPointF(kPage.right(), kPage.bottom());
    p.setBrush(QColor(150, 136, 108));
    p.drawPolygon(fold);
    p.restore();

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kOutline, 1.0));
    p.drawPath(page);
    p.drawLine(QPointF(kPage.left(), kPage.top() + kHeaderHeight),
               QPointF(kPage.right(), kPage.top() + kHeaderHeight));
}

void IconPainter::paintRings(QPainter& p)
{
    for (double x : kRingX) {
        // The punched hole in the header, then the wire loop through it.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(20, 12, 10));
        p.drawEllipse(QPointF(x, kRingBottom - 1.5), 1.3, 1.1);
        QRectF loop(x - kRingWidth / 2, kRingTop, kRingWidth, kRingBottom - kRingTop - 1.5);
        p.setBrush(QColor(58, 58, 66));
        p.setPen(QPen(QColor(24, 24, 28), 0.6));
        p.drawRoundedRect(loop, kRingWidth / 2, kRingWidth / 2);
        p.setPen(QPen(QColor(214, 216, 226), 0.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x - 0.2, kRingTop + 1.0), QPointF(x - 0.2, kRingBottom - 3.0));
    }
}

void IconPainter::paintLettering(QPainter& p)
{
    QFont font(TextStyle::serifFamily);
    font.setBold(true);
    const QPainterPath m = TextStyle::fitted(QStringLiteral("M"), font, kLettering, false);
    p.setPen(QPen(kRedEdge, 0.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kRed);
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
                qAlpha(c) >= ColourQuantiser::alphaCutoff ? (c | 0xff000000u) : qRgba(0, 0, 0, 0);
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
        p.scale(size / kGrid, size / kGrid);
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
