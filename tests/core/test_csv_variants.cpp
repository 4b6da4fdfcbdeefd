// CSV lists as they come from other programs and spreadsheets: quoting,
// separators, line ends and encodings, the older 18-column header, numbering
// from 0, more rows than channels, modes this radio lacks, unusual tones,
// broken files and lists that set no channel.

#include "CsvTestSupport.h"

#include "interchange/InterchangeTexts.h"

#include <QStringEncoder>
#include <gtest/gtest.h>
#include <tuple>

using namespace q716;
using namespace q716test;

namespace {

const QString OldHeader = QStringLiteral(
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,Mode,"
    "TStep,Skip,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE");

// A row as the multi-radio programmer writes it (full layout).
QString chirpRow(int location, const QString& name, const QString& frequency,
                 const QString& rest = QStringLiteral(
                     ",,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W,,,,,")) {
    return QString::number(location) + QLatin1Char(',') + name + QLatin1Char(',') + frequency +
           rest;
}

std::vector<ImportProblem> problems(const CsvImportPlan& plan) {
    std::vector<ImportProblem> out;
    for (const ImportIssue& i : plan.issues)
        out.push_back(i.problem);
    return out;
}

} // namespace

TEST(CsvVariants, QuotedFieldsWithCommasQuotesAndLineBreaks) {
    const QByteArray file = csvFile(
        FullHeader,
        {chirpRow(1, QStringLiteral("\"Club, \"\"North\"\"\""), QStringLiteral("435.125000")),
         QStringLiteral("2,\"Two\nlines\",436.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,"
                        "FM,5.00,S,High,\"a, comment\",,,,"),
         chirpRow(3, QStringLiteral("Plain"), QStringLiteral("\"437.500000\""))});
    const Imported r = importCsv(file);
    EXPECT_EQ(r.plan.channelsSet(), 3);
    EXPECT_EQ(r.plan.namesDropped, 3);
    EXPECT_TRUE(r.plan.issues.empty());
    EXPECT_EQ(rowText(r.form.grid, 2),
              QStringLiteral("436.00000|Off|436.00000|Off|Hight|Off|Wide|No"));
    EXPECT_EQ(r.form.grid.cell(3, 1), QStringLiteral("437.50000"));
    // The row after the two-line field starts on file line 5.
    const Imported late = importCsv(file + "9,x,435,,0,,,,,,,,AM\n");
    ASSERT_EQ(late.plan.issues.size(), 1u);
    EXPECT_EQ(late.plan.issues[0].line, 6);
    EXPECT_EQ(late.plan.issues[0].location, QStringLiteral("9"));
}

// The same two channels as spreadsheets save them: byte order mark and CRLF,
// CR only, a semicolon with decimal commas, a tab, UTF-16 with a byte order
// mark, and GB18030 names.
TEST(CsvVariants, SeparatorsLineEndsAndEncodings) {
    const QString plain = QStringLiteral("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq\n"
                                         "1,北京,145.6,-,0.6,Tone,88.5\n2,,146.52,,,,\n");
    const QString semicolons =
        QStringLiteral("Location;Name;Frequency;Duplex;Offset;Tone;rToneFreq\r\n"
                       "1;北京;\"145,600000\";-;0,600000;Tone;88,5\r\n2;;146,52;;;;\r\n");
    const auto utf16 = [](const QString& text, QStringConverter::Encoding encoding) -> QByteArray {
        return QStringEncoder(encoding, QStringConverter::Flag::WriteBom)(text);
    };
    QStringEncoder gb18030("GB18030");
    const std::pair<const char*, QByteArray> cases[] = {
        {"BOM and CRLF", "\xEF\xBB\xBF" + QString(plain).replace("\n", "\r\n").toUtf8()},
        {"CR only", QString(plain).replace('\n', '\r').toUtf8()},
        {"semicolon, decimal comma", semicolons.toUtf8()},
        {"tab", QString(plain).replace(',', '\t').toUtf8()},
        {"UTF-16 LE", utf16(plain, QStringConverter::Utf16LE)},
        {"UTF-16 BE", utf16(semicolons, QStringConverter::Utf16BE)},
        {"GB18030", gb18030(QString(plain).replace('\n', '\r'))},
    };
    const Imported expected = importCsv(plain.toUtf8(), 5);
    ASSERT_EQ(rowText(expected.form.grid, 1),
              QStringLiteral("145.60000|Off|145.00000|88.5|Hight|Off|Wide|Have"));
    ASSERT_EQ(rowText(expected.form.grid, 2).left(9), QStringLiteral("146.52000"));
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        const Imported r = importCsv(bytes, 5);
        EXPECT_EQ(r.plan.refusal, std::nullopt);
        EXPECT_TRUE(r.plan.issues.empty());
        EXPECT_EQ(r.form.grid, expected.form.grid);
    }
}

