#pragma once

#include <QWidget>

namespace chronavell {

// An area that answers a click of the left button: a press and a release both on the area.
// It draws nothing of its own.
class Hotspot : public QWidget
{
    Q_OBJECT

public:
    explicit Hotspot(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

} // namespace chronavell
