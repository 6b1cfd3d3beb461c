#include "widgets/drop_down_list.h"

#include "widgets/drop_down_list_accessible.h"
#include "widgets/drop_down_style.h"
#include "widgets/fixed_row_delegate.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QEvent>

namespace chronavell {

namespace {

QAccessibleInterface* DropDownListAccessibleFactory(const QString& className, QObject* object)
{
    auto* list = qobject_cast<DropDownList*>(object);
    if (list != nullptr && className == QLatin1String(DropDownList::staticMetaObject.className())) {
        return new DropDownListAccessible(list);
    }
    return nullptr;
}

} // namespace

DropDownList::DropDownList(int rowHeight, QWidget* parent)
    : QComboBox(parent), rowHeight_(rowHeight)
{
    [[maybe_unused]] static const bool accessibleInstalled =
        (QAccessible::installFactory(&DropDownListAccessibleFactory), true);
}

void DropDownList::setPopupPalette(const QPalette& colours)
{
    popupColours_ = colours;
    if (popupMade_) {
        view()->setPalette(popupColours_);
    }
}

void DropDownList::makePopup()
{
    if (!popupMade_) {
        popupMade_ = true;
        // A style of its own makes the list's popup as it is set, so it comes with the popup.
        auto* style = new DropDownStyle;
        style->setParent(this);
        setStyle(style);
        view()->setPalette(popupColours_);
        view()->setItemDelegate(new FixedRowDelegate(rowHeight_, view()));
        // Qt's own handling of the list's face, put off until there was a popup to give it to.
        QEvent fontChange(QEvent::FontChange);
        QComboBox::changeEvent(&fontChange);
    }
}

void DropDownList::showPopup()
{
    makePopup();
    QComboBox::showPopup();
}

QAbstractItemView* DropDownList::popupView()
{
    makePopup();
    return view();
}

void DropDownList::changeEvent(QEvent* event)
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
