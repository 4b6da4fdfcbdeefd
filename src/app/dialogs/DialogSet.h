#pragma once
// The auxiliary dialogs of the main window: created hidden once, alive until
// the program ends, each mirroring its part of the editor state.

#include "dialogs/HiddenGesture.h"
#include "edit/StepRecorder.h"
#include "state/EditorState.h"

#include <QList>
#include <QObject>

class QWidget;

namespace q716 {

class Form2;
class Form4;
class Form5;
class Form6;
class Form7;

class DialogSet : public QObject {
    Q_OBJECT
  public:
    enum class Loading { LoadStoredValues, ValuesLoaded };

    // Creates Form2, Form4, Form5, Form6 and Form7 hidden, owned by
    // `mainWindow`, and runs their load steps on `state` unless they have run
    // already (ValuesLoaded). `clock` defaults to the system clock.
    DialogSet(EditorState& state, QWidget* mainWindow, SecondsClock clock = {},
              Loading loading = Loading::LoadStoredValues);

    // The load steps of Form2, Form4, Form5, Form6 and Form7 on `state`: the
    // main window runs them at start-up and creates the dialogs once it shows.
    static void loadStoredValues(EditorState& state);

    // Form2, Form4, Form5, Form6, Form7: the order the captions are applied in.
    QList<QWidget*> windowsInCaptionOrder() const;

    Form2* form2() const { return form2_; }
    Form4* form4() const { return form4_; }
    Form5* form5() const { return form5_; }
    Form6* form6() const { return form6_; }
    Form7* form7() const { return form7_; }

    // Each OK button becomes one undoable step of `recorder`.
    void setStepRecorder(StepRecorder* recorder);

    // Shows every dialog's controls as the state holds them; call after a
    // load, after a change of DebugUnlocked and after a language switch.
    void refreshFromState();

  signals:
    // The hidden gesture of Form5 repeated the unlock: toolbar button 7 is
    // to be shown. DebugUnlocked is already set and Form2's sliders enabled.
    void debugUnlockRepeated();

  private:
    EditorState& state_;
    Form2* form2_ = nullptr;
    Form4* form4_ = nullptr;
    Form5* form5_ = nullptr;
    Form6* form6_ = nullptr;
    Form7* form7_ = nullptr;
};

} // namespace q716
