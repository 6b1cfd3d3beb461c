#pragma once

#include <QAbstractButton>

namespace chronavell {

// A click area over a picture or a caption: a button that draws nothing of its own, so what
// lies beneath shows through, but a focus frame when reached with the keyboard. Space or Return
// presses it; a double click is one click, not two.
class Hotspot : public QAbstractButton
{
    Q_OBJECT

public:
    explicit Hotspot(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

} // namespace chronavell
