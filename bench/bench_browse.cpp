// Filling the file list, alone and in the window started on a large folder,
// and selecting a ROM end to end (header and picture).
#include "BenchRow.h"

#include "controls/DirListBox.h"
#include "controls/EventLabel.h"
#include "controls/FileListBox.h"
#include "controls/ComboBox.h"
#include "launcher/Vexa.h"
#include "platform/Fonts.h"
#include "platform/Settings.h"
#include "platform/SettingNames.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <unistd.h>

namespace {

void MakeFolder(const QString &path, int files)
{
    QDir().mkpath(path);
    for (int i = 0; i < files; ++i) {
        const QByteArray name = QFile::encodeName(path) + "/Game " + QByteArray::number(i)
            + (i % 2 ? ".gb" : ".txt");
        const int fd = open(name.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
        if (fd >= 0)
            close(fd);
    }
}

const char *const kPattern = "*.gb; *.sgb; *cgb; *.gbc";
const char *const kSuffixes[] = {".gb", ".sgb", "cgb", ".gbc"};

bool HasRomSuffix(const char *name)
{
    const size_t length = strlen(name);
    for (const char *suffix : kSuffixes) {
        const size_t size = strlen(suffix);
        if (length >= size && strcasecmp(name + length - size, suffix) == 0)
            return true;
    }
    return false;
}

int CompareNames(const void *a, const void *b)
{
    return strcasecmp(*static_cast<char *const *>(a), *static_cast<char *const *>(b));
}

// What any listing must do, as a plain C program does it: read the folder,
// keep the names with a ROM suffix (case folded), sort them.
size_t Baseline(const QString &path)
{
    DIR *dir = opendir(QFile::encodeName(path).constData());
    if (!dir)
        return 0;
    size_t count = 0;
    size_t capacity = 1024;
    char **names = static_cast<char **>(malloc(capacity * sizeof *names));
    while (const dirent *entry = readdir(dir)) {
        if (entry->d_name[0] == '.' || !HasRomSuffix(entry->d_name))
            continue;
        if (entry->d_type != DT_REG && entry->d_type != DT_LNK && entry->d_type != DT_UNKNOWN)
            continue;
        if (count == capacity) {
            capacity *= 2;
            names = static_cast<char **>(realloc(names, capacity * sizeof *names));
        }
        names[count++] = strdup(entry->d_name);
    }
    closedir(dir);
    qsort(names, count, sizeof *names, CompareNames);
    for (size_t i = 0; i < count; ++i)
        free(names[i]);
    free(names);
    return count;
}

// SetPath, and the wait for the listing to reach the list when it is made in the background.
bool ListAndWait(FileListBox &box, const QString &folder)
{
    QSignalSpy listed(&box, &FileListBox::Listed);
    box.SetPath(folder);
    return !listed.isEmpty() || listed.wait(60000);
}

// Watches the main window: its first expose, and the first paint of the file
// list once the list holds the whole folder.
class ListWatch : public QObject
{
public:
    ListWatch(Vexa &window, int expected, std::function<void()> done)
        : window_(window)
        , expected_(expected)
        , done_(std::move(done))
    {
        clock_.start();
        window.createWinId();
        window.windowHandle()->installEventFilter(this);
        window.File1->viewport()->installEventFilter(this);
        connect(window.File1, &FileListBox::Listed, this, [this] { complete_ = Complete(); });
        complete_ = Complete();
    }

    double exposed = -1;
    double painted = -1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && exposed < 0 && window_.windowHandle()->isExposed())
            exposed = static_cast<double>(clock_.nsecsElapsed()) / 1e6;
        else if (event->type() == QEvent::Paint && watched == window_.File1->viewport() && complete_
                 && painted < 0)
            painted = static_cast<double>(clock_.nsecsElapsed()) / 1e6;
        if (painted >= 0 && exposed >= 0)
            done_();
        return QObject::eventFilter(watched, event);
    }

private:
    bool Complete() const { return window_.File1->ListCount() == expected_; }

    Vexa &window_;
    QElapsedTimer clock_;
    int expected_;
    std::function<void()> done_;
    bool complete_ = false;
};

