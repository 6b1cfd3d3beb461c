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
        QPointF Feet;        // midpoint between the boots
        double Height = 100; // boot sole to top of the pack's exhausts
        bool FacingLeft = false;
        ArmouredFigure::Pose Pose = ArmouredFigure::Pose::Rifle;
        double Stride = 0.0; // 0 standing, 1 a long step
    };

    struct Lighting
    {
        QColor Body;
        QColor BodyLow; // towards the feet
        QColor Rim;
        QPointF TowardsLight; // unit-ish vector, picture coordinates
        QColor Eye;           // alpha 0: no lit eye lens
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
