#include "dialogs/Form4.h"

#include "dialogs/DialogTexts.h"
#include "dialogs/DialogWidgets.h"
#include "dialogs/GridCellDelegate.h"
#include "dialogs/TestFrequencyDialog.h"
#include "shell/AccessibleNames.h"
#include "shell/LocalMsgBox.h"

#include <QHeaderView>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

namespace q716 {

namespace {
const QString Window = QStringLiteral("Form4");
constexpr int TwipsPerPixel = 15;
constexpr int ColumnTwips[3] = {900, 1530, 1530};
constexpr int RowTwips = 300;
} // namespace

// Grid row r of the state is table row r - 1; state row 0 is the heading.
Form4::Form4(EditorState& state, QWidget* mainWindow) : HidingDialog(Window, state, mainWindow) {
    loadStoredValues_ = &loadTestFrequencyDialog;
    setWindowTitle(dialogDesignText(Window, QString()));
    auto* main = new QVBoxLayout(this);
    mfgrid1 = new QTableWidget(TestFrequencyRows, 3, this);
    mfgrid1->setObjectName(QStringLiteral("mfgrid1"));
    QStringList headings;
    for (int c = 0; c < 3; ++c)
        headings << dialogDesignHeading(Window, QStringLiteral("mfgrid1"), c);
    mfgrid1->setHorizontalHeaderLabels(headings);
    mfgrid1->verticalHeader()->hide();
    mfgrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    mfgrid1->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    mfgrid1->horizontalHeader()->setFixedHeight(RowTwips / TwipsPerPixel + 4);
    int width = 2 * mfgrid1->frameWidth();
    for (int c = 0; c < 3; ++c) {
        mfgrid1->setColumnWidth(c, ColumnTwips[c] / TwipsPerPixel);
        width += ColumnTwips[c] / TwipsPerPixel;
    }
    mfgrid1->verticalHeader()->setMinimumSectionSize(RowTwips / TwipsPerPixel);
    mfgrid1->verticalHeader()->setDefaultSectionSize(RowTwips / TwipsPerPixel);
    for (int r = 0; r < TestFrequencyRows; ++r) {
        for (int c = 0; c < 3; ++c) {
            auto* item = new AccessibleCellItem;
            item->setTextAlignment(Qt::AlignCenter);
            if (c == 0)
                item->setFlags(Qt::ItemIsEnabled);
            mfgrid1->setItem(r, c, item);
        }
    }
    mfgrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mfgrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mfgrid1->setFixedSize(width, mfgrid1->horizontalHeader()->height() +
                                     TestFrequencyRows * (RowTwips / TwipsPerPixel) +
                                     2 * mfgrid1->frameWidth());
    auto* delegate = new GridCellDelegate(
        [this](int row, int column) { return canEditTestCell(state_, row + 1, column); }, {},
        mfgrid1);
    mfgrid1->setItemDelegate(delegate);
    connect(delegate, &GridCellDelegate::edited, this, &Form4::mfgrid1_AfterEdit);
    connect(mfgrid1, &QTableWidget::cellClicked, this, &Form4::mfgrid1_Click);
    main->addWidget(mfgrid1);

    const auto [command1, command2] = addOkCancelRow(Window, main, this);
    main->setSizeConstraint(QLayout::SetMinimumSize);
    connect(command1, &QPushButton::clicked, this, &Form4::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &Form4::Command2_Click);
}

// Closing the window hides it, which commits an open cell editor; the
// handler of that edit must not run on a half-destroyed dialog.
Form4::~Form4() {
    mfgrid1->itemDelegate()->disconnect(this);
}

void Form4::refreshFromState() {
    const QSignalBlocker block(mfgrid1);
    for (int r = 1; r <= TestFrequencyRows; ++r)
        for (int c = 0; c < 3; ++c)
            mfgrid1->item(r - 1, c)->setText(state_.form4.cells[r][c]);
}

void Form4::mfgrid1_Click(int row, int column) {
    if (column > 0)
        mfgrid1->editItem(mfgrid1->item(row, column));
}

void Form4::mfgrid1_AfterEdit(int row, int column) {
    const QString typed = mfgrid1->item(row, column)->text();
    const TestCellEdit result = commitTestCell(state_, row + 1, column, typed);
    refreshFromState();
    if (result == TestCellEdit::Refused) {
        LocalMsgBox(testFrequencyRefusedMessage(typed, state_.values.languageCode));
        // Back on the refused cell, to type it again.
        mfgrid1->setCurrentCell(row, column);
        mfgrid1->setFocus(Qt::OtherFocusReason);
    }
}

void Form4::Command1_Click() {
    {
        const StepScope step(steps, {EditStep::TestFrequencyDialog});
        acceptTestFrequencyDialog(state_);
    }
    hide();
}

void Form4::Command2_Click() {
    hide();
}

} // namespace q716
