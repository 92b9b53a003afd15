#include "RomInspector.h"

#include "core/ArchiveEntryName.h"
#include "core/HeaderInspection.h"
#include "platform/ArchiveReader.h"
#include "platform/FileNames.h"
#include "platform/PictureLoader.h"
#include "platform/RomReader.h"

RomInspector::RomInspector(QObject *parent)
    : QObject(parent)
    , readHeader([](const QString &path) {
        std::vector<std::uint8_t> header;
        ReadRomHeader(path, header);
        return header;
    })
    , readEntryHeader([](const QString &archivePath, const std::string &entry) {
        std::vector<std::uint8_t> header;
        ReadArchiveEntryHead(EncodeFileName(archivePath).toStdString(), entry, kHeaderLength, header);
        return header;
    })
    , loadPicture(LoadGamePicture)
    , picture_(pictureLane_, [this](std::optional<QImage> picture) {
        if (pictureWaiting_) {
            StartPicture(); // a later click's picture is wanted instead
            return;
        }
        pictureTimer_.stop();
        emit PictureRead(picture ? *picture : QImage());
    })
{
    headerTimer_.setSingleShot(true);
    connect(&headerTimer_, &QTimer::timeout, this, &RomInspector::HandOnHeaders);
    pictureTurn_.setSingleShot(true);
    connect(&pictureTurn_, &QTimer::timeout, this, &RomInspector::StartPicture);
    pictureTimer_.setSingleShot(true);
    connect(&pictureTimer_, &QTimer::timeout, this, [this] {
        // Too slow: the placeholder, and whatever comes later is dropped.
        picture_.Drop();
        pictureWaiting_ = false;
        emit PictureRead(QImage());
    });
}

RomInspector::~RomInspector()
{
    for (const PendingHeader &pending : headers_)
        delete pending.watcher;
}

void RomInspector::Inspect(const QString &folder, const QString &fileName)
{
    Start({folder + QLatin1Char('/') + fileName, {}, nullptr, QDeadlineTimer(BoundMs)}, folder, {fileName});
}

void RomInspector::InspectEntry(const QString &folder, const QString &archiveName, const std::string &entry)
{
    const QString inner = DecodeFileName(QByteArray::fromStdString(EntryBaseName(entry)));
    Start({folder + QLatin1Char('/') + archiveName, entry, nullptr, QDeadlineTimer(BoundMs)}, folder,
          {inner, archiveName});
}

void RomInspector::Start(PendingHeader header, const QString &folder, const QStringList &pictureNames)
{
    headers_.push_back(std::move(header));
    StartHeaders();
    HandOnHeaders();

    nextFolder_ = folder;
    nextPictureNames_ = pictureNames;
    pictureWaiting_ = true;
    pictureTimer_.start(PictureBoundMs);
    StartPicture();
}

void RomInspector::StartPicture()
{
    if (!pictureWaiting_)
        return;
    if (picture_.InFlight() && !pictureDeadline_.hasExpired()) {
        pictureTurn_.start(static_cast<int>(pictureDeadline_.remainingTime()));
        return;
    }
    pictureTurn_.stop();
    pictureWaiting_ = false;
    pictureDeadline_ = QDeadlineTimer(PictureBoundMs);
    picture_.Start([load = loadPicture, folder = nextFolder_, names = nextPictureNames_] {
        QImage picture;
        for (auto name = names.begin(); picture.isNull() && name != names.end(); ++name)
            picture = load(folder, *name);
        return picture;
    });
}

void RomInspector::StartHeaders()
{
    for (auto pending = headers_.rbegin(); pending != headers_.rend() && headerLane_.HasRoom(); ++pending) {
        if (pending->watcher || pending->deadline.hasExpired())
            continue;
        pending->watcher = new QFutureWatcher<std::vector<std::uint8_t>>;
        connect(pending->watcher, &QFutureWatcherBase::finished, this, &RomInspector::HandOnHeaders);
        pending->watcher->setFuture(headerLane_.Run<std::vector<std::uint8_t>>(
            [read = readHeader, readEntry = readEntryHeader, path = pending->path, entry = pending->entry] {
                return entry.empty() ? read(path) : readEntry(path, entry);
            }));
        pending->deadline = QDeadlineTimer(BoundMs);
    }
}

void RomInspector::HandOnHeaders()
{
    // A read that ended has made room for one waiting.
    StartHeaders();
    while (!headers_.empty()) {
        const PendingHeader front = headers_.front();
        std::vector<std::uint8_t> header;
        if (front.watcher && front.watcher->isFinished()) {
            if (front.watcher->future().resultCount() > 0)
                header = front.watcher->result();
        } else if (!front.deadline.hasExpired()) {
            headerTimer_.start(static_cast<int>(front.deadline.remainingTime()));
            return;
        }
        // Taken off the queue before anyone hears of it: a handler may click
        // again. The watcher may be the one signalling now: it goes later, and
        // says nothing more.
        headers_.pop_front();
        if (front.watcher) {
            disconnect(front.watcher, nullptr, nullptr, nullptr);
            front.watcher->deleteLater();
        }
        emit HeaderRead(header);
    }
    headerTimer_.stop();
}

bool RomInspector::Busy() const
{
    return !headers_.empty() || picture_.InFlight() || pictureWaiting_;
}
