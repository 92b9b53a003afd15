#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The cartridge's own title, header bytes 0x134 to 0x143: up to the first zero
// byte, printable ASCII only (any other byte is left out), blanks at either
// end dropped; as much of it as the header reaches.
std::string CartridgeTitle(const std::vector<std::uint8_t> &header);

// The tool tip of a ROM in the file list: its full name, and under it the
// cartridge title once that is known and not empty.
std::string RomToolTip(const std::string &name, const std::string &title);
