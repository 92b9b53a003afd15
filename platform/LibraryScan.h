#pragma once

#include "platform/LibraryFile.h"

#include <QByteArray>
#include <QHash>
#include "platform/Translations.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class FilePattern;

// The ROMs the library lists: the file list's pattern.
constexpr const char *kLibraryRomPattern = "*.gb; *.sgb; *cgb; *.gbc";

// Where the reading of a root gets the bytes of its ROMs. The tests give
// their own, to count the reads or to hang like a share that stopped
// answering.
class LibraryReader
{
public:
    virtual ~LibraryReader() = default;
    // The bytes of a plain ROM file (a regular file only, at most 16 MB).
    virtual bool ReadFile(const QByteArray &path, std::vector<std::uint8_t> &bytes, std::string *why);
    using Visit = std::function<void(const std::string &entry, const std::vector<std::uint8_t> &bytes)>;
    // Each ROM entry of a zip or 7z archive the pattern takes, with its bytes.
    virtual bool ReadArchive(const QByteArray &path, const FilePattern &pattern, const Visit &visit, std::string *why);
};

// One ROM's bytes as the library knows them: size, CRC32, SHA-1 and header.
ScannedRom Hashed(const QByteArray &relative, const std::string &entry, const FileStamp &stamp,
                  const std::vector<std::uint8_t> &bytes);

// What the reading of a root tells as it goes, on its own thread.
struct ScanSink {
    // The files below the root to look at, once they are all listed.
    std::function<void(int total)> listed;
    // Files looked at so far.
    std::function<void(int done)> progress;
    // A step to store: every few hundred files read, and at the end.
    std::function<void(LibraryBatch &&batch)> store;
    // Each folder below the root, the root included, open and not yet read
    // (to watch it, so no change made meanwhile is missed); may be empty.
    std::function<void(int folder)> entering;
};

// The files read before under the root, by their path below it, with their
// stamps: asked for once the folders are listed, so the store can read them
// meanwhile.
using KnownFiles = std::function<QHash<QByteArray, FileStamp>()>;

// Reads a root: every file below it (folders of any depth; links to folders
// are not followed, hidden names are left out) whose name the pattern takes,
// and the ROMs inside its zip and 7z archives, with the CRC32 and SHA-1 of
// each ROM's bytes and its first 0x150 bytes. A file whose stamp is the one in
// known is not read again; a file of known no longer there is told vanished.
// Returns nothing, or one line saying why the root or some of its files
// could not be read.
Told ScanRoot(const QString &root, const FilePattern &pattern, const KnownFiles &knownFiles, LibraryReader &reader,
                 const ScanSink &sink);
