#include "FolderScan.h"

#include "FileNames.h"

#include "core/FilePattern.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include <cerrno>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Calls visit(name, type) for every visible entry, with links and unknown
// types resolved to what they point at.
bool EachEntry(const QString &path, const std::function<bool(const char *)> &wanted,
               const std::function<void(const char *, unsigned char)> &visit)
{
    const int fd = open(EncodeFileName(path).constData(), O_RDONLY | O_DIRECTORY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    DIR *dir = fdopendir(fd);
    if (!dir) {
        close(fd);
        return false;
    }
    while (const dirent *entry = readdir(dir)) {
        if (entry->d_name[0] == '.' || !wanted(entry->d_name))
            continue;
        unsigned char type = entry->d_type;
        if (type == DT_LNK || type == DT_UNKNOWN) {
            struct stat info = {};
            if (fstatat(fd, entry->d_name, &info, 0) != 0)
                continue; // dangling link or vanished entry
            type = S_ISDIR(info.st_mode) ? DT_DIR : S_ISREG(info.st_mode) ? DT_REG : DT_UNKNOWN;
        }
        visit(entry->d_name, type);
    }
    closedir(dir);
    return true;
}

QString Decode(const char *name)
{
    return DecodeFileName(QByteArray::fromRawData(name, static_cast<qsizetype>(std::strlen(name))));
}

// The name with letters folded, as UTF-8: names sort by it without regard to
// case. Plain ASCII names, the common case, are folded byte by byte.
std::string FoldedKey(const char *name)
{
    std::string key(name);
    bool ascii = true;
    for (char &c : key) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    if (ascii)
        return key;
    return Decode(name).toCaseFolded().toStdString();
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

bool ListMatchingFiles(const QString &path, const FilePattern &pattern, QStringList &names)
{
    names.clear();
    struct Match {
        std::string key; // the name folded, to sort by
        std::string name;
    };
    std::vector<Match> matches;
    const bool read = EachEntry(
        path, [&pattern](const char *name) { return pattern.Matches(name); },
        [&matches](const char *name, unsigned char type) {
            if (type == DT_REG)
                matches.push_back({FoldedKey(name), name});
        });
    std::sort(matches.begin(), matches.end(), [](const Match &a, const Match &b) {
        return a.key != b.key ? a.key < b.key : a.name < b.name;
    });
    names.reserve(static_cast<qsizetype>(matches.size()));
    for (const Match &match : matches)
        names.append(Decode(match.name.c_str()));
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
