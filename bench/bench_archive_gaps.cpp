// The longest the window's thread is kept from a 1 ms timer while the file
// list reads a folder of many archives at the folder's bounds: 600 copies of a
// 7z holding 9,999 empty ROM entries, read once, then read again after the
// folder changes. A frame is 16 ms.

#include "BenchRow.h"

#include "controls/FileListBox.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int kArchives = 600;
constexpr int kEntries = 9999;

// One 7z of kEntries empty ROMs made with bsdtar, copied kArchives times.
bool MakeArchives(const QString &folder)
{
    const QString parts = folder + QStringLiteral("-parts");
    QDir().mkpath(parts);
    QDir().mkpath(folder);
    for (int i = 0; i < kEntries; ++i) {
        QFile file(parts + QStringLiteral("/e%1.gb").arg(i, 5, 10, QLatin1Char('0')));
        if (!file.open(QIODevice::WriteOnly))
            return false;
    }
    QProcess tar;
    tar.setWorkingDirectory(parts);
    tar.start(QStringLiteral("bsdtar"), {QStringLiteral("--format"), QStringLiteral("7zip"), QStringLiteral("-cf"),
                                         folder + QStringLiteral("/A0000.7z"), QStringLiteral(".")});
    if (!tar.waitForFinished(600000) || tar.exitCode() != 0)
        return false;
    for (int i = 1; i < kArchives; ++i) {
        if (!QFile::copy(folder + QStringLiteral("/A0000.7z"), folder + QStringLiteral("/A%1.7z").arg(i, 4, 10, QLatin1Char('0'))))
            return false;
    }
    return true;
}

// The longest gap between ticks of a 1 ms timer, in ms, until done() holds.
double LongestGap(const std::function<bool()> &done)
{
    QElapsedTimer clock;
    clock.start();
    qint64 last = clock.nsecsElapsed();
    qint64 longest = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(1);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    tick.start();
    while (!done() && clock.elapsed() < 600000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    return static_cast<double>(longest) / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    const QTemporaryDir home;
    UseOwnSettingsOffscreen(home.path());
    QApplication app(argc, argv);
    // The folder's bounds are said on the error output, once a reading.
    if (!std::freopen("/dev/null", "w", stderr))
        return 1;
    const QString folder = home.filePath(QStringLiteral("sevens"));
    if (!MakeArchives(folder))
        return 1;
    FileListBox box;
    box.SetPattern(QStringLiteral("*.gb; *.sgb; *cgb; *.gbc"));
    box.show();
    bool listed = false;
    QObject::connect(&box, &FileListBox::Listed, [&] { listed = true; });
    box.SetPath(folder);
    const double first = LongestGap([&] { return listed && !box.Listing(); });
    const int count = box.ListCount();
    listed = false;
    QFile(folder + QStringLiteral("/Changed.gb")).open(QIODevice::WriteOnly);
    const double again = LongestGap([&] { return listed && !box.Listing() && box.ListCount() == count + 1; });
    PrintValue(QStringLiteral("file list, %1 7z of %2 entries: longest window-thread gap, first reading").arg(kArchives).arg(kEntries),
               first, QStringLiteral("ms"), QStringLiteral("< 16"));
    PrintValue(QStringLiteral("file list, same folder read again after a change: longest gap"), again, QStringLiteral("ms"),
               QStringLiteral("< 16"));
    std::printf("listed %d\n", count);
    return 0;
}
