#pragma once
// Form6, the functions of the two programmable side keys PF1 and PF2, with a
// picture of the radio marking the key whose list has the focus.

#include "dialogs/HidingDialog.h"

class QComboBox;
class QLabel;

namespace q716 {

class Form6 : public HidingDialog {
    Q_OBJECT
  public:
    Form6(EditorState& state, QWidget* mainWindow);

    void refreshFromState() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Combo1_GotFocus();
    void Combo2_GotFocus();
    void Command1_Click();
    void Command2_Click();

    QComboBox *Combo1, *Combo2;
    QLabel *Image1, *Picture1, *Picture2;
};

} // namespace q716
