#pragma once
// What a session asks its window (or the command line) to do. The engine
// decides; the caller only carries the actions out, in order. An action may
// show a message box, whose event loop can deliver further events to the
// engine before the remaining actions of the list are carried out.

#include "shell/Messages.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace q716 {

struct SessionAction {
    enum Kind {
        Send,             // bytes: write them to the port
        Caption,          // text: caption of the status label `Label`
        LabelVisible,     // on: show or hide `Label`
        ProgressVisible,  // on: show or hide `ProgressBar1`
        ProgressRange,    // value..maximum of `ProgressBar1`
        ProgressValue,    // value of `ProgressBar1`
        ControlsEnabled,  // on: Toolbar1, mnupro and toolbar buttons 5 and 6
        EnableFrame1,     // enable Frame1 and give Combo1 the focus
        Timer1Enabled,    // on: the watchdog timer
        Timer2Enabled,    // on: the blinker timer
        ShowMessage,      // message: show it through the localised message box
        LoadImage,        // text: spread this read image over the editor (the host's
                          // loadImage), then refresh every window
        SessionSucceeded, // the session finished successfully (for callers without windows)
        SessionFailed     // the watchdog, a lost port or a password mismatch ended the session
    };
    explicit SessionAction(Kind k) : kind(k) {}
    Kind kind;
    QByteArray bytes;
    QString text;
    bool on = false;
    int value = 0;
    int maximum = 0;
    Message message;
};

using SessionActions = QList<SessionAction>;

} // namespace q716
