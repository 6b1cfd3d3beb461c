#pragma once

#include <QFont>
#include <QImage>
#include <QWidget>

namespace chronavell {

// The setting's history as one picture: a star field framed in red, five ages with their
// captions, a line of millennium ticks with their labels, and the events above them
// (timeline_history.h). It never changes, so it is painted from those tables, not built of
// controls; only the page scrolls it.
class TimelineStrip : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Width = 825;
    static constexpr int Height = 117;

    explicit TimelineStrip(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage starField_;
    QFont eraFont_;
    QFont markFont_;
};

} // namespace chronavell
