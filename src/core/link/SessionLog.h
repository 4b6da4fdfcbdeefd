#pragma once
// The bytes of radio sessions as they went over the line, for a support
// request: each piece with its direction and its time since the session
// began. The communication password never appears in clear: the data bytes
// of a block that covers it (0x01C0..0x01CF) are masked in every write block
// the program sends and in every block the radio sends, by the address the
// block names, whatever was asked for.

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>

namespace q716 {

enum class LinkDirection {
    Sent,    // program -> radio
    Received // radio -> program
};

struct LogEntry {
    LinkDirection direction = LinkDirection::Sent;
    qint64 offsetMs = 0;
    QByteArray bytes;  // masked bytes hold 0
    QByteArray hidden; // one flag per byte: non-zero where the byte is masked
};

struct SessionRecord {
    QString kind; // "read", "write", "password", "verify", "compare"
    QString port;
    QDateTime started;
    QString outcome; // the success caption or the message that ended the session
    QList<LogEntry> entries;
    QStringList details; // what a check found, one line each (every byte that differs)
};

// One session's bytes, masked as they are recorded.
class SessionRecorder {
  public:
    // Milliseconds from an arbitrary origin; the recorder keeps the first as 0.
    using Clock = std::function<qint64()>;

    explicit SessionRecorder(Clock clock = {});

    void begin(const QString& kind, const QString& port, const QDateTime& started);
    // One message the program sent (a whole message per call); nothing is
    // recorded between end() and the next begin().
    void sent(const QByteArray& bytes);
    // Bytes as they arrived, in pieces of any size.
    void received(const QByteArray& bytes);
    void end(const QString& outcome, const QStringList& details = {});

    bool running() const { return running_; }
    const SessionRecord& record() const { return record_; }

  private:
    void add(LinkDirection direction, const QByteArray& bytes);
    void maskReplies();
    void maskBlock(qsizetype start, int address, int length);
    void hide(qsizetype windowPosition);

    Clock clock_;
    qint64 origin_ = 0;
    bool running_ = false;
    SessionRecord record_;
    // The block the last read request asked for, when it covers the password.
    int expectedAddress_ = -1;
    int expectedLength_ = 0;
    // The bytes received since the last message sent: where each sits.
    struct Position {
        qsizetype entry;
        qsizetype offset;
    };
    QList<Position> window_;
    QByteArray windowBytes_; // as received, before masking
};

// The text of a session: a heading line, one line per piece ("TX" sent,
// "RX" received, the offset in ms, the bytes in hex with "**" for masked
// ones), the outcome and its details.
QString formatSessionRecord(const SessionRecord& record, int number);

// The sessions the window keeps: the newest `capacity`, oldest first.
class SessionLogBook {
  public:
    static constexpr int Capacity = 20;

    void add(const SessionRecord& record);
    const std::deque<SessionRecord>& sessions() const { return sessions_; }
    // Every session kept, numbered from the first one ever added.
    QString text() const;

  private:
    std::deque<SessionRecord> sessions_;
    int dropped_ = 0;
};

} // namespace q716
