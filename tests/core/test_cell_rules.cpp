#include "channels/CellRules.h"

#include "channels/ChannelTable.h"
#include "state/InitDefaults.h"

#include <gtest/gtest.h>

using namespace q716;

namespace {

constexpr int English = 1;
constexpr int Chinese = 0;

// A fresh main window in band "400-480MHz".
MainWindowState freshForm() {
    return freshEditorState().form1;
}

FrequencyCommit commitRx(const QString& typed, int low = 400, int high = 480) {
    return commitFrequency(typed, 1, true, low, high, English);
}

bool onRaster(int tenHz) {
    return tenHz % 500 == 0 || tenHz % 625 == 0;
}

} // namespace

TEST(SnapFrequency, KnownValues) {
    EXPECT_EQ(SnapFrequency(QStringLiteral("435.12345")), QStringLiteral("435.12000"));
    EXPECT_EQ(SnapFrequency(QStringLiteral("146.01300")), QStringLiteral("146.01250"));
    EXPECT_EQ(SnapFrequency(QStringLiteral("145.55625")), QStringLiteral("145.55625"));
    EXPECT_EQ(SnapFrequency(QStringLiteral("145.56000")), QStringLiteral("145.56000"));
    EXPECT_EQ(SnapFrequency(QStringLiteral("479.99999")), QStringLiteral("479.99500"));
    EXPECT_EQ(SnapFrequency(QStringLiteral("abc")), QStringLiteral("abc"));
}

TEST(SnapFrequency, EverySubStepValueLandsOnTheHighestRasterPointBelow) {
    for (int a = 0; a < 10000; ++a) {
        const QString in = QStringLiteral("435.1%1").arg(a, 4, 10, QLatin1Char('0'));
        const QString out = SnapFrequency(in);
        ASSERT_EQ(out.size(), 9) << in.toStdString();
        ASSERT_EQ(out.left(5), QStringLiteral("435.1")) << in.toStdString();
        const int r = out.right(4).toInt();
        ASSERT_LE(r, a) << in.toStdString();
        ASSERT_TRUE(onRaster(r)) << in.toStdString();
        for (int x = r + 1; x < a; ++x)
            ASSERT_FALSE(onRaster(x)) << in.toStdString() << " skips " << x;
    }
}

TEST(FrequencyCommit, BandEdgesAndRaster) {
    EXPECT_EQ(commitRx(QStringLiteral("400")).text, QStringLiteral("400.00000"));
    EXPECT_EQ(commitRx(QStringLiteral("479.99999")).text, QStringLiteral("479.99500"));
    EXPECT_EQ(commitRx(QStringLiteral("146.013"), 136, 174).text, QStringLiteral("146.01250"));
    EXPECT_EQ(commitRx(QStringLiteral("435.12345")).text, QStringLiteral("435.12000"));
    EXPECT_EQ(commitRx(QStringLiteral("0435.1")).text, QStringLiteral("435.10000"));
    // More than five decimals are rounded before the snap.
    EXPECT_EQ(commitRx(QStringLiteral("435.1234567")).text, QStringLiteral("435.12000"));
    EXPECT_EQ(commitRx(QStringLiteral("435.006249")).text, QStringLiteral("435.00625"));

    for (const char* refused :
         {"480", "399.99999", ".5", "5.", "479.999996", "1000000000000000000000"}) {
        const FrequencyCommit c = commitRx(QString::fromLatin1(refused));
        EXPECT_EQ(c.kind, FrequencyCommit::Kind::Unchanged) << refused;
        ASSERT_TRUE(c.message.has_value()) << refused;
        EXPECT_EQ(c.message->text, QStringLiteral("Beyond the frequency range"));
        EXPECT_EQ(c.message->style, MsgOk);
        EXPECT_TRUE(c.message->title.isEmpty());
    }
    EXPECT_EQ(commitFrequency(QStringLiteral("480"), 1, true, 400, 480, Chinese).message->text,
              QStringLiteral("超出频段范围"));
    EXPECT_EQ(commitFrequency(QStringLiteral("480"), 1, true, 400, 480, 2).message->text,
              QStringLiteral("Beyond the frequency range"));
}

TEST(FrequencyCommit, TextTheKeyFilterCannotProduceIsIgnoredSilently) {
    for (const char* typed : {"1.2.3", "435,1", "-435", " 435", "4e2", "abc", "."}) {
        const FrequencyCommit c = commitRx(QString::fromLatin1(typed));
        EXPECT_EQ(c.kind, FrequencyCommit::Kind::Unchanged) << typed;
        EXPECT_FALSE(c.message.has_value()) << typed;
    }
    EXPECT_FALSE(isTypedNumber(QStringLiteral("1.2.3")));
    EXPECT_TRUE(isTypedNumber(QStringLiteral(".5")));
    EXPECT_EQ(formatFiveDecimals(QStringLiteral("99.999996")), QStringLiteral("100.00000"));
}

