#pragma once

#include "platform/Background.h"

#include <QDeadlineTimer>
#include <QImage>
#include <QObject>
#include <QTimer>

#include <string>

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

// Reads what a click on a ROM shows, in the background: the first 400 bytes
// of the file and the game's picture, each on its own.
//
// Every click's header is read and handed on, in the order of the clicks, so
// the status bar ends as the same clicks one at a time would leave it. A
// header not read within BoundMs of the start of its read is handed on empty
// (unreadable). When too many reads are under way (a slow share), a click's
// read waits for its turn, the latest click's first, and is handed on empty
// when it cannot start within BoundMs of its click (a dead share).
// Only the last click's picture is wanted: one picture is decoded at a time,
// and clicks that come meanwhile leave only the last one waiting for its turn
// (a decode past its bound, stuck on a dead share, gives its turn up at once).
// A picture not shown within PictureBoundMs of its click is handed on null,
// without taking its header along.
class RomInspector : public QObject
{
    Q_OBJECT

public:
    explicit RomInspector(QObject *parent = nullptr);
    ~RomInspector() override;

    // Reads the header of a ROM file; runs on a background thread. Replaceable by tests.
    std::function<std::vector<std::uint8_t>(const QString &path)> readHeader;
    // Reads the header of a ROM inside an archive; runs on a background thread. Replaceable by tests.
    std::function<std::vector<std::uint8_t>(const QString &archivePath, const std::string &entry)> readEntryHeader;
    // Finds and decodes a ROM's picture; runs on a background thread. Replaceable by tests.
    std::function<QImage(const QString &folder, const QString &fileName)> loadPicture;
    int BoundMs = 1500;
    int PictureBoundMs = 1500;

    // Starts reading the ROM of that name in the folder.
    void Inspect(const QString &folder, const QString &fileName);
    // Starts reading the ROM of that entry of an archive in the folder. Its
    // picture is looked for by the entry's file name, then by the archive's.
    void InspectEntry(const QString &folder, const QString &archiveName, const std::string &entry);
    // True while a header or the picture is still to come.
    bool Busy() const;

signals:
    // Each click's header, in click order; empty when it could not be read in time.
    void HeaderRead(const std::vector<std::uint8_t> &header);
    // The last click's picture; null when there is none or it took too long.
    void PictureRead(const QImage &picture);

private:
    using Header = std::vector<std::uint8_t>;
    struct PendingHeader {
        QString path;
        std::string entry; // inside the archive at path; empty for a plain file
        QDeadlineTimer deadline;
        std::unique_ptr<LatestRequest<Header>> read; // null while waiting for its turn
        bool done = false; // the read has come back, with header or without
        Header header;
    };

    // Queues a click's header read and makes its picture the one wanted.
    void Start(QString path, std::string entry, const QString &folder, const QStringList &pictureNames);
    // Starts the reads waiting for their turn, latest first, while there is room.
    void StartHeaders();
    // Hands on the headers at the front of the queue that are read or overdue.
    void HandOnHeaders();
    // Starts decoding the picture waiting, when no decode is under way in time.
    void StartPicture();

    BackgroundLane headerLane_{8};
    BackgroundLane pictureLane_{4};
    std::deque<std::unique_ptr<PendingHeader>> headers_;
    // Handed on while their read was delivering: they go at the next hand-on.
    std::vector<std::unique_ptr<PendingHeader>> handedOn_;
    QTimer headerTimer_;
    LatestRequest<QImage> picture_;
    QDeadlineTimer pictureDeadline_;
    QString nextFolder_;
    QStringList nextPictureNames_; // the names looked for, in turn
    bool pictureWaiting_ = false;
    QTimer pictureTimer_;
    QTimer pictureTurn_; // the decode under way runs out of time: the waiting one starts
};
