// Starting the emulator: StartProgram (detached, no zombie) against a bare
// posix_spawnp of the same stand-in that is reaped at once; and a whole Run
// click, until the emulator is started, against the same baseline.
#include "BenchRow.h"

#include "controls/EventLabel.h"
#include "controls/ComboBox.h"
#include "launcher/Launch.h"
#include "launcher/Vexa.h"
#include "platform/Fonts.h"
#include "core/LaunchCommand.h"
#include "platform/ProgramStart.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QtTest>

#include <spawn.h>
#include <sys/wait.h>

extern char **environ;

namespace {

constexpr int kRounds = 300;

double SpawnOnce(const QByteArray &program)
{
    QElapsedTimer timer;
    timer.start();
    char *argv[] = {const_cast<char *>(program.constData()), const_cast<char *>("-cgb"), nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, program.constData(), nullptr, nullptr, argv, environ) == 0)
        waitpid(pid, nullptr, 0);
    return timer.nsecsElapsed() / 1e6;
}

double StartOnce(const QString &command)
{
    QElapsedTimer timer;
    timer.start();
    StartProgram(SplitCommandLine(command.toStdString()), 1);
    return timer.nsecsElapsed() / 1e6;
}

// From the click until the emulator is started (the start runs in the background).
double ClickOnce(Vexa &window)
{
    bool started = false;
    const QMetaObject::Connection told =
        QObject::connect(window.Launcher(), &Launch::Started, [&started] { started = true; });
    QElapsedTimer timer;
    timer.start();
    QTest::mouseClick(window.RunDown, Qt::LeftButton);
    while (!started)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double ms = timer.nsecsElapsed() / 1e6;
    QObject::disconnect(told);
    return ms;
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    MapWindowsFonts();

    // A stand-in that exits at once, found on PATH like the real emulator.
    const QString bin = home.filePath(QStringLiteral("bin"));
    QDir().mkpath(bin);
    QFile::link(QStringLiteral("/bin/true"), bin + QStringLiteral("/vexa"));
    qputenv("PATH", QFile::encodeName(bin) + ":" + qgetenv("PATH"));

    QVector<double> spawn, start, click;
    for (int i = 0; i < kRounds; ++i) {
        spawn.append(SpawnOnce("vexa"));
        start.append(StartOnce(QStringLiteral("vexa  -rtsdir rsave/  -cgb  /r/x.gb")));
    }
    PrintRow(QStringLiteral("StartProgram vs posix_spawnp (median)"), Median(start), Median(spawn),
             QStringLiteral("ms"), QStringLiteral("<= 2.0"));

    Vexa window;
    window.show();
    window.RunDown->show();
    spawn.clear();
    for (int i = 0; i < kRounds; ++i) {
        spawn.append(SpawnOnce("vexa"));
        click.append(ClickOnce(window));
    }
    PrintRow(QStringLiteral("Run click vs posix_spawnp (median)"), Median(click), Median(spawn),
             QStringLiteral("ms"), QStringLiteral("<= 2.0"));
    return 0;
}
