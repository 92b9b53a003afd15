#include "ArchiveCatalog.h"

#include "FileNames.h"

#include "core/ArchiveEntryName.h"

#include <algorithm>

ArchiveBlock ArchiveCatalog::Prepare(const QString &archiveName, std::vector<std::string> entries)
{
    ArchiveBlock block{archiveName, std::move(entries), {}, {}};
    const std::string archive = EncodeFileName(archiveName).toStdString();
    block.listNames.reserve(static_cast<qsizetype>(block.entries.size()));
    for (const std::string &entry : block.entries)
        block.listNames.append(
            DecodeFileName(QByteArray::fromStdString(ArchiveListName(archive, entry, block.entries.size() == 1))));
    if (!block.listNames.isEmpty())
        block.first = block.listNames.front();
    return block;
}

void ArchiveCatalog::Clear()
{
    entries_.clear();
    first_.clear();
}

std::size_t ArchiveCatalog::Add(const ArchiveBlock &block, std::size_t from, Room &room, QStringList *added)
{
    if (from == 0 && !block.entries.empty() && room.Left())
        first_.insert(block.archive, block.first);
    std::size_t index = from;
    for (; index < block.entries.size() && room.Left(); ++index) {
        const QString &listName = block.listNames.at(static_cast<qsizetype>(index));
        --room.entries;
        room.nameChars -= std::min(room.nameChars, static_cast<std::size_t>(listName.size()));
        const auto known = entries_.find(listName);
        if (known != entries_.end()) {
            known->pass = pass_;
            continue;
        }
        entries_.insert(listName, {{block.archive, block.entries[index]}, pass_});
        added->append(listName);
    }
    return index;
}

QStringList ArchiveCatalog::ForgetUnfound()
{
    QStringList forgotten;
    for (auto entry = entries_.begin(); entry != entries_.end();) {
        if (entry->pass == pass_) {
            ++entry;
            continue;
        }
        forgotten.append(entry.key());
        if (first_.value(entry->entry.archive) == entry.key())
            first_.remove(entry->entry.archive);
        entry = entries_.erase(entry);
    }
    return forgotten;
}

const ArchiveEntry *ArchiveCatalog::Find(const QString &listName) const
{
    const auto entry = entries_.constFind(listName);
    return entry == entries_.constEnd() ? nullptr : &entry->entry;
}

QString ArchiveCatalog::FirstOf(const QString &archiveName) const
{
    return first_.value(archiveName);
}
