#include "PrivateFolder.h"

#include "FolderScan.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr mode_t kPrivate = 0700;

std::string Joined(const std::string &folder, const std::string &name)
{
    return folder == "/" ? "/" + name : folder + '/' + name;
}

} // namespace

int OpenPrivateFolderAt(int at, const std::string &name, std::string *why, bool *made)
{
    if (made)
        *made = false;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int fd = openat(at, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0 && errno == ENOENT) {
            if (mkdirat(at, name.c_str(), kPrivate) == 0) {
                if (made)
                    *made = true;
            } else if (errno != EEXIST) {
                *why = name + " cannot be made: " + std::strerror(errno);
                return -1;
            }
            continue; // open what is there now, and check it
        }
        if (fd < 0) {
            const int error = errno;
            struct stat named = {};
            if (fstatat(at, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(named.st_mode))
                *why = name + " is a symbolic link";
            else if (error == ENOTDIR)
                *why = name + " is not a folder";
            else
                *why = name + ": " + std::strerror(error);
            return -1;
        }
        struct stat info = {};
        if (fstat(fd, &info) != 0) {
            *why = name + ": " + std::strerror(errno);
        } else if (info.st_uid != geteuid()) {
            *why = name + " belongs to another user";
        } else if ((info.st_mode & 07777) == kPrivate || fchmod(fd, kPrivate) == 0) {
            return fd;
        } else {
            *why = name + " cannot be made private: " + std::strerror(errno);
        }
        close(fd);
        return -1;
    }
    *why = name + " keeps changing";
    return -1;
}

int OpenPrivateFolder(const std::string &path, std::string *why)
{
    std::string trimmed = path;
    while (trimmed.size() > 1 && trimmed.back() == '/')
        trimmed.pop_back();
    const std::size_t slash = trimmed.rfind('/');
    if (slash == std::string::npos || trimmed.size() == 1) {
        *why = path + " is not a folder of its own";
        return -1;
    }
    const std::string parent = slash == 0 ? "/" : trimmed.substr(0, slash);
    const std::string name = trimmed.substr(slash + 1);
    std::string failed;
    if (const int error = MakeFolders(parent, kPrivate, &failed)) {
        *why = failed + " cannot be made: " + std::strerror(error);
        return -1;
    }
    const int holder = open(parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    struct stat info = {};
    if (holder < 0 || fstat(holder, &info) != 0) {
        *why = parent + ": " + std::strerror(errno);
        if (holder >= 0)
            close(holder);
        return -1;
    }
    if ((info.st_uid != geteuid() && info.st_uid != 0)
        || ((info.st_mode & S_IWOTH) != 0 && (info.st_mode & S_ISVTX) == 0)) {
        close(holder);
        *why = "other users can replace " + trimmed + " (" + parent + " is theirs to change)";
        return -1;
    }
    std::string reason;
    const int fd = OpenPrivateFolderAt(holder, name, &reason);
    close(holder);
    if (fd < 0)
        *why = Joined(parent, reason);
    return fd;
}
