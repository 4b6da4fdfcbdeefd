#include "interchange/ImportReportDialog.h"

#include "channels/Vocabulary.h"
#include "dialogs/DesignSize.h"
#include "interchange/InterchangeTexts.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace q716 {

namespace {

constexpr int ReportColumns = 10; // channel, file line, the 8 cells

template <typename W> W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QString toneText(const QString& tone, bool receiveOnly, int lang) {
    if (tone.isEmpty())
        return receiveOnly ? QString() : noToneText(lang);
    return tone;
}

} // namespace

ImportReportDialog::ImportReportDialog(const int& languageCode, QWidget* mainWindow)
    : QDialog(mainWindow), languageCode_(languageCode) {
    setObjectName(QStringLiteral("ImportReport"));
    setModal(true);
    Label3 = named(new QLabel(this), "Label3");
    Label3->setWordWrap(true);
    Label1 = named(new QLabel(this), "Label1");
    Grid1 = named(new QTableWidget(0, ReportColumns, this), "Grid1");
    Grid1->verticalHeader()->setVisible(false);
    Grid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid1->setSelectionMode(QAbstractItemView::NoSelection);
    Grid1->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Rows as high as their text, so that the 16 channels fit in the size it opens with.
    Grid1->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    for (int c = 0; c < ReportColumns; ++c)
        Grid1->setHorizontalHeaderItem(c, new QTableWidgetItem);
    Label2 = named(new QLabel(this), "Label2");
    List1 = named(new QListWidget(this), "List1");
    List1->setWordWrap(true);
    Command1 = named(new QPushButton(this), "Command1");
    Command2 = named(new QPushButton(this), "Command2");
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label3);
    layout->addWidget(Label1);
    layout->addWidget(Grid1, 3);
    layout->addWidget(Label2);
    layout->addWidget(List1, 1);
    layout->addLayout(buttons);
    // The size it keeps when a language switch fits it to its captions.
    setDesignSize(this, QSize(860, 640));
}

void ImportReportDialog::showPlan(const CsvImportPlan& plan) {
    plan_ = plan;
    // A plan that sets no channel has nothing to apply: only Cancel.
    Command1->setEnabled(!plan.setsNothing());
    Command1->setDefault(!plan.setsNothing());
    Command2->setDefault(plan.setsNothing());
    retranslate();
}

void ImportReportDialog::retranslate() {
    const int lang = languageCode_;
    Label3->setText(importSummaryLines(plan_, lang).join(QLatin1Char('\n')));

    Grid1->setRowCount(plan_.channelsSet());
    int r = 0;
    for (int ch = 1; ch <= ChannelCount; ++ch) {
        const auto& c = plan_.channels[ch];
        if (!c)
            continue;
        const bool receiveOnly = c->tx.isEmpty();
        const QStringList cells{QStringLiteral("%1").arg(ch, 2, 10, QLatin1Char('0')),
                                QString::number(c->line),
                                c->rx,
                                toneText(c->rxTone, false, lang),
                                c->tx,
                                toneText(c->txTone, receiveOnly, lang),
                                flagItem(5, c->power, lang),
                                flagItem(6, 0, lang),
                                flagItem(7, c->bandwidth, lang),
                                flagItem(8, c->scan, lang)};
        for (int col = 0; col < ReportColumns; ++col) {
            auto* item = new QTableWidgetItem(cells[col]);
            item->setTextAlignment(Qt::AlignCenter);
            Grid1->setItem(r, col, item);
        }
        ++r;
    }

    List1->clear();
    for (const ImportIssue& issue : plan_.issues)
        List1->addItem(importIssueText(issue, lang));
}

} // namespace q716
