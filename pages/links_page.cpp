#include "pages/links_page.h"

#include "widgets/hotspot.h"
#include "widgets/jpeg_decoder.h"
#include "widgets/picture.h"
#include "widgets/place_control.h"

namespace chronavell {
namespace {

Hotspot* PlaceHotspot(QWidget* page, const char* name, QRect geometry, const QString& hint)
{
    auto* area = PlaceControl<Hotspot>(page, name, geometry);
    area->setCursor(Qt::PointingHandCursor);
    area->setToolTip(hint);
    return area;
}

} // namespace

LinksPage::LinksPage(QWidget* parent)
    : QWidget(parent), Image8(PlaceControl<Picture>(this, "Image8", {0, 0, 437, 144})),
      LinkVelquist(
          PlaceHotspot(this, "LinkVelquist", {288, -8, 153, 81},
                       QStringLiteral("The Velquist provided the information for the Timeline"))),
      LinkZarrow(PlaceHotspot(this, "LinkZarrow", {96, 48, 193, 113},
                              QStringLiteral("Got Zarrow? Get Zarrow here!"))),
      LinkBrannoch(PlaceHotspot(this, "LinkBrannoch", {0, 0, 161, 65},
                                QStringLiteral("Click Here to visit the Brannoch website")))
{
    Image8->setDeferredImage([] { return LoadJpeg(QStringLiteral(":/assets/links.jpg")); });
    Image8->setStretch(true);
}

} // namespace chronavell
