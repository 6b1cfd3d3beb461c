#include "pages/links_page.h"

#include "pages/site_addresses.h"
#include "pages/site_opener.h"
#include "widgets/hotspot.h"
#include "widgets/jpeg_decoder.h"
#include "widgets/picture.h"
#include "widgets/place_control.h"
#include "widgets/tabbed_notebook.h"

namespace chronavell {
namespace {

// A screen reader hears the site's short name, and the hint as what the area is for.
Hotspot* PlaceHotspot(QWidget* page, const char* name, QRect geometry, const char* site,
                      const QString& hint)
{
    auto* area = PlaceControl<Hotspot>(page, name, geometry);
    area->setToolTip(hint);
    area->setAccessibleName(QString::fromLatin1(site));
    return area;
}

} // namespace

LinksPage::LinksPage(SiteOpener& opener, QWidget* parent)
    : QWidget(parent), opener_(opener),
      banners_(PlaceControl<Picture>(this, "Image8", QRect(QPoint(), PageSize))),
      // Made from left to right, the order Tab reaches them in.
      brannoch_(PlaceHotspot(this, "LinkBrannoch", {0, 0, 161, 65}, "Brannoch website",
                             QStringLiteral("Click Here to visit the Brannoch website"))),
      zarrow_(PlaceHotspot(this, "LinkZarrow", {96, 48, 193, 113}, "Zarrow forum",
                           QStringLiteral("Got Zarrow? Get Zarrow here!"))),
      velquist_(
          PlaceHotspot(this, "LinkVelquist", {288, -8, 153, 81}, "Velquist archive",
                       QStringLiteral("The Velquist provided the information for the Timeline")))
{
    setObjectName(QStringLiteral("Links"));
    banners_->setDeferredImage([] { return LoadJpeg(QStringLiteral(":/assets/links.jpg")); });
    banners_->setStretch(true);
    // Then stacked as the banners ask: where areas overlap, the publisher's wins over the
    // forum's, and the forum's over the timeline site's.
    zarrow_->raise();
    brannoch_->raise();
    connect(brannoch_, &Hotspot::clicked, this, &LinksPage::LinkBrannochClick);
    connect(zarrow_, &Hotspot::clicked, this, &LinksPage::LinkZarrowClick);
    connect(velquist_, &Hotspot::clicked, this, &LinksPage::LinkVelquistClick);
}

void LinksPage::LinkBrannochClick()
{
    opener_.open(BrannochSite);
}

void LinksPage::LinkZarrowClick()
{
    opener_.open(ZarrowSite);
}

void LinksPage::LinkVelquistClick()
{
    opener_.open(VelquistSite);
}

} // namespace chronavell
