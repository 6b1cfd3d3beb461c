#pragma once

#include <QWidget>

namespace chronavell {

class Hotspot;
class Picture;
class SiteOpener;

// The fourth page: one picture of three sites' banners, each under an invisible area that
// opens its site. The areas overlap: the one on top takes the click.
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
    Hotspot* brannoch_;
    Hotspot* zarrow_;
    Hotspot* velquist_;
};

} // namespace chronavell
