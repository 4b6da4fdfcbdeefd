#pragma once
// Why a serial port could not be opened, and how that is told: in the port
// dialog's tool tips and by the command line.

#include <QString>

namespace q716 {

enum class PortProblem {
    Other,           // missing, not a serial device...: the system's reason is shown
    InUse,           // another program holds the port
    PermissionDenied // the user may not read and write the device
};

struct PortOpenFailure {
    PortProblem problem = PortProblem::Other;
    QString reason; // the system's words
    QString group;  // the group owning the device node; may be empty
};

// Qt reports a port that another program holds (its lock file, or a device
// opened exclusively, EBUSY) as a permission error, like a device the user
// may not open at all. Whether the user may read and write the device node
// tells the two apart.
PortProblem classifyPortProblem(bool permissionError, bool deviceReadWritable);

// What is wrong, in the program's language; for PortProblem::Other the
// system's reason itself.
QString portProblemText(int languageCode, const PortOpenFailure& failure);

// Tool tip of a port slot whose device exists but cannot be opened.
QString portUnavailableTip(int languageCode, const PortOpenFailure& failure);

} // namespace q716
