#pragma once
// The in-place editor of the dialogs' grids: a one-line box that opens on a
// single click, may refuse to open, may filter the keys typed into it, may
// cut input-method commits to a cell's size, and reports every finished edit
// once.

#include <QChar>
#include <QStyledItemDelegate>
#include <functional>
#include <optional>

namespace q716 {

class GridCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using CanEdit = std::function<bool(int row, int column)>;
    using KeyFilter = std::function<std::optional<QChar>(QChar typed)>;

    // commitLimit: the characters an input-method commit may fill a cell up
    // to (the commit also passes the key filter); negative for no limit.
    GridCellDelegate(CanEdit canEdit, KeyFilter keyFilter, QObject* parent, int commitLimit = -1);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

  signals:
    // The user finished editing cell (row, column); the model holds the text.
    void edited(int row, int column) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    CanEdit canEdit_;
    KeyFilter keyFilter_;
    int commitLimit_;
};

} // namespace q716
