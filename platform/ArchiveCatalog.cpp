#include "ArchiveCatalog.h"

#include "FileNames.h"

#include "core/ArchiveEntryName.h"

void ArchiveCatalog::Clear()
{
    entries_.clear();
    first_.clear();
}

QStringList ArchiveCatalog::Add(const QString &archiveName, const std::vector<std::string> &entries,
                                QStringList *added)
{
    QStringList names;
    const std::string archive = EncodeFileName(archiveName).toStdString();
    for (const std::string &entry : entries) {
        const QString listName =
            DecodeFileName(QByteArray::fromStdString(ArchiveListName(archive, entry, entries.size() == 1)));
        if (&entry == &entries.front())
            first_.insert(archiveName, listName);
        names.append(listName);
        if (entries_.contains(listName))
            continue;
        entries_.insert(listName, {archiveName, entry});
        added->append(listName);
    }
    return names;
}

QStringList ArchiveCatalog::KeepOnly(const QSet<QString> &keep)
{
    QStringList forgotten;
    for (auto entry = entries_.begin(); entry != entries_.end();) {
        if (keep.contains(entry.key())) {
            ++entry;
            continue;
        }
        forgotten.append(entry.key());
        if (first_.value(entry->archive) == entry.key())
            first_.remove(entry->archive);
        entry = entries_.erase(entry);
    }
    return forgotten;
}

const ArchiveEntry *ArchiveCatalog::Find(const QString &listName) const
{
    const auto entry = entries_.constFind(listName);
    return entry == entries_.constEnd() ? nullptr : &*entry;
}

QString ArchiveCatalog::FirstOf(const QString &archiveName) const
{
    return first_.value(archiveName);
}
