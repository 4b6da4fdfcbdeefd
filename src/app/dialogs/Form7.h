#pragma once
// Form7, the two lines of embedded information, at most 32 typed characters
// each, with a note when a line holds characters the radio keeps as "?".

#include "dialogs/HidingDialog.h"

class QLabel;
class QLineEdit;

namespace q716 {

class Form7 : public HidingDialog {
    Q_OBJECT
  public:
    Form7(EditorState& state, QWidget* mainWindow);

    // Also renews the note's language.
    void refreshFromState() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void showHint();
    void Command1_Click();
    void Command2_Click();

    QLineEdit *Text1, *Text2;
    QLabel* LblHint = nullptr;
};

} // namespace q716
