// Screenshots of the auxiliary dialogs in Chinese and English:
// shots_dialogs <output folder>
#include "dialogs/DialogSet.h"
#include "dialogs/Form2.h"
#include "dialogs/Form4.h"
#include "dialogs/Form5.h"
#include "dialogs/Form6.h"
#include "dialogs/Form7.h"
#include "shell/ApplyCaptions.h"
#include "state/InitDefaults.h"

#include <QApplication>
#include <QDir>

using namespace q716;

namespace {

// A plausible editor: a few channels, test pairs and an embedded line.
EditorState sampleState(int languageCode) {
    EditorState s = freshEditorState();
    s.values.languageCode = languageCode;
    s.form1.grid.cell(1, 1) = QStringLiteral("435.12500");
    s.form1.grid.cell(2, 1) = QStringLiteral("438.50000");
    s.values.optionValues[10] = QStringLiteral("1");
    s.values.optionValues[18] = QStringLiteral("5");
    s.values.optionValues[19] = QStringLiteral("3");
    const char* const pairs[][2] = {
        {"435.12500", "435.12500"}, {"446.00625", "446.00625"}, {"409.75000", "409.75000"}};
    for (int r = 0; r < 3; ++r) {
        s.values.testFrequencies[r] = QString::fromLatin1(pairs[r][0]);
        s.values.testFrequencies[r + 16] = QString::fromLatin1(pairs[r][1]);
    }
    s.values.embeddedInfo = {QStringLiteral("Q716 DEALER 0755-1234"),
                             QStringLiteral("对讲机 No.7")};
    s.values.debugUnlocked = true;
    return s;
}

bool save(QWidget* dialog, const QString& folder, const QString& name, const QString& lang,
          QWidget* focus = nullptr) {
    dialog->show();
    if (focus) {
        dialog->activateWindow();
        QCoreApplication::processEvents();
        focus->setFocus();
    }
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
    bool ok = true;
    for (int languageCode : {0, 1}) {
        const QString lang = languageCode == 0 ? QStringLiteral("zh") : QStringLiteral("en");
        EditorState state = sampleState(languageCode);
        QWidget mainWindow;
        DialogSet dialogs(state, &mainWindow);
        applyAllCaptions(dialogs.windowsInCaptionOrder(), languageCode);
        dialogs.refreshFromState();
        ok &= save(dialogs.form5(), folder, QStringLiteral("options"), lang);
        // The picture marks PF1 while its list has the focus.
        ok &= save(dialogs.form6(), folder, QStringLiteral("keys"), lang,
                   dialogs.form6()->findChild<QWidget*>(QStringLiteral("Combo1")));
        ok &= save(dialogs.form7(), folder, QStringLiteral("embedded"), lang);
        ok &= save(dialogs.form4(), folder, QStringLiteral("testfreq"), lang);
        ok &= save(dialogs.form2(), folder, QStringLiteral("debug"), lang);
    }
    return ok ? 0 : 1;
}
