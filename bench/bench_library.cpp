// The library's reading of its roots: the first reading of a collection of
// 3,000 ROMs (1,500 loose, 1,500 one-ROM zips, nested folders), each read
// whole with its CRC32, SHA-1 and header stored, against a plain C program
// reading the same files with libarchive, zlib's crc32 and OpenSSL's SHA-1;
// and a reading again with nothing changed of 100,000 files, against a C
// walk that looks at each with fstatat. The store is used on the reading's
// thread here; in the program it has a thread of its own.
#include "BenchRow.h"

#include "core/FilePattern.h"
#include "platform/Background.h"
#include "platform/LibraryScan.h"
#include "platform/LibraryStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int kRounds = 3;

bool MakeCollection(const QString &folder, int loose, int zipped, int romBytes)
{
    QProcess python;
    python.start(QStringLiteral("python3"), {QStringLiteral(VEXA_MAKE_LIBRARY), folder, QString::number(loose),
                                             QString::number(zipped), QString::number(romBytes)});
    return python.waitForFinished(1800000) && python.exitCode() == 0;
}

// The C program's own time, in milliseconds, and the files it saw.
double Bare(const QString &mode, const QString &folder, int *files)
{
    QProcess bare;
    bare.start(QStringLiteral(VEXA_LIBRARY_READ_BARE), {mode, folder});
    bare.waitForFinished(600000);
    const QList<QByteArray> words = bare.readAllStandardOutput().split(' ');
    *files = words.value(1).toInt();
    return words.value(0).toDouble();
}

// One reading of the root into the store, as the program does it; the
// milliseconds taken, and the ROMs the store lists after.
double Read(LibraryStore &store, const QString &root, std::size_t *roms)
{
    const FilePattern pattern("*.gb; *.sgb; *cgb; *.gbc");
    QElapsedTimer timer;
    timer.start();
    ScanSink sink;
    sink.listed = [](int) {};
    sink.progress = [](int) {};
    sink.store = [&](LibraryBatch &&batch) { store.Apply(root, batch); };
    LibraryReader reader;
    // As in the program, the store reads what it knows while the folders are listed.
    BackgroundLane lane(1);
    QFuture<QHash<QByteArray, FileStamp>> known =
        lane.Run<QHash<QByteArray, FileStamp>>([&store, root] { return store.Known(root); });
    const QString why = ScanRoot(
        root, pattern, [&] { return known.result(); }, reader, sink).english;
    const double ms = timer.nsecsElapsed() / 1e6;
    if (!why.isEmpty())
        std::fprintf(stderr, "bench_library: %s\n", qPrintable(why));
    *roms = store.Records().size();
    return ms;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString collection = dir.path() + QStringLiteral("/collection");
    const QString many = dir.path() + QStringLiteral("/many");
    if (!MakeCollection(collection, 1500, 1500, 32768) || !MakeCollection(many, 100000, 0, 0x150)) {
        std::fprintf(stderr, "bench_library: the collections could not be made\n");
        return 1;
    }
    int files = 0;
    // Both read the files once before timing: every round finds them cached.
    Bare(QStringLiteral("hash"), collection, &files);

    QVector<double> ours, bare;
    std::size_t roms = 0;
    for (int round = 0; round < kRounds; ++round) {
        const QString database = dir.path() + QStringLiteral("/first-%1.sqlite").arg(round);
        QElapsedTimer timer;
        timer.start();
        LibraryStore store(database);
        if (!store.Open()) {
            std::fprintf(stderr, "bench_library: %s\n", qPrintable(store.Problem()));
            return 1;
        }
        const double open = timer.nsecsElapsed() / 1e6;
        ours.append(open + Read(store, collection, &roms));
        bare.append(Bare(QStringLiteral("hash"), collection, &files));
    }
    std::fprintf(stderr, "bench_library: first reading: %zu ROMs listed, the C program saw %d\n", roms, files);
    PrintRow(QStringLiteral("library: first reading of 3,000 ROMs (1,500 zipped), stored"), Median(ours), Median(bare),
             QStringLiteral("ms"), QStringLiteral("≤ 1.5×"));

    ours.clear();
    bare.clear();
    LibraryStore store(dir.path() + QStringLiteral("/again.sqlite"));
    if (!store.Open())
        return 1;
    Read(store, many, &roms);
    Bare(QStringLiteral("stat"), many, &files);
    for (int round = 0; round < kRounds; ++round) {
        ours.append(Read(store, many, &roms));
        bare.append(Bare(QStringLiteral("stat"), many, &files));
    }
    std::fprintf(stderr, "bench_library: reading again: %zu ROMs listed, the C walk saw %d files\n", roms, files);
    PrintRow(QStringLiteral("library: reading again, nothing changed, 100,000 files"), Median(ours), Median(bare),
             QStringLiteral("ms"), QStringLiteral("≤ 1.5×"));
    return 0;
}
