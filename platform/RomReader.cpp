#include "RomReader.h"

#include "../core/HeaderInspection.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool ReadRomHeader(const QString &path, std::vector<std::uint8_t> &header)
{
    header.clear();
    const int fd = open(QFile::encodeName(path).constData(),
                        O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return false;
    struct stat info = {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        return false;
    }
    header.resize(kHeaderLength);
    std::size_t filled = 0;
    bool failed = false;
    while (filled < kHeaderLength) {
        const ssize_t n = read(fd, header.data() + filled, kHeaderLength - filled);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            failed = true;
        if (n <= 0)
            break;
        filled += static_cast<std::size_t>(n);
    }
    close(fd);
    header.resize(filled);
    return !failed;
}
