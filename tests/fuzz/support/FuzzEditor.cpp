#include "FuzzEditor.h"

#include "FuzzCheck.h"
#include "channels/Vocabulary.h"
#include "state/InitDefaults.h"

namespace q716::fuzz {

namespace {

void setFlags(ChannelGrid& g, int row, std::array<int, 4> entries, int lang) {
    for (int col = 5; col <= 8; ++col) {
        g.cell(row, col) = flagItem(col, entries[col - 5], lang);
        g.index[row][col] = entries[col - 5];
    }
}

EditorState busyEnglishEditor() {
    EditorState s = freshEditorState();
    ProgramValues& v = s.values;
    MainWindowState& f = s.form1;
    const int lang = 1;
    v.languageCode = lang;
    v.selectedPort = 7;
    v.debugUnlocked = true;
    v.factoryMode = true;
    v.adminMode = true;
    f.lockState = true;
    f.combo1 = f.lastBand = 5;
    f.bandLow = bandLimits(5).low;
    f.bandHigh = bandLimits(5).high;

    ChannelGrid& g = f.grid;
    g.cell(1, 1) = g.cell(1, 3) = QStringLiteral("145.50000");
    g.cell(1, 2) = toneItem(1, lang);
    g.index[1][2] = 1;
    g.cell(1, 4) = toneItem(0, lang);
    setFlags(g, 1, {1, 0, 1, 1}, lang);
    g.cell(3, 1) = QStringLiteral("150.01250");
    g.cell(3, 2) = toneItem(60, lang);
    g.index[3][2] = 60;
    setFlags(g, 3, {0, 1, 0, 0}, lang);

    f.combo2 = 2;
    f.combo3 = 3;
    f.combo4 = 5;
    f.combo6 = f.combo7 = 0;
    f.combo9 = 7;
    f.combo11 = 1;
    f.combo12 = 4;
    f.combo13 = 9;
    f.check3 = f.check4 = 1;
    f.text2 = v.commPassword = QStringLiteral("SECRET1");

    const char* const options[24] = {"0",
                                     "0",
                                     "2",
                                     "2",
                                     "0",
                                     "0",
                                     "0",
                                     "0",
                                     "1",
                                     "1",
                                     "1",
                                     "3",
                                     "45",
                                     "90",
                                     "2",
                                     "ABCDEFGHIJ",
                                     "SIXTEEN CHARS OK",
                                     "x",
                                     "300",
                                     "17",
                                     "0",
                                     "0",
                                     "0",
                                     "0"};
    for (int i = 0; i < 24; ++i)
        v.optionValues.slot(i) = QString::fromLatin1(options[i]);
    v.dtmfValues = {3, 2, 18, 2, 16, 0, 6, 15};
    v.dtmfMemories = {QStringLiteral("0"),
                      QStringLiteral("123"),
                      QStringLiteral("ABCD"),
                      QStringLiteral("*#"),
                      QString(),
                      QStringLiteral("9999999999999999"),
                      QStringLiteral("7"),
                      QStringLiteral("0A0")};
    v.keyFunctionPF1 = 3;
    v.keyFunctionPF2 = 11;
    v.embeddedInfo = {QStringLiteral("LINE ONE"), QStringLiteral("LINE TWO")};
    v.testFrequencies[0] = QStringLiteral("145.00000");
    v.testFrequencies[16] = QStringLiteral("145.60000");
    v.highPowerLevel = 250;
    v.lowPowerLevel = 10;

    OptionsDialogState& o = s.form5;
    o.combo4 = 2;
    o.combo6 = o.combo7 = o.combo8 = 1;
    o.combo9 = o.combo10 = o.combo11 = 1;
    o.combo12 = 2;
    o.combo13 = 45;
    o.combo14 = 90;
    o.combo15 = 2;
    o.text5 = QStringLiteral("300");
    o.text6 = QStringLiteral("17");
    o.vscroll1 = o.vscroll2 = 3;
    o.check3 = o.check4 = 1;
    o.combo0 = 3;
    o.combo16 = 2;
    o.combo18 = 18;
    o.combo17 = 2;
    o.combo19 = 16;
    o.combo20 = 0;
    o.combo22 = 6;
    o.combo21 = 15;
    o.mfgrid1 = v.dtmfMemories;
    o.text1 = o.text3 = o.text4 = QStringLiteral("code");
    o.priorityChannelMemo = 3;
    o.gestureTouched = {true, true, true};
    o.gestureStart = 100;
    s.form6 = {3, 11};
    s.form7 = {v.embeddedInfo[0], v.embeddedInfo[1]};
    s.form4.cells[1][1] = v.testFrequencies[0];
    s.form4.cells[1][2] = v.testFrequencies[16];
    s.form2 = {250, 10, true};
    return s;
}

bool within(int value, int low, int high) {
    return value >= low && value <= high;
}

bool isFrequencyForm(const QString& text) {
    return text.size() == 9 && text[3] == QLatin1Char('.');
}

bool numberWithin(const QString& text, int low, int high) {
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok && within(n, low, high);
}

bool oneByteCharacters(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() > 0xFF)
            return false;
    }
    return true;
}

