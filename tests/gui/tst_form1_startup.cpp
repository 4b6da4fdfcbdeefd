// Start-up and shut-down of the main window: parameter file, lock, language
// override, design texts, the TAnMa double press, help and about, the toolbar
// captions, Qt's own texts in the chosen language and what waits until the
// window is drawn.
#include "support/AppFixture.h"
#include "support/GridDriver.h"

#include "channels/DropDownCombo.h"
#include "shell/ClickLabel.h"
#include "shell/FrmAbout.h"
#include "shell/QtTranslations.h"
#include "shell/Startup.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

using namespace q716test;

namespace {

// Records the texts a menu draws for its items: the item's text and, after a
// tab, the shortcut text the menu adds.
class MenuTextRecorder : public QProxyStyle {
  public:
    MenuTextRecorder() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
    mutable QMap<QString, QString> texts; // drawn text by its part before the tab

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (element == CE_MenuItem)
            if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option))
                texts.insert(item->text.section('\t', 0, 0), item->text);
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

bool hasChinese(const QString& text) {
    for (QChar c : text)
        if (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF)
            return true;
    return false;
}

// The first item of a text box's standard context menu ("&Undo").
QString firstContextMenuItem(QLineEdit* edit) {
    std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
    return menu->actions().value(0) ? menu->actions().value(0)->text() : QString();
}

