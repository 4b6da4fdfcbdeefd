// The mapping between a CSV channel row and a channel of the table, every
// row of each table both ways: what the reader makes of the fields, and what
// the writer puts back for the channel the reader made.

#include "CsvTestSupport.h"

#include "interchange/CsvExport.h"
#include "interchange/CsvRecords.h"
#include "interchange/Megahertz.h"

#include <gtest/gtest.h>

using namespace q716;
using namespace q716test;

namespace {

// The channel of a one-row file, and the fields the writer makes of it.
struct OneRow {
    Imported imported;
    std::map<QString, QString> written;
};

OneRow throughOneRow(std::map<QString, QString> fields, int band = 0) {
    fields.emplace(QStringLiteral("Location"), QStringLiteral("1"));
    fields.emplace(QStringLiteral("Frequency"), QStringLiteral("435.125000"));
    OneRow r{importCsv(csvFile(FullHeader, {fullRow(fields)}), band), {}};
    if (r.imported.form.grid.inUse(1)) {
        const QStringList names = FullHeader.split(QLatin1Char(','));
        const QStringList values = exportedFields(r.imported.form.grid, 1);
        for (int i = 0; i < names.size(); ++i)
            r.written[names[i]] = values.value(i);
    }
    return r;
}

QString f(const char* s) {
    return QString::fromUtf8(s);
}

} // namespace

// Duplex and Offset give the transmit frequency; the writer uses "" for
// transmit = receive, "off" for none and +/- with the difference otherwise.
TEST(CsvMapping, DuplexBothWays) {
    struct Case {
        const char* duplex;
        const char* offset;
        const char* tx;
        const char* writtenDuplex;
        const char* writtenOffset;
    };
    const Case cases[] = {
        {"", "0.000000", "435.12500", "", "0.000000"},
        {"", "5.000000", "435.12500", "", "0.000000"}, // the offset is not used
        {"+", "5.000000", "440.12500", "+", "5.000000"},
        {"-", "0.600000", "434.52500", "-", "0.600000"},
        {"split", "445.006250", "445.00625", "+", "9.881250"},
        {"off", "0.000000", "", "off", "0.000000"},
    };
    for (const Case& c : cases) {
        const OneRow r = throughOneRow({{"Duplex", f(c.duplex)}, {"Offset", f(c.offset)}});
        SCOPED_TRACE(c.duplex);
        EXPECT_EQ(r.imported.plan.channelsSet(), 1);
        EXPECT_EQ(r.imported.form.grid.cell(1, 1), QStringLiteral("435.12500"));
        EXPECT_EQ(r.imported.form.grid.cell(1, 3), f(c.tx));
        EXPECT_EQ(r.written.at("Duplex"), f(c.writtenDuplex));
        EXPECT_EQ(r.written.at("Offset"), f(c.writtenOffset));
        EXPECT_EQ(r.written.at("Frequency"), QStringLiteral("435.125000"));
    }
}

TEST(CsvMapping, DuplexThatCannotBeStoredSkipsTheRow) {
    struct Case {
        const char* duplex;
        const char* offset;
        ImportProblem problem;
        const char* value; // as the report writes it: the fewest decimals
    };
    const Case cases[] = {
        {"+", "50.000000", ImportProblem::TransmitOutsideBand, "485.125"},
        {"-", "500.000000", ImportProblem::TransmitOutsideBand, "-64.875"},
        {"split", "146.520000", ImportProblem::TransmitOutsideBand, "146.52"},
        {"+", "", ImportProblem::OffsetNotANumber, ""},
        {"-", "abc", ImportProblem::OffsetNotANumber, "abc"},
        {"dup", "0", ImportProblem::UnknownDuplex, "dup"},
    };
    for (const Case& c : cases) {
        const OneRow r = throughOneRow({{"Duplex", f(c.duplex)}, {"Offset", f(c.offset)}});
        SCOPED_TRACE(c.duplex);
        EXPECT_EQ(r.imported.plan.channelsSet(), 0);
        EXPECT_EQ(r.imported.plan.rowsSkipped, 1);
        ASSERT_EQ(r.imported.plan.issues.size(), 1u);
        EXPECT_EQ(r.imported.plan.issues[0].problem, c.problem);
        EXPECT_EQ(r.imported.plan.issues[0].value, f(c.value));
        EXPECT_EQ(r.imported.plan.issues[0].line, 2);
    }
}

