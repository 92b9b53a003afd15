#include "LibraryCommands.h"

#include "DatImport.h"
#include "FileNames.h"
#include "LibraryScan.h"
#include "LibraryStore.h"

#include "core/FilePattern.h"

namespace {

void Say(std::FILE *stream, const QString &line)
{
    std::fprintf(stream, "%s\n", line.toLocal8Bit().constData());
}

int Refuse(std::FILE *err, const QString &why)
{
    Say(err, QStringLiteral("vexa-launcher: %1").arg(why));
    return 1;
}

const char *CheckWord(DumpCheck check)
{
    switch (check) {
    case DumpCheck::Verified: return "verified";
    case DumpCheck::BadDump: return "bad-dump";
    case DumpCheck::NotInDat: break;
    }
    return "not-in-dat";
}

// The name a person reads: the DAT's game for a verified ROM, else the file
// name (the entry's, for an archive entry) without its extension.
QString Title(const LibraryRecord &record)
{
    if (record.check == DumpCheck::Verified && !record.datGame.isEmpty())
        return record.datGame;
    QString name = record.entry.empty() ? record.path : DecodeFileName(QByteArray::fromStdString(record.entry));
    name = name.mid(name.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? name.left(dot) : name;
}

} // namespace

int ImportDatsCommand(const QStringList &files, const QString &databasePath, std::FILE *out, std::FILE *err)
{
    LibraryStore store(databasePath);
    if (!store.Open())
        return Refuse(err, store.Problem());
    Told summary;
    Told why;
    if (!ImportDatFiles(store, files, &summary, &why))
        return Refuse(err, why.english);
    Say(out, summary.english);
    return 0;
}

int ReportCommand(const QString &databasePath, const QString &romFolder, std::FILE *out, std::FILE *err)
{
    LibraryStore store(databasePath);
    if (!store.Open())
        return Refuse(err, store.Problem());
    // A database moved aside and made again is said, and the report goes on.
    if (!store.Problem().isEmpty())
        Say(err, QStringLiteral("vexa-launcher: %1").arg(store.TakeProblem()));
    QStringList roots = store.Roots();
    roots.removeAll(romFolder);
    if (!romFolder.isEmpty())
        roots.prepend(romFolder);
    store.KeepOnlyRoots(roots);
    const FilePattern pattern(kLibraryRomPattern);
    LibraryReader reader;
    for (const QString &root : roots) {
        ScanSink sink;
        sink.listed = [](int) {};
        sink.progress = [](int) {};
        sink.store = [&](LibraryBatch &&batch) { store.Apply(root, batch); };
        const QString why = ScanRoot(root, pattern, [&] { return store.Known(root); }, reader, sink).english;
        if (!why.isEmpty())
            Say(err, QStringLiteral("vexa-launcher: %1").arg(why));
        if (!store.Problem().isEmpty())
            return Refuse(err, store.TakeProblem());
    }
    std::vector<DatIndex::Game> found;
    for (const LibraryRecord &record : store.Records()) {
        const QString path = record.entry.empty() ? record.path
                                                  : record.path + QStringLiteral(": ") +
                                                        DecodeFileName(QByteArray::fromStdString(record.entry));
        Say(out, QStringLiteral("%1\t%2\t%3\t%4")
                     .arg(QLatin1String(CheckWord(record.check)),
                          record.headerDamaged ? QStringLiteral("damaged") : QStringLiteral("ok"), Title(record), path));
        if (record.check != DumpCheck::NotInDat)
            found.emplace_back(record.datGame.toStdString(), record.datName.toStdString());
    }
    for (const auto &[game, dat] : store.Dats().Missing(found))
        Say(out, QStringLiteral("missing\t%1\t%2").arg(QString::fromStdString(game), QString::fromStdString(dat)));
    std::fflush(out);
    return 0;
}
