#pragma once

#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>

#include <thread>
#include <utility>

// Runs work on a thread of its own and hands its result to done on the
// user-interface thread, unless receiver is gone by then. The thread is
// detached: work that never returns (a dead network share) holds up nothing,
// not even the program's exit.
template <typename Work, typename Done>
void RunInBackground(QObject *receiver, Work work, Done done)
{
    QPointer<QObject> guard(receiver);
    std::thread([guard, work = std::move(work), done = std::move(done)]() mutable {
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
    }).detach();
}
