// CSV channel lists: arbitrary bytes through the reader, planned for every
// band and applied to every starting editor.
//  - a refused file, or one that sets no channel, gives a reason in both
//    languages and changes nothing;
//  - every row is either set on a channel or skipped, each channel at most
//    once, and every issue reads in both languages;
//  - the import changes only the channel table (and the band it belongs
//    to), and every channel it sets holds a receive frequency in the band,
//    a transmit frequency in the band or none, and tones the image stores;
//  - exporting the result and importing it again gives the same table,
//    without an issue.

#include "FuzzCheck.h"
#include "FuzzEditor.h"
#include "channels/Vocabulary.h"
#include "image/FieldCodec.h"
#include "interchange/CsvExport.h"
#include "interchange/CsvImport.h"
#include "interchange/InterchangeTexts.h"

#include <cstdint>
#include <set>

using namespace q716;

namespace {

bool inBand(const QString& frequency, int band) {
    if (!isFrequencyText(frequency))
        return false;
    const double mhz = frequency.toDouble();
    const BandLimits l = bandLimits(band);
    return mhz >= l.low && mhz < l.high;
}

bool storableTone(const QString& cell) {
    return isNoToneText(cell) || encodeTone(cell) != NoToneWord;
}

void checkPlan(const CsvChannelList& list, const CsvImportPlan& plan) {
    Q716_FUZZ_CHECK(plan.channelsSet() + plan.rowsSkipped == plan.rows,
                    "every row is set on a channel or skipped");
    Q716_FUZZ_CHECK(plan.rows == int(list.rows.size()), "the plan counts the file's rows");
    Q716_FUZZ_CHECK(plan.channelOfRow.size() == list.rows.size(), "every row is placed");
    std::set<int> taken;
    for (int channel : plan.channelOfRow) {
        Q716_FUZZ_CHECK(channel >= 0 && channel <= ChannelCount, "rows go to channels 1..16");
        Q716_FUZZ_CHECK(channel == 0 || (taken.insert(channel).second && plan.channels[channel]),
                        "no channel takes two rows, and each placed row sets its channel");
    }
    Q716_FUZZ_CHECK(plan.rowsOutsideBand <= plan.rowsSkipped, "rows outside the band are skipped");
    for (const ImportIssue& issue : plan.issues)
        Q716_FUZZ_CHECK(!importIssueText(issue, 0).isEmpty() &&
                            !importIssueText(issue, 1).isEmpty(),
                        "every issue reads in both languages");
    Q716_FUZZ_CHECK(!importSummaryLines(plan, 0).isEmpty(), "the summary has its counts");
}

void checkApplied(const EditorState& start, const EditorState& after, int band) {
    EditorState rest = after;
    rest.form1.grid = start.form1.grid;
    rest.form1.lastBand = start.form1.lastBand;
    Q716_FUZZ_CHECK(rest == start, "the import changes only the channel table");
    const ChannelGrid& grid = after.form1.grid;
    for (int row = 1; row <= ChannelCount; ++row) {
        if (!grid.inUse(row))
            continue;
        Q716_FUZZ_CHECK(inBand(grid.cell(row, 1), band), "a set channel receives in the band");
        Q716_FUZZ_CHECK(grid.cell(row, 3).isEmpty() || inBand(grid.cell(row, 3), band),
                        "a set channel transmits in the band or not at all");
        Q716_FUZZ_CHECK(storableTone(grid.cell(row, 2)), "the receive tone is one the image holds");
        Q716_FUZZ_CHECK(grid.cell(row, 4).isEmpty() || storableTone(grid.cell(row, 4)),
                        "the transmit tone is one the image holds");
    }
}

void importOn(const EditorState& start, const CsvChannelList& list, int band) {
    const CsvImportPlan plan = planCsvImport(list, band);
    EditorState editor = start;
    editor.form1.combo1 = band;
    EditorState before = editor;
    applyCsvImport(editor.form1, plan, start.values.languageCode);
    if (plan.refused()) {
        Q716_FUZZ_CHECK(editor == before, "a refused file changes nothing");
        return;
    }
    checkPlan(list, plan);
    if (plan.setsNothing()) {
        Q716_FUZZ_CHECK(editor == before, "a list that sets no channel changes nothing");
        return;
    }
    checkApplied(before, editor, band);

    const QByteArray exported = exportChannelCsv(editor.form1.grid);
    const CsvImportPlan again = planCsvImport(readChannelCsv(exported), band);
    Q716_FUZZ_CHECK(!again.refused() && again.issues.empty(), "an exported list imports cleanly");
    EditorState reimported = before;
    applyCsvImport(reimported.form1, again, start.values.languageCode);
    Q716_FUZZ_CHECK(reimported.form1.grid == editor.form1.grid,
                    "export then import gives the same table");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray content(reinterpret_cast<const char*>(data), qsizetype(size));
    const CsvChannelList list = readChannelCsv(content);
    if (list.refusal) {
        Q716_FUZZ_CHECK(!importIssueText(*list.refusal, 0).isEmpty() &&
                            !importIssueText(*list.refusal, 1).isEmpty(),
                        "a refusal gives a reason in both languages");
    }
    for (const EditorState& start : fuzz::startingEditors())
        for (int band = 0; band < BandCount; ++band)
            importOn(start, list, band);
    return 0;
}
