#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

namespace chronavell {

// A picture drawn at its own size from the control's top-left corner, or stretched to fill
// the control. Whatever falls outside the control is not seen.
class Picture : public QWidget
{
    Q_OBJECT

public:
    explicit Picture(QWidget* parent = nullptr);

    void setImage(const QImage& image);
    // The picture is made only when it is first drawn or asked for: a page the user may never
    // open costs nothing at start. Decoding the pictures of the pages not on show at once
    // costs 26 million instructions more before the first frame, a quarter more than the
    // whole start-up (bench/startup/profile.sh, 2026-12-08: 124 against 98 million).
    void setDeferredImage(std::function<QImage()> make);
    const QImage& image() const;
    void setStretch(bool on);
    // Copies part of another picture into this one's own bitmap, scaled to the target
    // rectangle (one to one where the sizes agree), and repaints just that part.
    void paste(const QImage& source, const QRect& from, const QRect& to);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void makeDeferred() const;

    mutable QImage image_;
    mutable std::function<QImage()> make_;
    bool stretch_ = false;
};

} // namespace chronavell
