#pragma once

#include <QWidget>

class QFrame;

namespace chronavell {

class Hotspot;
class Picture;
class Shape;
class SiteOpener;
class TGradientFill;
class TextLabel;

// The fifth page: the program's title, version, rights notice and credits over a gradient,
// a violet band with the portrait, and the icon in a sunken panel. One hidden label links
// to the site of the contributor who supplied the timeline.
class AboutPage : public QWidget
{
    Q_OBJECT

public:
    explicit AboutPage(SiteOpener& opener, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Marks the hidden link as visited and opens the timeline contributor's site.
    void Label59Click();

    SiteOpener& opener_;
    bool captionsFitted_ = false;
    // In painting order, the bottom one first.
    TGradientFill* gradient_;
    TextLabel* version_;
    TextLabel* copyrightSign_;
    TextLabel* rightsNotice_;
    TextLabel* title_;
    Shape* band_;
    TextLabel* disclaimer_;
    TextLabel* firstCredit_;
    TextLabel* secondCredit_;
    TextLabel* thirdCredit_;
    TextLabel* timelineLink_;
    Hotspot* timelineLinkArea_;
    Shape* portraitFrame_;
    Picture* portrait_;
    QFrame* iconPanel_;
    Picture* icon_;
};

} // namespace chronavell
