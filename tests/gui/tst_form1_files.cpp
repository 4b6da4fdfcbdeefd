// New, Open and Save of channel files, and the language switch.
#include "support/AppFixture.h"
#include "support/GridDriver.h"

#include "channels/DropDownCombo.h"
#include "image/BuildImage.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QToolBar>

using namespace q716test;

namespace {

void fillTwoChannels(q716::Form1& w) {
    typeIntoCell(w, 1, 1, "435.125");
    typeIntoCell(w, 1, 2, "d23n");
    typeIntoCell(w, 3, 1, "446.00625");
    typeIntoCell(w, 3, 3, "440");
    typeIntoCell(w, 3, 4, "88.5");
}

// A check box takes clicks on its box and its text, not on the rest of the
// room the layout gives it.
void clickCheckBox(QCheckBox* box) {
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect indicator =
        box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    QTest::mouseClick(box, Qt::LeftButton, {}, indicator.center());
}

QStringList gridTexts(q716::Form1& w) {
    QStringList texts;
    for (int r = 1; r <= 16; ++r)
        for (int c = 0; c <= 8; ++c)
            texts << cell(w, r, c);
    return texts;
}

} // namespace

class TestFiles : public QObject {
    Q_OBJECT

  private slots:
    void newAnsweredCancelThenOk() {
        AppFixture fx;
        auto w = fx.start();
        fillTwoChannels(*w);
        const QStringList before = gridTexts(*w);
        // Saved, so New has nothing to lose and asks its own question.
        fx.answerFileDialogs({fx.tempPath("two.DAT")});
        w->mnuAssave->trigger();

        fx.answerMessages({q716::ResultCancel});
        QTest::mouseClick(w->Toolbar1->widgetForAction(w->toolbarButton("new")), Qt::LeftButton);
        QCOMPARE(fx.messages.size(), 1);
        QCOMPARE(fx.messages[0].text, QString("所有信道的数据将被清除！"));
        QCOMPARE(fx.messages[0].title, QString("警告"));
        QCOMPARE(fx.messages[0].defaultButton, QString("取消"));
        QCOMPARE(gridTexts(*w), before);

        fx.answerMessages({q716::ResultOk});
        w->mnuNew->trigger();
        for (int r = 1; r <= 16; ++r) {
            QCOMPARE(cell(*w, r, 0), QString("%1").arg(r, 2, 10, QChar('0')));
            for (int c = 1; c <= 8; ++c)
                QVERIFY(cell(*w, r, c).isEmpty());
        }
        QCOMPARE(w->Grid1->item(1, 3)->background().color(), QColor(192, 192, 255));
    }

    void saveThenOpenGivesTheSameState() {
        AppFixture fx;
        auto w = fx.start();
        fillTwoChannels(*w);
        w->Combo9->setCurrentIndex(7);
        clickCheckBox(w->Check3);
        const QString path = fx.tempPath("plan.DAT");
        const QByteArray image = q716::buildImageBytes(w->state);
        const QStringList texts = gridTexts(*w);

        fx.answerFileDialogs({path});
        w->mnuAssave->trigger();
        QCOMPARE(fx.messages.size(), 0);
        QCOMPARE(shownTitle(*w), "Q716A-" + QDir::toNativeSeparators(path));
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray("NXR54") + image);

        fx.answerMessages({q716::ResultOk});
        w->mnuNew->trigger();
        w->Combo9->setCurrentIndex(0);
        clickCheckBox(w->Check3);

