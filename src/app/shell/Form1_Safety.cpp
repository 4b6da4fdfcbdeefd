// Safe writes: the read before and the read-back check after a write, the
// comparisons with the radio and with a channel file, the backups folder and
// the session log.
#include "shell/Form1.h"

#include "files/Backups.h"
#include "files/FileDialogs.h"
#include "safety/CompareWindow.h"
#include "safety/LinkSafety.h"
#include "safety/LogWindow.h"
#include "safety/VerifyWindow.h"
#include "shell/LocalMsgBox.h"
#include "shell/UrlOpener.h"

#include <QAction>
#include <QDir>
#include <QMenu>

namespace q716 {

void Form1::buildSafetyMenus() {
    auto action = [this](const char* name) {
        auto* a = new QAction(this);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    mnuCompareFile = action("mnuCompareFile");
    mnuFile->insertAction(mnuline, mnuCompareFile);

    mnupro->addSeparator();
    mnuReadBeforeWrite = action("mnuReadBeforeWrite");
    mnuReadBeforeWrite->setCheckable(true);
    mnuReadBeforeWrite->setChecked(LinkSafety::readBeforeWriteSetting());
    mnupro->addAction(mnuReadBeforeWrite);
    mnuVerifyAfterWrite = action("mnuVerifyAfterWrite");
    mnuVerifyAfterWrite->setCheckable(true);
    mnuVerifyAfterWrite->setChecked(LinkSafety::verifyAfterWriteSetting());
    mnupro->addAction(mnuVerifyAfterWrite);
    mnuCompareRadio = action("mnuCompareRadio");
    mnupro->addAction(mnuCompareRadio);

    mnuBackupFolder = action("mnuBackupFolder");
    mnuset->addAction(mnuBackupFolder);

    mnuCommLog = action("mnuCommLog");
    mnuhelp->insertAction(mnuabout, mnuCommLog);

    connect(mnuReadBeforeWrite, &QAction::triggered, this, &Form1::mnuReadBeforeWrite_Click);
    connect(mnuVerifyAfterWrite, &QAction::triggered, this, &Form1::mnuVerifyAfterWrite_Click);
    connect(mnuCompareRadio, &QAction::triggered, this, &Form1::mnuCompareRadio_Click);
    connect(mnuCompareFile, &QAction::triggered, this, &Form1::mnuCompareFile_Click);
    connect(mnuBackupFolder, &QAction::triggered, this, &Form1::mnuBackupFolder_Click);
    connect(mnuCommLog, &QAction::triggered, this, &Form1::mnuCommLog_Click);
}

void Form1::createSafety() {
    safety = new LinkSafety(*link, state, this);
    registerCaptionWindow(safety->compareWindow());
    registerCaptionWindow(safety->logWindow());
    registerCaptionWindow(safety->verifyWindow());
}

void Form1::mnuVerifyAfterWrite_Click() {
    LinkSafety::setVerifyAfterWriteSetting(mnuVerifyAfterWrite->isChecked());
}

void Form1::mnuReadBeforeWrite_Click() {
    LinkSafety::setReadBeforeWriteSetting(mnuReadBeforeWrite->isChecked());
}

void Form1::mnuCompareRadio_Click() {
    safety->compareWithRadio();
}

void Form1::mnuCompareFile_Click() {
    const QString path = chooseChannelFileToOpen(this);
    if (!path.isEmpty())
        safety->compareWithFile(path);
}

void Form1::mnuBackupFolder_Click() {
    const QString folder = backupFolder();
    QDir().mkpath(folder);
    if (!openUrl(QUrl::fromLocalFile(folder)))
        LocalMsgBox(backupFolderMessage(state.values.languageCode, folder));
}

void Form1::mnuCommLog_Click() {
    safety->showLog();
}

} // namespace q716
