// A folder of zipped ROMs in the file list: listed whole, against a plain C
// program that opens each archive with libarchive and reads its entries; and
// the plain ROMs of a folder that also holds archives: how soon they show,
// against the same list with its archive reading switched off, as it was
// before it read archives.
#include "BenchRow.h"

#include "controls/FileListBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kArchives = 5000;
constexpr int kRounds = 7;

// kArchives zips, each holding one 32 KB ROM, made in one Python run.
bool MakeArchives(const QString &folder)
{
    QDir().mkpath(folder);
    QProcess python;
    python.start(QStringLiteral("python3"), {QStringLiteral("-c"), QStringLiteral(R"py(
import sys, zipfile
for i in range(int(sys.argv[2])):
    name = "Game %d (World)" % i
    with zipfile.ZipFile("%s/%s.zip" % (sys.argv[1], name), "w", zipfile.ZIP_DEFLATED) as archive:
        archive.writestr(name + ".gb", (b"%08d" % i) * 4096)
)py"),
                                            folder, QString::number(kArchives)});
    return python.waitForFinished(600000) && python.exitCode() == 0;
}

void MakePlainRoms(const QString &folder)
{
    for (int i = 0; i < kArchives; ++i) {
        const QByteArray name = QFile::encodeName(folder) + "/Plain " + QByteArray::number(i) + ".gb";
        const int fd = open(name.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
        if (fd >= 0)
            close(fd);
    }
}

// The C program's own time for the folder, in milliseconds.
double Bare(const QString &program, const QString &folder)
{
    QProcess bare;
    bare.start(program, {folder});
    bare.waitForFinished(600000);
    return bare.readAllStandardOutput().split(' ').value(0).toDouble();
}

// Milliseconds from SetPath until done() holds. The background work left
// (the archives of a folder whose plain ROMs were waited for) ends before this
// returns, so it weighs on no other measurement.
double ListUntil(const QString &folder, bool archives, const std::function<bool(const FileListBox &)> &done)
{
    FileListBox box;
    box.SetPattern(QStringLiteral("*.gb; *.sgb; *cgb; *.gbc"));
    if (!archives)
        box.archiveReader = [](const QString &, const FilePattern &) { return ArchiveRoms(); };
    QElapsedTimer timer;
    timer.start();
    box.SetPath(folder);
    while (!done(box) && timer.elapsed() < 600000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    while (box.Listing())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    return ms;
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString bare = QCoreApplication::applicationDirPath() + QStringLiteral("/archive_list_bare");

    const QString zips = home.filePath(QStringLiteral("zips"));
    if (!MakeArchives(zips)) {
        std::fprintf(stderr, "bench_archives: the archives could not be made\n");
        return 1;
    }
    QVector<double> listed, baseline;
    for (int i = 0; i < kRounds; ++i) {
        baseline.append(Bare(bare, zips));
        listed.append(ListUntil(zips, true, [](const FileListBox &box) { return box.ListCount() == kArchives && !box.Listing(); }));
    }
    PrintRow(QStringLiteral("file list, %1 zipped ROMs listed whole, vs C libarchive listing (median)").arg(kArchives),
             Median(listed), Median(baseline), QStringLiteral("ms"), QStringLiteral("<= 3.0"));

    // The same folder with as many plain ROMs: they show before the archives
    // are read, as soon as they did when archives were not read.
    MakePlainRoms(zips);
    const auto plainShown = [](const FileListBox &box) { return box.ListCount() >= kArchives; };
    QVector<double> mixed, before;
    for (int i = 0; i < kRounds; ++i) {
        before.append(ListUntil(zips, false, plainShown));
        mixed.append(ListUntil(zips, true, plainShown));
    }
    PrintRow(QStringLiteral("file list, %1 plain ROMs beside %1 zips shown, vs archives not read (median)").arg(kArchives),
             Median(mixed), Median(before), QStringLiteral("ms"), QStringLiteral("<= 1.2"));
    return 0;
}
