#pragma once
// The main window: channel table, model and band, function settings, menus
// and toolbar. It owns the editor state for the whole run; its controls only
// show that state, and its handlers let the core decide every change.

#include "channels/EditSteps.h"
#include "channels/RowOperations.h"
#include "channels/ToneEditor.h"
#include "link/SessionRunner.h"
#include "shell/AccessibleInterfaces.h"
#include "shell/FileQuestions.h"
#include "shell/TAnMaTiming.h"
#include "state/EditorState.h"

#include <QMainWindow>
#include <array>
#include <functional>

class QAction;
class QCheckBox;
class QComboBox;
class QContextMenuEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QSpacerItem;
class QTableWidget;
class QToolBar;

namespace q716 {

class ClickLabel;
class PageScrollArea;
class DialogSet;
class EditHistory;
class RowSelection;
class DropDownCombo;
class FormCOM;
class FormUsePass;
class FrmAbout;
class ImportReportDialog;
class LinkSafety;
class SessionController;

class Form1 : public QMainWindow, public SessionDisplay {
    Q_OBJECT
  public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    EditorState state;

    // Channel table and its in-place editors.
    QTableWidget* Grid1 = nullptr;
    QLineEdit* Text1 = nullptr;
    ToneEditor* Combo8 = nullptr;
    std::array<QComboBox*, 4> Combo5s{}; // Combo5(5..8)
    QComboBox* Combo5(int index) const { return Combo5s[index - 5]; }

    // Model, band and password.
    QGroupBox* Frame1 = nullptr;
    QComboBox* Combo10 = nullptr;
    DropDownCombo* Combo1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLabel* Picture1 = nullptr;
    QLabel *Label10 = nullptr, *Label3 = nullptr, *Label9 = nullptr;

    // Function settings.
    QGroupBox* Frame2 = nullptr;
    QComboBox *Combo2 = nullptr, *Combo3 = nullptr, *Combo4 = nullptr, *Combo6 = nullptr,
              *Combo7 = nullptr, *Combo9 = nullptr, *Combo11 = nullptr, *Combo12 = nullptr,
              *Combo13 = nullptr;
    QCheckBox *Check3 = nullptr, *Check4 = nullptr;
    QLabel *Label1 = nullptr, *Label4 = nullptr, *Label5 = nullptr, *Label6 = nullptr,
           *Label7 = nullptr, *Label8 = nullptr, *Label11 = nullptr, *Label12 = nullptr,
           *Label13 = nullptr;

    // Toolbar, progress and status.
    QToolBar* Toolbar1 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    StatusLine* Label = nullptr;
    ClickLabel* Label2 = nullptr;
    // The page that holds the frames, the table and the status line; it
    // scrolls when the screen is too small for the whole window.
    QWidget* page() const { return page_; }
    PageScrollArea* pageScroll = nullptr;

    // Menus.
    QMenu *mnuFile = nullptr, *mnupro = nullptr, *mnuset = nullptr, *mnuLanguage = nullptr,
          *mnuhelp = nullptr;
    QAction *mnuNew = nullptr, *mnuOpen = nullptr, *mnuAssave = nullptr, *mnuline = nullptr,
            *mnuQuit = nullptr;
    // Channel lists in and out, and the printable channel sheet.
    QAction *mnuImportCsv = nullptr, *mnuExportCsv = nullptr, *mnuPrint = nullptr,
            *mnuExportPdf = nullptr;
    QAction *mnureadFre = nullptr, *mnuwriteFre = nullptr, *mnuline1 = nullptr, *mnudtmf = nullptr,
            *Key_enactment = nullptr, *mnusetin = nullptr, *mnudebug = nullptr,
            *mnutestfre = nullptr;
    QAction *mnulock = nullptr, *mnuPass = nullptr, *mnucom = nullptr;
    QAction *mnuChinese = nullptr, *mnuEnglish = nullptr, *mnumainhelp = nullptr,
            *mnuabout = nullptr;
    // The Edit menu: undo and redo, the clipboard and the row operations;
    // the grid's context menu shows the same entries.
    QMenu* mnuEdit = nullptr;
    QAction *mnuUndo = nullptr, *mnuRedo = nullptr, *mnuCut = nullptr, *mnuCopy = nullptr,
            *mnuPaste = nullptr, *mnuInsertChannel = nullptr, *mnuDeleteChannels = nullptr,
            *mnuMoveUp = nullptr, *mnuMoveDown = nullptr, *mnuClearChannels = nullptr,
            *mnuSortChannels = nullptr, *mnuSetColumn = nullptr;
    QMenu* gridMenu = nullptr;
    // Around the sessions: the read-back check, comparisons, backups, the log.
    QAction* mnuReadBeforeWrite = nullptr;
    QAction *mnuVerifyAfterWrite = nullptr, *mnuCompareRadio = nullptr, *mnuCompareFile = nullptr,
            *mnuBackupFolder = nullptr, *mnuCommLog = nullptr;

