#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class FilePattern;

// Reads the ROMs inside zip and 7z archives with libarchive. Archives come
// from anywhere: a ".zip" is read as a zip and a ".7z" as a 7z only, an entry
// is taken only when its name is safe (EntryNameRefusal), it is a regular
// file, not encrypted, and at most kMaxEntryBytes long, counted on the bytes
// its data actually gives. Paths are bytes. Safe to call from any thread; a
// read on a share that stops answering blocks the calling thread only.

constexpr std::uint64_t kMaxEntryBytes = std::uint64_t{16} * 1024 * 1024;
// An archive with more entries than this is refused as a whole.
constexpr int kMaxArchiveEntries = 10000;
// An archive whose names take more bytes than this is refused as a whole.
constexpr std::size_t kMaxArchiveNameBytes = std::size_t{32} * 1024 * 1024;
// Every byte libarchive unpacks on the way to an entry, the data of the
// entries before it included (a solid 7z unpacks them all to reach it), and
// the entry's own, counted together: past this the archive is refused.
constexpr std::uint64_t kMaxUnpackedBytes = std::uint64_t{64} * 1024 * 1024;

struct ArchiveRoms {
    // The names of the entries whose last part the pattern takes, in the
    // archive's order.
    std::vector<std::string> entries;
    // One line per entry the pattern takes that is refused ("name: why"), or
    // one for the whole archive when it cannot be read; nothing is listed then.
    std::vector<std::string> refusals;
};

ArchiveRoms ListArchiveRoms(const std::string &path, const FilePattern &pattern);

// Reads every entry whose last part the pattern takes, in the archive's
// order, handing each one taken its name and all its bytes; a refused entry
// is left out and its line added to refusals. Returns false, with why set,
// when the archive cannot be read to its end.
bool ReadArchiveRoms(const std::string &path, const FilePattern &pattern,
                     const std::function<void(const std::string &entry, const std::vector<std::uint8_t> &bytes)> &visit,
                     std::vector<std::string> *refusals, std::string *why);

// Reads at most length bytes from the start of an entry's data. Returns false,
// with why set, when the entry is missing, refused or unreadable, or when
// reaching it unpacks more than kMaxUnpackedBytes.
bool ReadArchiveEntryHead(const std::string &path, const std::string &entry, std::size_t length,
                          std::vector<std::uint8_t> &bytes, std::string *why = nullptr);

// Writes an entry's data to the file descriptor fd. Returns false, with why
// set, when the entry is missing, refused or unreadable, when its data goes
// past kMaxEntryBytes or reaching it and its data past kMaxUnpackedBytes (the
// write stops before the block that passes either), or when writing fails.
bool CopyArchiveEntry(const std::string &path, const std::string &entry, int fd, std::string *why = nullptr);
