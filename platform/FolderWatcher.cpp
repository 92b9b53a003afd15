#include "FolderWatcher.h"

#include <QSocketNotifier>

#include <sys/inotify.h>
#include <unistd.h>

FolderWatcher::FolderWatcher(QObject *parent)
    : QObject(parent)
    , descriptor_(std::make_shared<const Descriptor>(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)))
{
    if (descriptor_->fd < 0)
        return;
    notifier_ = new QSocketNotifier(descriptor_->fd, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &FolderWatcher::ReadEvents);
}

FolderWatcher::Descriptor::~Descriptor()
{
    if (fd >= 0)
        close(fd);
}

FolderWatcher::~FolderWatcher() = default;

std::function<int(const QByteArray &)> FolderWatcher::WatchAdder() const
{
    return [descriptor = descriptor_](const QByteArray &path) {
        if (descriptor->fd < 0)
            return -1;
        return inotify_add_watch(descriptor->fd, path.constData(),
                                 IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_CLOSE_WRITE
                                     | IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR);
    };
}

void FolderWatcher::Follow(int watch)
{
    if (watch_ >= 0 && watch_ != watch)
        inotify_rm_watch(descriptor_->fd, watch_);
    watch_ = watch;
}

void FolderWatcher::Drop(int watch)
{
    if (watch >= 0 && watch != watch_)
        inotify_rm_watch(descriptor_->fd, watch);
}

void FolderWatcher::ReadEvents()
{
    alignas(inotify_event) char buffer[4096];
    bool changed = false;
    while (true) {
        const ssize_t got = read(descriptor_->fd, buffer, sizeof buffer);
        if (got <= 0)
            break;
        for (ssize_t at = 0; at < got;) {
            const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
            if (event->wd == watch_ && watch_ >= 0)
                changed = true;
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    if (changed)
        emit Changed();
}
