#pragma once
// The function-settings lists of the main window as the JSON shape names
// them: key, control, number of entries.

#include "state/EditorState.h"

#include <QString>
#include <array>

namespace q716::cli {

struct SettingList {
    const char* key;
    const char* control; // objectName in the main window
    int count;           // entries of the list; 0 for a check box
    int MainWindowState::*field;
};

inline constexpr std::array<SettingList, 11> SettingLists{{
    {"voiceLanguage", "Combo2", 3, &MainWindowState::combo2},
    {"timeOut", "Combo3", 40, &MainWindowState::combo3},
    {"timeOutWarning", "Combo4", 11, &MainWindowState::combo4},
    {"squelch", "Combo9", 10, &MainWindowState::combo9},
    {"batterySave", "Combo6", 2, &MainWindowState::combo6},
    {"beep", "Combo7", 2, &MainWindowState::combo7},
    {"voxFunction", "Combo11", 2, &MainWindowState::combo11},
    {"voxGain", "Combo13", 11, &MainWindowState::combo13},
    {"voxDelay", "Combo12", 6, &MainWindowState::combo12},
    {"cancelOperation", "Check3", 0, &MainWindowState::check3},
    {"voxBannedWhileReceiving", "Check4", 0, &MainWindowState::check4},
}};

// The text of entry `index` of a main-window list in a language; empty for a
// check box or an index outside the list.
QString settingItemText(const char* control, int index, int languageCode);

} // namespace q716::cli
