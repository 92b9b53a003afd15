#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Which unpacked ROMs the cache gives up when it grows past its bound.

// One unpacked ROM: the name of the cache slot that holds it, its size in
// bytes and when it was last used (any clock that grows).
struct CachedRom {
    std::string slot;
    std::uint64_t bytes = 0;
    std::int64_t lastUsed = 0;
};

// Whether a name in the cache folder is one of the slots the launcher makes:
// exactly 32 lower-case hexadecimal digits. Nothing else there is ever removed.
bool IsCacheSlotName(const std::string &name);

// The slots to remove, least recently used first (ties by name), until what
// is left is at most bound bytes. The slot keep (the ROM about to start) is
// never chosen; nor is a name that is not a cache slot.
std::vector<std::string> ChooseEvictions(std::vector<CachedRom> roms, std::uint64_t bound, const std::string &keep);
