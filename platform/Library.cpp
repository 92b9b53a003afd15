#include "Library.h"

#include "DatImport.h"
#include "FolderWatcher.h"
#include "LibraryScan.h"
#include "LibraryStore.h"
#include "SettingNames.h"
#include "Settings.h"

#include "core/FilePattern.h"

#include <QDateTime>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <condition_variable>
#include <deque>
#include <future>
#include <map>
#include <mutex>
#include <optional>
#include <unordered_map>
#include <utility>

namespace {

qint64 NowMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Whether the folder is one of the roots or lies under one.
bool Covers(const QStringList &roots, const QString &folder)
{
    for (const QString &root : roots) {
        const QString inside = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
        if (folder == root || folder.startsWith(inside))
            return true;
    }
    return false;
}

// A quarter of the inotify watches the user may hold: the rest is left to
// the other programs and to the watch that replaces a root's old one.
int DefaultWatchLimit()
{
    QFile limit(QStringLiteral("/proc/sys/fs/inotify/max_user_watches"));
    const int most = limit.open(QIODevice::ReadOnly) ? limit.readLine().trimmed().toInt() : 0;
    return most > 0 ? most / 4 : 2048;
}

} // namespace

// What the window's thread, the writer and the readings of the roots share,
// under its mutex.
struct Library::Shared : std::enable_shared_from_this<Library::Shared> {
    std::mutex mutex;
    std::condition_variable idle;
    std::deque<std::pair<Job, bool>> jobs; // and whether the job changes the records
    bool running = false;
    bool closing = false;

    // Told back to the window.
    std::optional<std::vector<LibraryRecord>> records;
    std::optional<QStringList> storedRoots;
    QList<Told> problems;
    QList<Told> datSummaries;

    struct Scan {
        int done = 0;
        int total = 0;
        qint64 heardMs = 0;
        bool finished = false;
        bool told = false;
        // The watch set while it was read, once it was; or why there is none.
        bool watchReady = false;
        std::shared_ptr<const FolderWatch> watch;
        Told unwatched;
    };
    std::map<QString, Scan> scans;

    BackgroundLane scanLane{4};
    std::shared_ptr<LibraryReader> reader = std::make_shared<LibraryReader>();
    FilePattern pattern{kLibraryRomPattern};
    int watchLimit = DefaultWatchLimit();
};

// What only the writer touches, one thread at a time.
struct Library::Writer {
    explicit Writer(const QString &path) : store(path) {}
    LibraryStore store;
    std::unordered_map<int, qint64> plays; // token → the play's id
    bool recordsChanged = false;
};

Library::Library(QObject *parent)
    : Library(LibraryStore::DefaultPath(), ReadSetting(SettingNames::Application, SettingNames::Section, SettingNames::RomPath),
              parent)
{
}

Library::Library(const QString &databasePath, const QString &romFolder, QObject *parent)
    : QObject(parent)
    , shared_(std::make_shared<Shared>())
    , store_(std::make_shared<Writer>(databasePath))
    , romFolder_(romFolder)
    , writer_(lane_, [this](std::optional<bool> ran) {
        if (!ran) {
            // No thread could be had: the next pump tries again.
            const std::lock_guard<std::mutex> lock(shared_->mutex);
            shared_->running = false;
            shared_->idle.notify_all();
        }
        Pump();
    })
{
    if (!romFolder_.isEmpty())
        roots_.append(romFolder_);
    pump_.setSingleShot(true);
    pump_.setInterval(50);
    connect(&pump_, &QTimer::timeout, this, &Library::Pump);
    follow_.setSingleShot(true);
    connect(&follow_, &QTimer::timeout, this, &Library::ReadChanged);
}

Library::~Library()
{
    const std::lock_guard<std::mutex> lock(shared_->mutex);
    shared_->closing = true;
}

void Library::SetReader(std::shared_ptr<LibraryReader> reader)
{
    const std::lock_guard<std::mutex> lock(shared_->mutex);
    shared_->reader = std::move(reader);
}

void Library::SetFollowDelay(int restMs, int mostMs)
{
    restMs_ = restMs;
    mostMs_ = mostMs;
}

void Library::SetWatchLimit(int folders)
{
    const std::lock_guard<std::mutex> lock(shared_->mutex);
    shared_->watchLimit = folders;
}

