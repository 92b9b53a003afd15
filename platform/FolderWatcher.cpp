#include "FolderWatcher.h"

#include <QSocketNotifier>

#include <cstdint>
#include <cstdio>

#include <fcntl.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

// What changes a listing of a folder's entries.
constexpr std::uint32_t kEntryChanges =
    IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_CLOSE_WRITE | IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;

} // namespace

std::shared_ptr<const FolderWatch> FolderWatch::Add(const QByteArray &path)
{
    const int fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd < 0)
        return nullptr;
    if (inotify_add_watch(fd, path.constData(), kEntryChanges) < 0) {
        close(fd);
        return nullptr;
    }
    return std::shared_ptr<const FolderWatch>(new FolderWatch(fd));
}

std::shared_ptr<FolderWatch> FolderWatch::ForTree()
{
    const int fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd < 0)
        return nullptr;
    return std::shared_ptr<FolderWatch>(new FolderWatch(fd));
}

bool FolderWatch::Watch(int folder)
{
    char path[64];
    std::snprintf(path, sizeof path, "/proc/self/fd/%d", folder);
    return inotify_add_watch(fd_, path, kEntryChanges) >= 0;
}

FolderWatch::~FolderWatch()
{
    close(fd_);
}

FolderWatcher::FolderWatcher(QObject *parent)
    : QObject(parent)
    , mounts_(open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC))
{
    if (mounts_ < 0)
        return;
    mountNotifier_ = new QSocketNotifier(mounts_, QSocketNotifier::Exception, this);
    connect(mountNotifier_, &QSocketNotifier::activated, this, &FolderWatcher::Changed);
}

FolderWatcher::~FolderWatcher()
{
    delete mountNotifier_;
    if (mounts_ >= 0)
        close(mounts_);
}

void FolderWatcher::Follow(std::shared_ptr<const FolderWatch> watch)
{
    if (watch == watch_)
        return;
    delete notifier_;
    notifier_ = nullptr;
    watch_ = std::move(watch);
    if (!watch_)
        return;
    notifier_ = new QSocketNotifier(watch_->Descriptor(), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &FolderWatcher::ReadEvents);
}

void FolderWatcher::ReadEvents()
{
    // The instance watches the one folder (or one tree): every event is about
    // it, an overflow (IN_Q_OVERFLOW) and a watch's end (IN_IGNORED) included.
    alignas(inotify_event) char buffer[4096];
    bool changed = false;
    while (read(watch_->Descriptor(), buffer, sizeof buffer) > 0)
        changed = true;
    if (changed)
        emit Changed();
}
