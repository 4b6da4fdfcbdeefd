#include "interchange/CsvImport.h"

#include "channels/CellRules.h"
#include "channels/ChannelTable.h"
#include "channels/Vocabulary.h"
#include "interchange/CsvRowFields.h"

#include <algorithm>
#include <set>

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
// or with gaps past 16 are common.
std::vector<int> placeRows(const std::vector<CsvRecord>& rows, const std::vector<int>& columns) {
    std::vector<int> channels;
    std::set<int> taken;
    bool byLocation = true;
    for (const CsvRecord& record : rows) {
        const QString location = CsvRow(record, columns).value(CsvColumn::Location);
        bool digits = !location.isEmpty() && location.size() <= 2;
        for (QChar c : location)
            digits = digits && c >= QLatin1Char('0') && c <= QLatin1Char('9');
        const int channel = digits ? location.toInt() : 0;
        if (channel < 1 || channel > ChannelCount || !taken.insert(channel).second) {
            byLocation = false;
            break;
        }
        channels.push_back(channel);
    }
    if (byLocation)
        return channels;
    channels.clear();
    for (size_t i = 0; i < rows.size(); ++i)
        channels.push_back(i < size_t(ChannelCount) ? int(i) + 1 : 0);
    return channels;
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

// The tone's position in the tone list, 0 for a typed value not in it.
int toneListIndex(const QString& tone) {
    for (int i = 1; i < ToneCount; ++i)
        if (toneItem(i, 1) == tone)
            return i;
    return 0;
}

void setTone(ChannelGrid& grid, int row, int col, const QString& tone, int languageCode) {
    const int item = tone.isEmpty() ? 0 : toneListIndex(tone);
    grid.cell(row, col) = tone.isEmpty() ? noToneText(languageCode) : tone;
    grid.index[row][col] = item;
}

} // namespace

CsvChannelList readChannelCsv(const QByteArray& bytes, QChar separator) {
    CsvChannelList list;
    CsvRecords read = readCsvRecords(bytes, separator);
    if (read.unclosedQuoteLine > 0) {
        list.refusal =
            fileIssue(ImportProblem::UnclosedQuote, QString::number(read.unclosedQuoteLine));
        return list;
    }
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
    list.channelOfRow = placeRows(list.rows, list.columns);
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
    for (size_t i = 0; i < list.rows.size(); ++i) {
        const CsvRow row(list.rows[i], list.columns);
        RowReport report(row);
        const int channel = list.channelOfRow[i];
        std::optional<ImportedChannel> imported;
        if (channel == 0)
            report.add(ImportProblem::NoChannelLeft, {});
        else
            imported = importRow(row, band, list.highestWatts, report);
        const std::vector<ImportIssue> issues = report.issues();
        plan.issues.insert(plan.issues.end(), issues.begin(), issues.end());
        if (!imported) {
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
    list.channelOfRow.clear();
    for (size_t i = 0; i < list.rows.size(); ++i) {
        const int channel = first + int(i);
        list.channelOfRow.push_back(channel <= ChannelCount ? channel : 0);
    }
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
    if (plan.refused())
        return;
    ClearGrid(form.grid);
    for (int row = 1; row <= ChannelCount; ++row)
        if (const auto& ch = plan.channels[row])
            setImportedChannel(form.grid, row, *ch, languageCode);
    form.lastBand = form.combo1;
}

} // namespace q716
