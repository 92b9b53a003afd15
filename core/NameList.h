#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// File names as bytes, all in one block with an index, in list order: a
// folder of a million names costs one allocation for the bytes and four
// bytes a name for the order, rather than a string object each.
class NameList
{
public:
    std::size_t Size() const { return order_.size(); }
    bool Empty() const { return order_.empty(); }
    // The name at that place in the list.
    std::string_view At(std::size_t index) const;
    // The first place holding that name, or -1.
    std::ptrdiff_t IndexOf(std::string_view name) const;

    // Adds a name to the block, not yet to the list; returns where it starts.
    // Names that would take the block past 4 GiB are refused (returns false).
    bool Store(std::string_view name, std::uint32_t &start);
    // The name stored at that start.
    std::string_view Stored(std::uint32_t start) const { return bytes_.data() + start; }
    // Makes the list the stored names at these starts, in this order.
    void SetOrder(std::vector<std::uint32_t> starts) { order_ = std::move(starts); }
    // Adds a name at the end of the list.
    void Append(std::string_view name);
    // Takes out of the list the names for which drop says so.
    template <typename Drop>
    void RemoveIf(Drop drop)
    {
        std::vector<std::uint32_t> kept;
        kept.reserve(order_.size());
        for (const std::uint32_t start : order_) {
            if (!drop(Stored(start)))
                kept.push_back(start);
        }
        order_ = std::move(kept);
    }

private:
    std::string bytes_;                // every name followed by a zero byte
    std::vector<std::uint32_t> order_; // the start of each listed name
};
