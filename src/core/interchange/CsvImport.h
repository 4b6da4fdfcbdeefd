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

// A file's rows with their columns found by name and the way they are placed.
struct CsvChannelList {
    std::optional<ImportIssue> refusal; // the file cannot be imported at all
    std::vector<int> columns;           // field position per CsvColumn, -1 when absent
    std::vector<CsvRecord> rows;        // data rows, without the header and blank rows
    // The channel each row's Location names (1..16) when every row names a
    // distinct one; else empty, and the rows that import fill channels in
    // file order from `firstChannel` on.
    std::vector<int> locationChannels;
    int firstChannel = 1;
    // Why the Locations are not used, for the report.
    std::optional<ImportIssue> fileOrderReason;
    std::optional<double> highestWatts; // the highest watt value of the Power column
};

// The separator is the one the header line uses unless one is given; with a
// semicolon, numbers may have a decimal comma ("145,600000").
CsvChannelList readChannelCsv(const QByteArray& bytes,
                              std::optional<QChar> separator = std::nullopt);

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
    std::vector<int> channelOfRow;   // per row: its channel, 0 when skipped
    std::vector<ImportIssue> issues; // skipped rows and losses, in file order
    std::optional<ImportIssue> fileOrderReason;
    int rows = 0;
    int rowsSkipped = 0;
    int rowsOutsideBand = 0;
    int namesDropped = 0;
    // When rows lie outside the band: the first band that would hold them all.
    std::optional<int> bandHoldingAll;

    bool refused() const { return refusal.has_value(); }
    int channelsSet() const;
    // Neither refused nor setting a channel: applying it would only empty
    // the table, so it is not applied.
    bool setsNothing() const { return !refused() && channelsSet() == 0; }
};

// The rows planned for band `band` (0..6).
CsvImportPlan planCsvImport(const CsvChannelList& list, int band);

// The first band in list order whose plan skips no row for its frequencies.
std::optional<int> firstBandHoldingAll(const CsvChannelList& list);
// That band, or else the first band that skips the fewest rows for their
// frequencies.
int bestBandFor(const CsvChannelList& list);

// The list's rows that import fill channels first, first + 1, ... in their
// order, whatever their Location says; rows past channel 16 have no channel.
void placeRowsFrom(CsvChannelList& list, int first);

// Channel `row` set from an imported channel (cell texts in the language
// shown); the other channels stay as they are.
void setImportedChannel(ChannelGrid& grid, int row, const ImportedChannel& ch, int languageCode);

// Replaces the whole channel table with the plan's channels (cell texts in
// the language shown); channels without a row become empty. The table then
// belongs to the band shown. A plan that is refused or sets nothing changes
// nothing.
void applyCsvImport(MainWindowState& form, const CsvImportPlan& plan, int languageCode);

} // namespace q716
