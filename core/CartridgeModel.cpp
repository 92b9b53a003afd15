#include "CartridgeModel.h"

namespace {

constexpr std::size_t kColourFlag = 0x143;
constexpr std::size_t kSuperFlag = 0x146;
constexpr std::size_t kOldLicensee = 0x14B;

} // namespace

CartridgeModel ReadCartridgeModel(const std::vector<std::uint8_t> &header)
{
    CartridgeModel model;
    const auto at = [&header](std::size_t offset) { return offset < header.size() ? header[offset] : 0; };
    if (at(kColourFlag) == 0x80)
        model.colour = CartridgeModel::Colour::GameBoyAndColor;
    else if (at(kColourFlag) == 0xC0)
        model.colour = CartridgeModel::Colour::ColorOnly;
    model.superGameBoy = model.colour != CartridgeModel::Colour::ColorOnly && at(kSuperFlag) == 0x03
        && at(kOldLicensee) == 0x33;
    return model;
}

std::string CartridgeModelText(const CartridgeModel &model)
{
    std::string text;
    switch (model.colour) {
    case CartridgeModel::Colour::GameBoy: text = "Game Boy"; break;
    case CartridgeModel::Colour::GameBoyAndColor: text = "Game Boy + Color"; break;
    case CartridgeModel::Colour::ColorOnly: text = "Color only"; break;
    }
    return model.superGameBoy ? text + ", Super Game Boy" : text;
}
