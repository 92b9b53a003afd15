#pragma once

#include <QFuture>
#include <QFutureWatcher>
#include <QObject>
#include <QPromise>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <system_error>
#include <thread>
#include <utility>

// All of the program's background work goes through here. Each piece of work
// runs on a detached thread of its own, so work that never returns (a read
// from a network share that stopped answering) holds up neither the window nor
// the program's exit. Its result comes back as a QFuture; a consumer that no
// longer wants it drops the future and is never told.

namespace Background {

// Counts a thread from its start until everything its work held is gone.
void Started();
void Ended();
// Waits at most ms milliseconds for every thread's work to end; true when none is left.
bool WaitIdle(int ms);

} // namespace Background

// A bounded share of background threads: at most limit pieces of work of the
// lane run at once, so reads stuck on a dead share cannot pile up threads.
class BackgroundLane
{
public:
    explicit BackgroundLane(int limit) : running_(std::make_shared<std::atomic<int>>(0)), limit_(limit) {}

    // Starts work() on a thread of its own. The future gets its result; it
    // finishes with no result when the lane is full, when the system refuses
    // a new thread, or when the work throws.
    template <typename T, typename Work>
    QFuture<T> Run(Work work);

    int Running() const { return running_->load(); }
    // Whether Run would start a thread now.
    bool HasRoom() const { return running_->load() < limit_; }

private:
    std::shared_ptr<std::atomic<int>> running_;
    int limit_;
};

template <typename T, typename Work>
QFuture<T> BackgroundLane::Run(Work work)
{
    QPromise<T> promise;
    QFuture<T> future = promise.future();
    promise.start();
    if (running_->fetch_add(1) >= limit_) {
        running_->fetch_sub(1);
        promise.finish();
        return future;
    }
    struct Task {
        QPromise<T> promise;
        Work work;
        std::shared_ptr<std::atomic<int>> lane;
    };
    // The thread holds nothing but this pointer, so what the work held is all
    // gone by the time the thread counts as ended.
    auto *task = new Task{std::move(promise), std::move(work), running_};
    Background::Started();
    try {
        std::thread([task] {
            std::unique_ptr<Task> owned(task);
            std::optional<T> result;
            try {
                result.emplace(owned->work());
            } catch (...) {
                // No result: the consumer treats it as a read that failed.
            }
            // The lane has room again before anyone hears of the result, so a
            // consumer that starts more work on hearing it is not refused.
            owned->lane->fetch_sub(1);
            if (result)
                owned->promise.addResult(std::move(*result));
            owned->promise.finish();
            owned.reset();
            Background::Ended();
        }).detach();
    } catch (const std::system_error &) {
        task->lane->fetch_sub(1);
        delete task;
        Background::Ended();
    }
    return future;
}

// One consumer's request in the background: a newer Start supersedes the one
// in flight, whose result is then never delivered, and so does Drop or the
// end of this object. The result reaches deliver on the thread that made this
// object, as std::nullopt when the work gave none.
template <typename T>
class LatestRequest
{
public:
    using Deliver = std::function<void(std::optional<T>)>;

    LatestRequest(BackgroundLane &lane, Deliver deliver) : lane_(lane), deliver_(std::move(deliver)) {}
    ~LatestRequest() { Drop(); }
    LatestRequest(const LatestRequest &) = delete;
    LatestRequest &operator=(const LatestRequest &) = delete;

    template <typename Work>
    void Start(Work work)
    {
        Drop();
        watcher_ = new QFutureWatcher<T>;
        QFutureWatcher<T> *watcher = watcher_;
        QObject::connect(watcher, &QFutureWatcherBase::finished, watcher, [this, watcher] {
            const QFuture<T> future = watcher->future();
            // Not deleted in its own signal: it goes once the signal is done.
            QObject::disconnect(watcher, nullptr, nullptr, nullptr);
            watcher->deleteLater();
            watcher_ = nullptr;
            deliver_(future.resultCount() > 0 ? std::optional<T>(future.result()) : std::nullopt);
        });
        watcher->setFuture(lane_.Run<T>(std::move(work)));
    }

    // Forgets the request in flight: its result, when it comes, goes nowhere.
    void Drop()
    {
        // A deleted watcher receives nothing, whatever its thread still does.
        delete watcher_;
        watcher_ = nullptr;
    }

    bool InFlight() const { return watcher_ != nullptr; }

private:
    BackgroundLane &lane_;
    Deliver deliver_;
    QFutureWatcher<T> *watcher_ = nullptr;
};
