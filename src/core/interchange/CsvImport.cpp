#include "interchange/CsvImport.h"

#include "channels/CellRules.h"
#include "channels/ChannelTable.h"
#include "channels/Vocabulary.h"
#include "interchange/CsvRowFields.h"

#include <algorithm>
#include <map>

namespace q716 {

namespace {

ImportIssue fileIssue(ImportProblem problem, const QString& value = {}) {
    ImportIssue i;
    i.problem = problem;
    i.value = value;
    return i;
}

std::vector<int> findColumns(const QStringList& header) {
    std::vector<int> columns(CsvColumnCount, -1);
    for (int c = 0; c < CsvColumnCount; ++c) {
        const QString name = csvColumnName(static_cast<CsvColumn>(c));
        for (int at = 0; at < header.size(); ++at) {
            if (header[at].trimmed() == name) {
                columns[c] = at;
                break;
            }
        }
    }
    return columns;
}

// Channel by Location when every row names a distinct channel 1..16 (as a
// list this radio exported does), else by file order: lists numbered from 0
// or with gaps past 16 are common. The reason for file order goes into the
// list.
void placeRows(CsvChannelList& list) {
    std::map<int, int> lineOf; // channel -> line of the row that names it
    for (const CsvRecord& record : list.rows) {
        const QString location = CsvRow(record, list.columns).value(CsvColumn::Location);
        bool digits = !location.isEmpty() && location.size() <= 2;
        for (QChar c : location)
            digits = digits && c >= QLatin1Char('0') && c <= QLatin1Char('9');
        const int channel = digits ? location.toInt() : 0;
        ImportIssue reason;
        reason.line = record.line;
        reason.location = location;
        if (channel < 1 || channel > ChannelCount) {
            reason.problem = ImportProblem::LocationNotAChannel;
        } else if (const auto [at, fresh] = lineOf.emplace(channel, record.line); !fresh) {
            reason.problem = ImportProblem::LocationRepeated;
            reason.value = QString::number(at->second);
        } else {
            list.locationChannels.push_back(channel);
            continue;
        }
        list.locationChannels.clear();
        list.fileOrderReason = reason;
        return;
    }
}

// Under a semicolon separator a number's one comma is its decimal point.
void readDecimalCommas(CsvChannelList& list) {
    for (CsvColumn column : {CsvColumn::Frequency, CsvColumn::Offset, CsvColumn::rToneFreq,
                             CsvColumn::cToneFreq, CsvColumn::TStep, CsvColumn::Power}) {
        const int at = list.columns[static_cast<int>(column)];
        for (CsvRecord& record : list.rows)
            if (at >= 0 && at < record.fields.size() && record.fields[at].count(u',') == 1)
                record.fields[at].replace(QLatin1Char(','), QLatin1Char('.'));
    }
}

bool blank(const CsvRecord& record) {
    for (const QString& field : record.fields)
        if (!field.trimmed().isEmpty())
            return false;
    return true;
}

std::optional<double> highestWatts(const CsvChannelList& list) {
    std::optional<double> highest;
    for (const CsvRecord& record : list.rows) {
        const auto watts = powerWatts(CsvRow(record, list.columns).value(CsvColumn::Power));
        if (watts && (!highest || *watts > *highest))
            highest = watts;
    }
    return highest;
}

// One row through every field function; no value when it is skipped.
std::optional<ImportedChannel> importRow(const CsvRow& row, int band, std::optional<double> highest,
                                         RowReport& report) {
    ImportedChannel ch;
    ch.line = row.line();
    ch.location = report.location();
    ch.name = row.value(CsvColumn::Name);
    const auto rx = receiveFrequency(row, band, report);
    if (rx) {
        ch.rx = *rx;
        ch.tx = transmitFrequency(row, *rx, band, report).value_or(QString());
    }
    const ChannelTones tones = channelTones(row, report);
    ch.txTone = tones.transmit;
    ch.rxTone = tones.receive;
    ch.bandwidth = channelBandwidth(row, report).value_or(1);
    ch.scan = channelScan(row, report);
    ch.power = channelPower(row, highest, report);
    if (report.skipsRow())
        return std::nullopt;
    return ch;
}

bool outsideBand(const ImportIssue& i) {
    return i.problem == ImportProblem::ReceiveOutsideBand ||
           i.problem == ImportProblem::TransmitOutsideBand;
}

void setTone(ChannelGrid& grid, int row, int col, const QString& tone, int languageCode) {
    const int item = tone.isEmpty() ? 0 : toneListIndex(tone);
    grid.cell(row, col) = tone.isEmpty() ? noToneText(languageCode) : tone;
    grid.index[row][col] = item;
}

} // namespace

CsvChannelList readChannelCsv(const QByteArray& bytes, std::optional<QChar> separator) {
    CsvChannelList list;
    const QString text = csvText(bytes);
    const QChar sep = separator.value_or(csvSeparator(text));
    CsvRecords read = readCsvRecords(text, sep);
    if (read.unclosedQuoteLine > 0) {
        list.refusal =
            fileIssue(ImportProblem::UnclosedQuote, QString::number(read.unclosedQuoteLine));
        return list;
    }
    // Spreadsheets write rows of empty fields below a list; they are blank lines.
    std::erase_if(read.records, blank);
    if (read.records.empty()) {
        list.refusal = fileIssue(ImportProblem::FileEmpty);
        return list;
    }
    list.columns = findColumns(read.records.front().fields);
    for (CsvColumn required : {CsvColumn::Location, CsvColumn::Frequency}) {
        if (list.columns[static_cast<int>(required)] < 0) {
            list.refusal = fileIssue(ImportProblem::MissingColumn, csvColumnName(required));
            return list;
        }
    }
    list.rows.assign(std::make_move_iterator(read.records.begin() + 1),
                     std::make_move_iterator(read.records.end()));
    if (sep == QLatin1Char(';'))
        readDecimalCommas(list);
    placeRows(list);
    list.highestWatts = highestWatts(list);
    return list;
}

int CsvImportPlan::channelsSet() const {
    int n = 0;
    for (const auto& ch : channels)
        n += ch.has_value();
    return n;
}

namespace {

// The plan without the band suggestion, which plans every band in turn.
CsvImportPlan planRows(const CsvChannelList& list, int band) {
    CsvImportPlan plan;
    plan.band = band;
    plan.refusal = list.refusal;
    if (plan.refused())
        return plan;
    plan.rows = int(list.rows.size());
    plan.fileOrderReason = list.fileOrderReason;
    const bool byLocation = !list.locationChannels.empty();
    int next = list.firstChannel; // in file order: the channel the next imported row takes
    for (size_t i = 0; i < list.rows.size(); ++i) {
        const CsvRow row(list.rows[i], list.columns);
        RowReport report(row);
        std::optional<ImportedChannel> imported = importRow(row, band, list.highestWatts, report);
        int channel = 0;
        if (imported) {
            if (byLocation)
                channel = list.locationChannels[i];
            else if (next <= ChannelCount)
                channel = next++;
            else
                report.add(ImportProblem::NoChannelLeft, {});
        }
        plan.channelOfRow.push_back(channel);
        const std::vector<ImportIssue> issues = report.issues();
        plan.issues.insert(plan.issues.end(), issues.begin(), issues.end());
        if (channel == 0) {
            ++plan.rowsSkipped;
            // A row another band would not take either (an AM row, say)
            // does not count against this one.
            if (std::all_of(issues.begin(), issues.end(), outsideBand))
                ++plan.rowsOutsideBand;
            continue;
        }
        if (!imported->name.isEmpty())
            ++plan.namesDropped;
        plan.channels[channel] = std::move(imported);
    }
    return plan;
}

} // namespace

CsvImportPlan planCsvImport(const CsvChannelList& list, int band) {
    CsvImportPlan plan = planRows(list, band);
    if (plan.rowsOutsideBand > 0)
        plan.bandHoldingAll = firstBandHoldingAll(list);
    return plan;
}

std::optional<int> firstBandHoldingAll(const CsvChannelList& list) {
    for (int band = 0; band < BandCount; ++band) {
        const CsvImportPlan plan = planRows(list, band);
        if (!plan.refused() && plan.rowsOutsideBand == 0)
            return band;
    }
    return std::nullopt;
}

int bestBandFor(const CsvChannelList& list) {
    int best = 0;
    int fewest = -1;
    for (int band = 0; band < BandCount; ++band) {
        const int outside = planRows(list, band).rowsOutsideBand;
        if (fewest < 0 || outside < fewest) {
            best = band;
            fewest = outside;
        }
    }
    return best;
}

void placeRowsFrom(CsvChannelList& list, int first) {
    list.locationChannels.clear();
    list.fileOrderReason.reset();
    list.firstChannel = first;
}

void setImportedChannel(ChannelGrid& grid, int row, const ImportedChannel& ch, int languageCode) {
    ClearNO(grid, row);
    grid.cell(row, 1) = ch.rx;
    grid.cell(row, 3) = ch.tx;
    setTone(grid, row, 2, ch.rxTone, languageCode);
    // A receive-only channel without a transmit tone shows an empty
    // transmit tone, as a loaded one does.
    if (ch.tx.isEmpty() && ch.txTone.isEmpty())
        grid.cell(row, 4).clear();
    else
        setTone(grid, row, 4, ch.txTone, languageCode);
    chooseFlagItem(grid, row, 5, ch.power, languageCode);
    chooseFlagItem(grid, row, 6, 0, languageCode);
    chooseFlagItem(grid, row, 7, ch.bandwidth, languageCode);
    chooseFlagItem(grid, row, 8, ch.scan, languageCode);
}

void applyCsvImport(MainWindowState& form, const CsvImportPlan& plan, int languageCode) {
    if (plan.refused() || plan.setsNothing())
        return;
    ClearGrid(form.grid);
    for (int row = 1; row <= ChannelCount; ++row)
        if (const auto& ch = plan.channels[row])
            setImportedChannel(form.grid, row, *ch, languageCode);
    form.lastBand = form.combo1;
}

} // namespace q716
