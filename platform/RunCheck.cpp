#include "RunCheck.h"

#include "FileNames.h"
#include "ProgramStart.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int CheckFile(const QByteArray &path)
{
    struct stat status = {};
    if (stat(path.constData(), &status) != 0)
        return errno == EACCES ? EACCES : ENOENT;
    if (!S_ISREG(status.st_mode) || access(path.constData(), X_OK) != 0)
        return EACCES;
    return 0;
}

} // namespace

int CheckProgramFile(const QString &program)
{
    return CheckFile(EncodeFileName(program));
}

RunCheck CheckBeforeRun(const QByteArray &program, const QByteArray &rom)
{
    RunCheck check;
    // The same search as the start's: a word without a slash is never taken from the working folder.
    check.file = FindProgram(program, &check.programError);
    if (!check.file.isEmpty())
        check.programError = CheckFile(check.file);
    if (check.programError != 0)
        check.file.clear();
    check.romGone = RomGone(rom);
    return check;
}

bool RomGone(const QByteArray &rom)
{
    struct stat status = {};
    return !rom.isEmpty() && stat(rom.constData(), &status) != 0 && errno == ENOENT;
}
