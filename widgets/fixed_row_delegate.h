#pragma once

#include <QStyledItemDelegate>

namespace chronavell {

// Draws items as usual in rows of one fixed height, whatever the style would give them.
class FixedRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    FixedRowDelegate(int rowHeight, QObject* parent = nullptr);

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int rowHeight_;
};

} // namespace chronavell
