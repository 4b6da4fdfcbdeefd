// Form4, the test frequencies, edited through its grid.
#include "dialogs/DialogSet.h"
#include "dialogs/Form4.h"
#include "image/BuildImage.h"
#include "shell/ApplyCaptions.h"
#include "shell/LocalMsgBox.h"
#include "state/InitDefaults.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <memory>

using namespace q716;

class TestForm4 : public QObject {
    Q_OBJECT

    EditorState state;
    QStringList messages;
    std::unique_ptr<QWidget> mainWindow;
    DialogSet* dialogs = nullptr;
    QTableWidget* grid = nullptr;

    void start() {
        state = freshEditorState();
        state.values.testFrequencies[15] = QStringLiteral("145.00500");
        state.values.testFrequencies[31] = QStringLiteral("145.01000");
        mainWindow = std::make_unique<QWidget>();
        dialogs = new DialogSet(state, mainWindow.get());
        applyAllCaptions(dialogs->windowsInCaptionOrder(), 0);
        grid = dialogs->form4()->findChild<QTableWidget*>(QStringLiteral("mfgrid1"));
        dialogs->form4()->show();
        QVERIFY(QTest::qWaitForWindowActive(dialogs->form4()));
    }
    // Test row r (1..16) is table row r - 1.
    QString cell(int r, int column) const { return grid->item(r - 1, column)->text(); }
    QLineEdit* open(int r, int column) {
        const QRect rect = grid->visualItemRect(grid->item(r - 1, column));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rect.center());
        return qobject_cast<QLineEdit*>(QApplication::focusWidget());
    }
    void type(int r, int column, const QString& text) {
        QLineEdit* editor = open(r, column);
        QVERIFY(editor);
        editor->selectAll();
        if (text.isEmpty())
            QTest::keyClick(editor, Qt::Key_Delete);
        else
            QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        // The editor commits through a queued call.
        QCoreApplication::processEvents();
    }
    QPushButton* button(const char* name) const {
        return dialogs->form4()->findChild<QPushButton*>(QLatin1String(name));
    }

  private slots:
    void init() {
        messages.clear();
        setMessageBoxAnswerer([this](QMessageBox& box) {
            messages.append(box.text());
            return int(ResultOk);
        });
    }
    void cleanup() {
        setMessageBoxAnswerer({});
        mainWindow.reset();
    }

    void layoutRowNumbersAndHeadings() {
        start();
        QCOMPARE(dialogs->form4()->windowTitle(), QStringLiteral("测试频率"));
        QCOMPARE(grid->rowCount(), 16);
        QCOMPARE(grid->columnCount(), 3);
        QCOMPARE(cell(1, 0), QStringLiteral("01"));
        QCOMPARE(cell(16, 0), QStringLiteral("16"));
        QCOMPARE(cell(16, 1), QStringLiteral("145.00500"));
        QCOMPARE(grid->columnWidth(0), 60);
        QCOMPARE(grid->columnWidth(1), 102);
        QCOMPARE(grid->rowHeight(0), 20);
        QCOMPARE(grid->horizontalHeaderItem(1)->text(), QStringLiteral("接收频率"));
        applyAllCaptions(dialogs->windowsInCaptionOrder(), 1);
        QCOMPARE(grid->horizontalHeaderItem(0)->text(), QStringLiteral("Channel"));
        QCOMPARE(grid->horizontalHeaderItem(2)->text(), QStringLiteral("TX Frequency"));
        QCOMPARE(dialogs->form4()->windowTitle(), QStringLiteral("测试频率"));
        QCOMPARE(cell(1, 0), QStringLiteral("01"));
        // Row numbers are not for editing.
        QVERIFY(!open(2, 0));
    }

    void receiveEntriesSnapAndCopyToTransmit() {
        start();
        type(1, 1, QStringLiteral("435.0123"));
        QCOMPARE(cell(1, 1), QStringLiteral("435.01000"));
        QCOMPARE(cell(1, 2), QStringLiteral("435.01000"));
        type(2, 1, QStringLiteral("435.0125"));
        QCOMPARE(cell(2, 1), QStringLiteral("435.01250"));
        type(3, 1, QStringLiteral("435.025"));
        QCOMPARE(cell(3, 1), QStringLiteral("435.02500"));
        type(4, 1, QStringLiteral("145.00625"));
        QCOMPARE(cell(4, 1), QStringLiteral("145.00625"));
        QVERIFY(messages.isEmpty());
    }

    // An earlier version overwrote the transmit cell with the receive text.
    void aCellLeftUnchangedKeepsItsRow() {
        start();
        type(1, 1, QStringLiteral("435.0125"));
        type(1, 2, QStringLiteral("436"));
        QCOMPARE(cell(1, 2), QStringLiteral("436.00000"));
        QLineEdit* editor = open(1, 1);
        QVERIFY(editor);
        QCOMPARE(editor->text(), QStringLiteral("435.01250"));
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(cell(1, 1), QStringLiteral("435.01250"));
        QCOMPARE(cell(1, 2), QStringLiteral("436.00000"));
        // Leaving the editor by a click elsewhere is no edit either.
        QVERIFY(open(1, 1));
        QVERIFY(open(3, 1));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCOMPARE(cell(1, 2), QStringLiteral("436.00000"));
        button("Command1")->click();
        QCOMPARE(state.values.testFrequencies[16], QStringLiteral("436.00000"));
    }

    // An earlier version showed 12.50000, 1000.00000 and 0.00000, which the
    // image wrote as FF FF FF FF.
    void valuesTheRadioCannotHoldAreRefusedWithAMessage() {
        start();
        type(1, 1, QStringLiteral("435.0125"));
        type(1, 2, QStringLiteral("436"));
        const QStringList refused = {QStringLiteral("12.5"), QStringLiteral("1000"),
                                     QStringLiteral("abc")};
        for (const QString& typed : refused) {
            for (int column : {1, 2}) {
                messages.clear();
                type(1, column, typed);
                QCOMPARE(cell(1, 1), QStringLiteral("435.01250"));
                QCOMPARE(cell(1, 2), QStringLiteral("436.00000"));
                QCOMPARE(messages.size(), 1);
                QVERIFY2(messages[0].contains(typed), qPrintable(messages[0]));
            }
            // A row without a receive frequency stays empty.
            type(2, 1, typed);
            QVERIFY(cell(2, 1).isEmpty());
        }
        button("Command1")->click();
        QCOMPARE(state.values.testFrequencies[0], QStringLiteral("435.01250"));
        QCOMPARE(state.values.testFrequencies[16], QStringLiteral("436.00000"));
        // What was shown is what the image holds.
        const qsizetype at = 2 * (0x0280 - 0x0010);
        QCOMPARE(BuildImage(state).mid(at, 16), QStringLiteral("5012504300006043"));
    }

    void transmitFollowsTheReceiveRasterAndNeedsAReceiveFrequency() {
        start();
        QVERIFY(!open(1, 2)); // no receive frequency yet
        QVERIFY(cell(1, 2).isEmpty());
        type(16, 2, QStringLiteral("145.0037"));
        QCOMPARE(cell(16, 2), QStringLiteral("145.00000"));
        type(16, 2, QString());
        QCOMPARE(cell(16, 2), QStringLiteral("145.00500"));
        type(16, 1, QString());
        QVERIFY(cell(16, 1).isEmpty());
        QVERIFY(cell(16, 2).isEmpty());
    }

    // Cancel and the close box store nothing; the dialog opens again with the
    // stored values.
    void cancelStoresNothingAndOkStores() {
        start();
        type(1, 1, QStringLiteral("435.0125"));
        button("Command2")->click();
        QVERIFY(dialogs->form4()->isHidden());
        QVERIFY(state.values.testFrequencies[0].isEmpty());
        dialogs->form4()->show();
        QVERIFY(cell(1, 1).isEmpty());
        dialogs->form4()->close();
        QVERIFY(dialogs->form4()->isHidden());

        start();
        type(1, 1, QStringLiteral("435.0125"));
        dialogs->form4()->close();
        QVERIFY(state.values.testFrequencies[0].isEmpty());
        start();
        type(1, 1, QStringLiteral("435.0125"));
        button("Command1")->click();
        QVERIFY(dialogs->form4()->isHidden());
        QCOMPARE(state.values.testFrequencies[0], QStringLiteral("435.01250"));
        QCOMPARE(state.values.testFrequencies[16], QStringLiteral("435.01250"));
        QCOMPARE(state.values.testFrequencies[31], QStringLiteral("145.01000"));
    }
};

QTEST_MAIN(TestForm4)
#include "tst_dialog_form4.moc"