void Library::Queue(Job job, bool changesRecords)
{
    {
        const std::lock_guard<std::mutex> lock(shared_->mutex);
        shared_->jobs.emplace_back(std::move(job), changesRecords);
    }
    StartWriter();
}

void Library::StartWriter()
{
    {
        const std::lock_guard<std::mutex> lock(shared_->mutex);
        if (shared_->running || shared_->jobs.empty())
            return;
        shared_->running = true;
    }
    writer_.Start([shared = shared_, writer = store_] {
        while (true) {
            std::optional<std::pair<Job, bool>> job;
            {
                std::lock_guard<std::mutex> lock(shared->mutex);
                if (!shared->jobs.empty()) {
                    job.emplace(std::move(shared->jobs.front()));
                    shared->jobs.pop_front();
                } else if (!writer->recordsChanged) {
                    shared->running = false;
                    shared->idle.notify_all();
                    return true;
                }
            }
            if (job) {
                job->first(*writer, *shared);
                writer->recordsChanged = writer->recordsChanged || job->second;
                const Told problem = writer->store.TakeTold();
                if (!problem.isEmpty()) {
                    const std::lock_guard<std::mutex> lock(shared->mutex);
                    shared->problems.append(problem);
                }
                continue;
            }
            // Nothing more queued: the window hears the list as it now is.
            writer->recordsChanged = false;
            std::vector<LibraryRecord> records;
            if (writer->store.IsOpen())
                records = writer->store.Records();
            const std::lock_guard<std::mutex> lock(shared->mutex);
            shared->records = std::move(records);
        }
    });
    pump_.start();
}

void Library::Open()
{
    const QString romFolder = romFolder_;
    Queue(
        [romFolder](Writer &writer, Shared &shared) {
            if (!writer.store.Open())
                return;
            // The ROM folder the main window shows is the first root, unless a
            // root holds it already (a folder of the collection browsed into):
            // then the library stays as it was.
            QStringList roots = writer.store.Roots();
            if (!romFolder.isEmpty() && (writer.store.FirstRoot().isEmpty() || !Covers(roots, romFolder))) {
                writer.store.SetFirstRoot(romFolder);
                roots = writer.store.Roots();
            }
            // Files under a folder no longer a root (the first one changed) go; their history stays.
            writer.store.KeepOnlyRoots(roots);
            const std::lock_guard<std::mutex> lock(shared.mutex);
            shared.storedRoots = roots;
        },
        true);
}

void Library::AddRoot(const QString &root)
{
    if (root.isEmpty() || roots_.contains(root))
        return;
    roots_.append(root);
    Queue([root](Writer &writer, Shared &) { writer.store.IsOpen() && writer.store.AddRoot(root); }, false);
    StartScan(root);
}

void Library::RemoveRoot(const QString &root)
{
    if (root == romFolder_ || !roots_.contains(root))
        return;
    roots_.removeAll(root);
    watchers_.erase(root);
    changed_.remove(root);
    unfollowed_.remove(root);
    Queue([root](Writer &writer, Shared &) { writer.store.IsOpen() && writer.store.RemoveRoot(root); }, true);
}

void Library::Rescan()
{
    for (const QString &root : roots_)
        StartScan(root);
}

