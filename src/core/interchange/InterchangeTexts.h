#pragma once
// Messages of the CSV import and export and of the channel sheet, in the
// language shown.

#include "interchange/CsvExport.h"
#include "interchange/CsvImport.h"
#include "shell/Messages.h"

#include <QStringList>

namespace q716 {

// The summary above the report: channels set, rows read and skipped, names
// dropped, and for rows outside the band the band that would hold them all.
QStringList importSummaryLines(const CsvImportPlan& plan, int languageCode);

// One channel the export leaves out or changes: the cell, the text shown
// and what the file gets instead.
QString exportIssueText(const ExportIssue& issue, int languageCode);

// The export's list of them, when there are any.
Message exportChangesMessage(const std::vector<ExportIssue>& issues, int languageCode);

// A file the import refuses as a whole: nothing changes.
Message importRefusedMessage(const QString& path, const ImportIssue& refusal, int languageCode);

// A file that cannot be read at all.
Message fileUnreadableMessage(const QString& path, int languageCode);

} // namespace q716
