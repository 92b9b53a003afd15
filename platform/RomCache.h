#pragma once

#include <cstdint>
#include <string>

// The launcher's own folder of ROMs unpacked from archives, so the emulator
// gets a plain file. The folder is the user's own, mode 0700, never a link:
// it is checked before every use (PrivateFolder), made private again when it
// is the user's with another mode, and refused with the reason when it is
// anything else. Each ROM lies in a slot of its own, named after the archive
// (path, size, change time) and the entry, under the entry's own file name,
// beside a note of its size; an archive that changed gets a new slot. A file
// there is used only when it is one the cache wrote (the user's, mode 0600, a
// regular file) and its size is the one noted; otherwise it is unpacked
// again, into a temporary file of its slot renamed into place once whole.
// When the folder grows past its bound, the least recently used slots go (see
// ChooseEvictions). Everything happens through the descriptors of the folders
// checked, no link is ever followed, and only what the cache wrote is
// removed. Paths are bytes.
class RomCache
{
public:
    // folder ends with a slash; its missing parents are made 0700.
    explicit RomCache(std::string folder, std::uint64_t boundBytes = kDefaultBoundBytes);

    static constexpr std::uint64_t kDefaultBoundBytes = std::uint64_t{512} * 1024 * 1024;

    // $XDG_CACHE_HOME/vexa/, or ~/.cache/vexa/.
    static std::string DefaultFolder();

    // The path of the entry's ROM in the cache, unpacked when it is not there
    // yet. Empty, with why set, when it cannot be unpacked.
    std::string Unpack(const std::string &archivePath, const std::string &entry, std::string *why) const;

private:
    // Removes the least recently used slots of the folder open as cache past
    // the bound, never keep.
    void Trim(int cache, const std::string &keep) const;

    std::string folder_;
    std::uint64_t bound_;
};
