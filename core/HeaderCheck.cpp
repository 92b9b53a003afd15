#include "HeaderCheck.h"

#include <algorithm>

namespace {

constexpr std::size_t kLogoAt = 0x104;
constexpr std::size_t kChecksummedFrom = 0x134;
constexpr std::size_t kHeaderChecksumAt = 0x14D;
constexpr std::size_t kGlobalChecksumAt = 0x14E;
constexpr std::size_t kHeaderEnd = 0x150;

} // namespace

const std::vector<std::uint8_t> &CartridgeLogo()
{
    // The bitmap the boot ROM shows and compares, as the hardware
    // documentation gives it.
    static const std::vector<std::uint8_t> logo = {
        0xCE, 0xED, 0x66, 0x66, 0xCC, 0x0D, 0x00, 0x0B, 0x03, 0x73, 0x00, 0x83, 0x00, 0x0C, 0x00, 0x0D,
        0x00, 0x08, 0x11, 0x1F, 0x88, 0x89, 0x00, 0x0E, 0xDC, 0xCC, 0x6E, 0xE6, 0xDD, 0xDD, 0xD9, 0x99,
        0xBB, 0xBB, 0x67, 0x63, 0x6E, 0x0E, 0xEC, 0xCC, 0xDD, 0xDC, 0x99, 0x9F, 0xBB, 0xB9, 0x33, 0x3E,
    };
    return logo;
}

HeaderCheck CheckHeader(const std::vector<std::uint8_t> &rom, bool wholeRom)
{
    HeaderCheck check;
    if (rom.size() < kHeaderEnd)
        return check;
    const std::vector<std::uint8_t> &logo = CartridgeLogo();
    check.logoOk = std::equal(logo.begin(), logo.end(), rom.begin() + kLogoAt);
    std::uint8_t sum = 0;
    for (std::size_t at = kChecksummedFrom; at < kHeaderChecksumAt; ++at)
        sum = static_cast<std::uint8_t>(sum - rom[at] - 1);
    check.headerChecksumOk = sum == rom[kHeaderChecksumAt];
    if (wholeRom) {
        std::uint16_t total = 0;
        for (std::size_t at = 0; at < rom.size(); ++at)
            if (at != kGlobalChecksumAt && at != kGlobalChecksumAt + 1)
                total = static_cast<std::uint16_t>(total + rom[at]);
        check.globalChecksumOk = total == ((rom[kGlobalChecksumAt] << 8) | rom[kGlobalChecksumAt + 1]);
    }
    return check;
}
