// The About window open for a while: the process's processor time as a share
// of one core, and the intervals between frames.
#include "BenchRow.h"

#include "about/frmAbout.h"
#include "controls/PictureBox.h"
#include "platform/Fonts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

namespace {

double ProcessorSeconds()
{
    rusage usage = {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

class FrameClock : public QObject
{
public:
    QElapsedTimer clock;
    QVector<double> shown;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            shown.append(clock.nsecsElapsed() / 1e6);
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    MapWindowsFonts();
    const int seconds = argc > 1 ? QByteArray(argv[1]).toInt() : 10;

    auto *about = new frmAbout;
    FrameClock frames;
    frames.clock.start();
    about->picScroll->installEventFilter(&frames);
    about->show();

    double cpuStart = 0;
    QElapsedTimer wall;
    QTimer::singleShot(1000, [&] { // once the window is up and scrolling
        cpuStart = ProcessorSeconds();
        wall.start();
        frames.shown.clear();
    });
    QTimer::singleShot(1000 + seconds * 1000, [&] { about->close(); QApplication::quit(); });
    QApplication::exec();

    const double share = (ProcessorSeconds() - cpuStart) / (wall.nsecsElapsed() / 1e9) * 100.0;
    QVector<double> intervals;
    for (int i = 1; i < frames.shown.size(); ++i)
        intervals.append(frames.shown.at(i) - frames.shown.at(i - 1));
    PrintValue(QStringLiteral("About window: processor share of one core"), share, QStringLiteral("%"),
               QStringLiteral("< 2 %"));
    PrintValue(QStringLiteral("About window: median frame interval"), Median(intervals), QStringLiteral("ms"),
               QStringLiteral("41 to 46 ms"));
    PrintValue(QStringLiteral("About window: 95th percentile frame interval"), Percentile(intervals, 0.95),
               QStringLiteral("ms"), QStringLiteral("< 60 ms"));
    PrintValue(QStringLiteral("About window: frames in the run"), intervals.size() + 1, QString(), QStringLiteral("-"));
    delete about;
    return 0;
}
