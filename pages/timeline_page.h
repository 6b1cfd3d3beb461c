#pragma once

#include <QWidget>

class QPushButton;

namespace chronavell {

class Picture;
class Shape;
class TimelineStrip;

// The third page: the setting's history on a strip almost twice as wide as the page, scrolled
// with "Past" and "Future", and a ring on the millennium the conversion page holds.
class TimelinePage : public QWidget
{
    Q_OBJECT

public:
    explicit TimelinePage(QWidget* parent = nullptr);

    // Rings millennium 0 to 50 and scrolls the strip to bring the ring into view.
    void PlaceYouRHere(int millennium);

private:
    // "Past" scrolls towards earlier times, "Future" towards later ones.
    void BitBtn1Click();
    void BitBtn2Click();
    // The buttons' flags follow from the offset alone: each end disables the button that
    // would scroll past it.
    void setStripOffset(int offset);

    // In painting order; the marker lies on the strip.
    Picture* battle_;
    TimelineStrip* strip_;
    QPushButton* past_;
    QPushButton* future_;
    Shape* marker_;
};

} // namespace chronavell
