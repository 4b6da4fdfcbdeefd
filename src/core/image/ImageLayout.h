#pragma once
// The window of the radio's memory the tool handles: addresses 0x0010 to
// 0x035F, 848 bytes, byte k at address 0x0010 + k.

namespace q716 {

constexpr int ImageBase = 0x0010;
constexpr int ImageBytes = 848;
constexpr int ImageHexDigits = 2 * ImageBytes;
constexpr int ChannelRecordBytes = 16;

// Offset in the image of a radio address.
constexpr int offsetOf(int address) {
    return address - ImageBase;
}

} // namespace q716
