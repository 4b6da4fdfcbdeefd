#include "dialogs/Form5.h"

#include "dialogs/CommitLimit.h"
#include "dialogs/DesignSize.h"
#include "dialogs/DialogTexts.h"
#include "dialogs/DialogWidgets.h"
#include "dialogs/DtmfKeys.h"
#include "dialogs/GridCellDelegate.h"
#include "dialogs/NumericText.h"
#include "dialogs/OptionsDialog.h"
#include "dialogs/PriorityRules.h"
#include "shell/LocalMsgBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

namespace q716 {

namespace {

const QString Window = QStringLiteral("Form5");
constexpr int TwipsPerPixel = 15;
constexpr int DtmfMemoryCount = 8;

// Adds "label | field" as the next row of a grid layout.
void addRow(QGridLayout* grid, QWidget* label, QWidget* field) {
    const int row = grid->rowCount();
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
}

QScrollBar* delayScrollBar(const QString& name, QWidget* parent) {
    auto* bar = new QScrollBar(Qt::Vertical, parent);
    bar->setObjectName(name);
    bar->setRange(ScanDelayMinimum, ScanDelayMaximum);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    // The up arrow counts up, like a spin box.
    bar->setInvertedAppearance(true);
    bar->setFixedHeight(QLineEdit().sizeHint().height());
    return bar;
}

QWidget* withScrollBar(QLineEdit* text, QScrollBar* bar, QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(text);
    row->addWidget(bar);
    return box;
}

QLineEdit* namedText(const QString& name, QWidget* parent) {
    auto* text = new QLineEdit(parent);
    text->setObjectName(name);
    return text;
}

// The scroll bar follows a delay typed as a whole number in its range.
void followText(QScrollBar* bar, const QString& text) {
    const int value = leadingNumber(text);
    if (value < ScanDelayMinimum || value > ScanDelayMaximum)
        return;
    const QSignalBlocker block(bar);
    bar->setValue(value);
}

} // namespace

Form5::Form5(EditorState& state, QWidget* mainWindow, SecondsClock clock)
    : HidingDialog(Window, state, mainWindow), clock_(std::move(clock)) {
    loadStoredValues_ = &showStoredOptions;
    setWindowTitle(dialogDesignText(Window, QString()));
    buildScanFrame();
    buildHiddenControls();
    connectPlainLists();
    layout()->setSizeConstraint(QLayout::SetMinimumSize);
    // The designed client area, unless the texts of a language need more.
    setDesignSize(this, QSize(5595 / TwipsPerPixel, 6090 / TwipsPerPixel));
}

void Form5::buildScanFrame() {
    auto* main = new QVBoxLayout(this);
    QGroupBox* frame2 = designFrame(Window, QStringLiteral("Frame2"), this);
    auto* scan = new QGridLayout(frame2);
    auto label = [&](const char* name) { return designLabel(Window, QLatin1String(name), this); };
    auto combo = [&](const char* name) { return designCombo(Window, QLatin1String(name), this); };

    QLabel* label14 = label("Label14");
    QLabel* label17 = label("Label17");
    QLabel* label18 = label("Label18");
    Combo11 = combo("Combo11");
    Combo12 = combo("Combo12");
    Combo13 = combo("Combo13");
    Combo14 = combo("Combo14");
    Combo15 = combo("Combo15");
    Text5 = namedText(QStringLiteral("Text5"), this);
    Text6 = namedText(QStringLiteral("Text6"), this);
    VScroll1 = delayScrollBar(QStringLiteral("VScroll1"), this);
    VScroll2 = delayScrollBar(QStringLiteral("VScroll2"), this);
    addRow(scan, label14, Combo11);
    addRow(scan, label("Label15"), Combo12);
    addRow(scan, label17, Combo13);
    addRow(scan, label("Label16"), Combo14);
    addRow(scan, label18, Combo15);
    addRow(scan, label("Label19"), withScrollBar(Text5, VScroll1, this));
    addRow(scan, label("Label20"), withScrollBar(Text6, VScroll2, this));
    main->addWidget(frame2);

    auto* others = new QGridLayout;
    Combo4 = combo("Combo4");
    Combo10 = combo("Combo10");
    addRow(others, label("Label4"), Combo4);
    addRow(others, label("Label11"), Combo10);
    main->addLayout(others);
    main->addStretch(1);

    const auto [command1, command2] = addOkCancelRow(Window, main, this);

    gestureLabels_ = {label14, label17, label18};
    for (QLabel* l : gestureLabels_)
        l->installEventFilter(this);

    connect(Combo11, &QComboBox::activated, this, &Form5::Combo11_Click);
    connect(Combo12, &QComboBox::activated, this, &Form5::Combo12_Click);
    connect(VScroll1, &QScrollBar::valueChanged, this, &Form5::VScroll1_Change);
    connect(VScroll2, &QScrollBar::valueChanged, this, &Form5::VScroll2_Change);
    connect(Text5, &QLineEdit::textEdited, this, &Form5::Text5_Change);
    connect(Text6, &QLineEdit::textEdited, this, &Form5::Text6_Change);
    connect(command1, &QPushButton::clicked, this, &Form5::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &Form5::Command2_Click);
}

void Form5::buildHiddenControls() {
    // Not part of the visible dialog; they keep the values the image holds.
    auto* hidden = new QWidget(this);
    hidden->setObjectName(QStringLiteral("HiddenControls"));
    auto* row = new QHBoxLayout(hidden);
    row->setContentsMargins(0, 0, 0, 0);
    auto label = [&](const char* name) { return designLabel(Window, QLatin1String(name), hidden); };
    auto combo = [&](const char* name) { return designCombo(Window, QLatin1String(name), hidden); };

    QGroupBox* frame1 = designFrame(Window, QStringLiteral("Frame1"), hidden);
    auto* vox = new QGridLayout(frame1);
    Combo6 = combo("Combo6");
    Combo7 = combo("Combo7");
    Combo8 = combo("Combo8");
    Combo9 = combo("Combo9");
    Check3 = designCheck(Window, QStringLiteral("Check3"), hidden);
    Check4 = designCheck(Window, QStringLiteral("Check4"), hidden);
    addRow(vox, label("Label8"), Combo6);
    addRow(vox, label("Label10"), Combo7);
    addRow(vox, label("Label9"), Combo8);
    addRow(vox, label("Label7"), Combo9);
    vox->addWidget(Check3, vox->rowCount(), 0, 1, 2);
    vox->addWidget(Check4, vox->rowCount(), 0, 1, 2);
    row->addWidget(frame1);

    QGroupBox* frame3 = designFrame(Window, QStringLiteral("Frame3"), hidden);
    auto* dtmf = new QGridLayout(frame3);
    Combo0 = combo("Combo0");
    Combo16 = combo("Combo16");
    Combo18 = combo("Combo18");
    Combo17 = combo("Combo17");
    Combo19 = combo("Combo19");
    Combo20 = combo("Combo20");
    Combo22 = combo("Combo22");
    Combo21 = combo("Combo21");
    addRow(dtmf, label("Label25"), Combo0);
    addRow(dtmf, label("Label21"), Combo16);
    addRow(dtmf, label("Label23"), Combo18);
    addRow(dtmf, label("Label22"), Combo17);
    addRow(dtmf, label("Label24"), Combo19);
    addRow(dtmf, label("Label26"), Combo20);
    addRow(dtmf, label("Label28"), Combo22);
    addRow(dtmf, label("Label27"), Combo21);
    row->addWidget(frame3);

    auto* codes = new QGridLayout;
    mfgrid1 = new QTableWidget(DtmfMemoryCount, 2, hidden);
    mfgrid1->setObjectName(QStringLiteral("mfgrid1"));
    mfgrid1->setHorizontalHeaderLabels({dialogDesignHeading(Window, QStringLiteral("mfgrid1"), 0),
                                        dialogDesignHeading(Window, QStringLiteral("mfgrid1"), 1)});
    mfgrid1->verticalHeader()->hide();
    mfgrid1->setColumnWidth(0, 600 / TwipsPerPixel);
    mfgrid1->setColumnWidth(1, 1995 / TwipsPerPixel);
    mfgrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    mfgrid1->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    for (int r = 0; r < DtmfMemoryCount; ++r) {
        auto* number = new QTableWidgetItem(QString::number(r + 1));
        number->setFlags(Qt::ItemIsEnabled);
        number->setTextAlignment(Qt::AlignCenter);
        mfgrid1->setItem(r, 0, number);
        auto* memory = new QTableWidgetItem;
        memory->setTextAlignment(Qt::AlignCenter);
        mfgrid1->setItem(r, 1, memory);
    }
    auto* delegate = new GridCellDelegate([](int, int column) { return column == 1; },
                                          &filterDtmfKey, mfgrid1, DtmfMemoryLength);
    mfgrid1->setItemDelegate(delegate);
    connect(delegate, &GridCellDelegate::edited, this, &Form5::mfgrid1_AfterEdit);
    connect(mfgrid1, &QTableWidget::cellClicked, this, &Form5::mfgrid1_Click);
    codes->addWidget(mfgrid1, 0, 0, 1, 2);

    Text1 = namedText(QStringLiteral("Text1"), hidden);
    Text3 = namedText(QStringLiteral("Text3"), hidden);
    Text4 = namedText(QStringLiteral("Text4"), hidden);
    addRow(codes, label("Label1"), Text1);
    addRow(codes, label("Label13"), Text3);
    addRow(codes, label("Label12"), Text4);
    for (QLineEdit* text : {Text1, Text3, Text4})
        text->installEventFilter(this);
    connect(Text1, &QLineEdit::textChanged, this,
            [this](const QString& t) { state_.form5.text1 = t; });
    connect(Text3, &QLineEdit::textChanged, this,
            [this](const QString& t) { state_.form5.text3 = t; });
    connect(Text4, &QLineEdit::textChanged, this,
            [this](const QString& t) { state_.form5.text4 = t; });
    row->addLayout(codes);

    layout()->addWidget(hidden);
    hidden->hide();
}

void Form5::connectPlainLists() {
    OptionsDialogState& d = state_.form5;
    const std::pair<QComboBox*, int*> lists[] = {
        {Combo4, &d.combo4},   {Combo6, &d.combo6},   {Combo7, &d.combo7},   {Combo8, &d.combo8},
        {Combo9, &d.combo9},   {Combo10, &d.combo10}, {Combo13, &d.combo13}, {Combo14, &d.combo14},
        {Combo15, &d.combo15}, {Combo0, &d.combo0},   {Combo16, &d.combo16}, {Combo18, &d.combo18},
        {Combo17, &d.combo17}, {Combo19, &d.combo19}, {Combo20, &d.combo20}, {Combo22, &d.combo22},
        {Combo21, &d.combo21}};
    for (const auto& [combo, value] : lists)
        connect(combo, &QComboBox::activated, this, [value](int index) { *value = index; });
    connect(Check3, &QCheckBox::clicked, this, [&d](bool on) { d.check3 = on ? 1 : 0; });
    connect(Check4, &QCheckBox::clicked, this, [&d](bool on) { d.check4 = on ? 1 : 0; });
}

// Closing the window hides it, which commits an open cell editor; the
// handler of that edit must not run on a half-destroyed dialog.
Form5::~Form5() {
    mfgrid1->itemDelegate()->disconnect(this);
}

void Form5::refreshFromState() {
    const OptionsDialogState& d = state_.form5;
    const std::pair<QComboBox*, int> lists[] = {
        {Combo4, d.combo4},   {Combo6, d.combo6},   {Combo7, d.combo7},   {Combo8, d.combo8},
        {Combo9, d.combo9},   {Combo10, d.combo10}, {Combo11, d.combo11}, {Combo12, d.combo12},
        {Combo13, d.combo13}, {Combo14, d.combo14}, {Combo15, d.combo15}, {Combo0, d.combo0},
        {Combo16, d.combo16}, {Combo18, d.combo18}, {Combo17, d.combo17}, {Combo19, d.combo19},
        {Combo20, d.combo20}, {Combo22, d.combo22}, {Combo21, d.combo21}};
    for (const auto& [combo, index] : lists)
        showListIndex(combo, index);
    const QSignalBlocker b3(Check3), b4(Check4), b5(Text5), b6(Text6), b1(Text1), b33(Text3),
        b44(Text4);
    Check3->setChecked(d.check3 != 0);
    Check4->setChecked(d.check4 != 0);
    if (Text5->text() != d.text5)
        Text5->setText(d.text5);
    if (Text6->text() != d.text6)
        Text6->setText(d.text6);
    Text1->setText(d.text1);
    Text3->setText(d.text3);
    Text4->setText(d.text4);
    followText(VScroll1, d.text5);
    followText(VScroll2, d.text6);
    const QSignalBlocker bg(mfgrid1);
    for (int r = 0; r < DtmfMemoryCount; ++r)
        mfgrid1->item(r, 1)->setText(d.mfgrid1[r]);
}

void Form5::Combo11_Click(int index) {
    choosePriorityMode(state_, index, localMessageFn());
    showListIndex(Combo11, state_.form5.combo11);
    showListIndex(Combo12, state_.form5.combo12);
}

void Form5::Combo12_Click(int index) {
    choosePreferredChannel(state_, index, localMessageFn());
    showListIndex(Combo12, state_.form5.combo12);
}

void Form5::VScroll1_Change(int value) {
    state_.form5.vscroll1 = value;
    state_.form5.text5 = QString::number(value);
    Text5->setText(state_.form5.text5);
}

void Form5::VScroll2_Change(int value) {
    state_.form5.vscroll2 = value;
    state_.form5.text6 = QString::number(value);
    Text6->setText(state_.form5.text6);
}

void Form5::Text5_Change(const QString& text) {
    state_.form5.text5 = text;
    followText(VScroll1, text);
}

void Form5::Text6_Change(const QString& text) {
    state_.form5.text6 = text;
    followText(VScroll2, text);
}

void Form5::mfgrid1_Click(int row, int column) {
    if (column == 1)
        mfgrid1->editItem(mfgrid1->item(row, column));
}

void Form5::mfgrid1_AfterEdit(int row, int column) {
    if (column != 1 || row < 0 || row >= DtmfMemoryCount)
        return;
    state_.form5.mfgrid1[row] = mfgrid1->item(row, column)->text();
    if (const auto message = dtmfMemoryLengthMessage(state_.form5.mfgrid1[row]))
        LocalMsgBox(*message);
}

void Form5::GestureLabel_Click(int touchPoint) {
    const int now = clock_ ? clock_() : secondsSinceMidnightNow();
    if (touchGestureLabel(state_, touchPoint, now))
        emit debugUnlockRepeated();
}

bool Form5::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        for (int i = 0; i < GestureLabelCount; ++i)
            if (watched == gestureLabels_[i])
                GestureLabel_Click(i);
    }
    // The other watched objects are the code fields.
    auto* text = qobject_cast<QLineEdit*>(watched);
    if (!text)
        return HidingDialog::eventFilter(watched, event);
    const int limit = text == Text1 ? IdCodeLength : PttCodeLength;
    if (limitInputMethodCommit(text, event, limit, &filterDtmfKey))
        return true;
    if (event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (typed.size() == 1 && (typed.at(0).isPrint() || typed.at(0) == KeyBackspace)) {
            const auto key = filterCodeFieldKey(typed.at(0), text->text().size(),
                                                text->hasSelectedText(), limit);
            if (!key)
                return true;
            if (*key != typed.at(0)) {
                text->insert(QString(*key));
                return true;
            }
        }
    }
    return HidingDialog::eventFilter(watched, event);
}

void Form5::Command1_Click() {
    QLineEdit* refusedBox = !isScanDelayText(state_.form5.text5)   ? Text5
                            : !isScanDelayText(state_.form5.text6) ? Text6
                                                                   : nullptr;
    if (refusedBox) {
        // Nothing is stored, so no step: the refused boxes show their stored
        // values again and the dialog stays.
        const std::optional<Message> refused = acceptOptionsDialog(state_);
        refreshFromState();
        LocalMsgBox(*refused);
        refusedBox->setFocus();
        refusedBox->selectAll();
        return;
    }
    {
        const StepScope step(steps, {EditStep::OptionsDialog});
        acceptOptionsDialog(state_);
    }
    hide();
}

void Form5::Command2_Click() {
    hide();
}

} // namespace q716
