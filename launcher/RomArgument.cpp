#include "RomArgument.h"

#include "core/ArchiveEntryName.h"
#include "core/FilePattern.h"
#include "platform/FileNames.h"
#include "platform/RegularFile.h"

#include <cstring>
#include <sys/stat.h>

namespace {

// Why RegularFile refused the file.
Wording Unreadable(const RegularFile &file)
{
    if (file.Mode() == 0) // the system's own words
        return {"RomArgument", "%1", {QString::fromLocal8Bit(std::strerror(file.Error())).toStdString()}};
    if (!S_ISREG(file.Mode()))
        return {"RomArgument", QT_TRANSLATE_NOOP("RomArgument", "it is not a regular file"), {}};
    return {"RomArgument", QT_TRANSLATE_NOOP("RomArgument", "it cannot be read"), {}};
}

} // namespace

RomArgument LookAtRomArgument(const QString &path, const QString &pattern, const ArchiveRomLister &listArchive)
{
    const RegularFile file(path);
    if (S_ISDIR(file.Mode()))
        return {true, {}};
    if (!file.IsOpen())
        return {false, Unreadable(file)};
    const QString name = path.section(QLatin1Char('/'), -1);
    const FilePattern roms(pattern.toStdString());
    const std::string bytes = EncodeFileName(name).toStdString();
    if (roms.Matches(bytes))
        return {};
    if (!IsArchiveName(bytes))
        return {false, {"RomArgument", QT_TRANSLATE_NOOP("RomArgument", "its name does not match \"%1\""), {pattern.toStdString()}}};
    // An archive of anything else (photos, documents) is not shown as an empty folder.
    if (listArchive(path, roms).entries.empty())
        return {false, {"RomArgument", QT_TRANSLATE_NOOP("RomArgument", "it holds no ROM"), {}}};
    return {};
}
