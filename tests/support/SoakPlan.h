#pragma once
// The sessions of a soak: which session runs, against which radio memory,
// with which fault schedule, and what the protocol lets the program make of
// it. Shared by the engine soak and the window soak.

#include "RadioFaults.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <random>

namespace q716::soak {

enum class SessionKind { Read, Write, Password };

// One fault per session, or none. Every mode of the radio's fault list.
enum class FaultMode {
    None,
    SilentAfter,
    WrongAddress,
    Split,
    OneByteAtATime,
    JunkBefore,
    JunkAfter,
    Repeat,
    Nak,
    FlipStored,
    LateReply,
    Break,
    HangUp,
    WrongPassword, // not the radio's: the old password typed does not match
};
constexpr int FaultModeCount = int(FaultMode::WrongPassword) + 1;
QString modeName(FaultMode mode);

// How a session can end.
enum class Outcome {
    Success,
    CommunicationError,
    PasswordRefused,
    // Success was reported but the radio holds other bytes than were sent: a
    // stop-and-wait protocol without a read-back cannot see a byte the radio
    // stores wrong after acknowledging it.
    UndetectedCorruption,
};
constexpr int OutcomeCount = int(Outcome::UndetectedCorruption) + 1;
QString outcomeName(Outcome outcome);

// What the protocol makes of the session's fault: some faults end every
// session the same way; some (a junk byte after a reply, a repeated reply, a
// reply late by about the watchdog's time) end it either way depending on
// where they hit, and only the invariants are checked then.
enum class Expect { Success, Failure, SuccessOrFailure, Corruption, PasswordRefused };
bool outcomeExpected(Expect expect, Outcome outcome);

struct SessionPlan {
    SessionKind kind = SessionKind::Read;
    FaultMode mode = FaultMode::None;
    q716sim::Faults faults;
    Expect expect = Expect::Success;
    int languageCode = 1;
    int latencyMs = 0;
    bool debugUnlocked = false; // a write that sends the calibration block too
    QString oldPassword;        // a password change: the old password typed
    QString newPassword;        // and the new one
    // A radio with this memory takes the place of the last one first.
    std::optional<QByteArray> newRadioMemory;
    // The editor gets this image first, as if a channel file were opened.
    std::optional<QByteArray> newEditorImage;
    // How long a message box stays open before it is answered.
    int answerDelayMs = 0;
    // A password change can start from its dialog while the countdown after
    // a success still runs. If this session succeeds, the next one is a
    // password change started this many ms after the success (-1: the next
    // session starts once the program is idle).
    int passwordChangeDuringCountdownMs = -1;
    bool startsDuringCountdown = false; // this is that password change

    QString describe() const;
};

// The messages a session sends (End included) and the replies it waits for.
int messagesOf(SessionKind kind, bool debugUnlocked, bool passwordMatches = true);
int repliesOf(SessionKind kind, bool debugUnlocked, bool passwordMatches = true);
// The write blocks of a write, in order.
QList<int> writeAddresses(bool debugUnlocked);
// The 16 bytes of the password block for a password.
QByteArray passwordBlock(const QString& password);
// The password a radio memory (from 0x0000) holds.
QString radioPassword(const QByteArray& memory);

class Planner {
  public:
    explicit Planner(quint32 seed) : rng_(seed) {}

    // A radio memory (from 0x0000) holding a plan the editor could have
    // written, with a password the dialog can type.
    QByteArray radioMemory();
    // The next session against a radio holding `memory`.
    SessionPlan next(const QByteArray& memory);
    int in(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    bool chance(int percent) { return in(1, 100) <= percent; }

  private:
    QString password();
    QByteArray randomPlanImage();
    QByteArray questionImage();
    QByteArray randomBytesImage();
    void chooseFault(SessionPlan& plan, bool passwordMatches);

    std::mt19937 rng_;
    bool passwordChangeNext_ = false;
};

} // namespace q716::soak
