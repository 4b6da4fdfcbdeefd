#pragma once
// Paints the cells of a grid's fixed column the way its heading row is
// painted, so that the channel numbers read as headings, not as data. A
// selected channel's heading is painted pressed in the selection colour.

#include <QStyledItemDelegate>

namespace q716 {

class RowSelection;

class FixedColumnDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    FixedColumnDelegate(const RowSelection* selection, QObject* parent)
        : QStyledItemDelegate(parent), selection_(selection) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

  private:
    const RowSelection* selection_;
};

// The data cells of a selected channel get a light wash of the selection
// colour over their own background.
class SelectedRowDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    SelectedRowDelegate(const RowSelection* selection, QObject* parent)
        : QStyledItemDelegate(parent), selection_(selection) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

  private:
    const RowSelection* selection_;
};

} // namespace q716
