#include "image/HexHelpers.h"

#include <gtest/gtest.h>

using namespace q716;

TEST(HexHelpers, StepRemainderUnitsIsExact) {
    EXPECT_EQ(StepRemainderUnits(500, 500), 0); // one whole step leaves nothing
    EXPECT_EQ(StepRemainderUnits(500, 499), 499);
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
