#include "DatImport.h"

#include "Background.h"
#include "DatFile.h"
#include "LibraryStore.h"

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <vector>

namespace {

// What the reading of one DAT file hands to the store as it goes: batches
// of ROMs, then the file's header and whether it was read whole.
struct DatChannel {
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::vector<DatRom>> batches;
    bool started = false;
    bool done = false;
    bool stop = false; // the store gave up: read no further
    bool read = false;
    DatFile dat;
    QString why;
};

// Reads the DAT text into the channel; the channel is told it is done
// however this ends.
void ReadInto(const QByteArray &text, const QString &path, DatChannel &channel)
{
    struct Done {
        DatChannel &channel;
        ~Done()
        {
            const std::lock_guard<std::mutex> lock(channel.mutex);
            channel.done = true;
            channel.changed.notify_all();
        }
    } done{channel};
    DatFile dat;
    QString why;
    const bool read = ParseDat(text, path, dat, &why, DatLimits(), [&channel](std::vector<DatRom> &roms) {
        const std::lock_guard<std::mutex> lock(channel.mutex);
        if (channel.stop)
            return false;
        channel.batches.push_back(std::move(roms));
        channel.changed.notify_all();
        return true;
    });
    const std::lock_guard<std::mutex> lock(channel.mutex);
    channel.read = read;
    channel.dat = std::move(dat);
    channel.why = why;
}

// Stores the ROMs of one DAT as they come from the reading in the background
// (or, when no thread can be had, read here): true once the DAT was read
// whole and stored; else why says why.
bool StoreDat(LibraryStore &store, const QString &path, BackgroundLane &lane, DatFile &dat, qsizetype *roms,
              bool *replaced, Told *why)
{
    QByteArray text;
    QString unread;
    if (!ReadDatText(path, text, &unread)) {
        *why = Untranslated(unread);
        return false;
    }
    const auto channel = std::make_shared<DatChannel>();
    const QFuture<bool> reading = lane.Run<bool>([channel, text, path] {
        {
            const std::lock_guard<std::mutex> lock(channel->mutex);
            channel->started = true;
        }
        ReadInto(text, path, *channel);
        return true;
    });
    bool unstarted = false;
    {
        const std::lock_guard<std::mutex> lock(channel->mutex);
        // Finished without a result and never started: no thread was had.
        unstarted = !channel->started && reading.isFinished() && reading.resultCount() == 0;
    }
    if (unstarted)
        ReadInto(text, path, *channel);
    std::unique_lock<std::mutex> lock(channel->mutex);
    bool stored = true;
    while (true) {
        channel->changed.wait(lock, [&] { return !channel->batches.empty() || channel->done; });
        if (channel->batches.empty())
            break;
        const std::vector<DatRom> batch = std::move(channel->batches.front());
        channel->batches.pop_front();
        *roms += static_cast<qsizetype>(batch.size());
        lock.unlock();
        stored = store.AddDatRoms(batch);
        lock.lock();
        if (!stored) {
            channel->stop = true;
            *why = store.TakeTold();
            return false;
        }
    }
    if (!channel->read) {
        *why = Untranslated(channel->why);
        return false;
    }
    dat = std::move(channel->dat);
    if (!store.EndDat(dat, replaced)) {
        *why = store.TakeTold();
        return false;
    }
    return true;
}

} // namespace

bool ImportDatFiles(LibraryStore &store, const QStringList &files, Told *summary, Told *why)
{
    if (!store.BeginDatImport()) {
        *why = store.TakeTold();
        return false;
    }
    // One reading at a time beside the storing (and the one before it, done
    // but for its thread's very end).
    BackgroundLane lane(2);
    QStringList english;
    QStringList shown;
    for (const QString &file : files) {
        DatFile dat;
        bool replaced = false;
        qsizetype roms = 0;
        if (!StoreDat(store, file, lane, dat, &roms, &replaced, why)) {
            store.AbandonDatImport();
            return false;
        }
        const Told told = Tell(Wording{
            "DatImport",
            replaced ? QT_TRANSLATE_NOOP("DatImport", "%1 (%2 games, %3 ROMs, in place of the older one)")
                     : QT_TRANSLATE_NOOP("DatImport", "%1 (%2 games, %3 ROMs)"),
            {dat.name.toStdString(), std::to_string(dat.games), std::to_string(roms)}});
        english.append(told.english);
        shown.append(told.shown);
    }
    if (!store.CommitDatImport()) {
        *why = store.TakeTold();
        return false;
    }
    Wording told{"DatImport",
                 files.size() == 1 ? QT_TRANSLATE_NOOP("DatImport", "Imported 1 DAT file: %1")
                                   : QT_TRANSLATE_NOOP("DatImport", "Imported %1 DAT files: %2"),
                 {}};
    if (files.size() != 1)
        told.args.push_back(std::to_string(files.size()));
    *summary = Tell(told, Told{english.join(QStringLiteral("; ")), shown.join(QStringLiteral("; "))});
    return true;
}
