// Channels copied in one program and pasted in a second one through the X
// clipboard, with real keys and clicks. The second program is this test
// started again with --second-program; it writes its table to a file after
// every change, which the test reads.
#include "support/AppFixture.h"
#include "support/Desktop.h"
#include "support/GridDriver.h"

#include "channels/ChannelClipboard.h"
#include "channels/ChannelTable.h"
#include "edit/EditHistory.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QProcess>
#include <QSaveFile>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUndoStack>
#include <cstring>

using namespace q716test;
using namespace q716x11;

namespace {

// What the second program reports: its window, where its heading cell of
// channel 5 lies in it, the clipboard's formats and its receive column.
void report(q716::Form1& w, const QString& path) {
    const QRect heading = w.Grid1->visualItemRect(w.Grid1->item(4, 0));
    const QPoint at = w.Grid1->viewport()->mapTo(&w, heading.center());
    QStringList lines;
    lines << QStringLiteral("window %1 %2 %3").arg(w.winId()).arg(at.x()).arg(at.y());
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    lines << QStringLiteral("formats ") + (mime ? mime->formats().join(QLatin1Char(' ')) : "");
    QStringList rx;
    for (int row = 1; row <= q716::ChannelCount; ++row)
        rx << w.state.form1.grid.cells[row][1] + QLatin1Char('/') +
                  w.state.form1.grid.cells[row][2];
    lines << QStringLiteral("rx ") + rx.join(QLatin1Char(' '));
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(lines.join(QLatin1Char('\n')).toUtf8());
        file.commit();
    }
}

int runSecondProgram(const QString& reportPath) {
    AppFixture fx;
    fx.writeParameter(QByteArray("\0\0\1", 3));
    auto w = fx.start();
    w->setWindowTitle(QStringLiteral("second q716"));
    w->move(640, 40);
    QObject::connect(w->history->stack(), &QUndoStack::indexChanged, w.get(),
                     [&] { report(*w, reportPath); });
    QTimer::singleShot(500, w.get(), [&] { report(*w, reportPath); });
    return QApplication::exec();
}

QString readReport(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString reportLine(const QString& report, const QString& key) {
    for (const QString& line : report.split(QLatin1Char('\n')))
        if (line.startsWith(key + QLatin1Char(' ')))
            return line.mid(key.size() + 1);
    return {};
}

} // namespace

class X11Clipboard : public QObject {
    Q_OBJECT

    std::unique_ptr<AppFixture> fx;
    std::unique_ptr<q716::Form1> w;
    QTemporaryDir dir;
    QProcess second;

  private slots:
    void cleanup() {
        if (second.state() != QProcess::NotRunning) {
            second.terminate();
            if (!second.waitForFinished(Patience))
                second.kill();
        }
        w.reset();
        fx.reset();
    }

    void copyInOneProgramPasteInAnother() {
        fx = std::make_unique<AppFixture>();
        fx->writeParameter(QByteArray("\0\0\1", 3));
        w = fx->start();
        w->move(0, 40);
        QVERIFY(QTest::qWaitForWindowExposed(w.get(), Patience));
        // Two channels, the second with a DCS tone, typed as a person would.
        for (int row : {1, 2}) {
            w->state.form1.grid.cells[row][1] = QStringLiteral("43%1.12500").arg(row);
            q716::applyNewChannelDefaults(w->state.form1.grid, row, 1);
        }
        w->state.form1.grid.cells[2][2] = QStringLiteral("D754I");
        w->state.form1.grid.index[2][2] = 260;
        w->refreshFromState();

        const QString reportPath = dir.filePath(QStringLiteral("second.txt"));
        second.setProcessChannelMode(QProcess::ForwardedChannels);
        second.start(QCoreApplication::applicationFilePath(),
                     {QStringLiteral("--second-program"), reportPath});
        QVERIFY(second.waitForStarted(Patience));
        QTRY_VERIFY_WITH_TIMEOUT(!reportLine(readReport(reportPath), "window").isEmpty(), Patience);

        // Select channels 1 and 2 through the heading column and copy.
        QVERIFY(activateWindow(w->winId()));
        QVERIFY(QTest::qWaitForWindowActive(w.get(), Patience));
        QVERIFY(clickAt({w->Grid1->viewport(), cellCentre(*w, 1, 0)}));
        QVERIFY(xdotool({"keydown", "shift"}));
        QVERIFY(clickAt({w->Grid1->viewport(), cellCentre(*w, 2, 0)}));
        QVERIFY(xdotool({"keyup", "shift"}));
        QTRY_COMPARE_WITH_TIMEOUT(w->selectedChannels(), (q716::ChannelRows{1, 2}), Patience);
        QVERIFY(pressKey(QStringLiteral("ctrl+c")));
        QTRY_VERIFY_WITH_TIMEOUT(
            QApplication::clipboard()->mimeData()->hasFormat(q716::ChannelsMimeType), Patience);

        // Paste at channel 5 of the second program.
        const QStringList window = reportLine(readReport(reportPath), "window").split(' ');
        QCOMPARE(window.size(), 3);
        QVERIFY(activateWindow(WId(window[0].toULongLong())));
        QVERIFY(xdotool({"mousemove", "--window", window[0], window[1], window[2]}));
        QVERIFY(xdotool({"click", "1"}));
        QVERIFY(pressKey(QStringLiteral("ctrl+v")));
        QTRY_VERIFY_WITH_TIMEOUT(reportLine(readReport(reportPath), "rx").contains("431.12500"),
                                 Patience);
        const QString report = readReport(reportPath);
        const QStringList rx = reportLine(report, "rx").split(' ');
        QCOMPARE(rx.value(4), QString("431.12500/Off"));
        QCOMPARE(rx.value(5), QString("432.12500/D754I"));
        QCOMPARE(rx.value(0), QString("/"));
        QVERIFY(reportLine(report, "formats").contains(q716::ChannelsMimeType));
        QVERIFY(reportLine(report, "formats").contains("text/plain"));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc > 2 && std::strcmp(argv[1], "--second-program") == 0)
        return runSecondProgram(QString::fromLocal8Bit(argv[2]));
    X11Clipboard test;
    return QTest::qExec(&test, argc, argv);
}

#include "x11_clipboard.moc"