TEST(FrequencyCommit, FirstReceiveFrequencyMakesAWholeChannel) {
    MainWindowState f = freshForm();
    const FrequencyCommit c = commitFrequencyAt(f, 4, 1, QStringLiteral("435.1"), English);
    EXPECT_TRUE(c.newChannel);
    const std::array<QString, 9> row = {"04",    "435.10000", "Off",  "435.10000", "Off",
                                        "Hight", "Off",       "Wide", "Have"};
    EXPECT_EQ(f.grid.cells[4], row);
    const std::array<int, 9> indexes = {0, 0, 0, 0, 0, 1, 0, 1, 1};
    EXPECT_EQ(f.grid.index[4], indexes);

    // A new receive frequency of an existing channel changes column 1 only.
    f.grid.cells[4][3] = QStringLiteral("440.00000");
    f.grid.cells[4][5] = QStringLiteral("Low");
    f.grid.index[4][5] = 0;
    commitFrequencyAt(f, 4, 1, QStringLiteral("436"), English);
    EXPECT_EQ(f.grid.cells[4][1], QStringLiteral("436.00000"));
    EXPECT_EQ(f.grid.cells[4][3], QStringLiteral("440.00000"));
    EXPECT_EQ(f.grid.cells[4][5], QStringLiteral("Low"));

    // Column 3 edits never fill defaults.
    EXPECT_FALSE(commitFrequency(QStringLiteral("436"), 3, true, 400, 480, English).newChannel);
}

TEST(FrequencyCommit, ClearingReceiveRemovesTheChannelClearingTransmitDoesNot) {
    MainWindowState f = freshForm();
    commitFrequencyAt(f, 2, 1, QStringLiteral("435.1"), Chinese);
    commitFrequencyAt(f, 2, 3, QString(), Chinese);
    EXPECT_EQ(f.grid.cells[2][3], QStringLiteral("435.10000"));
    EXPECT_TRUE(f.grid.inUse(2));

    commitFrequencyAt(f, 2, 1, QString(), Chinese);
    for (int col = 1; col <= 8; ++col) {
        EXPECT_TRUE(f.grid.cells[2][col].isEmpty());
        EXPECT_EQ(f.grid.index[2][col], 0);
    }
    EXPECT_EQ(f.grid.cells[2][0], QStringLiteral("02"));
}

TEST(GridClick, EditorFollowsTheColumnAndEmptyRowsStartAtReceive) {
    MainWindowState f = freshForm();
    for (int col = 1; col <= 8; ++col) {
        const GridClickTarget t = gridClickTarget(f.grid, 5, col);
        EXPECT_EQ(t.editor, CellEditor::Text1) << col;
        EXPECT_EQ(t.row, 5);
        EXPECT_EQ(t.col, 1);
    }
    EXPECT_EQ(gridClickTarget(f.grid, 5, 0).editor, CellEditor::None);
    EXPECT_EQ(gridClickTarget(f.grid, 0, 3).editor, CellEditor::None);
    EXPECT_EQ(gridClickTarget(f.grid, 17, 1).editor, CellEditor::None);
    EXPECT_EQ(gridClickTarget(f.grid, 5, 9).editor, CellEditor::None);

    commitFrequencyAt(f, 5, 1, QStringLiteral("435.1"), English);
    GridClickTarget t = gridClickTarget(f.grid, 5, 3);
    EXPECT_EQ(t.editor, CellEditor::Text1);
    EXPECT_EQ(t.text, QStringLiteral("435.10000"));
    t = gridClickTarget(f.grid, 5, 4);
    EXPECT_EQ(t.editor, CellEditor::Combo8);
    EXPECT_EQ(t.text, QStringLiteral("Off"));
    t = gridClickTarget(f.grid, 5, 7);
    EXPECT_EQ(t.editor, CellEditor::Combo5);
    EXPECT_EQ(t.col, 7);
    EXPECT_EQ(t.listIndex, 1);
    EXPECT_EQ(gridClickTarget(f.grid, 5, 0).editor, CellEditor::None);
}

TEST(ToneCommit, CtcssValuesGetOneDecimal) {
    EXPECT_EQ(commitTone(QStringLiteral("88.5")), QStringLiteral("88.5"));
    EXPECT_EQ(commitTone(QStringLiteral("100")), QStringLiteral("100.0"));
    EXPECT_EQ(commitTone(QStringLiteral("88.55")), QStringLiteral("88.6"));
    EXPECT_EQ(commitTone(QStringLiteral("67")), QStringLiteral("67.0"));
    EXPECT_EQ(commitTone(QStringLiteral("254.1")), QStringLiteral("254.1"));
    EXPECT_EQ(commitTone(QStringLiteral("99.96")), QStringLiteral("100.0"));
    // Only the leading number counts and is written.
    EXPECT_EQ(commitTone(QStringLiteral("88.5N")), QStringLiteral("88.5"));
    for (const char* kept : {"300", "50", "66.9", "254.2", "", "N88", "Off", "关闭", "P23N", "."})
        EXPECT_FALSE(commitTone(QString::fromUtf8(kept)).has_value()) << kept;
}

