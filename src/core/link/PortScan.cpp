#include "link/PortScan.h"

#include <algorithm>

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

namespace {

bool sameAdapter(const PortDevice& a, const PortDevice& b) {
    return a.vendorId == b.vendorId && a.productId == b.productId &&
           a.serialNumber == b.serialNumber;
}

int firstPresent(const QList<PortDevice>& found, const std::function<bool(const PortDevice&)>& is) {
    for (int i = 0; i < found.size(); ++i)
        if (found[i].present && is(found[i]))
            return i;
    return -1;
}

} // namespace

int followCable(const PortDevice& chosen, const QList<PortDevice>& found) {
    const int still = firstPresent(found, [&](const PortDevice& d) {
        return d.location == chosen.location && sameAdapter(d, chosen) &&
               (d.node.isEmpty() || chosen.node.isEmpty() || d.node == chosen.node);
    });
    if (still >= 0)
        return still;
    if (!chosen.serialNumber.isEmpty())
        if (const int i =
                firstPresent(found, [&](const PortDevice& d) { return sameAdapter(d, chosen); });
            i >= 0)
            return i;
    if (!chosen.byIdLink.isEmpty())
        if (const int i = firstPresent(
                found, [&](const PortDevice& d) { return d.byIdLink == chosen.byIdLink; });
            i >= 0)
            return i;
    if (chosen.vendorId < 0)
        return -1;
    // Two adapters of one kind without serial numbers cannot be told apart.
    const auto sameKind = [&](const PortDevice& d) {
        return d.present && d.vendorId == chosen.vendorId && d.productId == chosen.productId;
    };
    if (std::count_if(found.begin(), found.end(), sameKind) != 1)
        return -1;
    return int(std::find_if(found.begin(), found.end(), sameKind) - found.begin());
}

PortRescan rescanPorts(const QList<PortDevice>& found, const std::optional<PortDevice>& chosen,
                       int chosenSlot) {
    PortRescan r;
    r.devices = found.mid(0, PortSlots);
    if (!chosen || chosen->location.isEmpty())
        return r;
    r.chosenIndex = followCable(*chosen, r.devices);
    if (r.chosenIndex >= 0) {
        r.moved = r.devices[r.chosenIndex].location != chosen->location;
        return r;
    }
    r.chosenGone = true;
    const auto sameName =
        std::find_if(r.devices.begin(), r.devices.end(),
                     [&](const PortDevice& d) { return d.location == chosen->location; });
    if (sameName != r.devices.end()) {
        // A listed entry of that name that is missing is its slot; another
        // device under that name is not the chosen one.
        if (!sameName->present)
            r.chosenIndex = int(sameName - r.devices.begin());
        return r;
    }
    PortDevice kept = *chosen;
    kept.present = false;
    r.chosenIndex = std::clamp(chosenSlot, 0, int(r.devices.size()));
    r.devices.insert(r.chosenIndex, kept);
    if (r.devices.size() > PortSlots)
        r.devices.removeLast();
    return r;
}

} // namespace q716
