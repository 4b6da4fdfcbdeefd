#include "link/Session.h"

#include "link/LinkMessages.h"
#include "link/LinkTexts.h"
#include "link/WritePlan.h"

namespace q716 {

namespace {

QString hexOf(const QByteArray& bytes) {
    return QString::fromLatin1(bytes.toHex().toUpper());
}

QString addressHex(int address) {
    return QStringLiteral("%1").arg(address & 0xFFFF, 4, 16, QLatin1Char('0')).toUpper();
}

const QString AckHex = QStringLiteral("06");

} // namespace

SessionActions Session::start(bool portOpen, const QString& mode) {
    SessionActions out;
    const OutputScope scope(*this, out);
    if (refusedWhileRunning())
        return out;
    if (!portOpen) {
        message(linktext::portNotOpen(lang()));
        return out;
    }
    PasswordWritten = false;
    PasswordChangeMode = false;
    HandshakeState = 1;
    SessionDone = false;
    // A countdown left from an earlier session must not end this one.
    SessionEnded = false;
    Link.BlinkCount = 0;
    controlsEnabled(false);
    RxHex.clear();
    SessionMode = mode;
    HandshakePhase = 1;
    emitAction(SessionAction::EnableFrame1);
    send(linkmsg::open());
    caption(linktext::busy(lang()));
    timer1(true);
    timer2(true);
    return out;
}

SessionActions Session::startPasswordChange(bool portOpen) {
    SessionActions out;
    const OutputScope scope(*this, out);
    if (refusedWhileRunning())
        return out;
    if (!portOpen) {
        message(linktext::portNotOpen(lang()));
        return out;
    }
    PasswordWritten = false;
    PasswordChangeMode = true;
    HandshakePhase = 1;
    HandshakeState = 1;
    SessionDone = false;
    SessionEnded = false;
    Link.BlinkCount = 0;
    send(linkmsg::open());
    caption(linktext::busy(lang()));
    timer1(true);
    timer2(true);
    return out;
}

bool Session::refusedWhileRunning() {
    // The password dialog stays usable while a read or write runs. A second
    // start would send TQ-PROG into the running session and take it over, and
    // the first one would never report how it ended.
    if (!running())
        return false;
    message(linktext::sessionRunning(lang()));
    return true;
}

SessionActions Session::bytesReceived(const QByteArray& bytes) {
    SessionActions out;
    const OutputScope scope(*this, out);
    RxHex += hexOf(bytes);
    if (Link.BreakSeen) {
        // The byte that came with the break is line noise: drop the first one held.
        RxHex.remove(0, 2);
        Link.BreakSeen = false;
    }
    if (SessionDone)
        return out;
    if (HandshakePhase == 1)
        handshakeStep();
    else if (SessionMode == QLatin1String("W"))
        writeStep();
    else if (SessionMode == QLatin1String("R"))
        readStep();
    return out;
}

SessionActions Session::breakReceived() {
    Link.BreakSeen = true;
    return {};
}

SessionActions Session::timer1Tick() {
    SessionActions out;
    const OutputScope scope(*this, out);
    if (!running())
        return out;
    ++WatchdogCount;
    if (WatchdogCount > WatchdogTicks)
        endWithCommunicationError(true);
    return out;
}

SessionActions Session::timer2Tick() {
    SessionActions out;
    const OutputScope scope(*this, out);
    if (!view_.timer2)
        return out;
    labelVisible(!view_.labelVisible);
    if (SessionEnded)
        ++Link.BlinkCount;
    if (Link.BlinkCount == BlinkTicks) {
        Link.BlinkCount = 0;
        SessionEnded = false;
        labelVisible(false);
        timer2(false);
        controlsEnabled(true);
    }
    return out;
}

SessionActions Session::portLost() {
    SessionActions out;
    const OutputScope scope(*this, out);
    // After the end there is nothing to report: the next start finds the port closed.
    if (running())
        endWithCommunicationError(false);
    return out;
}

SessionActions Session::endForQuit() {
    SessionActions out;
    const OutputScope scope(*this, out);
    if (!running())
        return out;
    timer1(false);
    timer2(false);
    SessionDone = true;
    send(linkmsg::single(linkmsg::End));
    return out;
}

void Session::endWithCommunicationError(bool sayEnd) {
    WatchdogCount = 0;
    RxHex.clear();
    timer1(false);
    labelVisible(false);
    timer2(false);
    // The user is told the session failed: a reply that still comes must not
    // carry it on behind the message (load the editor, send a second end).
    SessionDone = true;
    message(linktext::communicationError(lang()));
    controlsEnabled(true);
    progressVisible(false);
    if (sayEnd)
        send(linkmsg::single(linkmsg::End));
    emitAction(SessionAction::SessionFailed);
}

void Session::send(const QByteArray& bytes) {
    SendBuffer = bytes;
    WatchdogCount = 0;
    RxHex.clear();
    SessionAction a{SessionAction::Send};
    a.bytes = bytes;
    out_->append(a);
}

void Session::handshakeStep() {
    if (HandshakeState >= 2 || (PasswordWritten && RxHex == AckHex)) {
        passwordStep();
        return;
    }
    if (HandshakeState != 1)
        return;
    if (RxHex == AckHex) {
        RxHex.clear();
        send(linkmsg::single(linkmsg::Identify));
    } else if (RxHex.size() == 16 && RxHex.contains(QLatin1String(linkmsg::IdentificationHex))) {
        if (PasswordChangeMode) {
            // A password change checks the old password instead of moving the image.
            RxHex.clear();
            HandshakeState = 2;
            send(linkmsg::single(linkmsg::Ack));
        } else {
            enterDataPhase();
        }
    }
}

void Session::passwordStep() {
    if (PasswordWritten && RxHex == AckHex) {
        send(linkmsg::single(linkmsg::End));
        caption(linktext::passwordChanged(lang()));
        SessionEnded = true;
        SessionDone = true;
        timer1(false);
        emitAction(SessionAction::SessionSucceeded);
        return;
    }
    if (HandshakeState == 2 && RxHex == AckHex) {
        RxHex.clear();
        HandshakeState = 3;
        if (host_.adminMode() && PasswordChangeMode) {
            send(linkmsg::writeBlock(PasswordAddress, passwordBytes()));
            PasswordWritten = true;
        } else {
            send(linkmsg::readRequest(PasswordAddress, PasswordSize));
        }
    } else if (HandshakeState == 3 && RxHex.size() == 2 * (4 + PasswordSize) &&
               RxHex.startsWith(QStringLiteral("57") + addressHex(PasswordAddress))) {
        const QByteArray data = QByteArray::fromHex(RxHex.mid(8).toLatin1());
        QString stored;
        for (char c : data)
            if (uchar(c) != 0xFF)
                stored += QChar(uchar(c));
        if (!stored.isEmpty() && stored == host_.passwordBoxText()) {
            if (PasswordChangeMode) {
                RxHex.clear();
                HandshakeState = 4;
                send(linkmsg::single(linkmsg::Ack));
            } else {
                enterDataPhase();
            }
        } else {
            passwordMismatch();
        }
    } else if (HandshakeState == 4 && RxHex == AckHex) {
        RxHex.clear();
        send(linkmsg::writeBlock(PasswordAddress, passwordBytes()));
        PasswordWritten = true;
    }
}

void Session::passwordMismatch() {
    send(linkmsg::single(linkmsg::End));
    // Timers stop before the box is shown so no watchdog fires behind it.
    labelVisible(false);
    timer1(false);
    timer2(false);
    SessionDone = true;
    controlsEnabled(true);
    message(linktext::passwordIncorrect(lang()));
    emitAction(SessionAction::SessionFailed);
}

void Session::enterDataPhase() {
    HandshakePhase = 0;
    Link.CurrentAddress = FirstAddress;
    Link.ImageHex = host_.buildImage();
    Link.ReadHex.clear();
    progressVisible(true);
    view_.progressMaximum = ProgressMaximum;
    SessionAction range{SessionAction::ProgressRange};
    range.value = 0;
    range.maximum = ProgressMaximum;
    out_->append(range);
    view_.progressValue = 0;
    SessionAction value{SessionAction::ProgressValue};
    out_->append(value);
    RxHex.clear();
    send(linkmsg::single(linkmsg::Ack));
}

void Session::writeStep() {
    if (RxHex != AckHex)
        return;
    addProgress(10);
    RxHex.clear();
    int& address = Link.CurrentAddress;
    if (address >= WriteEndAddress) {
        finish(linktext::writeSuccess(lang()));
        return;
    }
    address = writeBlockAddress(address, host_.debugUnlocked(), host_.adminMode());
    send(linkmsg::writeBlock(address, imageBytes(address, WriteBlockSize)));
    address += WriteBlockSize;
}

void Session::readStep() {
    int& address = Link.CurrentAddress;
    // How many hex digits ReadHex holds once every block requested so far arrived.
    const int complete = 2 * (address - FirstAddress);
    if (RxHex == AckHex) {
        // A 06 before the requested block arrived would skip that block and
        // shift the rest of the image; it is left unmatched instead.
        if (Link.ReadHex.size() != complete)
            return;
        addProgress(25);
        RxHex.clear();
        if (address == ReadEndAddress) {
            finish(linktext::readSuccess(lang()), Link.ReadHex);
            return;
        }
        send(linkmsg::readRequest(address, ReadBlockSize));
        address += ReadBlockSize;
    } else if (RxHex.size() == 2 * (4 + ReadBlockSize) && RxHex.startsWith(QLatin1String("57")) &&
               RxHex.mid(2, 4) == addressHex(address - ReadBlockSize) &&
               Link.ReadHex.size() == complete - 2 * ReadBlockSize) {
        Link.ReadHex += RxHex.mid(8);
        RxHex.clear();
        send(linkmsg::single(linkmsg::Ack));
    }
}

void Session::finish(const QString& text, const QString& readHex) {
    caption(text);
    SessionEnded = true;
    progressVisible(false);
    timer1(false);
    SessionDone = true;
    send(linkmsg::single(linkmsg::End));
    // The load may ask a question; by now the watchdog is stopped and the
    // radio has its end byte, however long the question stays open.
    if (!readHex.isEmpty()) {
        SessionAction load{SessionAction::LoadImage};
        load.text = readHex;
        out_->append(load);
    }
    emitAction(SessionAction::SessionSucceeded);
}

void Session::addProgress(int step) {
    if (view_.progressValue >= ProgressMaximum)
        return;
    view_.progressValue += step;
    SessionAction a{SessionAction::ProgressValue};
    a.value = view_.progressValue;
    out_->append(a);
}

QByteArray Session::passwordBytes() const {
    const QString password = host_.commPassword().trimmed();
    QByteArray bytes(PasswordSize, char(0xFF));
    for (int i = 0; i < password.size() && i < PasswordSize; ++i)
        bytes[i] = char(password.at(i).unicode() & 0xFF);
    return bytes;
}

QByteArray Session::imageBytes(int address, int count) const {
    QByteArray bytes =
        QByteArray::fromHex(Link.ImageHex.mid(2 * (address - FirstAddress), 2 * count).toLatin1());
    // A short image leaves the rest of the block erased rather than shortening it.
    if (bytes.size() < count)
        bytes.append(QByteArray(count - bytes.size(), char(0xFF)));
    return bytes;
}

void Session::caption(const QString& text) {
    view_.caption = text;
    SessionAction a{SessionAction::Caption};
    a.text = text;
    out_->append(a);
}

void Session::labelVisible(bool on) {
    view_.labelVisible = on;
    emitAction(SessionAction::LabelVisible, on);
}

void Session::progressVisible(bool on) {
    view_.progressVisible = on;
    emitAction(SessionAction::ProgressVisible, on);
}

void Session::controlsEnabled(bool on) {
    view_.controlsEnabled = on;
    emitAction(SessionAction::ControlsEnabled, on);
}

void Session::timer1(bool on) {
    view_.timer1 = on;
    emitAction(SessionAction::Timer1Enabled, on);
}

void Session::timer2(bool on) {
    view_.timer2 = on;
    emitAction(SessionAction::Timer2Enabled, on);
}

void Session::message(const Message& m) {
    SessionAction a{SessionAction::ShowMessage};
    a.message = m;
    out_->append(a);
}

void Session::emitAction(SessionAction::Kind kind, bool on) {
    SessionAction a{kind};
    a.on = on;
    out_->append(a);
}

} // namespace q716
