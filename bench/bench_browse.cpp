// Filling the file list, and selecting a ROM end to end (header and picture).
#include "BenchRow.h"

#include "../controls/DirListBox.h"
#include "../controls/EventLabel.h"
#include "../controls/FileListBox.h"
#include "../controls/ComboBox.h"
#include "../launcher/Vexa.h"
#include "../platform/Desktop.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <dirent.h>
#include <fcntl.h>
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

// What any listing must do: read the folder, match the names, sort them.
int Baseline(const QString &path)
{
    QStringList names;
    DIR *dir = opendir(QFile::encodeName(path).constData());
    while (const dirent *entry = readdir(dir)) {
        const QString name = QFile::decodeName(entry->d_name);
        if (FileListBox::MatchesPattern(name, QStringLiteral("*.gb; *.sgb; *cgb")))
            names.append(name);
    }
    closedir(dir);
    std::sort(names.begin(), names.end(),
              [](const QString &a, const QString &b) { return QString::compare(a, b, Qt::CaseInsensitive) < 0; });
    return names.size();
}

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

    for (int size : {1000, 10000, 100000}) {
        const QString folder = home.filePath(QStringLiteral("roms%1").arg(size));
        MakeFolder(folder, size);
        const int rounds = size >= 100000 ? 5 : 15;
        QVector<double> list, base;
        for (int i = 0; i < rounds; ++i) {
            base.append(Time([&] { Baseline(folder); }));
            FileListBox box;
            box.SetPattern(QStringLiteral("*.gb; *.sgb; *cgb"));
            list.append(Time([&] { box.SetPath(folder); }));
        }
        PrintRow(QStringLiteral("file list, %1 files (median)").arg(size), Median(list), Median(base),
                 QStringLiteral("ms"), size == 100000 ? QStringLiteral("<= 2.0") : QStringLiteral("-"));
    }

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
    Vexa window;
    window.Dir1->SetPath(roms);
    window.show();
    QVector<double> select, base, decode;
    for (int i = 0; i < 200; ++i) {
        base.append(ReadHeader(roms + QStringLiteral("/a.gb")));
        decode.append(ReadHeader(roms + QStringLiteral("/a.gb"))
                      + Time([&] { QImage(home.filePath(QStringLiteral("images/a.bmp"))).isNull(); }));
        const QModelIndex index = window.File1->model()->index(i % 2, 0);
        select.append(Time([&] { window.File1->setCurrentIndex(index); }));
    }
    PrintRow(QStringLiteral("ROM selection vs reading 400 bytes (median)"), Median(select), Median(base),
             QStringLiteral("ms"), QStringLiteral("<= 3.0"));
    PrintRow(QStringLiteral("ROM selection vs 400 bytes + decoding the picture"), Median(select),
             Median(decode), QStringLiteral("ms"), QStringLiteral("-"));
    return 0;
}
