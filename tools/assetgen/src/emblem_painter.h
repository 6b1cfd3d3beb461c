#pragma once

#include <QImage>
#include <QSize>

class QPainter;

// The grey winged skull on black that fills the first page. The program
// stretches it to a wider frame, so it is drawn in that frame's proportions
// and squeezed into the stored size.
class EmblemPainter
{
public:
    static constexpr QSize Size{219, 120};
    static constexpr QSize ShownSize{281, 129};

    static QImage render();

private:
    static void paintBackdrop(QPainter& p);
    static void paintWings(QPainter& p);
    static void paintDevice(QPainter& p);
};
