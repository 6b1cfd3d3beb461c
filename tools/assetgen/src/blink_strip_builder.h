#pragma once

#include <QImage>
#include <QPointF>
#include <QSize>

class QPainter;

// Builds the two-frame strip the conversion page flashes its top lamp with.
// Frame 0 is cut from the finished background itself: the program restores
// the page by copying it back, so a single stray pixel would stay behind
// after every blink.
class BlinkStripBuilder
{
public:
    static constexpr QSize FrameSize{232, 144};
    static constexpr int FrameCount = 2;

    // Throws if frame 0 does not reproduce the background exactly.
    static QImage build(const QImage& background);

    static bool restoresBackground(const QImage& strip, const QImage& background);
    // Radius around the top lamp outside which (eyes apart) the lit frame
    // must not differ from the unlit one.
    static constexpr double GlareReach = 34.0;

private:
    static void paintGlare(QPainter& p, QPointF lamp);
    static void paintEyeGlint(QPainter& p, QPointF eye, double radius);
};
