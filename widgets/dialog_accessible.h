#pragma once

#include <QAccessibleWidget>

class QDialog;

namespace chronavell {

// A dialog as a screen reader should know it: modal when it is, so that the reader keeps to
// it and says so. Qt's own description of a dialog leaves the state out.
class DialogAccessible : public QAccessibleWidget
{
public:
    explicit DialogAccessible(QDialog* dialog);

    QAccessible::State state() const override;
};

} // namespace chronavell
