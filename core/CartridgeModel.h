#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Which consoles a cartridge says it is made for, from its header.
struct CartridgeModel {
    enum class Colour { GameBoy, GameBoyAndColor, ColorOnly };
    // 0x143: 0x80 runs on both the Game Boy and the Color, 0xC0 on the
    // Color only; any other value (or a header too short) is a Game Boy cartridge.
    Colour colour = Colour::GameBoy;
    // 0x146 = 0x03 with the old licensee code 0x14B = 0x33: the Super Game
    // Boy's functions are used. A Color-only cartridge cannot run on it.
    bool superGameBoy = false;
};

CartridgeModel ReadCartridgeModel(const std::vector<std::uint8_t> &header);

// "Game Boy", "Game Boy + Color" or "Color only", followed by
// ", Super Game Boy" when the cartridge uses it.
std::string CartridgeModelText(const CartridgeModel &model);
