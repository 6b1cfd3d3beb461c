#pragma once

#include <QWidget>

namespace chronavell {

class Hotspot;
class Picture;

// The fourth page: one picture of three sites' banners, each under an invisible area that
// opens its site. Areas made later lie on top and take the click where they overlap. The page
// only builds and places its controls; the main window gives them their behaviour.
class LinksPage : public QWidget
{
    Q_OBJECT

public:
    explicit LinksPage(QWidget* parent = nullptr);

    Picture* Image8;
    Hotspot* LinkVelquist;
    Hotspot* LinkZarrow;
    Hotspot* LinkBrannoch;
};

} // namespace chronavell
