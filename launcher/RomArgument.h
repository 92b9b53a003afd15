#pragma once

#include "core/Wording.h"
#include "platform/ArchiveReader.h"

#include <QString>

#include <functional>

class FilePattern;

// What is at a path given to the launcher (named on the command line,
// dropped, handed over), looked at off the window's thread: only a readable
// folder, a readable regular file whose name the file list's pattern takes,
// or a zip or 7z archive holding a ROM may be opened.
struct RomArgument {
    bool folder = false;
    // Why the path cannot be opened; empty when it can.
    Wording why;
};

// Lists the ROMs of an archive, as the file list does.
using ArchiveRomLister = std::function<ArchiveRoms(const QString &path, const FilePattern &pattern)>;

// Looks at path; blocks on a share that does not answer.
RomArgument LookAtRomArgument(const QString &path, const QString &pattern, const ArchiveRomLister &listArchive);
