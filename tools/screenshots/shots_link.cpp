// Screenshots of the port dialog and the password dialog in both languages:
// shots_link <output folder>
#include "support/AppFixture.h"
#include "support/Pty.h"

#include "link/FormCOM.h"
#include "link/FormUsePass.h"

#include <QAction>
#include <QApplication>
#include <QDir>

namespace {

bool save(QWidget* widget, const QDir& out, const QString& name) {
    widget->show();
    QApplication::processEvents();
    return widget->grab().save(out.filePath(name));
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    out.mkpath(QStringLiteral("."));

    q716test::AppFixture fixture;
    // Two cable adapters and a device that is not there, as the port list shows them.
    q716test::Pty first, second;
    const QString missing = QDir::temp().filePath(QStringLiteral("q716-unplugged"));
    qputenv("Q716_PORTS", (first.path() + ':' + second.path() + ':' + missing).toLocal8Bit());
    fixture.writeParameter(QByteArray("\x00\x02\x00", 3));
    std::unique_ptr<q716::Form1> w = fixture.start();

    bool ok = true;
    for (const char* lang : {"zh", "en"}) {
        if (QLatin1String(lang) == QLatin1String("en"))
            w->mnuEnglish->trigger();
        ok = save(w->formCOM, out, QStringLiteral("link-ports-%1.png").arg(QLatin1String(lang))) &&
             ok;
        ok = save(w->formUsePass, out,
                  QStringLiteral("link-password-%1.png").arg(QLatin1String(lang))) &&
             ok;
    }
    return ok ? 0 : 1;
}
