// The channel file commands New, Open and Save.
#include "shell/Form1.h"

#include "channels/ChannelTable.h"
#include "edit/EditHistory.h"
#include "files/ChannelFile.h"
#include "files/FileDialogs.h"
#include "shell/FileQuestions.h"
#include "shell/LocalMsgBox.h"

#include <QDir>
#include <QFileInfo>
#include <QTableWidget>

namespace q716 {

void Form1::mnuNew_Click() {
    int answer = ResultCancel;
    {
        const StepScope step(history, {EditStep::NewTable});
        const MessageFn ask = localMessageFn();
        runNewCommand(state.form1.grid, state.values.languageCode,
                      [&](const Message& m) { return answer = ask(m); });
    }
    // The new table belongs to no file: the channel sheet names none.
    if (answer != ResultCancel)
        lastFileName.clear();
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
    }
}

void Form1::mnuAssave_Click() {
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