void checkGrid(const ChannelGrid& g) {
    for (int row = 1; row <= ChannelCount; ++row) {
        if (!g.inUse(row)) {
            for (int col = 2; col <= 8; ++col)
                Q716_FUZZ_CHECK(g.cell(row, col).isEmpty(), "a channel not in use has no cells");
            continue;
        }
        Q716_FUZZ_CHECK(isFrequencyForm(g.cell(row, 1)), "a receive frequency is 000.00000");
        Q716_FUZZ_CHECK(g.cell(row, 3).isEmpty() || isFrequencyForm(g.cell(row, 3)),
                        "a transmit frequency is empty or 000.00000");
        Q716_FUZZ_CHECK(!g.cell(row, 2).isEmpty(), "a channel in use has a receive tone");
        for (int col : {2, 4})
            Q716_FUZZ_CHECK(within(g.index[row][col], 0, ToneCount - 1),
                            "a tone cell's list index is inside the tone list");
        for (int col = 5; col <= 8; ++col) {
            Q716_FUZZ_CHECK(within(g.index[row][col], 0, 1), "a flag cell's index is 0 or 1");
            Q716_FUZZ_CHECK(flagEntry(col, g.cell(row, col)) == g.index[row][col],
                            "a flag cell shows the entry of its index");
        }
    }
}

void checkMainWindow(const MainWindowState& f, const ProgramValues& v) {
    Q716_FUZZ_CHECK(within(f.combo1, 0, BandCount - 1), "band inside the band list");
    Q716_FUZZ_CHECK(f.lastBand == f.combo1, "LastBand is the selected band");
    Q716_FUZZ_CHECK(f.bandLow == bandLimits(f.combo1).low &&
                        f.bandHigh == bandLimits(f.combo1).high,
                    "band limits follow the selected band");
    Q716_FUZZ_CHECK(within(f.combo10, 0, ModelCount - 1), "model inside the model list");
    Q716_FUZZ_CHECK(within(f.combo2, 0, 2), "voice language inside its list");
    Q716_FUZZ_CHECK(within(f.combo3, NoSelection, 39), "time-out inside its list");
    Q716_FUZZ_CHECK(within(f.combo4, 0, 10), "time-out warning inside its list");
    Q716_FUZZ_CHECK(within(f.combo6, 0, 1) && within(f.combo7, 0, 1) && within(f.combo11, 0, 1),
                    "on/off lists inside their lists");
    Q716_FUZZ_CHECK(within(f.combo9, 0, 9), "squelch inside its list");
    Q716_FUZZ_CHECK(within(f.combo12, 0, 5), "VOX delay inside its list");
    Q716_FUZZ_CHECK(within(f.combo13, 0, 10), "VOX gain inside its list");
    Q716_FUZZ_CHECK(within(f.check3, 0, 1) && within(f.check4, 0, 1), "check boxes are 0 or 1");
    Q716_FUZZ_CHECK(f.text2 == v.commPassword, "the password box shows the password");
}