// Files from before RxDtcsCode, CrossMode and Power: a DCS code serves both
// sides, Cross means Tone->Tone, every channel is high power.
TEST(CsvVariants, OlderEighteenColumnHeader) {
    const QByteArray file =
        csvFile(OldHeader, {QStringLiteral("0,A,145.500000,,0.600000,DTCS,88.5,88.5,754,RN,FM,"
                                           "5.00,,,,,,"),
                            QStringLiteral("1,B,146.520000,-,0.600000,Cross,67.0,71.9,023,NN,NFM,"
                                           "5.00,S,,,,,"),
                            QStringLiteral("2,C,147.000000,+,0.600000,Tone,69.3,88.5,023,NN,FM,"
                                           "5.00,,,,,,")});
    const Imported r = importCsv(file, 5);
    EXPECT_TRUE(r.plan.issues.empty());
    EXPECT_EQ(rowText(r.form.grid, 1),
              QStringLiteral("145.50000|D754N|145.50000|D754I|Hight|Off|Wide|Have"));
    EXPECT_EQ(rowText(r.form.grid, 2),
              QStringLiteral("146.52000|71.9|145.92000|67.0|Hight|Off|Narrow|No"));
    EXPECT_EQ(rowText(r.form.grid, 3),
              QStringLiteral("147.00000|Off|147.60000|69.3|Hight|Off|Wide|Have"));
}

// Numbering from 0 fills channels in file order, each row that imports
// taking the next channel; rows past the 16th are listed and not imported.
TEST(CsvVariants, LocationFromZeroAndTwentyFiveRows) {
    QStringList rows;
    for (int i = 0; i < 25; ++i)
        rows << fullRow({{"Location", QString::number(i)},
                         {"Name", QStringLiteral("CH%1").arg(i)},
                         {"Frequency", QStringLiteral("%1.000000").arg(400 + i)},
                         {"Mode", i == 10   ? "AM"
                                  : i == 14 ? "DV"
                                            : "FM"}});
    const Imported r = importCsv(csvFile(FullHeader, rows));
    EXPECT_EQ(r.plan.channelsSet(), 16);
    EXPECT_EQ(r.plan.rows, 25);
    EXPECT_EQ(r.plan.rowsSkipped, 9);
    EXPECT_EQ(r.plan.namesDropped, 16);
    const std::vector<int> mhz = {400, 401, 402, 403, 404, 405, 406, 407,
                                  408, 409, 411, 412, 413, 415, 416, 417};
    for (int ch = 1; ch <= 16; ++ch)
        EXPECT_EQ(r.form.grid.cell(ch, 1), QStringLiteral("%1.00000").arg(mhz[ch - 1]));
    ASSERT_EQ(r.plan.issues.size(), 9u);
    EXPECT_EQ(r.plan.issues[0].problem, ImportProblem::UnsupportedMode);
    EXPECT_EQ(r.plan.issues[1].problem, ImportProblem::UnsupportedMode);
    for (int k = 2; k < 9; ++k) {
        EXPECT_EQ(r.plan.issues[k].problem, ImportProblem::NoChannelLeft);
        EXPECT_EQ(r.plan.issues[k].line, 18 + k);
        EXPECT_EQ(r.plan.issues[k].location, QString::number(16 + k));
    }
}