// Tone and CrossMode against the two tone cells, and the simplest mode the
// writer finds for the pair (unused fields 88.5 / 023 / NN).
TEST(CsvMapping, TonesBothWays) {
    struct Fields {
        const char* tone;
        const char* cross;
        const char* rTone;
        const char* cTone;
        const char* code;
        const char* polarity;
        const char* rxCode;
    };
    struct Case {
        Fields in;
        const char* txTone;
        const char* rxTone;
        Fields written;
    };
    const Case cases[] = {
        {{"", "", "100.0", "100.0", "754", "RR", "754"},
         "Off",
         "Off",
         {"", "Tone->Tone", "88.5", "88.5", "023", "NN", "023"}},
        {{"Tone", "", "100.0", "88.5", "023", "NN", "023"},
         "100.0",
         "Off",
         {"Tone", "Tone->Tone", "100.0", "88.5", "023", "NN", "023"}},
        {{"TSQL", "", "88.5", "123.0", "023", "NN", "023"},
         "123.0",
         "123.0",
         {"TSQL", "Tone->Tone", "88.5", "123.0", "023", "NN", "023"}},
        {{"DTCS", "", "88.5", "88.5", "754", "RN", "023"},
         "D754I",
         "D754N",
         {"DTCS", "Tone->Tone", "88.5", "88.5", "754", "RN", "023"}},
        {{"Cross", "Tone->Tone", "67.0", "254.1", "023", "NN", "023"},
         "67.0",
         "254.1",
         {"Cross", "Tone->Tone", "67.0", "254.1", "023", "NN", "023"}},
        {{"Cross", "Tone->DTCS", "67.0", "88.5", "023", "NR", "031"},
         "67.0",
         "D031I",
         {"Cross", "Tone->DTCS", "67.0", "88.5", "023", "NR", "031"}},
        {{"Cross", "DTCS->Tone", "88.5", "94.8", "025", "RN", "023"},
         "D025I",
         "94.8",
         {"Cross", "DTCS->Tone", "88.5", "94.8", "025", "RN", "023"}},
        {{"Cross", "DTCS->DTCS", "88.5", "88.5", "026", "NR", "031"},
         "D026N",
         "D031I",
         {"Cross", "DTCS->DTCS", "88.5", "88.5", "026", "NR", "031"}},
        {{"Cross", "->Tone", "88.5", "100.0", "023", "NN", "023"},
         "Off",
         "100.0",
         {"Cross", "->Tone", "88.5", "100.0", "023", "NN", "023"}},
        {{"Cross", "->DTCS", "88.5", "88.5", "023", "NR", "032"},
         "Off",
         "D032I",
         {"Cross", "->DTCS", "88.5", "88.5", "023", "NR", "032"}},
        {{"Cross", "DTCS->", "88.5", "88.5", "036", "RN", "023"},
         "D036I",
         "Off",
         {"Cross", "DTCS->", "88.5", "88.5", "036", "RN", "023"}},
        // Pairs a simpler mode expresses are written in it.
        {{"Cross", "Tone->", "69.3", "88.5", "023", "NN", "023"},
         "69.3",
         "Off",
         {"Tone", "Tone->Tone", "69.3", "88.5", "023", "NN", "023"}},
        {{"Cross", "Tone->Tone", "77.0", "77.0", "023", "NN", "023"},
         "77.0",
         "77.0",
         {"TSQL", "Tone->Tone", "88.5", "77.0", "023", "NN", "023"}},
        {{"Cross", "DTCS->DTCS", "88.5", "88.5", "043", "RR", "043"},
         "D043I",
         "D043I",
         {"DTCS", "Tone->Tone", "88.5", "88.5", "043", "RR", "023"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.in.tone) + " " + c.in.cross);
        const OneRow r = throughOneRow({{"Tone", f(c.in.tone)},
                                        {"CrossMode", f(c.in.cross)},
                                        {"rToneFreq", f(c.in.rTone)},
                                        {"cToneFreq", f(c.in.cTone)},
                                        {"DtcsCode", f(c.in.code)},
                                        {"DtcsPolarity", f(c.in.polarity)},
                                        {"RxDtcsCode", f(c.in.rxCode)}});
        EXPECT_TRUE(r.imported.plan.issues.empty());
        EXPECT_EQ(r.imported.form.grid.cell(1, 4), f(c.txTone));
        EXPECT_EQ(r.imported.form.grid.cell(1, 2), f(c.rxTone));
        EXPECT_EQ(r.written.at("Tone"), f(c.written.tone));
        EXPECT_EQ(r.written.at("CrossMode"), f(c.written.cross));
        EXPECT_EQ(r.written.at("rToneFreq"), f(c.written.rTone));
        EXPECT_EQ(r.written.at("cToneFreq"), f(c.written.cTone));
        EXPECT_EQ(r.written.at("DtcsCode"), f(c.written.code));
        EXPECT_EQ(r.written.at("DtcsPolarity"), f(c.written.polarity));
        EXPECT_EQ(r.written.at("RxDtcsCode"), f(c.written.rxCode));
    }
}