double Time(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

double ReadHeader(const QString &path)
{
    return Time([&] {
        char bytes[400];
        const int fd = open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
        if (fd >= 0) {
            if (read(fd, bytes, sizeof bytes) < 0)
                bytes[0] = 0;
            close(fd);
        }
    });
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    MapWindowsFonts();

    const QString pattern = QLatin1String(kPattern);
    for (int size : {1000, 10000, 100000}) {
        const QString folder = home.filePath(QStringLiteral("roms%1").arg(size));
        MakeFolder(folder, size);
        const int rounds = size >= 100000 ? 5 : 15;
        QVector<double> list, base;
        for (int i = 0; i < rounds; ++i) {
            base.append(Time([&] { Baseline(folder); }));
            FileListBox box;
            box.SetPattern(pattern);
            list.append(Time([&] { ListAndWait(box, folder); }));
        }
        PrintRow(QStringLiteral("file list, %1 files, vs C readdir+match+sort (median)").arg(size), Median(list),
                 Median(base), QStringLiteral("ms"), size == 100000 ? QStringLiteral("<= 2.0") : QStringLiteral("-"));
    }

    // The window started on the stored 100,000-file folder: from its first
    // expose to the full list painted, against the plain C listing of the same folder.
    const QString big = home.filePath(QStringLiteral("roms100000"));
    const int expected = static_cast<int>(Baseline(big));
    WriteSetting(SettingNames::Application, SettingNames::Section, SettingNames::RomPath, big);
    QVector<double> afterMap, fromStart, listing;
    for (int i = 0; i < 5; ++i) {
        listing.append(Time([&] { Baseline(big); }));
        QElapsedTimer clock;
        clock.start();
        Vexa window;
        // An event loop of its own, as the program runs: QTest::qWaitFor
        // sleeps 10 ms between its rounds of events.
        QEventLoop loop;
        ListWatch watch(window, expected, [&loop] { loop.quit(); });
        const double made = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        window.show();
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);
        if (watch.painted < 0 || watch.exposed < 0)
            loop.exec();
        if (watch.painted < 0 || watch.exposed < 0) {
            std::fprintf(stderr, "bench_browse: the list of %d names was never painted\n", expected);
            return 1;
        }
        afterMap.append(std::max(0.0, watch.painted - watch.exposed));
        fromStart.append(made + watch.painted);
    }
    PrintRow(QStringLiteral("window on 100,000 files: full list painted after the map, vs C listing (median)"),
             Median(afterMap), Median(listing), QStringLiteral("ms"), QStringLiteral("<= 2.0"));
    PrintRow(QStringLiteral("window on 100,000 files: full list painted after construction, vs C listing"),
             Median(fromStart), Median(listing), QStringLiteral("ms"), QStringLiteral("-"));

    // Selecting a ROM whose picture is in images/ under the working directory.
    const QString roms = home.filePath(QStringLiteral("select"));
    QDir().mkpath(roms);
    QDir().mkpath(home.filePath(QStringLiteral("images")));
    QByteArray rom(32768, '\x11');
    rom[0x143] = '\x80';
    for (const char *name : {"a.gb", "b.gb"}) {
        QFile file(roms + QLatin1Char('/') + QLatin1String(name));
        file.open(QIODevice::WriteOnly);
        file.write(rom);
    }
    QFile::copy(QStringLiteral(":/console.bmp"), home.filePath(QStringLiteral("images/a.bmp")));
    QFile::copy(QStringLiteral(":/console.bmp"), home.filePath(QStringLiteral("images/b.bmp")));
    QDir::setCurrent(home.path());
    WriteSetting(SettingNames::Application, SettingNames::Section, SettingNames::RomPath, roms);
    Vexa window;
    window.show();
    if (!QTest::qWaitFor([&] { return !window.Busy() && window.File1->ListCount() == 2; }, 10000)) {
        std::fprintf(stderr, "bench_browse: the two ROMs to select were never listed\n");
        return 1;
    }
    QVector<double> select, base, decode;
    for (int i = 0; i < 200; ++i) {
        base.append(ReadHeader(roms + QStringLiteral("/a.gb")));
        decode.append(ReadHeader(roms + QStringLiteral("/a.gb"))
                      + Time([&] { QImage(home.filePath(QStringLiteral("images/a.bmp"))).isNull(); }));
        const QModelIndex index = window.File1->model()->index(i % 2, 0);
        // From the click to the header and picture shown: the reading runs in
        // the background and its result comes back through the event loop.
        select.append(Time([&] {
            window.File1->setCurrentIndex(index);
            while (window.Busy())
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }));
    }
    PrintRow(QStringLiteral("ROM selection, click to header and picture shown, vs reading 400 bytes (median)"),
             Median(select), Median(base), QStringLiteral("ms"), QStringLiteral("within a frame (16.7 ms)"));
    PrintRow(QStringLiteral("ROM selection vs 400 bytes + decoding the picture"), Median(select),
             Median(decode), QStringLiteral("ms"), QStringLiteral("-"));
    return 0;
}
