#include "FolderScan.h"

#include "FileNames.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool ScanFolder(const QString &path, FolderEntries &entries)
{
    entries = FolderEntries();
    const int fd = open(EncodeFileName(path).constData(),
                        O_RDONLY | O_DIRECTORY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    DIR *dir = fdopendir(fd);
    if (!dir) {
        close(fd);
        return false;
    }
    while (const dirent *entry = readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        unsigned char type = entry->d_type;
        if (type == DT_LNK || type == DT_UNKNOWN) {
            struct stat info = {};
            if (fstatat(fd, entry->d_name, &info, 0) != 0)
                continue; // dangling link or vanished entry
            type = S_ISDIR(info.st_mode) ? DT_DIR : S_ISREG(info.st_mode) ? DT_REG : DT_UNKNOWN;
        }
        if (type == DT_DIR)
            entries.folders.append(DecodeFileName(QByteArray(entry->d_name)));
        else if (type == DT_REG)
            entries.files.append(DecodeFileName(QByteArray(entry->d_name)));
    }
    closedir(dir);
    return true;
}