// A tone the tone rule refuses, or a DCS code outside the radio's list,
// leaves its side without a tone; a CTCSS value is rounded to 0.1 Hz. The
// row is imported, and each of these is listed.
TEST(CsvMapping, RefusedTonesLeaveTheirSideWithout) {
    struct Case {
        std::map<QString, QString> fields;
        const char* txTone;
        const char* rxTone;
        std::vector<ImportProblem> problems;
    };
    const std::vector<Case> cases = {
        {{{"Tone", "Tone"}, {"rToneFreq", "60.0"}}, "Off", "Off", {ImportProblem::ToneRefused}},
        {{{"Tone", "TSQL"}, {"cToneFreq", "300"}},
         "Off",
         "Off",
         {ImportProblem::ToneRefused, ImportProblem::ToneRefused}},
        {{{"Tone", "Cross"},
          {"CrossMode", "Tone->DTCS"},
          {"rToneFreq", "D023N"},
          {"RxDtcsCode", "089"}},
         "Off",
         "Off",
         {ImportProblem::ToneRefused, ImportProblem::ToneRefused}},
        {{{"Tone", "DTCS"}, {"DtcsCode", "1000"}},
         "Off",
         "Off",
         {ImportProblem::ToneRefused, ImportProblem::ToneRefused}},
        {{{"Tone", "DTCS"}, {"DtcsCode", "17"}},
         "Off",
         "Off",
         {ImportProblem::ToneRefused, ImportProblem::ToneRefused}},
        {{{"Tone", "DTCS"}, {"DtcsCode", "23"}}, "D023N", "D023N", {}},
        {{{"Tone", "Tone"}, {"rToneFreq", "88.55"}}, "88.6", "Off", {ImportProblem::ToneRounded}},
        {{{"Tone", "TSQL"}, {"cToneFreq", "100"}}, "100.0", "100.0", {}},
        {{{"Tone", "DTCS"}, {"DtcsCode", "023"}, {"DtcsPolarity", "XN"}},
         "Off",
         "D023N",
         {ImportProblem::UnknownPolarity}},
        {{{"Tone", "DTCS-R"}, {"DtcsCode", "023"}}, "Off", "Off", {ImportProblem::UnknownToneMode}},
        {{{"Tone", "Cross"}, {"CrossMode", "Tone->Tone->Tone"}},
         "Off",
         "Off",
         {ImportProblem::UnknownCrossMode}},
    };
    for (const Case& c : cases) {
        const OneRow r = throughOneRow(c.fields);
        EXPECT_EQ(r.imported.plan.channelsSet(), 1);
        EXPECT_EQ(r.imported.form.grid.cell(1, 4), f(c.txTone));
        EXPECT_EQ(r.imported.form.grid.cell(1, 2), f(c.rxTone));
        std::vector<ImportProblem> problems;
        for (const ImportIssue& i : r.imported.plan.issues)
            problems.push_back(i.problem);
        EXPECT_EQ(problems, c.problems) << c.fields.begin()->second.toStdString();
    }
}

