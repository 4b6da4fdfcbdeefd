// The channel file commands New, Open and Save.
#include "shell/Form1.h"

#include "channels/ChannelTable.h"
#include "edit/EditHistory.h"
#include "files/ChannelFile.h"
#include "files/FileDialogs.h"
#include "safety/StoredValuesCheck.h"
#include "shell/FileQuestions.h"
#include "shell/LocalMsgBox.h"

#include <QDir>
#include <QFileInfo>
#include <QTableWidget>

namespace q716 {

void Form1::mnuNew_Click() {
    {
        const StepScope step(history, {EditStep::NewTable});
        runNewCommand(state.form1.grid, state.values.languageCode, localMessageFn());
    }
    refreshGrid();
}

void Form1::mnuOpen_Click() {
    const QString path = chooseChannelFileToOpen(this);
    if (path.isEmpty())
        return;
    openChannelFileNamed(path);
}

void Form1::openChannelFileNamed(const QString& path) {
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
        path = chooseChannelFileToSave(this);
        if (path.isEmpty())
            return;
        if (!QFileInfo::exists(path))
            break;
        if (LocalMsgBox(overwriteQuestion(state.values.languageCode)) == ResultYes)
            break;
    }
    setWindowTitle(ApplicationTitle + QLatin1Char('-') +
                   QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
    if (saveChannelFile(state, path).ok()) {
        lastFileName = path;
        history->markSaved();
    } else
        LocalMsgBox(saveFailedMessage(state.values.languageCode));
}

} // namespace q716
