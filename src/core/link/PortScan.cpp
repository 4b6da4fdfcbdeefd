#include "link/PortScan.h"

namespace q716 {

PortScanResult scanPorts(int selectedPort, const std::function<bool(int)>& canOpen) {
    PortScanResult r;
    r.selectedPort = selectedPort;
    int count = 0;
    int first = 0;
    for (int n = 1; n <= 20; ++n) {
        r.enabled[n - 1] = canOpen(n);
        if (r.enabled[n - 1] && ++count == 1)
            first = n;
    }
    if (selectedPort >= 1 && selectedPort <= 20 && r.enabled[selectedPort - 1]) {
        r.checkedIndex = selectedPort - 1;
        r.openPort = selectedPort;
    } else if (count == 1) {
        r.selectedPort = first;
        r.openPort = first;
    } else if (r.enabled[19]) {
        // The scan ends on port 20, which stays open when it exists.
        r.openPort = 20;
    }
    return r;
}

} // namespace q716
