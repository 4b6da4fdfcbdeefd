#include "safety/CompareWindow.h"
#include "compare/AddressMeaning.h"
#include "compare/StoredValues.h"
#include "dialogs/DesignSize.h"

#include <QDir>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace q716 {

CompareWindow::CompareWindow(const EditorState& editorState, QWidget* owner)
    : QDialog(owner), editorState_(editorState) {
    setObjectName(QStringLiteral("CompareWindow"));
    CompareList = new QTableWidget(0, 5, this);
    CompareList->setObjectName(QStringLiteral("CompareList"));
    CompareList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    CompareList->setSelectionBehavior(QAbstractItemView::SelectRows);
    CompareList->verticalHeader()->setVisible(false);
    CompareList->horizontalHeader()->setStretchLastSection(true);
    for (int c = 0; c < 5; ++c)
        CompareList->setHorizontalHeaderItem(c, new QTableWidgetItem);
    NoDifferences = new QLabel(this);
    NoDifferences->setObjectName(QStringLiteral("NoDifferences"));
    Source = new QLabel(this);
    Source->setObjectName(QStringLiteral("Source"));
    Source->setTextInteractionFlags(Qt::TextSelectableByMouse);
    CloseButton = new QPushButton(this);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::hide);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Source);
    layout->addWidget(CompareList, 1);
    layout->addWidget(NoDifferences);
    layout->addWidget(CloseButton, 0, Qt::AlignRight);
    setDesignSize(this, QSize(600, 320));
}

void CompareWindow::showDifferences(const EditorState& editor, const EditorState& other, Other kind,
                                    const QString& source, const QList<ByteMismatch>& bytes) {
    left_ = editor;
    right_ = other;
    bytes_ = bytes;
    kind_ = kind;
    Source->setText(QDir::toNativeSeparators(source));
    Source->setVisible(!source.isEmpty());
    CompareList->setColumnHidden(RadioColumn, kind != Other::Radio);
    CompareList->setColumnHidden(FileColumn, kind != Other::File);
    render();
    show();
    raise();
    activateWindow();
}

void CompareWindow::render() {
    const int lang = editorState_.values.languageCode;
    const QList<FieldDifference> diffs = compareStates(left_, right_, lang);
    const int otherColumn = kind_ == Other::Radio ? RadioColumn : FileColumn;
    CompareList->setRowCount(int(diffs.size() + bytes_.size()));
    for (int r = 0; r < diffs.size(); ++r) {
        const FieldDifference& d = diffs[r];
        const int channel = fieldChannel(d.field);
        const QString cells[5] = {
            channel > 0 ? QStringLiteral("%1").arg(channel, 2, 10, QLatin1Char('0')) : QString(),
            fieldName(d.field, lang), d.left, QString(), QString()};
        for (int c = 0; c < 5; ++c) {
            const QString text = c == otherColumn ? d.right : cells[c];
            CompareList->setItem(r, c, new QTableWidgetItem(text));
        }
    }
    // A byte row: where it is and what it belongs to, the byte a write sends
    // and the byte the radio holds.
    const auto hex = [](int value, int digits) {
        return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper();
    };
    for (int i = 0; i < bytes_.size(); ++i) {
        const ByteMismatch& m = bytes_[i];
        const QList<FieldRef> fields = fieldsAt(m.address, m.written ^ qMax(m.read, 0));
        const int channel = fields.isEmpty() ? 0 : fieldChannel(fields.first());
        const QString cells[5] = {
            channel > 0 ? QStringLiteral("%1").arg(channel, 2, 10, QLatin1Char('0')) : QString(),
            QStringLiteral("0x") + hex(m.address, 4) + QStringLiteral("  ") +
                shownMeaning(m, left_, lang),
            hex(m.written, 2), QString(), QString()};
        for (int c = 0; c < 5; ++c) {
            const QString text = c == otherColumn ? hex(qMax(m.read, 0), 2) : cells[c];
            CompareList->setItem(int(diffs.size()) + i, c, new QTableWidgetItem(text));
        }
    }
    CompareList->resizeColumnsToContents();
    NoDifferences->setVisible(diffs.isEmpty() && bytes_.isEmpty());
}

// The caption tables retitle the window when the language switches: the rows
// follow.
void CompareWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowTitleChange)
        render();
    QDialog::changeEvent(event);
}

} // namespace q716
