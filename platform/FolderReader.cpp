#include "FolderReader.h"

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

FolderReader::FolderReader(int at, const char *path, int flags)
{
    const int fd = openat(at, path, O_RDONLY | O_DIRECTORY | O_CLOEXEC | flags);
    if (fd < 0) {
        error_ = errno;
        return;
    }
    dir_ = fdopendir(fd);
    if (!dir_) {
        error_ = errno;
        close(fd);
    }
}

FolderReader::~FolderReader()
{
    if (dir_)
        closedir(dir_);
}

int FolderReader::Fd() const
{
    return dir_ ? dirfd(dir_) : -1;
}

const dirent *FolderReader::Next()
{
    if (!dir_)
        return nullptr;
    while (const dirent *entry = readdir(dir_)) {
        const char *name = entry->d_name;
        if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')))
            continue;
        return entry;
    }
    return nullptr;
}
