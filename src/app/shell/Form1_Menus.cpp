// Menu and toolbar commands, the lock, the languages, help and about.
#include "shell/Form1.h"

#include "channels/ChannelTable.h"
#include "dialogs/DialogSet.h"
#include "dialogs/HiddenGesture.h"
#include "shell/FrmAbout.h"
#include "shell/QtTranslations.h"
#include "shell/UrlOpener.h"

#include <QAction>
#include <QToolBar>

namespace q716 {

void Form1::Toolbar1_ButtonClick(QAction* button) {
    const QString key = button->property("key").toString();
    if (key == QLatin1String("new"))
        mnuNew_Click();
    else if (key == QLatin1String("open"))
        mnuOpen_Click();
    else if (key == QLatin1String("save"))
        mnuAssave_Click();
    else if (key == QLatin1String("read"))
        mnureadFre_Click();
    else if (key == QLatin1String("write"))
        mnuwriteFre_Click();
    else if (key == QLatin1String("TAnMa"))
        TAnMa_Click();
}

void Form1::mnuQuit_Click() {
    close();
}

void Form1::showDialog(const char* name) {
    finishStartup();
    for (QWidget* w : dialogs->windowsInCaptionOrder()) {
        if (w->objectName() == QLatin1String(name)) {
            w->show();
            w->raise();
            w->activateWindow();
        }
    }
}

void Form1::mnudtmf_Click() {
    showDialog("Form5");
}
void Form1::Key_enactment_Click() {
    showDialog("Form6");
}
void Form1::mnusetin_Click() {
    showDialog("Form7");
}
void Form1::mnudebug_Click() {
    showDialog("Form2");
}
void Form1::mnutestfre_Click() {
    showDialog("Form4");
}

void Form1::mnulock_Click() {
    state.form1.lockState = !state.form1.lockState;
    applyLock();
}

void Form1::mnuChinese_Click() {
    if (state.values.languageCode != 1)
        return;
    state.values.languageCode = 0;
    ApplyCaptions();
    SetGrid1Text();
    useQtTranslations(0);
}

void Form1::mnuEnglish_Click() {
    if (state.values.languageCode != 0)
        return;
    state.values.languageCode = 1;
    ApplyCaptions();
    SetGrid1Text();
    useQtTranslations(1);
}

void Form1::mnumainhelp_Click() {
    openUrl(manualUrl(state.values.languageCode));
}

void Form1::mnuabout_Click() {
    finishStartup();
    frmAbout->show();
    frmAbout->raise();
}

// The rights line would lead to the project's public page; until there is
// one, it leads to the manual.
void Form1::Label2_Click() {
    openUrl(manualUrl(state.values.languageCode));
}

void Form1::TAnMa_Click() {
    if (!tanma_.press(timeOfDay_()))
        return;
    leaveServiceMode(state);
    state.values.adminMode = false;
    if (dialogs)
        dialogs->refreshFromState();
    toolbarButton(QStringLiteral("TAnMa"))->setVisible(false);
}

} // namespace q716
