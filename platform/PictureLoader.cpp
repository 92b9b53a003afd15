#include "PictureLoader.h"

#include "FileNames.h"
#include "PictureFolder.h"
#include "RegularFile.h"

#include "core/HeaderInspection.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

#include <cmath>
#include <map>
#include <memory>
#include <mutex>

namespace {

constexpr qint64 kMaxPictureFileBytes = 64LL * 1024 * 1024;

// Each scan of a progressive JPEG costs a pass over the whole picture; a few
// dozen is usual.
constexpr int kMaxJpegScans = 256;

// The format is decided here from the first bytes, never by probing every
// image plug-in installed.
QByteArray FormatOf(const QByteArray &bytes)
{
    if (bytes.startsWith("BM"))
        return "bmp";
    if (bytes.startsWith("\xFF\xD8\xFF"))
        return "jpeg";
    if (bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a"))
        return "gif";
    if (bytes.startsWith("\x89PNG\r\n\x1A\n"))
        return "png";
    return {};
}

// Walks the segments of a JPEG up to its end marker, skipping embedded data
// such as thumbnails. Returns the number of scans, or -1 when the end marker
// is missing.
int JpegScans(const QByteArray &bytes)
{
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    const qsizetype size = bytes.size();
    int scans = 0;
    qsizetype i = 2;
    while (i + 1 < size) {
        if (data[i] != 0xFF) {
            ++i;
            continue;
        }
        const uchar marker = data[i + 1];
        i += 2;
        if (marker == 0xD9)
            return scans;
        if (marker == 0xFF) {
            --i;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue;
        if (i + 1 >= size)
            return -1;
        const int length = (data[i] << 8) | data[i + 1];
        if (length < 2)
            return -1;
        i += length;
        if (marker == 0xDA) {
            ++scans;
            // Entropy-coded data: an FF in it is followed by 00 or a restart marker.
            while (i + 1 < size && (data[i] != 0xFF || data[i + 1] == 0x00 || (data[i + 1] >= 0xD0 && data[i + 1] <= 0xD7)))
                ++i;
        }
    }
    return -1;
}

// Qt's readers show a cut-off BMP, JPEG or GIF partly, with no error; a
// picture whose end is missing is treated as unreadable instead.
bool LooksComplete(const QByteArray &bytes, const QByteArray &format)
{
    if (format == "bmp") {
        if (bytes.size() < 6)
            return false;
        const quint32 declared = qFromLittleEndian<quint32>(bytes.constData() + 2);
        return declared == 0 || declared <= static_cast<quint32>(bytes.size());
    }
    if (format == "jpeg") {
        if (!bytes.endsWith("\xFF\xD9"))
            return false;
        const int scans = JpegScans(bytes);
        return scans >= 1 && scans <= kMaxJpegScans;
    }
    if (format == "gif")
        return bytes.lastIndexOf(';') > 12;
    return bytes.contains("IEND");
}

} // namespace

namespace {

QImage Decode(RegularFile &file, qint64 maxPixels)
{
    if (!file.IsOpen() || file.Size() == 0 || file.Size() > kMaxPictureFileBytes)
        return {};
    QByteArray bytes(static_cast<qsizetype>(file.Size()), Qt::Uninitialized);
    if (file.Read(bytes.data(), file.Size()) != file.Size())
        return {};
    const QByteArray format = FormatOf(bytes);
    if (format.isEmpty() || !LooksComplete(bytes, format))
        return {};

    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    // A bitmap stored top-down reports a negative height.
    const QSize size = reader.size();
    const qint64 pixels = qint64(size.width()) * qAbs(qint64(size.height()));
    if (size.width() <= 0 || pixels == 0)
        return {};
    if (pixels > maxPixels) {
        // A JPEG is decoded at a fraction of its size at little cost; other
        // formats would be decoded whole first.
        if (format != "jpeg")
            return {};
        const double scale = std::sqrt(static_cast<double>(maxPixels) / static_cast<double>(pixels));
        reader.setScaledSize(QSize(qMax(1, static_cast<int>(size.width() * scale)),
                                   qMax(1, static_cast<int>(qAbs(size.height()) * scale))));
    }
    return reader.read();
}

// The picture folders looked in, kept for the program's life (threads stuck
// on a dead share may still use them at exit): images/ of the working folder,
// and of the last few ROM folders.
std::shared_ptr<PictureFolder> FolderOfPictures(const QByteArray &path)
{
    constexpr std::size_t kKept = 8;
    static auto *mutex = new std::mutex;
    static auto *folders = new std::map<QByteArray, std::shared_ptr<PictureFolder>>;
    const std::lock_guard<std::mutex> lock(*mutex);
    const auto found = folders->find(path);
    if (found != folders->end())
        return found->second;
    if (folders->size() >= kKept)
        folders->clear();
    return (*folders)[path] = std::make_shared<PictureFolder>(path);
}

} // namespace

QImage LoadPicture(const QString &path, qint64 maxPixels)
{
    RegularFile file(path);
    return Decode(file, maxPixels);
}

QImage LoadGamePicture(const QString &romFolder, const QString &fileName)
{
    // Each folder is opened once for all the names tried in it.
    std::unique_ptr<PictureFolder::Look> folders[2];
    for (const PictureCandidate &candidate : PictureCandidates(EncodeFileName(fileName).toStdString())) {
        std::unique_ptr<PictureFolder::Look> &folder = folders[candidate.inRomFolder ? 1 : 0];
        if (!folder) {
            folder = FolderOfPictures(candidate.inRomFolder ? EncodeFileName(romFolder) + "/images"
                                                            : QByteArrayLiteral("images"))
                         ->Open();
        }
        const std::string name = folder->Find(candidate.name);
        if (name.empty())
            continue;
        RegularFile file(folder->Descriptor(), QByteArray::fromStdString(name));
        QImage picture = Decode(file, kMaxPicturePixels);
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
