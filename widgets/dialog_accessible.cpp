#include "widgets/dialog_accessible.h"

#include <QDialog>

namespace chronavell {

DialogAccessible::DialogAccessible(QDialog* dialog) : QAccessibleWidget(dialog, QAccessible::Dialog)
{
}

QAccessible::State DialogAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.modal = static_cast<const QDialog*>(widget())->isModal();
    return state;
}

} // namespace chronavell
