#pragma once
// The fixed lists of the channel table: bands, the model, the 261 tones and
// the two entries of each flag column. List positions are stored in the
// radio's memory, so the order of every list here is part of the format.

#include <QString>
#include <optional>

namespace q716 {

// List texts follow the language shown: English for code 1, otherwise the
// Chinese texts the windows are designed with.
inline bool showsEnglish(int languageCode) {
    return languageCode == 1;
}

// Bands (Combo1).
constexpr int BandCount = 7;
QString bandItem(int index);
struct BandLimits {
    int low;  // MHz, included
    int high; // MHz, excluded
};
BandLimits bandLimits(int index);
// One-byte band code stored at 0x01BD and 0x034C.
int bandCode(int index);
std::optional<int> bandIndexForCode(int code);

// Models (Combo10).
constexpr int ModelCount = 1;
QString modelItem(int index);

// Tones (Combo8): 0 no tone, 1..50 CTCSS, 51..155 DCS normal, 156..260 DCS inverted.
constexpr int ToneCount = 261;
constexpr int CtcssCount = 50;
constexpr int DcsCount = 105;
QString toneItem(int index, int languageCode);
QString noToneText(int languageCode);
// True for the no-tone text of either language.
bool isNoToneText(const QString& text);

// Flag columns 5..8 of the channel table (the Combo5(5..8) list editors).
QString flagItem(int column, int entry, int languageCode);
// The entry (0 or 1) a flag cell holds in either language, if any.
std::optional<int> flagEntry(int column, const QString& text);

} // namespace q716
