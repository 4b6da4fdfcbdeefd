// Channels through the clipboard: the program's own form keeps every cell,
// the text form is the CSV export with tabs, and a paste never writes past
// channel 16.
#include "channels/ChannelClipboard.h"
#include "channels/ChannelTable.h"
#include "state/InitDefaults.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace q716;

namespace {

EditorState tableWith(std::initializer_list<int> channels) {
    EditorState s = freshEditorState();
    for (int n : channels) {
        s.form1.grid.cells[n][1] = QStringLiteral("%1.12500").arg(400 + n);
        applyNewChannelDefaults(s.form1.grid, n, 0);
    }
    return s;
}

} // namespace

TEST(ChannelClipboard, OwnFormKeepsEveryCellAndIndex) {
    EditorState s = tableWith({1, 3});
    ChannelGrid& g = s.form1.grid;
    g.cells[3][4] = QStringLiteral("D754I");
    g.index[3][4] = 260;
    g.cells[3][3].clear(); // receive only
    g.index[2][5] = 1;     // an empty channel's leftover index rides along
    const std::vector<CopiedChannel> copied = copyChannels(g, {1, 2, 3});
    ASSERT_EQ(copied.size(), 3u);
    const auto back = channelsFromOwnForm(channelsAsOwnForm(copied));
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, copied);
    EXPECT_EQ((*back)[2].cells[4], QStringLiteral("D754I"));
    EXPECT_EQ((*back)[1].index[5], 1);

    for (const char* bad :
         {"", "{}", "not json", R"({"format":"q716-channels","version":2})",
          R"({"format":"q716-channels","version":1,"channels":[{"cells":[],"index":[]}]})"})
        EXPECT_FALSE(channelsFromOwnForm(QByteArray(bad))) << bad;
}

TEST(ChannelClipboard, TextFormIsTheCsvExportWithTabs) {
    const EditorState s = tableWith({2, 5});
    const QString text = channelsAsText(copyChannels(s.form1.grid, {2, 3, 5}));
    const QStringList lines = text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3); // the header and the two channels in use
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("Location\tName\tFrequency\t")));
    EXPECT_TRUE(lines[1].contains(QStringLiteral("\t402.125000\t")));
    EXPECT_TRUE(lines[2].contains(QStringLiteral("\t405.125000\t")));
}

// Copy, then paste elsewhere: the same channels, list texts in the language
// of the table pasted into.
TEST(ChannelClipboard, PasteAtAChannelOnwards) {
    const EditorState source = tableWith({1, 2});
    const std::vector<CopiedChannel> copied = copyChannels(source.form1.grid, {1, 2});
    EditorState s = tableWith({16});
    RowOperationResult r = pasteChannels(s, 15, copied, 1);
    ASSERT_TRUE(r.changed);
    EXPECT_EQ(r.selection, (ChannelRows{15, 16}));
    EXPECT_EQ(s.form1.grid.cells[15][1], QStringLiteral("401.12500"));
    EXPECT_EQ(s.form1.grid.cells[16][1], QStringLiteral("402.12500"));
    EXPECT_EQ(s.form1.grid.cells[16][5], QStringLiteral("Hight")); // copied as "高"
    EXPECT_EQ(s.form1.grid.index[16], source.form1.grid.index[2]);

    EditorState at1 = freshEditorState();
    pasteChannels(at1, 1, copied, 0);
    EXPECT_EQ(at1.form1.grid.cells[1], source.form1.grid.cells[1]);
    EXPECT_EQ(at1.form1.grid.cells[2], source.form1.grid.cells[2]);
}

// Paste never writes past channel 16: it refuses whole, with a message that
// says how many channels fit.
TEST(ChannelClipboard, PasteThatDoesNotFitIsRefused) {
    const EditorState full = tableWith({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16});
    const std::vector<CopiedChannel> three = copyChannels(full.form1.grid, {1, 2, 3});
    EditorState s = tableWith({1});
    const EditorState before = s;
    RowOperationResult r = pasteChannels(s, 15, three, 1);
    EXPECT_FALSE(r.changed);
    ASSERT_TRUE(r.message);
    EXPECT_TRUE(
        r.message->text.contains(QLatin1String("holds 3 channels; from channel 15 on only 2")));
    EXPECT_EQ(s, before);

    const QString text = channelsAsText(three);
    const PastedText pasted = channelsFromText(text, 15, 0, 0);
    ASSERT_TRUE(pasted.refusal);
    EXPECT_TRUE(pasted.refusal->text.contains(QStringLiteral("从信道 15 起只能放下 2 个")));
}

