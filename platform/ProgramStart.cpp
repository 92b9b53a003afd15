#include "ProgramStart.h"

#include "FileNames.h"

#include <QList>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

// What the children tell the launcher through the report pipe.
struct Report {
    enum Kind { Started, ForkFailed, ExecFailed } kind = Started;
    int value = 0; // the program's pid, or an errno value
};

// Everything from here to StartProgram runs in the children, after fork:
// async-signal-safe calls only, no allocation, no locks.

pid_t ForkChild()
{
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 34))
    return _Fork(); // no fork handlers in a process that is a copy of a threaded one
#else
    return fork();
#endif
}

void WriteReport(int fd, Report::Kind kind, int value)
{
    const Report report{kind, value};
    ssize_t n = 0;
    do {
        n = write(fd, &report, sizeof report);
    } while (n < 0 && errno == EINTR);
}

bool CloseRange(unsigned first, unsigned last)
{
#ifdef SYS_close_range
    return first > last || syscall(SYS_close_range, first, last, 0U) == 0;
#else
    (void)first;
    (void)last;
    return false;
#endif
}

bool Kept(int fd, const int *keep, int kept)
{
    for (int i = 0; i < kept; ++i) {
        if (keep[i] == fd)
            return true;
    }
    return false;
}

// Closes the open descriptors above 2 but those kept, as /proc/self/fd lists
// them. Returns false when there is no such list.
bool CloseListed(const int *keep, int kept)
{
    const int dir = open("/proc/self/fd", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0)
        return false;
    alignas(dirent64) char buffer[4096];
    bool complete = true;
    for (;;) {
        const ssize_t got = getdents64(dir, buffer, sizeof buffer);
        if (got <= 0) {
            complete = got == 0;
            break;
        }
        bool closed = false;
        for (ssize_t offset = 0; offset < got;) {
            const auto *entry = reinterpret_cast<const dirent64 *>(buffer + offset);
            offset += entry->d_reclen;
            int fd = 0;
            const char *digit = entry->d_name;
            for (; *digit >= '0' && *digit <= '9'; ++digit)
                fd = fd * 10 + (*digit - '0');
            if (*digit != '\0' || digit == entry->d_name || fd <= 2 || fd == dir || Kept(fd, keep, kept))
                continue;
            close(fd);
            closed = true;
        }
        // The listing changed under the reader: read it again from the start.
        if (closed)
            lseek(dir, 0, SEEK_SET);
    }
    close(dir);
    return complete;
}

// Leaves standard input, output and error and the descriptors kept.
void CloseOtherDescriptors(const int *keep, int kept)
{
    if (kept == 0 && CloseRange(3, ~0U))
        return;
    if (kept == 1 && (keep[0] < 3 ? CloseRange(3, ~0U)
                                  : CloseRange(3, static_cast<unsigned>(keep[0]) - 1)
                                        && CloseRange(static_cast<unsigned>(keep[0]) + 1, ~0U)))
        return;
    if (CloseListed(keep, kept))
        return;
    // Neither close_range nor /proc: only the numbers below the limit can be open.
    const long limit = sysconf(_SC_OPEN_MAX);
    for (long fd = 3; fd < (limit > 0 ? limit : 1024); ++fd) {
        if (!Kept(static_cast<int>(fd), keep, kept))
            close(static_cast<int>(fd));
    }
}

[[noreturn]] void RunProgram(int reportFd, int errorFd, const char *path, char *const argv[])
{
    if (errorFd >= 0) {
        dup2(errorFd, 2);
        close(errorFd);
    }
    CloseOtherDescriptors(&reportFd, 1);
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    execve(path, argv, environ);
    WriteReport(reportFd, Report::ExecFailed, errno == 0 ? ENOEXEC : errno);
    _exit(127);
}

