#pragma once

#include <QColor>
#include <QWidget>

#include <cstdint>

namespace chronavell {

enum class TFillDirection
{
    fdTopToBottom, // ColorFrom at the top, Color towards the bottom
    fdBottomToTop  // Color at the top, ColorFrom towards the bottom
};

// A vertical two-colour gradient in 65 horizontal bands, meant to lie behind a dialog's or a
// page's content. It covers its parent's whole area and keeps itself beneath its siblings,
// whatever geometry it was given.
//
// Colours come in two forms: QColor, and the form files' 0x00BBGGRR values (red in the
// lowest byte). The latter have setters of their own names, because a QRgb is the same
// integer type laid out the other way round and an overload would take it silently.
class TGradientFill : public QWidget
{
    Q_OBJECT

public:
    explicit TGradientFill(QWidget* parent = nullptr);

    void setColor(const QColor& colour);
    void setColorFrom(const QColor& colour);
    void setColorBgr(std::uint32_t bgr);
    void setColorFromBgr(std::uint32_t bgr);
    void setFillDirection(TFillDirection direction);

    QColor color() const;
    QColor colorFrom() const;
    std::uint32_t colorBgr() const { return color_; }
    std::uint32_t colorFromBgr() const { return colorFrom_; }
    TFillDirection fillDirection() const { return direction_; }

    // The bands the painting is made of; the last one always lies below the control.
    static constexpr int BandCount = 65;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void followParent();
    void keepBeneathSiblings();

    std::uint32_t color_ = 0x00FF0000; // blue
    std::uint32_t colorFrom_ = 0x00000000;
    TFillDirection direction_ = TFillDirection::fdTopToBottom;
};

} // namespace chronavell
