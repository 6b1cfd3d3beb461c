#include "blink_strip_builder.h"

#include "conversion_layout.h"
#include "heraldry.h"
#include "star_scatter.h"

#include <QPainter>
#include <QRadialGradient>

#include <cstring>
#include <numbers>
#include <stdexcept>

namespace {

using L = ConversionLayout;

constexpr double HaloRadius = 30.0;
constexpr double CoreRadius = 7.5;
constexpr double RayLength = 30.0;
const QColor Glare(200, 255, 210);
const QColor Glint(90, 160, 255);

} // namespace

void BlinkStripBuilder::paintGlare(QPainter& p, QPointF lamp)
{
    // The lamp glass itself first, switched on.
    QRadialGradient glass(lamp, L::LampRadius);
    glass.setColorAt(0.0, QColor(250, 255, 250));
    glass.setColorAt(0.6, QColor(150, 255, 170));
    glass.setColorAt(1.0, QColor(40, 200, 80));
    p.setPen(Qt::NoPen);
    p.setBrush(glass);
    p.drawEllipse(lamp, L::LampRadius, L::LampRadius);

    // Light added on top, so the panelling shows through the halo.
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    StarScatter::glow(p, lamp, HaloRadius, HaloRadius, QColor(70, 170, 90, 200));
    StarScatter::glow(p, lamp, CoreRadius * 1.6, CoreRadius * 1.6, QColor(180, 255, 190, 200),
                      0.25);
    for (int i = 0; i < 4; ++i) {
        const double a = i * std::numbers::pi / 4;
        const QPointF d(std::cos(a) * RayLength, std::sin(a) * RayLength);
        const double reach = (i % 2 == 0) ? 1.0 : 0.55;
        QLinearGradient ray(lamp - d * reach, lamp + d * reach);
        QColor edge = Glare;
        edge.setAlpha(0);
        QColor mid = Glare;
        mid.setAlpha(i % 2 == 0 ? 190 : 110);
        ray.setColorAt(0.0, edge);
        ray.setColorAt(0.5, mid);
        ray.setColorAt(1.0, edge);
        p.setPen(QPen(QBrush(ray), i % 2 == 0 ? 1.4 : 1.0));
        p.drawLine(lamp - d * reach, lamp + d * reach);
    }
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawEllipse(lamp, CoreRadius * 0.45, CoreRadius * 0.45);
}

void BlinkStripBuilder::paintEyeGlint(QPainter& p, QPointF eye, double radius)
{
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    StarScatter::glow(p, eye, radius * 0.9, radius * 0.75,
                      QColor(Glint.red(), Glint.green(), Glint.blue(), 130));
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(190, 220, 255, 200));
    p.drawEllipse(eye + QPointF(0, 0.5), radius * 0.16, radius * 0.16);
}

bool BlinkStripBuilder::restoresBackground(const QImage& strip, const QImage& background)
{
    const QImage frame0 = strip.copy(0, 0, FrameSize.width(), FrameSize.height())
                              .convertToFormat(QImage::Format_RGB888);
    const QImage region = background.copy(L::BlinkRegion).convertToFormat(QImage::Format_RGB888);
    if (frame0.size() != region.size()) {
        return false;
    }
    for (int y = 0; y < region.height(); ++y) {
        for (int x = 0; x < region.width(); ++x) {
            if (frame0.pixel(x, y) != region.pixel(x, y)) {
                return false;
            }
        }
    }
    return true;
}

QImage BlinkStripBuilder::build(const QImage& background)
{
    if (background.size() != L::PageSize) {
        throw std::runtime_error("blink strip: background has the wrong size");
    }
    const QImage unlit = background.copy(L::BlinkRegion).convertToFormat(QImage::Format_RGB32);
    QImage lit = unlit;
    {
        QPainter p(&lit);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(-L::BlinkRegion.topLeft());
        const Heraldry::Skull skull = Heraldry::skull(L::SkullBox);
        for (QPointF eye : {skull.LeftEye, skull.RightEye}) {
            paintEyeGlint(p, eye, skull.EyeRadius);
        }
        paintGlare(p, L::topLamp());
    }

    // Rows are copied byte for byte; going through QPainter here would invite
    // rounding in the very frame that has to match exactly.
    QImage strip(FrameSize.width(), FrameSize.height() * FrameCount, QImage::Format_RGB888);
    const QImage frames[FrameCount] = {unlit.convertToFormat(QImage::Format_RGB888),
                                       lit.convertToFormat(QImage::Format_RGB888)};
    const auto rowBytes = static_cast<std::size_t>(FrameSize.width()) * 3;
    for (int f = 0; f < FrameCount; ++f) {
        for (int y = 0; y < FrameSize.height(); ++y) {
            std::memcpy(strip.scanLine(f * FrameSize.height() + y), frames[f].constScanLine(y),
                        rowBytes);
        }
    }
    if (!restoresBackground(strip, background)) {
        throw std::runtime_error("blink strip: frame 0 differs from the background");
    }
    return strip;
}
