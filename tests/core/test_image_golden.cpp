// One editor state with every field the image carries set away from its start
// value, and its image written out byte by byte from the radio's memory map.
// A build and a load that are wrong in the same way (two fields swapped in
// both directions) pass every round trip; they cannot pass this.

#include "channels/ChannelTable.h"
#include "channels/Vocabulary.h"
#include "image/BuildImage.h"
#include "image/ImageLayout.h"
#include "image/LoadImage.h"
#include "state/InitDefaults.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace q716;

namespace {

constexpr int English = 1;
constexpr int Chinese = 0;

// clang-format off
// 53 rows of 16 bytes, 0x0010..0x035F.
const char* const GoldenRows[] = {
    // Channel records: RX freq, TX freq, RX tone, TX tone, forbid, power+band, FC FF
    "00000045" "00005045" "9E02" "FFFF" "F0" "F0" "FCFF", // 0x0010  1: 450.00000 455.00000 67.0 Off; Hight Off Wide
    "00251145" "00251145" "ED09" "E803" "F8" "C0" "FCFF", // 0x0020  2: 451.12500 254.1 100.0; Low Carrow Narrow
    "50622546" "50627546" "1328" "13A8" "F8" "E0" "FCFF", // 0x0030  3: 462.56250 467.56250 D023N D023I; Hight Carrow Narrow
    "75939948" "25060048" "ECA9" "EC29" "F0" "D0" "FCFF", // 0x0040  4: 489.99375 480.00625 D754I D754N; Low Off Wide
    "50120047" "50120047" "7503" "7503" "F0" "E0" "FCFF", // 0x0050  5: 470.01250 88.5 88.5; Hight Off Narrow
    "50375446" "50375446" "FFFF" "CE04" "F8" "D0" "FCFF", // 0x0060  6: 465.43750 Off 123.0; Low Carrow Wide
    "75688645" "75688645" "99A9" "FFFF" "F8" "F0" "FCFF", // 0x0070  7: 458.66875 D631I Off; Hight Carrow Wide
    "00006947" "00006947" "EA05" "8528" "F0" "C0" "FCFF", // 0x0080  8: 476.90000 151.4 D205N; Low Off Narrow
    "50122345" "50127345" "5928" "0203" "F0" "F0" "FCFF", // 0x0090  9: 452.31250 457.31250 D131N 77.0; Hight Off Wide
    "25564248" "25564248" "8807" "25A9" "F0" "D0" "FCFF", // 0x00A0 10: 484.25625 192.8 D445I; Low Off Wide
    "00000546" "00000546" "FFFF" "FFFF" "F8" "E0" "FCFF", // 0x00B0 11: 460.50000 Off Off; Hight Carrow Narrow
    "25813047" "25813047" "CF02" "C709" "F8" "C0" "FCFF", // 0x00C0 12: 473.08125 71.9 250.3; Low Carrow Narrow
    "00505545" "00505545" "8A29" "8A29" "F0" "F0" "FCFF", // 0x00D0 13: 455.55000 D612N D612N; Hight Off Wide
    "50876748" "50871748" "0B04" "16A8" "F8" "D0" "FCFF", // 0x00E0 14: 486.78750 481.78750 103.5 D026I; Low Carrow Wide
    "00258146" "00258146" "75A8" "3B08" "F0" "E0" "FCFF", // 0x00F0 15: 468.12500 D165I 210.7; Hight Off Narrow
    "00909947" "00909947" "CE03" "3B28" "F0" "D0" "FCFF", // 0x0100 16: 479.99000 97.4 D073N; Low Off Wide
    // DTMF rate 2, first-digit time 3, first-digit delay 1000 ms (100 x 10 ms), *# 0,
    // D key 16, side tone 0, group call "5", auto reset 15; 5 x FF; PF1 11, PF2 6; FF
    "02" "03" "64" "00" "10" "00" "35" "0F" "FFFFFFFFFF" "0B" "06" "FF", // 0x0110
    // OptionValues[15] "Q716", an erased byte, "S-V01"; 5 x FF; voice language English
    "51373136FF532D563031" "FFFFFFFFFF" "02", // 0x0120
    // time-out 26 x 15 s, warning 7 s, PTT ID both, 00, squelch 9, battery save off,
    // beep off, cancel operation, VOX banned, VOX on (Combo11), gain 10 (Combo13),
    // delay 3 s (Combo12), VOX volume off, FF, duplicate off FE, FF
    "1A" "07" "02" "00" "09" "00" "00" "01" "01" "01" "0A" "05" "00" "FF" "FE" "FF", // 0x0130
    "47726F75703A4E6F7274682D37" "FFFFFF", // 0x0140 OptionValues[16] "Group:North-7"
    "52656C6169732D53FC6420E920313221",    // 0x0150 OptionValues[17] "Relais-Süd é 12!"
    // priority selected, preferred channel 13, retrace A 91, B 37, return 3,
    // scan receive delay 300 (2C 01), scan launch delay 258 (02 01), 7 x FF
    "02" "0D" "5B" "25" "03" "2C01" "0201" "FFFFFFFFFFFFFF", // 0x0160
    // 14 x FF; scan rows 1, 2, 4 (0B); rows 9, 14, 15, 16 (E1)
    "FFFFFFFFFFFFFFFFFFFFFFFFFFFF" "0B" "E1", // 0x0170
    "FFFFFF" "C3" "FFFFFFFF" "2A" "FFFFFFFFFFFFFF", // 0x0180 high power 195, low power 42
    "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF", // 0x0190
    "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF", // 0x01A0
    "FFFFFFFFFFFFFFFF" "5652513731" "21" "F8FF", // 0x01B0 "VRQ71", band 450-490MHz
    "536563726574373136" "FFFFFFFFFFFFFF", // 0x01C0 password "Secret716"
    "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF", // 0x01D0
    "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF", // 0x01E0
    "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF", // 0x01F0
    // DTMF memories 1..8, "0" stored as 3A
    "3132333A" "FFFFFFFFFFFFFFFFFFFFFFFF", // 0x0200 "1230"
    "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",    // 0x0210 ""
    "414243442A23" "FFFFFFFFFFFFFFFFFFFF", // 0x0220 "ABCD*#"
    "3A313233343536373839414243442A23",    // 0x0230 "0123456789ABCD*#"
    "393131" "FFFFFFFFFFFFFFFFFFFFFFFFFF", // 0x0240 "911"
    "3A3A" "FFFFFFFFFFFFFFFFFFFFFFFFFFFF", // 0x0250 "00"
    "23372A" "FFFFFFFFFFFFFFFFFFFFFFFFFF", // 0x0260 "#7*"
    "443A433A423A413A" "FFFFFFFFFFFFFFFF", // 0x0270 "D0C0B0A0"
    // Test frequencies: per row RX then TX
    "00006013" "00004017" "00250140" "00250141", // 0x0280  1: 136.00000 174.00000   2: 400.12500 410.12500
    "00000010" "75939999" "00005514" "25065014", // 0x0290  3: 100.00000 999.99375   4: 145.50000 145.00625
    "50120022" "50122022" "25060035" "75939936", // 0x02A0  5: 220.01250 222.01250   6: 350.00625 369.99375
    "00000537" "00009538" "00253943" "00254943", // 0x02B0  7: 370.50000 389.50000   8: 433.92500 434.92500
    "25066044" "75936144" "00500045" "00505045", // 0x02C0  9: 446.00625 446.19375  10: 450.05000 455.05000
    "50372746" "50377746" "25317347" "25317347", // 0x02D0 11: 462.73750 467.73750  12: 477.33125 477.33125
    "00000060" "00959971" "00250665" "00751865", // 0x02E0 13: 600.00000 719.99500  14: 650.62500 651.87500
    "00808080" "00800888" "25563412" "00507698", // 0x02F0 15: 808.08000 880.88000  16: 123.45625 987.65000
    "51373136206465616C65723A204E6F72", // 0x0300 embedded line 1 "Q716 dealer: Nor"
    "74682057696E6420526164696F20436F", // 0x0310                 "th Wind Radio Co"
    "54656C20303735352D31323334353637", // 0x0320 embedded line 2 "Tel 0755-1234567"
    "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF", // 0x0330
    "4E585142353430" "FFFFFFFFFF" "21" "FFFFFF", // 0x0340 "NXQB540", band again
    "3437313532393833" "8888888888888888", // 0x0350 "47152983", 8 x 88
};
// clang-format on

QString goldenImage() {
    QString hex;
    for (const char* row : GoldenRows) {
        EXPECT_EQ(qstrlen(row), 32u) << row;
        hex += QLatin1String(row);
    }
    return hex;
}

QString bytesAt(const QString& image, int address, int count) {
    return image.mid(2 * offsetOf(address), 2 * count);
}

QString withBytes(QString image, int address, const QString& bytes) {
    return image.replace(2 * offsetOf(address), bytes.size(), bytes);
}

int toneIndex(const QString& text) {
    for (int i = 0; i < ToneCount; ++i)
        if (toneItem(i, English) == text)
            return i;
    return 0;
}

struct Channel {
    const char* rx;
    const char* rxTone;
    const char* tx;
    const char* txTone;
    int power, forbid, bandwidth, scan; // list entries of columns 5..8
};

// clang-format off
const Channel GoldenChannels[ChannelCount] = {
    {"450.00000", "67.0",  "455.00000", "Off",   1, 0, 1, 1},
    {"451.12500", "254.1", "451.12500", "100.0", 0, 1, 0, 1},
    {"462.56250", "D023N", "467.56250", "D023I", 1, 1, 0, 0},
    {"489.99375", "D754I", "480.00625", "D754N", 0, 0, 1, 1},
    {"470.01250", "88.5",  "470.01250", "88.5",  1, 0, 0, 0},
    {"465.43750", "Off",   "465.43750", "123.0", 0, 1, 1, 0},
    {"458.66875", "D631I", "458.66875", "Off",   1, 1, 1, 0},
    {"476.90000", "151.4", "476.90000", "D205N", 0, 0, 0, 0},
    {"452.31250", "D131N", "457.31250", "77.0",  1, 0, 1, 1},
    {"484.25625", "192.8", "484.25625", "D445I", 0, 0, 1, 0},
    {"460.50000", "Off",   "460.50000", "Off",   1, 1, 0, 0},
    {"473.08125", "71.9",  "473.08125", "250.3", 0, 1, 0, 0},
    {"455.55000", "D612N", "455.55000", "D612N", 1, 0, 1, 0},
    {"486.78750", "103.5", "481.78750", "D026I", 0, 1, 1, 1},
    {"468.12500", "D165I", "468.12500", "210.7", 1, 0, 0, 1},
    {"479.99000", "97.4",  "479.99000", "D073N", 0, 0, 1, 1},
};

const char* const GoldenTestFrequencies[ChannelCount][2] = {
    {"136.00000", "174.00000"}, {"400.12500", "410.12500"}, {"100.00000", "999.99375"},
    {"145.50000", "145.00625"}, {"220.01250", "222.01250"}, {"350.00625", "369.99375"},
    {"370.50000", "389.50000"}, {"433.92500", "434.92500"}, {"446.00625", "446.19375"},
    {"450.05000", "455.05000"}, {"462.73750", "467.73750"}, {"477.33125", "477.33125"},
    {"600.00000", "719.99500"}, {"650.62500", "651.87500"}, {"808.08000", "880.88000"},
    {"123.45625", "987.65000"},
};
// clang-format on

// The editor as the windows leave it after the user set every value the image
// carries, with English list texts.
EditorState goldenState() {
    EditorState s = freshEditorState();
    s.values.languageCode = English;

    MainWindowState& f = s.form1;
    for (int row = 1; row <= ChannelCount; ++row) {
        const Channel& c = GoldenChannels[row - 1];
        const QString texts[9] = {QString(), c.rx, c.rxTone, c.tx, c.txTone};
        for (int col = 1; col <= 4; ++col)
            f.grid.cell(row, col) = texts[col];
        f.grid.index[row][2] = toneIndex(texts[2]);
        f.grid.index[row][4] = toneIndex(texts[4]);
        const int entries[9] = {0, 0, 0, 0, 0, c.power, c.forbid, c.bandwidth, c.scan};
        for (int col = 5; col <= 8; ++col) {
            f.grid.index[row][col] = entries[col];
            f.grid.cell(row, col) = flagItem(col, entries[col], English);
        }
    }
    f.combo1 = 1; // 450-490MHz
    f.lastBand = 1;
    f.bandLow = 450;
    f.bandHigh = 490;
    f.combo2 = 2;  // voice language English
    f.combo3 = 25; // time-out 390 s
    f.combo4 = 7;
    f.combo9 = 9;
    f.combo6 = 0;
    f.combo7 = 0;
    f.check3 = 1;
    f.check4 = 1;
    f.combo11 = 1;
    f.combo13 = 10;
    f.combo12 = 5;
    f.text2 = QStringLiteral("Secret716");

    ProgramValues& v = s.values;
    v.commPassword = QStringLiteral("Secret716");
    v.dtmfValues = {2, 3, 18, 0, 16, 0, 5, 15};
    v.keyFunctionPF1 = 11;
    v.keyFunctionPF2 = 6;
    v.optionValues.pttId.text = QStringLiteral("2");
    v.optionValues.voxVolumeControl.text = QStringLiteral("0");
    v.optionValues.duplicate.text = QStringLiteral("0");
    v.optionValues.priorityMode.text = QStringLiteral("2");
    v.optionValues.preferredChannel.text = QStringLiteral("13");
    v.optionValues.retraceTimeA.text = QStringLiteral("91");
    v.optionValues.retraceTimeB.text = QStringLiteral("37");
    v.optionValues.returnChannel.text = QStringLiteral("3");
    v.optionValues.field0120 = QStringLiteral("Q716") + QChar(0xFF) + QStringLiteral("S-V01");
    v.optionValues.field0140 = QStringLiteral("Group:North-7");
    v.optionValues.field0150 = QString::fromUtf8("Relais-Süd é 12!");
    v.optionValues.scanReceiveDelay.text = QStringLiteral("300");
    v.optionValues.scanLaunchDelay.text = QStringLiteral("258");
    v.dtmfMemories = {"1230", "", "ABCD*#", "0123456789ABCD*#", "911", "00", "#7*", "D0C0B0A0"};
    v.embeddedInfo = {QStringLiteral("Q716 dealer: North Wind Radio Co"),
                      QStringLiteral("Tel 0755-1234567")};
    for (int r = 0; r < ChannelCount; ++r) {
        v.testFrequencies[r] = GoldenTestFrequencies[r][0];
        v.testFrequencies[r + 16] = GoldenTestFrequencies[r][1];
        s.form4.cells[r + 1][1] = v.testFrequencies[r];
        s.form4.cells[r + 1][2] = v.testFrequencies[r + 16];
    }
    v.highPowerLevel = 195;
    v.lowPowerLevel = 42;

    // The dialogs' controls show the values they edited.
    OptionsDialogState& o = s.form5;
    o.combo4 = 2;
    o.combo9 = 0;
    o.combo10 = 0;
    o.combo11 = 2;
    o.combo12 = 12;
    o.combo13 = 91;
    o.combo14 = 37;
    o.combo15 = 3;
    o.text5 = v.optionValues.scanReceiveDelay.text;
    o.text6 = v.optionValues.scanLaunchDelay.text;
    o.combo0 = 2;
    o.combo16 = 3;
    o.combo18 = 18;
    o.combo17 = 0;
    o.combo19 = 16;
    o.combo20 = 0;
    o.combo22 = 5;
    o.combo21 = 15;
    o.mfgrid1 = v.dtmfMemories;
    s.form6.combo1 = 11;
    s.form6.combo2 = 6;
    s.form7.text1 = v.embeddedInfo[0];
    s.form7.text2 = v.embeddedInfo[1];
    s.form2.slider1 = 195;
    s.form2.slider3 = 42;
    return s;
}

// Everything a load writes, compared one by one so a failure names the field.
void expectLoadedState(const EditorState& want, const EditorState& got) {
    for (int row = 1; row <= ChannelCount; ++row) {
        for (int col = 1; col <= 8; ++col)
            EXPECT_EQ(got.form1.grid.cell(row, col), want.form1.grid.cell(row, col))
                << "cell " << row << "," << col;
        for (int col = 5; col <= 8; ++col)
            EXPECT_EQ(got.form1.grid.index[row][col], want.form1.grid.index[row][col])
                << "GridIndex " << row << "," << col;
        // A tone column's index is set by a load only for the no-tone entry.
        for (int col : {2, 4}) {
            if (isNoToneText(want.form1.grid.cell(row, col))) {
                EXPECT_EQ(got.form1.grid.index[row][col], 0) << "GridIndex " << row << "," << col;
            }
        }
    }
    const MainWindowState& f = want.form1;
    const MainWindowState& g = got.form1;
    EXPECT_EQ(g.combo1, f.combo1);
    EXPECT_EQ(g.lastBand, f.lastBand);
    EXPECT_EQ(g.bandLow, f.bandLow);
    EXPECT_EQ(g.bandHigh, f.bandHigh);
    EXPECT_EQ(g.combo2, f.combo2);
    EXPECT_EQ(g.combo3, f.combo3);
    EXPECT_EQ(g.combo4, f.combo4);
    EXPECT_EQ(g.combo9, f.combo9);
    EXPECT_EQ(g.combo6, f.combo6);
    EXPECT_EQ(g.combo7, f.combo7);
    EXPECT_EQ(g.check3, f.check3);
    EXPECT_EQ(g.check4, f.check4);
    EXPECT_EQ(g.combo11, f.combo11);
    EXPECT_EQ(g.combo13, f.combo13);
    EXPECT_EQ(g.combo12, f.combo12);
    EXPECT_EQ(g.text2, f.text2);

    const ProgramValues& v = want.values;
    const ProgramValues& w = got.values;
    EXPECT_EQ(w.commPassword, v.commPassword);
    EXPECT_EQ(w.dtmfValues, v.dtmfValues);
    EXPECT_EQ(w.keyFunctionPF1, v.keyFunctionPF1);
    EXPECT_EQ(w.keyFunctionPF2, v.keyFunctionPF2);
    for (int slot : {3, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19})
        EXPECT_EQ(w.optionValues.slot(slot), v.optionValues.slot(slot)) << "OptionValues " << slot;
    EXPECT_EQ(w.dtmfMemories, v.dtmfMemories);
    EXPECT_EQ(w.embeddedInfo, v.embeddedInfo);
    EXPECT_EQ(w.testFrequencies, v.testFrequencies);
    EXPECT_EQ(w.highPowerLevel, v.highPowerLevel);
    EXPECT_EQ(w.lowPowerLevel, v.lowPowerLevel);
    EXPECT_FALSE(w.debugUnlocked);

    const OptionsDialogState& o = want.form5;
    const OptionsDialogState& p = got.form5;
    EXPECT_EQ(std::tie(p.combo4, p.combo9, p.combo10, p.combo11, p.combo12),
              std::tie(o.combo4, o.combo9, o.combo10, o.combo11, o.combo12));
    EXPECT_EQ(std::tie(p.combo13, p.combo14, p.combo15, p.text5, p.text6),
              std::tie(o.combo13, o.combo14, o.combo15, o.text5, o.text6));
    EXPECT_EQ(std::tie(p.combo0, p.combo16, p.combo18, p.combo17),
              std::tie(o.combo0, o.combo16, o.combo18, o.combo17));
    EXPECT_EQ(std::tie(p.combo19, p.combo20, p.combo22, p.combo21),
              std::tie(o.combo19, o.combo20, o.combo22, o.combo21));
    EXPECT_EQ(p.mfgrid1, o.mfgrid1);
    EXPECT_EQ(got.form6.combo1, want.form6.combo1);
    EXPECT_EQ(got.form6.combo2, want.form6.combo2);
    EXPECT_EQ(got.form7.text1, want.form7.text1);
    EXPECT_EQ(got.form7.text2, want.form7.text2);
    for (int r = 1; r <= ChannelCount; ++r) {
        EXPECT_EQ(got.form4.cells[r][1], want.form4.cells[r][1]) << "test row " << r;
        EXPECT_EQ(got.form4.cells[r][2], want.form4.cells[r][2]) << "test row " << r;
    }
    EXPECT_EQ(got.form2.slider1, want.form2.slider1);
    EXPECT_EQ(got.form2.slider3, want.form2.slider3);
    EXPECT_FALSE(got.form2.slidersEnabled);
}

// An editor where every cell and index a load writes holds something else.
EditorState scribbledState(int languageCode) {
    EditorState s = freshEditorState();
    s.values.languageCode = languageCode;
    for (int row = 1; row <= ChannelCount; ++row)
        for (int col = 1; col <= 8; ++col) {
            s.form1.grid.cell(row, col) = QStringLiteral("x");
            s.form1.grid.index[row][col] = 7;
        }
    s.values.debugUnlocked = true;
    s.form2.slidersEnabled = true;
    return s;
}

} // namespace

