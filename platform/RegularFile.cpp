#include "RegularFile.h"

#include "FileNames.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// How many times a path that changes between the look and the open is looked
// at again before it is given up.
constexpr int kOpenAttempts = 8;

} // namespace

RegularFile::RegularFile(const QString &path)
{
    const QByteArray name = EncodeFileName(path);
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        struct stat named = {};
        if (stat(name.constData(), &named) != 0) {
            error_ = errno;
            return;
        }
        mode_ = named.st_mode;
        if (!S_ISREG(named.st_mode)) {
            error_ = EINVAL;
            return;
        }
        // Non-blocking: should a FIFO have taken the file's place since the
        // look, opening it does not wait for a writer.
        const int fd = open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0) {
            error_ = errno;
            if (error_ == ENOENT || error_ == EINTR)
                continue; // gone between the look and the open
            return;
        }
        // A file renamed into place since the look is simply the file now:
        // what counts is what was opened.
        struct stat opened = {};
        const bool known = fstat(fd, &opened) == 0;
        error_ = known ? 0 : errno;
        if (known) {
            mode_ = opened.st_mode;
            if (S_ISREG(opened.st_mode)) {
                fd_ = fd;
                size_ = opened.st_size;
                return;
            }
            error_ = EINVAL;
        }
        close(fd);
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