// Mode, Skip and Power against the bandwidth, scan and power cells.
TEST(CsvMapping, ModeSkipAndPowerBothWays) {
    struct Case {
        const char* column;
        const char* value;
        int gridColumn;
        const char* cell;
        const char* written;
    };
    const Case cases[] = {
        {"Mode", "FM", 7, "Wide", "FM"},
        {"Mode", "NFM", 7, "Narrow", "NFM"},
        {"Mode", "", 7, "Wide", "FM"},
        {"Mode", "fm", 7, "Wide", "FM"},
        {"Mode", "Nfm", 7, "Narrow", "NFM"},
        {"Skip", "", 8, "Have", ""},
        {"Skip", "P", 8, "Have", ""},
        {"Skip", "S", 8, "No", "S"},
        {"Power", "High", 5, "Hight", "High"},
        {"Power", "high", 5, "Hight", "High"},
        {"Power", "LOW", 5, "Low", "Low"},
        {"Power", "Low", 5, "Low", "Low"},
        {"Power", "", 5, "Hight", "High"},
        {"Power", "5.0W", 5, "Hight", "High"}, // the highest watt value of the file
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.column) + "=" + c.value);
        const OneRow r = throughOneRow({{f(c.column), f(c.value)}});
        EXPECT_TRUE(r.imported.plan.issues.empty());
        EXPECT_EQ(r.imported.form.grid.cell(1, c.gridColumn), f(c.cell));
        EXPECT_EQ(r.written.at(f(c.column)), f(c.written));
        EXPECT_EQ(r.imported.form.grid.cell(1, 6), QStringLiteral("Off")); // forbid: new channel
    }
}

TEST(CsvMapping, OtherModesSkipTheRow) {
    for (const char* mode : {"AM", "DV", "DMR", "WFM", "am"}) {
        const OneRow r = throughOneRow({{"Mode", f(mode)}});
        EXPECT_EQ(r.imported.plan.channelsSet(), 0) << mode;
        ASSERT_EQ(r.imported.plan.issues.size(), 1u);
        EXPECT_EQ(r.imported.plan.issues[0].problem, ImportProblem::UnsupportedMode);
        EXPECT_EQ(r.imported.plan.issues[0].value, f(mode));
    }
}

// Watt values: the highest in the file is high power, every lower one low.
TEST(CsvMapping, WattsAreHighOnlyAtTheFilesHighestValue) {
    const QByteArray file =
        csvFile(FullHeader, {fullRow({{"Location", "1"}, {"Frequency", "435"}, {"Power", "5.0W"}}),
                             fullRow({{"Location", "2"}, {"Frequency", "436"}, {"Power", "1W"}}),
                             fullRow({{"Location", "3"}, {"Frequency", "437"}, {"Power", "4.5 W"}}),
                             fullRow({{"Location", "4"}, {"Frequency", "438"}, {"Power", "5W"}}),
                             fullRow({{"Location", "5"}, {"Frequency", "439"}, {"Power", "Mid"}})});
    const Imported r = importCsv(file);
    const char* expected[] = {"Hight", "Low", "Low", "Hight", "Hight"};
    for (int row = 1; row <= 5; ++row)
        EXPECT_EQ(r.form.grid.cell(row, 5), f(expected[row - 1])) << row;
    ASSERT_EQ(r.plan.issues.size(), 1u);
    EXPECT_EQ(r.plan.issues[0].problem, ImportProblem::UnknownPower);
}

// The receive frequency goes through the frequency cell's rule.
TEST(CsvMapping, ReceiveFrequencyFollowsTheEditorsRule) {
    struct Case {
        const char* frequency;
        int band;
        const char* rx;
        std::optional<ImportProblem> problem;
    };
    const Case cases[] = {
        {"435.125000", 0, "435.12500", std::nullopt},
        {"400", 0, "400.00000", std::nullopt},
        {"479.999990", 0, "479.99500", ImportProblem::FrequencyMoved},
        {"146.013", 5, "146.01250", ImportProblem::FrequencyMoved},
        {"480.000000", 0, "", ImportProblem::ReceiveOutsideBand},
        {"146.520000", 0, "", ImportProblem::ReceiveOutsideBand},
        {"", 0, "", ImportProblem::FrequencyNotANumber},
        {"14x.5", 0, "", ImportProblem::FrequencyNotANumber},
        {"-435", 0, "", ImportProblem::FrequencyNotANumber},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.frequency);
        const Imported r = importCsv(
            csvFile(FullHeader, {fullRow({{"Location", "1"}, {"Frequency", f(c.frequency)}})}),
            c.band);
        EXPECT_EQ(r.form.grid.cell(1, 1), f(c.rx));
        if (c.problem) {
            ASSERT_EQ(r.plan.issues.size(), 1u);
            EXPECT_EQ(r.plan.issues[0].problem, *c.problem);
            // Frequencies in the report are written one way: the fewest decimals.
            if (c.problem == ImportProblem::FrequencyMoved) {
                EXPECT_EQ(r.plan.issues[0].detail, plainMegahertz(f(c.rx)));
            }
        } else {
            EXPECT_TRUE(r.plan.issues.empty());
        }
    }
}
