#include "channels/ChannelTable.h"

#include "state/InitDefaults.h"

#include <gtest/gtest.h>

using namespace q716;

namespace {

// Row 2 in use with Chinese list texts and a CTCSS / DCS tone pair.
ChannelGrid tableWithChannels() {
    ChannelGrid g = freshEditorState().form1.grid;
    g.cells[1][1] = QStringLiteral("435.10000");
    applyNewChannelDefaults(g, 1, 0);
    g.cells[2] = {QStringLiteral("02"),        QStringLiteral("145.55625"), QStringLiteral("88.5"),
                  QStringLiteral("146.00000"), QStringLiteral("D023N"),     QStringLiteral("低"),
                  QStringLiteral("载波"),      QStringLiteral("窄带"),      QStringLiteral("无")};
    g.index[2] = {0, 0, 9, 0, 51, 0, 1, 0, 0};
    return g;
}

} // namespace

TEST(ChannelTable, NewChannelDefaultsFollowTheLanguage) {
    ChannelGrid g;
    g.cells[3][1] = QStringLiteral("435.10000");
    applyNewChannelDefaults(g, 3, 1);
    const std::array<QString, 8> english = {"435.10000", "Off", "435.10000", "Off",
                                            "Hight",     "Off", "Wide",      "Have"};
    for (int col = 1; col <= 8; ++col)
        EXPECT_EQ(g.cells[3][col], english[col - 1]) << col;
    const std::array<int, 9> indexes = {0, 0, 0, 0, 0, 1, 0, 1, 1};
    EXPECT_EQ(g.index[3], indexes);

    applyNewChannelDefaults(g, 3, 0);
    EXPECT_EQ(g.cells[3][2], QStringLiteral("关闭"));
    EXPECT_EQ(g.cells[3][5], QStringLiteral("高"));
    EXPECT_EQ(g.cells[3][7], QStringLiteral("宽带"));
    EXPECT_EQ(g.cells[3][8], QStringLiteral("有"));
}

TEST(ChannelTable, ClearingRowsKeepsNumbersAndDiffersOnIndexes) {
    ChannelGrid g = tableWithChannels();
    ClearNO(g, 2);
    for (int col = 1; col <= 8; ++col) {
        EXPECT_TRUE(g.cells[2][col].isEmpty());
        EXPECT_EQ(g.index[2][col], 0);
    }
    EXPECT_EQ(g.cells[2][0], QStringLiteral("02"));
    EXPECT_TRUE(g.inUse(1));
    ClearNO(g, 2); // already empty: stays empty
    EXPECT_FALSE(g.inUse(2));

    g = tableWithChannels();
    ClearGrid1(g);
    for (int row = 1; row <= ChannelCount; ++row) {
        EXPECT_EQ(g.cells[row][0], QStringLiteral("%1").arg(row, 2, 10, QLatin1Char('0')));
        for (int col = 1; col <= 8; ++col)
            EXPECT_TRUE(g.cells[row][col].isEmpty());
    }
    EXPECT_EQ(g.index[2][4], 51); // New keeps GridIndex

    g = tableWithChannels();
    ClearGrid(g);
    EXPECT_EQ(g.index[2][4], 0);
    EXPECT_EQ(g.index[1][5], 0);
    EXPECT_EQ(g.cells[16][0], QStringLiteral("16"));
}

TEST(ChannelTable, LanguageSwitchRerendersOnlyListTexts) {
    ChannelGrid g = tableWithChannels();
    g.index[3] = {0, 0, 0, 0, 0, 1, 1, 1, 1}; // stale indexes of an unused row
    SetGrid1Text(g, 1);
    const std::array<QString, 9> row1 = {"01",    "435.10000", "Off",  "435.10000", "Off",
                                         "Hight", "Off",       "Wide", "Have"};
    const std::array<QString, 9> row2 = {"02",  "145.55625", "88.5",   "146.00000", "D023N",
                                         "Low", "Carrow",    "Narrow", "No"};
    EXPECT_EQ(g.cells[1], row1);
    EXPECT_EQ(g.cells[2], row2);
    for (int col = 1; col <= 8; ++col) // rows not in use stay empty
        EXPECT_TRUE(g.cells[3][col].isEmpty()) << col;

    const ChannelGrid english = g;
    SetGrid1Text(g, 0);
    SetGrid1Text(g, 1);
    EXPECT_EQ(g.cells, english.cells);
    EXPECT_EQ(g.index, english.index);
}

TEST(ChannelTable, NewCommandClearsOnEveryAnswerButCancel) {
    for (int lang : {0, 1}) {
        const Message m = newTableQuestion(lang);
        EXPECT_EQ(m.style, MsgOkCancelExclamation);
        EXPECT_EQ(m.text, lang == 0 ? QStringLiteral("所有信道的数据将被清除！")
                                    : QStringLiteral("All channel data will be clear."));
        EXPECT_EQ(m.title, lang == 0 ? QStringLiteral("警告") : QStringLiteral("Warnning"));
    }
    ChannelGrid g = tableWithChannels();
    const ChannelGrid before = g;
    Message asked;
    runNewCommand(g, 1, [&](const Message& m) {
        asked = m;
        return int(ResultCancel);
    });
    EXPECT_EQ(asked.title, QStringLiteral("Warnning"));
    EXPECT_EQ(g.cells, before.cells);

    // Closing the box is no Cancel either: any other answer clears.
    for (int answer : {int(ResultOk), int(ResultNo), 0}) {
        g = tableWithChannels();
        runNewCommand(g, 0, [answer](const Message&) { return answer; });
        EXPECT_FALSE(g.inUse(1)) << answer;
        EXPECT_FALSE(g.inUse(2)) << answer;
    }
}
