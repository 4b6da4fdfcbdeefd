// Screenshots of the main window right after reading the simulated radio, in
// both languages: shots_session <output folder>
#include "support/AppFixture.h"
#include "support/SamplePlan.h"
#include "support/SimRadio.h"

#include "image/BuildImage.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>

namespace {

// Waits until the blinking status line shows the read's result.
bool waitForSuccessShown(q716::Form1& w, const QString& text) {
    QDeadlineTimer deadline(60000);
    while (!deadline.hasExpired()) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        if (w.Label->text() == text && w.Label->isVisible())
            return true;
    }
    return false;
}

bool readAndSave(q716::Form1& w, const QDir& out, const QString& success, const QString& name) {
    w.mnureadFre->trigger();
    if (!waitForSuccessShown(w, success))
        return false;
    return w.grab().save(out.filePath(name));
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    out.mkpath(QStringLiteral("."));

    QTemporaryDir dir;
    const QString memory = dir.filePath(QStringLiteral("radio.mem"));
    if (!q716::e2e::writeMemoryFile(memory, q716::buildImageBytes(q716::e2e::samplePlan())))
        return 1;
    q716::e2e::SimRadio radio(memory, QString());
    if (!radio.start())
        return 1;

    q716test::AppFixture fixture;
    qputenv("Q716_PORTS", radio.devicePath().toLocal8Bit());
    fixture.writeParameter(QByteArray("\x00\x01\x01", 3));
    std::unique_ptr<q716::Form1> w = fixture.start();
    bool ok = readAndSave(*w, out, QStringLiteral("Read frequency success!"), "session-en.png");
    // The toolbar comes back after the countdown; then read again in Chinese.
    QDeadlineTimer deadline(60000);
    while (!w->mnureadFre->isEnabled() || !w->mnupro->isEnabled()) {
        if (deadline.hasExpired())
            return 1;
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    w->mnuChinese->trigger();
    ok = readAndSave(*w, out, QStringLiteral("读频成功！"), "session-zh.png") && ok;
    return ok ? 0 : 1;
}
