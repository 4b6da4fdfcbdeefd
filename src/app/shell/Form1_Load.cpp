// Start-up, shut-down, captions and the state the controls mirror.
#include "shell/Form1.h"

#include "channels/DropDownCombo.h"
#include "channels/Vocabulary.h"
#include "dialogs/DesignSize.h"
#include "dialogs/DialogSet.h"
#include "edit/EditHistory.h"
#include "files/Backups.h"
#include "link/FormCOM.h"
#include "link/SessionController.h"
#include "shell/AccessibleNames.h"
#include "shell/ApplyCaptions.h"
#include "shell/ClickLabel.h"
#include "shell/FrmAbout.h"
#include "shell/LanguageSetting.h"
#include "shell/LocalMsgBox.h"
#include "shell/MainWindowLists.h"
#include "shell/PageScrollArea.h"
#include "shell/ParameterFile.h"
#include "state/InitDefaults.h"

#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <array>

namespace q716 {

namespace {

// Until the start-up has finished, the first command that reaches the
// program (a key, a click, a drop, closing a window) finishes it first.
class FinishBeforeInput : public QObject {
  public:
    explicit FinishBeforeInput(Form1* window) : QObject(window), window_(window) {
        QCoreApplication::instance()->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::DragEnter:
        case QEvent::Drop:
        case QEvent::Close:
            window_->finishStartup();
            break;
        default:
            break;
        }
        return false;
    }

  private:
    Form1* window_;
};

} // namespace

void Form1::Form_Load() {
    const ParameterBytes stored = readParameterFile(parameterFilePath());
    if (stored.lock == 1)
        state.form1.lockState = true;
    else if (stored.lock == 0)
        state.form1.lockState = false;
    state.values.selectedPort = stored.port;
    createLink();

    {
        const QSignalBlocker block(Combo3);
        Combo3->clear();
        Combo3->addItems(mainWindowListItems(QStringLiteral("Combo3"), DesignLanguage));
    }

    initDefaults(state);
    ProgressBar1->setVisible(false);

    state.values.languageCode = loadLanguageSetting(QStringLiteral("RM-52"), stored.language);
    // The dialogs are created once this window shows; what loading them does
    // to the state happens now.
    DialogSet::loadStoredValues(state);
    ApplyCaptions();
    refreshGrid();
    refreshControls();
    applyLock();
    finishStartupGuard_ = new FinishBeforeInput(this);
}

void Form1::paintEvent(QPaintEvent* event) {
    QMainWindow::paintEvent(event);
    // The rest of the start-up waits until the window is on the screen.
    if (finishStartupGuard_ && !startupQueued_) {
        startupQueued_ = true;
        QTimer::singleShot(0, this, &Form1::finishStartup);
    }
}

void Form1::finishStartup() {
    if (startupFinished_)
        return;
    startupFinished_ = true;
    if (finishStartupGuard_) {
        QCoreApplication::instance()->removeEventFilter(finishStartupGuard_);
        finishStartupGuard_->deleteLater(); // it may be the caller
        finishStartupGuard_ = nullptr;
    }
    createSafetyAndNotices();
    // Loading the port dialog scans the ports and opens the remembered one.
    formCOM->Form_Load();
    pruneBackups(backupFolder(), QDateTime::currentDateTime());
    dialogs = new DialogSet(state, this, {}, DialogSet::Loading::ValuesLoaded);
    dialogs->setStepRecorder(history);
    connect(dialogs, &DialogSet::debugUnlockRepeated, this,
            [this] { toolbarButton(QStringLiteral("TAnMa"))->setVisible(true); });
    frmAbout = new FrmAbout(state, this);
    QList<QWidget*> created = dialogs->windowsInCaptionOrder();
    created.append(frmAbout);
    applyAllCaptions(created, state.values.languageCode);
    fitOtherWindows();
}

void Form1::closeEvent(QCloseEvent* event) {
    // Added to the radio's original program, which quit without a word: a
    // running session and changes no channel file holds are not lost
    // without a question, and the radio is not left in programming mode.
    const bool sessionRunning = link && link->running();
    if ((sessionRunning &&
         LocalMsgBox(closeDuringSessionQuestion(state.values.languageCode)) != ResultOk) ||
        !askToSaveChanges(ReplacingCommand::Quit)) {
        event->ignore();
        return;
    }
    if (sessionRunning)
        link->endForQuit();
    // A failed write only loses the remembered lock, port and language.
    writeParameterFile(parameterFilePath(), {state.form1.lockState ? 1 : 0,
                                             state.values.selectedPort, state.values.languageCode});
    if (frmAbout)
        frmAbout->hide();
    if (dialogs)
        for (QWidget* w : dialogs->windowsInCaptionOrder())
            w->hide();
    for (QWidget* w : extraCaptionWindows_)
        w->hide();
    event->accept();
}

