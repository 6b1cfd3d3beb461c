#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>

class QPainter;

// A power-armoured soldier seen side-on, as a single silhouette. The
// figures are meant to be read against a bright sky, so only the outline
// matters: massive shoulder guards, a low helmet, a back-mounted pack.
class ArmouredFigure
{
public:
    enum class Pose
    {
        Rifle,
        Banner,
        BladeRaised
    };

    struct Placement
    {
        QPointF feet;        // midpoint between the boots
        double height = 100; // boot sole to top of the pack's exhausts
        bool facingLeft = false;
        Pose pose = Pose::Rifle;
        double stride = 0.0; // 0 standing, 1 a long step
    };

    struct Lighting
    {
        QColor body;
        QColor bodyLow; // towards the feet
        QColor rim;
        QPointF towardsLight; // unit-ish vector, picture coordinates
        QColor eye;           // alpha 0: no lit eye lens
    };

    static QPainterPath silhouette(const Placement& placement);
    // Tip of the banner pole (Banner pose) or sword (BladeRaised pose).
    static QPointF raisedTip(const Placement& placement);
    static QPointF eyePoint(const Placement& placement);

    static void paint(QPainter& p, const Placement& placement, const Lighting& lighting);

private:
    static QPointF toPicture(const Placement& placement, QPointF local);
    static QPainterPath localSilhouette(const Placement& placement);
};
