#include "dialogs/DialogSet.h"

#include "dialogs/DebugDialog.h"
#include "dialogs/EmbeddedDialog.h"
#include "dialogs/Form2.h"
#include "dialogs/Form4.h"
#include "dialogs/Form5.h"
#include "dialogs/Form6.h"
#include "dialogs/Form7.h"
#include "dialogs/KeysDialog.h"
#include "dialogs/OptionsDialog.h"
#include "dialogs/TestFrequencyDialog.h"
#include "shell/LocalMsgBox.h"

namespace q716 {

DialogSet::DialogSet(EditorState& state, QWidget* mainWindow, SecondsClock clock, Loading loading)
    : QObject(mainWindow), state_(state) {
    // The load steps only change the state, which creating a dialog leaves
    // alone; the dialogs show it once they all exist.
    if (loading == Loading::LoadStoredValues)
        loadStoredValues(state);
    form2_ = new Form2(state, mainWindow);
    form4_ = new Form4(state, mainWindow);
    form5_ = new Form5(state, mainWindow, std::move(clock));
    form6_ = new Form6(state, mainWindow);
    form7_ = new Form7(state, mainWindow);
    refreshFromState();

    connect(form5_, &Form5::debugUnlockRepeated, this, [this] {
        form2_->refreshFromState();
        emit debugUnlockRepeated();
    });
}

void DialogSet::loadStoredValues(EditorState& state) {
    loadDebugDialog(state);
    loadTestFrequencyDialog(state);
    loadOptionsDialog(state, localMessageFn());
    loadKeysDialog(state);
    loadEmbeddedDialog(state);
}

QList<QWidget*> DialogSet::windowsInCaptionOrder() const {
    return {form2_, form4_, form5_, form6_, form7_};
}

void DialogSet::setStepRecorder(StepRecorder* recorder) {
    for (HidingDialog* d :
         std::initializer_list<HidingDialog*>{form2_, form4_, form5_, form6_, form7_})
        d->steps = recorder;
}

void DialogSet::refreshFromState() {
    form2_->refreshFromState();
    form4_->refreshFromState();
    form5_->refreshFromState();
    form6_->refreshFromState();
    form7_->refreshFromState();
}

} // namespace q716
