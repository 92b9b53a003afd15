#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// What the imported DAT files say of a ROM's content.
enum class DumpCheck {
    NotInDat, // no DAT entry has its size and CRC32
    Verified, // a DAT entry has its size, CRC32 and, where the DAT gives one, its SHA-1
    BadDump,  // a DAT entry has its CRC32 but another SHA-1, or marks the dump bad
};

// One ROM of a DAT's game.
struct DatRom {
    std::string dat;     // the DAT's name (its header's)
    std::string game;    // the game it belongs to
    std::string cloneOf; // the game this one is a version of; empty when none
    std::int64_t size = 0;
    std::uint32_t crc32 = 0;
    std::string sha1;    // 20 bytes; empty when the DAT gives none
    bool badDump = false;
};

// What a ROM was found to be; rom points into the index it was matched
// against, null for NotInDat.
struct DumpMatch {
    DumpCheck check = DumpCheck::NotInDat;
    const DatRom *rom = nullptr;
};

// The ROMs of every imported DAT, looked up by CRC32. A ROM is Verified by a
// good entry with its size and CRC32 and, where the entry gives one, its
// SHA-1. Failing that it is a BadDump when an entry with its size and CRC32
// (and SHA-1, where given) is marked bad, or when an entry has its CRC32 and
// another SHA-1. Anything else is NotInDat.
class DatIndex
{
public:
    DatIndex() = default;
    explicit DatIndex(std::vector<DatRom> roms);

    DumpMatch Match(std::int64_t size, std::uint32_t crc32, const std::string &sha1) const;
    const std::vector<DatRom> &Roms() const { return roms_; }
    bool Empty() const { return roms_.empty(); }

    // A game, and the name of its DAT.
    using Game = std::pair<std::string, std::string>;
    // The games of the DATs, in their order, that are not among the games
    // found (those some ROM matched).
    std::vector<Game> Missing(const std::vector<Game> &found) const;

private:
    std::vector<DatRom> roms_;
    std::vector<std::uint32_t> byCrc_; // positions in roms_, ordered by CRC32
};
