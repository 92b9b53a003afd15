#pragma once

#include "core/DatMatch.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <string>
#include <vector>

// One ROM of the library as the window shows it: where it lies, what its
// content is, and the history of that content. Two copies of one ROM are two
// records with the same sha1 and so the same history.
struct LibraryRecord {
    QString root;                     // the library folder it was found under
    QString file;                     // below the root: "sub/Game.gb", or "sub/Archive.zip: inner.gb" for an entry
    QString path;                     // full path of the plain file, or of the archive for an entry
    std::string entry;                // the entry inside the archive; empty for a plain file
    qint64 size = 0;                  // bytes of the ROM itself (of the entry for an archive)
    QByteArray sha1;                  // 20 bytes: the content's identity
    quint32 crc32 = 0;
    std::vector<std::uint8_t> header; // the first 0x150 bytes of the ROM (fewer for a short file)

    // What the ROM is: its header's own checks and the DAT files' word on it.
    bool headerDamaged = false;       // header checksum or logo wrong; shown and started all the same
    DumpCheck check = DumpCheck::NotInDat;
    QString datGame;                  // the DAT's name of the game, when a DAT has the ROM
    QString datName;                  // the name of that DAT (its header's name)
    QString cloneOf;                  // the DAT game this one is a version of, when the DAT says so

    // The content's history, shared by every copy.
    bool favourite = false;
    qint64 lastPlayedMs = 0;          // since the epoch; 0 when never played
    qint64 playSeconds = 0;           // the play time measured so far
    int launches = 0;
};
