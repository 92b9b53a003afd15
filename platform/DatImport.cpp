#include "DatImport.h"

#include "DatFile.h"
#include "LibraryStore.h"

#include <vector>

bool ImportDatFiles(LibraryStore &store, const QStringList &files, QString *summary, QString *why)
{
    std::vector<DatFile> dats(static_cast<std::size_t>(files.size()));
    for (qsizetype i = 0; i < files.size(); ++i)
        if (!ReadDatFile(files[i], dats[static_cast<std::size_t>(i)], why))
            return false;
    QStringList told;
    for (const DatFile &dat : dats) {
        bool replaced = false;
        if (!store.ImportDat(dat, &replaced)) {
            *why = store.TakeProblem();
            return false;
        }
        told.append(QStringLiteral("%1 (%2 games, %3 ROMs%4)")
                        .arg(dat.name)
                        .arg(dat.games)
                        .arg(dat.roms.size())
                        .arg(replaced ? QStringLiteral(", in place of the older one") : QString()));
    }
    *summary = QStringLiteral("Imported %1 DAT file%2: %3")
                   .arg(dats.size())
                   .arg(dats.size() == 1 ? QString() : QStringLiteral("s"))
                   .arg(told.join(QStringLiteral("; ")));
    return true;
}
