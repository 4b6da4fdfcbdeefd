// CSV channel lists in and out of the window, files dropped on it, and the
// printable channel sheet: Import CSV with its report (Cancel changes
// nothing, OK replaces the table, the report follows a language switch, a
// list that sets no channel has no OK), Export CSV and the suffix its save
// dialog adds, drops of *.DAT and *.csv with real drag events, Print and
// Export PDF checked with pdftotext.
#include "support/AppFixture.h"
#include "support/GridDriver.h"

#include "files/ChannelFile.h"
#include "files/FileDialogs.h"
#include "interchange/ChannelSheetPrinting.h"
#include "interchange/ImportReportDialog.h"
#include "state/InitDefaults.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <functional>

using namespace q716test;
using q716::ImportReportDialog;

namespace {

const char* const Header =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";

// Three rows of another programmer's export: a repeater with a tone, an AM
// row this radio cannot take, and a DCS channel.
QByteArray uhfList() {
    return QByteArray(Header) +
           "0,\"Club, North\",438.500000,-,7.600000,Tone,88.5,88.5,023,NN,023,Tone->Tone,FM,"
           "12.50,,50W,,,,,\r\n"
           "1,Tower,436.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,AM,25.00,,50W,,,,,\r\n"
           "2,Simplex,446.006250,,0.000000,DTCS,88.5,88.5,754,RN,023,Tone->Tone,NFM,6.25,S,5W,"
           ",,,,\r\n";
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList gridTexts(q716::Form1& w) {
    QStringList texts;
    for (int r = 1; r <= 16; ++r)
        for (int c = 1; c <= 8; ++c)
            texts << cell(w, r, c);
    return texts;
}

// Answers the import report once it is shown: looks at it, then presses OK
// or Cancel with the mouse. It waits for the report as long as the test
// takes, checking every few milliseconds.
class ReportAnswerer : public QObject {
  public:
    ReportAnswerer(bool ok, std::function<void(ImportReportDialog&)> look = {})
        : ok_(ok), look_(std::move(look)) {
        connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
        timer_.start(5);
    }
    bool answered = false;

  private:
    void poll() {
        auto* report = qobject_cast<ImportReportDialog*>(QApplication::activeModalWidget());
        if (!report || !report->isVisible())
            return;
        timer_.stop();
        if (look_)
            look_(*report);
        answered = true;
        QTest::mouseClick(ok_ ? report->Command1 : report->Command2, Qt::LeftButton);
    }

    bool ok_;
    std::function<void(ImportReportDialog&)> look_;
    QTimer timer_;
};

// A drag of one file enters the window and is dropped on the channel table,
// as the window system delivers it; returns whether the window took it.
bool dropFile(q716::Form1& w, const QString& path) {
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    const QPointF at = w.Grid1->geometry().center();
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &drop);
    return drop.isAccepted();
}

QString pdfText(const QString& path) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return QStringLiteral("<pdftotext failed: %1>")
            .arg(QString::fromLocal8Bit(p.readAllStandardError()));
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TestInterchange : public QObject {
    Q_OBJECT

  private slots:
    void fileMenuHoldsTheNewItemsAfterSave() {
        AppFixture fx;
        auto w = fx.start();
        QStringList names;
        for (QAction* a : w->mnuFile->actions())
            names << a->objectName();
        QCOMPARE(names, (QStringList{"mnuNew", "mnuOpen", "mnuAssave", "mnuInterchangeLine",
                                     "mnuImportCsv", "mnuExportCsv", "mnuPrint", "mnuExportPdf",
                                     "mnuCompareFile", "mnuline", "mnuQuit"}));
        QCOMPARE(w->mnuImportCsv->text(), QStringLiteral("导入 CSV(&I)…"));
        QCOMPARE(w->mnuExportPdf->text(), QStringLiteral("导出 PDF(&D)…"));
        w->mnuEnglish->trigger();
        QCOMPARE(w->mnuImportCsv->text(), QStringLiteral("&Import CSV…"));
        QCOMPARE(w->mnuExportCsv->text(), QStringLiteral("&Export CSV…"));
        QCOMPARE(w->mnuPrint->text(), QStringLiteral("&Print…"));
        QCOMPARE(w->mnuExportPdf->text(), QStringLiteral("Export P&DF…"));
    }

    void importAnsweredCancelChangesNothing() {
        AppFixture fx;
        auto w = fx.start();
        typeIntoCell(*w, 5, 1, "450.5");
        const QStringList before = gridTexts(*w);
        const q716::EditorState state = w->state;
        const QString path = fx.tempPath("club.csv");
        writeFile(path, uhfList());
        fx.answerFileDialogs({path});
        int shownRows = -1;
        bool sixteenFit = false;
        QStringList issues;
        ReportAnswerer answer(false, [&](ImportReportDialog& report) {
            shownRows = report.Grid1->rowCount();
            // Rows as high as their text: 16 channels fit as it opens.
            sixteenFit = report.Grid1->rowHeight(0) * 16 <= report.Grid1->viewport()->height();
            for (int i = 0; i < report.List1->count(); ++i)
                issues << report.List1->item(i)->text();
        });
        w->mnuImportCsv->trigger();
        QVERIFY(answer.answered);
        QCOMPARE(shownRows, 2);
        QVERIFY(sixteenFit);
        QCOMPARE(issues, (QStringList{QStringLiteral(
                             "第 3 行（Location 1）：本机不支持模式“AM”（只支持 FM 和 NFM），"
                             "此行未导入。")}));
        QCOMPARE(gridTexts(*w), before);
        QVERIFY(w->state == state);
        QVERIFY(fx.messages.isEmpty());
    }

    void importAnsweredOkReplacesTheTableOnly() {
        AppFixture fx;
        auto w = fx.start();
        typeIntoCell(*w, 5, 1, "450.5");
        w->Combo9->setCurrentIndex(7);
        const QString path = fx.tempPath("club.csv");
        writeFile(path, uhfList());
        fx.answerFileDialogs({path});
        ReportAnswerer answer(true);
        w->mnuImportCsv->trigger();
        QVERIFY(answer.answered);
        QCOMPARE(cell(*w, 1, 1), QStringLiteral("438.50000"));
        QCOMPARE(cell(*w, 1, 3), QStringLiteral("430.90000"));
        QCOMPARE(cell(*w, 1, 4), QStringLiteral("88.5"));
        QCOMPARE(cell(*w, 1, 5), QStringLiteral("高"));
        // Numbered from 0: the rows fill channels in order, the AM row none.
        QCOMPARE(cell(*w, 2, 2), QStringLiteral("D754N"));
        QCOMPARE(cell(*w, 2, 4), QStringLiteral("D754I"));
        QCOMPARE(cell(*w, 2, 5), QStringLiteral("低"));
        QCOMPARE(cell(*w, 2, 7), QStringLiteral("窄带"));
        QCOMPARE(cell(*w, 2, 8), QStringLiteral("无"));
        QVERIFY(cell(*w, 3, 1).isEmpty());
        QVERIFY(cell(*w, 5, 1).isEmpty()); // replaced by the import
        QCOMPARE(w->state.form1.combo9, 7);
        QCOMPARE(w->Combo9->currentIndex(), 7);
        QCOMPARE(w->lastFileName, path);
    }

    void theReportFollowsALanguageSwitchWhileOpen() {
        AppFixture fx;
        auto w = fx.start();
        const QString path = fx.tempPath("club.csv");
        writeFile(path, uhfList());
        fx.answerFileDialogs({path});
        QStringList before, after;
        ReportAnswerer answer(true, [&](ImportReportDialog& report) {
            const auto texts = [&report] {
                return QStringList{report.windowTitle(),
                                   report.Label1->text(),
                                   report.Label2->text(),
                                   report.Command1->text(),
                                   report.Command2->text(),
                                   report.Grid1->horizontalHeaderItem(2)->text(),
                                   report.Grid1->item(0, 6)->text(),
                                   report.List1->item(0)->text(),
                                   report.Label3->text().section(QLatin1Char('\n'), 0, 0)};
            };
            before = texts();
            w->mnuEnglish->trigger();
            after = texts();
        });
        w->mnuImportCsv->trigger();
        QVERIFY(answer.answered);
        QCOMPARE(before, (QStringList{"导入 CSV", "将设置的信道", "跳过的行和改动", "确定", "取消",
                                      "接收频率", "高",
                                      "第 3 行（Location 1）：本机不支持模式“AM”（只支持 FM 和 "
                                      "NFM），此行未导入。",
                                      "设置信道：2。文件中的行：3。跳过的行：1。"}));
        QCOMPARE(after, (QStringList{"Import CSV", "Channels to be set", "Skipped rows and changes",
                                     "OK", "Cancel", "RX frequency", "Hight",
                                     "Line 3 (Location 1): this radio has no mode \"AM\" (only FM "
                                     "and NFM); row skipped.",
                                     "Channels set: 2. Rows in the file: 3. Rows skipped: 1."}));
        // OK after the switch fills the table in the language shown.
        QCOMPARE(cell(*w, 1, 5), QStringLiteral("Hight"));
        QCOMPARE(cell(*w, 2, 7), QStringLiteral("Narrow"));
    }

    void rowsOutsideTheBandNameABandThatHoldsThemAll() {
        AppFixture fx;
        auto w = fx.start();
        const QString path = fx.tempPath("vhf.csv");
        writeFile(path, QByteArray(Header) +
                            "1,,146.520000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,"
                            "High,,,,,\r\n");
        fx.answerFileDialogs({path});
        QString summary;
        bool okOffered = true;
        ReportAnswerer answer(false, [&](ImportReportDialog& r) {
            summary = r.Label3->text();
            okOffered = r.Command1->isEnabled() || !r.Command2->isDefault();
        });
        w->mnuImportCsv->trigger();
        QVERIFY(answer.answered);
        QVERIFY2(summary.contains(QStringLiteral("频段 136-174MHz 能容纳全部的行")),
                 qPrintable(summary));
        // No row fits the band: no channel would be set, so there is no OK.
        QVERIFY(!okOffered);
    }

    void aRefusedFileShowsWhyAndChangesNothing() {
        AppFixture fx;
        auto w = fx.start();
        typeIntoCell(*w, 1, 1, "435");
        const QStringList before = gridTexts(*w);
        const QString path = fx.tempPath("names.csv");
        writeFile(path, "Location,Name\r\n1,Home\r\n");
        fx.answerFileDialogs({path, fx.tempPath("missing.csv")});
        w->mnuImportCsv->trigger();
        w->mnuImportCsv->trigger();
        QCOMPARE(fx.messages.size(), 2);
        QVERIFY2(fx.messages[0].text.contains(QStringLiteral("文件缺少“Frequency”列")),
                 qPrintable(fx.messages[0].text));
        QVERIFY(fx.messages[1].text.contains(QStringLiteral("missing.csv")));
        QCOMPARE(gridTexts(*w), before);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void exportedListImportsBackUnchanged() {
        AppFixture fx;
        auto w = fx.start();
        typeIntoCell(*w, 2, 1, "435.125");
        typeIntoCell(*w, 2, 2, "d23n");
        typeIntoCell(*w, 2, 3, "430");
        typeIntoCell(*w, 2, 4, "100");
        typeIntoCell(*w, 9, 1, "446.00625");
        const QStringList before = gridTexts(*w);
        const QString path = fx.tempPath("out.csv");
        fx.answerFileDialogs({path});
        w->mnuExportCsv->trigger();
        const QByteArray csv = readFile(path);
        QVERIFY(csv.startsWith(Header));
        QVERIFY(csv.contains("\r\n2,,435.125000,-,5.125000,Cross,100.0,88.5,023,NN,023,"
                             "Tone->DTCS,FM,5.00,,High,,,,,\r\n"));
        QCOMPARE(csv.count("\r\n"), 3);

        fx.answerMessages({q716::ResultNo});
        w->mnuNew->trigger();
        QVERIFY(cell(*w, 2, 1).isEmpty());
        fx.answerFileDialogs({path});
        ReportAnswerer answer(true);
        w->mnuImportCsv->trigger();
        QVERIFY(answer.answered);
        QCOMPARE(gridTexts(*w), before);
    }

    // Export CSV… and Export PDF… let the save dialog add the suffix, so its
    // overwrite question is about the name that is written.
    void exportDialogsAddTheirSuffixThemselves() {
        AppFixture fx;
        auto w = fx.start();
        q716::setFileDialogAnswerer({});
        QStringList suffixes;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                suffixes << d->defaultSuffix();
                QTest::keyClick(d, Qt::Key_Escape);
            }
        });
        poll.start(5);
        w->mnuExportCsv->trigger();
        w->mnuExportPdf->trigger();
        QCOMPARE(suffixes, (QStringList{"csv", "pdf"}));
    }

    void aDroppedChannelFileOpensAsOpenDoes() {
        AppFixture fx;
        auto w = fx.start();
        q716::EditorState saved = q716::freshEditorState();
        saved.form1.grid.cell(4, 1) = QStringLiteral("435.12500");
        saved.form1.grid.cell(4, 3) = QStringLiteral("435.12500");
        const QString path = fx.tempPath("radio.DAT");
        writeFile(path, q716::channelFileBytes(saved));
        QVERIFY(dropFile(*w, path));
        QTRY_COMPARE(cell(*w, 4, 1), QStringLiteral("435.12500"));
        QCOMPARE(w->lastFileName, path);

        // A file that is no channel file gets Open's message.
        const QString bad = fx.tempPath("notes.dat");
        writeFile(bad, "not a channel file");
        QVERIFY(dropFile(*w, bad));
        QTRY_COMPARE(fx.messages.size(), 1);
        QCOMPARE(fx.messages[0].text, QStringLiteral("文件类型不对，无法打开。"));
        QCOMPARE(cell(*w, 4, 1), QStringLiteral("435.12500"));
    }

    void aDroppedListImportsWithItsReport() {
        AppFixture fx;
        auto w = fx.start();
        const QString path = fx.tempPath("Club.CSV");
        writeFile(path, uhfList());
        ReportAnswerer answer(true);
        QVERIFY(dropFile(*w, path));
        QTRY_VERIFY(answer.answered);
        QTRY_COMPARE(cell(*w, 1, 1), QStringLiteral("438.50000"));
        QCOMPARE(fx.fileDialogsShown, 0);
    }

    void otherDropsAreNotTaken() {
        AppFixture fx;
        auto w = fx.start();
        const QString text = fx.tempPath("notes.txt");
        writeFile(text, "435");
        QVERIFY(!dropFile(*w, text));
        QMimeData two;
        two.setUrls(
            {QUrl::fromLocalFile(fx.tempPath("a.csv")), QUrl::fromLocalFile(fx.tempPath("b.csv"))});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &two, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w.get(), &enter);
        QVERIFY(!enter.isAccepted());
    }

    void exportPdfHoldsTheSheetInTheLanguageShown() {
        AppFixture fx;
        auto w = fx.start();
        typeIntoCell(*w, 1, 1, "435.125");
        typeIntoCell(*w, 1, 4, "d754i");
        // A path too long for the page loses its middle, not its name.
        const QString folder = fx.tempPath(QString(150, QLatin1Char('d')));
        QVERIFY(QDir().mkpath(folder));
        const QString dat = folder + QStringLiteral("/club.DAT");
        fx.answerFileDialogs({dat});
        w->mnuAssave->trigger();
        const QString zh = fx.tempPath("sheet-zh.pdf");
        fx.answerFileDialogs({zh});
        w->mnuExportPdf->trigger();
        QVERIFY(readFile(zh).startsWith("%PDF"));
        const QString text = pdfText(zh);
        // Characters that share a glyph with a Kangxi radical (高, 文, 音)
        // read as themselves.
        for (const char* expected :
             {"Q716S对讲机编程软件 V1.00", "接收频率", "扫描添加", "435.12500", "D754I", "关闭",
              "功能设置", "发射超时", "180 秒", "高", "文件：", "亚音频", "…", "d/club.DAT"})
            QVERIFY2(text.contains(QString::fromUtf8(expected)),
                     qPrintable(QStringLiteral("%1 not in:\n%2").arg(expected, text)));

        w->mnuEnglish->trigger();
        const QString en = fx.tempPath("sheet-en.pdf");
        fx.answerFileDialogs({en});
        w->mnuExportPdf->trigger();
        const QString english = pdfText(en);
        for (const char* expected : {"Q716S Radio Software V1.00", "RX frequency", "Hight", "Off",
                                     "Function Set", "Time-out", "180 S", "400-480MHz"})
            QVERIFY2(english.contains(QString::fromUtf8(expected)),
                     qPrintable(QStringLiteral("%1 not in:\n%2").arg(expected, english)));

        // After New the table belongs to no file.
        fx.answerMessages({q716::ResultOk});
        w->mnuNew->trigger();
        const QString fresh = fx.tempPath("sheet-new.pdf");
        fx.answerFileDialogs({fresh});
        w->mnuExportPdf->trigger();
        const QString afterNew = pdfText(fresh);
        QVERIFY2(afterNew.contains(QStringLiteral("(not saved)")), qPrintable(afterNew));
        QVERIFY(!afterNew.contains(QStringLiteral("club.DAT")));
    }

    void printGoesThroughThePrintDialog() {
        AppFixture fx;
        auto w = fx.start();
        typeIntoCell(*w, 3, 1, "446.00625");
        const QString path = fx.tempPath("printed.pdf");
        int asked = 0;
        QMarginsF margins;
        q716::setPrintDialogAnswerer([&](QPrinter& printer) {
            ++asked;
            margins = printer.pageLayout().margins(QPageLayout::Millimeter);
            if (asked == 1)
                return false; // Cancel prints nothing
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            return true;
        });
        w->mnuPrint->trigger();
        QVERIFY(!QFile::exists(path));
        w->mnuPrint->trigger();
        q716::setPrintDialogAnswerer({});
        QCOMPARE(asked, 2);
        // The margins of Export PDF.
        QCOMPARE(margins, QMarginsF(15, 15, 15, 15));
        const QString text = pdfText(path);
        QVERIFY2(text.contains(QStringLiteral("446.00625")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("（未保存）")));
    }
};

QTEST_MAIN(TestInterchange)
#include "tst_form1_interchange.moc"
