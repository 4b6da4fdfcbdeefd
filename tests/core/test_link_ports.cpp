// The port slots of the port dialog and the start-up scan.

#include "link/PortList.h"
#include "link/PortOpenFailure.h"
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

TEST(LinkPortOpenFailure, OnlyARealPermissionProblemGetsTheGroupAdvice) {
    struct Case {
        const char* name;
        bool permissionError;    // what Qt reported
        bool deviceReadWritable; // what the device node allows the user
        PortProblem problem;
        const char* reason;
        const char* group;
        int language;
        QStringList contains;
        QStringList lacks;
    };
    const QList<Case> cases = {
        {"held by another program",
         true,
         true,
         PortProblem::InUse,
         "Permission error while locking the device",
         "dialout",
         1,
         {"in use by another program"},
         {"usermod", "Permission", "locking"}},
        {"held, in Chinese",
         true,
         true,
         PortProblem::InUse,
         "Device or resource busy",
         "dialout",
         0,
         {"该端口正被其他程序占用"},
         {"usermod", "busy"}},
        {"no rights on the node",
         true,
         false,
         PortProblem::PermissionDenied,
         "Permission denied",
         "uucp",
         1,
         {"Permission denied", "sudo usermod -aG uucp $USER", "log in again"},
         {"in use"}},
        {"no rights, unknown group",
         true,
         false,
         PortProblem::PermissionDenied,
         "Permission denied",
         "",
         1,
         {"usermod -aG dialout $USER"},
         {}},
        {"no rights, in Chinese",
         true,
         false,
         PortProblem::PermissionDenied,
         "Permission denied",
         "dialout",
         0,
         {"没有使用该端口的权限", "sudo usermod -aG dialout $USER"},
         {"Permission"}},
        {"not a serial device",
         false,
         true,
         PortProblem::Other,
         "Inappropriate ioctl for device",
         "",
         1,
         {"Cannot be opened: Inappropriate ioctl for device"},
         {"usermod", "in use"}},
        {"gone, node unreadable",
         false,
         false,
         PortProblem::Other,
         "No such file or directory",
         "",
         0,
         {"无法打开：No such file or directory"},
         {"usermod"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PortProblem problem = classifyPortProblem(c.permissionError, c.deviceReadWritable);
        EXPECT_EQ(problem, c.problem);
        const PortOpenFailure failure{problem, QString::fromUtf8(c.reason),
                                      QString::fromUtf8(c.group)};
        const QString tip = portUnavailableTip(c.language, failure);
        for (const QString& text : c.contains)
            EXPECT_TRUE(tip.contains(text)) << tip.toStdString();
        for (const QString& text : c.lacks)
            EXPECT_FALSE(tip.contains(text)) << tip.toStdString();
    }
}

TEST(LinkPortOpenFailure, CommandLineTextIsTheReasonWhenNothingBetterIsKnown) {
    EXPECT_EQ(portProblemText(1, {PortProblem::Other, "No such file or directory", ""}),
              QStringLiteral("No such file or directory"));
    EXPECT_EQ(portProblemText(1, {PortProblem::InUse, "Permission error while locking", ""}),
              QStringLiteral("The port is in use by another program. Close that program, then "
                             "try again."));
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
