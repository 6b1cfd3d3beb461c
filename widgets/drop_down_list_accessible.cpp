#include "widgets/drop_down_list_accessible.h"

#include "widgets/drop_down_list.h"

#include <QAbstractItemView>

namespace chronavell {

DropDownListAccessible::DropDownListAccessible(DropDownList* list)
    : QAccessibleWidget(list, QAccessible::ComboBox)
{
}

DropDownList* DropDownListAccessible::list() const
{
    return static_cast<DropDownList*>(widget());
}

QString DropDownListAccessible::text(QAccessible::Text type) const
{
    if (type == QAccessible::Value) {
        return list()->currentText();
    }
    return QAccessibleWidget::text(type);
}

int DropDownListAccessible::childCount() const
{
    return 1;
}

QAccessibleInterface* DropDownListAccessible::child(int index) const
{
    return index == 0 ? QAccessible::queryAccessibleInterface(list()->popupView()) : nullptr;
}

int DropDownListAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    return child != nullptr && child->object() == list()->popupView() ? 0 : -1;
}

QStringList DropDownListAccessible::actionNames() const
{
    return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
}

void DropDownListAccessible::doAction(const QString& actionName)
{
    if (actionName == showMenuAction() || actionName == pressAction()) {
        list()->showPopup();
        return;
    }
    QAccessibleWidget::doAction(actionName);
}

QStringList DropDownListAccessible::keyBindingsForAction(const QString& actionName) const
{
    if (actionName == showMenuAction()) {
        return {QStringLiteral("Alt+Down")};
    }
    return QAccessibleWidget::keyBindingsForAction(actionName);
}

} // namespace chronavell
