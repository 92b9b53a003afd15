#include "RomCache.h"

#include "ArchiveReader.h"
#include "FileReplace.h"
#include "FolderReader.h"
#include "PrivateFolder.h"
#include "XdgFolders.h"

#include "core/ArchiveEntryName.h"
#include "core/CacheChoice.h"

#include <QCryptographicHash>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The note beside a ROM in its slot: the ROM's size in bytes, in decimal.
const char *const kSizeNote = ".size";
constexpr mode_t kFileMode = 0600;

// Closes a descriptor when it goes.
struct Descriptor {
    int fd;
    ~Descriptor()
    {
        if (fd >= 0)
            close(fd);
    }
};

// Whether the entry of the folder open as folder is a file the cache wrote:
// a regular file of the user's, mode 0600. Links are not followed.
bool IsOurFile(int folder, const char *name, struct stat *info)
{
    return fstatat(folder, name, info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info->st_mode)
        && info->st_uid == geteuid() && (info->st_mode & 07777) == kFileMode;
}

// Calls visit(slot folder, name, info) for each file the cache wrote in the
// slot; false when the slot is a link, not a folder or not the user's.
bool EachOurFile(int cache, const char *slot, const std::function<void(int, const char *, const struct stat &)> &visit)
{
    FolderReader folder(cache, slot, O_NOFOLLOW);
    struct stat info = {};
    if (!folder.IsOpen() || fstat(folder.Fd(), &info) != 0 || info.st_uid != geteuid())
        return false;
    while (const dirent *entry = folder.Next()) {
        if (IsOurFile(folder.Fd(), entry->d_name, &info))
            visit(folder.Fd(), entry->d_name, info);
    }
    return true;
}

// The size noted beside the ROM in the slot, or -1.
long long NotedSize(int slot)
{
    struct stat info = {};
    if (!IsOurFile(slot, kSizeNote, &info) || info.st_size > 20)
        return -1;
    const int fd = openat(slot, kSizeNote, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    char text[24] = {};
    const ssize_t got = read(fd, text, sizeof text - 1);
    close(fd);
    if (got <= 0)
        return -1;
    char *end = nullptr;
    const long long size = std::strtoll(text, &end, 10);
    return end == text + got && size >= 0 ? size : -1;
}

// Unpacks the entry into the slot under name, with the note of its size.
bool UnpackInto(int slot, const std::string &name, const std::string &archivePath, const std::string &entry,
                std::string *why)
{
    why->clear();
    const int error = ReplaceFileAt(slot, name, kFileMode, false, [&](int fd) {
        struct stat info = {};
        if (!CopyArchiveEntry(archivePath, entry, fd, why))
            return EIO;
        if (fstat(fd, &info) != 0)
            return errno;
        const std::string size = std::to_string(info.st_size);
        return ReplaceFileAt(slot, kSizeNote, kFileMode, false, [&size](int note) {
            return write(note, size.data(), size.size()) == static_cast<ssize_t>(size.size()) ? 0 : errno != 0 ? errno : EIO;
        });
    });
    if (error != 0 && why->empty())
        *why = std::string("the ROM cannot be written to the cache: ") + std::strerror(error);
    return error == 0;
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
    std::string reason;
    const Descriptor cache{OpenPrivateFolder(folder_, &reason)};
    if (cache.fd < 0) {
        *why = "the cache folder cannot be used: " + reason;
        return {};
    }
    const std::string slotName = SlotName(archivePath, archive, entry);
    bool made = false;
    const Descriptor slot{OpenPrivateFolderAt(cache.fd, slotName, &reason, &made)};
    if (slot.fd < 0) {
        *why = "the cache cannot be used: " + folder_ + reason;
        return {};
    }
    const std::string name = EntryBaseName(entry);
    std::string rom = folder_ + slotName + '/' + name;
    struct stat info = {};
    if (IsOurFile(slot.fd, name.c_str(), &info) && info.st_size == NotedSize(slot.fd)) {
        utimensat(slot.fd, name.c_str(), nullptr, AT_SYMLINK_NOFOLLOW); // used now
        return rom;
    }
    if (!UnpackInto(slot.fd, name, archivePath, entry, why)) {
        if (made)
            unlinkat(cache.fd, slotName.c_str(), AT_REMOVEDIR);
        return {};
    }
    Trim(cache.fd, slotName);
    return rom;
}

void RomCache::Trim(int cache, const std::string &keep) const
{
    std::vector<CachedRom> roms;
    {
        FolderReader folder(cache, ".");
        while (const dirent *entry = folder.Next()) {
            if (!IsCacheSlotName(entry->d_name))
                continue;
            CachedRom rom{entry->d_name, 0, 0};
            const bool ours = EachOurFile(cache, entry->d_name, [&rom](int, const char *, const struct stat &info) {
                rom.bytes += static_cast<std::uint64_t>(info.st_size);
                rom.lastUsed = std::max<std::int64_t>(rom.lastUsed, info.st_mtim.tv_sec * 1000000000LL + info.st_mtim.tv_nsec);
            });
            if (ours)
                roms.push_back(rom);
        }
    }
    for (const std::string &slot : ChooseEvictions(roms, bound_, keep)) {
        const bool ours = EachOurFile(cache, slot.c_str(), [](int folder, const char *name, const struct stat &) {
            unlinkat(folder, name, 0);
        });
        if (ours)
            unlinkat(cache, slot.c_str(), AT_REMOVEDIR);
    }
}
