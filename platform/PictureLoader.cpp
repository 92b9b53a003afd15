#include "PictureLoader.h"

#include <QFile>
#include <QImageReader>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

QString FileSystemPath(const QString &path)
{
    QString converted = path;
    converted.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return converted;
}

QImage LoadPicture(const QString &path)
{
    const int fd = open(QFile::encodeName(FileSystemPath(path)).constData(),
                        O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return {};
    struct stat info = {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size == 0) {
        close(fd);
        return {};
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        close(fd);
        return {};
    }
    QImageReader reader(&file);
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > kMaxPicturePixels)
        return {};
    return reader.read();
}
