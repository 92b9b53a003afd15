#include "DatMatch.h"

#include <algorithm>
#include <numeric>
#include <set>

DatIndex::DatIndex(std::vector<DatRom> roms) : roms_(std::move(roms)), byCrc_(roms_.size())
{
    std::iota(byCrc_.begin(), byCrc_.end(), 0u);
    std::stable_sort(byCrc_.begin(), byCrc_.end(),
                     [this](std::uint32_t a, std::uint32_t b) { return roms_[a].crc32 < roms_[b].crc32; });
}

DumpMatch DatIndex::Match(std::int64_t size, std::uint32_t crc32, const std::string &sha1) const
{
    const auto first = std::lower_bound(byCrc_.begin(), byCrc_.end(), crc32,
                                        [this](std::uint32_t at, std::uint32_t crc) { return roms_[at].crc32 < crc; });
    DumpMatch bad;
    for (auto at = first; at != byCrc_.end() && roms_[*at].crc32 == crc32; ++at) {
        const DatRom &rom = roms_[*at];
        const bool sameSha1 = rom.sha1.empty() || rom.sha1 == sha1;
        if (rom.size == size && sameSha1 && !rom.badDump)
            return {DumpCheck::Verified, &rom};
        if (!bad.rom && ((rom.size == size && sameSha1) || !sameSha1))
            bad = {DumpCheck::BadDump, &rom};
    }
    return bad;
}

std::vector<DatIndex::Game> DatIndex::Missing(const std::vector<Game> &found) const
{
    std::set<Game> told(found.begin(), found.end());
    std::vector<Game> missing;
    for (const DatRom &rom : roms_) {
        Game game(rom.game, rom.dat);
        if (told.insert(game).second)
            missing.push_back(std::move(game));
    }
    return missing;
}
