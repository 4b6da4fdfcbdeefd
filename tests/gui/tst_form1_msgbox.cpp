// The localised message box shown for real: buttons renamed by language,
// Enter presses the default button, the result codes come back.
#include "shell/LocalMsgBox.h"
#include "shell/QtTranslations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

class TestMsgBox : public QObject {
    Q_OBJECT

    QStringList buttons;
    QString title;

    // Presses `key` on the box once its event loop runs.
    int showAndPress(int language, int style, const QString& boxTitle, Qt::Key key) {
        q716::setMessageBoxLanguage(language);
        QTimer::singleShot(0, this, [this, key] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            buttons.clear();
            for (QAbstractButton* b : box->buttons())
                buttons << b->text();
            title = box->windowTitle();
            QTest::keyClick(box, key);
        });
        return q716::LocalMsgBox(QStringLiteral("text"), style, boxTitle);
    }

  private slots:
    void enterPressesTheDefaultButton() {
        QCOMPARE(showAndPress(1, q716::MsgOkCancelExclamation, {}, Qt::Key_Return),
                 q716::ResultCancel);
        buttons.sort();
        QCOMPARE(buttons, QStringList({"Cancel", "OK"}));
        QCOMPARE(title, QString("Q716A"));

        QCOMPARE(showAndPress(0, q716::MsgYesNoQuestion, "提示", Qt::Key_Return), q716::ResultYes);
        buttons.sort();
        QCOMPARE(buttons, QStringList({"否", "是"}));
        QCOMPARE(title, QString("提示"));

        QCOMPARE(showAndPress(0, q716::MsgOk, {}, Qt::Key_Return), q716::ResultOk);
        QCOMPARE(buttons, QStringList({"确定"}));
    }

    void escapeAnswersNoOrCancel() {
        QCOMPARE(showAndPress(2, q716::MsgOkCancelQuestionSystemModal, {}, Qt::Key_Escape),
                 q716::ResultCancel);
        buttons.sort();
        QCOMPARE(buttons, QStringList({"取消", "確定"}));
        QCOMPARE(showAndPress(1, q716::MsgYesNoQuestion, {}, Qt::Key_Escape), q716::ResultNo);
        QCOMPARE(showAndPress(1, q716::MsgInformation, {}, Qt::Key_Escape), q716::ResultOk);
    }

    // Qt's Chinese translation has its own button texts ("是(&Y)", "中止");
    // the box keeps the program's.
    void buttonsKeepTheProgramsTextsUnderQtsTranslation() {
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_zh_CN.qm"))
            QSKIP("Qt's Chinese translation (qt6-translations-l10n) is not installed");
        q716::useQtTranslations(0);
        const auto english = qScopeGuard([] { q716::useQtTranslations(1); });
        QCOMPARE(showAndPress(0, q716::MsgYesNoQuestion, {}, Qt::Key_Escape), q716::ResultNo);
        buttons.sort();
        QCOMPARE(buttons, QStringList({"否", "是"}));
        // Abort, Retry and Ignore; Enter presses the first.
        QCOMPARE(showAndPress(0, 2, {}, Qt::Key_Return), q716::ResultAbort);
        buttons.sort();
        QCOMPARE(buttons, QStringList({"忽略", "放弃", "重试"}));
        QCOMPARE(showAndPress(1, q716::MsgOkCancelExclamation, {}, Qt::Key_Escape),
                 q716::ResultCancel);
        buttons.sort();
        QCOMPARE(buttons, QStringList({"Cancel", "OK"}));
    }
};

QTEST_MAIN(TestMsgBox)
#include "tst_form1_msgbox.moc"