// Whatever sets the caption (the caption tables, Save), the platform's mark
// of unsaved changes has its place at the end.
void Form1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowTitleChange && !windowTitle().contains(QLatin1String("[*]")))
        setWindowTitle(windowTitle() + QStringLiteral("[*]"));
    QMainWindow::changeEvent(event);
}

void Form1::registerCaptionWindow(QWidget* window) {
    extraCaptionWindows_.append(window);
    if (const WindowCaptions* table = captionsOf(window->objectName()))
        applyWindowCaptions(window, *table, state.values.languageCode);
    applyAccessibleTexts(window, state.values.languageCode);
}

QList<QWidget*> Form1::captionWindows() {
    QList<QWidget*> windows{this};
    if (dialogs)
        windows += dialogs->windowsInCaptionOrder();
    windows += extraCaptionWindows_;
    if (frmAbout)
        windows.append(frmAbout);
    return windows;
}

void Form1::ApplyCaptions() {
    if (!widthKeeper_)
        keepOneWidth();
    applyAllCaptions(captionWindows(), state.values.languageCode);
    showTitle();
    setMessageBoxLanguage(state.values.languageCode);
    // Texts of the other language have other widths and heights.
    page()->layout()->activate();
    fitWindowToScreen(this);
    // During the start-up the other windows are fitted once they all exist.
    if (startupFinished_)
        fitOtherWindows();
    emit captionsApplied();
}

void Form1::fitOtherWindows() {
    for (QWidget* w : captionWindows())
        if (w != this && w->layout())
            fitToCaptions(w);
}

// The window takes the width its wider language needs, once, so that a
// language switch neither clips a text nor makes the window jump.
void Form1::keepOneWidth() {
    const WindowCaptions* table = captionsOf(objectName());
    auto* layout = static_cast<QBoxLayout*>(page()->layout());
    // The language shown comes last, so its texts stay; codes other than 0
    // and 1 keep the design texts.
    const int shown = state.values.languageCode;
    int widest = 0;
    for (int languageCode : shown == 0 ? std::array{1, 0} : std::array{0, 1}) {
        applyWindowCaptions(this, *table, languageCode);
        layout->activate();
        widest = qMax(widest, page()->sizeHint().width());
    }
    if (shown != 0 && shown != 1)
        applyDesignCaptions(this, *table);
    const QMargins margins = layout->contentsMargins();
    widthKeeper_ = new QSpacerItem(widest - margins.left() - margins.right(), 0, QSizePolicy::Fixed,
                                   QSizePolicy::Fixed);
    layout->addSpacerItem(widthKeeper_);
}

void Form1::refreshFromState() {
    refreshGrid();
    refreshControls();
    applyLock();
    if (dialogs)
        dialogs->refreshFromState();
}

void Form1::refreshGrid() {
    const ChannelGrid& grid = state.form1.grid;
    for (int r = 1; r <= ChannelCount; ++r)
        for (int c = 0; c < GridColumns; ++c)
            Grid1->item(r - 1, c)->setText(grid.cells[r][c]);
}

void Form1::refreshControls() {
    refreshing_ = true;
    const MainWindowState& f = state.form1;
    const std::array<std::pair<QComboBox*, int>, 11> lists = {{{Combo1, f.combo1},
                                                               {Combo10, f.combo10},
                                                               {Combo2, f.combo2},
                                                               {Combo3, f.combo3},
                                                               {Combo4, f.combo4},
                                                               {Combo6, f.combo6},
                                                               {Combo7, f.combo7},
                                                               {Combo9, f.combo9},
                                                               {Combo11, f.combo11},
                                                               {Combo12, f.combo12},
                                                               {Combo13, f.combo13}}};
    for (const auto& [combo, index] : lists)
        combo->setCurrentIndex(index < combo->count() ? index : NoSelection);
    Check3->setChecked(f.check3 != 0);
    Check4->setChecked(f.check4 != 0);
    if (Text2->text() != f.text2)
        Text2->setText(f.text2);
    refreshing_ = false;
}

void Form1::applyLock() {
    updateEditActions();
    mnulock->setChecked(state.form1.lockState);
    const bool enabled = !state.form1.lockState;
    Frame1->setEnabled(enabled);
    Frame2->setEnabled(enabled);
    Grid1->setEnabled(enabled);
    if (!enabled)
        hideEditors();
}

