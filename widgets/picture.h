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
    // Copies part of another picture into this one's own bitmap, scaled to the target
    // rectangle (one to one where the sizes agree), and repaints just that part.
    void paste(const QImage& source, const QRect& from, const QRect& to);
    bool stretch() const { return stretch_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
    bool stretch_ = false;
};

} // namespace chronavell
