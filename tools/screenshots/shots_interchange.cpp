// Pictures of the CSV import report and of the printable channel sheet (its
// PDF rendered with pdftoppm), in Chinese and English:
// shots_interchange <output folder>
#include "support/AppFixture.h"

#include "interchange/ImportReportDialog.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

using namespace q716;

namespace {

const char* const List =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n"
    "0,\"Club, North\",438.500000,-,7.600000,Tone,88.5,88.5,023,NN,023,Tone->Tone,FM,12.50,,"
    "50W,,,,,\r\n"
    "1,Tower,436.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,AM,25.00,,50W,,,,,\r\n"
    "2,Simplex,446.006250,,0.000000,DTCS,88.5,88.5,754,RN,023,Tone->Tone,NFM,6.25,S,5W,,,,,\r\n"
    "3,Cross,435.013000,,0.000000,Cross,69.3,254.1,023,NR,031,Tone->DTCS,FM,5.00,,Low,,,,,\r\n"
    "4,Field,145.500000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,5W,,,,,\r\n";

bool waitExposed(QWidget* dialog) {
    const QDeadlineTimer deadline(10000);
    while (!(dialog->windowHandle() && dialog->windowHandle()->isExposed())) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return true;
}

// Imports the list, saves a picture of the report and answers `ok`.
bool shootReport(q716test::AppFixture& fx, Form1& w, const QString& file, bool ok) {
    bool saved = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* report = qobject_cast<ImportReportDialog*>(QApplication::activeModalWidget());
        if (!report || !report->isVisible())
            return;
        poll.stop();
        saved = waitExposed(report);
        QCoreApplication::processEvents();
        saved = saved && report->grab().save(file);
        (ok ? report->Command1 : report->Command2)->click();
    });
    poll.start(20);
    fx.answerFileDialogs({fx.tempPath(QStringLiteral("club.csv"))});
    w.mnuImportCsv->trigger();
    return saved;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        qWarning("usage: shots_interchange <output folder>");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(folder.path());

    q716test::AppFixture fx;
    std::unique_ptr<Form1> w = fx.start();
    QFile csv(fx.tempPath(QStringLiteral("club.csv")));
    if (!csv.open(QIODevice::WriteOnly) || csv.write(List) < 0)
        return 1;
    csv.close();

    bool ok = shootReport(fx, *w, folder.filePath(QStringLiteral("import-report-zh.png")), false);
    w->mnuEnglish->trigger();
    ok &= shootReport(fx, *w, folder.filePath(QStringLiteral("import-report-en.png")), true);

    // The channel sheet in both languages, rendered from its PDF.
    for (const char* lang : {"en", "zh"}) {
        (QLatin1String(lang) == QLatin1String("zh") ? w->mnuChinese : w->mnuEnglish)->trigger();
        const QString pdf = fx.tempPath(QStringLiteral("sheet-%1.pdf").arg(QLatin1String(lang)));
        fx.answerFileDialogs({pdf});
        w->mnuExportPdf->trigger();
        QProcess render;
        render.start(
            QStringLiteral("pdftoppm"),
            {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"),
             QStringLiteral("-singlefile"), pdf,
             folder.filePath(QStringLiteral("channel-sheet-%1").arg(QLatin1String(lang)))});
        ok &= render.waitForFinished(60000) && render.exitCode() == 0;
    }
    return ok ? 0 : 1;
}
