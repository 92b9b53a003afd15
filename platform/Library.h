#pragma once

#include "platform/Background.h"
#include "platform/LibraryRecord.h"

#include <QByteArray>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class FolderWatcher;
class LibraryReader;

// The library as the windows see it, on the window's thread. The window's
// thread never opens the database and never waits for it: each call is queued
// and the store does the work on a background thread, one piece at a time in
// the order given; the roots are read on threads of their own. What comes
// back is told by the signals. The stored ROM folder (RomPath) is the first
// root and cannot be removed; a ROM folder inside a root (a folder of the
// collection browsed into) leaves the roots as they were. Each root read is watched, every folder of it,
// and read again once its changes rest.
class Library : public QObject
{
    Q_OBJECT

public:
    // The database in the data folder; the ROM folder from the settings.
    explicit Library(QObject *parent = nullptr);
    Library(const QString &databasePath, const QString &romFolder, QObject *parent = nullptr);
    ~Library() override;

    // Where the files' bytes come from (tests); set before Open.
    void SetReader(std::shared_ptr<LibraryReader> reader);
    // How long a root may give nothing before it is told unreachable (10 s).
    void SetUnreachableAfter(int ms) { unreachableMs_ = ms; }
    // How long the changes under a root rest before it is read again (1 s),
    // and the longest a change waits while they go on (5 s).
    void SetFollowDelay(int restMs, int mostMs);
    // How many folders the watch of one root may hold (a quarter of the
    // user's inotify watches): a root with more is not followed.
    void SetWatchLimit(int folders);

    // Opens the store, tells what it holds, then reads the roots.
    void Open();
    QStringList Roots() const { return roots_; }
    void AddRoot(const QString &root);
    void RemoveRoot(const QString &root);
    // Reads every root again; a root still being read is left to it.
    void Rescan();

    void SetFavourite(const QByteArray &sha1, bool on);
    // A play of that content starts now; the token ends it. When the
    // launcher closes first, the start stays recorded with its time unknown.
    int RecordStart(const QByteArray &sha1);
    void RecordEnd(int token, qint64 seconds);

    // Imports DAT files (Logiqx XML) into the store, each in place of an
    // older one of the same name; a file refused leaves the store as it was
    // and is told by Problem. The records are read again with what they say.
    void ImportDats(const QStringList &files);

    // Waits at most ms milliseconds for the store to finish the work given
    // so far, reads of roots left aside; true when it did. For the end of
    // the program and for tests.
    bool Flush(int ms);

signals:
    // The roots as the store keeps them, once it is open.
    void RootsChanged(const QStringList &roots);
    // A reading of that root begins.
    void Reading(const QString &root);
    // Every ROM of the library: after Open and after each step of a reading.
    void RecordsRead(const std::vector<LibraryRecord> &records);
    // Files looked at and files to look at, over the roots being read.
    void Progress(int done, int total);
    // A root that gave nothing for too long; the rest goes on without it.
    void RootUnreachable(const QString &root);
    // One line for the window, in the user's language (the standard error
    // has it in English).
    void Problem(const QString &line);
    // What ImportDats imported, in one line in the user's language.
    void DatImported(const QString &summary);


private:
    struct Shared;
    struct Writer;
    using Job = std::function<void(Writer &, Shared &)>;

    void Queue(Job job, bool changesRecords);
    void StartWriter();
    void StartScan(const QString &root);
    void Pump();
    void Changed(const QString &root);
    void ReadChanged();

    std::shared_ptr<Shared> shared_;
    std::shared_ptr<Writer> store_;
    QStringList roots_;
    QString romFolder_;
    int unreachableMs_ = 10000;
    int nextToken_ = 1;
    int lastDone_ = -1;
    int lastTotal_ = -1;
    // One writer runs at a time; the second place is for the moment a writer
    // that found nothing more to do takes to end.
    BackgroundLane lane_{2};
    LatestRequest<bool> writer_;
    QTimer pump_;
    // The roots followed, and those changed since they were last read.
    std::map<QString, std::unique_ptr<FolderWatcher>> watchers_;
    QSet<QString> changed_;
    QSet<QString> unfollowed_; // told not followed
    qint64 firstChangeMs_ = 0;
    int restMs_ = 1000;
    int mostMs_ = 5000;
    QTimer follow_;
};
