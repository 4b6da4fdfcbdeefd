#pragma once
// Paints the cells of a grid's fixed column the way its heading row is
// painted, so that the channel numbers read as headings, not as data.

#include <QStyledItemDelegate>

namespace q716 {

class FixedColumnDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

} // namespace q716
