#include "PictureLoader.h"

#include "FileNames.h"
#include "RegularFile.h"

#include "../core/HeaderInspection.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

namespace {

constexpr qint64 kMaxPictureFileBytes = 64LL * 1024 * 1024;

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

QImage LoadPicture(const QString &path)
{
    RegularFile file(path);
    if (!file.IsOpen() || file.Size() == 0 || file.Size() > kMaxPictureFileBytes)
        return {};
    QByteArray bytes(static_cast<qsizetype>(file.Size()), Qt::Uninitialized);
    if (file.Read(bytes.data(), file.Size()) != file.Size() || !LooksComplete(bytes))
        return {};

    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > kMaxPicturePixels)
        return {};
    return reader.read();
}

QImage LoadGamePicture(const QString &romFolder, const QString &fileName)
{
    const QString romImages = romFolder + QStringLiteral("/images/");
    for (const PictureCandidate &candidate : PictureCandidates(EncodeFileName(fileName).toStdString())) {
        const QString name = DecodeFileName(QByteArray::fromStdString(candidate.name));
        QImage picture = LoadPicture((candidate.inRomFolder ? romImages : QStringLiteral("images/")) + name);
        if (!picture.isNull())
            return picture;
    }
    return {};
}

QPixmap ResourcePicture(const QString &path)
{
    QImageReader reader(path, path.section(QLatin1Char('.'), -1).toLatin1());
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}
