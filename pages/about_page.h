#pragma once

#include <QUrl>
#include <QWidget>

#include <functional>

class QFrame;

namespace chronavell {

class Picture;
class Shape;
class TGradientFill;
class TextLabel;

// The fifth page: the program's title, version, rights notice and credits over a gradient,
// a violet band with the portrait, and the icon in a sunken panel. One hidden label links
// to the site of the contributor who supplied the timeline.
class AboutPage : public QWidget
{
    Q_OBJECT

public:
    // Hands a web address to the desktop. The result is not looked at: a failed open is the
    // desktop's to report.
    using OpenSite = std::function<void(const QUrl&)>;

    explicit AboutPage(QWidget* parent = nullptr);

    // By default the desktop's own handler opens the site; the main window passes its own.
    void setSiteOpener(OpenSite open);

    // Marks the hidden link as visited and opens the timeline contributor's site.
    void Label59Click();

    // Controls in painting order, the bottom one first.
    TGradientFill* GradientFill4;
    TextLabel* Label52;
    TextLabel* Label53;
    TextLabel* Label54;
    TextLabel* Label4;
    Shape* Shape38;
    TextLabel* Label5;
    TextLabel* Label55;
    TextLabel* Label57;
    TextLabel* Label58;
    TextLabel* Label59;
    Shape* Shape39;
    Picture* Image6;
    QFrame* Panel1;
    Picture* Image1;

private:
    OpenSite openSite_;
};

} // namespace chronavell