TEST(GoldenImage, IsTheWholeImage) {
    const QString golden = goldenImage();
    EXPECT_EQ(golden.size(), 1696);
}

TEST(GoldenImage, BuildWritesEveryByteOfTheMap) {
    const QString golden = goldenImage();
    const QString built = BuildImage(goldenState());
    ASSERT_EQ(built.size(), golden.size());
    for (int address = ImageBase; address < ImageBase + ImageBytes; address += 16)
        EXPECT_EQ(bytesAt(built, address, 16), bytesAt(golden, address, 16))
            << "row 0x" << QString::number(address, 16).toStdString();
    EXPECT_EQ(built, golden);
}

TEST(GoldenImage, ChineseListTextsBuildTheSameImage) {
    EditorState s = goldenState();
    s.values.languageCode = Chinese;
    SetGrid1Text(s.form1.grid, Chinese);
    ASSERT_EQ(s.form1.grid.cell(1, 5), QStringLiteral("高"));
    ASSERT_EQ(s.form1.grid.cell(1, 4), QStringLiteral("关闭"));
    EXPECT_EQ(BuildImage(s), goldenImage());
}

TEST(GoldenImage, LoadGivesTheStateBack) {
    EditorState loaded = scribbledState(English);
    LoadImage(loaded, goldenImage(), {});
    expectLoadedState(goldenState(), loaded);

    EditorState chinese = scribbledState(Chinese);
    LoadImage(chinese, goldenImage(), {});
    EditorState want = goldenState();
    SetGrid1Text(want.form1.grid, Chinese);
    expectLoadedState(want, chinese);
}

