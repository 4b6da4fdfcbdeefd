#include "SoakPlan.h"

#include "channels/Vocabulary.h"
#include "image/BuildImage.h"
#include "state/InitDefaults.h"

#include <utility>

namespace q716::soak {

using q716sim::ReplyFault;

namespace {

// Open, Identify, Ack; then the data phase; End.
constexpr int HandshakeMessages = 3;
constexpr int ReadBlocks = 16;
// The password exchange: the old password read, its acknowledgement and the
// new password's block.
constexpr int PasswordMessages = 3;

const QString PasswordKeys =
    QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz.");

bool typeable(const QString& password) {
    if (password.isEmpty())
        return false;
    for (QChar c : password)
        if (!PasswordKeys.contains(c))
            return false;
    return true;
}

QByteArray memoryWithImage(const QByteArray& image) {
    QByteArray memory(0x0410, char(0xFF));
    memory.replace(0x0010, image.size(), image);
    return memory;
}

} // namespace

QString modeName(FaultMode mode) {
    static const char* const Names[FaultModeCount] = {
        "none",        "silent after N", "wrong address",  "split reply",   "byte by byte",
        "junk before", "junk after",     "repeated reply", "NAK",           "byte stored wrong",
        "late reply",  "break",          "hang-up",        "wrong password"};
    return QString::fromLatin1(Names[int(mode)]);
}

QString outcomeName(Outcome outcome) {
    static const char* const Names[OutcomeCount] = {"success", "communication error",
                                                    "password refused", "undetected"};
    return QString::fromLatin1(Names[int(outcome)]);
}

bool outcomeExpected(Expect expect, Outcome outcome) {
    switch (expect) {
    case Expect::Success:
        return outcome == Outcome::Success;
    case Expect::Failure:
        return outcome == Outcome::CommunicationError;
    case Expect::SuccessOrFailure:
        return outcome == Outcome::Success || outcome == Outcome::CommunicationError;
    case Expect::Corruption:
        return outcome == Outcome::UndetectedCorruption;
    case Expect::PasswordRefused:
        return outcome == Outcome::PasswordRefused;
    }
    return false;
}

QString SessionPlan::describe() const {
    static const char* const Kinds[] = {"read", "write", "password change"};
    QString text = QStringLiteral("%1, %2").arg(QLatin1String(Kinds[int(kind)]), modeName(mode));
    const QStringList options = q716sim::faultOptions(faults);
    if (!options.isEmpty())
        text +=
            QStringLiteral(" (q716-sim --fault %1)").arg(options.join(QLatin1String(" --fault ")));
    text += QStringLiteral(", latency %1 ms, language %2").arg(latencyMs).arg(languageCode);
    if (debugUnlocked)
        text += QStringLiteral(", calibration unlocked");
    if (kind == SessionKind::Password)
        text += QStringLiteral(", old password \"%1\", new \"%2\"").arg(oldPassword, newPassword);
    if (newRadioMemory)
        text += QStringLiteral(", new radio memory");
    if (newEditorImage)
        text += QStringLiteral(", new editor");
    text += QStringLiteral(", boxes answered after %1 ms").arg(answerDelayMs);
    if (passwordChangeDuringCountdownMs >= 0)
        text += QStringLiteral(", a password change follows %1 ms after a success")
                    .arg(passwordChangeDuringCountdownMs);
    if (startsDuringCountdown)
        text += QStringLiteral(", started during the last success's countdown");
    return text;
}

int messagesOf(SessionKind kind, bool debugUnlocked, bool passwordMatches) {
    switch (kind) {
    case SessionKind::Read:
        return HandshakeMessages + 2 * ReadBlocks + 1;
    case SessionKind::Write:
        return HandshakeMessages + int(writeAddresses(debugUnlocked).size()) + 1;
    case SessionKind::Password:
        return HandshakeMessages + (passwordMatches ? PasswordMessages : 1) + 1;
    }
    return 0;
}

int repliesOf(SessionKind kind, bool debugUnlocked, bool passwordMatches) {
    // Every message but End is answered.
    return messagesOf(kind, debugUnlocked, passwordMatches) - 1;
}

QList<int> writeAddresses(bool debugUnlocked) {
    QList<int> a;
    for (int address = 0x0010; address < 0x0180; address += 0x10)
        a.append(address);
    if (debugUnlocked)
        a.append(0x0180);
    a << 0x01B0 << 0x0300 << 0x0310 << 0x0320 << 0x0330 << 0x0340;
    return a;
}

QByteArray passwordBlock(const QString& password) {
    QByteArray block(16, char(0xFF));
    for (int i = 0; i < password.size() && i < 16; ++i)
        block[i] = char(password.at(i).unicode() & 0xFF);
    return block;
}

QString radioPassword(const QByteArray& memory) {
    QString password;
    for (char c : memory.mid(0x01C0, 16))
        if (uchar(c) != 0xFF)
            password += QChar(uchar(c));
    return password;
}

QString Planner::password() {
    QString p;
    const int n = in(1, 16);
    for (int i = 0; i < n; ++i)
        p += PasswordKeys.at(in(0, int(PasswordKeys.size()) - 1));
    return p;
}

QByteArray Planner::radioMemory() {
    const int pick = in(1, 100);
    QByteArray memory = pick <= 70   ? randomPlanImage()
                        : pick <= 85 ? questionImage()
                                     : randomBytesImage();
    memory.replace(0x01C0, 16, passwordBlock(password()));
    return memory;
}

QByteArray Planner::randomPlanImage() {
    EditorState s = freshEditorState();
    const int lang = in(0, 1);
    s.values.languageCode = lang;
    const auto frequency = [this] {
        return QStringLiteral("%1.%2").arg(in(100, 999)).arg(in(0, 99999), 5, 10, QLatin1Char('0'));
    };
    ChannelGrid& grid = s.form1.grid;
    for (int row = 1; row <= ChannelCount; ++row) {
        if (chance(50))
            continue;
        grid.cell(row, 1) = frequency();
        grid.cell(row, 3) = chance(70) ? frequency() : QString();
        grid.cell(row, 2) = toneItem(in(0, ToneCount - 1), lang);
        grid.cell(row, 4) = toneItem(in(grid.cell(row, 3).isEmpty() ? 1 : 0, ToneCount - 1), lang);
        for (int col = 5; col <= 8; ++col) {
            grid.index[row][col] = in(0, 1);
            grid.cell(row, col) = flagItem(col, grid.index[row][col], lang);
        }
    }
    MainWindowState& f = s.form1;
    f.combo1 = in(0, BandCount - 1);
    f.combo2 = in(0, 2);
    f.combo3 = in(0, 39);
    f.combo4 = in(0, 10);
    f.combo9 = in(0, 9);
    f.combo6 = in(0, 1);
    f.combo7 = in(0, 1);
    f.check3 = in(0, 1);
    f.check4 = in(0, 1);
    f.combo11 = in(0, 1);
    f.combo13 = in(0, 10);
    f.combo12 = in(0, 5);
    ProgramValues& v = s.values;
    v.keyFunctionPF1 = in(0, 11);
    v.keyFunctionPF2 = in(0, 11);
    v.optionValues.priorityMode.set(in(0, 2));
    v.optionValues.preferredChannel.set(in(1, 16));
    v.optionValues.scanReceiveDelay.set(in(0, 300));
    v.highPowerLevel = in(0, 255);
    v.lowPowerLevel = in(0, 255);
    for (QString& t : v.testFrequencies)
        t = chance(30) ? frequency() : QString();
    v.embeddedInfo = {QStringLiteral("UNIT %1").arg(in(0, 999)), QStringLiteral("Q716")};
    return memoryWithImage(buildImageBytes(s));
}

QByteArray Planner::questionImage() {
    // No channel in use and the scan priority "Fixed", which needs one: the
    // load asks the user to set it again.
    EditorState s = freshEditorState();
    s.values.languageCode = in(0, 1);
    s.values.optionValues.priorityMode.text = QStringLiteral("1");
    return memoryWithImage(buildImageBytes(s));
}

QByteArray Planner::randomBytesImage() {
    QByteArray memory(0x0410, 0);
    for (char& c : memory)
        c = char(in(0, 255));
    memory.replace(0x01B8, 5, "VRQ71");
    return memory;
}

SessionPlan Planner::next(const QByteArray& memory) {
    SessionPlan plan;
    const int k = in(1, 100);
    plan.kind = k <= 40 ? SessionKind::Read : k <= 80 ? SessionKind::Write : SessionKind::Password;
    plan.startsDuringCountdown = std::exchange(passwordChangeNext_, false);
    if (plan.startsDuringCountdown)
        plan.kind = SessionKind::Password;
    plan.languageCode = in(0, 1);
    plan.latencyMs = in(0, 20);
    plan.answerDelayMs = in(0, 5000);
    plan.debugUnlocked = plan.kind == SessionKind::Write && chance(30);
    QString stored = radioPassword(memory);
    if (memory.isEmpty() || chance(10))
        plan.newEditorImage = randomPlanImage().mid(0x0010, 848);
    if (memory.isEmpty() || !typeable(stored) || chance(10)) {
        plan.newRadioMemory = radioMemory();
        stored = radioPassword(*plan.newRadioMemory);
    } else if (plan.kind == SessionKind::Read && chance(15)) {
        // A read of a radio whose load asks a question, keeping its password.
        plan.newRadioMemory = questionImage();
        plan.newRadioMemory->replace(0x01C0, 16, passwordBlock(stored));
    }
    const bool passwordMatches = plan.kind != SessionKind::Password || !chance(8);
    if (plan.kind == SessionKind::Password) {
        plan.oldPassword = stored;
        if (!passwordMatches) {
            // Still a password the dialog takes: 16 characters at most.
            if (stored.size() < 16)
                plan.oldPassword += QLatin1Char('x');
            else
                plan.oldPassword.back() = stored.back() == QLatin1Char('x') ? 'y' : 'x';
        }
        plan.newPassword = password();
    } else if (chance(10)) {
        plan.passwordChangeDuringCountdownMs = in(0, 1800);
    }
    chooseFault(plan, passwordMatches);
    passwordChangeNext_ = plan.passwordChangeDuringCountdownMs >= 0;
    return plan;
}

void Planner::chooseFault(SessionPlan& plan, bool passwordMatches) {
    if (!passwordMatches) {
        plan.mode = FaultMode::WrongPassword;
        plan.expect = Expect::PasswordRefused;
        return;
    }
    const bool read = plan.kind == SessionKind::Read;
    const bool write = plan.kind == SessionKind::Write;
    const int replies = repliesOf(plan.kind, plan.debugUnlocked);
    const int messages = messagesOf(plan.kind, plan.debugUnlocked);
    for (;;) {
        plan.mode = FaultMode(in(0, int(FaultMode::HangUp)));
        if ((plan.mode == FaultMode::WrongAddress && write) ||
            (plan.mode == FaultMode::FlipStored && read))
            continue;
        break;
    }
    q716sim::Faults& f = plan.faults;
    const auto replyFault = [&](ReplyFault::Kind kind, int at, int value = 0) {
        f.replyFaults.append({kind, at, value});
        return &f.replyFaults.last();
    };
    const auto anyReply = [&] { return in(1, replies); };
    const auto junk = [&] {
        if (chance(30))
            return QByteArray(1, 0x06);
        QByteArray bytes(in(1, 3), 0);
        for (char& c : bytes)
            c = char(in(0, 255));
        return bytes;
    };
    switch (plan.mode) {
    case FaultMode::None:
        plan.expect = Expect::Success;
        break;
    case FaultMode::SilentAfter:
        f.silentAfter = in(0, replies);
        plan.expect = f.silentAfter >= replies ? Expect::Success : Expect::Failure;
        break;
    case FaultMode::WrongAddress:
        // The read replies of a read, or the old password's of a change.
        replyFault(ReplyFault::WrongAddress, read ? in(1, ReadBlocks) : 1);
        plan.expect = Expect::Failure;
        break;
    case FaultMode::Split:
        replyFault(ReplyFault::Split, chance(20) ? 0 : anyReply(), chance(20) ? 0 : in(1, 67));
        plan.expect = Expect::Success;
        break;
    case FaultMode::OneByteAtATime:
        replyFault(ReplyFault::OneByteAtATime, chance(20) ? 0 : anyReply());
        plan.expect = Expect::Success;
        break;
    case FaultMode::JunkBefore: {
        ReplyFault* r = replyFault(ReplyFault::JunkBefore, anyReply());
        r->junk = junk();
        // A lone 06 ahead of a reply passes for the acknowledgement itself.
        plan.expect = r->junk == QByteArray(1, 0x06) ? Expect::SuccessOrFailure : Expect::Failure;
        break;
    }
    case FaultMode::JunkAfter:
        replyFault(ReplyFault::JunkAfter, anyReply())->junk = junk();
        plan.expect = Expect::SuccessOrFailure;
        break;
    case FaultMode::Repeat:
        replyFault(ReplyFault::Repeat, anyReply());
        plan.expect = Expect::SuccessOrFailure;
        break;
    case FaultMode::Nak:
        replyFault(ReplyFault::Nak, anyReply());
        plan.expect = Expect::Failure;
        break;
    case FaultMode::FlipStored:
        replyFault(ReplyFault::FlipStored,
                   write ? in(1, int(writeAddresses(plan.debugUnlocked).size())) : 1, in(0, 15));
        plan.expect = Expect::Corruption;
        break;
    case FaultMode::LateReply: {
        const int delay = in(0, 6000);
        replyFault(ReplyFault::Delay, anyReply(), delay);
        // From a send to the reply: the delay, both wire times (at most 21 and
        // 71 ms) and twice the latency (at most 20 ms). The watchdog ends the
        // session between 2.5 and 3 s after the send.
        plan.expect = delay <= 2000   ? Expect::Success
                      : delay >= 3000 ? Expect::Failure
                                      : Expect::SuccessOrFailure;
        break;
    }
    case FaultMode::Break:
        replyFault(ReplyFault::Break, anyReply());
        plan.expect = Expect::Success;
        break;
    case FaultMode::HangUp:
        f.hangUpAfter = in(1, messages);
        f.hangUpCut = chance(50) ? -1 : in(0, 67);
        // After End, or after the last message that has a reply (06) if that
        // reply goes out whole, the session has already succeeded.
        plan.expect =
            f.hangUpAfter == messages || (f.hangUpAfter == messages - 1 && f.hangUpCut != 0)
                ? Expect::Success
                : Expect::Failure;
        break;
    case FaultMode::WrongPassword:
        break;
    }
}

} // namespace q716::soak