// Rows go to the channel their Location names when every row names its own
// channel 1..16, in any order; rows of empty fields are blank lines. Else
// they fill channels in file order, and the report says why.
TEST(CsvVariants, LocationsOrFileOrderAndWhy) {
    const std::tuple<QStringList, std::vector<int>, const char*> cases[] = {
        {{"16", "", "13", "3", ""}, {16, 13, 3}, nullptr}, // "": a row of empty fields
        {{"5", "6", "5"},
         {1, 2, 3},
         "Location 5 appears twice (lines 2 and 4); rows fill channels in file order."},
        {{"0", "1"},
         {1, 2},
         "Location \"0\" on line 2 is no channel number 1–16; rows fill channels in file order."},
    };
    for (const auto& [locations, channels, why] : cases) {
        QStringList rows;
        for (const QString& l : locations)
            rows << (l.isEmpty() ? QString(20, QLatin1Char(','))
                                 : fullRow({{"Location", l}, {"Frequency", "435"}}));
        const CsvImportPlan plan = planCsvImport(readChannelCsv(csvFile(FullHeader, rows)), 0);
        EXPECT_EQ(plan.channelOfRow, channels);
        EXPECT_EQ(plan.fileOrderReason.has_value(), why != nullptr);
        if (why) {
            EXPECT_TRUE(importSummaryLines(plan, 1).contains(QString::fromUtf8(why)));
        }
    }
}

// An AM row of an airband list is skipped; the other rows are imported.
TEST(CsvVariants, AnAmRowIsSkipped) {
    const QByteArray file =
        csvFile(FullHeader,
                {chirpRow(1, {}, QStringLiteral("435.000000")),
                 QStringLiteral("2,Tower,436.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,AM,"
                                "25.00,,High,,,,,"),
                 chirpRow(3, {}, QStringLiteral("437.000000"))});
    const Imported r = importCsv(file);
    EXPECT_EQ(r.plan.channelsSet(), 2);
    EXPECT_EQ(r.plan.rowsSkipped, 1);
    EXPECT_EQ(problems(r.plan), std::vector<ImportProblem>{ImportProblem::UnsupportedMode});
    EXPECT_FALSE(r.form.grid.inUse(2));
    EXPECT_EQ(importIssueText(r.plan.issues[0], 1),
              QStringLiteral("Line 3 (Location 2): this radio has no mode \"AM\" (only FM and "
                             "NFM); row skipped."));
    EXPECT_EQ(importIssueText(r.plan.issues[0], 0),
              QStringLiteral("第 3 行（Location 2）：本机不支持模式“AM”（只支持 FM 和 NFM），"
                             "此行未导入。"));
}

TEST(CsvVariants, Tone69_3AndDcs754WithRN) {
    const QByteArray file = csvFile(
        FullHeader,
        {QStringLiteral("1,,435.000000,,0.000000,Tone,69.3,88.5,023,NN,023,Tone->Tone,FM,5.00,,"
                        "High,,,,,"),
         QStringLiteral("2,,436.000000,,0.000000,DTCS,88.5,88.5,754,RN,023,Tone->Tone,NFM,5.00,,"
                        "Low,,,,,")});
    const Imported r = importCsv(file);
    EXPECT_TRUE(r.plan.issues.empty());
    EXPECT_EQ(rowText(r.form.grid, 1),
              QStringLiteral("435.00000|Off|435.00000|69.3|Hight|Off|Wide|Have"));
    EXPECT_EQ(rowText(r.form.grid, 2),
              QStringLiteral("436.00000|D754N|436.00000|D754I|Low|Off|Narrow|Have"));
    EXPECT_EQ(r.form.grid.index[1][4], 2);   // 69.3 is the second CTCSS tone
    EXPECT_EQ(r.form.grid.index[2][4], 260); // D754I is the last item
}

