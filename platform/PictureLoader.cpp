#include "PictureLoader.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QtEndian>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 kMaxPictureFileBytes = 64LL * 1024 * 1024;

bool ReadWhole(int fd, qint64 size, QByteArray &bytes)
{
    bytes.resize(size);
    qint64 filled = 0;
    while (filled < size) {
        const ssize_t n = read(fd, bytes.data() + filled, static_cast<size_t>(size - filled));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        filled += n;
    }
    bytes.resize(filled);
    return filled == size;
}

// Qt's readers show a cut-off BMP, JPEG or GIF partly, with no error; a
// picture whose end is missing is treated as unreadable instead.
bool LooksComplete(const QByteArray &bytes)
{
    if (bytes.startsWith("BM") && bytes.size() >= 6) {
        const quint32 declared = qFromLittleEndian<quint32>(bytes.constData() + 2);
        return declared == 0 || declared <= static_cast<quint32>(bytes.size());
    }
    if (bytes.startsWith("\xFF\xD8"))
        return bytes.lastIndexOf("\xFF\xD9") > 2;
    if (bytes.startsWith("GIF8"))
        return bytes.lastIndexOf(';') > 12;
    if (bytes.startsWith("\x89PNG"))
        return bytes.contains("IEND");
    return true;
}

} // namespace

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
    QByteArray bytes;
    const bool read = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0
        && info.st_size <= kMaxPictureFileBytes && ReadWhole(fd, info.st_size, bytes);
    close(fd);
    if (!read || !LooksComplete(bytes))
        return {};

    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > kMaxPicturePixels)
        return {};
    return reader.read();
}
