#include "shell/MainWindowLists.h"

#include <gtest/gtest.h>

using namespace q716;

TEST(MainWindowLists, LanguageDependentEntriesFollowTheLanguage) {
    EXPECT_EQ(mainWindowListItems("Combo3", 0).at(11), QStringLiteral("180 秒"));
    EXPECT_EQ(mainWindowListItems("Combo3", 1).at(11), QStringLiteral("180 S"));
    EXPECT_EQ(mainWindowListItems("Combo4", 1).at(0), QStringLiteral("Off"));
    EXPECT_EQ(mainWindowListItems("Combo9", 1).at(4), QStringLiteral("4 Group"));
    EXPECT_EQ(mainWindowListItems("Combo2", 1).at(2), QStringLiteral("Englist"));
}

TEST(MainWindowLists, FixedEntriesAreTheSameInBothLanguages) {
    const QStringList delays = {"0.3S", "0.5S", "1S", "1.5S", "2S", "3S"};
    EXPECT_EQ(mainWindowListItems("Combo12", 0), delays);
    EXPECT_EQ(mainWindowListItems("Combo12", 1), delays);
    const QStringList gain = mainWindowListItems("Combo13", 1);
    ASSERT_EQ(gain.size(), 11);
    EXPECT_EQ(gain.front(), QStringLiteral("Off"));
    EXPECT_EQ(gain.back(), QStringLiteral("10"));
}

TEST(MainWindowLists, OtherLanguageCodesKeepTheDesignTexts) {
    EXPECT_EQ(mainWindowListItems("Combo3", 2).at(0), QStringLiteral("15 S"));
    EXPECT_EQ(mainWindowListItems("Combo6", 2).at(1), QStringLiteral("使能"));
    EXPECT_TRUE(mainWindowListItems("Combo99", 0).isEmpty());
}
