#pragma once

#include "platform/Background.h"

#include <QFuture>
#include <QFutureWatcher>
#include <QString>
#include <QStringList>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

// Stores values on a background thread, so the window never waits for the
// settings store (another program holding its lock, a slow disk). Values are
// stored in the order given, one write at a time; a key given again before
// its turn is stored once, with its last value. No value is ever dropped: a
// value that finds no thread to store it waits for the next one.
class SettingsWriter
{
public:
    // Stores one value; false, with the reason in *why, when it could not. Runs
    // on the background thread.
    using Store = std::function<bool(const QString &key, const QString &value, QString *why)>;
    // Told, on the thread that made the writer, why a value could not be
    // stored; each reason once. A value the store already held counts as
    // stored without anything written, so a reason told before it would
    // otherwise be told twice in one session (a read-only store).
    using Report = std::function<void(const QString &why)>;

    SettingsWriter(Store store, Report report);
    ~SettingsWriter();
    SettingsWriter(const SettingsWriter &) = delete;
    SettingsWriter &operator=(const SettingsWriter &) = delete;

    void Write(const QString &key, const QString &value);
    // Waits at most ms milliseconds for every value given so far to be
    // stored or refused by the store; true when none is left. Needs no event
    // loop: it starts the writer itself when one is needed.
    bool Flush(int ms);
    // True while a value given is not yet stored or refused.
    bool Pending() const;

private:
    struct Shared {
        mutable std::mutex mutex;
        std::condition_variable idle;
        std::vector<std::pair<QString, QString>> pending;
        bool taking = false; // a writer thread takes what is pending
        std::vector<QString> outcomes; // why values could not be stored
    };

    // Starts a writer when values wait and none takes them; false when one is
    // needed but cannot start yet.
    bool StartWhenNeeded();
    void ReportOutcomes();

    Store store_;
    Report report_;
    std::shared_ptr<Shared> shared_ = std::make_shared<Shared>();
    QStringList reported_;
    // One writer at a time: the next starts only once the one before has
    // given back its place, so the lane never turns a writer away.
    BackgroundLane lane_{1};
    QFuture<bool> writer_;
    QFutureWatcher<bool> watcher_;
};
