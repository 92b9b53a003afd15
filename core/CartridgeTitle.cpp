#include "CartridgeTitle.h"

namespace {

constexpr std::size_t kTitleStart = 0x134;
constexpr std::size_t kTitleEnd = 0x144; // one past the last title byte

} // namespace

std::string CartridgeTitle(const std::vector<std::uint8_t> &header)
{
    std::string title;
    for (std::size_t at = kTitleStart; at < kTitleEnd && at < header.size(); ++at) {
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
