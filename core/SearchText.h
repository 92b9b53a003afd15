#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// The texts of many entries, folded for the search (FoldForSearch) and kept in
// one block, so that a search is one pass over that block: an entry is found
// when its text contains the folded query anywhere. The fields of one entry
// are kept apart, so a query never matches across two of them.
class SearchText
{
public:
    // Adds an entry with its fields (its title, file name ...); entries are
    // numbered from 0 in the order added.
    void Add(std::initializer_list<std::string_view> fields);
    void Clear();
    std::size_t Count() const { return starts_.size(); }

    // Sets found[i] to 1 for each entry i whose folded fields contain the
    // folded query, else to 0; an empty query finds every entry.
    void Find(std::string_view query, std::vector<std::uint8_t> &found) const;

private:
    std::string block_;                 // each field folded, each followed by '\n'
    std::vector<std::uint32_t> starts_; // where each entry begins in the block
};