bool qtChineseInstalled() {
    return QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_zh_CN.qm");
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

  private slots:
    void firstStartWithoutParameterFile() {
        AppFixture fx;
        {
            auto w = fx.start();
            QCOMPARE(shownTitle(*w), QString("Q716S对讲机编程软件 V1.00"));
            QVERIFY(!w->mnulock->isChecked());
            QVERIFY(w->Grid1->isEnabled() && w->Frame1->isEnabled() && w->Frame2->isEnabled());
            QCOMPARE(w->Combo1->currentText(), QString("400-480MHz"));
            QCOMPARE(w->Combo10->currentIndex(), 0);
            QCOMPARE(w->Combo3->currentText(), QString("180 秒"));
            QCOMPARE(w->Combo9->currentText(), QString("4 级"));
            QCOMPARE(w->Grid1->horizontalHeaderItem(7)->text(), QString("宽\\窄带"));
            for (int r = 1; r <= 16; ++r) {
                QCOMPARE(cell(*w, r, 0), QString("%1").arg(r, 2, 10, QChar('0')));
                QVERIFY(cell(*w, r, 1).isEmpty());
                const bool shaded =
                    w->Grid1->item(r - 1, 4)->background().color() == QColor(192, 192, 255);
                QCOMPARE(shaded, r % 2 == 0);
            }
            QVERIFY(!w->ProgressBar1->isVisible());
            QVERIFY(!w->toolbarButton("TAnMa")->isVisible());
            QVERIFY(!w->toolbarButton("Login")->isVisible());
            QCOMPARE(w->toolbarButton("read")->toolTip(), QString("读频"));
            QVERIFY(w->dialogs);
            QVERIFY(w->frmAbout && !w->frmAbout->isVisible());
            w->mnuQuit->trigger();
        }
        QCOMPARE(fx.parameterBytes(), QByteArray("\0\0\0", 3));
        QVERIFY(fx.messages.isEmpty());
    }

    void storedLockAndPortSurviveARun() {
        AppFixture fx;
        fx.writeParameter(QByteArray("\x01\x05\x01", 3));
        {
            auto w = fx.start();
            QVERIFY(w->mnulock->isChecked());
            QVERIFY(!w->Grid1->isEnabled());
            QVERIFY(!w->Frame1->isEnabled());
            QVERIFY(!w->Frame2->isEnabled());
            QCOMPARE(w->state.values.selectedPort, 5);
            QCOMPARE(shownTitle(*w), QString("Q716S Radio Software V1.00"));
            w->mnulock->trigger();
            w->close();
        }
        QCOMPARE(fx.parameterBytes(), QByteArray("\x00\x05\x01", 3));
    }

    void lockingThenQuittingStartsLocked() {
        AppFixture fx;
        {
            auto w = fx.start();
            QVERIFY(!w->mnulock->isChecked());
            w->mnulock->trigger();
            QVERIFY(!w->Grid1->isEnabled());
            w->close();
        }
        QCOMPARE(fx.parameterBytes().at(0), '\x01');
        auto again = fx.start();
        QVERIFY(again->mnulock->isChecked());
        QVERIFY(!again->Grid1->isEnabled());
        QVERIFY(!again->Frame1->isEnabled());
        QVERIFY(!again->Frame2->isEnabled());
    }

    void languageOverride_data() {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("fileLanguage");
        QTest::addColumn<int>("expected");
        QTest::addColumn<bool>("removed");
        QTest::newRow("english") << QVariant("english") << 0 << 1 << true;
        QTest::newRow("English") << QVariant("English") << 1 << 0 << true;
        QTest::newRow("text 1") << QVariant("1") << 1 << 0 << true;
        QTest::newRow("number") << QVariant(1) << 1 << 0 << true;
        QTest::newRow("empty") << QVariant("") << 1 << 1 << false;
    }
    void languageOverride() {
        QFETCH(QVariant, value);
        QFETCH(int, fileLanguage);
        QFETCH(int, expected);
        QFETCH(bool, removed);
        AppFixture fx;
        fx.writeParameter(QByteArray("\0\0", 2) + char(fileLanguage));
        fx.setLanguageOverride(value);
        {
            auto w = fx.start();
            QCOMPARE(w->state.values.languageCode, expected);
            QCOMPARE(w->mnuFile->title(),
                     expected == 1 ? QString("File(&F)") : QString("文件(&F)"));
            w->close();
        }
        QCOMPARE(fx.languageOverridePresent(), !removed);
        QCOMPARE(int(fx.parameterBytes().at(2)), expected);
        // The next start follows the parameter file.
        auto again = fx.start();
        QCOMPARE(again->state.values.languageCode, removed ? expected : fileLanguage);
    }

    void unknownLanguageKeepsTheDesignTexts() {
        AppFixture fx;
        fx.writeParameter(QByteArray("\0\0\x02", 3));
        auto w = fx.start();
        QCOMPARE(shownTitle(*w), QString("TQ-418 Radio Software"));
        QCOMPARE(w->Combo3->itemText(0), QString("15 S"));
        QCOMPARE(w->frmAbout->lblTitle->text(), QString("应用程序标题"));
        w->mnuEnglish->trigger();
        w->mnuChinese->trigger();
        QCOMPARE(w->state.values.languageCode, 2);
        QCOMPARE(shownTitle(*w), QString("TQ-418 Radio Software"));

        fx.answerMessages({q716::ResultCancel});
        w->mnuNew->trigger();
        QCOMPARE(fx.messages.size(), 1);
        QCOMPARE(fx.messages[0].text, QString("All channel data will be clear."));
        QCOMPARE(fx.messages[0].buttons, QStringList({"確定", "取消"}));
    }

    void tanmaDoublePressLeavesServiceMode() {
        AppFixture fx;
        auto w = fx.start();
        double now = 0;
        w->setTimeOfDayClock([&now] { return now; });
        QAction* tanma = w->toolbarButton("TAnMa");
        w->state.values.factoryMode = true;
        w->state.values.debugUnlocked = true;
        w->state.form5.gestureTouched = {true, true, true};
        w->state.form2.slidersEnabled = true;
        tanma->setVisible(true);
        QWidget* button = w->Toolbar1->widgetForAction(tanma);
        QVERIFY(button);

        now = 10.4;
        QTest::mouseClick(button, Qt::LeftButton);
        now = 11.6; // 1.6 s after the stored 10: only restarts
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(w->state.values.debugUnlocked);
        QVERIFY(tanma->isVisible());

        now = 20.6;
        QTest::mouseClick(button, Qt::LeftButton);
        now = 21.8; // 0.8 s after the stored 21
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!w->state.values.debugUnlocked);
        QVERIFY(!w->state.values.factoryMode);
        QVERIFY(!w->state.form2.slidersEnabled);
        QVERIFY(!w->state.form5.gestureTouched[0]);
        QVERIFY(!tanma->isVisible());
    }

    // F1, the rights line and the about box's developer line open the manual
    // of the language shown: manual.zh.html in Chinese, manual.html in English.
    void helpRightsLineAndAboutOpenTheManual() {
        AppFixture fx;
        auto w = fx.start();
        for (const int language : {0, 1, 0}) {
            if (language == 1)
                w->mnuEnglish->trigger();
            else
                w->mnuChinese->trigger();
            const QString name = language == 0 ? "docs/manual.zh.html" : "docs/manual.html";
            w->activateWindow();
            QTRY_VERIFY(w->isActiveWindow());
            fx.openedUrls.clear();
            QTest::keyClick(w.get(), Qt::Key_F1);
            QCOMPARE(fx.openedUrls.size(), 1);
            const QUrl manual = fx.openedUrls[0];
            QVERIFY(manual.isLocalFile());
            QVERIFY2(manual.toLocalFile().endsWith(name), qPrintable(manual.toLocalFile()));

            // Until the project has a public page, the rights line and the
            // developer line open the manual too.
            QTest::mouseClick(w->Label2, Qt::LeftButton);
            QVERIFY(!w->Label2->text().contains("example.org"));
            w->mnuabout->trigger();
            QVERIFY(w->frmAbout->isVisible());
            QCOMPARE(w->frmAbout->windowTitle(), QString("Help"));
            QCOMPARE(w->frmAbout->lblVersion->text(),
                     QString(language == 0 ? "简体中文版 V1.00" : "English version V1.00"));
            QTest::mouseClick(w->frmAbout->lblDescription, Qt::LeftButton);
            QCOMPARE(fx.openedUrls, QList<QUrl>({manual, manual, manual}));
            QTest::mouseClick(w->frmAbout->cmdOK, Qt::LeftButton);
            QVERIFY(!w->frmAbout->isVisible());
        }
        w->mnuEnglish->trigger();
        QCOMPARE(w->frmAbout->lblTitle->text(), QString("Q716S Radio Software "));
        QCOMPARE(w->frmAbout->Label2->text(), QString("Issue：2012.10"));
        QCOMPARE(w->frmAbout->windowTitle(), QString("Help"));
    }

    // The help topic's caption already ends in "F1"; the menu must not add
    // the key a second time. Read what the open Help menu draws.
    void helpItemShowsF1Once() {
        AppFixture fx;
        auto w = fx.start();
        for (int language : {0, 1}) {
            if (language == 1)
                w->mnuEnglish->trigger();
            MenuTextRecorder recorder;
            w->mnuhelp->setStyle(&recorder);
            QMenuBar* bar = w->menuBar();
            QTest::mouseClick(bar, Qt::LeftButton, {},
                              bar->actionGeometry(w->mnuhelp->menuAction()).center());
            QTRY_VERIFY(w->mnuhelp->isVisible());
            w->mnuhelp->grab();
            const QString shown = recorder.texts.value(w->mnumainhelp->text());
            QVERIFY2(!shown.isEmpty(), "the help topic was not drawn");
            QCOMPARE(shown.count("F1"), 1);
            QVERIFY(shown.startsWith(w->mnumainhelp->text()));
            w->mnuhelp->close();
            w->mnuhelp->setStyle(nullptr);
        }
        // The key itself still opens the manual (the window shows English).
        QTest::keyClick(w.get(), Qt::Key_F1);
        QCOMPARE(fx.openedUrls.size(), 1);
        QVERIFY(fx.openedUrls[0].toLocalFile().endsWith("docs/manual.html"));
    }

    // The captions of the toolbar are the design's Chinese ones in both
    // languages; only the tool tips follow the language.
    void toolbarShowsCaptionsUnderTheIcons() {
        struct Button {
            const char* key;
            QString caption, zhTip, enTip;
        };
        const QList<Button> buttons = {{"new", "新建", "新建", "New"},
                                       {"open", "打开", "打开", "Open"},
                                       {"save", "保存", "保存", "Save"},
                                       {"read", "读频", "读频", "Read frequency"},
                                       {"write", "写频", "写频", "Write frequency"}};
        AppFixture fx;
        auto w = fx.start();
        for (int language : {0, 1}) {
            if (language == 1)
                w->mnuEnglish->trigger();
            QCOMPARE(w->Toolbar1->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
            for (const Button& b : buttons) {
                auto* tool = qobject_cast<QToolButton*>(
                    w->Toolbar1->widgetForAction(w->toolbarButton(b.key)));
                QVERIFY(tool);
                QCOMPARE(tool->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
                QCOMPARE(tool->text(), b.caption);
                QCOMPARE(tool->toolTip(), language == 0 ? b.zhTip : b.enTip);
                // The caption fits under the icon.
                QVERIFY(tool->width() >= tool->fontMetrics().horizontalAdvance(b.caption));
                QVERIFY(tool->height() >
                        w->Toolbar1->iconSize().height() + tool->fontMetrics().height() / 2);
            }
            for (const char* hidden : {"TAnMa", "Login"})
                QVERIFY(w->toolbarButton(hidden)->text().isEmpty());
        }
        // The pictures drawn when the program was built, at both scales.
        const auto drawn = [](const QPixmap& pixmap) {
            const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (qAlpha(image.pixel(x, y)) != 0)
                        return true;
            return false;
        };
        for (const char* key : {"new", "open", "save", "read", "write", "TAnMa", "Login"})
            for (const int size : {24, 48})
                QVERIFY2(drawn(w->toolbarButton(key)->icon().pixmap(size)), key);
        QVERIFY(w->windowIcon().availableSizes().contains(QSize(128, 128)));
        QVERIFY(drawn(w->windowIcon().pixmap(128)) && drawn(w->Picture1->pixmap()));
    }

    // Qt's own texts (standard buttons, the file dialog, a text box's context
    // menu) follow the language chosen at start-up and from the menu.
    void qtOwnTextsFollowTheLanguage() {
        if (!qtChineseInstalled())
            QSKIP("Qt's Chinese translation (qt6-translations-l10n) is not installed");
        AppFixture fx;
        auto w = fx.start();
        QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        QFileDialog files(w.get());
        files.setOption(QFileDialog::DontUseNativeDialog);
        auto* fileButtons = files.findChild<QDialogButtonBox*>();
        QVERIFY(fileButtons);
        QLineEdit edit;

        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QString("取消"));
        QCOMPARE(fileButtons->button(QDialogButtonBox::Cancel)->text(), QString("取消"));
        QVERIFY(hasChinese(firstContextMenuItem(&edit)));

        w->mnuEnglish->trigger();
        QTRY_COMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QString("Cancel"));
        QTRY_COMPARE(fileButtons->button(QDialogButtonBox::Cancel)->text(), QString("Cancel"));
        QVERIFY(firstContextMenuItem(&edit).startsWith("&Undo"));

        w->mnuChinese->trigger();
        QTRY_COMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QString("取消"));
        QVERIFY(hasChinese(firstContextMenuItem(&edit)));
        w->close();

        // A start in English leaves Qt's texts English.
        fx.writeParameter(QByteArray("\0\0\x01", 3));
        auto english = fx.start();
        QTRY_COMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QString("Cancel"));
        QVERIFY(firstContextMenuItem(&edit).startsWith("&Undo"));
    }

    // What the window does not show (the dialogs, the safety windows, the
    // port scan, pruning old backups) waits until it has been drawn, or until a command reaches the
    // program before that.
    void restOfStartupWaitsForTheWindow() {
        AppFixture fx;
        const QDir backups(fx.backupDir());
        QVERIFY(backups.mkpath("."));
        for (int second = 0; second <= 20; ++second) { // one more than the newest kept
            QFile old(backups.filePath(
                QString("2000-01-01_0000%1_read.DAT").arg(second, 2, 10, QChar('0'))));
            QVERIFY(old.open(QIODevice::WriteOnly));
        }
        {
            const std::unique_ptr<q716::Form1> w = q716::startMainWindow({});
            QVERIFY(!w->dialogs && !w->frmAbout && !w->safety);
            QCOMPARE(backups.entryList(QDir::Files).size(), 21);
            w->show();
            QVERIFY(QTest::qWaitFor([&] { return w->startupFinished(); }));
            QVERIFY(w->dialogs && w->frmAbout && w->safety);
            QCOMPARE(backups.entryList(QDir::Files).size(), 20);
        }
        const std::unique_ptr<q716::Form1> w = q716::startMainWindow({});
        QTest::keyClick(w->Grid1, Qt::Key_Down);
        QVERIFY(w->dialogs && w->frmAbout && w->safety);
    }

    // Without Qt's translation files the program runs as before, in English
    // where Qt draws its own texts.
    void missingQtTranslationsChangeNothingElse() {
        AppFixture fx;
        QTemporaryDir empty;
        q716::setQtTranslationsFolder(empty.path());
        const auto restore = qScopeGuard([] { q716::setQtTranslationsFolder({}); });
        auto w = fx.start();
        QCOMPARE(shownTitle(*w), QString("Q716S对讲机编程软件 V1.00"));
        QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QString("Cancel"));
        w->mnuEnglish->trigger();
        w->mnuChinese->trigger();
        QCOMPARE(w->mnuFile->title(), QString("文件(&F)"));
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QString("Cancel"));
        QVERIFY(firstContextMenuItem(w->Text2).startsWith("&Undo"));
        QVERIFY(fx.messages.isEmpty());
    }
};

QTEST_MAIN(TestStartup)
#include "tst_form1_startup.moc"
