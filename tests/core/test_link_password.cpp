// The checks of the password dialog.

#include "link/PasswordChange.h"

#include <gtest/gtest.h>

using namespace q716;

TEST(LinkPasswordDialog, ChecksInOrderWithTheirMessages) {
    PasswordCheck c = checkNewPassword("", "new", "new", 1);
    EXPECT_FALSE(c.accepted);
    EXPECT_FALSE(c.clearConfirmation);
    EXPECT_EQ(c.message.text, QStringLiteral("Password cannot be empty, please re-enter!"));
    EXPECT_EQ(c.message.style, 0);
    EXPECT_EQ(checkNewPassword("old", "", "", 0).message.text,
              QStringLiteral("密码不能为空，请重输！"));
    c = checkNewPassword("old", "Abc", "abc", 0);
    EXPECT_FALSE(c.accepted);
    EXPECT_TRUE(c.clearConfirmation);
    EXPECT_EQ(c.message.text, QStringLiteral("确认密码不对，请重输！"));
    EXPECT_EQ(checkNewPassword("old", "a", "b", 1).message.text,
              QStringLiteral("Confirm password is incorrect, please rewrite!"));
    EXPECT_TRUE(checkNewPassword("old", "abc", "abc", 1).accepted);
}

TEST(LinkPasswordDialog, KeyFilterKeepsDigitsLettersPointAndBackspace) {
    for (QChar c : QStringLiteral("09AZaz.\b"))
        EXPECT_TRUE(passwordKeyAllowed(c)) << int(c.unicode());
    for (QChar c : QStringLiteral(" -_*é中\r"))
        EXPECT_FALSE(passwordKeyAllowed(c)) << int(c.unicode());
}
