// The radio link on the main window: the port, the sessions and what they show.
#include "shell/Form1.h"

#include "channels/DropDownCombo.h"
#include "edit/EditHistory.h"
#include "edit/StepRecorder.h"
#include "link/FormCOM.h"
#include "link/FormUsePass.h"
#include "link/SessionController.h"
#include "safety/LinkSafety.h"
#include "safety/StoredValuesCheck.h"
#include "shell/AccessibleInterfaces.h"
#include "shell/LocalMsgBox.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QToolBar>

namespace q716 {

void Form1::createLink() {
    link = new SessionController(this, state, *this);
    formCOM = new FormCOM(link->comm(), state, this);
    formUsePass = new FormUsePass(
        *link, state, [this] { refreshControls(); }, this);
    // A read brings the radio's contents, which no channel file holds.
    connect(link, &SessionController::editorLoaded, this, [this] { setHeldFile({}); });
    registerCaptionWindow(formCOM);
    registerCaptionWindow(formUsePass);
}

void Form1::createSafetyAndNotices() {
    createSafety();
    // The load comes after the end byte with the watchdog stopped, as its
    // own questions do: a box then holds nothing up.
    connect(link, &SessionController::editorLoaded, this, [this] { tellValuesNotStored(state); });
    // The port dialog follows the cable of MSComm1, not a line a test put in.
    link->setPortCheck([this]() -> std::optional<Message> {
        if (link->port() != &link->comm())
            return std::nullopt;
        return formCOM->reconnect();
    });
    connect(formCOM, &FormCOM::noticeChanged, this, &Form1::showPortNotice);
    connect(this, &Form1::captionsApplied, formCOM, &FormCOM::retranslate);
    // After the safety's own handlers, which may start the read-back.
    connect(link, &SessionController::countdownFinished, this, &Form1::showPortNotice);
    connect(link, &SessionController::sessionFinished, this, &Form1::showPortNotice);
}

void Form1::showPortNotice() {
    // A session owns the status line until its countdown is over.
    if (link->running() || link->Timer2->isActive())
        return;
    const QString notice = formCOM->notice();
    if (notice.isEmpty() && !portNoticeShown_)
        return;
    Label->setText(notice);
    Label->setVisible(!notice.isEmpty());
    portNoticeShown_ = !notice.isEmpty();
}

void Form1::Send() {
    link->resend();
}

void Form1::mnureadFre_Click() {
    // A read replaces the editor: unsaved changes are asked about first,
    // when the read can start at all.
    if (link->canStart() && !askToSaveChanges(ReplacingCommand::Read))
        return;
    link->startRead();
}

void Form1::mnuwriteFre_Click() {
    // Asked only when the write would start; otherwise the session says why not.
    if (link->canStart() && !confirmStoredValues(state, WayOut::Write))
        return;
    safety->startWrite();
}

void Form1::mnucom_Click() {
    formCOM->show();
    formCOM->raise();
    formCOM->activateWindow();
}

void Form1::mnuPass_Click() {
    formUsePass->show();
    formUsePass->raise();
    formUsePass->activateWindow();
}

void Form1::setStatusCaption(const QString& text) {
    Label->showStatus(text);
    portNoticeShown_ = false;
}

void Form1::setStatusVisible(bool visible) {
    Label->setVisible(visible);
}

void Form1::setProgressVisible(bool visible) {
    ProgressBar1->setVisible(visible);
}

void Form1::setProgressRange(int minimum, int maximum) {
    ProgressBar1->setRange(minimum, maximum);
}

void Form1::setProgressValue(int value) {
    ProgressBar1->setValue(value);
}

void Form1::setSessionControlsEnabled(bool enabled) {
    Toolbar1->setEnabled(enabled);
    mnupro->setEnabled(enabled);
    toolbarButton(QStringLiteral("read"))->setEnabled(enabled);
    toolbarButton(QStringLiteral("write"))->setEnabled(enabled);
}

void Form1::enableFrame1AndFocusCombo1() {
    Frame1->setEnabled(true);
    Combo1->setFocus();
}

void Form1::showMessage(const Message& message) {
    LocalMsgBox(message);
}

void Form1::loadIntoEditor(SessionHost& host, const QString& readHex) {
    // A read that reaches the editor is one undoable step there.
    {
        const StepScope step(history, {EditStep::ReadRadio});
        host.loadImage(readHex);
    }
    refreshFromState();
}

} // namespace q716
