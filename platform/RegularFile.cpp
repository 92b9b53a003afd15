#include "RegularFile.h"

#include "FileNames.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

RegularFile::RegularFile(const QString &path)
{
    const QByteArray name = EncodeFileName(path);
    struct stat before = {};
    if (stat(name.constData(), &before) != 0) {
        error_ = errno;
        return;
    }
    mode_ = before.st_mode;
    if (!S_ISREG(before.st_mode)) {
        error_ = EINVAL;
        return;
    }
    const int fd = open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        error_ = errno;
        return;
    }
    // The path may have been swapped between the look and the open.
    struct stat opened = {};
    if (fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_dev != before.st_dev
        || opened.st_ino != before.st_ino) {
        close(fd);
        error_ = EINVAL;
        return;
    }
    fd_ = fd;
    size_ = opened.st_size;
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
