// The port slots of the port dialog and the start-up scan.

#include "link/PortList.h"
#include "link/PortScan.h"

#include <gtest/gtest.h>

#include <set>

using namespace q716;

namespace {

QStringList names(const QList<PortDevice>& ports) {
    QStringList n;
    for (const PortDevice& p : ports)
        n.append(p.name);
    return n;
}

TEST(LinkPortList, UsbAdaptersComeFirstEachGroupSortedByName) {
    const QList<PortDevice> ordered = orderSystemPorts({{"ttyS1", "/dev/ttyS1"},
                                                        {"ttyUSB1", "/dev/ttyUSB1"},
                                                        {"ttyS0", "/dev/ttyS0"},
                                                        {"ttyACM0", "/dev/ttyACM0"},
                                                        {"ttyUSB0", "/dev/ttyUSB0"}});
    EXPECT_EQ(names(ordered), QStringList({"ttyACM0", "ttyUSB0", "ttyUSB1", "ttyS0", "ttyS1"}));
    EXPECT_EQ(ordered.first().location, QStringLiteral("/dev/ttyACM0"));
}

TEST(LinkPortList, EnvironmentListKeepsItsOrderAndSkipsEmptyParts) {
    const QList<PortDevice> ports = portsFromList(QStringLiteral("/dev/pts/7::/tmp/radio"));
    ASSERT_EQ(ports.size(), 2);
    EXPECT_EQ(ports[0].location, QStringLiteral("/dev/pts/7"));
    EXPECT_EQ(ports[1].location, QStringLiteral("/tmp/radio"));
    EXPECT_TRUE(portsFromList(QString()).isEmpty());
}

TEST(LinkPortList, CaptionsNameTheDeviceWhereItDiffers) {
    const QList<PortDevice> ports = {{"ttyUSB0", "/dev/ttyUSB0"}};
    EXPECT_EQ(portCaption(0, ports), QStringLiteral("COM1 (ttyUSB0)"));
    EXPECT_EQ(portCaption(1, ports), QStringLiteral("COM2"));
    EXPECT_EQ(portCaption(19, windowsPorts()), QStringLiteral("COM20"));
    EXPECT_EQ(windowsPorts().size(), PortSlots);
    EXPECT_EQ(windowsPorts().at(4).location, QStringLiteral("COM5"));
}

TEST(LinkPortList, PermissionTipSaysHowToJoinTheGroup) {
    EXPECT_TRUE(portUnavailableTip("Permission denied", true, "uucp").contains("usermod -aG uucp"));
    EXPECT_TRUE(portUnavailableTip("Permission denied", true, "").contains("dialout"));
    EXPECT_TRUE(portUnavailableTip("Device busy", false, "dialout").contains("Device busy"));
}

PortScanResult scan(int selected, std::set<int> present) {
    return scanPorts(selected, [&](int n) { return present.count(n) > 0; });
}

TEST(LinkPortScan, TheCasesOfTheStartUpScan) {
    // No port at all.
    PortScanResult r = scan(3, {});
    EXPECT_EQ(r.checkedIndex, -1);
    EXPECT_EQ(r.openPort, 0);
    EXPECT_EQ(r.selectedPort, 3);
    for (bool e : r.enabled)
        EXPECT_FALSE(e);
    // The remembered port exists: checked and open.
    r = scan(3, {1, 3});
    EXPECT_EQ(r.checkedIndex, 2);
    EXPECT_EQ(r.openPort, 3);
    EXPECT_TRUE(r.enabled[0]);
    EXPECT_FALSE(r.enabled[1]);
    // Gone, exactly one other: opened and remembered, nothing checked.
    r = scan(3, {5});
    EXPECT_EQ(r.checkedIndex, -1);
    EXPECT_EQ(r.selectedPort, 5);
    EXPECT_EQ(r.openPort, 5);
    // Gone, several others: nothing open unless port 20 is among them.
    r = scan(3, {5, 6});
    EXPECT_EQ(r.openPort, 0);
    EXPECT_EQ(r.selectedPort, 3);
    r = scan(3, {5, 20});
    EXPECT_EQ(r.openPort, 20);
    EXPECT_EQ(r.checkedIndex, -1);
    // A new settings file remembers 0: treated as none.
    r = scan(0, {2, 4});
    EXPECT_EQ(r.openPort, 0);
    EXPECT_EQ(r.selectedPort, 0);
}

} // namespace