void Library::StartScan(const QString &root)
{
    {
        const std::lock_guard<std::mutex> lock(shared_->mutex);
        const auto scan = shared_->scans.find(root);
        // A root still being read (or stuck) is left to that reading.
        if (scan != shared_->scans.end() && !scan->second.finished)
            return;
        Shared::Scan &fresh = shared_->scans[root];
        fresh = Shared::Scan();
        fresh.heardMs = NowMs();
    }
    emit Reading(root);
    Queue(
        [root](Writer &writer, Shared &shared) {
            const auto finish = [&](const Told &why) {
                const std::lock_guard<std::mutex> lock(shared.mutex);
                shared.scans[root].finished = true;
                if (!why.isEmpty())
                    shared.problems.append(why);
            };
            if (!writer.store.IsOpen() || shared.closing)
                return finish(Told());
            if (!shared.scanLane.HasRoom())
                return finish(Tell(Wording{
                    "Library", QT_TRANSLATE_NOOP("Library", "The folder %1 is not read now: too many folders do not answer"),
                    {root.toStdString()}}));
            std::shared_ptr<LibraryReader> reader;
            int watchLimit = 0;
            {
                const std::lock_guard<std::mutex> lock(shared.mutex);
                reader = shared.reader;
                watchLimit = shared.watchLimit;
            }
            // The reading holds the shared state, never the store: it hands
            // its steps to the writer's queue. It lists the folders while the
            // store reads what it knows of them.
            std::shared_ptr<Shared> state = shared.shared_from_this();
            auto known = std::make_shared<std::promise<QHash<QByteArray, FileStamp>>>();
            std::shared_future<QHash<QByteArray, FileStamp>> stored = known->get_future().share();
            shared.scanLane.Run<bool>([state, root, reader, stored, watchLimit] {
                ScanSink sink;
                // Every folder is watched before it is listed; a watch that
                // cannot be set leaves the root read but not followed.
                std::shared_ptr<FolderWatch> watch = FolderWatch::ForTree();
                Told unwatched = watch ? Told() : Untranslated(QString::fromLocal8Bit(std::strerror(errno)));
                int watched = 0;
                sink.entering = [&](int folder) {
                    if (!watch)
                        return;
                    if (watched++ >= watchLimit)
                        unwatched = Tell(Wording{"Library", QT_TRANSLATE_NOOP("Library", "it has more than %1 folders"),
                                                 {std::to_string(watchLimit)}});
                    else if (!watch->Watch(folder))
                        unwatched = errno == ENOSPC ? Tell(Wording{"Library",
                                                                   QT_TRANSLATE_NOOP("Library", "the user's inotify watches are used up"),
                                                                   {}})
                                                    : Untranslated(QString::fromLocal8Bit(std::strerror(errno)));
                    if (!unwatched.isEmpty())
                        watch.reset();
                };
                const auto heard = [state, root](auto change) {
                    const std::lock_guard<std::mutex> lock(state->mutex);
                    Shared::Scan &scan = state->scans[root];
                    change(scan);
                    scan.heardMs = NowMs();
                };
                sink.listed = [&](int total) { heard([total](Shared::Scan &scan) { scan.total = total; }); };
                sink.progress = [&](int done) { heard([done](Shared::Scan &scan) { scan.done = done; }); };
                sink.store = [&](LibraryBatch &&batch) {
                    auto steps = std::make_shared<LibraryBatch>(std::move(batch));
                    const std::lock_guard<std::mutex> lock(state->mutex);
                    state->jobs.emplace_back(
                        [root, steps](Writer &writer, Shared &) { writer.store.IsOpen() && writer.store.Apply(root, *steps); },
                        true);
                };
                const Told why = ScanRoot(
                    root, state->pattern, [&] { return stored.get(); }, *reader, sink);
                const std::lock_guard<std::mutex> lock(state->mutex);
                Shared::Scan &scan = state->scans[root];
                scan.finished = true;
                scan.watchReady = true;
                scan.watch = std::move(watch);
                scan.unwatched = unwatched;
                if (!why.isEmpty())
                    state->problems.append(why);
                return true;
            });
            known->set_value(writer.store.Known(root));
        },
        false);
}

void Library::ImportDats(const QStringList &files)
{
    Queue(
        [files](Writer &writer, Shared &shared) {
            Told summary;
            Told why;
            if (!writer.store.IsOpen())
                return;
            const bool imported = ImportDatFiles(writer.store, files, &summary, &why);
            const std::lock_guard<std::mutex> lock(shared.mutex);
            (imported ? shared.datSummaries : shared.problems).append(imported ? summary : why);
        },
        true);
}

void Library::SetFavourite(const QByteArray &sha1, bool on)
{
    Queue([sha1, on](Writer &writer, Shared &) { writer.store.IsOpen() && writer.store.SetFavourite(sha1, on); }, true);
}

int Library::RecordStart(const QByteArray &sha1)
{
    const int token = nextToken_++;
    const qint64 started = QDateTime::currentMSecsSinceEpoch();
    Queue(
        [token, sha1, started](Writer &writer, Shared &) {
            if (writer.store.IsOpen())
                writer.plays[token] = writer.store.RecordStart(sha1, started);
        },
        true);
    return token;
}