TEST(ToneCommit, DcsCodesAreThreeOctalDigitsAndPolarity) {
    EXPECT_EQ(commitTone(QStringLiteral("D23N")), QStringLiteral("D023N"));
    EXPECT_EQ(commitTone(QStringLiteral("D5I")), QStringLiteral("D005I"));
    EXPECT_EQ(commitTone(QStringLiteral("D1000I")), QStringLiteral("D777I"));
    EXPECT_EQ(commitTone(QStringLiteral("D0023N")), QStringLiteral("D023N"));
    EXPECT_EQ(commitTone(QStringLiteral("D754I")), QStringLiteral("D754I"));
    for (const char* kept : {"D089N", "D12", "DN", "D2.3N", "D023X", "D0000000000000000099N"})
        EXPECT_FALSE(commitTone(QString::fromLatin1(kept)).has_value()) << kept;
    EXPECT_EQ(commitTone(QStringLiteral("D00000000000000000001I")), QStringLiteral("D001I"));
}

TEST(ToneCommit, TypedThroughTheKeyFilter) {
    QString typed;
    for (QChar key : QStringLiteral("d23nx"))
        if (const auto k = filterCombo8Key(key))
            typed += *k;
    EXPECT_EQ(typed, QStringLiteral("D23N"));

    ChannelGrid g;
    g.cells[1][1] = QStringLiteral("435.10000");
    applyNewChannelDefaults(g, 1, English);
    commitToneAt(g, 1, 2, typed);
    EXPECT_EQ(g.cells[1][2], QStringLiteral("D023N"));
    EXPECT_EQ(g.index[1][2], 0);
    commitToneAt(g, 1, 2, QStringLiteral("300"));
    EXPECT_EQ(g.cells[1][2], QStringLiteral("D023N"));
}

TEST(ListChoice, ItemTextAndIndexReachTheCell) {
    ChannelGrid g;
    g.cells[1][1] = QStringLiteral("435.10000");
    applyNewChannelDefaults(g, 1, English);
    chooseToneItem(g, 1, 4, 260, English);
    EXPECT_EQ(g.cells[1][4], QStringLiteral("D754I"));
    EXPECT_EQ(g.index[1][4], 260);
    chooseToneItem(g, 1, 4, 261, English); // no such item: the cell keeps its tone
    EXPECT_EQ(g.cells[1][4], QStringLiteral("D754I"));
    EXPECT_EQ(g.index[1][4], 260);
    commitToneAt(g, 1, 4, g.cells[1][4]); // the commit that follows a choice
    EXPECT_EQ(g.cells[1][4], QStringLiteral("D754I"));

    // Choosing "Off" after a tone is not undone by the commit that follows.
    chooseToneItem(g, 1, 4, 0, Chinese);
    commitToneAt(g, 1, 4, g.cells[1][4]);
    EXPECT_EQ(g.cells[1][4], QStringLiteral("关闭"));
    EXPECT_EQ(g.index[1][4], 0);

    chooseFlagItem(g, 1, 5, 0, English);
    EXPECT_EQ(g.cells[1][5], QStringLiteral("Low"));
    EXPECT_EQ(g.index[1][5], 0);
    chooseFlagItem(g, 1, 6, 1, Chinese);
    EXPECT_EQ(g.cells[1][6], QStringLiteral("载波"));
    chooseFlagItem(g, 1, 6, 2, Chinese);
    EXPECT_EQ(g.index[1][6], 1);
}

TEST(KeyFilters, EachEditorLetsOnlyItsKeysThrough) {
    const QChar backspace(8);
    const QString all = QStringLiteral("09.aAzZdniDNIx-+ \r");
    QString text1, combo8, password;
    for (QChar c : all + backspace) {
        if (const auto k = filterText1Key(c))
            text1 += *k;
        if (const auto k = filterCombo8Key(c))
            combo8 += *k;
        if (const auto k = filterPasswordKey(c))
            password += *k;
    }
    EXPECT_EQ(text1, QStringLiteral("09.") + backspace);
    EXPECT_EQ(combo8, QStringLiteral("09.DNIDNI") + backspace);
    EXPECT_EQ(password, QStringLiteral("09.aAzZdniDNIx") + backspace);
    EXPECT_FALSE(filterPasswordKey(QChar(0x00E9)).has_value());
    EXPECT_FALSE(filterText1Key(QChar(0x0663)).has_value()); // Arabic-Indic three
}
