#include "CartridgeTitle.h"

namespace {

constexpr std::size_t kTitleStart = 0x134;
constexpr std::size_t kManufacturerStart = 0x13F; // four bytes, on newer cartridges
constexpr std::size_t kColorFlag = 0x143;
constexpr std::size_t kOldLicensee = 0x14B;
constexpr std::uint8_t kNewLicenseeUsed = 0x33;

bool CodeCharacter(std::uint8_t byte)
{
    return (byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9');
}

// One past the last byte of the title. A manufacturer code is there only on
// a cartridge with the new licensee code, and only when the title does not
// run on into 0x143 (a printable byte there is the title's sixteenth).
std::size_t TitleEnd(const std::vector<std::uint8_t> &header)
{
    if (header.size() <= kOldLicensee)
        return header.size() > kColorFlag && (header[kColorFlag] & 0x80) != 0 ? kColorFlag : kColorFlag + 1;
    const std::uint8_t last = header[kColorFlag];
    const bool color = (last & 0x80) != 0;
    bool code = header[kOldLicensee] == kNewLicenseeUsed && (color || last == 0);
    for (std::size_t at = kManufacturerStart; at < kColorFlag; ++at)
        code = code && CodeCharacter(header[at]);
    if (code)
        return kManufacturerStart;
    return color ? kColorFlag : kColorFlag + 1;
}

} // namespace

std::string CartridgeTitle(const std::vector<std::uint8_t> &header)
{
    std::string title;
    const std::size_t end = TitleEnd(header);
    for (std::size_t at = kTitleStart; at < end && at < header.size(); ++at) {
        const std::uint8_t byte = header[at];
        if (byte == 0)
            break;
        if (byte >= 0x20 && byte < 0x7F)
            title += static_cast<char>(byte);
    }
    const std::size_t first = title.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return title.substr(first, title.find_last_not_of(' ') - first + 1);
}

std::string RomToolTip(const std::string &name, const std::string &title)
{
    return title.empty() ? name : name + "\n" + title;
}
