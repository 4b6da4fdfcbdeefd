// Channel lists in and out (CSV) and the printable channel sheet.
#include "shell/Form1.h"

#include "edit/EditHistory.h"
#include "files/FileDialogs.h"
#include "files/WholeFileSave.h"
#include "interchange/ChannelSheetPrinting.h"
#include "interchange/CsvExport.h"
#include "interchange/ImportReportDialog.h"
#include "interchange/InterchangeTexts.h"
#include "safety/StoredValuesCheck.h"
#include "shell/FileQuestions.h"
#include "shell/LocalMsgBox.h"

#include <QFile>
#include <QPrinter>

namespace q716 {

ImportReportDialog* Form1::importReport() {
    if (!importReport_) {
        importReport_ = new ImportReportDialog(state.values.languageCode, this);
        registerCaptionWindow(importReport_);
        connect(this, &Form1::captionsApplied, importReport_, &ImportReportDialog::retranslate);
    }
    return importReport_;
}

void Form1::mnuImportCsv_Click() {
    const QString path = chooseFile(this, FileDialogKind::Open, csvFileFilter());
    if (!path.isEmpty())
        importCsvFileNamed(path);
}

void Form1::importCsvFileNamed(const QString& path) {
    const int language = state.values.languageCode;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        LocalMsgBox(fileUnreadableMessage(path, language));
        return;
    }
    const CsvImportPlan plan = planCsvImport(readChannelCsv(file.readAll()), state.form1.combo1);
    if (plan.refused()) {
        LocalMsgBox(importRefusedMessage(path, *plan.refusal, language));
        return;
    }
    ImportReportDialog* report = importReport();
    report->showPlan(plan);
    if (report->exec() != QDialog::Accepted || plan.setsNothing())
        return;
    // The language may have changed while the report was open.
    const QList<FieldDifference> before = valuesNotStored(state);
    {
        const StepScope step(history, {EditStep::ImportCsv});
        applyCsvImport(state.form1, plan, state.values.languageCode);
    }
    lastFileName = path;
    refreshGrid();
    tellValuesNotStored(state, before);
}

void Form1::mnuExportCsv_Click() {
    const QString path = chooseFile(this, FileDialogKind::Save, csvFileFilter());
    if (path.isEmpty())
        return;
    std::vector<ExportIssue> issues;
    const QByteArray csv = exportChannelCsv(state.form1.grid, &issues);
    QString reason;
    if (!saveWholeFile(path, csv, reason))
        LocalMsgBox(saveFailedMessage(state.values.languageCode));
    else if (!issues.empty())
        LocalMsgBox(exportChangesMessage(issues, state.values.languageCode));
}

void Form1::mnuPrint_Click() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(channelSheetPageLayout());
    printer.setDocName(ApplicationTitle);
    if (!askToPrint(printer, this))
        return;
    paintChannelSheet(printer, channelSheet(state, lastFileName, state.values.languageCode));
}

void Form1::mnuExportPdf_Click() {
    const QString path = chooseFile(this, FileDialogKind::Save, pdfFileFilter());
    if (path.isEmpty())
        return;
    const QByteArray pdf =
        channelSheetPdf(channelSheet(state, lastFileName, state.values.languageCode));
    QString reason;
    if (!saveWholeFile(path, pdf, reason))
        LocalMsgBox(saveFailedMessage(state.values.languageCode));
}

} // namespace q716
