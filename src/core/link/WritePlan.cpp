#include "link/WritePlan.h"

namespace q716 {

int writeBlockAddress(int address, bool debugUnlocked, bool adminMode) {
    if (address == 0x0180 && !debugUnlocked)
        address = 0x01B0;
    if (address == 0x0190)
        address = 0x01B0;
    if (adminMode) {
        if (address == 0x01D0)
            address = 0x0300;
    } else if (address == 0x01C0) {
        address = 0x0300;
    }
    return address;
}

} // namespace q716
