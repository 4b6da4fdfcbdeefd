// The channel file commands New, Open and Save, the file the editor holds,
// and the question before unsaved changes would be lost.
#include "shell/Form1.h"

#include "channels/ChannelTable.h"
#include "edit/EditHistory.h"
#include "files/ChannelFile.h"
#include "files/FileDialogs.h"
#include "safety/StoredValuesCheck.h"
#include "shell/LocalMsgBox.h"
#include "shell/WindowTitle.h"

#include <QFileInfo>
#include <QTableWidget>

namespace q716 {

void Form1::mnuNew_Click() {
    const int language = state.values.languageCode;
    // With unsaved changes their question replaces New's own: Discard or a
    // save already says the table may go.
    const bool unsaved = history->hasUnsavedChanges();
    if (unsaved && !askToSaveChanges(ReplacingCommand::New))
        return;
    const int answer = unsaved ? ResultOk : LocalMsgBox(newTableQuestion(language));
    {
        const StepScope step(history, {EditStep::NewTable});
        answerNewTable(state.form1.grid, answer);
    }
    // The new table belongs to no file: the channel sheet names none either.
    if (answer != ResultCancel) {
        setHeldFile({});
        lastFileName.clear();
    }
    refreshGrid();
}

void Form1::mnuOpen_Click() {
    if (!askToSaveChanges(ReplacingCommand::Open))
        return;
    const QString path = chooseChannelFileToOpen(this, heldFile_);
    if (!path.isEmpty())
        loadChannelFile(path);
}

void Form1::openChannelFileNamed(const QString& path) {
    if (askToSaveChanges(ReplacingCommand::Open))
        loadChannelFile(path);
}

void Form1::loadChannelFile(const QString& path) {
    const int language = state.values.languageCode;
    FileResult result;
    {
        const StepScope step(history, {EditStep::OpenFile});
        result = openChannelFile(state, path, localMessageFn());
    }
    // A name that cannot be read is no channel file either; say so instead
    // of ending without a word.
    if (result.status == FileStatus::CannotOpen)
        LocalMsgBox(wrongTypeMessage(language));
    if (result.ok()) {
        lastFileName = path;
        setHeldFile(path);
        history->markSaved();
        refreshFromState();
        tellValuesNotStored(state);
    }
}

void Form1::mnuAssave_Click() {
    if (!confirmStoredValues(state, WayOut::Save))
        return;
    QString path;
    for (;;) {
        path = chooseChannelFileToSave(this, heldFile_);
        if (path.isEmpty())
            return;
        if (!QFileInfo::exists(path))
            break;
        if (LocalMsgBox(overwriteQuestion(state.values.languageCode)) == ResultYes)
            break;
    }
    // The title names the file only once it holds what the editor shows.
    if (saveChannelFile(state, path).ok()) {
        lastFileName = path;
        setHeldFile(path);
        history->markSaved();
    } else
        LocalMsgBox(saveFailedMessage(state.values.languageCode));
}

void Form1::setHeldFile(const QString& path) {
    heldFile_ = path;
    showTitle();
}

void Form1::showTitle() {
    setWindowTitle(mainWindowTitle(heldFile_, state.values.languageCode));
}

bool Form1::askToSaveChanges(ReplacingCommand command) {
    if (!history || !history->hasUnsavedChanges())
        return true;
    switch (LocalMsgBox(unsavedChangesQuestion(command, state.values.languageCode))) {
    case ResultYes:
        mnuAssave_Click();
        return !history->hasUnsavedChanges();
    case ResultNo:
        return true;
    default:
        return false;
    }
}

} // namespace q716
