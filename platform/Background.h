#pragma once

#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>

#include <atomic>
#include <memory>
#include <thread>
#include <utility>

// How many background threads have not yet finished their work.
inline std::atomic<int> &BackgroundThreadsRunning()
{
    static std::atomic<int> running{0};
    return running;
}

// The work's result goes to done on the user-interface thread, unless
// receiver is gone by then.
template <typename Work, typename Done>
void RunAndDeliver(const QPointer<QObject> &guard, Work &work, Done &done)
{
    auto result = work();
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return;
    QMetaObject::invokeMethod(
        app,
        [guard, done = std::move(done), result = std::move(result)]() mutable {
            if (guard)
                done(std::move(result));
        },
        Qt::QueuedConnection);
}

// Runs work on a thread of its own and hands its result to done on the
// user-interface thread, unless receiver is gone by then. The thread is
// detached: work that never returns (a dead network share) holds up nothing,
// not even the program's exit.
template <typename Work, typename Done>
void RunInBackground(QObject *receiver, Work work, Done done)
{
    struct Task {
        QPointer<QObject> guard;
        Work work;
        Done done;
    };
    auto task = std::make_unique<Task>(Task{QPointer<QObject>(receiver), std::move(work), std::move(done)});
    ++BackgroundThreadsRunning();
    std::thread([task = std::move(task)]() mutable {
        RunAndDeliver(task->guard, task->work, task->done);
        // Everything the work held is gone before the thread counts as finished.
        task.reset();
        --BackgroundThreadsRunning();
    }).detach();
}
