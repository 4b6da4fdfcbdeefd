// Row operations on the channel table: each at channel 1, at channel 16 and
// on a full table, and the priority-channel reference that follows them.
#include "channels/ChannelClipboard.h"
#include "channels/ChannelTable.h"
#include "channels/RowOperations.h"
#include "image/BuildImage.h"
#include "state/InitDefaults.h"

#include <gtest/gtest.h>

using namespace q716;

namespace {

// Channel n gets the receive frequency 400 + n MHz, so every channel can be
// told apart after a move.
QString frequencyOf(int n) {
    return QStringLiteral("%1.00000").arg(400 + n);
}

EditorState tableWith(std::initializer_list<int> channels) {
    EditorState s = freshEditorState();
    for (int n : channels) {
        s.form1.grid.cells[n][1] = frequencyOf(n);
        applyNewChannelDefaults(s.form1.grid, n, 0);
    }
    return s;
}

EditorState fullTable() {
    return tableWith({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16});
}

// The receive frequency column as channel numbers (0 for empty channels).
std::vector<int> channelsShown(const EditorState& s) {
    std::vector<int> shown;
    for (int row = 1; row <= ChannelCount; ++row) {
        const QString rx = s.form1.grid.cells[row][1];
        shown.push_back(rx.isEmpty() ? 0 : rx.left(3).toInt() - 400);
    }
    return shown;
}

void setPriority(EditorState& s, int mode, int channel) {
    s.values.optionValues.priorityMode.set(mode);
    s.values.optionValues.preferredChannel.set(channel);
    s.form5.combo11 = mode;
    s.form5.combo12 = channel - 1;
    s.form5.priorityChannelMemo = channel;
}

struct PriorityShown {
    int storedMode, storedChannel, dialogMode, dialogChannel;
    bool operator==(const PriorityShown&) const = default;
};

PriorityShown priorityOf(const EditorState& s) {
    return {s.values.optionValues.priorityMode.number(),
            s.values.optionValues.preferredChannel.number(), s.form5.combo11, s.form5.combo12 + 1};
}

} // namespace

// Insert: an empty channel at the row, the rest moves down; refused while
// channel 16 is in use.
TEST(RowOperations, InsertAtChannelOneSixteenAndOnAFullTable) {
    EditorState s = tableWith({1, 2, 15});
    RowOperationResult r = insertChannel(s, 1, 0);
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(r.selection, ChannelRows{1});
    EXPECT_EQ(channelsShown(s),
              (std::vector<int>{0, 1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 15}));
    EXPECT_EQ(s.form1.grid.index[1], (std::array<int, GridColumns>{}));

    s = tableWith({1, 2, 15});
    r = insertChannel(s, 16, 1);
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(channelsShown(s),
              (std::vector<int>{1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 15, 0}));

    EditorState full = fullTable();
    const EditorState before = full;
    r = insertChannel(full, 1, 1);
    EXPECT_FALSE(r.changed);
    ASSERT_TRUE(r.message);
    EXPECT_TRUE(r.message->text.contains(QLatin1String("Channel 16 is in use")));
    EXPECT_EQ(full, before);
    EXPECT_FALSE(canInsertChannel(full.form1.grid, 8));
    EXPECT_TRUE(canInsertChannel(tableWith({1, 15}).form1.grid, 8));
}

// Delete: the channels below move up, empty channels fill the end.
TEST(RowOperations, DeleteAtChannelOneSixteenAndOnAFullTable) {
    EditorState s = fullTable();
    RowOperationResult r = deleteChannels(s, {1});
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(channelsShown(s),
              (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 0}));

    s = fullTable();
    r = deleteChannels(s, {16});
    EXPECT_EQ(channelsShown(s),
              (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 0}));
    EXPECT_EQ(r.selection, ChannelRows{16});

    s = fullTable();
    deleteChannels(s, {3, 1, 16, 3, 9});
    EXPECT_EQ(channelsShown(s),
              (std::vector<int>{2, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14, 15, 0, 0, 0, 0}));

    s = fullTable();
    deleteChannels(s, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16});
    EXPECT_EQ(s.form1.grid, freshEditorState().form1.grid);
}

