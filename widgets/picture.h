#pragma once

#include <QImage>
#include <QWidget>

namespace chronavell {

// A picture drawn at its own size from the control's top-left corner, or stretched to fill
// the control. Whatever falls outside the control is not seen.
class Picture : public QWidget
{
    Q_OBJECT

public:
    explicit Picture(QWidget* parent = nullptr);

    void setImage(const QImage& image);
    const QImage& image() const { return image_; }
    void setStretch(bool on);
    bool stretch() const { return stretch_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
    bool stretch_ = false;
};

} // namespace chronavell
