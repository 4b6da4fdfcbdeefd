// A write to several radios at once against q716-sim paced at 9600 baud:
// q716-cli serves every port from one event loop, so four radios should take
// about the time of one (each waits on its own line, not on the others).

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

class PacedRadio {
  public:
    explicit PacedRadio(const QString& memory) {
        process_.start(QStringLiteral(Q716_SIM),
                       {QStringLiteral("--memory"), memory, QStringLiteral("--baud-pace")});
        process_.waitForStarted();
        while (!process_.canReadLine() && process_.waitForReadyRead(30000)) {
        }
        device_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    }
    ~PacedRadio() {
        process_.terminate();
        process_.waitForFinished();
    }
    const QString& device() const { return device_; }

  private:
    QProcess process_;
    QString device_;
};

bool runCli(const QStringList& args) {
    QProcess cli;
    cli.start(QStringLiteral(Q716_CLI), args);
    return cli.waitForFinished(120000) && cli.exitStatus() == QProcess::NormalExit &&
           cli.exitCode() == 0;
}

void fleetWrite(benchmark::State& st) {
    QTemporaryDir dir;
    const QString plan = dir.filePath(QStringLiteral("plan.dat"));
    if (!runCli({QStringLiteral("new"), plan})) {
        st.SkipWithError("q716-cli new failed");
        return;
    }
    std::vector<std::unique_ptr<PacedRadio>> radios;
    QStringList args{QStringLiteral("write"), QStringLiteral("--no-backup")};
    for (int i = 0; i < st.range(0); ++i) {
        radios.push_back(std::make_unique<PacedRadio>(dir.filePath(QStringLiteral("r%1").arg(i))));
        if (radios.back()->device().isEmpty()) {
            st.SkipWithError("q716-sim did not start");
            return;
        }
        args << QStringLiteral("--port") << radios.back()->device();
    }
    args << plan;
    for (auto _ : st) {
        QElapsedTimer t;
        t.start();
        if (!runCli(args)) {
            st.SkipWithError("write failed");
            return;
        }
        st.SetIterationTime(double(t.nsecsElapsed()) / 1e9);
    }
    st.counters["radios"] = double(st.range(0));
}

BENCHMARK(fleetWrite)
    ->Arg(1)
    ->Arg(4)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
