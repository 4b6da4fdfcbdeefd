// Whole read and write sessions against q716-sim through a pseudo-terminal:
// unpaced (the program's own overhead per session) and paced at 9600 baud,
// compared with the time the bytes need on the wire.

#include "image/BuildImage.h"
#include "image/LoadImage.h"
#include "link/EditorSessionHost.h"
#include "link/SessionRunner.h"
#include "state/InitDefaults.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>
#include <QSerialPort>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

using namespace q716;

namespace {

// Bytes on the wire until the session's success, both directions, without the
// end byte the program sends after it.
// Read: Open 7, Identify 1, Ack 1, 16 x (request 4 + Ack 1) sent;
//       Ack 1, identification 8, Ack 1, 16 x (reply 68 + Ack 1) received.
constexpr int ReadWireBytes = (7 + 1 + 1 + 16 * 5) + (1 + 8 + 1 + 16 * 69);
// Write: Open 7, Identify 1, Ack 1, 29 blocks of 20 sent; Ack, identification,
//        Ack and 29 Acks received.
constexpr int WriteWireBytes = (7 + 1 + 1 + 29 * 20) + (1 + 8 + 1 + 29);

double wireSeconds(int bytes) {
    return bytes * 10.0 / 9600.0;
}

// The simulator's pseudo-terminal as the line of a session.
class SimLine : public SessionPort {
  public:
    explicit SimLine(QSerialPort& port) : port_(port) {}
    bool isOpen() const override { return port_.isOpen(); }
    void output(const QByteArray& bytes) override { port_.write(bytes); }
    QByteArray input() override { return port_.readAll(); }

  private:
    QSerialPort& port_;
};

class Simulator {
  public:
    explicit Simulator(bool paced) {
        QStringList args{QStringLiteral("--memory"), dir_.filePath(QStringLiteral("radio.mem"))};
        if (paced)
            args << QStringLiteral("--baud-pace");
        process_.start(QStringLiteral(Q716_SIM), args);
        process_.waitForStarted();
        while (!process_.canReadLine() && process_.waitForReadyRead(30000)) {
        }
        device_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
        port_.setPortName(device_);
        port_.setBaudRate(QSerialPort::Baud9600);
        port_.setFlowControl(QSerialPort::NoFlowControl);
        ok_ = !device_.isEmpty() && port_.open(QIODevice::ReadWrite);
    }
    ~Simulator() {
        port_.close();
        process_.terminate();
        process_.waitForFinished();
    }
    bool ok() const { return ok_; }

    bool run(bool write) {
        EditorState state = freshEditorState();
        EditorSessionHost host(
            state, [](const EditorState& s) { return BuildImage(s); },
            [](EditorState& s, const QString& hex) { LoadImage(s, hex, {}); });
        SimLine line(port_);
        SessionRunner runner(host);
        runner.setPort(&line);
        QObject::connect(&port_, &QSerialPort::readyRead, &runner, &SessionRunner::received);
        bool success = false;
        QEventLoop loop;
        QObject::connect(&runner, &SessionRunner::sessionFinished, &loop, [&](bool ok) {
            success = ok;
            loop.quit();
        });
        if (runner.start(write ? SessionRunner::Kind::Write : SessionRunner::Kind::Read))
            loop.exec();
        if (port_.bytesToWrite() > 0)
            port_.waitForBytesWritten(1000);
        return success;
    }

  private:
    QTemporaryDir dir_;
    QProcess process_;
    QSerialPort port_;
    QString device_;
    bool ok_ = false;
};

void session(benchmark::State& st, bool write, bool paced) {
    Simulator sim(paced);
    if (!sim.ok()) {
        st.SkipWithError("q716-sim did not start");
        return;
    }
    for (auto _ : st)
        if (!sim.run(write)) {
            st.SkipWithError("session failed");
            return;
        }
    const int bytes = write ? WriteWireBytes : ReadWireBytes;
    st.counters["wire_bytes"] = bytes;
    st.counters["wire_bound_ms"] = 1000.0 * wireSeconds(bytes);
}

BENCHMARK_CAPTURE(session, read_unpaced, false, false)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(session, write_unpaced, true, false)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(session, read_paced, false, true)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);
BENCHMARK_CAPTURE(session, write_paced, true, true)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
