#pragma once

#include <QColor>
#include <QWidget>

namespace chronavell {

enum class TFillDirection
{
    fdTopToBottom, // ColorFrom at the top, Color towards the bottom
    fdBottomToTop  // Color at the top, ColorFrom towards the bottom
};

// A vertical two-colour gradient in 65 horizontal bands, meant to lie behind a dialog's or a
// page's content. It covers its parent's whole area and keeps itself beneath its siblings,
// whatever geometry it was given.
class TGradientFill : public QWidget
{
    Q_OBJECT

public:
    explicit TGradientFill(QWidget* parent = nullptr);

    void setColor(const QColor& colour);
    void setColorFrom(const QColor& colour);
    void setFillDirection(TFillDirection direction);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void followParent();
    void keepBeneathSiblings();

    QColor color_ = Qt::blue;
    QColor colorFrom_ = Qt::black;
    TFillDirection direction_ = TFillDirection::fdTopToBottom;
};

} // namespace chronavell
