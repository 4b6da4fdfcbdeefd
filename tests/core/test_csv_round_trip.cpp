// Exporting a channel table and importing the file again gives the same 16
// channels, except the busy-channel lock, which the layout has no column for:
// a property over random tables made with the editor's own rules.

#include "CsvTestSupport.h"

#include "channels/CellRules.h"
#include "channels/ChannelTable.h"
#include "channels/Vocabulary.h"
#include "interchange/CsvExport.h"
#include "interchange/InterchangeTexts.h"
#include "interchange/Megahertz.h"

#include <gtest/gtest.h>
#include <random>
#include <tuple>

using namespace q716;
using namespace q716test;

namespace {

class RandomTable {
  public:
    explicit RandomTable(unsigned seed) : rng_(seed) {}

    MainWindowState make(int band, int lang) {
        MainWindowState form;
        selectBandWithoutQuestion(form, band);
        for (int row = 1; row <= ChannelCount; ++row)
            if (chance(3, 4))
                fillRow(form, row, lang);
        return form;
    }

  private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool chance(int k, int n) { return below(n) < k; }

    // A frequency as the editor stores a typed one: in the band, on a raster.
    QString frequency(int band) {
        const BandLimits l = bandLimits(band);
        const qint64 typed =
            qint64(l.low) * 1000000 +
            std::uniform_int_distribution<qint64>(0, qint64(l.high - l.low) * 1000000 - 1)(rng_);
        const auto c = commitFrequency(hertzToMegahertz(typed), 1, false, l.low, l.high, 1);
        return c.text;
    }

    // A tone as the tone editor stores it: list items and typed values; DCS
    // codes from the radio's list, the only ones the import takes.
    QString tone(int lang) {
        switch (below(5)) {
        case 0:
            return noToneText(lang);
        case 1:
            return toneItem(1 + below(ToneCount - 1), lang);
        case 2: {
            const int tenths = 670 + below(2541 - 670 + 1);
            return *commitTone(QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10));
        }
        case 3:
            return *commitTone(toneItem(1 + CtcssCount + below(2 * DcsCount), lang));
        default:
            return toneItem(1 + below(CtcssCount), lang);
        }
    }

    void fillRow(MainWindowState& form, int row, int lang) {
        ChannelGrid& grid = form.grid;
        grid.cell(row, 1) = frequency(form.combo1);
        applyNewChannelDefaults(grid, row, lang);
        switch (below(3)) {
        case 0:
            break; // transmit = receive
        case 1:
            grid.cell(row, 3) = frequency(form.combo1);
            break;
        default:
            grid.cell(row, 3).clear(); // receive only, as a loaded channel can be
            break;
        }
        grid.cell(row, 2) = tone(lang);
        grid.cell(row, 4) = tone(lang);
        // A receive-only channel without a transmit tone loads with an empty cell.
        if (grid.cell(row, 3).isEmpty() && isNoToneText(grid.cell(row, 4)))
            grid.cell(row, 4).clear();
        for (int col = 5; col <= 8; ++col)
            chooseFlagItem(grid, row, col, below(2), lang);
    }

    std::mt19937 rng_;
};

// What a channel is, apart from the lock: the cell texts with the no-tone
// text of either language as one, and the list entries.
QString channel(const ChannelGrid& grid, int row) {
    QStringList parts;
    for (int col : {1, 2, 3, 4}) {
        const QString& cell = grid.cell(row, col);
        parts << (isNoToneText(cell) ? QStringLiteral("<none>") : cell);
    }
    for (int col : {5, 7, 8})
        parts << QString::number(flagEntry(col, grid.cell(row, col)).value_or(-1));
    return parts.join(QLatin1Char('|'));
}

} // namespace

TEST(CsvRoundTrip, ExportThenImportGivesTheSameChannels) {
    RandomTable tables(20261208);
    for (int round = 0; round < 300; ++round) {
        const int band = round % BandCount;
        const int lang = (round / BandCount) % 2;
        const MainWindowState original = tables.make(band, lang);
        const QByteArray csv = exportChannelCsv(original.grid);

        MainWindowState imported;
        selectBandWithoutQuestion(imported, band);
        imported.grid.cell(7, 1) = QStringLiteral("999.99999"); // replaced by the import
        const CsvImportPlan plan = planCsvImport(readChannelCsv(csv), band);
        applyCsvImport(imported, plan, lang);

        SCOPED_TRACE(csv.toStdString());
        ASSERT_FALSE(plan.refused());
        EXPECT_TRUE(plan.issues.empty()) << importIssueText(plan.issues[0], 1).toStdString();
        for (int row = 1; row <= ChannelCount; ++row) {
            ASSERT_EQ(imported.grid.inUse(row), original.grid.inUse(row)) << row;
            if (!original.grid.inUse(row))
                continue;
            EXPECT_EQ(channel(imported.grid, row), channel(original.grid, row)) << row;
            EXPECT_EQ(imported.grid.cell(row, 6), flagItem(6, 0, lang)) << row;
        }
        // The file itself is a fixed point.
        EXPECT_EQ(exportChannelCsv(imported.grid), csv);
    }
}

TEST(CsvRoundTrip, TheWrittenFileHasTheFullHeaderAndOneRowPerChannelInUse) {
    MainWindowState form;
    form.grid.cell(2, 1) = QStringLiteral("435.12500");
    applyNewChannelDefaults(form.grid, 2, 1);
    form.grid.cell(2, 3) = QStringLiteral("430.00625");
    form.grid.cell(2, 2) = QStringLiteral("D023N");
    form.grid.cell(2, 4) = QStringLiteral("D023I");
    chooseFlagItem(form.grid, 2, 8, 0, 1);
    form.grid.cell(9, 1) = QStringLiteral("400.00625");
    applyNewChannelDefaults(form.grid, 9, 0);
    chooseFlagItem(form.grid, 9, 5, 0, 0);
    chooseFlagItem(form.grid, 9, 7, 0, 0);
    EXPECT_EQ(exportChannelCsv(form.grid),
              QByteArray("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
                         "DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,"
                         "RPT1CALL,RPT2CALL,DVCODE\r\n"
                         "2,,435.125000,-,5.118750,DTCS,88.5,88.5,023,RN,023,Tone->Tone,FM,5.00,S,"
                         "High,,,,,\r\n"
                         "9,,400.006250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,6.25,,Low,,"
                         ",,,\r\n"));
}

// A cell the layout cannot hold as shown is reported with its channel, and
// what the file gets instead.
TEST(CsvRoundTrip, CellsTheListCannotHoldAreReported) {
    const std::tuple<int, const char*, const char*> cases[] = {
        {4, "3075.4x",
         "Channel 2 TX QT/DQT \"3075.4x\" is no tone the radio stores, so it is "
         "written as no tone."},
        {8, "", "Channel 2 Scan \"\" is no entry of its list, so it is written as \"No\"."},
    };
    for (const auto& [column, cell, english] : cases) {
        MainWindowState form;
        form.grid.cell(2, 1) = QStringLiteral("435.12500");
        applyNewChannelDefaults(form.grid, 2, 1);
        form.grid.cell(2, column) = QString::fromUtf8(cell);
        std::vector<ExportIssue> issues;
        exportChannelCsv(form.grid, &issues);
        ASSERT_EQ(issues.size(), 1u) << cell;
        EXPECT_EQ(exportIssueText(issues[0], 1), QString::fromUtf8(english));
    }
}
