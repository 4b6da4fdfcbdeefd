#include "image/HexHelpers.h"

#include <gtest/gtest.h>

using namespace q716;

TEST(HexHelpers, ByteAndWordHexPadAndKeepLongValues) {
    EXPECT_EQ(ByteHex(0), "00");
    EXPECT_EQ(ByteHex(10), "0A");
    EXPECT_EQ(ByteHex(255), "FF");
    EXPECT_EQ(ByteHex(256), "100");
    EXPECT_EQ(WordHex(300), "012C");
    EXPECT_EQ(WordHex(0), "0000");
    EXPECT_EQ(WordHex(0xFFFF), "FFFF");
}

TEST(HexHelpers, HexToBitsAcceptsLowerCaseAndTreatsJunkAsZero) {
    EXPECT_EQ(HexToBits("F0"), "11110000");
    EXPECT_EQ(HexToBits("a"), "1010");
    EXPECT_EQ(HexToBits("G1"), "00000001");
    EXPECT_EQ(HexToBits(""), "");
}

TEST(HexHelpers, BitsToHexPadsTheCallersTextInPlace) {
    QString bits = "11";
    EXPECT_EQ(BitsToHex(bits), "3");
    EXPECT_EQ(bits, "0011");
    bits = "11110000";
    EXPECT_EQ(BitsToHex(bits), "F0");
    bits = "111111100";
    EXPECT_EQ(BitsToHex(bits), "1FC");
    bits = "1x1z";
    EXPECT_EQ(BitsToHex(bits), "A");
    bits.clear();
    EXPECT_EQ(BitsToHex(bits), "");
}

TEST(HexHelpers, StepRemainderIsExactOnDecimalInputs) {
    EXPECT_NEAR(StepRemainder(0.005, 0.012), 0.002, 1e-12);
    EXPECT_EQ(StepRemainder(0.005, 0.015), 0.0);
    EXPECT_EQ(StepRemainder(0.005, 0.003), 0.003);
    EXPECT_EQ(StepRemainder(0.005, 0.005), 0.0); // one whole step leaves nothing
    EXPECT_EQ(StepRemainderUnits(500, 500), 0);
    EXPECT_EQ(StepRemainderUnits(500, 499), 499);
    EXPECT_NEAR(StepRemainder(0.005, 435.0123), 0.0023, 1e-12);
    EXPECT_EQ(StepRemainder(0.005, 435.025), 0.0);
    EXPECT_EQ(StepRemainder(0.00625, 435.025), 0.0);
    EXPECT_EQ(StepRemainder(0.00625, 145.00625), 0.0);
    EXPECT_EQ(StepRemainderUnits(500, 43502500), 0);
    EXPECT_EQ(StepRemainderUnits(625, 14500625), 0);
    EXPECT_EQ(StepRemainderUnits(500, 43501230), 230);
}

TEST(HexHelpers, BytesAndHexConvertBothWays) {
    const QByteArray bytes("\x00\x7F\xFF\x3A", 4);
    EXPECT_EQ(bytesToHex(bytes), "007FFF3A");
    EXPECT_EQ(hexToBytes("007fff3A"), bytes);
    EXPECT_EQ(hexToBytes("ZZ1"), QByteArray(1, '\0'));
}
