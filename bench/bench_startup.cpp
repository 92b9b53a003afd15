// Start-up to a shown window, as whole processes: wall time and peak resident
// memory of the launcher against a bare Qt program with one empty window.
#include "BenchRow.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char **environ;

namespace {

struct Run {
    double ms = 0;
    double peakMiB = 0;
};

Run RunOnce(const QByteArray &program)
{
    Run run;
    QElapsedTimer timer;
    timer.start();
    char *argv[] = {const_cast<char *>(program.constData()), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, program.constData(), nullptr, nullptr, argv, environ) != 0)
        return run;
    int status = 0;
    rusage usage = {};
    wait4(pid, &status, 0, &usage);
    run.ms = timer.nsecsElapsed() / 1e6;
    run.peakMiB = usage.ru_maxrss / 1024.0;
    return run;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString dir = QCoreApplication::applicationDirPath();
    const QByteArray launcher = QFile::encodeName(dir + QStringLiteral("/startup_vexa"));
    const QByteArray bare = QFile::encodeName(dir + QStringLiteral("/startup_bare"));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(QDir::tempPath() + QStringLiteral("/vexa-bench-config")));
    RunOnce(launcher); // warm the caches for both
    RunOnce(bare);
    QVector<double> launcherMs, bareMs, launcherMiB, bareMiB;
    for (int i = 0; i < 15; ++i) {
        const Run a = RunOnce(launcher);
        const Run b = RunOnce(bare);
        launcherMs.append(a.ms);
        launcherMiB.append(a.peakMiB);
        bareMs.append(b.ms);
        bareMiB.append(b.peakMiB);
    }
    PrintRow(QStringLiteral("start-up to a shown window (median)"), Median(launcherMs), Median(bareMs),
             QStringLiteral("ms"), QStringLiteral("<= 1.5"));
    PrintRow(QStringLiteral("start-up peak resident memory (median)"), Median(launcherMiB), Median(bareMiB),
             QStringLiteral("MiB"), QStringLiteral("<= 1.5"));
    return 0;
}
