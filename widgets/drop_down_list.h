#pragma once

#include <QComboBox>
#include <QPalette>

class QAbstractItemView;

namespace chronavell {

// A drop-down list of rows of one fixed height. It opens below its box, or above it where the
// screen has no room below, and shows every row without scrolling, as a drop-down list does;
// the desktop's style may otherwise open it over the box with the chosen row on the box.
//
// Its popup is made when first opened. Qt's own list builds its popup, a list view in a
// window of its own, as soon as its font is set: for the class list, on a page not on show,
// 3.5 million instructions before the first frame (bench/startup/profile.sh, 2026-12-08:
// 101.3 against 97.8 million) and the popup's memory, spent at start for nothing.
class DropDownList : public QComboBox
{
    Q_OBJECT

public:
    DropDownList(int rowHeight, QWidget* parent = nullptr);

    // The popup takes the list's face and these colours.
    void setPopupPalette(const QPalette& colours);
    void showPopup() override;
    // The popup's list of rows, made now if it is not yet: a screen reader lists the rows.
    QAbstractItemView* popupView();

protected:
    void changeEvent(QEvent* event) override;

private:
    void makePopup();

    int rowHeight_;
    QPalette popupColours_;
    bool popupMade_ = false;
};

} // namespace chronavell