// Reads what the program writes on its standard error, passes it on to the
// launcher's and keeps the last bytes of it, until the program ends; then
// tells the launcher through watchFd how it ended, and how long it ran.
// start: when the program was started, taken before it was forked, so that
// the watcher's own turn on a busy machine never shortens the time told.
[[noreturn]] void WatchProgram(pid_t program, int errorFd, int watchFd, int watchMs, const timespec &start)
{
    auto elapsedMs = [&start] {
        timespec now = {};
        clock_gettime(CLOCK_MONOTONIC, &now);
        return (now.tv_sec - start.tv_sec) * 1000 + (now.tv_nsec - start.tv_nsec) / 1000000;
    };
    ProgramEnd end;
    char tail[sizeof end.tail];
    std::size_t length = 0;
    char buffer[4096];
    while (true) {
        const ssize_t got = read(errorFd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break; // the program and all that share its error stream are done with it
        for (ssize_t done = 0; done < got;) {
            const ssize_t n = write(2, buffer + done, static_cast<std::size_t>(got - done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            done += n;
        }
        const auto bytes = static_cast<std::size_t>(got);
        if (bytes >= sizeof tail) {
            memcpy(tail, buffer + bytes - sizeof tail, sizeof tail);
            length = sizeof tail;
        } else {
            const std::size_t keep = length + bytes > sizeof tail ? sizeof tail - bytes : length;
            memmove(tail, tail + (length - keep), keep);
            memcpy(tail + keep, buffer, bytes);
            length = keep + bytes;
        }
    }
    int status = 0;
    while (waitpid(program, &status, 0) < 0 && errno == EINTR) {
    }
    const bool failed = WIFSIGNALED(status) || (WIFEXITED(status) && WEXITSTATUS(status) != 0);
    end.elapsedMs = elapsedMs();
    end.early = failed && end.elapsedMs < watchMs;
    end.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    end.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    end.length = static_cast<int>(length);
    memcpy(end.tail, tail, length);
    ssize_t n = 0;
    do {
        n = write(watchFd, &end, sizeof end);
    } while (n < 0 && errno == EINTR);
    _exit(0);
}

// The first child: leaves the launcher's session and starts the program in a
// child of its own, then ends, so the program is re-parented and never left
// as the launcher's zombie. Signals stay blocked until the program is started.
// When the program is watched, a second child of the first starts it and
// stays to watch it: that one is re-parented instead, and reaps the program.
[[noreturn]] void RunIntermediate(int reportFd, int watchFd, int watchMs, const char *path, char *const argv[])
{
    struct sigaction byDefault = {};
    byDefault.sa_handler = SIG_DFL;
    sigemptyset(&byDefault.sa_mask);
    for (int signal = 1; signal < NSIG; ++signal) {
        if (signal != SIGKILL && signal != SIGSTOP)
            sigaction(signal, &byDefault, nullptr);
    }
    setsid();
    if (watchFd >= 0) {
        const pid_t watcher = ForkChild();
        if (watcher < 0) {
            WriteReport(reportFd, Report::ForkFailed, errno);
            _exit(0);
        }
        if (watcher > 0)
            _exit(0);
    }
    int errorPipe[2] = {-1, -1};
    if (watchFd >= 0 && pipe2(errorPipe, O_CLOEXEC) != 0) {
        WriteReport(reportFd, Report::ForkFailed, errno);
        _exit(0);
    }
    // The watcher is a single thread whose signals are all at their defaults,
    // so its program's child can share its memory until the exec, sparing
    // the copy of a large process's page tables on the way to the start.
    // The child only execs or ends: the parent is held up no longer than that.
    timespec start = {};
    clock_gettime(CLOCK_MONOTONIC, &start);
    const pid_t pid = watchFd >= 0 ? vfork() : ForkChild(); // NOLINT(clang-analyzer-security.insecureAPI.vfork)
    if (pid == 0) {
        if (errorPipe[0] >= 0)
            close(errorPipe[0]);
        RunProgram(reportFd, errorPipe[1], path, argv);
    }
    if (pid < 0)
        WriteReport(reportFd, Report::ForkFailed, errno);
    else
        WriteReport(reportFd, Report::Started, pid);
    if (watchFd < 0 || pid < 0)
        _exit(0);
    close(reportFd);
    close(errorPipe[1]);
    const int keep[] = {errorPipe[0], watchFd};
    CloseOtherDescriptors(keep, 2);
    // The watcher may write to pipes nobody reads any more: the launcher gone.
    struct sigaction ignore = {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGPIPE, &ignore, nullptr);
    WatchProgram(pid, errorPipe[0], watchFd, watchMs, start);
}

} // namespace

bool ReadProgramEnd(int fd, ProgramEnd &end)
{
    ssize_t got = 0;
    do {
        got = read(fd, &end, sizeof end);
    } while (got < 0 && errno == EINTR);
    return got == static_cast<ssize_t>(sizeof end) && end.length >= 0
           && end.length <= static_cast<int>(sizeof end.tail);
}

qint64 StartProgram(const std::vector<std::string> &words, int windowStyle, int *error, ProgramWatch *watch,
                    const QByteArray &file)
{
    Q_UNUSED(windowStyle);
    int unused = 0;
    int &reason = error ? *error : unused;
    reason = ENOENT;
    if (words.empty())
        return -1;
    const QByteArray path = file.isEmpty() ? FindProgram(QByteArray::fromStdString(words.front()), &reason) : file;
    if (path.isEmpty())
        return -1;

    // Everything the children need is prepared here: they may not allocate.
    std::vector<std::string> encoded = words;
    std::vector<char *> argv;
    argv.reserve(encoded.size() + 1);
    for (std::string &word : encoded)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        reason = errno;
        return -1;
    }
    int watchFds[2] = {-1, -1};
    if (watch && pipe2(watchFds, O_CLOEXEC) != 0) {
        reason = errno;
        close(fds[0]);
        close(fds[1]);
        return -1;
    }
    const int watchMs = watch ? watch->windowMs : 0;
    // No handler of the launcher may run in a child before its dispositions
    // are back to the defaults.
    sigset_t all;
    sigset_t previous;
    sigfillset(&all);
    pthread_sigmask(SIG_SETMASK, &all, &previous);
    const pid_t intermediate = fork();
    if (intermediate == 0) {
        close(fds[0]);
        if (watchFds[0] >= 0)
            close(watchFds[0]);
        RunIntermediate(fds[1], watchFds[1], watchMs, path.constData(), argv.data());
    }
    const int forkError = errno;
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    close(fds[1]);
    if (watchFds[1] >= 0)
        close(watchFds[1]);
    // The watch is handed over only for a program that was started.
    auto dropWatch = [&] {
        if (watchFds[0] >= 0)
            close(watchFds[0]);
        watchFds[0] = -1;
    };
    if (intermediate < 0) {
        close(fds[0]);
        dropWatch();
        reason = forkError;
        return -1;
    }
    int status = 0;
    while (waitpid(intermediate, &status, 0) < 0 && errno == EINTR) {
    }
    // The first report comes from the intermediate child; a second one only
    // when the program could not be executed. The pipe ends when the program
    // has been executed or has given up.
    Report reports[2];
    int count = 0;
    for (;;) {
        Report report;
        const ssize_t got = read(fds[0], &report, sizeof report);
        if (got < 0 && errno == EINTR)
            continue;
        if (got != static_cast<ssize_t>(sizeof report))
            break;
        if (count < 2)
            reports[count++] = report;
    }
    close(fds[0]);
    if (count == 0) {
        dropWatch();
        reason = EIO;
        return -1;
    }
    for (int i = 0; i < count; ++i) {
        if (reports[i].kind != Report::Started) {
            dropWatch();
            reason = reports[i].value;
            return -1;
        }
    }
    reason = 0;
    if (watch)
        watch->fd = watchFds[0];
    return reports[0].value;
}

QByteArray FindProgram(const QByteArray &word, int *error)
{
    if (word.contains('/'))
        return word;
    int reason = ENOENT;
    // An empty entry means the working folder, as for the shell; without a
    // PATH, the system's own folders are searched.
    const QByteArray path = qEnvironmentVariableIsSet("PATH") ? qgetenv("PATH") : QByteArray("/bin:/usr/bin");
    for (const QByteArray &entry : path.split(':')) {
        QByteArray candidate = (entry.isEmpty() ? QByteArray(".") : entry) + '/' + word;
        struct stat info = {};
        if (stat(candidate.constData(), &info) != 0 || S_ISDIR(info.st_mode))
            continue;
        if (access(candidate.constData(), X_OK) == 0)
            return candidate;
        reason = EACCES;
    }
    if (error)
        *error = reason;
    return QByteArray();
}
