#pragma once

#include "platform/Background.h"

#include <QString>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

// Stores values on a background thread, so the window never waits for the
// settings store (another program holding its lock, a slow disk). Values are
// stored in the order given, one write at a time; a key given again before
// its turn is stored once, with its last value.
class SettingsWriter
{
public:
    // Stores one value; false, with the reason in *why, when it could not. Runs
    // on the background thread.
    using Store = std::function<bool(const QString &key, const QString &value, QString *why)>;
    // Told, on the thread that made the writer, why a value could not be
    // stored; the same reason again is told only after a value was stored.
    using Report = std::function<void(const QString &why)>;

    SettingsWriter(Store store, Report report);
    ~SettingsWriter();
    SettingsWriter(const SettingsWriter &) = delete;
    SettingsWriter &operator=(const SettingsWriter &) = delete;

    void Write(const QString &key, const QString &value);
    // Waits at most ms milliseconds for every value given so far to be
    // stored or refused; true when none is left.
    bool Flush(int ms);
    // True while a value given is not yet stored or refused.
    bool Pending() const;

private:
    struct Shared {
        mutable std::mutex mutex;
        std::condition_variable idle;
        std::vector<std::pair<QString, QString>> pending;
        bool running = false;
        std::vector<QString> outcomes; // a reason, or empty for a value stored
    };

    void Start();
    void ReportOutcomes();

    Store store_;
    Report report_;
    std::shared_ptr<Shared> shared_ = std::make_shared<Shared>();
    QString reported_;
    // One writer runs at a time; the second place is for the moment a writer
    // that found nothing more to store takes to end.
    BackgroundLane lane_{2};
    LatestRequest<bool> thread_;
};
