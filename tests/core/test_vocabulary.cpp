#include "channels/Vocabulary.h"

#include <gtest/gtest.h>

using namespace q716;

TEST(Vocabulary, ToneListOrderIsTheStoredOrder) {
    EXPECT_EQ(toneItem(0, 0), QStringLiteral("关闭"));
    EXPECT_EQ(toneItem(0, 1), QStringLiteral("Off"));
    EXPECT_EQ(toneItem(1, 1), QStringLiteral("67.0"));
    EXPECT_EQ(toneItem(50, 1), QStringLiteral("254.1"));
    EXPECT_EQ(toneItem(51, 1), QStringLiteral("D023N"));
    EXPECT_EQ(toneItem(155, 1), QStringLiteral("D754N"));
    EXPECT_EQ(toneItem(156, 1), QStringLiteral("D023I"));
    EXPECT_EQ(toneItem(260, 1), QStringLiteral("D754I"));
    EXPECT_TRUE(toneItem(261, 1).isEmpty());
}

TEST(Vocabulary, BandsGiveLimitsAndCodes) {
    EXPECT_EQ(bandLimits(0).low, 400);
    EXPECT_EQ(bandLimits(0).high, 480);
    EXPECT_EQ(bandLimits(5).low, 136);
    EXPECT_EQ(bandLimits(5).high, 174);
    EXPECT_EQ(bandCode(5), 0x01);
    EXPECT_EQ(bandIndexForCode(0x73), 6);
    EXPECT_FALSE(bandIndexForCode(0x99).has_value());
}

TEST(Vocabulary, FlagCellsAreRecognisedInEitherLanguage) {
    EXPECT_EQ(flagItem(5, 1, 1), QStringLiteral("Hight"));
    EXPECT_EQ(flagItem(6, 1, 0), QStringLiteral("载波"));
    EXPECT_EQ(flagEntry(7, QStringLiteral("宽带")), 1);
    EXPECT_EQ(flagEntry(7, QStringLiteral("Narrow")), 0);
    EXPECT_FALSE(flagEntry(8, QStringLiteral("Off")).has_value());
}