// Changing one value of the golden state changes exactly its own bytes, so two
// settings holding the same value in the golden image cannot trade places.
TEST(GoldenImage, EachSettingHasItsOwnBytes) {
    struct Case {
        const char* what;
        void (*change)(EditorState&);
        int address;
        const char* bytes;
    };
    // clang-format off
    const Case cases[] = {
        {"DTMF rate",               [](EditorState& s) { s.values.dtmfValues.rate = 1; }, 0x0110, "01"},
        {"first-digit time",        [](EditorState& s) { s.values.dtmfValues.firstDigitTime = 1; }, 0x0111, "01"},
        {"first-digit delay",       [](EditorState& s) { s.values.dtmfValues.firstDigitDelay = 3; }, 0x0112, "19"},
        {"* and # tone",            [](EditorState& s) { s.values.dtmfValues.starHashTone = 3; }, 0x0113, "03"},
        {"D key",                   [](EditorState& s) { s.values.dtmfValues.dKey = 9; }, 0x0114, "09"},
        {"DTMF side tone",          [](EditorState& s) { s.values.dtmfValues.sideTone = 1; }, 0x0115, "01"},
        {"group call",              [](EditorState& s) { s.values.dtmfValues.groupCallCode = 0; }, 0x0116, "00"},
        {"auto reset",              [](EditorState& s) { s.values.dtmfValues.autoResetTimer = 4; }, 0x0117, "04"},
        {"PF1",                     [](EditorState& s) { s.values.keyFunctionPF1 = 2; }, 0x011D, "02"},
        {"PF2",                     [](EditorState& s) { s.values.keyFunctionPF2 = 8; }, 0x011E, "08"},
        {"voice language Combo2",   [](EditorState& s) { s.form1.combo2 = 0; }, 0x012F, "00"},
        {"time-out Combo3",         [](EditorState& s) { s.form1.combo3 = 0; }, 0x0130, "01"},
        {"time-out warning Combo4", [](EditorState& s) { s.form1.combo4 = 3; }, 0x0131, "03"},
        {"PTT ID",                  [](EditorState& s) { s.values.optionValues.pttId.text = "1"; }, 0x0132, "01"},
        {"squelch Combo9",          [](EditorState& s) { s.form1.combo9 = 2; }, 0x0134, "02"},
        {"battery save Combo6",     [](EditorState& s) { s.form1.combo6 = 1; }, 0x0135, "01"},
        {"beep Combo7",             [](EditorState& s) { s.form1.combo7 = 1; }, 0x0136, "01"},
        {"cancel operation Check3", [](EditorState& s) { s.form1.check3 = 0; }, 0x0137, "00"},
        {"VOX banned Check4",       [](EditorState& s) { s.form1.check4 = 0; }, 0x0138, "00"},
        {"VOX function Combo11",    [](EditorState& s) { s.form1.combo11 = 0; }, 0x0139, "00"},
        {"VOX gain Combo13",        [](EditorState& s) { s.form1.combo13 = 4; }, 0x013A, "04"},
        {"VOX delay Combo12",       [](EditorState& s) { s.form1.combo12 = 2; }, 0x013B, "02"},
        {"VOX volume",              [](EditorState& s) { s.values.optionValues.voxVolumeControl.text = "1"; }, 0x013C, "01"},
        {"duplicate",               [](EditorState& s) { s.values.optionValues.duplicate.text = "1"; }, 0x013E, "FF"},
        {"priority",                [](EditorState& s) { s.values.optionValues.priorityMode.text = "1"; }, 0x0160, "01"},
        {"preferred channel",       [](EditorState& s) { s.values.optionValues.preferredChannel.text = "4"; }, 0x0161, "04"},
        {"retrace A",               [](EditorState& s) { s.values.optionValues.retraceTimeA.text = "0"; }, 0x0162, "FF"},
        {"retrace B",               [](EditorState& s) { s.values.optionValues.retraceTimeB.text = "1"; }, 0x0163, "01"},
        {"return channel",          [](EditorState& s) { s.values.optionValues.returnChannel.text = "0"; }, 0x0164, "00"},
        {"scan receive delay",      [](EditorState& s) { s.values.optionValues.scanReceiveDelay.text = "1"; }, 0x0165, "0100"},
        {"scan launch delay",       [](EditorState& s) { s.values.optionValues.scanLaunchDelay.text = "0"; }, 0x0167, "0000"},
        {"scan of row 3",           [](EditorState& s) { s.form1.grid.cell(3, 8) = "Have"; }, 0x017E, "0F"},
        {"scan of row 16",          [](EditorState& s) { s.form1.grid.cell(16, 8) = "No"; }, 0x017F, "61"},
        {"high power",              [](EditorState& s) { s.values.highPowerLevel = 1; }, 0x0183, "01"},
        {"low power",               [](EditorState& s) { s.values.lowPowerLevel = 2; }, 0x0188, "02"},
    };
    // clang-format on
    const QString golden = goldenImage();
    for (const Case& c : cases) {
        EditorState s = goldenState();
        c.change(s);
        EXPECT_EQ(BuildImage(s), withBytes(golden, c.address, QLatin1String(c.bytes))) << c.what;
    }

    EditorState s = goldenState();
    s.form1.combo1 = 6; // 600-720MHz: code 73 at both places
    EXPECT_EQ(BuildImage(s), withBytes(withBytes(golden, 0x01BD, "73"), 0x034C, "73"));
}

