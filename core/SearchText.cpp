#include "SearchText.h"

#include "SearchFold.h"

#include <algorithm>
#include <cstring>

namespace {

// Folding turns every control character into a space: the separator never
// appears inside a field nor in a folded query.
constexpr char kSeparator = '\n';

} // namespace

void SearchText::Add(std::initializer_list<std::string_view> fields)
{
    starts_.push_back(static_cast<std::uint32_t>(block_.size()));
    for (std::string_view field : fields) {
        AppendFolded(field, block_);
        block_ += kSeparator;
    }
    if (fields.size() == 0)
        block_ += kSeparator;
}

void SearchText::Clear()
{
    block_.clear();
    starts_.clear();
}

void SearchText::Find(std::string_view query, std::vector<std::uint8_t> &found) const
{
    const std::string needle = FoldForSearch(query);
    found.assign(starts_.size(), needle.empty() ? 1 : 0);
    if (needle.empty())
        return;
    const char *begin = block_.data();
    const char *end = begin + block_.size();
    const char *from = begin;
    while (from < end) {
        const void *hit = memmem(from, static_cast<std::size_t>(end - from), needle.data(), needle.size());
        if (!hit)
            break;
        const auto offset = static_cast<std::uint32_t>(static_cast<const char *>(hit) - begin);
        const auto next = std::upper_bound(starts_.begin(), starts_.end(), offset);
        found[static_cast<std::size_t>(next - starts_.begin()) - 1] = 1;
        // The rest of that entry need not be searched.
        from = next == starts_.end() ? end : begin + *next;
    }
}
