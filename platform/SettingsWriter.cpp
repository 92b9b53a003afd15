#include "SettingsWriter.h"

#include <algorithm>
#include <chrono>

SettingsWriter::SettingsWriter(Store store, Report report)
    : store_(std::move(store))
    , report_(std::move(report))
{
    // A writer has ended and given back its place: tell what it stored, and
    // start the next for values that came while it was ending.
    QObject::connect(&watcher_, &QFutureWatcherBase::finished, &watcher_, [this] {
        ReportOutcomes();
        StartWhenNeeded();
    });
}

// The writer thread holds only the shared state and the store: it may run on
// after this object is gone, and is told nothing.
SettingsWriter::~SettingsWriter() = default;

void SettingsWriter::Write(const QString &key, const QString &value)
{
    {
        const std::lock_guard<std::mutex> lock(shared_->mutex);
        auto &pending = shared_->pending;
        const auto same = std::find_if(pending.begin(), pending.end(), [&](const auto &entry) { return entry.first == key; });
        if (same != pending.end())
            same->second = value;
        else
            pending.emplace_back(key, value);
        if (shared_->taking)
            return;
    }
    StartWhenNeeded();
}

bool SettingsWriter::StartWhenNeeded()
{
    {
        const std::lock_guard<std::mutex> lock(shared_->mutex);
        if (shared_->taking || shared_->pending.empty())
            return true;
        // The writer before has stopped taking values but not yet given back
        // its place: its end starts the next one (watcher_, or Flush).
        if (!writer_.isFinished())
            return false;
        shared_->taking = true;
    }
    writer_ = lane_.Run<bool>([shared = shared_, store = store_] {
        while (true) {
            std::vector<std::pair<QString, QString>> batch;
            {
                const std::lock_guard<std::mutex> lock(shared->mutex);
                if (shared->pending.empty()) {
                    shared->taking = false;
                    shared->idle.notify_all();
                    return true;
                }
                batch.swap(shared->pending);
            }
            for (const auto &[key, value] : batch) {
                QString why;
                bool stored = false;
                try {
                    stored = store(key, value, &why);
                } catch (...) {
                    // Told as a value that could not be stored.
                }
                if (stored)
                    continue;
                const std::lock_guard<std::mutex> lock(shared->mutex);
                shared->outcomes.push_back(why.isEmpty() ? QStringLiteral("the store could not be written") : why);
            }
        }
    });
    if (writer_.isFinished() && writer_.resultCount() == 0) {
        // The system gave no thread: the values wait for the next Write or Flush.
        const std::lock_guard<std::mutex> lock(shared_->mutex);
        shared_->taking = false;
        return false;
    }
    watcher_.setFuture(writer_);
    return true;
}

bool SettingsWriter::Flush(int ms)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    bool done = false;
    std::unique_lock<std::mutex> lock(shared_->mutex);
    // Wait for the writer taking values to run out of them.
    while (shared_->idle.wait_until(lock, deadline, [this] { return !shared_->taking; })) {
        if (shared_->pending.empty()) {
            done = true;
            break;
        }
        lock.unlock();
        // Values came after the last writer stopped taking them. It is past
        // its last store and only giving back its place: wait for that here,
        // not for the event loop this call holds up.
        writer_.waitForFinished();
        const bool started = StartWhenNeeded();
        lock.lock();
        if (!started) { // no thread to be had now: try again in a moment
            if (std::chrono::steady_clock::now() >= deadline)
                break;
            shared_->idle.wait_until(lock, std::min(deadline, std::chrono::steady_clock::now() + std::chrono::milliseconds(10)));
        }
    }
    lock.unlock();
    ReportOutcomes();
    return done;
}

bool SettingsWriter::Pending() const
{
    const std::lock_guard<std::mutex> lock(shared_->mutex);
    return shared_->taking || !shared_->pending.empty();
}

void SettingsWriter::ReportOutcomes()
{
    std::vector<QString> outcomes;
    {
        const std::lock_guard<std::mutex> lock(shared_->mutex);
        outcomes.swap(shared_->outcomes);
    }
    for (const QString &why : outcomes) {
        if (!reported_.contains(why)) {
            reported_.append(why);
            report_(why);
        }
    }
}