void checkValues(const ProgramValues& v) {
    Q716_FUZZ_CHECK(v.commPassword.size() <= 16 && oneByteCharacters(v.commPassword),
                    "the password fits its 16 one-byte characters");
    Q716_FUZZ_CHECK(v.optionValues.field0120.size() <= 10, "option slot 15 fits its 10 bytes");
    Q716_FUZZ_CHECK(v.optionValues.field0140.size() <= 16 && v.optionValues.field0150.size() <= 16,
                    "option slots 16 and 17 fit their 16 bytes");
    const int numeric[][3] = {{3, 0, 2},   {8, 0, 1},   {9, 0, 1},   {10, 0, 2},
                              {11, 1, 16}, {12, 0, 91}, {13, 0, 91}, {14, 0, 3}};
    for (const auto& [slot, low, high] : numeric)
        Q716_FUZZ_CHECK(numberWithin(v.optionValues.slot(slot), low, high),
                        "numeric option slots hold a number inside their list");
    for (int slot : {18, 19})
        Q716_FUZZ_CHECK(v.optionValues.slot(slot).isEmpty() ||
                            numberWithin(v.optionValues.slot(slot), 0, 300),
                        "scan delays are empty or 0..300");
    const int dtmfHigh[8] = {3, 3, 18, 3, 16, 1, 6, 15};
    for (int i = 0; i < 8; ++i)
        Q716_FUZZ_CHECK(within(v.dtmfValues.at(i), 0, dtmfHigh[i]),
                        "DTMF values inside their lists");
    for (const QString& m : v.dtmfMemories)
        Q716_FUZZ_CHECK(m.size() <= 16, "DTMF memories fit their 16 bytes");
    Q716_FUZZ_CHECK(within(v.keyFunctionPF1, 0, 11) && within(v.keyFunctionPF2, 0, 11),
                    "key functions inside their list");
    for (const QString& line : v.embeddedInfo)
        Q716_FUZZ_CHECK(line.size() <= 32, "embedded information fits its 32 bytes");
    for (const QString& t : v.testFrequencies)
        Q716_FUZZ_CHECK(t.isEmpty() || isFrequencyForm(t), "test frequencies are 000.00000");
    Q716_FUZZ_CHECK(within(v.highPowerLevel, 0, 255) && within(v.lowPowerLevel, 0, 255),
                    "power levels are 0..255");
}

void checkDialogs(const EditorState& s) {
    const OptionsDialogState& o = s.form5;
    Q716_FUZZ_CHECK(within(o.combo4, 0, 2) && within(o.combo9, 0, 1) && within(o.combo10, 0, 1),
                    "optional-function lists inside their lists");
    Q716_FUZZ_CHECK(within(o.combo11, 0, 2), "priority inside its list");
    Q716_FUZZ_CHECK(within(o.combo12, NoSelection, ChannelCount - 1),
                    "preferred channel inside its list");
    Q716_FUZZ_CHECK(within(o.combo13, 0, 91) && within(o.combo14, 0, 91) && within(o.combo15, 0, 3),
                    "retrace and return lists inside their lists");
    Q716_FUZZ_CHECK(within(s.form6.combo1, 0, 11) && within(s.form6.combo2, 0, 11),
                    "key dialog lists inside their list");
    Q716_FUZZ_CHECK(within(s.form2.slider1, 0, 255) && within(s.form2.slider3, 0, 255),
                    "power sliders are 0..255");
}

} // namespace

const std::vector<EditorState>& startingEditors() {
    static const std::vector<EditorState> editors = [] {
        std::vector<EditorState> e{freshEditorState(), busyEnglishEditor()};
        for (const EditorState& s : e)
            checkEditorInRange(s);
        return e;
    }();
    return editors;
}

MessageFn MessageLog::answerer() {
    return [this](const Message& m) {
        shown.push_back(m);
        const bool secondIsDefault = (m.style & 0x100) != 0;
        switch (m.style & 0xF) {
        case 1: // OK/Cancel
            return int(secondIsDefault ? ResultCancel : ResultOk);
        case 4: // Yes/No
            return int(secondIsDefault ? ResultNo : ResultYes);
        default:
            return int(ResultOk);
        }
    };
}

