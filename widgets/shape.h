#pragma once

#include <QWidget>

namespace chronavell {

// A rectangle or circle drawn with a pen of some width over a solid fill, or no fill; the
// outline lies inside the control's bounds.
class Shape : public QWidget
{
    Q_OBJECT

public:
    enum class Kind
    {
        Rectangle,
        Circle
    };

    explicit Shape(QWidget* parent = nullptr);

    void setKind(Kind kind);
    void setPen(const QColor& colour, int width);
    // An invalid colour leaves the inside clear.
    void setFill(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_ = Kind::Rectangle;
    QColor penColour_ = Qt::black;
    int penWidth_ = 1;
    QColor fill_ = Qt::white;
};

} // namespace chronavell
