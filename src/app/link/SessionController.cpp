#include "link/SessionController.h"

#include "image/BuildImage.h"
#include "image/LoadImage.h"
#include "shell/LocalMsgBox.h"

#include <QWidget>

#include <algorithm>

namespace q716 {

SessionController::SessionController(QWidget* owner, EditorState& state, SessionWindow& window)
    : QObject(owner), window_(window), MSComm1_(new MSComm1(owner)), port_(MSComm1_),
      host_(
          state, [](const EditorState& s) { return BuildImage(s); },
          [](EditorState& s, const QString& hex) { LoadImage(s, hex, localMessageFn()); }),
      session_(host_) {
    Timer1 = new QTimer(owner);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    Timer2 = new QTimer(owner);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(200);
    connect(Timer1, &QTimer::timeout, this, &SessionController::Timer1_Timer);
    connect(Timer2, &QTimer::timeout, this, &SessionController::Timer2_Timer);
    connect(MSComm1_, &MSComm1::received, this, &SessionController::MSComm1_OnComm);
    connect(MSComm1_, &MSComm1::hungUp, this, &SessionController::MSComm1_HungUp);
}

void SessionController::startRead() {
    apply(session_.startRead(port_->isOpen()));
}

void SessionController::startWrite() {
    apply(session_.startWrite(port_->isOpen()));
}

bool SessionController::startPasswordChange() {
    const SessionActions actions = session_.startPasswordChange(port_->isOpen());
    const bool started = std::any_of(actions.begin(), actions.end(), [](const SessionAction& a) {
        return a.kind == SessionAction::Send;
    });
    apply(actions);
    return started;
}

void SessionController::Send() {
    session_.WatchdogCount = 0;
    session_.RxHex.clear();
    port_->output(session_.SendBuffer);
}

void SessionController::MSComm1_OnComm() {
    apply(session_.bytesReceived(port_->input()));
}

void SessionController::MSComm1_HungUp() {
    apply(session_.portLost());
}

void SessionController::Timer1_Timer() {
    apply(session_.timer1Tick());
}

void SessionController::Timer2_Timer() {
    apply(session_.timer2Tick());
}

void SessionController::apply(const SessionActions& actions) {
    for (const SessionAction& a : actions) {
        switch (a.kind) {
        case SessionAction::Send:
            port_->output(a.bytes);
            break;
        case SessionAction::Caption:
            window_.setStatusCaption(a.text);
            break;
        case SessionAction::LabelVisible:
            window_.setStatusVisible(a.on);
            break;
        case SessionAction::ProgressVisible:
            window_.setProgressVisible(a.on);
            break;
        case SessionAction::ProgressRange:
            window_.setProgressRange(a.value, a.maximum);
            break;
        case SessionAction::ProgressValue:
            window_.setProgressValue(a.value);
            break;
        case SessionAction::ControlsEnabled:
            window_.setSessionControlsEnabled(a.on);
            break;
        case SessionAction::EnableFrame1:
            window_.enableFrame1AndFocusCombo1();
            break;
        case SessionAction::Timer1Enabled:
            switchTimer(Timer1, a.on);
            break;
        case SessionAction::Timer2Enabled:
            switchTimer(Timer2, a.on);
            break;
        case SessionAction::ShowMessage:
            LocalMsgBox(a.message);
            break;
        case SessionAction::LoadImage:
            host_.loadImage(a.text);
            window_.refreshFromState();
            break;
        case SessionAction::SessionSucceeded:
        case SessionAction::SessionFailed:
            emit sessionFinished(a.kind == SessionAction::SessionSucceeded);
            break;
        }
    }
}

void SessionController::switchTimer(QTimer* timer, bool on) {
    if (timerSwitch_)
        timerSwitch_(timer, on);
    else if (on)
        timer->start();
    else
        timer->stop();
}

} // namespace q716
