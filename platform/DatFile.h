#pragma once

#include "core/DatMatch.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

// A DAT file of a preservation group (Logiqx XML): its header's name and
// the size, CRC32 and SHA-1 of every known dump.
struct DatFile {
    QString name;    // <header><name>: what a newer version of the DAT is known by
    QString version; // <header><version>, when given
    int games = 0;
    std::vector<DatRom> roms; // their dat field holds name
};

// What a DAT file may hold at most: beyond it the file is refused whole.
struct DatLimits {
    qint64 maxBytes = qint64{100} * 1000 * 1000;
    int maxGames = 1000 * 1000;
};

// Reads a Logiqx XML DAT file. Its DOCTYPE line is read as any real DAT's
// is and the DTD it names is never fetched. A file that is not XML or not a
// DAT, that declares or uses an entity (never expanded), that is longer or
// holds more games than the limits, whose game or rom lacks a name, size or
// CRC32 (a rom marked nodump may lack the last two: it is left out), or
// whose size, CRC32, MD5 or SHA-1 is not a number of its kind, is refused:
// false, and why says so in one line naming the file.
bool ReadDatFile(const QString &path, DatFile &dat, QString *why, const DatLimits &limits = DatLimits());
// The same, of the file's text; name is the file's for the line.
bool ParseDat(const QByteArray &text, const QString &name, DatFile &dat, QString *why,
              const DatLimits &limits = DatLimits());
// The same, handing the ROMs to take in batches as they are read rather than
// keeping them in dat.roms (their dat field is left empty). take returns
// false to stop the reading, which is then refused. A refused file may have
// handed some batches over before the refusal: the taker drops them.
using DatRomsTaker = std::function<bool(std::vector<DatRom> &roms)>;
bool ParseDat(const QByteArray &text, const QString &name, DatFile &dat, QString *why, const DatLimits &limits,
              const DatRomsTaker &take);
// The text of a DAT file, read whole unless it is longer than the limit.
bool ReadDatText(const QString &path, QByteArray &text, QString *why, const DatLimits &limits = DatLimits());
