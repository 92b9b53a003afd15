#include "RomCache.h"

#include "ArchiveReader.h"
#include "FolderScan.h"
#include "XdgFolders.h"

#include "core/ArchiveEntryName.h"
#include "core/CacheChoice.h"

#include <QCryptographicHash>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr unsigned kPrivateMode = 0700;

// Calls visit(name, info) for each regular file directly in a folder.
void EachFile(const std::string &folder, const std::function<void(const char *, const struct stat &)> &visit)
{
    DIR *dir = opendir(folder.c_str());
    if (!dir)
        return;
    while (const dirent *entry = readdir(dir)) {
        struct stat info = {};
        if (fstatat(dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode))
            visit(entry->d_name, info);
    }
    closedir(dir);
}

std::string SlotName(const std::string &archivePath, const struct stat &archive, const std::string &entry)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const std::string stamp = std::to_string(archive.st_size) + '\0' + std::to_string(archive.st_mtim.tv_sec) + '.'
        + std::to_string(archive.st_mtim.tv_nsec) + '\0' + std::to_string(archive.st_ino) + '\0';
    hash.addData(QByteArrayView(archivePath.data(), static_cast<qsizetype>(archivePath.size() + 1)));
    hash.addData(QByteArrayView(stamp.data(), static_cast<qsizetype>(stamp.size())));
    hash.addData(QByteArrayView(entry.data(), static_cast<qsizetype>(entry.size())));
    return hash.result().toHex().left(32).toStdString();
}

} // namespace

RomCache::RomCache(std::string folder, std::uint64_t boundBytes) : folder_(std::move(folder)), bound_(boundBytes) {}

std::string RomCache::DefaultFolder()
{
    return XdgFolder("XDG_CACHE_HOME", ".cache") + "vexa/";
}

std::string RomCache::Unpack(const std::string &archivePath, const std::string &entry, std::string *why) const
{
    const std::string refusal = EntryNameRefusal(entry);
    if (!refusal.empty()) {
        *why = refusal;
        return {};
    }
    struct stat archive = {};
    if (stat(archivePath.c_str(), &archive) != 0) {
        *why = std::strerror(errno);
        return {};
    }
    const std::string slot = SlotName(archivePath, archive, entry);
    const std::string slotFolder = folder_ + slot;
    std::string failed;
    if (const int error = MakeFolders(slotFolder, kPrivateMode, &failed)) {
        *why = "the folder " + failed + " cannot be made: " + std::strerror(error);
        return {};
    }
    std::string rom = slotFolder + '/' + EntryBaseName(entry);
    struct stat info = {};
    if (lstat(rom.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
        utimensat(AT_FDCWD, rom.c_str(), nullptr, AT_SYMLINK_NOFOLLOW); // used now
        return rom;
    }
    std::string temporary = slotFolder + "/.part-XXXXXX";
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        *why = std::string("a file cannot be made in the cache: ") + std::strerror(errno);
        return {};
    }
    bool whole = CopyArchiveEntry(archivePath, entry, fd, why);
    if (close(fd) != 0 && whole) {
        *why = std::strerror(errno);
        whole = false;
    }
    if (whole && rename(temporary.c_str(), rom.c_str()) != 0) {
        *why = std::strerror(errno);
        whole = false;
    }
    if (!whole) {
        unlink(temporary.c_str());
        return {};
    }
    Trim(slot);
    return rom;
}

void RomCache::Trim(const std::string &keep) const
{
    std::vector<CachedRom> roms;
    DIR *dir = opendir(folder_.c_str());
    if (!dir)
        return;
    while (const dirent *entry = readdir(dir)) {
        if (!IsCacheSlotName(entry->d_name))
            continue;
        CachedRom rom{entry->d_name, 0, 0};
        EachFile(folder_ + entry->d_name, [&rom](const char *, const struct stat &info) {
            rom.bytes += static_cast<std::uint64_t>(info.st_size);
            rom.lastUsed = std::max<std::int64_t>(rom.lastUsed, info.st_mtim.tv_sec * 1000000000LL + info.st_mtim.tv_nsec);
        });
        roms.push_back(rom);
    }
    closedir(dir);
    for (const std::string &slot : ChooseEvictions(roms, bound_, keep)) {
        const std::string slotFolder = folder_ + slot;
        EachFile(slotFolder, [&slotFolder](const char *name, const struct stat &) {
            unlink((slotFolder + '/' + name).c_str());
        });
        rmdir(slotFolder.c_str());
    }
}
