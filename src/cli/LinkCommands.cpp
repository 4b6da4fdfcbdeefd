#include "LinkCommands.h"

#include "files/ChannelFile.h"
#include "image/BuildImage.h"
#include "image/LoadImage.h"
#include "link/DeviceSessionRunner.h"
#include "link/EditorSessionHost.h"
#include "link/PortOpenFailure.h"
#include "state/InitDefaults.h"

#include "RadioPort.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QEventLoop>
#include <QSerialPort>

#include <cstdio>
#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

using namespace q716;

namespace {

// The progress bar is drawn only for a person watching a terminal.
bool stderrIsTerminal() {
#ifdef Q_OS_WIN
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(STDERR_FILENO) != 0;
#endif
}

constexpr int EnglishLanguage = 1;

struct LinkArgs {
    QString port;
    QString file;
};

void printError(const QString& text) {
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

// Parses "--port DEV FILE"; prints the usage problem and returns false when wrong.
bool parseArgs(const QString& command, const QStringList& args, const QString& fileName,
               LinkArgs& out) {
    QCommandLineParser parser;
    const QCommandLineOption portOpt(QStringLiteral("port"),
                                     QStringLiteral("Serial device the radio is connected to."),
                                     QStringLiteral("DEV"));
    parser.addOption(portOpt);
    parser.addPositionalArgument(fileName, QStringLiteral("Channel file."));
    if (!parser.parse(args)) {
        printError(parser.errorText());
        return false;
    }
    if (!parser.isSet(portOpt) || parser.positionalArguments().size() != 1) {
        printError(QStringLiteral("usage: q716-cli %1 --port DEV %2").arg(command, fileName));
        return false;
    }
    out.port = parser.value(portOpt);
    out.file = parser.positionalArguments().first();
    return true;
}

bool openPort(QSerialPort& port, const QString& device) {
    PortOpenFailure failure;
    if (openRadioPort(port, device, &failure))
        return true;
    printError(QStringLiteral("Cannot open serial port %1: %2")
                   .arg(device, portProblemText(EnglishLanguage, failure)));
    return false;
}

void drawProgress(int value, int maximum) {
    if (!stderrIsTerminal() || maximum <= 0)
        return;
    constexpr int Width = 40;
    const int filled = Width * value / maximum;
    std::fprintf(stderr, "\r[%s%s] %3d%%", QByteArray(filled, '#').constData(),
                 QByteArray(Width - filled, ' ').constData(), 100 * value / maximum);
    std::fflush(stderr);
}

// Runs one session on the open port; true when it succeeded. The success text
// goes to stdout, the failure message to stderr.
bool runSession(QSerialPort& port, const QString& device, EditorState& state, bool write) {
    EditorSessionHost host(
        state, [](const EditorState& s) { return BuildImage(s); },
        [](EditorState& s, const QString& hex) {
            LoadImage(s, hex, [](const Message& m) {
                printError(m.text);
                return int(ResultOk);
            });
        });
    DeviceSessionRunner runner(port, host);
    bool hungUp = false;
    closeOnHangUp(port, &runner, [&] {
        hungUp = true;
        runner.deviceLost();
    });
    bool ok = false;
    QString text;
    QEventLoop loop;
    QObject::connect(&runner, &DeviceSessionRunner::progress, &drawProgress);
    QObject::connect(&runner, &DeviceSessionRunner::finished, &loop,
                     [&](bool success, const QString& t) {
                         ok = success;
                         text = t;
                         loop.quit();
                     });
    if (write)
        runner.startWrite();
    else
        runner.startRead();
    if (runner.session().view().timer1)
        loop.exec();
    // The end byte must reach the radio before the port closes.
    if (port.isOpen() && port.bytesToWrite() > 0)
        port.waitForBytesWritten(1000);
    if (stderrIsTerminal())
        std::fprintf(stderr, "\n");
    if (hungUp && !ok)
        printError(QStringLiteral("Serial port %1 hung up (cable unplugged or the other end "
                                  "closed).")
                       .arg(device));
    if (ok)
        std::printf("%s\n", qPrintable(text));
    else
        printError(text);
    return ok;
}

} // namespace

namespace q716::cli {

int runRead(const QStringList& args) {
    LinkArgs a;
    if (!parseArgs(QStringLiteral("read"), args, QStringLiteral("OUT.DAT"), a))
        return 1;
    EditorState state = freshEditorState();
    state.values.languageCode = EnglishLanguage;
    QSerialPort port;
    if (!openPort(port, a.port) || !runSession(port, a.port, state, false))
        return 1;
    const FileResult saved = saveChannelFile(state, a.file);
    if (!saved.ok()) {
        printError(QStringLiteral("Cannot save %1: %2").arg(a.file, saved.reason));
        return 1;
    }
    return 0;
}

int runWrite(const QStringList& args) {
    LinkArgs a;
    if (!parseArgs(QStringLiteral("write"), args, QStringLiteral("IN.DAT"), a))
        return 1;
    EditorState state = freshEditorState();
    state.values.languageCode = EnglishLanguage;
    const FileResult opened = openChannelFile(state, a.file, [](const Message& m) {
        printError(m.text);
        return int(ResultOk);
    });
    if (!opened.ok()) {
        printError(QStringLiteral("Cannot open %1: %2").arg(a.file, opened.reason));
        return 1;
    }
    QSerialPort port;
    return openPort(port, a.port) && runSession(port, a.port, state, true) ? 0 : 1;
}

} // namespace q716::cli
