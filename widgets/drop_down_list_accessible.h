#pragma once

#include <QAccessibleWidget>

namespace chronavell {

class DropDownList;

// What a screen reader learns of a drop-down list: its own name, the chosen row as its value,
// and an action that opens it. On Linux Qt names a list by its chosen row and leaves its name
// to a label beside it; the class list's caption is painted into the page's picture, and a
// reader would hear "Class 0" for a name.
class DropDownListAccessible : public QAccessibleWidget
{
public:
    explicit DropDownListAccessible(DropDownList* list);

    QString text(QAccessible::Text type) const override;

    // The one child is the popup's list, whose rows are the list's items, as Qt's own lists
    // have it: a reader can name and count the items without opening the list.
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    DropDownList* list() const;
};

} // namespace chronavell
