#pragma once
// The start-up scan of COM1..COM20 and the choice of the port to keep open.

#include <array>
#include <functional>

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

} // namespace q716
