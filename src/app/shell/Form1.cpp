#include "shell/Form1.h"

#include "channels/CellRules.h"
#include "channels/DropDownCombo.h"
#include "channels/FixedColumnDelegate.h"
#include "channels/RowSelection.h"
#include "channels/ToneEditor.h"
#include "channels/Vocabulary.h"
#include "dialogs/DialogSet.h"
#include "dialogs/KeyFilterValidator.h"
#include "edit/EditHistory.h"
#include "interchange/FileDrops.h"
#include "shell/AccessibleInterfaces.h"
#include "shell/AccessibleNames.h"
#include "shell/ApplyCaptions.h"
#include "shell/ClickLabel.h"
#include "shell/ContextMenuKeys.h"
#include "shell/FrmAbout.h"
#include "shell/LocalMsgBox.h"
#include "shell/MainWindowLists.h"
#include "shell/PageScrollArea.h"
#include "shell/Resources.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QShortcut>
#include <QTableWidget>
#include <QToolBar>
#include <QUndoStack>
#include <QVBoxLayout>

namespace q716 {

namespace {

// Column widths of Grid1 in twips, columns 0..8, and the row height.
constexpr std::array<int, GridColumns> ColumnTwips = {700, 1530, 1200, 1530, 1200,
                                                      900, 950,  1200, 1200};
constexpr int RowTwips = 300;

int twipsToPixels(int twips, int dpi) {
    return (twips * dpi + 720) / 1440;
}

template <typename W> W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* label(QWidget* parent, const char* name) {
    return named(new QLabel(parent), name);
}

QComboBox* list(QWidget* parent, const char* name, const QStringList& items) {
    auto* combo = named(new QComboBox(parent), name);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    combo->addItems(items);
    return combo;
}

} // namespace

Form1::Form1(QWidget* parent) : QMainWindow(parent), timeOfDay_(systemTimeOfDay()) {
    initResources();
    setObjectName(QStringLiteral("Form1"));
    setWindowIcon(logoIcon());
    history = new EditHistory(state, this);
    rowSelection = new RowSelection(this);
    buildMenus();
    buildToolbar();

    auto* central = new QWidget;
    central->setObjectName(QStringLiteral("central"));
    page_ = central;
    pageScroll = new PageScrollArea(central, this);
    setCentralWidget(pageScroll);
    buildFrame1();
    buildFrame2();
    buildGrid();
    buildEditors();

    ProgressBar1 = named(new QProgressBar(central), "ProgressBar1");
    ProgressBar1->setVisible(false);
    Label = named(new StatusLine(central), "Label");
    Label->setVisible(false);
    // The status line blinks during a session; the window keeps its size.
    for (QWidget* w : {static_cast<QWidget*>(ProgressBar1), static_cast<QWidget*>(Label)}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
    Label2 = named(new ClickLabel(central), "Label2");
    Label2->setCursor(Qt::PointingHandCursor);
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* top = new QHBoxLayout;
    top->addWidget(Frame1);
    top->addWidget(Frame2, 1);
    auto* status = new QHBoxLayout;
    status->addWidget(Label, 1);
    status->addWidget(ProgressBar1, 1);
    status->addWidget(Label2);
    auto* layout = new QVBoxLayout(central);
    layout->addLayout(top);
    layout->addWidget(Grid1, 0, Qt::AlignHCenter);
    layout->addLayout(status);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    if (const WindowCaptions* table = captionsOf(objectName()))
        applyDesignCaptions(this, *table);
    setMessageBoxOwner(this);
    new ContextMenuKeys(Grid1);
    announceCurrentCellOnFocus(Grid1);
    pageScroll->followCurrentCell(Grid1);
    connectHandlers();
    connectEditMenu();
    updateEditActions();
    acceptFileDrops(this);
}

Form1::~Form1() {
    // The undo stack empties itself when it is deleted with the window's
    // children, and the grid and the selection may announce changes then:
    // the window is no longer whole by that time, so it must not hear them.
    for (QObject* sender :
         std::initializer_list<QObject*>{history->stack(), history, rowSelection, Grid1})
        sender->disconnect(this);
}

void Form1::buildMenus() {
    auto action = [this](QMenu* menu, const char* name) {
        auto* a = named(new QAction(this), name);
        menu->addAction(a);
        return a;
    };
    auto separator = [this](QMenu* menu, const char* name) {
        QAction* s = menu->addSeparator();
        s->setParent(this);
        s->setObjectName(QString::fromLatin1(name));
        return s;
    };
    QMenuBar* bar = menuBar();
    mnuFile = named(bar->addMenu(QString()), "mnuFile");
    mnuNew = action(mnuFile, "mnuNew");
    mnuOpen = action(mnuFile, "mnuOpen");
    mnuAssave = action(mnuFile, "mnuAssave");
    // The toolbar's commands have keys of their own too.
    mnuNew->setShortcut(QKeySequence::New);
    mnuOpen->setShortcut(QKeySequence::Open);
    mnuAssave->setShortcut(QKeySequence::Save);
    separator(mnuFile, "mnuInterchangeLine");
    mnuImportCsv = action(mnuFile, "mnuImportCsv");
    mnuExportCsv = action(mnuFile, "mnuExportCsv");
    mnuPrint = action(mnuFile, "mnuPrint");
    mnuExportPdf = action(mnuFile, "mnuExportPdf");
    mnuline = separator(mnuFile, "mnuline");
    mnuQuit = action(mnuFile, "mnuQuit");

    mnupro = named(bar->addMenu(QString()), "mnupro");
    buildEditMenu();
    mnureadFre = action(mnupro, "mnureadFre");
    mnureadFre->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    mnuwriteFre = action(mnupro, "mnuwriteFre");
    mnuwriteFre->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    mnuline1 = separator(mnupro, "mnuline1");
    mnudtmf = action(mnupro, "mnudtmf");
    Key_enactment = action(mnupro, "Key_enactment");
    mnusetin = action(mnupro, "mnusetin");
    mnudebug = action(mnupro, "mnudebug");
    mnutestfre = action(mnupro, "mnutestfre");

    mnuset = named(bar->addMenu(QString()), "mnuset");
    mnulock = action(mnuset, "mnulock");
    mnulock->setCheckable(true);
    mnuPass = action(mnuset, "mnuPass");

    mnucom = named(new QAction(this), "mnucom");
    bar->addAction(mnucom);

    mnuLanguage = named(bar->addMenu(QString()), "mnuLanguage");
    mnuChinese = action(mnuLanguage, "mnuChinese");
    mnuEnglish = action(mnuLanguage, "mnuEnglish");

    mnuhelp = named(bar->addMenu(QString()), "mnuhelp");
    mnumainhelp = action(mnuhelp, "mnumainhelp");
    // The caption already names the key ("帮助主题  F1"); a shortcut on the
    // item itself would make the menu show it a second time.
    auto* helpKey = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(helpKey, &QShortcut::activated, mnumainhelp, &QAction::trigger);
    mnuabout = action(mnuhelp, "mnuabout");
    buildSafetyMenus();
}

void Form1::buildToolbar() {
    Toolbar1 = named(new QToolBar(this), "Toolbar1");
    Toolbar1->setMovable(false);
    Toolbar1->setIconSize(QSize(24, 24));
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    addToolBar(Toolbar1);
    // The captions are the design's and stay in both languages; the caption
    // tables give the tool tips per language.
    auto button = [this](const char* key, const char* caption, bool visible) {
        auto* a = new QAction(toolbarIcon(key), QString::fromUtf8(caption), this);
        a->setProperty("key", QString::fromLatin1(key));
        a->setVisible(visible);
        Toolbar1->addAction(a);
    };
    button("new", "新建", true);
    button("open", "打开", true);
    button("save", "保存", true);
    Toolbar1->addSeparator();
    button("read", "读频", true);
    button("write", "写频", true);
    button("TAnMa", "", false);
    button("Login", "", false);
}

QAction* Form1::toolbarButton(const QString& key) const {
    for (QAction* a : Toolbar1->actions())
        if (a->property("key").toString() == key)
            return a;
    return nullptr;
}

void Form1::buildFrame1() {
    Frame1 = named(new QGroupBox(page()), "Frame1");
    Label10 = label(Frame1, "Label10");
    Combo10 = list(Frame1, "Combo10", {modelItem(0)});
    Label3 = label(Frame1, "Label3");
    Combo1 = named(new DropDownCombo(Frame1), "Combo1");
    for (int i = 0; i < BandCount; ++i)
        Combo1->addItem(bandItem(i));
    Label9 = label(Frame1, "Label9");
    Text2 = named(new QLineEdit(Frame1), "Text2");
    Text2->setEchoMode(QLineEdit::Password);
    // Pasted text meets the key filter too, before it is cut to the radio's
    // 16 characters; the password follows every edit.
    Text2->setValidator(new KeyFilterValidator(&filterPasswordKey, PasswordLength, Text2));
    connect(Text2, &QLineEdit::textEdited, this, &Form1::Text2_Change);
    Picture1 = label(Frame1, "Picture1");
    // The window's icon, read once.
    Picture1->setPixmap(windowIcon().pixmap(QSize(57, 52)));
    Picture1->setAlignment(Qt::AlignCenter);

    auto* g = new QGridLayout(Frame1);
    g->addWidget(Label10, 0, 0);
    g->addWidget(Combo10, 0, 1);
    g->addWidget(Label3, 1, 0);
    g->addWidget(Combo1, 1, 1);
    g->addWidget(Label9, 2, 0);
    g->addWidget(Text2, 2, 1);
    g->addWidget(Picture1, 0, 2, 3, 1);
}

void Form1::buildFrame2() {
    Frame2 = named(new QGroupBox(page()), "Frame2");
    const auto designList = [this](const char* name) {
        return list(Frame2, name, mainWindowListItems(QLatin1String(name), DesignLanguage));
    };
    Label5 = label(Frame2, "Label5");
    Combo3 = list(Frame2, "Combo3", {}); // filled at start-up
    Label1 = label(Frame2, "Label1");
    Combo4 = designList("Combo4");
    Label6 = label(Frame2, "Label6");
    Combo9 = designList("Combo9");
    Label4 = label(Frame2, "Label4");
    Combo2 = designList("Combo2");
    Label7 = label(Frame2, "Label7");
    Combo6 = designList("Combo6");
    Label8 = label(Frame2, "Label8");
    Combo7 = designList("Combo7");
    Label11 = label(Frame2, "Label11");
    Combo11 = designList("Combo11");
    Label13 = label(Frame2, "Label13");
    Combo13 = designList("Combo13");
    Label12 = label(Frame2, "Label12");
    Combo12 = designList("Combo12");
    Check3 = named(new QCheckBox(Frame2), "Check3");
    Check4 = named(new QCheckBox(Frame2), "Check4");

    auto* g = new QGridLayout(Frame2);
    const std::array<std::pair<QLabel*, QComboBox*>, 9> pairs = {{{Label5, Combo3},
                                                                  {Label1, Combo4},
                                                                  {Label6, Combo9},
                                                                  {Label4, Combo2},
                                                                  {Label7, Combo6},
                                                                  {Label8, Combo7},
                                                                  {Label11, Combo11},
                                                                  {Label13, Combo13},
                                                                  {Label12, Combo12}}};
    for (int i = 0; i < int(pairs.size()); ++i) {
        g->addWidget(pairs[i].first, i / 3, (i % 3) * 2);
        g->addWidget(pairs[i].second, i / 3, (i % 3) * 2 + 1);
    }
    g->addWidget(Check3, 3, 0, 1, 2);
    g->addWidget(Check4, 3, 2, 1, 2);
}

void Form1::buildGrid() {
    Grid1 = named(new QTableWidget(ChannelCount, GridColumns, page()), "Grid1");
    Grid1->verticalHeader()->setVisible(false);
    Grid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid1->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Grid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Grid1->setTabKeyNavigation(false);

    // Sizes follow the twips of the radio's original layout at the screen's DPI.
    // A larger desktop font than the design's widens the rows and the
    // frequency columns with it.
    const int dpiX = Grid1->logicalDpiX();
    const QFontMetrics metrics = Grid1->fontMetrics();
    const int rowHeight = qMax(twipsToPixels(RowTwips, Grid1->logicalDpiY()), metrics.height() + 4);
    const int frequencyWidth = metrics.horizontalAdvance(QStringLiteral("000.000000"));
    QHeaderView* header = Grid1->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setMinimumSectionSize(1);
    header->setFixedHeight(rowHeight);
    header->setDefaultAlignment(Qt::AlignCenter);
    Grid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Grid1->verticalHeader()->setMinimumSectionSize(1);
    Grid1->verticalHeader()->setDefaultSectionSize(rowHeight);
    int width = 0;
    for (int c = 0; c < GridColumns; ++c) {
        const int w =
            qMax(twipsToPixels(ColumnTwips[c], dpiX), c == 1 || c == 3 ? frequencyWidth : 0);
        Grid1->setColumnWidth(c, w);
        Grid1->setHorizontalHeaderItem(c, new QTableWidgetItem);
        width += w;
    }
    const int frame = 2 * Grid1->frameWidth();
    Grid1->setFixedSize(width + frame, rowHeight * (ChannelCount + 1) + frame);

    // Column 0, the channel numbers, is a fixed heading column like row 0:
    // painted as headings, never current or selected.
    Grid1->setItemDelegate(new SelectedRowDelegate(rowSelection, Grid1));
    Grid1->setItemDelegateForColumn(0, new FixedColumnDelegate(rowSelection, Grid1));
    const QColor shade(192, 192, 255);
    for (int r = 0; r < ChannelCount; ++r) {
        for (int c = 0; c < GridColumns; ++c) {
            auto* item = new AccessibleCellItem;
            item->setTextAlignment(Qt::AlignCenter);
            if (c == 0) {
                item->setFlags(Qt::NoItemFlags);
            } else {
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
                // Rows 2, 4, .., 16 are shaded, their text dark on any palette.
                if ((r + 1) % 2 == 0) {
                    item->setBackground(shade);
                    item->setForeground(QColor(Qt::black));
                }
            }
            Grid1->setItem(r, c, item);
        }
    }
}

void Form1::buildEditors() {
    QWidget* central = page();
    Text1 = named(new QLineEdit(central), "Text1");
    Text1->setMaxLength(9);
    Text1->setAlignment(Qt::AlignCenter);
    Text1->setStyleSheet(QStringLiteral("background-color: rgb(255,255,192); color: black;"));
    // Frequencies are digits and a point; an input method would bypass the
    // key filter.
    Text1->setAttribute(Qt::WA_InputMethodEnabled, false);
    Text1->setVisible(false);

    Combo8 = named(new ToneEditor(central), "Combo8");
    Combo8->setMaxVisibleItems(12);
    for (int i = 0; i < ToneCount; ++i)
        Combo8->addItem(toneItem(i, 0));
    Combo8->setVisible(false);

    for (int n = 5; n <= 8; ++n) {
        auto* combo = named(new QComboBox(central), "Combo5");
        combo->setProperty("index", n);
        combo->addItem(flagItem(n, 0, 0));
        combo->addItem(flagItem(n, 1, 0));
        combo->setVisible(false);
        Combo5s[n - 5] = combo;
    }
}

} // namespace q716
