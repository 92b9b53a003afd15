#include "CacheChoice.h"

#include <algorithm>

bool IsCacheSlotName(const std::string &name)
{
    return name.size() == 32
        && std::all_of(name.begin(), name.end(), [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

std::vector<std::string> ChooseEvictions(std::vector<CachedRom> roms, std::uint64_t bound, const std::string &keep)
{
    roms.erase(std::remove_if(roms.begin(), roms.end(), [](const CachedRom &rom) { return !IsCacheSlotName(rom.slot); }),
               roms.end());
    std::uint64_t total = 0;
    for (const CachedRom &rom : roms)
        total += rom.bytes;
    std::sort(roms.begin(), roms.end(), [](const CachedRom &a, const CachedRom &b) {
        return a.lastUsed != b.lastUsed ? a.lastUsed < b.lastUsed : a.slot < b.slot;
    });
    std::vector<std::string> evicted;
    for (const CachedRom &rom : roms) {
        if (total <= bound)
            break;
        if (rom.slot == keep)
            continue;
        evicted.push_back(rom.slot);
        total -= rom.bytes;
    }
    return evicted;
}