// A byte at the first value past a setting's range leaves the setting as it
// was; the value just inside the range is taken. The target starts at a value
// no row expects, so both halves can fail.
TEST(GoldenImage, LoadRangeLimits) {
    constexpr int UntouchedNumber = 77;
    const QString untouchedText = QStringLiteral("untouched");
    struct Case {
        const char* what;
        int address;
        const char* taken;    // bytes just inside the range
        const char* expected; // the target after them
        const char* refused;  // bytes just outside
        int& (*number)(EditorState&);
        QString& (*text)(EditorState&);
    };
    using S = EditorState;
    // clang-format off
    const Case cases[] = {
        {"DTMF rate < 4",        0x0110, "03", "3",  "04", [](S& s) -> int& { return s.values.dtmfValues.rate; }, nullptr},
        {"first-digit time < 4", 0x0111, "03", "3",  "04", [](S& s) -> int& { return s.values.dtmfValues.firstDigitTime; }, nullptr},
        {"delay <= 100",         0x0112, "64", "18", "65", [](S& s) -> int& { return s.values.dtmfValues.firstDigitDelay; }, nullptr},
        {"delay >= 10",          0x0112, "0A", "0",  "09", [](S& s) -> int& { return s.values.dtmfValues.firstDigitDelay; }, nullptr},
        {"* and # tone < 4",     0x0113, "03", "3",  "04", [](S& s) -> int& { return s.values.dtmfValues.starHashTone; }, nullptr},
        {"D key < 17",           0x0114, "10", "16", "11", [](S& s) -> int& { return s.values.dtmfValues.dKey; }, nullptr},
        {"side tone < 2",        0x0115, "01", "1",  "02", [](S& s) -> int& { return s.values.dtmfValues.sideTone; }, nullptr},
        {"group call 0..6",      0x0116, "36", "6",  "37", [](S& s) -> int& { return s.values.dtmfValues.groupCallCode; }, nullptr},
        {"auto reset < 16",      0x0117, "0F", "15", "10", [](S& s) -> int& { return s.values.dtmfValues.autoResetTimer; }, nullptr},
        {"PF1 < 12",             0x011D, "0B", "11", "0C", [](S& s) -> int& { return s.values.keyFunctionPF1; }, nullptr},
        {"PF2 < 12",             0x011E, "0B", "11", "0C", [](S& s) -> int& { return s.values.keyFunctionPF2; }, nullptr},
        {"Combo2 < 3",           0x012F, "02", "2",  "03", [](S& s) -> int& { return s.form1.combo2; }, nullptr},
        {"Combo3 < 41",          0x0130, "28", "39", "29", [](S& s) -> int& { return s.form1.combo3; }, nullptr},
        {"Combo4 < 11",          0x0131, "0A", "10", "0B", [](S& s) -> int& { return s.form1.combo4; }, nullptr},
        {"PTT ID < 3",           0x0132, "02", "2",  "03", nullptr, [](S& s) -> QString& { return s.values.optionValues.pttId.text; }},
        {"Combo9 < 10",          0x0134, "09", "9",  "0A", [](S& s) -> int& { return s.form1.combo9; }, nullptr},
        {"Combo6 < 2",           0x0135, "01", "1",  "02", [](S& s) -> int& { return s.form1.combo6; }, nullptr},
        {"Combo7 < 2",           0x0136, "01", "1",  "02", [](S& s) -> int& { return s.form1.combo7; }, nullptr},
        {"Check3 < 2",           0x0137, "01", "1",  "02", [](S& s) -> int& { return s.form1.check3; }, nullptr},
        {"Check4 < 2",           0x0138, "01", "1",  "02", [](S& s) -> int& { return s.form1.check4; }, nullptr},
        {"Combo11 < 2",          0x0139, "01", "1",  "02", [](S& s) -> int& { return s.form1.combo11; }, nullptr},
        {"Combo13 < 11",         0x013A, "0A", "10", "0B", [](S& s) -> int& { return s.form1.combo13; }, nullptr},
        {"Combo12 < 6",          0x013B, "05", "5",  "06", [](S& s) -> int& { return s.form1.combo12; }, nullptr},
        {"VOX volume < 2",       0x013C, "01", "1",  "02", nullptr, [](S& s) -> QString& { return s.values.optionValues.voxVolumeControl.text; }},
        {"priority < 3",         0x0160, "02", "2",  "03", nullptr, [](S& s) -> QString& { return s.values.optionValues.priorityMode.text; }},
        {"preferred <= 16",      0x0161, "10", "16", "11", nullptr, [](S& s) -> QString& { return s.values.optionValues.preferredChannel.text; }},
        {"preferred >= 1",       0x0161, "01", "1",  "00", nullptr, [](S& s) -> QString& { return s.values.optionValues.preferredChannel.text; }},
        {"retrace A < 92",       0x0162, "5B", "91", "5C", nullptr, [](S& s) -> QString& { return s.values.optionValues.retraceTimeA.text; }},
        {"retrace B < 92",       0x0163, "5B", "91", "5C", nullptr, [](S& s) -> QString& { return s.values.optionValues.retraceTimeB.text; }},
        {"return channel < 4",   0x0164, "03", "3",  "04", nullptr, [](S& s) -> QString& { return s.values.optionValues.returnChannel.text; }},
        {"receive delay <= 300", 0x0165, "2C01", "300", "2D01", nullptr, [](S& s) -> QString& { return s.values.optionValues.scanReceiveDelay.text; }},
        {"launch delay <= 300",  0x0167, "2C01", "300", "2D01", nullptr, [](S& s) -> QString& { return s.values.optionValues.scanLaunchDelay.text; }},
    };
    // clang-format on
    const QString golden = goldenImage();
    const auto loadWith = [&](const Case& c, const char* bytes) {
        EditorState s = goldenState();
        if (c.number)
            c.number(s) = UntouchedNumber;
        else
            c.text(s) = untouchedText;
        LoadImage(s, withBytes(golden, c.address, QLatin1String(bytes)), {});
        return c.number ? QString::number(c.number(s)) : c.text(s);
    };
    const QString untouched = QString::number(UntouchedNumber);
    for (const Case& c : cases) {
        EXPECT_EQ(loadWith(c, c.taken), QLatin1String(c.expected)) << c.what << " taken";
        EXPECT_EQ(loadWith(c, c.refused), c.number ? untouched : untouchedText)
            << c.what << " refused";
    }
}
