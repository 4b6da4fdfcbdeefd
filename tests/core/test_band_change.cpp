#include "channels/BandChange.h"

#include "channels/CellRules.h"
#include "state/InitDefaults.h"

#include <gtest/gtest.h>

using namespace q716;

namespace {

struct Asker {
    int answer = ResultOk;
    int asked = 0;
    Message last;
    MessageFn fn() {
        return [this](const Message& m) {
            ++asked;
            last = m;
            return answer;
        };
    }
};

MainWindowState withOneChannel() {
    MainWindowState f = freshEditorState().form1;
    commitFrequencyAt(f, 1, 1, QStringLiteral("435.1"), 1);
    return f;
}

} // namespace

TEST(BandChange, SameBandAgainAsksNothing) {
    MainWindowState f = withOneChannel();
    Asker ask;
    bandListOpened(f);
    bandSelected(f, 0, 1, ask.fn());
    EXPECT_EQ(ask.asked, 0);
    EXPECT_TRUE(f.grid.inUse(1));
}

TEST(BandChange, OkEmptiesTheTableAndNewLimitsApply) {
    MainWindowState f = withOneChannel();
    Asker ask;
    bandListOpened(f);
    bandSelected(f, 5, 1, ask.fn());
    ASSERT_EQ(ask.asked, 1);
    EXPECT_EQ(ask.last.text, QStringLiteral("Change frequency channel list will remove, sure?"));
    EXPECT_EQ(ask.last.title, QStringLiteral("Attention!"));
    EXPECT_EQ(ask.last.style, MsgOkCancelQuestionSystemModal);
    EXPECT_FALSE(f.grid.inUse(1));
    EXPECT_EQ(f.grid.index[1][5], 0);
    EXPECT_EQ(f.lastBand, 5);
    EXPECT_EQ(f.combo1, 5);

    EXPECT_EQ(commitFrequencyAt(f, 1, 1, QStringLiteral("150"), 1).text,
              QStringLiteral("150.00000"));
    EXPECT_TRUE(commitFrequencyAt(f, 2, 1, QStringLiteral("174"), 1).message.has_value());
    EXPECT_FALSE(f.grid.inUse(2));
}

TEST(BandChange, CancelKeepsRowsButNotTheOldLimits) {
    MainWindowState f = withOneChannel();
    Asker ask;
    ask.answer = ResultCancel;
    bandListOpened(f);
    bandSelected(f, 5, 0, ask.fn());
    EXPECT_EQ(ask.last.text, QStringLiteral("改变频段将清除频道列表，确定吗？"));
    EXPECT_EQ(ask.last.title, QStringLiteral("注意！"));
    EXPECT_EQ(f.grid.cells[1][1], QStringLiteral("435.10000"));
    EXPECT_EQ(f.lastBand, 0);
    EXPECT_EQ(f.bandLow, 136);
    EXPECT_EQ(f.bandHigh, 174);
    EXPECT_TRUE(commitFrequencyAt(f, 2, 1, QStringLiteral("435"), 1).message.has_value());

    // A keyboard selection without opening the list compares with the band
    // recorded at the last opening.
    bandSelected(f, 0, 0, ask.fn());
    EXPECT_EQ(ask.asked, 1);
    EXPECT_EQ(f.bandHigh, 480);
}

TEST(BandChange, ProgramSelectionAsksNothingAndKeepsTheTable) {
    MainWindowState f = withOneChannel();
    selectBandWithoutQuestion(f, 6);
    EXPECT_EQ(f.lastBand, 6);
    EXPECT_EQ(f.combo1, 6);
    EXPECT_EQ(f.bandLow, 600);
    EXPECT_EQ(f.bandHigh, 720);
    EXPECT_TRUE(f.grid.inUse(1));
}

TEST(BandChange, AListWithoutAValidEntryChangesNothing) {
    for (int index : {-1, 7}) {
        MainWindowState f = withOneChannel();
        Asker ask;
        bandListOpened(f);
        bandSelected(f, index, 1, ask.fn());
        selectBandWithoutQuestion(f, index);
        EXPECT_EQ(ask.asked, 0) << index;
        EXPECT_EQ(f.combo1, 0) << index;
        EXPECT_EQ(f.lastBand, 0) << index;
        EXPECT_EQ(f.bandLow, 400) << index;
        EXPECT_EQ(f.bandHigh, 480) << index;
        EXPECT_TRUE(f.grid.inUse(1)) << index;
    }
}