    // Every change of the editor as an undoable step, and the channels
    // selected through the heading column.
    EditHistory* history = nullptr;
    RowSelection* rowSelection = nullptr;
    // The channels the row operations work on: the selected ones, else the
    // channel of the current cell.
    ChannelRows selectedChannels() const;

    // The windows created hidden by finishStartup().
    DialogSet* dialogs = nullptr;
    FrmAbout* frmAbout = nullptr;

    // The radio link, created by Form_Load: the port control MSComm1, the
    // timers Timer1 and Timer2 and the session engine, the port dialog and
    // the password dialog. finishStartup() scans the ports.
    SessionController* link = nullptr;
    FormCOM* formCOM = nullptr;
    FormUsePass* formUsePass = nullptr;
    // Backups, the check after a write, comparisons and the session log;
    // created by finishStartup().
    LinkSafety* safety = nullptr;

    // Toolbar button by key: "new", "open", "save", "read", "write", "TAnMa", "Login".
    QAction* toolbarButton(const QString& key) const;

    // Start-up: parameter file, defaults, language, captions. What this
    // window does not show waits for finishStartup().
    void Form_Load();
    // The rest of the start-up: the dialogs, the safety and its windows, the
    // port scan, pruning old backups, the sizes of the other windows. Runs once the window has been
    // drawn, or before the first command that reaches the program; only the
    // first call does anything.
    void finishStartup();
    bool startupFinished() const { return startupFinished_; }

    // Public operations on the channel table.
    void SetGrid1Text();
    void ClearGrid1();
    void ClearGrid();
    void ClearNO(int row);

    // Every caption of every window in the current language; creates the
    // dialogs hidden the first time.
    void ApplyCaptions();
    // Another window (serial port, password dialogs) joins the captions.
    void registerCaptionWindow(QWidget* window);

    // The controls of this window and of the dialogs show the state again;
    // call after anything outside the handlers changed it (a load).
    void refreshFromState();

    // Restarts the session watchdog, clears the received bytes and writes
    // the session's send buffer to the port.
    void Send();

    // What a session shows on this window.
    void setStatusCaption(const QString& text) override;
    void setStatusVisible(bool visible) override;
    void setProgressVisible(bool visible) override;
    void setProgressRange(int minimum, int maximum) override;
    void setProgressValue(int value) override;
    void setSessionControlsEnabled(bool enabled) override;
    void enableFrame1AndFocusCombo1() override;
    void showMessage(const Message& message) override;
    void loadIntoEditor(SessionHost& host, const QString& readHex) override;

    // Opens a channel file by name as the Open command does, its question
    // about unsaved changes included.
    void openChannelFileNamed(const QString& path);
    // Imports a CSV channel list as Import CSV does after its dialog: the
    // report first, then OK applies and Cancel changes nothing.
    void importCsvFileNamed(const QString& path);
    // The channel file or list the table last came from or went to, for the
    // printed sheet; empty when there is none.
    QString lastFileName;

    // The clock of the "TAnMa" double press.
    void setTimeOfDayClock(TimeOfDayClock clock) { timeOfDay_ = std::move(clock); }

    // The in-place editor state of the grid.
    int EditRow = 0;
    int EditCol = 0;
    bool GridClickArmed = false;

  public slots:
    void Grid1_Click();
    void Text1_LostFocus();
    void Combo8_Click(int index);
    void Combo8_LostFocus();
    void Combo5_Click(int column, int index);
    void Combo5_LostFocus(int column);
    void Combo1_DropDown();
    void Combo1_Click(int index);
    void Text2_Change();
    void Label2_Click();
    void Toolbar1_ButtonClick(QAction* button);

