#include "RomArgument.h"

#include "core/ArchiveEntryName.h"
#include "core/FilePattern.h"
#include "platform/FileNames.h"
#include "platform/RegularFile.h"

#include <cstring>
#include <sys/stat.h>

namespace {

// Why RegularFile refused the file.
QString Unreadable(const RegularFile &file)
{
    if (file.Mode() == 0)
        return QString::fromLocal8Bit(std::strerror(file.Error()));
    if (!S_ISREG(file.Mode()))
        return QStringLiteral("it is not a regular file");
    return QStringLiteral("it cannot be read");
}

} // namespace

RomArgument LookAtRomArgument(const QString &path, const QString &pattern, const ArchiveRomLister &listArchive)
{
    const RegularFile file(path);
    if (S_ISDIR(file.Mode()))
        return {true, QString()};
    if (!file.IsOpen())
        return {false, Unreadable(file)};
    const QString name = path.section(QLatin1Char('/'), -1);
    const FilePattern roms(pattern.toStdString());
    const std::string bytes = EncodeFileName(name).toStdString();
    if (roms.Matches(bytes))
        return {};
    if (!IsArchiveName(bytes))
        return {false, QStringLiteral("its name does not match \"%1\"").arg(pattern)};
    // An archive of anything else (photos, documents) is not shown as an empty folder.
    if (listArchive(path, roms).entries.empty())
        return {false, QStringLiteral("it holds no ROM")};
    return {};
}