// Move: the selection changes places with its neighbour; nothing moves past
// either end of the table.
TEST(RowOperations, MoveAtChannelOneSixteenAndOnAFullTable) {
    EditorState s = fullTable();
    EXPECT_FALSE(canMoveChannels({1}, -1));
    EXPECT_FALSE(moveChannels(s, {1, 2}, -1).changed);
    EXPECT_FALSE(canMoveChannels({16}, 1));
    EXPECT_FALSE(moveChannels(s, {16}, 1).changed);
    EXPECT_EQ(s, fullTable());

    RowOperationResult r = moveChannels(s, {1}, 1);
    EXPECT_EQ(r.selection, ChannelRows{2});
    EXPECT_EQ(channelsShown(s),
              (std::vector<int>{2, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));

    s = fullTable();
    r = moveChannels(s, {16, 15, 3}, -1);
    EXPECT_EQ(r.selection, (ChannelRows{2, 14, 15}));
    EXPECT_EQ(channelsShown(s),
              (std::vector<int>{1, 3, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15, 16, 14}));

    s = fullTable();
    moveChannels(s, {1, 2}, 1);
    EXPECT_EQ(channelsShown(s),
              (std::vector<int>{3, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
}

// Clear: as clearing the receive frequency does, in place.
TEST(RowOperations, ClearAtChannelOneSixteenAndOnAFullTable) {
    EditorState s = fullTable();
    EXPECT_TRUE(clearChannels(s, {1, 16}).changed);
    EXPECT_EQ(channelsShown(s),
              (std::vector<int>{0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 0}));
    EXPECT_EQ(s.form1.grid.index[16], (std::array<int, GridColumns>{}));
    EXPECT_FALSE(canClearChannels(s.form1.grid, {1, 16}));
    EXPECT_FALSE(clearChannels(s, {1}).changed);
}

// Sort: channels in use by receive frequency, equal ones in their order,
// empty channels last.
TEST(RowOperations, SortByReceiveFrequency) {
    EditorState s = tableWith({1, 5, 16});
    s.form1.grid.cells[1][1] = QStringLiteral("470.00000");
    s.form1.grid.cells[16][1] = QStringLiteral("401.50000");
    s.form1.grid.cells[5][3] = QStringLiteral("hello"); // rides along with its channel
    RowOperationResult r = sortChannelsByReceiveFrequency(s);
    EXPECT_TRUE(r.changed);
    // The sorted channels stay selected for a Copy, Cut or Delete after it.
    EXPECT_EQ(r.selection, (ChannelRows{1, 2, 3}));
    EXPECT_EQ(s.form1.grid.cells[1][1], QStringLiteral("401.50000"));
    EXPECT_EQ(s.form1.grid.cells[2][1], QStringLiteral("405.00000"));
    EXPECT_EQ(s.form1.grid.cells[2][3], QStringLiteral("hello"));
    EXPECT_EQ(s.form1.grid.cells[3][1], QStringLiteral("470.00000"));
    EXPECT_FALSE(s.form1.grid.inUse(4));
    EXPECT_FALSE(canSortChannels(s.form1.grid));
    EXPECT_FALSE(sortChannelsByReceiveFrequency(s).changed);

    EditorState full = fullTable();
    EXPECT_FALSE(canSortChannels(full.form1.grid));
    full.form1.grid.cells[1][1] = QStringLiteral("479.00000");
    sortChannelsByReceiveFrequency(full);
    EXPECT_EQ(channelsShown(full).front(), 2);
    EXPECT_EQ(full.form1.grid.cells[16][1], QStringLiteral("479.00000"));
}

// Set a column: the list choice on each selected channel in use only.
TEST(RowOperations, SetColumnOnSelectedChannelsInUse) {
    EditorState s = tableWith({1, 16});
    EXPECT_FALSE(canSetColumn(s.form1.grid, {1}, 1));
    EXPECT_FALSE(canSetColumn(s.form1.grid, {1}, 3));
    EXPECT_FALSE(canSetColumn(s.form1.grid, {2, 3}, 5));
    RowOperationResult r = setColumnOnChannels(s, {1, 2, 16}, 5, 0, 1);
    EXPECT_TRUE(r.changed);
    for (int row : {1, 16}) {
        EXPECT_EQ(s.form1.grid.cells[row][5], QStringLiteral("Low"));
        EXPECT_EQ(s.form1.grid.index[row][5], 0);
    }
    EXPECT_TRUE(s.form1.grid.cells[2][5].isEmpty());
    setColumnOnChannels(s, {1, 16}, 4, 51, 0);
    EXPECT_EQ(s.form1.grid.cells[16][4], QStringLiteral("D023N"));
    EXPECT_EQ(s.form1.grid.index[16][4], 51);
    EXPECT_FALSE(setColumnOnChannels(s, {1, 16}, 4, 51, 0).changed);

    EditorState full = fullTable();
    setColumnOnChannels(full, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}, 8, 0, 0);
    for (int row = 1; row <= ChannelCount; ++row)
        EXPECT_EQ(full.form1.grid.cells[row][8], QStringLiteral("无"));
}

// The priority channel names the same channel after every move, in the
// stored value and in the dialog.
TEST(RowOperations, PriorityReferenceFollowsItsChannel) {
    struct Case {
        const char* name;
        std::function<void(EditorState&)> op;
        int expected;
    };
    const std::vector<Case> cases = {
        {"insert above", [](EditorState& s) { insertChannel(s, 2, 0); }, 6},
        {"insert below", [](EditorState& s) { insertChannel(s, 9, 0); }, 5},
        {"delete above",
         [](EditorState& s) {
             deleteChannels(s, {1, 3});
         },
         3},
        {"move it up", [](EditorState& s) { moveChannels(s, {5}, -1); }, 4},
        {"move it down",
         [](EditorState& s) {
             moveChannels(s, {4, 5}, 1);
         },
         6},
        {"move the one above down", [](EditorState& s) { moveChannels(s, {4}, 1); }, 4},
        {"sort", [](EditorState& s) { sortChannelsByReceiveFrequency(s); }, 1},
    };
    for (const Case& c : cases) {
        EditorState s = tableWith({1, 2, 3, 4, 5, 6, 7, 8, 9});
        setPriority(s, 1, 5);
        s.form1.grid.cells[5][1] = QStringLiteral("400.50000"); // the lowest, for the sort
        const QString channel5 = s.form1.grid.cells[5][1];
        c.op(s);
        EXPECT_EQ(priorityOf(s), (PriorityShown{1, c.expected, 1, c.expected})) << c.name;
        EXPECT_EQ(s.form5.priorityChannelMemo, c.expected) << c.name;
        EXPECT_EQ(s.form1.grid.cells[c.expected][1], channel5) << c.name;
    }
}

// The priority channel deleted: the priority rules' fallback, the first
// channel in use; with none left "Fixed" becomes "No" with their message.
TEST(RowOperations, DeletingThePriorityChannelFallsBack) {
    EditorState s = tableWith({2, 5, 7});
    setPriority(s, 1, 5);
    RowOperationResult r = deleteChannels(s, {2, 5});
    EXPECT_FALSE(r.message);
    EXPECT_EQ(priorityOf(s), (PriorityShown{1, 5, 1, 5})); // channel 7 moved up to 5

    s = tableWith({2, 5, 7});
    setPriority(s, 1, 2);
    deleteChannels(s, {2});
    EXPECT_EQ(priorityOf(s), (PriorityShown{1, 4, 1, 4})); // 5 is now 4, the first in use

    s = tableWith({5});
    setPriority(s, 1, 5);
    r = deleteChannels(s, {5});
    ASSERT_TRUE(r.message);
    EXPECT_EQ(r.message->text, QStringLiteral("当设定为‘固定’时信道不可为空，请重设！"));
    EXPECT_EQ(r.message->title, QStringLiteral("提示"));
    EXPECT_EQ(s.values.optionValues.priorityMode.text, QStringLiteral("0"));
    EXPECT_EQ(s.form5.combo11, 0);

    // Other modes allow any channel: no message, the number stays.
    s = tableWith({5});
    setPriority(s, 2, 5);
    r = deleteChannels(s, {5});
    EXPECT_FALSE(r.message);
    EXPECT_EQ(priorityOf(s), (PriorityShown{2, 5, 2, 5}));

    // The built image carries the followed reference at 0x0161.
    s = tableWith({1, 2, 3});
    setPriority(s, 1, 3);
    moveChannels(s, {3}, -1);
    EXPECT_EQ(quint8(buildImageBytes(s).at(0x0161 - 0x0010)), 2);
}

// Clear and Paste empty the priority channel where it is: the rule of
// Delete, the first channel in use, or with none left "Fixed" becomes "No"
// with the priority rules' message.
TEST(RowOperations, EmptyingThePriorityChannelFallsBackLikeDelete) {
    const std::pair<const char*, std::function<RowOperationResult(EditorState&)>> ops[] = {
        {"delete", [](EditorState& s) { return deleteChannels(s, {5}); }},
        {"clear", [](EditorState& s) { return clearChannels(s, {5}); }},
        {"paste an empty channel",
         [](EditorState& s) { return pasteChannels(s, 5, {CopiedChannel{}}, 0); }},
    };
    for (const auto& [name, op] : ops) {
        EditorState s = tableWith({2, 5, 7});
        setPriority(s, 1, 5);
        EXPECT_FALSE(op(s).message) << name;
        EXPECT_EQ(priorityOf(s), (PriorityShown{1, 2, 1, 2})) << name;

        s = tableWith({5});
        setPriority(s, 1, 5);
        const RowOperationResult r = op(s);
        ASSERT_TRUE(r.message) << name;
        EXPECT_EQ(r.message->text, QStringLiteral("当设定为‘固定’时信道不可为空，请重设！"));
        EXPECT_EQ(s.values.optionValues.priorityMode.text, QStringLiteral("0")) << name;
        EXPECT_EQ(s.form5.combo11, 0) << name;
    }
}
