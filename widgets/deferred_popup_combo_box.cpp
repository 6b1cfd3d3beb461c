#include "widgets/deferred_popup_combo_box.h"

#include <QAbstractItemView>
#include <QEvent>

namespace chronavell {

DeferredPopupComboBox::DeferredPopupComboBox(QWidget* parent) : QComboBox(parent) {}

void DeferredPopupComboBox::setPopupPalette(const QPalette& colours)
{
    popupColours_ = colours;
    if (popupMade_) {
        view()->setPalette(popupColours_);
    }
}

void DeferredPopupComboBox::makePopup()
{
    if (!popupMade_) {
        popupMade_ = true;
        view()->setPalette(popupColours_);
        // Qt's own handling of the list's face, put off until there was a popup to give it to.
        QEvent fontChange(QEvent::FontChange);
        QComboBox::changeEvent(&fontChange);
    }
}

void DeferredPopupComboBox::showPopup()
{
    makePopup();
    QComboBox::showPopup();
}

void DeferredPopupComboBox::changeEvent(QEvent* event)
{
    // The only thing the list does with a new font is hand it to its popup, making the popup
    // to do so; without one there is nothing to hand it to yet.
    if (event->type() == QEvent::FontChange && !popupMade_) {
        // Past the list's own handling on purpose: that is what would make the popup.
        QWidget::changeEvent(event); // NOLINT(bugprone-parent-virtual-call)
        return;
    }
    QComboBox::changeEvent(event);
}

} // namespace chronavell
