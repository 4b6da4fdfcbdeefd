#pragma once
// Form4, the 16 test frequency pairs: a grid whose cells open on a click and
// are lowered to the channel raster after each edit.

#include "dialogs/HidingDialog.h"

class QTableWidget;

namespace q716 {

class Form4 : public HidingDialog {
    Q_OBJECT
  public:
    Form4(EditorState& state, QWidget* mainWindow);

    ~Form4() override;

    void refreshFromState() override;

  private:
    void mfgrid1_Click(int row, int column);
    void mfgrid1_AfterEdit(int row, int column);
    void Command1_Click();
    void Command2_Click();

    QTableWidget* mfgrid1;
};

} // namespace q716
