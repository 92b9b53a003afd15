#include "RegularFile.h"

#include "FileNames.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

RegularFile::RegularFile(const QString &path)
    : RegularFile(AT_FDCWD, EncodeFileName(path))
{
}

RegularFile::RegularFile(int folder, const QByteArray &name)
{
    // The name is looked up once, and what it names is looked at through a
    // descriptor that opens nothing (O_PATH): no FIFO, socket or device is
    // ever opened, and the file read is the very one looked at.
    const int look = openat(folder, name.constData(), O_PATH | O_CLOEXEC);
    if (look < 0) {
        error_ = errno;
        return;
    }
    struct stat info = {};
    if (fstat(look, &info) != 0) {
        error_ = errno;
        close(look);
        return;
    }
    mode_ = info.st_mode;
    if (!S_ISREG(info.st_mode)) {
        error_ = EINVAL;
        close(look);
        return;
    }
    // Opened again through the descriptor, which asks the file system for no
    // second lookup: on a share every call is a round trip.
    const int flags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    char descriptor[32];
    std::snprintf(descriptor, sizeof descriptor, "/proc/self/fd/%d", look);
    int fd = open(descriptor, flags);
    if (fd < 0 && errno == ENOENT) {
        // No /proc: opened by name, and taken only when it is still a regular file.
        fd = openat(folder, name.constData(), flags);
        struct stat opened = {};
        if (fd >= 0 && (fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode))) {
            close(fd);
            fd = -1;
            errno = EINVAL;
        }
        info = opened;
    }
    error_ = fd < 0 ? errno : 0;
    close(look);
    if (fd >= 0) {
        fd_ = fd;
        size_ = info.st_size;
    }
}

RegularFile::~RegularFile()
{
    if (fd_ >= 0)
        close(fd_);
}

std::int64_t RegularFile::Read(void *data, std::int64_t size)
{
    if (fd_ < 0)
        return -1;
    auto *bytes = static_cast<char *>(data);
    std::int64_t filled = 0;
    while (filled < size) {
        const ssize_t n = read(fd_, bytes + filled, static_cast<size_t>(size - filled));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        filled += n;
    }
    return filled;
}
