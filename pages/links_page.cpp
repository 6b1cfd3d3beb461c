#include "pages/links_page.h"

#include "widgets/hotspot.h"
#include "widgets/jpeg_decoder.h"
#include "widgets/picture.h"

namespace chronavell {
namespace {

template <typename Control> Control* Place(QWidget* page, const char* name, QRect geometry)
{
    auto* control = new Control(page);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(geometry);
    return control;
}

Hotspot* PlaceHotspot(QWidget* page, const char* name, QRect geometry, const QString& hint)
{
    auto* area = Place<Hotspot>(page, name, geometry);
    area->setCursor(Qt::PointingHandCursor);
    area->setToolTip(hint);
    return area;
}

} // namespace

LinksPage::LinksPage(QWidget* parent)
    : QWidget(parent), Image8(Place<Picture>(this, "Image8", {0, 0, 437, 144})),
      LinkVelquist(
          PlaceHotspot(this, "LinkVelquist", {288, -8, 153, 81},
                       QStringLiteral("The Velquist provided the information for the Timeline"))),
      LinkZarrow(PlaceHotspot(this, "LinkZarrow", {96, 48, 193, 113},
                              QStringLiteral("Got Zarrow? Get Zarrow here!"))),
      LinkBrannoch(PlaceHotspot(this, "LinkBrannoch", {0, 0, 161, 65},
                                QStringLiteral("Click Here to visit the Brannoch website")))
{
    Image8->setImage(LoadJpeg(QStringLiteral(":/assets/links.jpg")));
    Image8->setStretch(true);
}

} // namespace chronavell
