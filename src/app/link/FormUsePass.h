#pragma once
// "Set Used Password": takes the old password and a new one twice, then starts
// the password change session with the radio.

#include "link/SessionController.h"
#include "state/EditorState.h"

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace q716 {

class FormUsePass : public QDialog {
    Q_OBJECT
  public:
    // passwordBoxChanged: Form1 shows the new text of its password box Text2.
    FormUsePass(SessionController& controller, EditorState& state,
                std::function<void()> passwordBoxChanged, QWidget* owner);

    void applyCaptions(int languageCode);
    void Command3_Click();
    void Command2_Click();

    // The close box and Escape act as Cancel: the dialog lives on, hidden,
    // in the current language, with no password left in its boxes.
    void reject() override;

    QLabel *Label1, *Label2, *Label3;
    QLineEdit *Text1, *Text2, *Text3;
    QPushButton *Command3, *Command2;

  private:
    SessionController& controller_;
    EditorState& state_;
    std::function<void()> passwordBoxChanged_;
};

} // namespace q716
