#pragma once
// The common frame of the auxiliary dialogs: modeless, owned by the main
// window, and only ever hidden by its close box, OK and Cancel.

#include "edit/StepRecorder.h"
#include "state/EditorState.h"

#include <QDialog>

namespace q716 {

class HidingDialog : public QDialog {
    Q_OBJECT
  public:
    HidingDialog(const QString& name, EditorState& state, QWidget* mainWindow);

    // Shows the controls as the editor state holds them.
    virtual void refreshFromState() = 0;

    // Where OK hands its change as one undoable step; none in tests of a
    // dialog alone.
    StepRecorder* steps = nullptr;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

    EditorState& state_;
    // Puts the stored values into the controls' state. Each opening runs it,
    // so a dialog never shows values that Cancel or undo took back, which
    // its OK would store again.
    void (*loadStoredValues_)(EditorState&) = nullptr;
    // Set while refreshFromState writes the controls, so that their change
    // handlers do not write the same values back or run click rules.
    bool refreshing_ = false;
};

} // namespace q716
