#pragma once
// The whole editor as plain data: what the windows show and what the codec
// reads and writes. The windows mirror this state; they never hold values of
// their own that a file or the radio depends on.

#include "state/OptionValues.h"

#include <QString>
#include <array>

namespace q716 {

// A list position; -1 means the list has no entry selected.
constexpr int NoSelection = -1;

constexpr int ChannelCount = 16;
constexpr int GridColumns = 9; // column 0 is the channel number

// Grid1 of the main window: rows 1..16 are channels 1..16, columns 1..8 hold
// RX frequency, RX tone, TX frequency, TX tone, power, forbid, bandwidth, scan.
// Index 0 of both dimensions is the heading row / number column; the cell
// texts of row 0 are unused (headings come from the caption tables).
struct ChannelGrid {
    std::array<std::array<QString, GridColumns>, ChannelCount + 1> cells{};
    // GridIndex: list index shown by list-type cells (columns 2, 4..8).
    std::array<std::array<int, GridColumns>, ChannelCount + 1> index{};

    QString& cell(int row, int col) { return cells[row][col]; }
    const QString& cell(int row, int col) const { return cells[row][col]; }
    bool inUse(int row) const { return !cells[row][1].isEmpty(); }

    bool operator==(const ChannelGrid&) const = default;
};

// Form1: the main window's own controls.
struct MainWindowState {
    ChannelGrid grid;
    int combo1 = 0;         // band list position
    int combo10 = 0;        // model list position ("RN-52")
    int combo2 = 1;         // voice language: off, Chinese, English
    int combo3 = 11;        // time-out: (i+1)*15 s; may be NoSelection after a load
    int combo4 = 0;         // time-out warning: off, 1..10 s
    int combo6 = 1;         // battery save
    int combo7 = 1;         // beep
    int combo9 = 4;         // squelch level 0..9
    int combo11 = 0;        // VOX function
    int combo12 = 0;        // VOX delay
    int combo13 = 0;        // VOX gain
    int check3 = 0;         // cancel operation
    int check4 = 0;         // VOX banned while receiving
    QString text2;          // the password box as typed
    bool lockState = false; // mnulock checked
    int lastBand = 0;
    int bandLow = 400;  // MHz, included
    int bandHigh = 480; // MHz, excluded

    bool operator==(const MainWindowState&) const = default;
};

// Form5: optional functions. Its controls keep edits until OK copies them
// into the program-wide values; each opening shows the stored values again.
struct OptionsDialogState {
    int combo4 = 0;  // PTT ID
    int combo6 = 0;  // VOX function (hidden group)
    int combo7 = 0;  // VOX gain (hidden group)
    int combo8 = 0;  // VOX delay (hidden group)
    int combo9 = 0;  // VOX volume control
    int combo10 = 0; // duplicate
    int combo11 = 0; // priority: none, fixed, selected
    int combo12 = 0; // preferred channel - 1
    int combo13 = 0; // retrace time A (0 = empty)
    int combo14 = 0; // retrace time B
    int combo15 = 0; // return channel
    QString text5;   // scan receive delay
    QString text6;   // scan launch delay
    int vscroll1 = 0;
    int vscroll2 = 0;
    int check3 = 0;
    int check4 = 0;
    // Hidden DTMF group, in DtmfValues order 0..7.
    int combo0 = 0, combo16 = 0, combo18 = 0, combo17 = 0;
    int combo19 = 0, combo20 = 0, combo22 = 0, combo21 = 0;
    std::array<QString, 8> mfgrid1{}; // DTMF memories 1..8, column 1
    QString text1, text3, text4;      // hidden code fields, never stored
    int priorityChannelMemo = 0;
    // The hidden three-label gesture.
    std::array<bool, 3> gestureTouched{};
    int gestureStart = 0; // whole seconds since midnight

    bool operator==(const OptionsDialogState&) const = default;
};

// Form6: the two side keys.
struct KeysDialogState {
    int combo1 = 10;
    int combo2 = 0;

    bool operator==(const KeysDialogState&) const = default;
};

// Form7: the two embedded information lines.
struct EmbeddedDialogState {
    QString text1;
    QString text2;

    bool operator==(const EmbeddedDialogState&) const = default;
};

// Form4: 17 x 3 grid of test frequencies; row 0 and column 0 are fixed.
struct TestFrequencyDialogState {
    std::array<std::array<QString, 3>, 17> cells{};

    bool operator==(const TestFrequencyDialogState&) const = default;
};

// Form2: power calibration sliders.
struct DebugDialogState {
    int slider1 = 208;
    int slider3 = 92;
    bool slidersEnabled = false;

    bool operator==(const DebugDialogState&) const = default;
};

// Values shared by the whole program (module-level in the original design).
struct ProgramValues {
    int languageCode = 0; // 0 Chinese, 1 English; other values keep design texts
    int selectedPort = 0; // 1..20, 0 = none remembered
    QString commPassword; // kept trimmed, at most 16 characters reach the image
    OptionValues optionValues;
    DtmfValues dtmfValues;
    std::array<QString, 8> dtmfMemories{};
    int keyFunctionPF1 = 10;
    int keyFunctionPF2 = 0;
    std::array<QString, 2> embeddedInfo{};
    std::array<QString, 32> testFrequencies{}; // [0..15] RX, [16..31] TX
    int highPowerLevel = 208;
    int lowPowerLevel = 92;
    bool debugUnlocked = false;
    bool factoryMode = false;
    bool adminMode = false;

    bool operator==(const ProgramValues&) const = default;
};

struct EditorState {
    ProgramValues values;
    MainWindowState form1;
    OptionsDialogState form5;
    KeysDialogState form6;
    EmbeddedDialogState form7;
    TestFrequencyDialogState form4;
    DebugDialogState form2;

    bool operator==(const EditorState&) const = default;
};

} // namespace q716
