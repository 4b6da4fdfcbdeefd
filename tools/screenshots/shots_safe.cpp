// Screenshots of the safe writes against the simulated radio, in English and
// Chinese: the Programming menu, the comparison with the radio, the list of
// a read-back that differs, the communication log and the question before a
// write of values that cannot be stored.
// shots_safe <output folder>
#include "support/AppFixture.h"
#include "support/SamplePlan.h"
#include "support/SimRadio.h"

#include "files/ChannelFile.h"
#include "image/BuildImage.h"
#include "link/SessionController.h"
#include "safety/CompareWindow.h"
#include "safety/LinkSafety.h"
#include "safety/LogWindow.h"
#include "safety/VerifyWindow.h"
#include "shell/LocalMsgBox.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

namespace {

bool waitFor(const std::function<bool()>& condition) {
    QDeadlineTimer deadline(60000);
    while (!deadline.hasExpired()) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        if (condition())
            return true;
    }
    return false;
}

bool idle(q716::Form1& w) {
    return waitFor([&] { return w.mnupro->isEnabled() && !w.link->Timer2->isActive(); });
}

bool save(QWidget* widget, const QDir& out, const char* name) {
    waitFor([] { return true; });
    return widget->grab().save(out.filePath(QLatin1String(name)));
}

// The plan the editor holds: the radio's, with a few changes.
q716::EditorState editedPlan() {
    q716::EditorState s = q716::e2e::samplePlan();
    s.form1.grid.cell(3, 3) = QStringLiteral("402.50000");
    s.form1.grid.cell(2, 4) = QStringLiteral("88.5");
    s.form1.combo3 = 7;
    s.values.embeddedInfo[0] = QStringLiteral("FIELD UNIT 9");
    return s;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    out.mkpath(QStringLiteral("."));

    QTemporaryDir dir;
    const QString memory = dir.filePath(QStringLiteral("radio.mem"));
    const QString plan = dir.filePath(QStringLiteral("plan.dat"));
    if (!q716::e2e::writeMemoryFile(memory, q716::buildImageBytes(q716::e2e::samplePlan())) ||
        !q716::saveChannelFile(editedPlan(), plan).ok())
        return 1;
    // Three blocks of each of the two writes (29 blocks each) are stored
    // with a byte inverted.
    q716::e2e::SimRadio radio(memory, QString(),
                              {"--fault", "flip-stored=3@5", "--fault", "flip-stored=0@12",
                               "--fault", "flip-stored=5@28", "--fault", "flip-stored=3@34",
                               "--fault", "flip-stored=0@41", "--fault", "flip-stored=5@57"});
    if (!radio.start())
        return 1;

    q716test::AppFixture fixture;
    qputenv("Q716_PORTS", radio.devicePath().toLocal8Bit());
    fixture.writeParameter(QByteArray("\x00\x01\x01", 3));
    std::unique_ptr<q716::Form1> w = fixture.start({plan});
    bool ok = true;

    const auto language = [&](const char* lang) {
        (QLatin1String(lang) == QLatin1String("zh") ? w->mnuChinese : w->mnuEnglish)->trigger();
    };
    const auto name = [](const char* what, const char* lang) {
        return QStringLiteral("%1-%2.png").arg(QLatin1String(what), QLatin1String(lang));
    };
    for (const char* lang : {"en", "zh"}) {
        language(lang);
        w->mnupro->popup(w->mapToGlobal(QPoint(40, 40)));
        ok = save(w->mnupro, out, qPrintable(name("safe-menu", lang))) && ok;
        w->mnupro->hide();
    }

    q716::CompareWindow* compare = w->safety->compareWindow();
    language("en");
    w->mnuCompareRadio->trigger();
    ok = waitFor([&] { return compare->isVisible(); }) && ok;
    ok = save(compare, out, "safe-compare-en.png") && ok;
    language("zh");
    ok = save(compare, out, "safe-compare-zh.png") && ok;
    compare->hide();
    ok = idle(*w) && ok;

    // The list of a read-back that differs.
    q716::VerifyWindow* verify = w->safety->verifyWindow();
    w->mnuVerifyAfterWrite->trigger();
    for (const char* lang : {"en", "zh"}) {
        language(lang);
        w->mnuwriteFre->trigger();
        ok = waitFor([&] { return verify->isVisible(); }) && ok;
        ok = save(verify, out, qPrintable(name("safe-verify", lang))) && ok;
        verify->hide();
        ok = idle(*w) && ok;
    }
    w->mnuVerifyAfterWrite->trigger();

    q716::LogWindow* log = w->safety->logWindow();
    for (const char* lang : {"en", "zh"}) {
        language(lang);
        w->mnuCommLog->trigger();
        log->LogText->verticalScrollBar()->setValue(0);
        ok = save(log, out, qPrintable(name("safe-log", lang))) && ok;
        log->hide();
    }

    // A file whose channel 1 receives at "438.5000A" and channel 2 with the
    // tone "3075.4": the question before a write, answered Cancel.
    QByteArray odd = q716::buildImageBytes(editedPlan());
    odd.replace(0x00, 4, QByteArray::fromHex("0A008543"));
    odd.replace(0x18, 2, QByteArray::fromHex("2278"));
    const QString oddFile = dir.filePath(QStringLiteral("odd.dat"));
    QFile file(oddFile);
    ok = file.open(QIODevice::WriteOnly) && file.write(q716::ChannelFileSignature + odd) > 0 && ok;
    file.close();
    // Each box is shown and taken as a picture; the question is answered Cancel.
    QString shot;
    q716::setMessageBoxAnswerer([&](QMessageBox& box) {
        box.show();
        ok = save(&box, out, qPrintable(shot)) && ok;
        box.hide();
        return int(q716::ResultCancel);
    });
    for (const char* lang : {"en", "zh"}) {
        language(lang);
        shot = dir.filePath(QStringLiteral("notice.png"));
        w->openChannelFileNamed(oddFile);
        shot = name("safe-notstored", lang);
        w->mnuwriteFre->trigger();
    }
    return ok ? 0 : 1;
}
