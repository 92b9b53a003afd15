#include "Wording.h"

std::string Wording::English() const
{
    return Empty() ? std::string() : FillIn(source, args);
}

std::string FillIn(const std::string &text, const std::vector<std::string> &args)
{
    std::string filled;
    filled.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '%' && at + 1 < text.size() && text[at + 1] >= '1' && text[at + 1] <= '9') {
            const auto index = static_cast<std::size_t>(text[at + 1] - '1');
            if (index < args.size()) {
                filled += args[index];
                ++at;
                continue;
            }
        }
        filled += text[at];
    }
    return filled;
}
