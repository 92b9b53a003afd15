#pragma once

#include <QObject>

#include <memory>

class QSocketNotifier;

// A watch on the entries of one folder (or of each folder of a tree), with an
// inotify instance of its own:
// watches of the same folder made for two listings never share a descriptor,
// and one going away leaves the other as it was. Made by the thread that
// lists the folder (adding it looks the path up, which may wait on a slow
// file system), before the folder is read, so no change is missed between
// the two. Closed when the last holder lets it go.
class FolderWatch
{
public:
    // Null when the folder cannot be watched (gone, not a folder, no instances left).
    static std::shared_ptr<const FolderWatch> Add(const QByteArray &path);
    // A watch of no folder yet, for a tree of them: null when no instance is left.
    static std::shared_ptr<FolderWatch> ForTree();
    // Adds the entries of an open folder to the watch (found through the
    // descriptor: no path is looked up again). False, with errno set, when
    // it cannot be added (ENOSPC: the user's watches are used up).
    bool Watch(int folder);
    ~FolderWatch();
    FolderWatch(const FolderWatch &) = delete;
    FolderWatch &operator=(const FolderWatch &) = delete;

    int Descriptor() const { return fd_; }

private:
    explicit FolderWatch(int fd) : fd_(fd) {}
    const int fd_;
};

// Tells when the entries of the followed folder change, when the folder
// itself goes (removed, moved, unmounted), when changes were too many to
// queue, and when anything is mounted or unmounted (a disk plugged in again
// over the folder gives the watched folder itself no event): each of them is a
// reason to read the folder again.
class FolderWatcher : public QObject
{
    Q_OBJECT

public:
    explicit FolderWatcher(QObject *parent = nullptr);
    ~FolderWatcher() override;

    // Follows that watch from now on, the one before dropped; null follows nothing.
    void Follow(std::shared_ptr<const FolderWatch> watch);

signals:
    void Changed();

private:
    void ReadEvents();

    std::shared_ptr<const FolderWatch> watch_;
    QSocketNotifier *notifier_ = nullptr;
    int mounts_ = -1; // the mount table, which reports its changes as priority events
    QSocketNotifier *mountNotifier_ = nullptr;
};