void Form1::connectHandlers() {
    // Function settings: the list position is the value the image encodes.
    const std::array<std::pair<QComboBox*, int MainWindowState::*>, 10> lists = {
        {{Combo10, &MainWindowState::combo10},
         {Combo2, &MainWindowState::combo2},
         {Combo3, &MainWindowState::combo3},
         {Combo4, &MainWindowState::combo4},
         {Combo6, &MainWindowState::combo6},
         {Combo7, &MainWindowState::combo7},
         {Combo9, &MainWindowState::combo9},
         {Combo11, &MainWindowState::combo11},
         {Combo12, &MainWindowState::combo12},
         {Combo13, &MainWindowState::combo13}}};
    // Each choice is one undoable step named after the setting's label.
    const std::array<QLabel*, 10> labels = {Label10, Label4, Label5,  Label1,  Label7,
                                            Label8,  Label6, Label11, Label12, Label13};
    for (size_t i = 0; i < lists.size(); ++i) {
        const auto [combo, member] = lists[i];
        const QString label = labels[i]->objectName();
        connect(combo, &QComboBox::currentIndexChanged, this, [this, member, label](int index) {
            if (refreshing_)
                return;
            const StepScope step(history, {EditStep::FunctionSetting, 0, 0, label});
            state.form1.*member = index;
        });
    }
    for (auto [check, member] : {std::pair{Check3, &MainWindowState::check3},
                                 std::pair{Check4, &MainWindowState::check4}}) {
        connect(check, &QCheckBox::toggled, this, [this, check, member](bool on) {
            if (refreshing_)
                return;
            const StepScope step(history, {EditStep::FunctionSetting, 0, 0, check->objectName()});
            state.form1.*member = on ? 1 : 0;
        });
    }

    connect(Combo1, &DropDownCombo::dropDown, this, &Form1::Combo1_DropDown);
    connect(Combo1, &QComboBox::activated, this, &Form1::Combo1_Click);
    connect(Combo8, &QComboBox::activated, this, &Form1::Combo8_Click);
    for (int n = 5; n <= 8; ++n)
        connect(Combo5(n), &QComboBox::activated, this,
                [this, n](int index) { Combo5_Click(n, index); });
    // The press completes the click: the editor opens while the button is
    // still down, as a list that opens on a press expects.
    connect(Grid1, &QTableWidget::cellPressed, this, &Form1::Grid1_Click);
    connect(Label2, &ClickLabel::clicked, this, &Form1::Label2_Click);
    connect(Toolbar1, &QToolBar::actionTriggered, this, &Form1::Toolbar1_ButtonClick);

    for (QObject* o : {static_cast<QObject*>(Grid1), static_cast<QObject*>(Grid1->viewport()),
                       static_cast<QObject*>(Text1), static_cast<QObject*>(Combo8),
                       static_cast<QObject*>(Combo8->lineEdit()),
                       static_cast<QObject*>(Combo8->view()), static_cast<QObject*>(Text2)})
        o->installEventFilter(this);
    for (QComboBox* combo : Combo5s) {
        combo->installEventFilter(this);
        combo->view()->installEventFilter(this);
    }

    const std::array<std::pair<QAction*, void (Form1::*)()>, 22> menus = {{
        {mnuNew, &Form1::mnuNew_Click},
        {mnuOpen, &Form1::mnuOpen_Click},
        {mnuAssave, &Form1::mnuAssave_Click},
        {mnuImportCsv, &Form1::mnuImportCsv_Click},
        {mnuExportCsv, &Form1::mnuExportCsv_Click},
        {mnuPrint, &Form1::mnuPrint_Click},
        {mnuExportPdf, &Form1::mnuExportPdf_Click},
        {mnuQuit, &Form1::mnuQuit_Click},
        {mnureadFre, &Form1::mnureadFre_Click},
        {mnuwriteFre, &Form1::mnuwriteFre_Click},
        {mnudtmf, &Form1::mnudtmf_Click},
        {Key_enactment, &Form1::Key_enactment_Click},
        {mnusetin, &Form1::mnusetin_Click},
        {mnudebug, &Form1::mnudebug_Click},
        {mnutestfre, &Form1::mnutestfre_Click},
        {mnulock, &Form1::mnulock_Click},
        {mnuPass, &Form1::mnuPass_Click},
        {mnucom, &Form1::mnucom_Click},
        {mnuChinese, &Form1::mnuChinese_Click},
        {mnuEnglish, &Form1::mnuEnglish_Click},
        {mnumainhelp, &Form1::mnumainhelp_Click},
        {mnuabout, &Form1::mnuabout_Click},
    }};
    for (const auto& [action, handler] : menus)
        connect(action, &QAction::triggered, this, handler);
}

} // namespace q716
