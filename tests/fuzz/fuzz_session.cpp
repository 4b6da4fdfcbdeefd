// The session engine: the input is a stream of events for the program's side
// of a session (SessionRig): starts of reads, writes and password changes
// with the port open or closed, the in-process radio's replies delivered
// whole, cut, dropped or spoilt, any other bytes, breaks, a lost and a
// reopened port, and ticks of both timers. Message boxes, the load's
// questions among them, let events through while they are open. The radio
// answers every message the engine sends, so delivering its replies makes
// whole reads and writes happen and the fuzzer reaches the end of a session.
//
// Input: one setup byte (bit 0 the editor, bit 1 a closed port, bits 2-3 the
// radio's memory, bits 4-6 flip the calibration lock, the administrator mode
// and the language, bit 7 answers the load's questions with the second
// button), then events: an event byte (its value modulo EventCount) and its
// operands. The invariants are checked by the rig as the actions are carried
// out (SessionRig.cpp).

#include "SessionRig.h"

#include <array>
#include <cstddef>
#include <cstdint>

using namespace q716;
using namespace q716::fuzz;

namespace {

// The event numbers are the input's format: tests/fuzz/make-corpus writes them.
enum Event : uint8_t {
    StartRead,     // from the toolbar, when the window has it enabled
    StartWrite,    // the same
    StartPassword, // Create New Password; operand: which old and new password
    DeliverNext,   // the radio's next reply piece
    DeliverPart,   // operand + 1 bytes of it
    DeliverAll,    // every reply while the radio answers
    DropNext,      // the next piece is lost
    SpoilNext,     // operands: which byte, XOR mask
    Bytes,         // operand: count (modulo 24), then the bytes
    LineBreak,     //
    Tick1,         //
    Tick1Times,    // operand: count (modulo 8) + 1
    Tick2,         //
    Tick2Times,    // operand: count (modulo 16) + 1
    PortLost,      //
    PortOpened,    // chosen again in the port dialog
    EventCount
};

// Boxes open inside boxes deliver no more events: the stream stays finite.
constexpr int DeepestBox = 2;

class Input {
  public:
    Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool empty() const { return at_ >= size_; }
    uint8_t next() { return empty() ? 0 : data_[at_++]; }

  private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

void passwordChange(SessionRig& rig, uint8_t operand) {
    const std::array<QString, 3> olds = {rig.radioPassword(), QStringLiteral("SECRET1"),
                                         QStringLiteral("wrong9")};
    const std::array<QString, 4> news = {QStringLiteral("new.Pass1"),
                                         QStringLiteral("0123456789abcdef"),
                                         QStringLiteral("SECRET1"), QStringLiteral("x")};
    const QString& oldPassword = olds[operand % olds.size()];
    // The dialog refuses an empty old password.
    rig.startPasswordChange(oldPassword.isEmpty() ? QStringLiteral("empty") : oldPassword,
                            news[(operand / olds.size()) % news.size()]);
}

// One event. A modal message box lets no start through.
void runEvent(SessionRig& rig, Input& in, bool startsAllowed) {
    switch (in.next() % EventCount) {
    case StartRead:
        if (startsAllowed && rig.readWriteEnabled())
            rig.startRead();
        break;
    case StartWrite:
        if (startsAllowed && rig.readWriteEnabled())
            rig.startWrite();
        break;
    case StartPassword: {
        const uint8_t which = in.next();
        if (startsAllowed)
            passwordChange(rig, which);
        break;
    }
    case DeliverNext:
        rig.deliverNext();
        break;
    case DeliverPart:
        rig.deliverPart(in.next() + 1);
        break;
    case DeliverAll:
        rig.deliverAll();
        break;
    case DropNext:
        rig.dropNext();
        break;
    case SpoilNext: {
        const int index = in.next();
        rig.spoilNext(index, in.next());
        break;
    }
    case Bytes: {
        QByteArray bytes;
        for (int n = in.next() % 24; n > 0 && !in.empty(); --n)
            bytes.append(char(in.next()));
        rig.bytesFromLine(bytes);
        break;
    }
    case LineBreak:
        rig.lineBreak();
        break;
    case Tick1:
        rig.tick1();
        break;
    case Tick1Times:
        for (int n = in.next() % 8 + 1; n > 0; --n)
            rig.tick1();
        break;
    case Tick2:
        rig.tick2();
        break;
    case Tick2Times:
        for (int n = in.next() % 16 + 1; n > 0; --n)
            rig.tick2();
        break;
    case PortLost:
        rig.portLost();
        break;
    case PortOpened:
        // The port dialog cannot be used while a message box is open.
        if (startsAllowed)
            rig.portOpened();
        break;
    default:
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Input in(data, size);
    const uint8_t setupByte = in.next();
    RigSetup setup;
    setup.editor = setupByte & 1;
    setup.portOpen = !(setupByte & 2);
    setup.radioMemory = (setupByte >> 2) & 3;
    setup.flipDebugUnlocked = setupByte & 16;
    setup.flipAdminMode = setupByte & 32;
    setup.flipLanguage = setupByte & 64;
    setup.answerFirst = !(setupByte & 128);
    SessionRig rig(setup);
    rig.whileBoxOpen = [&rig, &in] {
        if (rig.boxesOpen() > DeepestBox)
            return;
        for (int n = in.next() % 4; n > 0 && !in.empty(); --n)
            runEvent(rig, in, false);
    };
    while (!in.empty())
        runEvent(rig, in, true);
    return 0;
}
