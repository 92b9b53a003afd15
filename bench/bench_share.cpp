// A click on a ROM that lies on a slow share: the launcher's folder is a FUSE
// mirror (tests/hungfs.py --delay 1) without any caching in the kernel, so
// every call reaches the share and costs a millisecond. Counts the share's
// calls per click from its log (lookups count as getattr; flush and release
// are not counted), and times the click to its header and
// picture shown, against reading the same header and picture one after the
// other with plain calls.
// Usage: bench_share MOUNT LOG   (MOUNT holds roms/a.gb, roms/b.gb and images/a.png, images/b.png)
#include "BenchRow.h"

#include "controls/FileListBox.h"
#include "launcher/Vexa.h"
#include "platform/Fonts.h"
#include "platform/SettingNames.h"
#include "platform/Settings.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kRounds = 40;

qsizetype LogLines(const QString &log)
{
    QFile file(log);
    return file.open(QIODevice::ReadOnly) ? file.readAll().count('\n') : 0;
}

// Opens, reads up to size bytes and closes: what any reader of the file must do.
void ReadFile(const QByteArray &path, qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    const int fd = open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    for (qsizetype filled = 0; filled < size;) {
        const ssize_t n = read(fd, bytes.data() + filled, static_cast<size_t>(size - filled));
        if (n <= 0)
            break;
        filled += n;
    }
    close(fd);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s MOUNT LOG\n", argv[0]);
        return 2;
    }
    const QString mount = QFile::decodeName(argv[1]);
    const QString log = QFile::decodeName(argv[2]);
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    MapWindowsFonts();
    // Pictures are looked for under images/ of the folder the launcher runs in.
    QDir::setCurrent(mount);
    const QString roms = mount + QStringLiteral("/roms");
    WriteSetting(SettingNames::Application, SettingNames::Section, SettingNames::RomPath, roms);

    Vexa window;
    window.show();
    if (!QTest::qWaitFor([&] { return !window.Busy() && window.File1->ListCount() == 2; }, 20000)) {
        std::fprintf(stderr, "bench_share: the two ROMs on the share were never listed\n");
        return 1;
    }
    QVector<double> clicks, plain, calls;
    for (int i = 0; i < kRounds; ++i) {
        const char *name = i % 2 ? "b" : "a";
        QElapsedTimer timer;
        timer.start();
        ReadFile(QFile::encodeName(roms) + "/" + name + ".gb", 400);
        ReadFile(QFile::encodeName(mount) + "/images/" + name + ".png", 1 << 20);
        plain.append(timer.nsecsElapsed() / 1e6);

        QTest::qWait(20); // the share's log is written
        const qsizetype before = LogLines(log);
        timer.restart();
        window.File1->setCurrentIndex(window.File1->model()->index(i % 2, 0));
        while (window.Busy())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        clicks.append(timer.nsecsElapsed() / 1e6);
        QTest::qWait(20);
        calls.append(static_cast<double>(LogLines(log) - before));
    }
    PrintValue(QStringLiteral("click on a ROM on a share with 1 ms a call: calls to the share (median)"),
               Median(calls), QStringLiteral("calls"), QStringLiteral("<= 11"));
    PrintRow(QStringLiteral("click on a ROM on that share, to header and picture shown, vs reading both in turn (median)"),
             Median(clicks), Median(plain), QStringLiteral("ms"), QStringLiteral("< 1 (side by side)"));
    return 0;
}
