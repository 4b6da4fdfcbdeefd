// Shows every window of the program for the accessibility walk
// (walk_windows.py): the main window with a channel plan and every dialog;
// then the CSV import report and a message box, each modal, which the walk
// answers through the accessibility bus. When the walk has switched the
// language from the menu, the same again; the program ends after the
// second message box.
#include "support/AppFixture.h"

#include "channels/CellRules.h"
#include "files/ChannelFile.h"
#include "shell/LocalMsgBox.h"

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QFile>

using namespace q716;

namespace {

const char* const List =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n"
    "0,Club,438.500000,-,7.600000,Tone,88.5,88.5,023,NN,023,Tone->Tone,FM,12.50,,50W,,,,,\r\n"
    "1,Field,145.500000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,5W,,,,,\r\n";

void showEveryWindow(Form1& w, q716test::AppFixture& fx, const QString& emptyPlan) {
    for (QAction* a : {w.mnudebug, w.mnutestfre, w.mnudtmf, w.Key_enactment, w.mnusetin, w.mnucom,
                       w.mnuPass, w.mnuabout, w.mnuCommLog})
        a->trigger();
    fx.answerFileDialogs({emptyPlan});
    w.mnuCompareFile->trigger();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    q716test::AppFixture fx;
    std::unique_ptr<Form1> w = fx.start();
    const QString emptyPlan = fx.tempPath(QStringLiteral("empty.dat"));
    const QString csv = fx.tempPath(QStringLiteral("club.csv"));
    fx.answerFileDialogs({emptyPlan});
    w->mnuAssave->trigger();
    QFile list(csv);
    if (!list.open(QIODevice::WriteOnly) || list.write(List) < 0)
        return 1;
    list.close();
    // A few channels in use; the rest of the table is empty.
    for (int row = 1; row <= 3; ++row)
        commitFrequencyAt(w->state.form1, row, 1, QStringLiteral("43%1").arg(row + 4), 0);
    w->refreshFromState();
    // From here the boxes are real, for the walk to read and answer.
    setMessageBoxAnswerer({});

    for (int round = 0; round < 2; ++round) {
        showEveryWindow(*w, fx, emptyPlan);
        fx.answerFileDialogs({csv});
        w->mnuImportCsv->trigger();
        // The walk may switch the language while the box is still closing:
        // listen before it opens.
        bool switched = false;
        QEventLoop waiting;
        const QMetaObject::Connection c =
            QObject::connect(w.get(), &Form1::captionsApplied, &waiting, [&] {
                switched = true;
                waiting.quit();
            });
        LocalMsgBox(wrongTypeMessage(w->state.values.languageCode));
        if (round == 0 && !switched)
            waiting.exec();
        QObject::disconnect(c);
    }
    return 0;
}
