#pragma once
// Channel lists in the shared CSV layout, into the channel table: the rows of
// a file are read once, then planned for a band with the editor's own
// frequency and tone rules. The plan says which channels it sets and which
// rows it skips before anything changes; applying it replaces the whole
// channel table and nothing else.

#include "interchange/CsvRecords.h"
#include "interchange/ImportReport.h"
#include "state/EditorState.h"

#include <QByteArray>
#include <array>
#include <optional>
#include <vector>

namespace q716 {

// A file's rows with their columns found by name and their channels placed.
struct CsvChannelList {
    std::optional<ImportIssue> refusal; // the file cannot be imported at all
    std::vector<int> columns;           // field position per CsvColumn, -1 when absent
    std::vector<CsvRecord> rows;        // data rows, without the header
    std::vector<int> channelOfRow;      // 1..16, or 0 for a row with no channel left
    std::optional<double> highestWatts; // the highest watt value of the Power column
};

CsvChannelList readChannelCsv(const QByteArray& bytes, QChar separator = QLatin1Char(','));

// One channel as the import will set it; tones are tone texts, empty for
// none; the transmit frequency is empty for a receive-only channel.
struct ImportedChannel {
    int line = 0;
    QString location;
    QString name;
    QString rx;
    QString tx;
    QString rxTone;
    QString txTone;
    int power = 1;     // 0 low, 1 high
    int bandwidth = 1; // 0 narrow, 1 wide
    int scan = 1;      // 0 not in the scan list, 1 in it

    bool operator==(const ImportedChannel&) const = default;
};

struct CsvImportPlan {
    std::optional<ImportIssue> refusal;
    int band = 0;
    std::array<std::optional<ImportedChannel>, ChannelCount + 1> channels{}; // [1..16]
    std::vector<ImportIssue> issues; // skipped rows and losses, in file order
    int rows = 0;
    int rowsSkipped = 0;
    int rowsOutsideBand = 0;
    int namesDropped = 0;
    // When rows lie outside the band: the first band that would hold them all.
    std::optional<int> bandHoldingAll;

    bool refused() const { return refusal.has_value(); }
    int channelsSet() const;
};

// The rows planned for band `band` (0..6).
CsvImportPlan planCsvImport(const CsvChannelList& list, int band);

// The first band in list order whose plan skips no row for its frequencies.
std::optional<int> firstBandHoldingAll(const CsvChannelList& list);
// That band, or else the first band that skips the fewest rows for their
// frequencies.
int bestBandFor(const CsvChannelList& list);

// The list's rows placed on channels first, first + 1, ... in their order,
// whatever their Location says; rows past channel 16 have no channel.
void placeRowsFrom(CsvChannelList& list, int first);

// Channel `row` set from an imported channel (cell texts in the language
// shown); the other channels stay as they are.
void setImportedChannel(ChannelGrid& grid, int row, const ImportedChannel& ch, int languageCode);

// Replaces the whole channel table with the plan's channels (cell texts in
// the language shown); channels without a row become empty. The table then
// belongs to the band shown.
void applyCsvImport(MainWindowState& form, const CsvImportPlan& plan, int languageCode);

} // namespace q716
