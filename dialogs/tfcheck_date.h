#pragma once

#include <QDialog>

#include <array>

class QToolButton;

namespace chronavell {

class Shape;
class TGradientFill;
class TextLabel;

// The Check Date Classes dialog: the ten classes of the check digit, each with a short
// explanation, over a gradient, and a Close button. It reads and changes nothing, so every
// opening builds a fresh one.
class TFCheckDate : public QDialog
{
    Q_OBJECT

public:
    static constexpr int ClassCount = 10;

    explicit TFCheckDate(QWidget* parent = nullptr);

    // Creates the dialog over `parent`, shows it modally and destroys it afterwards, also
    // when showing it throws. The caller's timers go on ticking meanwhile.
    static void showModal(QWidget* parent);

    // The Close button's handler: ends the modal showing with the cancel result.
    void SpeedButton1Click();

    // Controls in painting order, the bottom one first.
    TGradientFill* GradientFill1;
    QToolButton* SpeedButton1;
    TextLabel* TitleLabel;
    std::array<TextLabel*, ClassCount> ClassTexts{};
    TextLabel* Class6Note = nullptr;
    std::array<TextLabel*, ClassCount> ClassCaptions{};
    Shape* WhiteRule = nullptr;
};

} // namespace chronavell
