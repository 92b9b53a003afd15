#include "FileReplace.h"

#include <QRandomGenerator>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

int ReplaceFileAt(int folder, const std::string &name, unsigned mode, bool sync, const std::function<int(int fd)> &write)
{
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = name + ".part-" + std::to_string(QRandomGenerator::global()->generate());
        fd = openat(folder, temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                    mode == 0 ? 0666 : 0600);
        if (fd < 0 && errno != EEXIST)
            return errno;
    }
    if (fd < 0)
        return EEXIST;
    int error = mode != 0 && fchmod(fd, static_cast<mode_t>(mode)) != 0 ? errno : 0;
    if (error == 0)
        error = write(fd);
    if (error == 0 && sync && fsync(fd) != 0)
        error = errno;
    if (close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && renameat(folder, temporary.c_str(), folder, name.c_str()) != 0)
        error = errno;
    if (error != 0) {
        unlinkat(folder, temporary.c_str(), 0);
        return error;
    }
    if (sync)
        fsync(folder);
    return 0;
}
