#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The cartridge's own title, from header byte 0x134: up to the first zero
// byte, printable ASCII only (any other byte is left out), blanks at either
// end dropped; as much of it as the header reaches. Its length follows the
// header's age: 16 bytes (to 0x143) on an older cartridge; 15 (to 0x142) when
// 0x143 is the Color flag (bit 7 set); 11 (to 0x13E) when 0x13F-0x142 hold a
// manufacturer code: on a cartridge with the new licensee code (0x33 at
// 0x14B) whose four bytes there are upper-case letters or digits, followed by
// the Color flag or a zero byte.
std::string CartridgeTitle(const std::vector<std::uint8_t> &header);

// The tool tip of a ROM in the file list: its full name, and under it the
// cartridge title once that is known and not empty.
std::string RomToolTip(const std::string &name, const std::string &title);