// A spreadsheet's text: tabs or commas, extra columns and columns in another
// order, mapped by the CSV rules.
TEST(ChannelClipboard, SpreadsheetTextWithExtraColumns) {
    const QString text =
        QStringLiteral("Comment\tFrequency\tLocation\tTone\trToneFreq\tPower\tMode\tMy notes\r\n"
                       "first\t435.125000\t7\tTone\t88.5\t1.0W\tNFM\tx\r\n"
                       "second\t146.520000\t9\t\t\t5W\tFM\ty\r\n");
    PastedText pasted = channelsFromText(text, 3, 0, 1);
    EXPECT_TRUE(pasted.refusal); // 146.52 is outside 400-480MHz
    EXPECT_TRUE(pasted.refusal->text.contains(QLatin1String("146.52")));

    pasted = channelsFromText(text, 3, 5, 1); // 136-174MHz: refused for the first row
    EXPECT_TRUE(pasted.refusal);

    const QString inBand =
        QStringLiteral("Comment,Frequency,Location,Tone,rToneFreq,Power,Mode,My notes\n"
                       "first,435.125000,7,Tone,88.5,1.0W,NFM,x\n"
                       "second,446.006250,9,,,5W,FM,y\n");
    pasted = channelsFromText(inBand, 3, 0, 1);
    ASSERT_FALSE(pasted.refusal);
    ASSERT_EQ(pasted.channels.size(), 2u);
    EditorState s = freshEditorState();
    s.values.languageCode = 1;
    pasteChannels(s, 3, pasted.channels, 1);
    // Placed at 3 and 4 in their order, whatever their Location says.
    EXPECT_EQ(s.form1.grid.cells[3][1], QStringLiteral("435.12500"));
    EXPECT_EQ(s.form1.grid.cells[3][4], QStringLiteral("88.5"));
    EXPECT_EQ(s.form1.grid.cells[3][5], QStringLiteral("Low"));
    EXPECT_EQ(s.form1.grid.cells[3][7], QStringLiteral("Narrow"));
    EXPECT_EQ(s.form1.grid.cells[4][1], QStringLiteral("446.00625"));
    EXPECT_EQ(s.form1.grid.cells[4][5], QStringLiteral("Hight"));
    EXPECT_FALSE(s.form1.grid.inUse(7));

    // Without the header line, or with nothing under it, the paste says what it needs.
    const PastedText headerless = channelsFromText(QStringLiteral("435.125\t88.5\n"), 1, 0, 1);
    ASSERT_TRUE(headerless.refusal);
    EXPECT_TRUE(headerless.refusal->text.startsWith(
        QLatin1String("The text on the clipboard has no header line.")));
    const PastedText headerOnly = channelsFromText(channelsAsText({}), 1, 0, 1);
    ASSERT_TRUE(headerOnly.refusal);
    EXPECT_TRUE(headerOnly.refusal->text.contains(QLatin1String("but no channel rows")));
}

// The own form, from this program or any other, goes through the rules of
// typing for the band pasted into: a channel that fails refuses the paste,
// named with its reason; one that passes pastes exactly.
TEST(ChannelClipboard, OwnFormTakesTheRulesOfTyping) {
    EditorState vhf = freshEditorState();
    vhf.form1.grid.cells[1][1] = QStringLiteral("150.02500");
    applyNewChannelDefaults(vhf.form1.grid, 1, 0);
    const std::vector<CopiedChannel> copied = copyChannels(vhf.form1.grid, {1});
    struct Case {
        int band;
        int column;       // 0: as copied
        const char* text; // nullptr: the cell as copied
        int index;        // -1: as copied
        const char* reason;
    };
    const Case cases[] = {
        {5, 0, nullptr, -1, nullptr},
        {0, 0, nullptr, -1, "RX frequency 150.02500 is outside the band 400-480MHz"},
        {5, 1, "abc", -1, "RX frequency \"abc\" is not a number"},
        {5, 3, "-5", -1, "TX frequency \"-5\" is not a number"},
        {5, 1, "12345678.123456", -1, "RX frequency 12345678.123456 is outside the band"},
        {5, 1, "150.02600", -1, "RX frequency 150.02600 is not on the 5 kHz / 6.25 kHz raster"},
        {5, 2, "3075.4", -1, "RX QT/DQT \"3075.4\" is no CTCSS or DCS tone this radio takes"},
        {5, 4, nullptr, 261, "TX QT/DQT list position 261 is outside 0..260"},
        {5, 6, nullptr, 260, "Forbid list position 260 is outside 0..1"},
        {5, 5, "Low", 1, "Power \"Low\" is not the entry of list position 1"},
    };
    for (const Case& c : cases) {
        std::vector<CopiedChannel> channels = copied;
        if (c.text)
            channels[0].cells[c.column] = QString::fromUtf8(c.text);
        if (c.index >= 0)
            channels[0].index[c.column] = c.index;
        const auto read = channelsFromOwnForm(channelsAsOwnForm(channels));
        ASSERT_TRUE(read);
        const PastedText pasted = checkOwnFormChannels(*read, 7, c.band, 1);
        if (!c.reason) {
            ASSERT_FALSE(pasted.refusal);
            EditorState s = freshEditorState();
            pasteChannels(s, 7, pasted.channels, 0);
            EXPECT_EQ(copyChannels(s.form1.grid, {7}), copied);
            continue;
        }
        ASSERT_TRUE(pasted.refusal) << c.reason;
        EXPECT_TRUE(pasted.refusal->text.contains(
            QStringLiteral("channel 7 (number 1 on the clipboard): ") +
            QString::fromUtf8(c.reason)))
            << pasted.refusal->text.toStdString();
    }
}

// Copied in one program, pasted in another: the text form read back gives
// the same channels as the own form.
TEST(ChannelClipboard, TextRoundTripGivesTheSameChannels) {
    EditorState s = tableWith({1, 2, 3});
    s.form1.grid.cells[2][2] = QStringLiteral("D023N");
    s.form1.grid.index[2][2] = 51;
    s.form1.grid.cells[3][3] = QStringLiteral("410.12500");
    const std::vector<CopiedChannel> copied = copyChannels(s.form1.grid, {1, 2, 3});
    const PastedText pasted = channelsFromText(channelsAsText(copied), 1, 0, 0);
    ASSERT_FALSE(pasted.refusal);
    EXPECT_EQ(pasted.channels, copied);
}
