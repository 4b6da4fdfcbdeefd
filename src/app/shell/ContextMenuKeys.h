#pragma once
// Shift+F10 and the Menu key open a table's context menu at its current
// cell, as a right click there would: the keyboard user's way to it.

#include <QObject>

class QAbstractItemView;

namespace q716 {

class ContextMenuKeys : public QObject {
    Q_OBJECT
  public:
    explicit ContextMenuKeys(QAbstractItemView* view);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void openAtCurrentCell();
    QAbstractItemView* view_;
};

} // namespace q716
