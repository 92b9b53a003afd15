#include "FolderScan.h"

#include "FileNames.h"
#include "FolderReader.h"

#include "core/FilePattern.h"
#include "core/NameList.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Calls visit(name, type) for every visible entry, with links and unknown
// types resolved to what they point at.
bool EachEntry(const QString &path, const std::function<bool(const char *)> &wanted,
               const std::function<void(const char *, unsigned char)> &visit)
{
    FolderReader folder(AT_FDCWD, EncodeFileName(path).constData(), O_NONBLOCK);
    if (!folder.IsOpen())
        return false;
    while (const dirent *entry = folder.Next()) {
        if (entry->d_name[0] == '.' || !wanted(entry->d_name))
            continue;
        unsigned char type = entry->d_type;
        if (type == DT_LNK || type == DT_UNKNOWN) {
            struct stat info = {};
            if (fstatat(folder.Fd(), entry->d_name, &info, 0) != 0)
                continue; // dangling link or vanished entry
            type = S_ISDIR(info.st_mode) ? DT_DIR : S_ISREG(info.st_mode) ? DT_REG : DT_UNKNOWN;
        }
        visit(entry->d_name, type);
    }
    return true;
}

QString Decode(const char *name)
{
    return DecodeFileName(QByteArray::fromRawData(name, static_cast<qsizetype>(std::strlen(name))));
}

char FoldAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// A matching name as it is sorted: by its letters folded, then by its bytes.
// Plain ASCII names, the common case, are folded as they are compared; other
// names are folded once, as UTF-8, into a block of keys. The first eight
// folded bytes, read as a big-endian number, settle most comparisons without
// leaving the entry.
struct SortEntry {
    std::uint64_t prefix = 0;
    std::uint32_t name = 0;
    std::uint32_t key = kAsciiKey; // start in the key block, or kAsciiKey
    static constexpr std::uint32_t kAsciiKey = UINT32_MAX;
};

std::uint64_t Prefix(const char *folded, bool foldNow)
{
    std::uint64_t prefix = 0;
    bool ended = false;
    for (int i = 0; i < 8; ++i) {
        ended = ended || folded[i] == 0;
        const char c = ended ? '\0' : foldNow ? FoldAscii(folded[i]) : folded[i];
        prefix = prefix << 8 | static_cast<unsigned char>(c);
    }
    return prefix;
}

// Compares two keys from their ninth byte on; each is folded already or folded here.
int CompareRest(const char *a, bool foldA, const char *b, bool foldB)
{
    for (std::size_t i = 8;; ++i) {
        const auto x = static_cast<unsigned char>(foldA ? FoldAscii(a[i]) : a[i]);
        const auto y = static_cast<unsigned char>(foldB ? FoldAscii(b[i]) : b[i]);
        if (x != y || x == 0)
            return x < y ? -1 : x > y ? 1 : 0;
    }
}

} // namespace

bool ListSubfolders(const QString &path, QStringList &folders)
{
    folders.clear();
    return EachEntry(
        path, [](const char *) { return true; },
        [&folders](const char *name, unsigned char type) {
            if (type == DT_DIR)
                folders.append(Decode(name));
        });
}

bool ListMatchingFiles(const QString &path, const FilePattern &pattern, NameList &names)
{
    names = NameList();
    std::vector<SortEntry> entries;
    std::string keys; // folded keys of names beyond ASCII, each followed by a zero byte
    bool full = false;
    const bool read = EachEntry(
        path, [&pattern](const char *name) { return pattern.Matches(name); },
        [&](const char *name, unsigned char type) {
            SortEntry entry;
            if (type != DT_REG || full || !names.Store(name, entry.name)) {
                full = full || type == DT_REG;
                return;
            }
            bool ascii = true;
            for (const char *c = name; *c && ascii; ++c)
                ascii = static_cast<unsigned char>(*c) < 0x80;
            if (ascii) {
                entry.prefix = Prefix(name, true);
            } else {
                const std::string folded = Decode(name).toCaseFolded().toStdString();
                entry.key = static_cast<std::uint32_t>(keys.size());
                keys.append(folded).push_back('\0');
                entry.prefix = Prefix(folded.c_str(), false);
            }
            entries.push_back(entry);
        });
    const auto key = [&](const SortEntry &entry) {
        return entry.key == SortEntry::kAsciiKey ? names.Stored(entry.name).data() : keys.data() + entry.key;
    };
    std::sort(entries.begin(), entries.end(), [&](const SortEntry &a, const SortEntry &b) {
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix;
        // Equal prefixes with a zero last byte are equal keys shorter than eight bytes.
        const int folded = (a.prefix & 0xFF) == 0
            ? 0
            : CompareRest(key(a), a.key == SortEntry::kAsciiKey, key(b), b.key == SortEntry::kAsciiKey);
        return folded != 0 ? folded < 0 : std::strcmp(names.Stored(a.name).data(), names.Stored(b.name).data()) < 0;
    });
    std::vector<std::uint32_t> order;
    order.reserve(entries.size());
    for (const SortEntry &entry : entries)
        order.push_back(entry.name);
    names.SetOrder(std::move(order));
    return read;
}

int MakeFolders(const std::string &path, unsigned mode, std::string *failed)
{
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        struct stat info = {};
        if (stat(part.c_str(), &info) != 0 && mkdir(part.c_str(), mode) != 0 && errno != EEXIST) {
            const int error = errno;
            if (failed)
                *failed = part;
            return error;
        }
        if (slash == std::string::npos)
            return 0;
    }
}

bool IsFolder(const QString &path)
{
    struct stat info = {};
    return stat(EncodeFileName(path).constData(), &info) == 0 && S_ISDIR(info.st_mode);
}
