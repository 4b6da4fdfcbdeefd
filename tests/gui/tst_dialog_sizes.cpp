// Window sizes across the caption passes: the main window keeps one width
// for both languages, the dialogs their design sizes, and no text is cut.
#include "support/AppFixture.h"

#include "dialogs/DialogSet.h"
#include "dialogs/Form5.h"
#include "link/FormUsePass.h"
#include "shell/FrmAbout.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>

using namespace q716;
using q716test::AppFixture;

namespace {

// Form5's client area in the radio's original software: 5595 x 6090 twips.
const QSize Form5Design(373, 406);

// A list shows its current text in its edit field, which the text must fit.
bool textFits(QComboBox* combo) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                       QStyle::SC_ComboBoxEditField, combo);
    return field.width() >= combo->fontMetrics().horizontalAdvance(combo->currentText());
}

// Widgets whose text is cut: they got less than they ask for, or a list's
// text is wider than its field.
QStringList clipped(QWidget* window) {
    QStringList names;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || w->window() != window)
            continue;
        auto* combo = qobject_cast<QComboBox*>(w);
        const bool hasText = qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) ||
                             combo || qobject_cast<QGroupBox*>(w);
        // A list's minimum size hint keeps the widest items it ever held;
        // what its current items need is its size hint.
        const QSize needed = combo ? combo->sizeHint() : w->minimumSizeHint();
        if (hasText && (w->width() < needed.width() || w->height() < needed.height()))
            names << w->objectName();
        else if (combo && !textFits(combo))
            names << combo->objectName() + QStringLiteral(" (") + combo->currentText() +
                         QLatin1Char(')');
    }
    if (window->width() < window->minimumSizeHint().width() ||
        window->height() < window->minimumSizeHint().height())
        names << window->objectName();
    return names;
}

} // namespace

class TestDialogSizes : public QObject {
    Q_OBJECT

    std::unique_ptr<AppFixture> app;
    std::unique_ptr<Form1> w;

    void start(int language) {
        app->writeParameter(QByteArray("\0\0", 2) + char(language));
        w = app->start();
    }
    // Every dialog as its menu shows it.
    QList<QWidget*> showDialogs() {
        for (QAction* menu : {w->mnudtmf, w->Key_enactment, w->mnusetin, w->mnudebug, w->mnutestfre,
                              w->mnuPass, w->mnuabout})
            menu->trigger();
        QList<QWidget*> shown = w->dialogs->windowsInCaptionOrder();
        shown << w->formUsePass << w->frmAbout;
        for (QWidget* d : shown)
            if (!QTest::qWaitForWindowExposed(d))
                qWarning("%s not shown", qPrintable(d->objectName()));
        QCoreApplication::processEvents();
        return shown;
    }
    void verifyNothingClipped(const QList<QWidget*>& windows) {
        for (QWidget* window : windows) {
            const QStringList cut = clipped(window);
            QVERIFY2(cut.isEmpty(), qPrintable(window->objectName() + QStringLiteral(": ") +
                                               cut.join(QLatin1Char(' '))));
        }
    }

  private slots:
    void init() { app = std::make_unique<AppFixture>(); }
    void cleanup() {
        w.reset();
        app.reset();
    }

    // An earlier version was 726 pixels wide in Chinese and 847 in English.
    void theMainWindowKeepsOneWidthInBothLanguages() {
        start(0);
        const int width = w->width();
        verifyNothingClipped({w.get()});
        w->mnuEnglish->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(w->width(), width);
        verifyNothingClipped({w.get()});
        w->mnuChinese->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(w->width(), width);
        verifyNothingClipped({w.get()});
        w.reset();

        // Starting in English gives the same width.
        app = std::make_unique<AppFixture>();
        start(1);
        QCOMPARE(w->width(), width);
        w->mnuChinese->trigger();
        QCOMPARE(w->width(), width);
        verifyNothingClipped({w.get()});
    }

    // An earlier version shrank Form5 to 333 x 341 at every caption pass.
    void dialogsKeepTheirDesignSizeThroughLanguageSwitches() {
        start(0);
        QList<QWidget*> dialogs = showDialogs();
        QWidget* form5 = w->dialogs->form5();
        QVERIFY(form5->width() >= Form5Design.width());
        QVERIFY(form5->height() >= Form5Design.height());
        QCOMPARE(form5->size(), Form5Design);
        QHash<QWidget*, QSize> chinese;
        for (QWidget* d : dialogs)
            chinese[d] = d->size();
        verifyNothingClipped(dialogs);

        w->mnuEnglish->trigger();
        QCoreApplication::processEvents();
        QVERIFY(form5->width() >= Form5Design.width());
        QVERIFY(form5->height() >= Form5Design.height());
        verifyNothingClipped(dialogs);

        w->mnuChinese->trigger();
        QCoreApplication::processEvents();
        for (QWidget* d : dialogs)
            QCOMPARE(d->size(), chinese[d]);
        verifyNothingClipped(dialogs);
    }

    void dialogsStartedInEnglishKeepTheirDesignSizeToo() {
        start(1);
        QList<QWidget*> dialogs = showDialogs();
        QWidget* form5 = w->dialogs->form5();
        QVERIFY(form5->width() >= Form5Design.width());
        QVERIFY(form5->height() >= Form5Design.height());
        verifyNothingClipped(dialogs);
        w->mnuChinese->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(form5->size(), Form5Design);
        verifyNothingClipped(dialogs);
    }
};

QTEST_MAIN(TestDialogSizes)
#include "tst_dialog_sizes.moc"
