// Form4's grid: row numbers, the edit rules and the raster arithmetic.
#include "dialogs/TestFrequencyDialog.h"
#include "image/BuildImage.h"
#include "state/InitDefaults.h"

#include <gtest/gtest.h>

using namespace q716;

namespace {
struct Grid {
    EditorState s = freshEditorState();
    Grid() { loadTestFrequencyDialog(s); }
    TestCellEdit edit(int row, int column, const QString& typed) {
        return commitTestCell(s, row, column, typed);
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
    for (const char* f : {"999.99500", "100.00000", "470.00000", "136.11875", "520.99375"}) {
        g.edit(5, 1, QString::fromLatin1(f));
        EXPECT_EQ(g.rx(5), QString::fromLatin1(f));
    }
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

TEST(TestFrequencyDialog, AnUnchangedTextRunsNoRule) {
    Grid g;
    EXPECT_EQ(g.edit(1, 1, QStringLiteral("435.0125")), TestCellEdit::Stored);
    EXPECT_EQ(g.edit(1, 2, QStringLiteral("436")), TestCellEdit::Stored);
    // Opening the receive cell and leaving it as it was keeps the transmit cell.
    EXPECT_EQ(g.edit(1, 1, QStringLiteral("435.01250")), TestCellEdit::Unchanged);
    EXPECT_EQ(g.tx(1), QStringLiteral("436.00000"));
    EXPECT_EQ(g.edit(2, 1, QString()), TestCellEdit::Unchanged);
    EXPECT_TRUE(g.tx(2).isEmpty());
    // The same value written otherwise is an edit.
    EXPECT_EQ(g.edit(1, 1, QStringLiteral("435.0125")), TestCellEdit::Stored);
    EXPECT_EQ(g.tx(1), QStringLiteral("435.01250"));
}

// An earlier version showed "12.5" as 12.50000, "1000" as 1000.00000 and
// "abc" as 0.00000, texts the image stores as FF FF FF FF.
TEST(TestFrequencyDialog, ValuesTheRadioCannotHoldLeaveTheCellAsItWas) {
    struct Case {
        const char* typed;
        TestCellEdit result;
        const char* rx; // the receive cell afterwards
    };
    const Case cases[] = {
        {"12.5", TestCellEdit::Refused, "435.01250"},
        {"1000", TestCellEdit::Refused, "435.01250"},
        {"abc", TestCellEdit::Refused, "435.01250"},
        {"-5", TestCellEdit::Refused, "435.01250"},
        {" 435", TestCellEdit::Refused, "435.01250"},
        {"435.0.1", TestCellEdit::Refused, "435.01250"},
        {"0.005", TestCellEdit::Refused, "435.01250"},
        {"999.999996", TestCellEdit::Refused, "435.01250"}, // 1000.00000 once rounded
        {"99.999996", TestCellEdit::Stored, "100.00000"},
        {"100", TestCellEdit::Stored, "100.00000"},
        {"999.99999", TestCellEdit::Stored, "999.99500"},
        {"446.", TestCellEdit::Stored, "446.00000"},
    };
    for (const Case& c : cases) {
        Grid g;
        g.edit(3, 1, QStringLiteral("435.0125"));
        g.edit(3, 2, QStringLiteral("436"));
        const QString typed = QString::fromLatin1(c.typed);
        EXPECT_EQ(g.edit(3, 1, typed), c.result) << c.typed;
        EXPECT_EQ(g.rx(3), QString::fromLatin1(c.rx)) << c.typed;
        if (c.result == TestCellEdit::Refused) {
            EXPECT_EQ(g.tx(3), QStringLiteral("436.00000")) << c.typed;
            EXPECT_EQ(g.edit(3, 2, typed), TestCellEdit::Refused) << c.typed;
            EXPECT_EQ(g.tx(3), QStringLiteral("436.00000")) << c.typed;
        }
        // What the cells show is what the image holds.
        acceptTestFrequencyDialog(g.s);
        const QString image = BuildImage(g.s);
        const qsizetype at = 2 * (0x0280 + 8 * 2 - 0x0010);
        EXPECT_NE(image.mid(at, 8), QStringLiteral("FFFFFFFF")) << c.typed;
        EXPECT_NE(image.mid(at + 8, 8), QStringLiteral("FFFFFFFF")) << c.typed;
    }
}

TEST(TestFrequencyDialog, RefusalsNameTheTextInTheCurrentLanguage) {
    const Message zh = testFrequencyRefusedMessage(QStringLiteral("12.5"), 0);
    EXPECT_TRUE(zh.text.contains(QStringLiteral("“12.5”"))) << zh.text.toStdString();
    EXPECT_TRUE(zh.text.contains(QStringLiteral("频率")));
    const Message en = testFrequencyRefusedMessage(QStringLiteral("abc"), 1);
    EXPECT_TRUE(en.text.startsWith(QStringLiteral("\"abc\" is not a frequency")));
}

TEST(TestFrequencyDialog, AFrequencyTextHasThreeDigitsOfMegahertzAndFiveDecimals) {
    EXPECT_EQ(testFrequencyText(QStringLiteral("435.0125")), QStringLiteral("435.01250"));
    EXPECT_EQ(testFrequencyText(QStringLiteral("435.012345")), QStringLiteral("435.01235"));
    EXPECT_FALSE(testFrequencyText(QString()).has_value());
    EXPECT_FALSE(testFrequencyText(QStringLiteral("12.5")).has_value());
    EXPECT_FALSE(testFrequencyText(QStringLiteral("1000")).has_value());
}
