#pragma once
// One small function per field of a CSV channel row. Each reads its columns,
// decides with the editor's own rules, and reports what it refused, dropped
// or changed with the row's line and Location.

#include "interchange/ChirpVocabulary.h"
#include "interchange/CsvRecords.h"
#include "interchange/ImportReport.h"

#include <optional>
#include <vector>

namespace q716 {

// The tone's position in the tone list, 0 for a value not in it.
int toneListIndex(const QString& tone);

// A data row with its columns found by name.
class CsvRow {
  public:
    CsvRow(const CsvRecord& record, const std::vector<int>& columns)
        : record_(record), columns_(columns) {}
    bool has(CsvColumn column) const;
    // The field without blanks around it; empty when the column or the field
    // is missing.
    QString value(CsvColumn column) const;
    int line() const { return record_.line; }

  private:
    const CsvRecord& record_;
    const std::vector<int>& columns_;
};

// Collects the issues of one row.
class RowReport {
  public:
    explicit RowReport(const CsvRow& row)
        : line_(row.line()), location_(row.value(CsvColumn::Location)) {}
    void add(ImportProblem problem, const QString& value, ChannelSide side = ChannelSide::None,
             const QString& detail = {}, int band = -1);
    bool skipsRow() const;
    // All issues of an imported row; only the reasons of a skipped one.
    std::vector<ImportIssue> issues() const;
    const QString& location() const { return location_; }

  private:
    int line_;
    QString location_;
    std::vector<ImportIssue> issues_;
};

// The receive frequency as the frequency editor stores it, or no value when
// the row is skipped.
std::optional<QString> receiveFrequency(const CsvRow& row, int band, RowReport& report);

// The transmit frequency from Duplex and Offset: empty for a receive-only
// channel, no value when the row is skipped.
std::optional<QString> transmitFrequency(const CsvRow& row, const QString& storedRx, int band,
                                         RowReport& report);

struct ChannelTones {
    QString transmit; // tone text, empty for none
    QString receive;
    bool operator==(const ChannelTones&) const = default;
};
// DCS codes must be in the tone list; CTCSS values are rounded to 0.1 Hz.
ChannelTones channelTones(const CsvRow& row, RowReport& report);

// 1 wide (FM), 0 narrow (NFM), in any case; no value for any other mode.
std::optional<int> channelBandwidth(const CsvRow& row, RowReport& report);

// 1 in the scan list, 0 not.
int channelScan(const CsvRow& row, RowReport& report);

// A watt value ("5.0W", "1 W", "4"), if the text is one.
std::optional<double> powerWatts(const QString& text);
// 1 high, 0 low: by name, or the highest watt value of the file is high.
int channelPower(const CsvRow& row, std::optional<double> highestWatts, RowReport& report);

} // namespace q716
