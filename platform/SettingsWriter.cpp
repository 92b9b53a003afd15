#include "SettingsWriter.h"

#include <algorithm>
#include <chrono>

SettingsWriter::SettingsWriter(Store store, Report report)
    : store_(std::move(store))
    , report_(std::move(report))
    , thread_(lane_, [this](std::optional<bool> ran) {
        if (!ran) {
            // No thread could be had, or it failed: the next value tries again.
            const std::lock_guard<std::mutex> lock(shared_->mutex);
            shared_->running = false;
            shared_->idle.notify_all();
        }
        ReportOutcomes();
    })
{
}

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
        if (shared_->running)
            return;
        shared_->running = true;
    }
    Start();
}

void SettingsWriter::Start()
{
    thread_.Start([shared = shared_, store = store_] {
        while (true) {
            std::vector<std::pair<QString, QString>> batch;
            {
                const std::lock_guard<std::mutex> lock(shared->mutex);
                if (shared->pending.empty()) {
                    shared->running = false;
                    shared->idle.notify_all();
                    return true;
                }
                batch.swap(shared->pending);
            }
            for (const auto &[key, value] : batch) {
                QString why;
                const bool stored = store(key, value, &why);
                const std::lock_guard<std::mutex> lock(shared->mutex);
                if (stored)
                    shared->outcomes.push_back(QString());
                else
                    shared->outcomes.push_back(why.isEmpty() ? QStringLiteral("the store could not be written") : why);
            }
        }
    });
}

bool SettingsWriter::Flush(int ms)
{
    bool done = false;
    {
        std::unique_lock<std::mutex> lock(shared_->mutex);
        done = shared_->idle.wait_for(lock, std::chrono::milliseconds(ms),
                                      [this] { return !shared_->running && shared_->pending.empty(); });
    }
    ReportOutcomes();
    return done;
}

bool SettingsWriter::Pending() const
{
    const std::lock_guard<std::mutex> lock(shared_->mutex);
    return shared_->running || !shared_->pending.empty();
}

void SettingsWriter::ReportOutcomes()
{
    std::vector<QString> outcomes;
    {
        const std::lock_guard<std::mutex> lock(shared_->mutex);
        outcomes.swap(shared_->outcomes);
    }
    for (const QString &why : outcomes) {
        if (why.isNull()) {
            reported_.clear();
        } else if (why != reported_) {
            reported_ = why;
            report_(why);
        }
    }
}
