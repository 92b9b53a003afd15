// DAT files: importing one of 100,000 games (read with QXmlStreamReader while
// stored in the library's SQLite store, one transaction) against a plain C
// program reading the same file with libxml2's xmlTextReader; and matching
// 3,000 ROMs against it, as the store does when it lists the library.
#include "BenchRow.h"

#include "core/DatMatch.h"
#include "platform/DatFile.h"
#include "platform/DatImport.h"
#include "platform/LibraryStore.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int kGames = 100000;
constexpr int kRoms = 3000;
constexpr int kRounds = 5;

QByteArray Sha1Of(int index)
{
    return QCryptographicHash::hash(QByteArray::number(index), QCryptographicHash::Sha1);
}

quint32 CrcOf(int index)
{
    return static_cast<quint32>(index) * 2654435761u;
}

// A DAT as the preservation groups write them: DOCTYPE line, header, and one
// game a dump with its description and one ROM with all its hashes.
QByteArray DatText()
{
    QByteArray text = "<?xml version=\"1.0\"?>\n"
                      "<!DOCTYPE datafile PUBLIC \"-//Logiqx//DTD ROM Management Datafile//EN\" "
                      "\"http://www.logiqx.com/Dats/datafile.dtd\">\n"
                      "<datafile>\n\t<header>\n\t\t<name>Bench - Game Boy</name>\n\t\t<version>1</version>\n\t</header>\n";
    text.reserve(kGames * 330);
    for (int i = 0; i < kGames; ++i) {
        const QByteArray name = "Game " + QByteArray::number(i) + " (World) (Rev " + QByteArray::number(i % 3) + ")";
        const QByteArray sha1 = Sha1Of(i).toHex();
        text += "\t<game name=\"" + name + "\"" +
                (i % 4 == 1 ? " cloneof=\"Game " + QByteArray::number(i - 1) + " (World) (Rev 0)\"" : QByteArray()) +
                ">\n\t\t<description>" + name + "</description>\n\t\t<rom name=\"" + name + ".gb\" size=\"" +
                QByteArray::number(32768 << (i % 6)) + "\" crc=\"" + QByteArray::number(CrcOf(i), 16).rightJustified(8, '0') +
                "\" md5=\"" + sha1.left(32) + "\" sha1=\"" + sha1 + "\"" + (i % 50 == 0 ? " status=\"baddump\"" : "") +
                "/>\n\t</game>\n";
    }
    return text + "</datafile>\n";
}

double Bare(const QString &file, int *roms)
{
    QProcess bare;
    bare.start(QStringLiteral(VEXA_DAT_PARSE_BARE), {file});
    bare.waitForFinished(600000);
    const QList<QByteArray> words = bare.readAllStandardOutput().split(' ');
    *roms = words.value(1).toInt();
    return words.value(0).toDouble();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("bench.dat"));
    {
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly) || out.write(DatText()) < 0)
            return 1;
    }
    QVector<double> parse, import, bare;
    int bareRoms = 0;
    for (int round = 0; round < kRounds; ++round) {
        bare.append(Bare(file, &bareRoms));
        QElapsedTimer timer;
        timer.start();
        DatFile dat;
        QString why;
        if (!ReadDatFile(file, dat, &why)) {
            std::fprintf(stderr, "%s\n", qPrintable(why));
            return 1;
        }
        parse.append(timer.nsecsElapsed() / 1e6);
        LibraryStore store(dir.filePath(QStringLiteral("round%1.sqlite").arg(round)));
        if (!store.Open()) {
            std::fprintf(stderr, "%s\n", qPrintable(store.Problem()));
            return 1;
        }
        // As --import-dat and the library do: read beside the storing.
        timer.restart();
        QString summary;
        if (!ImportDatFiles(store, {file}, &summary, &why)) {
            std::fprintf(stderr, "%s\n", qPrintable(why));
            return 1;
        }
        import.append(timer.nsecsElapsed() / 1e6);
        if (int(dat.roms.size()) != kGames || int(store.Dats().Roms().size()) != kGames || bareRoms != kGames)
            return 1;
    }
    const QString games = QStringLiteral("%1 games").arg(kGames);
    PrintRow(QStringLiteral("import a DAT of %1 (read and stored), median of %2").arg(games).arg(kRounds),
             Median(import), Median(bare), QStringLiteral("ms"), QStringLiteral("<= 2x libxml2 xmlTextReader"));
    PrintRow(QStringLiteral("read the DAT of %1 (QXmlStreamReader, not stored)").arg(games), Median(parse), Median(bare),
             QStringLiteral("ms"), QStringLiteral("information"));

    // 3,000 ROMs: two thirds in the DAT, some with another SHA-1, the rest not.
    QVector<double> load, match;
    int verified = 0;
    for (int round = 0; round < kRounds; ++round) {
        LibraryStore store(dir.filePath(QStringLiteral("round%1.sqlite").arg(round)));
        if (!store.Open())
            return 1;
        QElapsedTimer timer;
        timer.start();
        const DatIndex &index = store.Dats();
        load.append(timer.nsecsElapsed() / 1e6);
        timer.restart();
        verified = 0;
        for (int i = 0; i < kRoms; ++i) {
            const int game = i * 33;
            const bool inDat = i % 3 != 0;
            const DumpMatch found = index.Match(32768 << (game % 6), inDat ? CrcOf(game) : ~CrcOf(game),
                                                (i % 7 ? Sha1Of(game) : Sha1Of(-game)).toStdString());
            verified += found.check == DumpCheck::Verified;
        }
        match.append(timer.nsecsElapsed() / 1e6);
    }
    std::fprintf(stderr, "bench_dat: %d of %d ROMs verified\n", verified, kRoms);
    PrintValue(QStringLiteral("match %1 ROMs against the DAT of %2").arg(kRoms).arg(games), Median(match),
               QStringLiteral("ms"), QStringLiteral("<= 50 ms"));
    PrintValue(QStringLiteral("load the DAT of %1 from the store, once after each import").arg(games), Median(load),
               QStringLiteral("ms"), QStringLiteral("information"));
    return 0;
}
