#pragma once
// Operations on whole channels of the table: insert, delete, move, clear,
// sort and one column set on many channels. Every operation that moves
// channels moves the priority-channel reference of the optional functions
// with them, so it still names the same channel.

#include "shell/Messages.h"
#include "state/EditorState.h"

#include <array>
#include <optional>
#include <vector>

namespace q716 {

// Channel numbers 1..16, ascending, each once.
using ChannelRows = std::vector<int>;

// `rows` sorted, without repeats and without numbers outside 1..16.
ChannelRows normalisedRows(ChannelRows rows);

struct RowOperationResult {
    bool changed = false;
    // A refusal (nothing changed) or the message of the priority channel's
    // fallback (the change is made); shown by the caller.
    std::optional<Message> message;
    // The channels the operation leaves selected.
    ChannelRows selection;
};

// order[n] = the channel that becomes channel n (1..16), 0 for an empty one.
using ChannelOrder = std::array<int, ChannelCount + 1>;

// Rearranges the channels. The priority-channel reference (OptionValues 11,
// Form5's Combo12 and its memo) follows its channel; when that channel is
// gone it falls back as the priority rules do: to the first channel in use,
// and with none left a "Fixed" priority becomes "No" with the rules' message.
std::optional<Message> reorderChannels(EditorState& state, const ChannelOrder& order);

// The same fallback for channels emptied where they are (Clear, Paste): the
// reference to one of them names the first channel in use, or with none
// left a "Fixed" priority becomes "No".
std::optional<Message> priorityAfterEmptying(EditorState& state, const ChannelRows& emptied);

// An empty channel at `row`; the channels below move down one. Refused when
// channel 16 is in use.
bool canInsertChannel(const ChannelGrid& grid, int row);
RowOperationResult insertChannel(EditorState& state, int row, int languageCode);

// The channels go; the ones below move up and empty channels fill the end.
RowOperationResult deleteChannels(EditorState& state, const ChannelRows& rows);

// The selected channels move one place up (step -1) or down (step +1); the
// channels they pass move the other way.
bool canMoveChannels(const ChannelRows& rows, int step);
RowOperationResult moveChannels(EditorState& state, const ChannelRows& rows, int step);

// Each channel cleared as clearing its receive frequency does (ClearNO); the
// priority channel follows as for a deleted channel.
bool canClearChannels(const ChannelGrid& grid, const ChannelRows& rows);
RowOperationResult clearChannels(EditorState& state, const ChannelRows& rows);

// Channels in use in ascending receive frequency (equal ones keep their
// order), the empty channels after them.
ChannelOrder receiveFrequencyOrder(const ChannelGrid& grid);
bool canSortChannels(const ChannelGrid& grid);
RowOperationResult sortChannelsByReceiveFrequency(EditorState& state);

// Columns that take one choice for many channels: the tones (2, 4) with the
// tone list, power, forbid, bandwidth and scan (5..8) with their lists.
bool isSettableColumn(int column);
// Item `item` of the column's list on every selected channel in use.
bool canSetColumn(const ChannelGrid& grid, const ChannelRows& rows, int column);
RowOperationResult setColumnOnChannels(EditorState& state, const ChannelRows& rows, int column,
                                       int item, int languageCode);

} // namespace q716
