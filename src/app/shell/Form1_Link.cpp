// The radio link on the main window: the port, the sessions and what they show.
#include "shell/Form1.h"

#include "channels/DropDownCombo.h"
#include "edit/EditHistory.h"
#include "link/FormCOM.h"
#include "link/FormUsePass.h"
#include "link/SessionController.h"
#include "shell/AccessibleInterfaces.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QToolBar>

namespace q716 {

void Form1::createLink() {
    link = new SessionController(this, state, *this);
    link->setStepRecorder(history);
    formCOM = new FormCOM(link->comm(), state, this);
    // Loading the port dialog scans the ports and opens the remembered one.
    formCOM->Form_Load();
    formUsePass = new FormUsePass(
        *link, state, [this] { refreshControls(); }, this);
    registerCaptionWindow(formCOM);
    registerCaptionWindow(formUsePass);
    createSafety();
}

void Form1::Send() {
    link->Send();
}

void Form1::mnureadFre_Click() {
    link->startRead();
}

void Form1::mnuwriteFre_Click() {
    link->startWrite();
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

} // namespace q716
