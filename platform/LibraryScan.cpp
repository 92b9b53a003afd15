#include "LibraryScan.h"

#include "ArchiveReader.h"
#include "FileNames.h"
#include "RegularFile.h"

#include "core/FilePattern.h"

#include <QCryptographicHash>

#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kHeaderBytes = 0x150;
// A step is handed to the store after this many files read, or this long.
constexpr std::size_t kStepFiles = 256;
constexpr auto kStepTime = std::chrono::milliseconds(250);
// Folders deeper than this are left out: each level holds a descriptor open.
constexpr int kMaxDepth = 64;

// A file below the root worth looking at.
struct Found {
    QByteArray relative;
    FileStamp stamp;
    bool archive = false;
};

bool IsArchiveName(const char *name)
{
    const std::size_t length = std::strlen(name);
    const auto endsWith = [&](const char *suffix) {
        const std::size_t size = std::strlen(suffix);
        return length > size && strcasecmp(name + length - size, suffix) == 0;
    };
    return endsWith(".zip") || endsWith(".7z");
}

FileStamp StampOf(const struct stat &info)
{
    return FileStamp{static_cast<qint64>(info.st_dev), static_cast<qint64>(info.st_ino), static_cast<qint64>(info.st_size),
                     static_cast<qint64>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

// Lists the matching files and archives below an open folder into found,
// folders of any depth, never through a link; a folder that cannot be read
// is added to unreadable. Each folder listed is told as progress. The folder
// is closed here.
void ListFolder(int fd, const QByteArray &relative, const FilePattern &pattern, std::vector<Found> &found,
                std::vector<QByteArray> &unreadable, const ScanSink &sink, int depth)
{
    DIR *dir = fdopendir(fd);
    if (!dir) {
        close(fd);
        unreadable.push_back(relative + '/');
        return;
    }
    if (sink.entering)
        sink.entering(fd);
    const QByteArray prefix = relative.isEmpty() ? QByteArray() : relative + '/';
    while (const dirent *entry = readdir(dir)) {
        const char *name = entry->d_name;
        if (name[0] == '.')
            continue;
        unsigned char type = entry->d_type;
        struct stat info = {};
        if (type == DT_UNKNOWN) {
            if (fstatat(fd, name, &info, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            type = S_ISDIR(info.st_mode) ? DT_DIR : S_ISLNK(info.st_mode) ? DT_LNK : S_ISREG(info.st_mode) ? DT_REG : 0;
        }
        if (type == DT_DIR) {
            // Opened from its parent, never through a link: no loop.
            const int sub = depth < kMaxDepth ? openat(fd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC) : -1;
            if (sub < 0)
                unreadable.push_back(prefix + name + '/');
            else
                ListFolder(sub, prefix + name, pattern, found, unreadable, sink, depth + 1);
            continue;
        }
        if (type != DT_REG && type != DT_LNK)
            continue;
        const bool archive = IsArchiveName(name);
        if (!archive && !pattern.Matches(name))
            continue;
        // A link to a file is taken, a link to a folder is not followed.
        if (fstatat(fd, name, &info, 0) != 0 || !S_ISREG(info.st_mode))
            continue;
        found.push_back(Found{prefix + name, StampOf(info), archive});
    }
    closedir(dir);
    sink.progress(0);
}

} // namespace

ScannedRom Hashed(const QByteArray &relative, const std::string &entry, const FileStamp &stamp,
                  const std::vector<std::uint8_t> &bytes)
{
    ScannedRom rom;
    rom.relative = relative;
    rom.entry = entry;
    rom.stamp = stamp;
    rom.romSize = static_cast<qint64>(bytes.size());
    rom.crc32 = static_cast<quint32>(crc32(0L, bytes.data(), static_cast<uInt>(bytes.size())));
    rom.sha1 = QCryptographicHash::hash(
        QByteArrayView(reinterpret_cast<const char *>(bytes.data()), static_cast<qsizetype>(bytes.size())),
        QCryptographicHash::Sha1);
    rom.header.assign(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(std::min(bytes.size(), kHeaderBytes)));
    return rom;
}

bool LibraryReader::ReadFile(const QByteArray &path, std::vector<std::uint8_t> &bytes, std::string *why)
{
    RegularFile file(AT_FDCWD, path);
    if (!file.IsOpen()) {
        *why = file.Error() == EINVAL ? "it is not a regular file" : std::strerror(file.Error());
        return false;
    }
    if (static_cast<std::uint64_t>(file.Size()) > kMaxEntryBytes) {
        *why = "it is larger than 16 MB";
        return false;
    }
    // One byte more than the size looked at tells a file that grew meanwhile.
    bytes.resize(static_cast<std::size_t>(file.Size()) + 1);
    const std::int64_t got = file.Read(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    if (got < 0) {
        *why = std::strerror(errno);
        return false;
    }
    bytes.resize(static_cast<std::size_t>(got));
    return true;
}

bool LibraryReader::ReadArchive(const QByteArray &path, const FilePattern &pattern, const Visit &visit, std::string *why)
{
    return ReadArchiveRoms(path.toStdString(), pattern, visit, nullptr, why);
}

Told ScanRoot(const QString &root, const FilePattern &pattern, const KnownFiles &knownFiles, LibraryReader &reader,
                 const ScanSink &sink)
{
    QByteArray base = EncodeFileName(root);
    while (base.size() > 1 && base.endsWith('/'))
        base.chop(1);
    const auto full = [&](const QByteArray &relative) { return relative.isEmpty() ? base : base + '/' + relative; };

    // Every folder first, so the count is known before the slow part.
    std::vector<Found> found;
    std::vector<QByteArray> unreadable;
    const int top = open(base.constData(), O_RDONLY | O_DIRECTORY | O_NONBLOCK | O_CLOEXEC);
    if (top < 0)
        return Tell(Wording{"LibraryScan", QT_TRANSLATE_NOOP("LibraryScan", "The folder %1 cannot be read: %2"),
                            {root.toStdString(), QString::fromLocal8Bit(std::strerror(errno)).toStdString()}});
    ListFolder(top, QByteArray(), pattern, found, unreadable, sink, 0);
    QHash<QByteArray, FileStamp> known = knownFiles();
    sink.listed(static_cast<int>(found.size()));

    LibraryBatch batch;
    int done = 0;
    int failed = 0;
    QString firstFailure;
    auto lastStep = std::chrono::steady_clock::now();
    const auto step = [&] {
        if (batch.replaced.empty() && batch.vanished.empty())
            return;
        sink.store(std::move(batch));
        batch = LibraryBatch();
        lastStep = std::chrono::steady_clock::now();
    };
    std::vector<std::uint8_t> bytes;
    for (const Found &file : found) {
        const auto before = known.constFind(file.relative);
        const bool unchanged = before != known.constEnd() && *before == file.stamp;
        if (before != known.constEnd())
            known.erase(before);
        if (!unchanged) {
            std::string why;
            bool read = false;
            std::vector<ScannedRom> roms;
            if (file.archive) {
                read = reader.ReadArchive(full(file.relative), pattern,
                                          [&](const std::string &entry, const std::vector<std::uint8_t> &content) {
                                              roms.push_back(Hashed(file.relative, entry, file.stamp, content));
                                          },
                                          &why);
            } else if ((read = reader.ReadFile(full(file.relative), bytes, &why))) {
                roms.push_back(Hashed(file.relative, std::string(), file.stamp, bytes));
            }
            if (read) {
                batch.replaced.push_back(file.relative);
                std::move(roms.begin(), roms.end(), std::back_inserter(batch.roms));
            } else if (failed++ == 0) {
                // What was stored of it stays until it can be read again.
                firstFailure = DecodeFileName(file.relative) + QStringLiteral(": ") + QString::fromLocal8Bit(why.c_str());
            }
        }
        // Told every so often: each telling takes a lock.
        if (++done % 64 == 0 || done == static_cast<int>(found.size()))
            sink.progress(done);
        if (batch.replaced.size() >= kStepFiles || std::chrono::steady_clock::now() - lastStep >= kStepTime)
            step();
    }
    // What was stored but is no longer found is gone, except below a folder that could not be read.
    for (auto file = known.constBegin(); file != known.constEnd(); ++file) {
        const bool hidden = std::any_of(unreadable.begin(), unreadable.end(),
                                        [&](const QByteArray &folder) { return file.key().startsWith(folder); });
        if (!hidden)
            batch.vanished.push_back(file.key());
    }
    step();
    if (failed == 0)
        return unreadable.empty() ? Told()
                                  : Tell(Wording{"LibraryScan",
                                                 QT_TRANSLATE_NOOP("LibraryScan", "%1 folders under %2 cannot be read"),
                                                 {std::to_string(unreadable.size()), root.toStdString()}});
    return Tell(Wording{"LibraryScan", QT_TRANSLATE_NOOP("LibraryScan", "%1 files under %2 cannot be read (%3)"),
                        {std::to_string(failed), root.toStdString(), firstFailure.toStdString()}});
}
