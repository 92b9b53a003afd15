#include "NameList.h"

#include <limits>

std::string_view NameList::At(std::size_t index) const
{
    return Stored(order_[index]);
}

std::ptrdiff_t NameList::IndexOf(std::string_view name) const
{
    for (std::size_t i = 0; i < order_.size(); ++i) {
        if (At(i) == name)
            return static_cast<std::ptrdiff_t>(i);
    }
    return -1;
}

bool NameList::Store(std::string_view name, std::uint32_t &start)
{
    if (bytes_.size() + name.size() + 1 > std::numeric_limits<std::uint32_t>::max())
        return false;
    start = static_cast<std::uint32_t>(bytes_.size());
    bytes_.append(name);
    bytes_.push_back('\0');
    return true;
}

void NameList::Append(std::string_view name)
{
    std::uint32_t start = 0;
    if (Store(name, start))
        order_.push_back(start);
}
