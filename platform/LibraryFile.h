#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <cstdint>
#include <string>
#include <vector>

// What says a file on disk is the one read before: while its device, inode,
// size and modification time stay the same, its content is taken as the same
// and its hashes are kept.
struct FileStamp {
    qint64 device = 0;
    qint64 inode = 0;
    qint64 size = 0;
    qint64 mtimeNs = 0;

    bool operator==(const FileStamp &other) const
    {
        return device == other.device && inode == other.inode && size == other.size && mtimeNs == other.mtimeNs;
    }
    bool operator!=(const FileStamp &other) const { return !(*this == other); }
};

// One ROM as a reading of a root found it: a plain file, or one entry of an archive.
struct ScannedRom {
    QByteArray relative;              // the file's path below the root, as bytes
    std::string entry;                // the entry inside the archive; empty for a plain file
    FileStamp stamp;                  // of the file: the archive's for an entry
    qint64 romSize = 0;               // bytes of the ROM itself
    quint32 crc32 = 0;
    QByteArray sha1;                  // 20 bytes
    std::vector<std::uint8_t> header; // the first 0x150 bytes
};

// What one step of a root's reading changes in the store: the files read
// again (their rows replaced by roms; an archive may now give none), the ROMs
// they gave, and the files that are gone.
struct LibraryBatch {
    std::vector<QByteArray> replaced;
    std::vector<ScannedRom> roms;
    std::vector<QByteArray> vanished;
};
