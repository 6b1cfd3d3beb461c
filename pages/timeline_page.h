#pragma once

#include <QWidget>

class QPushButton;

namespace chronavell {

class Picture;
class Shape;

// The third page: the setting's history on a strip almost twice as wide as the page, scrolled
// with "Past" and "Future", and a ring on the millennium the conversion page holds. Unlike the
// other pages it keeps its own behaviour: the strip's offset and the two buttons' flags belong
// to nobody else, and the main window only tells it the millennium.
class TimelinePage : public QWidget
{
    Q_OBJECT

public:
    explicit TimelinePage(QWidget* parent = nullptr);

    // The strip's offset runs from showing its left end (0) to showing its right end.
    static constexpr int StripWidth = 825;
    static constexpr int PageWidth = 437;
    static constexpr int LeftmostOffset = PageWidth - StripWidth;
    static constexpr int ScrollStep = 20;

    // "Past" scrolls towards earlier times, "Future" towards later ones.
    void BitBtn1Click();
    void BitBtn2Click();
    // Rings millennium 0 to 50 and scrolls the strip to bring the ring into view.
    void PlaceYouRHere(int millennium);

    int stripOffset() const;

    // Controls in painting order; the strip's own contents lie on DateLine.
    Picture* Image7;
    QWidget* DateLine;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    Picture* Image5;
    Shape* YouRHere;

private:
    void setStripOffset(int offset);
};

} // namespace chronavell
