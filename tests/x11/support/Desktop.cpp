#include "Desktop.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QScreen>
#include <cstring>

namespace q716x11 {

namespace {

const QString OtherTitle = QStringLiteral("q716-x11-other-window");

QString number(int v) {
    return QString::number(v);
}

} // namespace

bool xdotool(const QStringList& args) {
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(QStringLiteral("xdotool"), args);
    if (!p.waitForFinished(Patience)) {
        p.kill();
        p.waitForFinished();
        qWarning("xdotool %s did not finish", qPrintable(args.join(QLatin1Char(' '))));
        return false;
    }
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        qWarning("xdotool %s failed", qPrintable(args.join(QLatin1Char(' '))));
        return false;
    }
    return true;
}

// Each xdotool run ends with a round trip to the X server, so what it did
// comes before anything a later run does.
bool moveTo(Spot spot) {
    const QWidget* window = spot.widget->window();
    const QPoint at = spot.widget->mapTo(window, spot.local);
    return xdotool({"mousemove", "--window", QString::number(window->winId()), number(at.x()),
                    number(at.y())});
}

bool clickAt(Spot spot) {
    return moveTo(spot) && xdotool({"click", "1"});
}

bool slowClickAt(Spot spot, int holdMs) {
    return moveTo(spot) &&
           xdotool({"mousedown", "1", "sleep", QString::number(holdMs / 1000.0), "mouseup", "1"});
}

bool wheelAt(Spot spot, int notches) {
    const int button = notches > 0 ? 5 : 4;
    return moveTo(spot) &&
           xdotool({"click", "--repeat", number(qAbs(notches)), "--delay", "20", number(button)});
}

bool pressKey(const QString& keysym) {
    return xdotool({"key", keysym});
}

bool typeText(const QString& text) {
    return xdotool({"type", "--delay", "30", text});
}

bool activateWindow(WId window) {
    return xdotool({"windowactivate", "--sync", QString::number(window)});
}

bool parkPointer() {
    const QPoint corner = QGuiApplication::primaryScreen()->geometry().bottomRight() - QPoint(2, 2);
    return xdotool({"mousemove", number(corner.x()), number(corner.y())});
}

EventCounter::EventCounter(QList<QEvent::Type> types) : types_(std::move(types)) {
    qApp->installEventFilter(this);
}

EventCounter::~EventCounter() {
    qApp->removeEventFilter(this);
}

bool EventCounter::eventFilter(QObject* watched, QEvent* event) {
    if (watched->isWidgetType() && event->spontaneous() && types_.contains(event->type()))
        ++count_;
    return false;
}

OtherProgram::OtherProgram() = default;

OtherProgram::~OtherProgram() {
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(Patience);
    }
}

bool OtherProgram::start() {
    process_.setProcessChannelMode(QProcess::ForwardedChannels);
    process_.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--other-window")});
    if (!process_.waitForStarted(Patience))
        return false;
    QProcess search;
    search.start(QStringLiteral("xdotool"),
                 {"search", "--sync", "--onlyvisible", "--name", "^" + OtherTitle + "$"});
    if (!search.waitForFinished(Patience) || search.exitCode() != 0)
        return false;
    const QList<QByteArray> ids = search.readAllStandardOutput().split('\n');
    window_ = WId(ids.value(0).trimmed().toULongLong());
    return window_ != 0;
}

bool isOtherWindowMode(int argc, char** argv) {
    return argc > 1 && std::strcmp(argv[1], "--other-window") == 0;
}

int runOtherWindow() {
    QLabel window(QStringLiteral("another program"));
    window.setWindowTitle(OtherTitle);
    window.setGeometry(900, 700, 300, 200);
    window.show();
    return QApplication::exec();
}

} // namespace q716x11
