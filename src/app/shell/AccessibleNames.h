#pragma once
// Writes the accessible texts into a window after its captions: names,
// descriptions, the labels that name the controls beside them, the headings
// its tables announce and the access keys of its menu entries.

#include <QTableWidgetItem>

class QWidget;

namespace q716 {

// `window`'s entries in the texts of `languageCode`.
void applyAccessibleTexts(QWidget* window, int languageCode);

// Names an open in-place editor of the channel table by its cell:
// "信道 3 接收频率".
void nameCellEditor(QWidget* editor, int channel, int column, int languageCode);

// A table cell that announces its table's word for "empty" when it holds no
// text, instead of nothing.
class AccessibleCellItem : public QTableWidgetItem {
  public:
    QVariant data(int role) const override;
};

} // namespace q716
