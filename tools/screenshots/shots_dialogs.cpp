// Screenshots of the auxiliary dialogs in Chinese and English, each shown
// by its menu item of the main window as the program shows it:
// shots_dialogs <output folder>
#include "support/AppFixture.h"

#include "dialogs/DebugDialog.h"
#include "dialogs/DialogSet.h"
#include "dialogs/EmbeddedDialog.h"
#include "dialogs/Form2.h"
#include "dialogs/Form4.h"
#include "dialogs/Form5.h"
#include "dialogs/Form6.h"
#include "dialogs/Form7.h"
#include "dialogs/OptionsDialog.h"
#include "dialogs/TestFrequencyDialog.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QWindow>

using namespace q716;

namespace {

// A plausible editor: a few channels, test pairs and an embedded line, as
// if read from a radio.
void fillSample(Form1& w) {
    EditorState& s = w.state;
    s.form1.grid.cell(1, 1) = QStringLiteral("435.12500");
    s.form1.grid.cell(2, 1) = QStringLiteral("438.50000");
    s.values.optionValues.priorityMode.text = QStringLiteral("1");
    s.values.optionValues.scanReceiveDelay.text = QStringLiteral("5");
    s.values.optionValues.scanLaunchDelay.text = QStringLiteral("3");
    const char* const pairs[][2] = {
        {"435.12500", "435.12500"}, {"446.00625", "446.00625"}, {"409.75000", "409.75000"}};
    for (int r = 0; r < 3; ++r) {
        s.values.testFrequencies[r] = QString::fromLatin1(pairs[r][0]);
        s.values.testFrequencies[r + 16] = QString::fromLatin1(pairs[r][1]);
    }
    s.values.embeddedInfo = {QStringLiteral("Q716 DEALER 0755-1234"),
                             QStringLiteral("对讲机 No.7")};
    s.values.debugUnlocked = true;
    loadDebugDialog(s);
    loadTestFrequencyDialog(s);
    loadOptionsDialog(s, {});
    loadEmbeddedDialog(s);
    w.refreshFromState();
}

// The window system has put the dialog on the screen.
bool waitExposed(QWidget* dialog) {
    const QDeadlineTimer deadline(10000);
    while (!(dialog->windowHandle() && dialog->windowHandle()->isExposed())) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return true;
}

bool save(QAction* menu, QWidget* dialog, const QString& folder, const QString& name,
          const QString& lang, QWidget* focus = nullptr) {
    menu->trigger();
    if (!waitExposed(dialog))
        return false;
    if (focus)
        focus->setFocus();
    // The grab renders the widgets itself; pending layout work is done first.
    QCoreApplication::processEvents();
    const QString file = QDir(folder).filePath(QStringLiteral("dialog-%1-%2.png").arg(name, lang));
    const bool ok = dialog->grab().save(file);
    dialog->hide();
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        qWarning("usage: shots_dialogs <output folder>");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);

    q716test::AppFixture fixture;
    std::unique_ptr<Form1> w = fixture.start();
    fillSample(*w);
    const DialogSet& d = *w->dialogs;
    bool ok = true;
    for (const QString& lang : {QStringLiteral("zh"), QStringLiteral("en")}) {
        if (lang == QLatin1String("en"))
            w->mnuEnglish->trigger();
        ok &= save(w->mnudtmf, d.form5(), folder, QStringLiteral("options"), lang);
        // The picture marks PF1 while its list has the focus.
        ok &= save(w->Key_enactment, d.form6(), folder, QStringLiteral("keys"), lang,
                   d.form6()->findChild<QWidget*>(QStringLiteral("Combo1")));
        ok &= save(w->mnusetin, d.form7(), folder, QStringLiteral("embedded"), lang);
        ok &= save(w->mnutestfre, d.form4(), folder, QStringLiteral("testfreq"), lang);
        ok &= save(w->mnudebug, d.form2(), folder, QStringLiteral("debug"), lang);
    }
    return ok ? 0 : 1;
}
