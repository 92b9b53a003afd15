#include "RegularFile.h"

#include "FileNames.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

RegularFile::RegularFile(const QString &path)
{
    const int fd = open(EncodeFileName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return;
    struct stat info = {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        return;
    }
    fd_ = fd;
    size_ = info.st_size;
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
