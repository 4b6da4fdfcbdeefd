#include "channels/RowOperations.h"

#include "channels/CellRules.h"
#include "channels/ChannelTable.h"

#include <algorithm>

namespace q716 {

namespace {

constexpr int PriorityFixed = 1;

ChannelOrder identityOrder() {
    ChannelOrder order{};
    for (int row = 1; row <= ChannelCount; ++row)
        order[row] = row;
    return order;
}

// Where channel `channel` (1..16) went, or 0 when it is gone.
int newPlaceOf(const ChannelOrder& order, int channel) {
    for (int row = 1; row <= ChannelCount; ++row)
        if (order[row] == channel)
            return row;
    return 0;
}

int firstInUse(const ChannelGrid& grid) {
    for (int row = 1; row <= ChannelCount; ++row)
        if (grid.inUse(row))
            return row;
    return 0;
}

// One place that names a channel: the stored value, or the dialog's list.
struct PriorityPlace {
    int channel;  // 1..16, or 0 when it names none
    bool fixed;   // the priority mode of the same place is "Fixed"
    bool gone;    // its channel no longer exists
    int newPlace; // where it went
};

PriorityPlace placeOf(const ChannelOrder& order, int channel, bool fixed) {
    if (channel < 1 || channel > ChannelCount)
        return {0, fixed, false, 0};
    const int moved = newPlaceOf(order, channel);
    return {channel, fixed, moved == 0, moved};
}

Message fixedNeedsChannelMessage() {
    // The priority rules' own message, in Chinese only as they show it.
    return {QStringLiteral("当设定为‘固定’时信道不可为空，请重设！"), MsgOk,
            QStringLiteral("提示")};
}

RowOperationResult changedTo(ChannelRows selection, std::optional<Message> message = {}) {
    return {true, std::move(message), std::move(selection)};
}

RowOperationResult refused(Message message, ChannelRows selection) {
    return {false, std::move(message), std::move(selection)};
}

// The priority-channel reference after the channels moved by `order`.
std::optional<Message> followPriorityChannel(EditorState& state, const ChannelOrder& order);

} // namespace

ChannelRows normalisedRows(ChannelRows rows) {
    rows.erase(
        std::remove_if(rows.begin(), rows.end(), [](int r) { return r < 1 || r > ChannelCount; }),
        rows.end());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

std::optional<Message> reorderChannels(EditorState& state, const ChannelOrder& order) {
    ChannelGrid& grid = state.form1.grid;
    const ChannelGrid before = grid;
    for (int row = 1; row <= ChannelCount; ++row) {
        if (order[row] == 0) {
            ClearNO(grid, row);
            continue;
        }
        for (int col = 1; col < GridColumns; ++col) {
            grid.cells[row][col] = before.cells[order[row]][col];
            grid.index[row][col] = before.index[order[row]][col];
        }
    }
    return followPriorityChannel(state, order);
}

std::optional<Message> priorityAfterEmptying(EditorState& state, const ChannelRows& emptied) {
    ChannelOrder order = identityOrder();
    for (int row : normalisedRows(emptied))
        order[row] = 0;
    return followPriorityChannel(state, order);
}

namespace {

std::optional<Message> followPriorityChannel(EditorState& state, const ChannelOrder& order) {
    const ChannelGrid& grid = state.form1.grid;
    OptionValues& o = state.values.optionValues;
    OptionsDialogState& d = state.form5;
    const PriorityPlace stored =
        placeOf(order, o.preferredChannel.number(), o.priorityMode.number() == PriorityFixed);
    const PriorityPlace shown = placeOf(order, d.combo12 + 1, d.combo11 == PriorityFixed);
    const PriorityPlace memo = placeOf(order, d.priorityChannelMemo, false);
    const int fallback = firstInUse(grid);
    std::optional<Message> message;
    // A place whose channel is gone names the first channel in use; with none
    // left, "Fixed" cannot stay, as when it is chosen on an empty table.
    const auto follow = [&](const PriorityPlace& p, auto setChannel, auto clearFixed) {
        if (p.channel == 0)
            return;
        if (!p.gone) {
            setChannel(p.newPlace);
        } else if (fallback != 0) {
            setChannel(fallback);
        } else if (p.fixed) {
            clearFixed();
            message = fixedNeedsChannelMessage();
        }
    };
    follow(
        stored, [&](int n) { o.preferredChannel.set(n); }, [&] { o.priorityMode.set(0); });
    follow(
        shown, [&](int n) { d.combo12 = n - 1; }, [&] { d.combo11 = 0; });
    follow(
        memo, [&](int n) { d.priorityChannelMemo = n; }, [] {});
    return message;
}

} // namespace

bool canInsertChannel(const ChannelGrid& grid, int row) {
    return row >= 1 && row <= ChannelCount && !grid.inUse(ChannelCount);
}

RowOperationResult insertChannel(EditorState& state, int row, int languageCode) {
    if (row < 1 || row > ChannelCount)
        return {};
    if (!canInsertChannel(state.form1.grid, row))
        return refused({pickText(languageCode,
                                 QStringLiteral("信道 16 已在使用，插入信道会把它挤出列表。"
                                                "请先删除或移动信道 16，再插入。"),
                                 QStringLiteral("Channel 16 is in use: an inserted channel would "
                                                "push it off the table. Delete or move channel "
                                                "16 first, then insert.")),
                        MsgCritical, QString()},
                       {row});
    ChannelOrder order{};
    for (int n = 1; n <= ChannelCount; ++n)
        order[n] = n < row ? n : n == row ? 0 : n - 1;
    return changedTo({row}, reorderChannels(state, order));
}

RowOperationResult deleteChannels(EditorState& state, const ChannelRows& selected) {
    const ChannelRows rows = normalisedRows(selected);
    if (rows.empty())
        return {};
    ChannelOrder order{};
    int next = 1;
    for (int n = 1; n <= ChannelCount; ++n)
        if (!std::binary_search(rows.begin(), rows.end(), n))
            order[next++] = n;
    return changedTo({std::min(rows.front(), ChannelCount)}, reorderChannels(state, order));
}

bool canMoveChannels(const ChannelRows& selected, int step) {
    const ChannelRows rows = normalisedRows(selected);
    if (rows.empty() || (step != -1 && step != 1))
        return false;
    return step < 0 ? rows.front() > 1 : rows.back() < ChannelCount;
}

RowOperationResult moveChannels(EditorState& state, const ChannelRows& selected, int step) {
    const ChannelRows rows = normalisedRows(selected);
    if (!canMoveChannels(rows, step))
        return {false, std::nullopt, rows};
    ChannelOrder order = identityOrder();
    ChannelRows moved;
    // Each selected channel changes places with its neighbour; going up the
    // upper ones move first, going down the lower ones.
    const auto swapWithNeighbour = [&](int row) {
        std::swap(order[row], order[row + step]);
        moved.push_back(row + step);
    };
    if (step < 0)
        std::for_each(rows.begin(), rows.end(), swapWithNeighbour);
    else
        std::for_each(rows.rbegin(), rows.rend(), swapWithNeighbour);
    return changedTo(normalisedRows(moved), reorderChannels(state, order));
}

bool canClearChannels(const ChannelGrid& grid, const ChannelRows& rows) {
    return std::any_of(rows.begin(), rows.end(),
                       [&](int r) { return r >= 1 && r <= ChannelCount && grid.inUse(r); });
}

RowOperationResult clearChannels(EditorState& state, const ChannelRows& selected) {
    const ChannelRows rows = normalisedRows(selected);
    if (!canClearChannels(state.form1.grid, rows))
        return {false, std::nullopt, rows};
    ChannelOrder order = identityOrder();
    for (int row : rows)
        order[row] = 0;
    return changedTo(rows, reorderChannels(state, order));
}

ChannelOrder receiveFrequencyOrder(const ChannelGrid& grid) {
    std::vector<int> channels;
    for (int row = 1; row <= ChannelCount; ++row)
        channels.push_back(row);
    std::stable_sort(channels.begin(), channels.end(), [&](int a, int b) {
        if (grid.inUse(a) != grid.inUse(b))
            return grid.inUse(a);
        if (!grid.inUse(a))
            return false;
        return grid.cell(a, 1).toDouble() < grid.cell(b, 1).toDouble();
    });
    ChannelOrder order{};
    for (int n = 1; n <= ChannelCount; ++n)
        order[n] = channels[n - 1];
    return order;
}

bool canSortChannels(const ChannelGrid& grid) {
    return receiveFrequencyOrder(grid) != identityOrder();
}

RowOperationResult sortChannelsByReceiveFrequency(EditorState& state) {
    const ChannelOrder order = receiveFrequencyOrder(state.form1.grid);
    if (order == identityOrder())
        return {};
    // The channels in use come first now: they stay selected.
    ChannelRows sorted;
    for (int row = 1; row <= ChannelCount && state.form1.grid.inUse(order[row]); ++row)
        sorted.push_back(row);
    return changedTo(sorted, reorderChannels(state, order));
}

bool isSettableColumn(int column) {
    return column == 2 || (column >= 4 && column <= 8);
}

bool canSetColumn(const ChannelGrid& grid, const ChannelRows& rows, int column) {
    return isSettableColumn(column) && canClearChannels(grid, rows);
}

RowOperationResult setColumnOnChannels(EditorState& state, const ChannelRows& selected, int column,
                                       int item, int languageCode) {
    const ChannelRows rows = normalisedRows(selected);
    if (!canSetColumn(state.form1.grid, rows, column))
        return {false, std::nullopt, rows};
    ChannelGrid& grid = state.form1.grid;
    const ChannelGrid before = grid;
    for (int row : rows) {
        if (!grid.inUse(row))
            continue;
        if (column == 2 || column == 4)
            chooseToneItem(grid, row, column, item, languageCode);
        else
            chooseFlagItem(grid, row, column, item, languageCode);
    }
    return {grid != before, std::nullopt, rows};
}

} // namespace q716
