#pragma once
// Which 16-byte blocks of the image a write sends: 0x0010..0x017F, the
// calibration block 0x0180 only while the debug values are unlocked,
// 0x01B0..0x01BF, the password block 0x01C0 only in admin mode, and
// 0x0300..0x034F.

namespace q716 {

// The address of the next block to send, at or after `address`.
int writeBlockAddress(int address, bool debugUnlocked, bool adminMode);

} // namespace q716
