#include "RunCheck.h"

#include "Background.h"
#include "FileNames.h"

#include <QDeadlineTimer>
#include <QThread>

#include <cerrno>
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

RunCheck CheckBeforeRun(const QString &program, const QString &rom, int waitMs)
{
    if (program.isEmpty() && rom.isEmpty())
        return {};
    QFuture<RunCheck> future = CheckLane().Run<RunCheck>([program, rom] {
        RunCheck check;
        if (!program.isEmpty())
            check.programError = CheckProgramFile(program);
        struct stat status = {};
        check.romGone = !rom.isEmpty() && stat(EncodeFileName(rom).constData(), &status) != 0 && errno == ENOENT;
        return check;
    });
    // The window waits briefly, without running events: a Run is one step.
    const QDeadlineTimer deadline(waitMs);
    while (!future.isFinished() && !deadline.hasExpired())
        QThread::msleep(1);
    return future.isFinished() && future.resultCount() > 0 ? future.result() : RunCheck();
}
