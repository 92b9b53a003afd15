#pragma once

#include <cstdint>
#include <string>

// The launcher's own folder of ROMs unpacked from archives, so the emulator
// gets a plain file. Each ROM lies in a slot of its own, named after the
// archive (path, size, change time) and the entry, under the entry's own file
// name; an archive that changed gets a new slot. A ROM is unpacked into a
// temporary file of its slot and renamed into place once whole. When the
// folder grows past its bound, the least recently used slots go (see
// ChooseEvictions); nothing but slots is ever removed. Paths are bytes.
class RomCache
{
public:
    // folder ends with a slash; it and its missing parents are made 0700.
    explicit RomCache(std::string folder, std::uint64_t boundBytes = kDefaultBoundBytes);

    static constexpr std::uint64_t kDefaultBoundBytes = std::uint64_t{512} * 1024 * 1024;

    // $XDG_CACHE_HOME/vexa/, or ~/.cache/vexa/.
    static std::string DefaultFolder();

    // The path of the entry's ROM in the cache, unpacked when it is not there
    // yet. Empty, with why set, when it cannot be unpacked.
    std::string Unpack(const std::string &archivePath, const std::string &entry, std::string *why) const;

private:
    // Removes the least recently used slots past the bound, never keep.
    void Trim(const std::string &keep) const;

    std::string folder_;
    std::uint64_t bound_;
};
