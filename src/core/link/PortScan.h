#pragma once
// The start-up scan of COM1..COM20 and the choice of the port to keep open;
// the scans after it, which follow the chosen cable wherever it comes back.

#include "link/PortList.h"

#include <array>
#include <functional>
#include <optional>

namespace q716 {

struct PortScanResult {
    std::array<bool, 20> enabled{}; // option button i stands for port i + 1
    int checkedIndex = -1;          // the option button shown checked, -1 none
    int selectedPort = 0;           // SelectedPort after the scan
    int openPort = 0;               // the port left open, 0 none
};

// canOpen(n): whether port n (1..20) opens; it must leave the port closed.
// A remembered port outside 1..20 counts as none remembered.
PortScanResult scanPorts(int selectedPort, const std::function<bool(int)>& canOpen);

// Where the chosen device is among `found` now, -1 when it is not there.
// Still there: the same node under the same name. Otherwise the same cable
// elsewhere: the same USB serial number, the same by-id link, or the only
// adapter with its USB vendor and product id.
int followCable(const PortDevice& chosen, const QList<PortDevice>& found);

struct PortRescan {
    QList<PortDevice> devices; // slot i is COM(i+1); at most PortSlots
    int chosenIndex = -1;      // the chosen device's slot; -1 none
    bool chosenGone = false;   // it is not there; its slot, if any, keeps it, not present
    bool moved = false;        // it is there under another name
};

// The slots after a scan found `found` (in slot order) while `chosen` stood
// in slot `chosenSlot` (0-based). A chosen device that is gone keeps its slot,
// so the port dialog can mark it; without a chosen device the slots are `found`.
PortRescan rescanPorts(const QList<PortDevice>& found, const std::optional<PortDevice>& chosen,
                       int chosenSlot);

} // namespace q716
