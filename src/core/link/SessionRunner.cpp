#include "link/SessionRunner.h"

#include "compare/WriteVerify.h"
#include "link/LinkTexts.h"

namespace q716 {

namespace {

bool isFirstWriteBlock(const QByteArray& message) {
    const std::optional<WrittenBlock> block = writtenBlockOf(message);
    return block && block->address == Session::FirstAddress;
}

QString kindName(SessionRunner::Kind kind) {
    switch (kind) {
    case SessionRunner::Kind::Read:
        return QStringLiteral("read");
    case SessionRunner::Kind::Write:
        return QStringLiteral("write");
    case SessionRunner::Kind::Password:
        return QStringLiteral("password");
    case SessionRunner::Kind::ScratchRead:
        break;
    }
    return QStringLiteral("scratch");
}

} // namespace

SessionDisplay SessionRunner::noDisplay_;

SessionRunner::SessionRunner(SessionHost& editor, QObject* parent)
    : QObject(parent), Timer1(new QTimer(this)), Timer2(new QTimer(this)), session_(editor),
      scratchHost_([&editor] { return editor.languageCode(); }), scratch_(scratchHost_),
      active_(&session_) {
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(200);
    connect(Timer1, &QTimer::timeout, this, &SessionRunner::timer1Tick);
    connect(Timer2, &QTimer::timeout, this, &SessionRunner::timer2Tick);
}

bool SessionRunner::start(Kind kind) {
    // The engines share the port and the timers: a start on one while the
    // other runs would take the running session over.
    if (running()) {
        display().showMessage(linktext::sessionRunning(editorHost().languageCode()));
        return false;
    }
    if (!portOpen() && portCheck_) {
        if (const std::optional<Message> m = portCheck_()) {
            lastOutcome_ = m->text;
            display().showMessage(*m);
            return false;
        }
    }
    Session& engine = kind == Kind::ScratchRead ? scratch_ : session_;
    const bool open = portOpen();
    if (open) {
        active_ = &engine;
        scratchHost_.clear();
        lastOutcome_.clear();
        emit sessionStarted(kindName(kind));
    }
    switch (kind) {
    case Kind::Read:
    case Kind::ScratchRead:
        apply(engine, engine.startRead(open));
        break;
    case Kind::Write:
        apply(engine, engine.startWrite(open));
        break;
    case Kind::Password:
        apply(engine, engine.startPasswordChange(open));
        break;
    }
    return open;
}

void SessionRunner::received() {
    const QByteArray bytes = port_ ? port_->input() : QByteArray();
    emit bytesReceived(bytes);
    apply(*active_, active_->bytesReceived(bytes));
}

void SessionRunner::lineBreak() {
    apply(*active_, active_->breakReceived());
}

void SessionRunner::portLost() {
    apply(*active_, active_->portLost());
}

void SessionRunner::timer1Tick() {
    apply(*active_, active_->timer1Tick());
}

void SessionRunner::timer2Tick() {
    Session& engine = *active_;
    const SessionActions actions = engine.timer2Tick();
    apply(engine, actions);
    for (const SessionAction& a : actions)
        if (a.kind == SessionAction::ControlsEnabled && a.on)
            emit countdownFinished();
}

void SessionRunner::resend() {
    active_->WatchdogCount = 0;
    active_->RxHex.clear();
    emit bytesSent(active_->SendBuffer);
    if (port_)
        port_->output(active_->SendBuffer);
}

void SessionRunner::endForQuit() {
    apply(*active_, active_->endForQuit());
    if (port_)
        port_->flush();
}

void SessionRunner::apply(Session& engine, const SessionActions& actions) {
    SessionDisplay& shown = display();
    for (const SessionAction& a : actions) {
        switch (a.kind) {
        case SessionAction::Send:
            if (&engine == &session_ && isFirstWriteBlock(a.bytes))
                emit aboutToWriteImage(session_.Link.ImageHex);
            emit bytesSent(a.bytes);
            if (port_)
                port_->output(a.bytes);
            break;
        case SessionAction::Caption:
            lastOutcome_ = a.text;
            shown.setStatusCaption(a.text);
            break;
        case SessionAction::LabelVisible:
            shown.setStatusVisible(a.on);
            break;
        case SessionAction::ProgressVisible:
            shown.setProgressVisible(a.on);
            break;
        case SessionAction::ProgressRange:
            shown.setProgressRange(a.value, a.maximum);
            break;
        case SessionAction::ProgressValue:
            shown.setProgressValue(a.value);
            break;
        case SessionAction::ControlsEnabled:
            shown.setSessionControlsEnabled(a.on);
            break;
        case SessionAction::EnableFrame1:
            shown.enableFrame1AndFocusCombo1();
            break;
        case SessionAction::Timer1Enabled:
            switchTimer(Timer1, a.on);
            break;
        case SessionAction::Timer2Enabled:
            switchTimer(Timer2, a.on);
            break;
        case SessionAction::ShowMessage: {
            const Message m =
                &engine == &scratch_ && scratchFraming_ ? scratchFraming_(a.message) : a.message;
            lastOutcome_ = m.text;
            shown.showMessage(m);
            break;
        }
        case SessionAction::LoadImage:
            if (&engine == &scratch_) {
                scratchHost_.loadImage(a.text);
                emit scratchReadArrived(a.text);
            } else {
                shown.loadIntoEditor(session_.host(), a.text);
                emit editorLoaded(a.text);
            }
            break;
        case SessionAction::SessionSucceeded:
        case SessionAction::SessionFailed:
            emit sessionFinished(a.kind == SessionAction::SessionSucceeded);
            break;
        }
    }
}

void SessionRunner::switchTimer(QTimer* timer, bool on) {
    if (timerSwitch_)
        timerSwitch_(timer, on);
    else if (on)
        timer->start();
    else
        timer->stop();
}

} // namespace q716
