#include "SessionRig.h"

#include "FuzzCheck.h"
#include "FuzzEditor.h"

#include "RadioMemory.h"
#include "image/BuildImage.h"
#include "image/LoadImage.h"
#include "link/LinkMessages.h"
#include "link/LinkTexts.h"
#include "state/InitDefaults.h"

#include <algorithm>

namespace q716::fuzz {

namespace {

constexpr int PasswordAddress = Session::PasswordAddress;
constexpr int ReadBlocks =
    (Session::ReadEndAddress - Session::FirstAddress) / Session::ReadBlockSize;
constexpr int WatchdogEnd = Session::WatchdogTicks + 1;

QByteArray memoryWithImage(const QByteArray& image) {
    return q716sim::RadioMemory(QByteArray(Session::FirstAddress, char(0xFF)) + image).bytes();
}

// 0: the busy editor's image; 1: an image whose load asks a question (the
// scan priority "Fixed" with no channel in use); 2: erased memory; 3: the
// busy image mixed with a pattern, values the editor cannot show.
QByteArray radioMemoryFor(int choice) {
    switch (choice % 4) {
    case 0:
        return memoryWithImage(buildImageBytes(startingEditors().back()));
    case 1: {
        EditorState s = freshEditorState();
        s.values.optionValues.priorityMode.text = QStringLiteral("1");
        return memoryWithImage(buildImageBytes(s));
    }
    case 2:
        return q716sim::RadioMemory::erased(0).bytes();
    default: {
        QByteArray m = memoryWithImage(buildImageBytes(startingEditors().back()));
        for (int i = Session::FirstAddress; i < Session::ReadEndAddress; ++i)
            m[i] = char(m.at(i) ^ ((i * 37 + 11) & 0xFF));
        return m;
    }
    }
}

// The blocks a write sends, in order.
QList<int> writePlan(bool debugUnlocked, bool adminMode) {
    QList<int> plan;
    for (int a = 0x0010; a <= 0x0170; a += 0x10)
        plan.append(a);
    if (debugUnlocked)
        plan.append(0x0180);
    plan.append(0x01B0);
    if (adminMode)
        plan.append(0x01C0);
    for (int a = 0x0300; a <= 0x0340; a += 0x10)
        plan.append(a);
    return plan;
}

QByteArray passwordBlock(const QString& password) {
    const QString p = password.trimmed();
    QByteArray block(Session::PasswordSize, char(0xFF));
    for (int i = 0; i < p.size() && i < block.size(); ++i)
        block[i] = char(p.at(i).unicode() & 0xFF);
    return block;
}

int answerFor(const Message& m, bool first) {
    switch (m.style & 0xF) {
    case 1:
        return first ? ResultOk : ResultCancel;
    case 4:
        return first ? ResultYes : ResultNo;
    default:
        return ResultOk;
    }
}

// Whether `received` holds the reply for the block at `address` carrying `data`
// (any length byte) anywhere in it.
bool holdsReply(const QByteArray& received, int address, const QByteArray& data) {
    QByteArray head(1, linkmsg::WriteCommand);
    head.append(char(address >> 8));
    head.append(char(address & 0xFF));
    for (qsizetype at = received.indexOf(head); at >= 0; at = received.indexOf(head, at + 1)) {
        if (received.mid(at + 4, data.size()) == data)
            return true;
    }
    return false;
}

} // namespace

SessionRig::SessionRig(const RigSetup& setup)
    : setup_(setup), state_(startingEditors()[size_t(setup.editor) % startingEditors().size()]),
      host_(
          state_, [](const EditorState& s) { return BuildImage(s); },
          [this](EditorState& s, const QString& hex) {
              Q716_FUZZ_CHECK(loading_, "the engine loads the editor only through its action");
              LoadImage(s, hex, [this](const Message& m) {
                  openBox();
                  return answerFor(m, setup_.answerFirst);
              });
          }),
      runner_(host_), memory_(radioMemoryFor(setup.radioMemory)) {
    runner_.setPort(this);
    runner_.setDisplay(this);
    runner_.setTimerSwitch([this](QTimer* timer, bool on) {
        (timer == runner_.Timer1 ? window_.timer1 : window_.timer2) = on;
    });
    QObject::connect(&runner_, &SessionRunner::sessionFinished, [this](bool succeeded) {
        if (succeeded)
            onSucceeded();
        else
            onFailed(callKind_);
    });
    if (setup.flipDebugUnlocked)
        state_.values.debugUnlocked = !state_.values.debugUnlocked;
    if (setup.flipAdminMode)
        state_.values.adminMode = !state_.values.adminMode;
    if (setup.flipLanguage)
        state_.values.languageCode = 1 - state_.values.languageCode;
    editorBefore_ = state_;
    portOpen_ = setup.portOpen;
    if (portOpen_)
        radio_ = std::make_unique<q716sim::Radio>(q716sim::RadioMemory(memory_));
}

QByteArray SessionRig::memory() const {
    return radio_ ? radio_->memory().bytes() : memory_;
}

QString SessionRig::radioPassword() const {
    QString stored;
    for (char c : memory().mid(PasswordAddress, Session::PasswordSize))
        if (uchar(c) != 0xFF)
            stored += QChar(uchar(c));
    return stored;
}

void SessionRig::startRead() {
    start(SessionKind::Read);
}

void SessionRig::startWrite() {
    start(SessionKind::Write);
}

void SessionRig::startPasswordChange(const QString& oldPassword, const QString& newPassword) {
    // While a session runs the dialog only says so and changes nothing; the
    // engine's own refusal says the same.
    if (!session_.running()) {
        state_.form1.text2 = oldPassword;
        state_.values.commPassword = newPassword;
        editorBefore_ = state_;
    }
    start(SessionKind::Password);
}

void SessionRig::start(SessionKind kind) {
    const bool noneRunning = !current_ || current_->verdict;
    // A start on an open port with no session running starts one: its
    // record must be there for the first message it sends.
    if (noneRunning && portOpen_) {
        SessionRecord s;
        s.id = ++sessions_;
        s.kind = kind;
        s.clean = !breakPending_;
        if (kind == SessionKind::Password) {
            s.oldPassword = state_.form1.text2;
            s.newPasswordBlock = passwordBlock(state_.values.commPassword);
            s.storedPassword = radioPassword();
            s.admin = state_.values.adminMode;
        }
        current_ = s;
        ticksSinceSend_ = 0;
    }
    StartWatch watch;
    watch.before = session_.view();
    StartWatch* const outer = watch_;
    watch_ = &watch;
    bool started = false;
    call(Call::Start, [&] {
        watch.callId = callId_;
        started = runner_.start(kind == SessionKind::Read    ? SessionRunner::Kind::Read
                                : kind == SessionKind::Write ? SessionRunner::Kind::Write
                                                             : SessionRunner::Kind::Password);
    });
    watch_ = outer;
    if (!started) {
        // Refused: while a session runs, or on a closed port.
        const Message refusal =
            noneRunning ? linktext::portNotOpen(lang()) : linktext::sessionRunning(lang());
        Q716_FUZZ_CHECK(!noneRunning || !portOpen_, "a start on an open port starts a session");
        Q716_FUZZ_CHECK(watch.sent.isEmpty() && watch.shown.size() == 1 &&
                            watch.shown[0].text == refusal.text &&
                            watch.shown[0].style == refusal.style,
                        "a refused start only shows why");
        Q716_FUZZ_CHECK(watch.atMessage == watch.before, "a refused start changes nothing");
    } else {
        Q716_FUZZ_CHECK(noneRunning, "at most one session is active");
        Q716_FUZZ_CHECK(portOpen_, "a session starts only on an open port");
        Q716_FUZZ_CHECK(!watch.sent.isEmpty() && watch.sent.first() == linkmsg::open(),
                        "a session opens with TQ-PROG");
    }
}

void SessionRig::call(Call kind, const std::function<void()>& runnerCall) {
    const int outerId = callId_;
    const Call outerKind = callKind_;
    callId_ = ++calls_;
    callKind_ = kind;
    runnerCall();
    callId_ = outerId;
    callKind_ = outerKind;
    if (boxesOpen_ == 0)
        checkAtRest();
}

void SessionRig::setProgressRange(int minimum, int maximum) {
    Q716_FUZZ_CHECK(minimum == 0 && maximum == Session::ProgressMaximum,
                    "progress stays within 0..460");
    window_.progressMaximum = maximum;
    Q716_FUZZ_CHECK(current_ && !current_->verdict && !current_->dataPhase &&
                        current_->kind != SessionKind::Password,
                    "only a running read or write enters its data phase, once");
    current_->dataPhase = true;
    current_->image = buildImageBytes(state_);
    current_->plan = writePlan(state_.values.debugUnlocked, state_.values.adminMode);
}

void SessionRig::setProgressValue(int value) {
    Q716_FUZZ_CHECK(value >= 0 && value <= Session::ProgressMaximum,
                    "progress stays within 0..460");
    window_.progressValue = value;
}

void SessionRig::checkMessageForm(const QByteArray& m) const {
    bool known = false;
    switch (m.size()) {
    case 7:
        known = m == linkmsg::open();
        break;
    case 1:
        known = m.at(0) == linkmsg::Ack || m.at(0) == linkmsg::Identify || m.at(0) == linkmsg::End;
        break;
    case 4:
        known = m.at(0) == linkmsg::ReadCommand;
        break;
    case 20:
        known = m.at(0) == linkmsg::WriteCommand && m.at(3) == Session::WriteBlockSize;
        break;
    default:
        break;
    }
    Q716_FUZZ_CHECK(known, "only the protocol's message sizes are sent (7, 1, 4, 20 bytes)");
}

void SessionRig::onSend(const QByteArray& bytes, int callId) {
    if (watch_ && callId == watch_->callId)
        watch_->sent.append(bytes);
    checkMessageForm(bytes);
    Q716_FUZZ_CHECK(current_ && !current_->verdict, "nothing is sent outside a session");
    Q716_FUZZ_CHECK(portOpen_ || callId < lostAtCall_, "nothing is sent after the port was lost");
    ticksSinceSend_ = 0;
    checkSendInSession(*current_, bytes);
    if (!portOpen_)
        return;
    for (const q716sim::RadioOutput& o : radio_->received(bytes))
        line_.push_back({o, current_->id});
}

void SessionRig::checkSendInSession(SessionRecord& s, const QByteArray& bytes) {
    Q716_FUZZ_CHECK(s.ends == 0, "nothing is sent after End");
    s.sent.append(bytes);
    if (bytes == linkmsg::single(linkmsg::End))
        ++s.ends;
    if (bytes.size() == 4) {
        if (s.kind == SessionKind::Password) {
            Q716_FUZZ_CHECK(
                !s.admin && bytes == linkmsg::readRequest(PasswordAddress, Session::PasswordSize),
                "a password change reads only the password block");
            return;
        }
        const int address =
            Session::FirstAddress + int(s.requestAt.size()) * Session::ReadBlockSize;
        Q716_FUZZ_CHECK(s.kind == SessionKind::Read && s.dataPhase &&
                            s.requestAt.size() < ReadBlocks &&
                            bytes == linkmsg::readRequest(address, Session::ReadBlockSize),
                        "a read requests its sixteen blocks in order");
        s.requestAt.append(s.received.size());
    } else if (bytes.size() == 20) {
        if (s.kind == SessionKind::Password) {
            Q716_FUZZ_CHECK(bytes == linkmsg::writeBlock(PasswordAddress, s.newPasswordBlock),
                            "a password change writes only the new password");
            s.passwordBlockSent = true;
            return;
        }
        Q716_FUZZ_CHECK(s.kind == SessionKind::Write && s.dataPhase && s.blocksSent < s.plan.size(),
                        "only a write sends blocks, no more than its plan");
        const int address = s.plan[s.blocksSent++];
        Q716_FUZZ_CHECK(bytes == linkmsg::writeBlock(address, s.image.mid(address - 0x10, 16)),
                        "a write sends the blocks of its plan in order, with the image's bytes");
    }
}

void SessionRig::onShowMessage(const Message& m) {
    if (watch_ && callId_ == watch_->callId) {
        watch_->shown.append(m);
        watch_->atMessage = session_.view();
    }
    const int l = lang();
    const bool sessionMessage = m.text == linktext::communicationError(l).text ||
                                m.text == linktext::passwordIncorrect(l).text;
    Q716_FUZZ_CHECK(sessionMessage || m.text == linktext::portNotOpen(l).text ||
                        m.text == linktext::sessionRunning(l).text,
                    "the engine shows only its own messages");
    if (sessionMessage) {
        Q716_FUZZ_CHECK(current_ && !current_->verdict,
                        "a session's message comes before its verdict");
        Q716_FUZZ_CHECK(++current_->messages == 1, "a failure shows one message");
        current_->lastMessage = m.text;
    }
    openBox();
}

void SessionRig::onLoad(SessionHost& host, const QString& text) {
    Q716_FUZZ_CHECK(current_ && current_->kind == SessionKind::Read && !current_->verdict &&
                        current_->loads == 0,
                    "only a read loads, once, before its verdict");
    SessionRecord& s = *current_;
    Q716_FUZZ_CHECK(s.ends == 1 && s.sent.last() == linkmsg::single(linkmsg::End),
                    "the radio has its End before the load");
    Q716_FUZZ_CHECK(text.size() == 2 * (Session::ReadEndAddress - Session::FirstAddress) &&
                        QByteArray::fromHex(text.toLatin1()).toHex().toUpper() == text.toLatin1(),
                    "a load brings a complete read");
    Q716_FUZZ_CHECK(s.requestAt.size() == ReadBlocks, "a load comes after sixteen requests");
    const QByteArray data = QByteArray::fromHex(text.toLatin1());
    for (int k = 0; k < ReadBlocks; ++k) {
        const qsizetype from = s.requestAt[k];
        const qsizetype to = k + 1 < ReadBlocks ? s.requestAt[k + 1] : s.received.size();
        Q716_FUZZ_CHECK(holdsReply(s.received.mid(from, to - from),
                                   Session::FirstAddress + k * Session::ReadBlockSize,
                                   data.mid(k * Session::ReadBlockSize, Session::ReadBlockSize)),
                        "every block loaded arrived after its request");
    }
    if (s.clean)
        Q716_FUZZ_CHECK(data == memory().mid(Session::FirstAddress, data.size()),
                        "a read the radio answered alone loads the radio's memory");
    Q716_FUZZ_CHECK(state_ == editorBefore_, "the editor is unchanged until the load");

    const EditorState before = state_;
    loading_ = true;
    host.loadImage(text);
    loading_ = false;
    EditorState expected = before;
    LoadImage(expected, text,
              [this](const Message& m) { return answerFor(m, setup_.answerFirst); });
    Q716_FUZZ_CHECK(state_ == expected, "the editor changes only by loading the complete read");
    editorBefore_ = state_;
    ++s.loads;
}

void SessionRig::onSucceeded() {
    Q716_FUZZ_CHECK(current_, "a verdict belongs to a session");
    SessionRecord& s = *current_;
    Q716_FUZZ_CHECK(!s.verdict || s.succeeded, "after a failure no success is reported");
    Q716_FUZZ_CHECK(!s.verdict, "a session reports one verdict");
    Q716_FUZZ_CHECK(s.messages == 0, "a success shows no message");
    Q716_FUZZ_CHECK(s.ends == 1 && s.sent.last() == linkmsg::single(linkmsg::End),
                    "a success has sent End once, last");
    const int l = lang();
    const QByteArray radio = memory();
    switch (s.kind) {
    case SessionKind::Read:
        Q716_FUZZ_CHECK(window_.caption == linktext::readSuccess(l) && s.loads == 1,
                        "a read succeeds with its caption after loading");
        break;
    case SessionKind::Write:
        Q716_FUZZ_CHECK(window_.caption == linktext::writeSuccess(l) &&
                            s.blocksSent == s.plan.size(),
                        "a write succeeds with its caption after its whole plan");
        if (s.clean) {
            for (int address : s.plan)
                Q716_FUZZ_CHECK(radio.mid(address, 16) == s.image.mid(address - 0x10, 16),
                                "a write the radio answered alone leaves the image in the radio");
        }
        break;
    case SessionKind::Password:
        Q716_FUZZ_CHECK(window_.caption == linktext::passwordChanged(l) && s.passwordBlockSent,
                        "a password change succeeds with its caption after writing it");
        if (s.clean) {
            Q716_FUZZ_CHECK(radio.mid(PasswordAddress, Session::PasswordSize) == s.newPasswordBlock,
                            "a password change the radio answered alone stores the password");
            Q716_FUZZ_CHECK(s.admin ||
                                (!s.storedPassword.isEmpty() && s.storedPassword == s.oldPassword),
                            "a password change needs the radio's password");
        }
        break;
    }
    s.verdict = true;
    s.succeeded = true;
}

void SessionRig::onFailed(Call kind) {
    Q716_FUZZ_CHECK(current_, "a verdict belongs to a session");
    SessionRecord& s = *current_;
    Q716_FUZZ_CHECK(!s.verdict, "a session reports one verdict");
    Q716_FUZZ_CHECK(s.messages == 1, "a failure shows one message");
    Q716_FUZZ_CHECK(s.loads == 0, "a failed session loads nothing");
    if (kind == Call::PortLost)
        Q716_FUZZ_CHECK(s.ends == 0, "a lost port ends a session without End");
    else
        Q716_FUZZ_CHECK(s.ends == 1 && s.sent.last() == linkmsg::single(linkmsg::End),
                        "a failure sends End once, last");
    if (s.lastMessage == linktext::passwordIncorrect(lang()).text) {
        Q716_FUZZ_CHECK(kind == Call::Bytes && s.kind == SessionKind::Password,
                        "only a password change's reply refuses the password");
        Q716_FUZZ_CHECK(!s.clean || s.storedPassword.isEmpty() || s.storedPassword != s.oldPassword,
                        "a password is refused only when it is not the radio's");
    } else {
        Q716_FUZZ_CHECK((kind == Call::Tick1 && ticksAtCall_ >= WatchdogEnd) ||
                            kind == Call::PortLost,
                        "a communication error comes from the watchdog or a lost port");
    }
    s.verdict = true;
}

void SessionRig::checkAtRest() {
    const SessionView& v = session_.view();
    Q716_FUZZ_CHECK(v == window_, "the window shows what the engine says it shows");
    Q716_FUZZ_CHECK(v.progressValue >= 0 && v.progressValue <= Session::ProgressMaximum,
                    "progress stays within 0..460");
    Q716_FUZZ_CHECK(state_ == editorBefore_,
                    "the editor changes only when a complete read is loaded");
    const bool running = current_ && !current_->verdict;
    Q716_FUZZ_CHECK(running == v.timer1,
                    "a session without a verdict has its watchdog running, and only then");
    if (current_ && current_->verdict && !current_->succeeded)
        Q716_FUZZ_CHECK(v.controlsEnabled && !v.timer2 && !v.labelVisible && !v.progressVisible,
                        "a failed session leaves the window idle");
}

void SessionRig::openBox() {
    ++boxesOpen_;
    if (whileBoxOpen)
        whileBoxOpen();
    --boxesOpen_;
}

void SessionRig::deliver(Pending pending) {
    if (current_ && pending.session != current_->id)
        current_->clean = false;
    const q716sim::RadioOutput& o = pending.output;
    switch (o.kind) {
    case q716sim::RadioOutput::Bytes:
        if (o.bytes.isEmpty())
            return;
        breakPending_ = false;
        if (current_)
            current_->received += o.bytes;
        call(Call::Bytes, [&] {
            arrived_ = o.bytes;
            runner_.received();
        });
        break;
    case q716sim::RadioOutput::Break:
        breakPending_ = true;
        call(Call::Break, [&] { runner_.lineBreak(); });
        break;
    case q716sim::RadioOutput::HangUp:
        portLost();
        break;
    }
}

void SessionRig::deliverNext() {
    if (line_.empty())
        return;
    const Pending p = line_.front();
    line_.pop_front();
    deliver(p);
}

void SessionRig::deliverPart(int bytes) {
    if (line_.empty())
        return;
    Pending& front = line_.front();
    if (front.output.kind != q716sim::RadioOutput::Bytes || bytes >= front.output.bytes.size()) {
        deliverNext();
        return;
    }
    Pending part = front;
    part.output.bytes.truncate(qMax(bytes, 1));
    front.output.bytes.remove(0, part.output.bytes.size());
    deliver(part);
}

void SessionRig::deliverAll() {
    // A fault-free radio answers every message but End, so this ends.
    for (int n = 0; n < 1000 && !line_.empty(); ++n)
        deliverNext();
    if (portOpen_ && line_.empty() && boxesOpen_ == 0 && current_ && !current_->verdict)
        Q716_FUZZ_CHECK(!current_->clean, "a session the radio answered in full ends");
}

void SessionRig::dropNext() {
    if (line_.empty())
        return;
    line_.pop_front();
    if (current_)
        current_->clean = false;
}

void SessionRig::spoilNext(int index, uchar xorMask) {
    if (line_.empty() || line_.front().output.kind != q716sim::RadioOutput::Bytes ||
        line_.front().output.bytes.isEmpty() || xorMask == 0)
        return;
    QByteArray& b = line_.front().output.bytes;
    const qsizetype i = index % b.size();
    b[i] = char(uchar(b.at(i)) ^ xorMask);
    if (current_)
        current_->clean = false;
}

void SessionRig::bytesFromLine(const QByteArray& bytes) {
    // A closed port delivers nothing.
    if (!portOpen_ || bytes.isEmpty())
        return;
    if (current_)
        current_->clean = false;
    deliver({{q716sim::RadioOutput::Bytes, bytes, 0}, 0});
}

void SessionRig::lineBreak() {
    if (!portOpen_)
        return;
    if (current_)
        current_->clean = false;
    deliver({{q716sim::RadioOutput::Break, {}, 0}, 0});
}

void SessionRig::portLost() {
    if (portOpen_) {
        memory_ = radio_->memory().bytes();
        radio_.reset();
        line_.clear();
        portOpen_ = false;
        lostAtCall_ = calls_ + 1;
    }
    call(Call::PortLost, [&] { runner_.portLost(); });
}

void SessionRig::portOpened() {
    if (portOpen_)
        return;
    portOpen_ = true;
    radio_ = std::make_unique<q716sim::Radio>(q716sim::RadioMemory(memory_));
}

void SessionRig::tick1() {
    // The watchdog counts only while it runs.
    if (session_.view().timer1)
        ++ticksSinceSend_;
    const int ticks = ticksSinceSend_;
    const int saved = ticksAtCall_;
    ticksAtCall_ = ticks;
    call(Call::Tick1, [&] { runner_.timer1Tick(); });
    ticksAtCall_ = saved;
    if (ticks >= WatchdogEnd)
        Q716_FUZZ_CHECK(!session_.view().timer1,
                        "the watchdog ends a session on the sixth tick without a send");
}

void SessionRig::tick2() {
    call(Call::Tick2, [&] { runner_.timer2Tick(); });
}

} // namespace q716::fuzz
