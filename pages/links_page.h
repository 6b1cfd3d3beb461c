#pragma once

#include <QWidget>

namespace chronavell {

class Hotspot;
class Picture;
class SiteOpener;

// The fourth page: one picture of three sites' banners, each under an invisible area that
// opens its site. Areas made later lie on top and take the click where they overlap.
class LinksPage : public QWidget
{
    Q_OBJECT

public:
    explicit LinksPage(SiteOpener& opener, QWidget* parent = nullptr);

private:
    void LinkBrannochClick();
    void LinkZarrowClick();
    void LinkVelquistClick();

    SiteOpener& opener_;
    Picture* banners_;
    Hotspot* velquist_;
    Hotspot* zarrow_;
    Hotspot* brannoch_;
};

} // namespace chronavell
