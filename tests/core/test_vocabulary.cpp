#include "channels/Vocabulary.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace q716;

TEST(Vocabulary, ToneListOrderIsTheStoredOrder) {
    // The radio's tone table, in list order.
    const QStringList ctcss =
        QStringLiteral("67.0 69.3 71.9 74.4 77.0 79.7 82.5 85.4 88.5 91.5 94.8 97.4 "
                       "100.0 103.5 107.2 110.9 114.8 118.8 123.0 127.3 131.8 136.5 "
                       "141.3 146.2 151.4 156.7 159.8 162.2 165.5 167.9 171.3 173.8 "
                       "177.3 179.9 183.5 186.2 189.9 192.8 196.6 199.9 203.5 206.5 "
                       "210.7 218.1 225.7 229.1 233.6 241.8 250.3 254.1")
            .split(QLatin1Char(' '));
    const QStringList dcs =
        QStringLiteral("023 025 026 031 032 036 043 047 051 053 054 065 071 072 073 074 114 115 "
                       "116 122 125 131 132 134 143 145 152 155 156 162 165 172 174 205 212 223 "
                       "225 226 243 244 245 246 251 252 255 261 263 265 266 271 274 306 311 315 "
                       "325 331 332 343 346 351 356 364 365 371 411 412 413 423 431 432 445 446 "
                       "452 454 455 462 464 465 466 503 506 516 523 526 532 546 565 606 612 624 "
                       "627 631 632 645 654 662 664 703 712 723 731 732 734 743 754")
            .split(QLatin1Char(' '));
    ASSERT_EQ(ctcss.size(), 50);
    ASSERT_EQ(dcs.size(), 105);
    EXPECT_EQ(toneItem(0, 0), QStringLiteral("关闭"));
    EXPECT_EQ(toneItem(0, 1), QStringLiteral("Off"));
    for (int lang : {0, 1}) {
        for (int t = 0; t < 50; ++t)
            EXPECT_EQ(toneItem(1 + t, lang), ctcss[t]) << t;
        for (int k = 0; k < 105; ++k) {
            EXPECT_EQ(toneItem(51 + k, lang), "D" + dcs[k] + "N") << k;
            EXPECT_EQ(toneItem(156 + k, lang), "D" + dcs[k] + "I") << k;
        }
    }
    EXPECT_TRUE(toneItem(261, 1).isEmpty());
    EXPECT_TRUE(toneItem(-1, 1).isEmpty());
}

TEST(Vocabulary, BandsGiveLimitsAndCodes) {
    struct Band {
        const char* item;
        int low, high, code;
    };
    const Band bands[] = {{"400-480MHz", 400, 480, 0x33}, {"450-490MHz", 450, 490, 0x21},
                          {"400-430MHz", 400, 430, 0x43}, {"370-390MHz", 370, 390, 0x63},
                          {"350-370MHz", 350, 370, 0x53}, {"136-174MHz", 136, 174, 0x01},
                          {"600-720MHz", 600, 720, 0x73}};
    ASSERT_EQ(BandCount, 7);
    for (int i = 0; i < BandCount; ++i) {
        EXPECT_EQ(bandItem(i), QLatin1String(bands[i].item)) << i;
        EXPECT_EQ(bandLimits(i).low, bands[i].low) << i;
        EXPECT_EQ(bandLimits(i).high, bands[i].high) << i;
        EXPECT_EQ(bandCode(i), bands[i].code) << i;
        EXPECT_EQ(bandIndexForCode(bands[i].code), i) << i;
    }
    EXPECT_FALSE(bandIndexForCode(0x99).has_value());
    EXPECT_FALSE(bandIndexForCode(0xFF).has_value());
}

TEST(Vocabulary, FlagCellsAreRecognisedInEitherLanguage) {
    EXPECT_EQ(flagItem(5, 1, 1), QStringLiteral("Hight"));
    EXPECT_EQ(flagItem(6, 1, 0), QStringLiteral("载波"));
    EXPECT_EQ(flagEntry(7, QStringLiteral("宽带")), 1);
    EXPECT_EQ(flagEntry(7, QStringLiteral("Narrow")), 0);
    EXPECT_FALSE(flagEntry(8, QStringLiteral("Off")).has_value());
}
