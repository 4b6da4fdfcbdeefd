#include "link/SessionController.h"

#include "compare/WriteVerify.h"
#include "image/BuildImage.h"
#include "image/LoadImage.h"
#include "link/LinkTexts.h"
#include "shell/LocalMsgBox.h"

#include <QWidget>

namespace q716 {

namespace {

bool isFirstWriteBlock(const QByteArray& message) {
    const std::optional<WrittenBlock> block = writtenBlockOf(message);
    return block && block->address == Session::FirstAddress;
}

} // namespace

SessionController::SessionController(QWidget* owner, EditorState& state, SessionWindow& window)
    : QObject(owner), window_(window), MSComm1_(new MSComm1(owner)), port_(MSComm1_),
      host_(
          state, [](const EditorState& s) { return BuildImage(s); },
          [](EditorState& s, const QString& hex) { LoadImage(s, hex, localMessageFn()); }),
      session_(host_), scratchHost_([&state] { return state.values.languageCode; }),
      scratch_(scratchHost_), active_(&session_) {
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

bool SessionController::start(Session& engine, const QString& kind,
                              SessionActions (Session::*startFn)(bool)) {
    // The engines share the port and the timers: a start on one while the
    // other runs would take the running session over.
    if (sessionRunning()) {
        LocalMsgBox(linktext::sessionRunning(host_.languageCode()));
        return false;
    }
    if (port_ == MSComm1_ && !port_->isOpen() && portCheck_) {
        if (const std::optional<Message> m = portCheck_()) {
            lastOutcome_ = m->text;
            LocalMsgBox(*m);
            return false;
        }
    }
    const bool open = port_->isOpen();
    if (open) {
        active_ = &engine;
        scratchHost_.clear();
        lastOutcome_.clear();
        emit sessionStarted(kind);
    }
    apply(engine, (engine.*startFn)(open));
    return open;
}

void SessionController::startRead() {
    start(session_, QStringLiteral("read"), &Session::startRead);
}

void SessionController::startWrite() {
    start(session_, QStringLiteral("write"), &Session::startWrite);
}

bool SessionController::startPasswordChange() {
    return start(session_, QStringLiteral("password"), &Session::startPasswordChange);
}

void SessionController::startScratchRead() {
    start(scratch_, QStringLiteral("scratch"), &Session::startRead);
}

void SessionController::endSessionForQuit() {
    apply(*active_, active_->endForQuit());
    port_->flush();
}

void SessionController::Send() {
    active_->WatchdogCount = 0;
    active_->RxHex.clear();
    emit bytesSent(active_->SendBuffer);
    port_->output(active_->SendBuffer);
}

void SessionController::MSComm1_OnComm() {
    const QByteArray bytes = port_->input();
    emit bytesReceived(bytes);
    apply(*active_, active_->bytesReceived(bytes));
}

void SessionController::MSComm1_HungUp() {
    apply(*active_, active_->portLost());
}

void SessionController::Timer1_Timer() {
    apply(*active_, active_->timer1Tick());
}

void SessionController::Timer2_Timer() {
    Session& engine = *active_;
    const SessionActions actions = engine.timer2Tick();
    apply(engine, actions);
    for (const SessionAction& a : actions)
        if (a.kind == SessionAction::ControlsEnabled && a.on)
            emit countdownFinished();
}

void SessionController::loadReadIntoEditor(const QString& readHex) {
    {
        const StepScope step(steps_, {EditStep::ReadRadio});
        host_.loadImage(readHex);
    }
    window_.refreshFromState();
    emit editorLoaded(readHex);
}

void SessionController::apply(Session& engine, const SessionActions& actions) {
    for (const SessionAction& a : actions) {
        switch (a.kind) {
        case SessionAction::Send:
            if (&engine == &session_ && isFirstWriteBlock(a.bytes))
                emit aboutToWriteImage(session_.Link.ImageHex);
            emit bytesSent(a.bytes);
            port_->output(a.bytes);
            break;
        case SessionAction::Caption:
            lastOutcome_ = a.text;
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
        case SessionAction::ShowMessage: {
            const Message shown =
                &engine == &scratch_ && scratchFraming_ ? scratchFraming_(a.message) : a.message;
            lastOutcome_ = shown.text;
            LocalMsgBox(shown);
            break;
        }
        case SessionAction::LoadImage:
            if (&engine == &scratch_) {
                scratchHost_.loadImage(a.text);
                emit scratchReadArrived(a.text);
            } else {
                loadReadIntoEditor(a.text);
            }
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