bool isImageText(const QString& text) {
    if (text.size() != 1696)
        return false;
    for (const QChar c : text) {
        if (!((c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
              (c >= QLatin1Char('A') && c <= QLatin1Char('F'))))
            return false;
    }
    return true;
}

void checkEditorInRange(const EditorState& s) {
    checkGrid(s.form1.grid);
    checkMainWindow(s.form1, s.values);
    checkValues(s.values);
    checkDialogs(s);
}

void checkDialogsShowLoadedValues(const EditorState& s) {
    const ProgramValues& v = s.values;
    const OptionValues& stored = v.optionValues;
    const OptionsDialogState& o = s.form5;
    Q716_FUZZ_CHECK(
        o.combo4 == stored.pttId.number() && o.combo9 == stored.voxVolumeControl.number() &&
            o.combo10 == stored.duplicate.number() && o.combo13 == stored.retraceTimeA.number() &&
            o.combo14 == stored.retraceTimeB.number() && o.combo15 == stored.returnChannel.number(),
        "the optional-functions lists show the loaded values");
    Q716_FUZZ_CHECK(o.text5 == stored.scanReceiveDelay.text &&
                        o.text6 == stored.scanLaunchDelay.text,
                    "the scan delay boxes show the loaded values");
    const DtmfValues shown{o.combo0,  o.combo16, o.combo18, o.combo17,
                           o.combo19, o.combo20, o.combo22, o.combo21};
    Q716_FUZZ_CHECK(shown == v.dtmfValues && o.mfgrid1 == v.dtmfMemories,
                    "the DTMF controls show the loaded values");
    Q716_FUZZ_CHECK(s.form6.combo1 == v.keyFunctionPF1 && s.form6.combo2 == v.keyFunctionPF2,
                    "the key dialog shows the loaded keys");
    Q716_FUZZ_CHECK(s.form7.text1 == v.embeddedInfo[0] && s.form7.text2 == v.embeddedInfo[1],
                    "the embedded information dialog shows the loaded lines");
    for (int r = 1; r <= ChannelCount; ++r)
        Q716_FUZZ_CHECK(s.form4.cells[r][1] == v.testFrequencies[r - 1] &&
                            s.form4.cells[r][2] == v.testFrequencies[r + 15],
                        "the test frequency dialog shows the loaded frequencies");
    Q716_FUZZ_CHECK(s.form2.slider1 == v.highPowerLevel && s.form2.slider3 == v.lowPowerLevel,
                    "the debug sliders show the loaded power levels");
    Q716_FUZZ_CHECK(!v.debugUnlocked && !s.form2.slidersEnabled,
                    "a load locks the calibration again");
}

void checkOnlyImageTargetsChanged(const EditorState& before, const EditorState& after) {
    const ProgramValues& b = before.values;
    const ProgramValues& a = after.values;
    Q716_FUZZ_CHECK(a.languageCode == b.languageCode && a.selectedPort == b.selectedPort,
                    "a load keeps the language and the port");
    Q716_FUZZ_CHECK(a.factoryMode == b.factoryMode && a.adminMode == b.adminMode,
                    "a load keeps the service and administrator modes");
    Q716_FUZZ_CHECK(after.form1.lockState == before.form1.lockState &&
                        after.form1.combo10 == before.form1.combo10,
                    "a load keeps the lock and the model");
    for (int row = 1; row <= ChannelCount; ++row)
        Q716_FUZZ_CHECK(after.form1.grid.cells[row][0] == before.form1.grid.cells[row][0],
                        "a load keeps the channel numbers");
    for (int slot : {0, 1, 2, 4, 5, 6, 7, 20, 21, 22, 23})
        Q716_FUZZ_CHECK(a.optionValues.slot(slot) == b.optionValues.slot(slot),
                        "a load keeps the option slots the image does not hold");
}

} // namespace q716::fuzz
