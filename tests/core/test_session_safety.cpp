// The safe-write sequence against the in-process radio on a virtual clock:
// the read before, the write, the check after, the backups and the log, as
// the window and q716-cli each run it.

#include "Radio.h"
#include "VirtualCable.h"
#include "VirtualClock.h"

#include "files/ChannelFile.h"
#include "image/BuildImage.h"
#include "image/LoadImage.h"
#include "link/EditorSessionHost.h"
#include "link/SessionSafety.h"
#include "state/InitDefaults.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <utility>

using namespace q716;
using q716sim::Faults;

namespace {

// The editor, a session runner and the sequence over an in-process cable.
class Line : public SessionPort {
  public:
    Line(const QByteArray& memory, const Faults& faults, const SafetyOptions& options)
        : radio_(q716sim::RadioMemory(QByteArray(0x10, char(0xFF)) + memory), faults),
          cable_(clock_, radio_,
                 {[this](const QByteArray& b) {
                      arrived_ += b;
                      runner_.received();
                  },
                  [this] { runner_.lineBreak(); },
                  [this] {
                      open_ = false;
                      runner_.portLost();
                  }}),
          host_(
              state, [](const EditorState& s) { return BuildImage(s); },
              [](EditorState& s, const QString& hex) { LoadImage(s, hex, {}); }),
          runner_(host_), safety(
                              runner_, [] { return 1; }, options) {
        state.values.languageCode = 1;
        runner_.setPort(this);
        runner_.setTimerSwitch([this](QTimer* timer, bool on) {
            auto& t = timer == runner_.Timer1 ? timer1_ : timer2_;
            on ? t.start() : t.stop();
        });
        safety.setVerifyAfterWrite([] { return true; });
        QObject::connect(&safety, &SessionSafety::writeEnded,
                         [this](const WriteEnd& e) { ends.append(e); });
    }
    bool isOpen() const override { return open_; }
    void output(const QByteArray& bytes) override { cable_.write(bytes); }
    QByteArray input() override { return std::exchange(arrived_, {}); }

    void write(bool readFirst) {
        safety.startWrite(readFirst);
        while (clock_.pending())
            clock_.runNext();
    }
    QByteArray radioImage() const { return radio_.memory().bytes().mid(0x10, 848); }

    EditorState state = freshEditorState();
    QList<WriteEnd> ends;

  private:
    q716sim::VirtualClock clock_;
    q716sim::Radio radio_;
    q716sim::VirtualCable cable_;
    bool open_ = true;
    QByteArray arrived_;
    EditorSessionHost host_;
    SessionRunner runner_;
    q716sim::VirtualTimer timer1_{clock_, 500, [this] { runner_.timer1Tick(); }};
    q716sim::VirtualTimer timer2_{clock_, 200, [this] { runner_.timer2Tick(); }};

  public:
    SessionSafety safety;
};

QByteArray backupBytes(const QString& suffix) {
    const QDir folder(backupFolder());
    const QStringList names = folder.entryList({"*_" + suffix + ".DAT"}, QDir::Files);
    QFile file(folder.filePath(names.value(0)));
    return names.size() == 1 && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(SessionSafety, EveryStepOfAWrite) {
    struct Row {
        const char* name;
        bool commandLine;
        bool readFirst;
        Faults faults;
        QStringList kinds;  // the sessions logged
        QString outcome;    // the last one's result
        int mismatches;     // what the check found
        WriteEnd::Step end; // how the write ended
        bool ok;
        bool portClosed;
    };
    Faults flip;
    flip.replyFaults = {{q716sim::ReplyFault::FlipStored, 5, 3}};
    Faults hangUp;
    hangUp.hangUpAfter = 33; // right after the write's end byte
    const QStringList all{"read before write", "write", "verify"};
    const Row rows[] = {
        {"window", false, true, {}, all, "Verify OK", 0, WriteEnd::Step::Check, true, false},
        {"q716-cli",
         true,
         true,
         {},
         all,
         "Read frequency success!",
         0,
         WriteEnd::Step::Check,
         true,
         false},
        {"a byte stored wrong",
         false,
         false,
         flip,
         {"write", "verify"},
         "Verify failed!",
         1,
         WriteEnd::Step::Check,
         true,
         false},
        {"the port closes before the check",
         true,
         false,
         hangUp,
         {"write"},
         "Write frequency success!",
         0,
         WriteEnd::Step::Check,
         false,
         true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir data;
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        EditorState held = freshEditorState();
        held.form1.combo9 = 3;
        SafetyOptions options;
        options.backupWriteAtStart = options.logSessionResults = row.commandLine;
        Line line(buildImageBytes(held), row.faults, options);
        line.write(row.readFirst);

        ASSERT_EQ(line.ends.size(), 1);
        EXPECT_EQ(line.ends[0].step, row.end);
        EXPECT_EQ(line.ends[0].ok, row.ok);
        EXPECT_EQ(line.ends[0].portClosed, row.portClosed);
        QStringList kinds;
        for (const SessionRecord& r : line.safety.log().sessions())
            kinds << r.kind;
        EXPECT_EQ(kinds, row.kinds);
        const SessionRecord& last = line.safety.log().sessions().back();
        EXPECT_EQ(last.outcome, row.outcome);
        EXPECT_EQ(line.safety.mismatches().size(), row.mismatches);
        EXPECT_EQ(last.details.size(), row.mismatches);
        const QByteArray plan = buildImageBytes(line.state);
        EXPECT_EQ(backupBytes("write"), ChannelFileSignature + plan);
        EXPECT_EQ(backupBytes("before-write"),
                  row.readFirst ? ChannelFileSignature + buildImageBytes(held) : QByteArray());
        if (row.ok) {
            EXPECT_EQ(backupBytes("read"), ChannelFileSignature + line.radioImage());
        }
        if (row.mismatches == 0 && row.ok) {
            // A second write of another plan checks its own blocks only.
            line.state.form1.combo9 = 5;
            line.write(false);
            EXPECT_TRUE(line.safety.mismatches().isEmpty());
            EXPECT_EQ(line.radioImage().left(0x170), buildImageBytes(line.state).left(0x170));
        }
    }
    qunsetenv("XDG_DATA_HOME");
}
