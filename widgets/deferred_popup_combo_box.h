#pragma once

#include <QComboBox>
#include <QPalette>

namespace chronavell {

// A drop-down list whose popup is made when it is first opened. Qt's own list builds its
// popup, a list view in a window of its own, as soon as its font is set: for the class list,
// on a page not on show, 3.5 million instructions before the first frame (bench/startup/
// profile.sh, 2026-12-08: 101.3 against 97.8 million) and the popup's memory, spent at start
// for nothing. The popup takes the list's face and the colours given here.
class DeferredPopupComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit DeferredPopupComboBox(QWidget* parent = nullptr);

    void setPopupPalette(const QPalette& colours);
    void showPopup() override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void makePopup();

    QPalette popupColours_;
    bool popupMade_ = false;
};

} // namespace chronavell