        fx.answerMessages({q716::ResultNo}); // discard the changes above
        fx.answerFileDialogs({path});
        QTest::mouseClick(w->Toolbar1->widgetForAction(w->toolbarButton("open")), Qt::LeftButton);
        QCOMPARE(gridTexts(*w), texts);
        QCOMPARE(w->Combo9->currentIndex(), 7);
        QVERIFY(w->Check3->isChecked());
        QCOMPARE(q716::buildImageBytes(w->state), image);
        QCOMPARE(fx.unscriptedMessages, 0);
    }

    void overwriteNoAsksForAnotherName() {
        AppFixture fx;
        auto w = fx.start();
        const QString taken = fx.tempPath("taken.DAT");
        QFile f(taken);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("keep");
        f.close();
        const QString fresh = fx.tempPath("fresh.DAT");

        fx.answerFileDialogs({taken, fresh});
        fx.answerMessages({q716::ResultNo});
        w->mnuAssave->trigger();
        QCOMPARE(fx.fileDialogsShown, 2);
        QCOMPARE(fx.messages.size(), 1);
        QCOMPARE(fx.messages[0].text, QString("该文件已存在，是否覆盖？"));
        QCOMPARE(fx.messages[0].buttons, QStringList({"是", "否"}));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("keep"));
        QCOMPARE(QFileInfo(fresh).size(), 853);

        // Cancel ends silently and keeps the caption.
        const QString caption = shownTitle(*w);
        w->mnuAssave->trigger();
        w->mnuOpen->trigger();
        QCOMPARE(fx.messages.size(), 1);
        QCOMPARE(shownTitle(*w), caption);
    }

    void wrongFileIsRefusedAndChangesNothing() {
        AppFixture fx;
        auto w = fx.start();
        fillTwoChannels(*w);
        const QStringList before = gridTexts(*w);
        const QByteArray image = q716::buildImageBytes(w->state);
        const QString path = fx.tempPath("wrong.DAT");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("NXR55") + QByteArray(848, '\0'));
        f.close();

        fx.answerFileDialogs({path, fx.tempPath("missing.DAT")});
        fx.answerMessages({q716::ResultNo, q716::ResultOk, q716::ResultNo, q716::ResultOk});
        w->mnuOpen->trigger();
        w->mnuOpen->trigger();
        QCOMPARE(fx.messages.size(), 4);
        for (const ShownMessage& m : {fx.messages[1], fx.messages[3]}) {
            QCOMPARE(m.text, QString("文件类型不对，无法打开。"));
            QCOMPARE(m.title, QString("Q716A"));
        }
        QCOMPARE(gridTexts(*w), before);
        QCOMPARE(q716::buildImageBytes(w->state), image);
    }

    void fileNamedOnTheCommandLineOpensAtStart() {
        AppFixture fx;
        const QString path = fx.tempPath("start.DAT");
        {
            auto w = fx.start();
            typeIntoCell(*w, 2, 1, "433.5");
            fx.answerFileDialogs({path});
            w->mnuAssave->trigger();
        }
        auto w = fx.start({path});
        QCOMPARE(cell(*w, 2, 1), QString("433.50000"));
    }

    // The title names the file the editor holds, and Save writes where the
    // user says: after an Open, never to the file saved before it.
    void titleNamesTheFileTheEditorHolds() {
        AppFixture fx;
        const QString t4 = fx.tempPath("t4-a.dat");
        const auto titleOf = [](const QString& path) {
            return "Q716A-" + QDir::toNativeSeparators(path);
        };
        {
            auto w = fx.start();
            typeIntoCell(*w, 4, 1, "444");
            fx.answerFileDialogs({t4});
            w->mnuAssave->trigger();
        }
        auto w = fx.start({t4});
        QCOMPARE(shownTitle(*w), titleOf(t4));
        w->mnuEnglish->trigger();
        QCOMPARE(shownTitle(*w), titleOf(t4));

        // A name without a suffix is saved as a channel file Open shows.
        typeIntoCell(*w, 5, 1, "455");
        fx.answerFileDialogs({fx.tempPath("b5")});
        w->mnuAssave->trigger();
        const QString b5 = fx.tempPath("b5.DAT");
        QCOMPARE(shownTitle(*w), titleOf(b5));
        QFile saved(b5);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray b5Bytes = saved.readAll();
        saved.close();

        fx.answerFileDialogs({t4});
        w->mnuOpen->trigger();
        QCOMPARE(shownTitle(*w), titleOf(t4));
        typeIntoCell(*w, 6, 1, "466");
        QCOMPARE(shownTitle(*w), titleOf(t4) + "*");
        fx.answerFileDialogs({t4});
        fx.answerMessages({q716::ResultYes});
        w->mnuAssave->trigger();
        QCOMPARE(shownTitle(*w), titleOf(t4));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), b5Bytes);
        QCOMPARE(fx.unscriptedMessages, 0);
    }

    void languageSwitchAndBackKeepsEverySelection() {
        AppFixture fx;
        auto w = fx.start();
        fillTwoChannels(*w);
        w->Combo3->setCurrentIndex(3);
        w->Combo2->setCurrentIndex(2);
        w->Combo13->setCurrentIndex(5);
        const QStringList zhTexts = gridTexts(*w);
        const QString zhTitle = shownTitle(*w);
        const QList<int> selections = {w->Combo1->currentIndex(), w->Combo2->currentIndex(),
                                       w->Combo3->currentIndex(), w->Combo13->currentIndex()};

        // The edits above leave the unsaved-changes mark, and the switch keeps it.
        w->mnuEnglish->trigger();
        QCOMPARE(shownTitle(*w), QString("Q716S Radio Software V1.00*"));
        QCOMPARE(w->mnuEnglish->text(), QString("Englist"));
        QCOMPARE(w->mnumainhelp->text(), QString("The help topic  F1 \""));
        QCOMPARE(w->Combo3->currentText(), QString("60 S"));
        QCOMPARE(w->Combo2->currentText(), QString("Englist"));
        QCOMPARE(cell(*w, 1, 2), QString("D023N"));
        QCOMPARE(cell(*w, 1, 4), QString("Off"));
        QCOMPARE(cell(*w, 1, 5), QString("Hight"));
        QCOMPARE(cell(*w, 3, 4), QString("88.5"));
        QCOMPARE(cell(*w, 3, 1), QString("446.00625"));
        QCOMPARE(w->Combo8->itemText(0), QString("Off"));
        QCOMPARE(w->toolbarButton("write")->toolTip(), QString("Write frequency"));
        QCOMPARE(w->Grid1->horizontalHeaderItem(0)->text(), QString("CH"));

        // English again changes nothing: a second caption pass would put the
        // marked frame title back.
        w->Frame1->setTitle("marked");
        w->mnuEnglish->trigger();
        QCOMPARE(w->Frame1->title(), QString("marked"));

        // Chinese restores every first text, and Chinese again changes nothing.
        w->mnuChinese->trigger();
        QCOMPARE(w->Frame1->title(), QString("机型选择"));
        w->Frame1->setTitle("marked");
        w->mnuChinese->trigger();
        QCOMPARE(w->Frame1->title(), QString("marked"));
        w->Frame1->setTitle("机型选择");
        QCOMPARE(gridTexts(*w), zhTexts);
        QCOMPARE(shownTitle(*w), zhTitle);
        QCOMPARE(w->Combo3->currentText(), QString("60 秒"));
        const QList<int> after = {w->Combo1->currentIndex(), w->Combo2->currentIndex(),
                                  w->Combo3->currentIndex(), w->Combo13->currentIndex()};
        QCOMPARE(after, selections);
        QCOMPARE(w->state.form1.combo3, 3);
        QCOMPARE(w->state.form1.combo13, 5);
    }
};

QTEST_MAIN(TestFiles)
#include "tst_form1_files.moc"
