#pragma once

#include <QDialog>

class QToolButton;

namespace chronavell {

class TGradientFill;

// The Check Date Classes dialog: the ten classes of the check digit, each with a short
// explanation, over a gradient, and a Close button. It reads and changes nothing, so every
// opening builds a fresh one.
class TFCheckDate : public QDialog
{
    Q_OBJECT

public:
    // How a showing ended: closed (the Close button, Escape, the close box), or with Ctrl+Q,
    // the program's key for ending it, which the dialog's modal showing would otherwise keep
    // from the window that opened it. The opener carries it out.
    enum class Ending
    {
        Closed,
        Quit
    };

    explicit TFCheckDate(QWidget* parent = nullptr);

    // Creates the dialog over `parent`, shows it modally and destroys it afterwards, also
    // when showing it throws. The caller's timers go on ticking meanwhile.
    static Ending showModal(QWidget* parent);

    // Over the middle of the screen the parent window is on, not over the parent.
    void centreOnScreen();

private:
    // The Close button's handler: ends the modal showing with the cancel result.
    void SpeedButton1Click();

    // Beneath everything else; the labels are made after it, each class's caption before its
    // explanation, so that a screen reader reads them in that order.
    TGradientFill* gradient_;
    QToolButton* close_;
};

} // namespace chronavell
