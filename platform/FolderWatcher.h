#pragma once

#include <QObject>

#include <functional>
#include <memory>

class QSocketNotifier;

// Tells when the entries of one watched folder change. The watch is added by
// the thread that lists the folder (adding it looks the path up, which may
// wait on a slow file system); the watcher only takes it over.
class FolderWatcher : public QObject
{
    Q_OBJECT

public:
    explicit FolderWatcher(QObject *parent = nullptr);
    ~FolderWatcher() override;

    // A function that adds a watch on a path from any thread and returns it
    // (-1 when it cannot); it keeps the watcher's descriptor open while it lives.
    std::function<int(const QByteArray &)> WatchAdder() const;
    // Makes watch the one folder reported, dropping the one before.
    void Follow(int watch);
    // Removes a watch that was added but is not wanted after all.
    void Drop(int watch);

signals:
    void Changed();

private:
    void ReadEvents();

    struct Descriptor {
        explicit Descriptor(int descriptor) : fd(descriptor) {}
        Descriptor(const Descriptor &) = delete;
        Descriptor &operator=(const Descriptor &) = delete;
        ~Descriptor();
        const int fd;
    };

    std::shared_ptr<const Descriptor> descriptor_;
    int watch_ = -1;
    QSocketNotifier *notifier_ = nullptr;
};
