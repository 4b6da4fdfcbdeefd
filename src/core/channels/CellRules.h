#pragma once
// The rules of the in-place cell editors of Grid1: which editor a click opens,
// which keys each editor accepts, and how a typed frequency or tone becomes
// the cell text the image builder reads.

#include "shell/Messages.h"
#include "state/EditorState.h"

#include <QChar>
#include <QString>
#include <optional>

namespace q716 {

// Lowers a frequency written with exactly five decimals to the nearest point
// at or below it on the 5 kHz or the 6.25 kHz raster, whichever is higher.
// Text without five decimals is returned unchanged.
QString SnapFrequency(const QString& fiveDecimals);

// A typed frequency as the key filter lets it through: digits and at most one
// point, at least one digit. Anything else is not a number.
bool isTypedNumber(const QString& typed);

// A typed number written with exactly five decimals (rounded half away from
// zero); no value when `typed` is not a typed number.
std::optional<QString> formatFiveDecimals(const QString& typed);

enum class CellEditor { None, Text1, Combo8, Combo5 };

struct GridClickTarget {
    CellEditor editor = CellEditor::None;
    int row = 0;
    int col = 0;
    QString text;       // loaded into Text1 or Combo8's edit text
    int listIndex = -1; // item preselected in Combo5(col)
};

// The editor a click on the end cell (row, col) of the selection opens. On a
// row not in use only the receive frequency can be entered first.
GridClickTarget gridClickTarget(const ChannelGrid& grid, int row, int col);

struct FrequencyCommit {
    enum class Kind {
        Unchanged,    // the cell keeps its text
        SetText,      // the cell gets `text`
        RemoveChannel // the receive frequency was cleared: the whole row goes
    };
    Kind kind = Kind::Unchanged;
    QString text;
    std::optional<Message> message; // shown before the editor closes
    bool newChannel = false;        // fill the row with the new-channel defaults
};

// Text1 lost the focus with `typed` in it, editing column `col` (1 or 3).
// `transmitCellEmpty`: column 3 of the row is empty, so a receive frequency
// makes it a new channel.
FrequencyCommit commitFrequency(const QString& typed, int col, bool transmitCellEmpty, int bandLow,
                                int bandHigh, int languageCode);

// Performs a commit on row `row`, column `col` of the main window's grid.
void applyFrequencyCommit(MainWindowState& form, int row, int col, const FrequencyCommit& commit,
                          int languageCode);

// commitFrequency + applyFrequencyCommit for the cell being edited; returns
// the commit so the caller can show its message.
FrequencyCommit commitFrequencyAt(MainWindowState& form, int row, int col, const QString& typed,
                                  int languageCode);

// Combo8 lost the focus with `typed` as its edit text: the new tone text, or
// no value when the cell keeps the text it has (the no-tone item, an
// out-of-range CTCSS value, an incomplete or non-octal DCS code).
std::optional<QString> commitTone(const QString& typed);

// commitTone applied to a tone cell; GridIndex is never changed by it.
void commitToneAt(ChannelGrid& grid, int row, int col, const QString& typed);

// An item chosen from Combo8 (tone columns 2, 4) or Combo5(col) (columns 5..8):
// cell text = the item in the current language, GridIndex = the item.
void chooseToneItem(ChannelGrid& grid, int row, int col, int item, int languageCode);
void chooseFlagItem(ChannelGrid& grid, int row, int col, int item, int languageCode);

// Key filters: the key to insert (possibly changed), or no value to discard it.
// Backspace is QChar(8). Enter is handled by the windows before the filter.
std::optional<QChar> filterText1Key(QChar key);    // frequency editor
std::optional<QChar> filterCombo8Key(QChar key);   // tone editor; d n i become D N I
std::optional<QChar> filterPasswordKey(QChar key); // Text2 and the password boxes

} // namespace q716
