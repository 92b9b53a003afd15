#include "RunCheck.h"

#include "Background.h"
#include "FileNames.h"


#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Only the lookups of the latest clicks run at once; more stuck on a dead share wait their turn.
BackgroundLane &CheckLane()
{
    static BackgroundLane lane(2);
    return lane;
}

} // namespace

int CheckProgramFile(const QString &program)
{
    const QByteArray path = EncodeFileName(program);
    struct stat status = {};
    if (stat(path.constData(), &status) != 0)
        return errno == EACCES ? EACCES : ENOENT;
    if (!S_ISREG(status.st_mode) || access(path.constData(), X_OK) != 0)
        return EACCES;
    return 0;
}

bool RomGone(const QString &rom)
{
    struct stat status = {};
    return !rom.isEmpty() && stat(EncodeFileName(rom).constData(), &status) != 0 && errno == ENOENT;
}

RunCheck CheckBeforeRun(const QString &program, const QString &rom, int waitMs)
{
    if (program.isEmpty() && rom.isEmpty())
        return {};
    // Shared with the lookup, which may outlive the wait on a dead share.
    struct Shared {
        std::mutex mutex;
        std::condition_variable done;
        std::optional<RunCheck> check;
    };
    auto shared = std::make_shared<Shared>();
    const QFuture<bool> started = CheckLane().Run<bool>([program, rom, shared] {
        RunCheck check;
        if (!program.isEmpty())
            check.programError = CheckProgramFile(program);
        check.romGone = RomGone(rom);
        const std::lock_guard<std::mutex> lock(shared->mutex);
        shared->check = check;
        shared->done.notify_all();
        return true;
    });
    // The window waits briefly, without running events: a Run is one step. A
    // lookup that could not start (every lane taken by a dead share) is no check.
    std::unique_lock<std::mutex> lock(shared->mutex);
    shared->done.wait_for(lock, std::chrono::milliseconds(waitMs), [&] {
        return shared->check.has_value() || (started.isFinished() && started.resultCount() == 0);
    });
    return shared->check.value_or(RunCheck());
}
