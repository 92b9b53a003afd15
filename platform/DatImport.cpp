#include "DatImport.h"

#include "DatFile.h"
#include "LibraryStore.h"

#include <vector>

bool ImportDatFiles(LibraryStore &store, const QStringList &files, Told *summary, Told *why)
{
    std::vector<DatFile> dats(static_cast<std::size_t>(files.size()));
    for (qsizetype i = 0; i < files.size(); ++i) {
        QString refused;
        if (!ReadDatFile(files[i], dats[static_cast<std::size_t>(i)], &refused)) {
            *why = Untranslated(refused);
            return false;
        }
    }
    QStringList english;
    QStringList shown;
    for (const DatFile &dat : dats) {
        bool replaced = false;
        if (!store.ImportDat(dat, &replaced)) {
            *why = store.TakeTold();
            return false;
        }
        const Told told = Tell(Wording{
            "DatImport",
            replaced ? QT_TRANSLATE_NOOP("DatImport", "%1 (%2 games, %3 ROMs, in place of the older one)")
                     : QT_TRANSLATE_NOOP("DatImport", "%1 (%2 games, %3 ROMs)"),
            {dat.name.toStdString(), std::to_string(dat.games), std::to_string(dat.roms.size())}});
        english.append(told.english);
        shown.append(told.shown);
    }
    Wording told{"DatImport",
                 dats.size() == 1 ? QT_TRANSLATE_NOOP("DatImport", "Imported 1 DAT file: %1")
                                  : QT_TRANSLATE_NOOP("DatImport", "Imported %1 DAT files: %2"),
                 {}};
    if (dats.size() != 1)
        told.args.push_back(std::to_string(dats.size()));
    *summary = Tell(told, Told{english.join(QStringLiteral("; ")), shown.join(QStringLiteral("; "))});
    return true;
}
