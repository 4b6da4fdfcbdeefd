// Form4's grid: row numbers, the edit rules and the raster arithmetic.
#include "dialogs/TestFrequencyDialog.h"
#include "state/InitDefaults.h"

#include <gtest/gtest.h>

using namespace q716;

namespace {
struct Grid {
    EditorState s = freshEditorState();
    Grid() { loadTestFrequencyDialog(s); }
    void edit(int row, int column, const QString& typed) {
        s.form4.cells[row][column] = typed;
        afterTestCellEdit(s, row, column);
    }
    const QString& rx(int row) const { return s.form4.cells[row][1]; }
    const QString& tx(int row) const { return s.form4.cells[row][2]; }
};
} // namespace

TEST(TestFrequencyDialog, LoadNumbersTheRowsAndOkStoresThePairs) {
    EditorState s = freshEditorState();
    s.values.testFrequencies[0] = QStringLiteral("435.02500");
    s.values.testFrequencies[31] = QStringLiteral("abc");
    loadTestFrequencyDialog(s);
    EXPECT_EQ(s.form4.cells[0][0], QStringLiteral("00"));
    EXPECT_EQ(s.form4.cells[1][0], QStringLiteral("01"));
    EXPECT_EQ(s.form4.cells[16][0], QStringLiteral("16"));
    EXPECT_EQ(s.form4.cells[1][1], QStringLiteral("435.02500"));
    EXPECT_EQ(s.form4.cells[16][2], QStringLiteral("abc"));
    s.form4.cells[5][1] = QStringLiteral("145.00000");
    s.form4.cells[16][2].clear();
    acceptTestFrequencyDialog(s);
    EXPECT_EQ(s.values.testFrequencies[4], QStringLiteral("145.00000"));
    EXPECT_TRUE(s.values.testFrequencies[31].isEmpty());
    EXPECT_EQ(s.values.testFrequencies[0], QStringLiteral("435.02500"));
}

TEST(TestFrequencyDialog, TransmitCellsOpenOnlyUnderAReceiveFrequency) {
    Grid g;
    EXPECT_TRUE(canEditTestCell(g.s, 1, 1));
    EXPECT_FALSE(canEditTestCell(g.s, 1, 2));
    EXPECT_FALSE(canEditTestCell(g.s, 1, 0));
    EXPECT_FALSE(canEditTestCell(g.s, 0, 1));
    g.edit(1, 1, QStringLiteral("435"));
    EXPECT_TRUE(canEditTestCell(g.s, 1, 2));
}

TEST(TestFrequencyDialog, ReceiveEntriesAreLoweredToTheNearerRasterTieToSixPointTwoFive) {
    Grid g;
    g.edit(1, 1, QStringLiteral("435.0123"));
    EXPECT_EQ(g.rx(1), QStringLiteral("435.01000"));
    EXPECT_EQ(g.tx(1), QStringLiteral("435.01000"));
    g.edit(2, 1, QStringLiteral("435.0125"));
    EXPECT_EQ(g.rx(2), QStringLiteral("435.01250"));
    g.edit(3, 1, QStringLiteral("435.025"));
    EXPECT_EQ(g.rx(3), QStringLiteral("435.02500"));
    g.edit(4, 1, QStringLiteral("145.00625"));
    EXPECT_EQ(g.rx(4), QStringLiteral("145.00625"));
    EXPECT_EQ(g.tx(4), QStringLiteral("145.00625"));
    // Exact multiples keep their value however many steps they hold.
    for (const char* f : {"999.99500", "0.00500", "470.00000", "136.11875", "520.99375"}) {
        g.edit(5, 1, QString::fromLatin1(f));
        EXPECT_EQ(g.rx(5), QString::fromLatin1(f));
    }
    g.edit(6, 1, QStringLiteral("not a number"));
    EXPECT_EQ(g.rx(6), QStringLiteral("0.00000"));
    g.edit(7, 1, QStringLiteral("-5"));
    EXPECT_EQ(g.rx(7), QStringLiteral("0.00000"));
}

TEST(TestFrequencyDialog, TransmitEntriesFollowTheReceiveRaster) {
    Grid g;
    g.edit(1, 1, QStringLiteral("145.005"));
    g.edit(1, 2, QStringLiteral("145.0037"));
    EXPECT_EQ(g.tx(1), QStringLiteral("145.00000"));
    g.edit(1, 2, QStringLiteral("145.0099"));
    EXPECT_EQ(g.tx(1), QStringLiteral("145.00500"));
    g.edit(2, 1, QStringLiteral("145.00625"));
    g.edit(2, 2, QStringLiteral("146.0124"));
    EXPECT_EQ(g.tx(2), QStringLiteral("146.00625"));
    g.edit(2, 2, QStringLiteral("x"));
    EXPECT_EQ(g.tx(2), QStringLiteral("0.00000"));
}

TEST(TestFrequencyDialog, ClearingReceiveClearsTransmitAndClearingTransmitRestoresIt) {
    Grid g;
    g.edit(1, 1, QStringLiteral("435.0125"));
    g.edit(1, 2, QStringLiteral("436"));
    EXPECT_EQ(g.tx(1), QStringLiteral("436.00000"));
    g.edit(1, 2, QString());
    EXPECT_EQ(g.tx(1), QStringLiteral("435.01250"));
    g.edit(1, 1, QString());
    EXPECT_TRUE(g.rx(1).isEmpty());
    EXPECT_TRUE(g.tx(1).isEmpty());
}