    void mnuNew_Click();
    void mnuOpen_Click();
    void mnuAssave_Click();
    void mnuImportCsv_Click();
    void mnuExportCsv_Click();
    void mnuPrint_Click();
    void mnuExportPdf_Click();
    void mnuQuit_Click();
    void mnureadFre_Click();
    void mnuwriteFre_Click();
    void mnudtmf_Click();
    void Key_enactment_Click();
    void mnusetin_Click();
    void mnudebug_Click();
    void mnutestfre_Click();
    void mnulock_Click();
    void mnuPass_Click();
    void mnucom_Click();
    void mnuChinese_Click();
    void mnuEnglish_Click();
    void mnumainhelp_Click();
    void mnuabout_Click();
    void TAnMa_Click();
    void mnuVerifyAfterWrite_Click();
    void mnuReadBeforeWrite_Click();
    void mnuCompareRadio_Click();
    void mnuCompareFile_Click();
    void mnuBackupFolder_Click();
    void mnuCommLog_Click();
    void mnuUndo_Click();
    void mnuRedo_Click();
    void mnuCut_Click();
    void mnuCopy_Click();
    void mnuPaste_Click();
    void mnuInsertChannel_Click();
    void mnuDeleteChannels_Click();
    void mnuMoveUp_Click();
    void mnuMoveDown_Click();
    void mnuClearChannels_Click();
    void mnuSortChannels_Click();
    void mnuSetColumn_Click();

  signals:
    // Every caption was written again, after a language switch too.
    void captionsApplied();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createLink();
    // The status line names the device the cable was found again on, while
    // no session needs it.
    void showPortNotice();
    void createSafety();
    // The safety and the handlers that must follow its own on the link.
    void createSafetyAndNotices();
    void buildMenus();
    void buildSafetyMenus();
    void buildEditMenu();
    void connectEditMenu();
    void updateEditActions();
    void updateUndoTexts();
    void afterRestore();
    // False when the user chose Cancel, or Save and then did not save.
    bool askToSaveChanges(ReplacingCommand command);
    // The channel file the editor holds (opened or saved), named in the
    // title; empty after New and after a read.
    void setHeldFile(const QString& path);
    // Open after its question and its dialog.
    void loadChannelFile(const QString& path);
    void showTitle();
    // Runs one row operation as one undoable step and selects what it left.
    void runRowOperation(const StepName& name,
                         const std::function<RowOperationResult(EditorState&)>& operation);
    void copySelectedChannels();
    bool headingPress(QMouseEvent* mouse);
    bool gridContextMenu(QContextMenuEvent* event);
    bool gridSelectionKey(QKeyEvent* key);
    int setColumnColumn() const;
    void buildToolbar();
    void buildFrame1();
    void buildFrame2();
    void buildGrid();
    void buildEditors();
    void connectHandlers();

    void refreshGrid();
    void refreshControls();
    void applyLock();
    QList<QWidget*> captionWindows();
    void fitOtherWindows();
    void keepOneWidth();
    void showDialog(const char* objectName);
    void placeEditor(QWidget* editor, int row, int col, bool fullHeight);
    void openList(QComboBox* editor);
    void openPendingList();
    void hideEditors();
    void cancelEditor();
    bool isCellEditorPart(const QObject* watched) const;

    bool gridEvent(QEvent* event);
    bool text1KeyPress(QKeyEvent* key);
    bool combo8KeyPress(QKeyEvent* key);
    bool combo8ListKey(QKeyEvent* key);
    bool text2KeyPress(QKeyEvent* key);

    ImportReportDialog* importReport();

    QWidget* page_ = nullptr;
    QList<QWidget*> extraCaptionWindows_;
    QString heldFile_;
    // Set column: the channels a list choice goes to while the column's list
    // editor is open for them; empty when the editor edits one cell.
    ChannelRows setColumnRows_;
    int contextColumn_ = 0; // the column the context menu was opened on
    ImportReportDialog* importReport_ = nullptr;
    bool portNoticeShown_ = false;
    QSpacerItem* widthKeeper_ = nullptr;    // the width both languages fit in
    QObject* finishStartupGuard_ = nullptr; // watches for input until the start-up finishes
    bool startupQueued_ = false;
    bool startupFinished_ = false;
    TimeOfDayClock timeOfDay_;
    TAnMaTiming tanma_;
    bool refreshing_ = false;
    bool text1Open_ = false;
    bool combo8Open_ = false;
    int combo5Open_ = 0; // column of the open list editor, 0 = none
    // A list editor opened by a press on the grid shows its list once the
    // button is up: the release would otherwise close it again.
    bool gridButtonDown_ = false;
    QComboBox* listOnRelease_ = nullptr;
    QComboBox* listAfterRelease_ = nullptr;
};

} // namespace q716
