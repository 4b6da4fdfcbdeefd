#include "shell/TAnMaTiming.h"

#include <gtest/gtest.h>

using namespace q716;

TEST(TAnMaTiming, SecondPressIsComparedWithTheRoundedFirst) {
    TAnMaTiming late;
    EXPECT_FALSE(late.press(10.6));
    EXPECT_EQ(late.stamp(), 11);
    EXPECT_TRUE(late.press(11.8));
    EXPECT_EQ(late.stamp(), 0);

    TAnMaTiming early;
    EXPECT_FALSE(early.press(10.4));
    EXPECT_EQ(early.stamp(), 10);
    EXPECT_FALSE(early.press(11.6)); // restarts the timing
    EXPECT_EQ(early.stamp(), 12);
    EXPECT_TRUE(early.press(12.2));
}

TEST(TAnMaTiming, ThirdPressStartsAgain) {
    TAnMaTiming t;
    EXPECT_FALSE(t.press(100.0));
    EXPECT_TRUE(t.press(100.5));
    EXPECT_FALSE(t.press(100.7));
    EXPECT_TRUE(t.press(101.1));
}

TEST(TAnMaTiming, OneWholeSecondLaterOnlyRestarts) {
    TAnMaTiming t;
    EXPECT_FALSE(t.press(20.0));
    EXPECT_FALSE(t.press(21.0)); // not less than 1 s after the stored 20
    EXPECT_EQ(t.stamp(), 21);
    EXPECT_TRUE(t.press(21.999));
}

TEST(TAnMaTiming, ANoneStampIsNeverComparedWithMidnight) {
    // Stamp 0 means "no press yet", even in the first second of the day.
    TAnMaTiming t;
    EXPECT_FALSE(t.press(0.4));
    EXPECT_EQ(t.stamp(), 0);
    EXPECT_FALSE(t.press(0.7));
    EXPECT_EQ(t.stamp(), 1);
    EXPECT_TRUE(t.press(1.2));
}
