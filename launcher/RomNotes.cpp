#include "RomNotes.h"

#include "controls/FileListBox.h"
#include "core/FilePattern.h"
#include "core/HeaderCheck.h"
#include "platform/FileNames.h"
#include "platform/LibraryScan.h"

#include <QFileInfo>

RomNotes::RomNotes(FileListBox *list, QObject *parent)
    : QObject(parent)
    , databasePath(LibraryStore::DefaultPath())
    , list_(list)
    , lookup_(lane_, [this](std::optional<std::optional<LibraryStore::DumpFacts>> facts) {
        if (!facts || !*facts || list_->Path() != folder_)
            return;
        const LibraryStore::DumpFacts &said = **facts;
        switch (said.check) {
        case DumpCheck::Verified:
            notes_.append(tr("Verified: %1").arg(said.datName));
            break;
        case DumpCheck::BadDump:
            notes_.append(tr("Bad dump: %1").arg(said.datName));
            break;
        case DumpCheck::NotInDat:
            notes_.append(tr("Not in DAT"));
            break;
        }
        list_->SetNotes(name_, notes_);
        emit LookedUp();
    })
{
}

void RomNotes::Note(const QString &folder, const QString &name, const QString &path, const std::string &entry,
                    const std::vector<std::uint8_t> &header)
{
    folder_ = folder;
    name_ = name;
    notes_.clear();
    if (CheckHeader(header).Damaged())
        notes_.append(tr("Header damaged"));
    list_->SetNotes(name, notes_);
    // No library yet: nothing to look up, and SQLite stays unloaded.
    if (!QFileInfo(databasePath).isFile()) {
        lookup_.Drop();
        return;
    }
    lookup_.Start([database = databasePath, file = EncodeFileName(path), entry]() -> std::optional<LibraryStore::DumpFacts> {
        LibraryReader reader;
        std::vector<std::uint8_t> bytes;
        std::string why;
        bool found = false;
        if (entry.empty()) {
            found = reader.ReadFile(file, bytes, &why);
        } else {
            reader.ReadArchive(file, FilePattern(kLibraryRomPattern),
                               [&](const std::string &name, const std::vector<std::uint8_t> &content) {
                                   if (name == entry && !found) {
                                       bytes = content;
                                       found = true;
                                   }
                               },
                               &why);
        }
        if (!found)
            return std::nullopt;
        const ScannedRom rom = Hashed(QByteArray(), entry, FileStamp(), bytes);
        return LibraryStore::LookUpDump(database, rom.romSize, rom.crc32, rom.sha1);
    });
}