// A file without a header or without a required column is refused whole.
TEST(CsvVariants, RefusedFiles) {
    struct Case {
        const char* name;
        QByteArray bytes;
        ImportProblem problem;
        const char* english;
    };
    const Case cases[] = {
        {"empty", "", ImportProblem::FileEmpty,
         "The file is empty: it has no header line, so it cannot be imported."},
        {"blank lines", "\r\n\n", ImportProblem::FileEmpty,
         "The file is empty: it has no header line, so it cannot be imported."},
        {"BOM only", "\xEF\xBB\xBF", ImportProblem::FileEmpty,
         "The file is empty: it has no header line, so it cannot be imported."},
        {"no Frequency", "Location,Name,Freq\n1,a,435\n", ImportProblem::MissingColumn,
         "The file has no \"Frequency\" column, so it cannot be imported."},
        {"no Location", "Frequency\n435\n", ImportProblem::MissingColumn,
         "The file has no \"Location\" column, so it cannot be imported."},
        {"names are case-sensitive", "location,frequency\n1,435\n", ImportProblem::MissingColumn,
         "The file has no \"Location\" column, so it cannot be imported."},
        {"unclosed quote", "Location,Frequency\n1,435\n2,\"436\n", ImportProblem::UnclosedQuote,
         "The quoted field that starts on line 3 never closes, so the file cannot be "
         "imported."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Imported r;
        r.form.grid.cell(1, 1) = QStringLiteral("435.00000");
        const MainWindowState before = r.form;
        r.plan = planCsvImport(readChannelCsv(c.bytes), 0);
        applyCsvImport(r.form, r.plan, 1);
        ASSERT_TRUE(r.plan.refused());
        EXPECT_EQ(r.plan.refusal->problem, c.problem);
        EXPECT_EQ(importIssueText(*r.plan.refusal, 1), QString::fromUtf8(c.english));
        EXPECT_EQ(r.form, before);
    }
}

// A list that sets no channel is not applied: the table stays as it was.
TEST(CsvVariants, AListThatSetsNoChannelChangesNothing) {
    const std::pair<const char*, QByteArray> cases[] = {
        {"header only", csvFile(FullHeader, {})},
        {"CR only, every row AM", "Location,Frequency,Mode\r1,435,AM\r2,436,AM\r"},
        {"outside the band", csvFile(FullHeader, {chirpRow(1, {}, QStringLiteral("146.52"))})},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        Imported r;
        r.form.grid.cell(1, 1) = QStringLiteral("435.00000");
        const MainWindowState before = r.form;
        r.plan = planCsvImport(readChannelCsv(bytes), 0);
        applyCsvImport(r.form, r.plan, 1);
        EXPECT_FALSE(r.plan.refused());
        EXPECT_TRUE(r.plan.setsNothing());
        EXPECT_EQ(r.form, before);
        EXPECT_FALSE(importSummaryLines(r.plan, 1).join(' ').contains("become empty"));
    }
}

// Columns in any order, unknown ones ignored, only the two required ones.
TEST(CsvVariants, ColumnsByNameInAnyOrder) {
    const QByteArray file = "Extra,Frequency,Mode,Location\nzz,\"145,5\",FM,1\nzz,145.6,NFM,2\n";
    const Imported r = importCsv(file, 5);
    EXPECT_EQ(r.plan.channelsSet(), 1);
    EXPECT_EQ(problems(r.plan), std::vector<ImportProblem>{ImportProblem::FrequencyNotANumber});
    EXPECT_EQ(r.form.grid.cell(2, 1), QStringLiteral("145.60000"));
    EXPECT_EQ(r.form.grid.cell(2, 7), QStringLiteral("Narrow"));
}

// Rows outside the band are skipped, and the report names the first band
// that holds them all, if any.
TEST(CsvVariants, RowsOutsideTheBandNameABandThatHoldsThemAll) {
    const QByteArray vhf = csvFile(FullHeader, {chirpRow(1, {}, QStringLiteral("146.520000")),
                                                chirpRow(2, {}, QStringLiteral("145.500000"))});
    const CsvChannelList list = readChannelCsv(vhf);
    const CsvImportPlan plan = planCsvImport(list, 0);
    EXPECT_EQ(plan.rowsOutsideBand, 2);
    EXPECT_EQ(plan.bandHoldingAll, 5);
    EXPECT_EQ(firstBandHoldingAll(list), 5);
    const QStringList en = importSummaryLines(plan, 1);
    EXPECT_TRUE(en.contains(QStringLiteral(
        "Rows outside the band 400-480MHz: 2. The band 136-174MHz holds them all: choose it in "
        "the band list, then import again.")))
        << en.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(importSummaryLines(plan, 0).join(QString()).contains(QStringLiteral("136-174MHz")));

    const QByteArray mixed = csvFile(FullHeader, {chirpRow(1, {}, QStringLiteral("146.520000")),
                                                  chirpRow(2, {}, QStringLiteral("435.000000")),
                                                  chirpRow(3, {}, QStringLiteral("436.000000"))});
    const CsvChannelList both = readChannelCsv(mixed);
    EXPECT_EQ(planCsvImport(both, 5).bandHoldingAll, std::nullopt);
    EXPECT_EQ(firstBandHoldingAll(both), std::nullopt);
    EXPECT_EQ(bestBandFor(both), 0);
    EXPECT_TRUE(importSummaryLines(planCsvImport(both, 5), 1)
                    .contains(QStringLiteral("Rows outside the band 136-174MHz: 2. No band holds "
                                             "them all.")));
    // A row no band would take for another reason does not count: an AM
    // airband row leaves the VHF band holding all the others.
    const CsvChannelList air = readChannelCsv(csvFile(
        FullHeader, {chirpRow(1, {}, QStringLiteral("146.520000")),
                     fullRow({{"Location", "2"}, {"Frequency", "127.000000"}, {"Mode", "AM"}})}));
    EXPECT_EQ(firstBandHoldingAll(air), 5);
    EXPECT_EQ(planCsvImport(air, 5).rowsOutsideBand, 0);
    EXPECT_EQ(planCsvImport(air, 5).rowsSkipped, 1);
    EXPECT_EQ(planCsvImport(air, 0).rowsOutsideBand, 1);
    // The first band in list order wins: 410 MHz lies in 400-480 and 400-430.
    const CsvChannelList uhf =
        readChannelCsv(csvFile(FullHeader, {chirpRow(1, {}, QStringLiteral("410.000000"))}));
    EXPECT_EQ(planCsvImport(uhf, 1).bandHoldingAll, 0);
    EXPECT_EQ(bestBandFor(uhf), 0);
    // A transmit frequency counts too: 435 + 50 lies only in 450-490.
    const QByteArray shifted = csvFile(
        FullHeader,
        {fullRow({{"Location", "1"}, {"Frequency", "455"}, {"Duplex", "+"}, {"Offset", "30"}})});
    EXPECT_EQ(firstBandHoldingAll(readChannelCsv(shifted)), 1);
}

TEST(CsvVariants, TheSummaryCountsChannelsRowsAndNames) {
    const QByteArray file = csvFile(FullHeader, {chirpRow(1, QStringLiteral("A"), "435"),
                                                 chirpRow(2, QStringLiteral(""), "146")});
    const CsvImportPlan plan = planCsvImport(readChannelCsv(file), 0);
    const QStringList en = importSummaryLines(plan, 1);
    EXPECT_EQ(en.value(0),
              QStringLiteral("Channels set: 1. Rows in the file: 2. Rows skipped: 1."));
    EXPECT_TRUE(en.contains(QStringLiteral("Names dropped (this radio has no channel names): 1.")));
    EXPECT_EQ(importSummaryLines(plan, 0).value(0),
              QStringLiteral("设置信道：1。文件中的行：2。跳过的行：1。"));
}
