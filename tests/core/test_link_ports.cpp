// The port slots of the port dialog, the start-up scan, the scans after it
// that follow the cable, and the --port arguments of q716-cli.

#include "link/PortArgument.h"
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

// The rule of every scan after start-up: the choice follows the cable (the
// same node, else the same serial number, by-id link or only adapter of its
// USB ids), not the slot; a chosen device that is gone keeps its slot, marked.
TEST(LinkPortRescan, TheChoiceFollowsTheCableNotTheSlot) {
    const auto usb = [](const char* name, int product, const char* serial, const char* node) {
        PortDevice d{name, QStringLiteral("/dev/") + name};
        d.vendorId = 0x0403;
        d.productId = product;
        d.serialNumber = QString::fromLatin1(serial);
        d.node = QString::fromLatin1(node);
        return d;
    };
    const auto pty = [](const char* path, const char* link, const char* node) {
        PortDevice d{path, path};
        d.byIdLink = QString::fromLatin1(link);
        d.node = QString::fromLatin1(node);
        return d;
    };
    const PortDevice cable = usb("ttyUSB0", 0x6001, "A5", "n1");
    const PortDevice plain = usb("ttyUSB0", 0x6015, "", "n1");
    const PortDevice serial0{"ttyS0", "/dev/ttyS0"};
    struct Case {
        const char* name;
        QList<PortDevice> found;
        std::optional<PortDevice> chosen;
        int chosenSlot;
        QStringList devices; // the devices' locations, "!" before a gone one
        int chosenIndex;
        bool gone;
        bool moved;
    };
    const QList<Case> cases = {
        {"nothing chosen: the slots are what was found",
         {serial0},
         {},
         0,
         {"/dev/ttyS0"},
         -1,
         false,
         false},
        {"still there",
         {cable, serial0},
         cable,
         0,
         {"/dev/ttyUSB0", "/dev/ttyS0"},
         0,
         false,
         false},
        {"an adapter appears ahead of the chosen port",
         {cable, serial0},
         serial0,
         0,
         {"/dev/ttyUSB0", "/dev/ttyS0"},
         1,
         false,
         false},
        {"goes: kept in its slot, gone",
         {serial0},
         cable,
         0,
         {"!/dev/ttyUSB0", "/dev/ttyS0"},
         0,
         true,
         false},
        {"comes back under another name",
         {serial0, usb("ttyUSB1", 0x6001, "A5", "n2")},
         cable,
         0,
         {"/dev/ttyS0", "/dev/ttyUSB1"},
         1,
         false,
         true},
        {"replugged under its old name",
         {usb("ttyUSB0", 0x6001, "A5", "n2")},
         cable,
         0,
         {"/dev/ttyUSB0"},
         0,
         false,
         false},
        {"two adapters: the serial number picks, not the name",
         {usb("ttyUSB0", 0x6001, "B7", "n3"), usb("ttyUSB1", 0x6001, "A5", "n2")},
         cable,
         0,
         {"/dev/ttyUSB0", "/dev/ttyUSB1"},
         1,
         false,
         true},
        {"no serial number: the only adapter of its ids",
         {usb("ttyUSB2", 0x6015, "", "n2")},
         plain,
         0,
         {"/dev/ttyUSB2"},
         0,
         false,
         true},
        {"no serial number, two such adapters: no guess",
         {usb("ttyUSB1", 0x6015, "", "n2"), usb("ttyUSB2", 0x6015, "", "n3")},
         plain,
         1,
         {"/dev/ttyUSB1", "!/dev/ttyUSB0", "/dev/ttyUSB2"},
         1,
         true,
         false},
        {"the same by-id link on another device",
         {pty("/dev/pts/9", "/run/by-id/radio", "p9")},
         pty("/dev/pts/7", "/run/by-id/radio", "p7"),
         0,
         {"/dev/pts/9"},
         0,
         false,
         true},
        {"another device took the gone one's name",
         {pty("/dev/pts/7", "", "p8")},
         pty("/dev/pts/7", "", "p7"),
         0,
         {"/dev/pts/7"},
         -1,
         true,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PortRescan r = rescanPorts(c.found, c.chosen, c.chosenSlot);
        QStringList devices;
        for (const PortDevice& d : r.devices)
            devices << (d.present ? QString() : QStringLiteral("!")) + d.location;
        EXPECT_EQ(devices, c.devices);
        EXPECT_EQ(r.chosenIndex, c.chosenIndex);
        EXPECT_EQ(r.chosenGone, c.gone);
        EXPECT_EQ(r.moved, c.moved);
    }
}

// A --port argument names one device, and no device twice.
TEST(LinkPortArgument, UsbIdsNameOneAdapterAndNoPortIsGivenTwice) {
    PortDevice a{"ttyUSB0", "/dev/ttyUSB0"}, b{"ttyUSB1", "/dev/ttyUSB1"};
    a.vendorId = b.vendorId = 0x1a86;
    a.productId = b.productId = 0x7523;
    a.serialNumber = QStringLiteral("X1");
    const QList<PortDevice> ports{a, b, {"ttyS0", "/dev/ttyS0"}};
    struct Case {
        const char* given;
        const char* device;  // empty: refused
        const char* problem; // part of the reason
    };
    const QList<Case> cases = {
        {"usb:1a86:7523:X1", "/dev/ttyUSB0", ""},
        {"USB:1A86:7523:X1", "/dev/ttyUSB0", ""},
        {"usb:1a86:7523", "", "2 adapters match (/dev/ttyUSB0, /dev/ttyUSB1)"},
        {"usb:0403:6001", "", "no USB serial adapter 0403:6001 is connected"},
        {"usb:1a86:7523:Y9", "", "with serial number Y9"},
        {"usb:1a86", "", "expected usb:VID:PID"},
        {"usb:zz:7523", "", "hexadecimal"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.given);
        const PortArgument r = findUsbPort(QString::fromLatin1(c.given), ports);
        EXPECT_EQ(r.device, QString::fromLatin1(c.device));
        EXPECT_TRUE(r.problem.contains(QString::fromLatin1(c.problem))) << r.problem.toStdString();
    }
    const PortArgument byId{"/dev/serial/by-id/usb-1a86-port0", "/dev/ttyUSB0", {}};
    const PortArgument tty{"/dev/ttyUSB0", "/dev/ttyUSB0", {}};
    const PortArgument other{"/dev/ttyUSB1", "/dev/ttyUSB1", {}};
    EXPECT_EQ(
        repeatedPort({byId, other, tty}),
        QStringLiteral("/dev/ttyUSB0 (as /dev/serial/by-id/usb-1a86-port0 and /dev/ttyUSB0)"));
    EXPECT_EQ(repeatedPort({other, tty, tty}), QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(repeatedPort({byId, other}), QString());
}

} // namespace
