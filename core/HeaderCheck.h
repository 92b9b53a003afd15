#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// What a ROM's cartridge header says of itself. The boot ROM refuses a
// cartridge whose logo (0x104-0x133) or header checksum (0x14D, over
// 0x134-0x14C) is wrong, so either marks the header damaged; the global
// checksum (0x14E-0x14F, big-endian, the sum of every other byte) is not
// checked by the hardware and is told for information only.
struct HeaderCheck {
    bool logoOk = false;
    bool headerChecksumOk = false;
    // Known only when the whole ROM was given.
    std::optional<bool> globalChecksumOk;

    bool Damaged() const { return !logoOk || !headerChecksumOk; }
};

// The first bytes of a ROM, at least to 0x14F for a header that can be
// right; give the whole ROM (wholeRom) for the global checksum too. A file
// too short to hold a header is damaged.
HeaderCheck CheckHeader(const std::vector<std::uint8_t> &rom, bool wholeRom = false);

// The 48 bytes every licensed cartridge carries at 0x104.
const std::vector<std::uint8_t> &CartridgeLogo();
