#include "ProgramStart.h"

#include "FileNames.h"

#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

struct StartReport {
    int error = -1;
    pid_t pid = -1;
};

// The program's path, or empty with error set when the PATH holds no
// program of that name: EACCES when it holds one that may not be run.
QString ResolveProgram(const QString &word, int &error)
{
    if (word.contains(QLatin1Char('/')))
        return word;
    const QString program = QStandardPaths::findExecutable(word);
    error = ENOENT;
    if (program.isEmpty()) {
        for (const QString &folder : qEnvironmentVariable("PATH").split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
            struct stat info = {};
            if (stat(EncodeFileName(folder + QLatin1Char('/') + word).constData(), &info) == 0 && !S_ISDIR(info.st_mode))
                error = EACCES;
        }
    }
    return program;
}

void CloseDescriptorsFrom(int first)
{
#ifdef SYS_close_range
    if (syscall(SYS_close_range, static_cast<unsigned>(first), ~0U, 0) == 0)
        return;
#endif
    const long limit = sysconf(_SC_OPEN_MAX);
    for (long fd = first; fd < (limit > 0 ? limit : 1024); ++fd)
        close(static_cast<int>(fd));
}

bool WriteAll(int fd, const void *data, size_t size)
{
    const char *bytes = static_cast<const char *>(data);
    while (size > 0) {
        const ssize_t n = write(fd, bytes, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

// Runs in the first child: only async-signal-safe calls from here on.
[[noreturn]] void RunIntermediate(int pipeFd, const char *path, char *const argv[])
{
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    struct sigaction dfl = {};
    dfl.sa_handler = SIG_DFL;
    sigaction(SIGPIPE, &dfl, nullptr);
    setsid();

    const int reportFd = 3;
    if (pipeFd != reportFd)
        dup2(pipeFd, reportFd);
    fcntl(reportFd, F_SETFD, FD_CLOEXEC);
    CloseDescriptorsFrom(4);

    StartReport report;
    volatile int execError = 0;
    const pid_t pid = vfork();
    if (pid == 0) {
        execve(path, argv, environ);
        execError = errno == 0 ? ENOEXEC : errno;
        _exit(127);
    }
    if (pid < 0) {
        report.error = errno;
    } else if (execError != 0) {
        report.error = execError;
        int status = 0;
        waitpid(pid, &status, 0);
    } else {
        report.error = 0;
        report.pid = pid;
    }
    WriteAll(reportFd, &report, sizeof report);
    _exit(0);
}

} // namespace

qint64 StartProgram(const std::vector<std::string> &words, int windowStyle, int *error)
{
    Q_UNUSED(windowStyle);
    int unused = 0;
    int &reason = error ? *error : unused;
    reason = ENOENT;
    if (words.empty())
        return -1;
    const QString program = ResolveProgram(DecodeFileName(QByteArray::fromStdString(words.front())), reason);
    if (program.isEmpty())
        return -1;

    // Everything the children need is prepared here: they may not allocate.
    const QByteArray path = EncodeFileName(program);
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
    const pid_t intermediate = fork();
    if (intermediate == 0) {
        close(fds[0]);
        RunIntermediate(fds[1], path.constData(), argv.data());
    }
    close(fds[1]);
    if (intermediate < 0) {
        reason = errno;
        close(fds[0]);
        return -1;
    }
    int status = 0;
    while (waitpid(intermediate, &status, 0) < 0 && errno == EINTR) {
    }
    StartReport report;
    ssize_t got = 0;
    do {
        got = read(fds[0], &report, sizeof report);
    } while (got < 0 && errno == EINTR);
    close(fds[0]);
    if (got != static_cast<ssize_t>(sizeof report)) {
        reason = EIO;
        return -1;
    }
    if (report.error != 0) {
        reason = report.error;
        return -1;
    }
    reason = 0;
    return report.pid;
}
