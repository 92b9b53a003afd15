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

RomInspector::~RomInspector() = default;

void RomInspector::Inspect(const QString &folder, const QString &fileName)
{
    Start(folder + QLatin1Char('/') + fileName, {}, folder, {fileName});
}

void RomInspector::InspectEntry(const QString &folder, const QString &archiveName, const std::string &entry)
{
    const QString inner = DecodeFileName(QByteArray::fromStdString(EntryBaseName(entry)));
    Start(folder + QLatin1Char('/') + archiveName, entry, folder, {inner, archiveName});
}

void RomInspector::Start(QString path, std::string entry, const QString &folder, const QStringList &pictureNames)
{
    auto header = std::make_unique<PendingHeader>();
    header->path = std::move(path);
    header->entry = std::move(entry);
    header->deadline = QDeadlineTimer(BoundMs);
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
        PendingHeader *header = pending->get();
        if (header->read || header->deadline.hasExpired())
            continue;
        header->read = std::make_unique<LatestRequest<Header>>(headerLane_, [this, header](std::optional<Header> read) {
            header->done = true;
            header->header = read ? std::move(*read) : Header();
            HandOnHeaders();
        });
        header->read->Start([read = readHeader, readEntry = readEntryHeader, path = header->path, entry = header->entry] {
            return entry.empty() ? read(path) : readEntry(path, entry);
        });
        header->deadline = QDeadlineTimer(BoundMs);
    }
}

void RomInspector::HandOnHeaders()
{
    // A read that ended has made room for one waiting.
    StartHeaders();
    while (!headers_.empty()) {
        PendingHeader &front = *headers_.front();
        if (!front.done && !front.deadline.hasExpired()) {
            headerTimer_.start(static_cast<int>(front.deadline.remainingTime()));
            return;
        }
        // Taken off the queue before anyone hears of it: a handler may click
        // again. A read still under way is dropped: it says nothing more.
        const Header header = front.done ? front.header : Header();
        if (front.read)
            front.read->Drop();
        // The read delivering now may not go while it delivers: it goes once the event loop is back.
        if (handedOn_.empty())
            QMetaObject::invokeMethod(this, [this] { handedOn_.clear(); }, Qt::QueuedConnection);
        handedOn_.push_back(std::move(headers_.front()));
        headers_.pop_front();
        emit HeaderRead(header);
    }
    headerTimer_.stop();
}

bool RomInspector::Busy() const
{
    return !headers_.empty() || picture_.InFlight() || pictureWaiting_;
}