void Library::RecordEnd(int token, qint64 seconds)
{
    Queue(
        [token, seconds](Writer &writer, Shared &) {
            const auto play = writer.plays.find(token);
            if (play == writer.plays.end())
                return;
            if (writer.store.IsOpen() && play->second >= 0)
                writer.store.RecordEnd(play->second, std::max<qint64>(0, seconds));
            writer.plays.erase(play);
        },
        true);
}

bool Library::Flush(int ms)
{
    bool done = false;
    {
        std::unique_lock<std::mutex> lock(shared_->mutex);
        done = shared_->idle.wait_for(lock, std::chrono::milliseconds(ms),
                                      [this] { return !shared_->running && shared_->jobs.empty(); });
    }
    Pump();
    return done;
}

void Library::Pump()
{
    std::optional<std::vector<LibraryRecord>> records;
    std::optional<QStringList> storedRoots;
    QList<Told> problems;
    QList<Told> datSummaries;
    QStringList unreachable;
    std::vector<std::pair<QString, Shared::Scan>> read;
    int done = 0;
    int total = 0;
    bool reading = false;
    bool busy = false;
    {
        const std::lock_guard<std::mutex> lock(shared_->mutex);
        records.swap(shared_->records);
        storedRoots.swap(shared_->storedRoots);
        problems.swap(shared_->problems);
        datSummaries.swap(shared_->datSummaries);
        const qint64 now = NowMs();
        for (auto &[root, scan] : shared_->scans) {
            done += scan.done;
            total += scan.total;
            reading = reading || !scan.finished;
            if (!scan.finished && !scan.told && now - scan.heardMs > unreachableMs_) {
                scan.told = true;
                unreachable.append(root);
            }
            if (scan.watchReady) {
                scan.watchReady = false;
                read.emplace_back(root, scan);
                scan.watch.reset();
            }
        }
        // A round of readings is over when none is left: its counts go.
        if (!reading)
            shared_->scans.clear();
        busy = shared_->running || !shared_->jobs.empty();
    }
    for (const auto &[root, scan] : read) {
        if (!roots_.contains(root))
            continue;
        std::unique_ptr<FolderWatcher> &watcher = watchers_[root];
        if (!watcher) {
            watcher = std::make_unique<FolderWatcher>();
            connect(watcher.get(), &FolderWatcher::Changed, this, [this, root = root] { Changed(root); });
        }
        // Without a watch the mounts are still followed: a share back is read again.
        watcher->Follow(scan.watch);
        if (scan.unwatched.isEmpty()) {
            unfollowed_.remove(root);
        } else if (!unfollowed_.contains(root)) {
            unfollowed_.insert(root);
            problems.append(Tell(Wording{"Library", QT_TRANSLATE_NOOP("Library", "Changes under %1 are not followed: %2"),
                                         {root.toStdString()}},
                                 scan.unwatched));
        }
    }
    // The error output in English, the window in the user's language.
    for (const Told &line : problems) {
        std::fprintf(stderr, "vexa-launcher: %s\n", line.english.toLocal8Bit().constData());
        emit Problem(line.shown);
    }
    if (storedRoots) {
        roots_ = *storedRoots;
        romFolder_ = roots_.value(0);
        emit RootsChanged(roots_);
        Rescan();
    }
    if (records)
        emit RecordsRead(*records);
    for (const Told &summary : datSummaries)
        emit DatImported(summary.shown);
    if (total > 0 && (done != lastDone_ || total != lastTotal_)) {
        lastDone_ = done;
        lastTotal_ = total;
        emit Progress(done, total);
    }
    if (!reading)
        lastDone_ = lastTotal_ = -1;
    for (const QString &root : unreachable)
        emit RootUnreachable(root);
    StartWriter();
    if (busy || reading)
        pump_.start();
}

void Library::Changed(const QString &root)
{
    // Read again once the changes rest, or at the latest mostMs_ after the first.
    const qint64 now = NowMs();
    if (changed_.isEmpty())
        firstChangeMs_ = now;
    changed_.insert(root);
    follow_.start(static_cast<int>(std::clamp<qint64>(firstChangeMs_ + mostMs_ - now, 0, restMs_)));
}

void Library::ReadChanged()
{
    // A root still being read is left to that reading: its new watch, set
    // on each folder before the folder was listed, holds what changed since.
    for (const QString &root : std::as_const(changed_)) {
        if (roots_.contains(root))
            StartScan(root);
    }
    changed_.clear();
}
