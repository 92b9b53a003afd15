#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

// Where a name in the file list that stands for a ROM inside an archive comes
// from: the archive's file name in the shown folder and the entry's name
// inside it (bytes, as the archive holds it).
struct ArchiveEntry {
    QString archive;
    std::string entry;
};

// The archive entries of the file list, by the names they are listed under
// (ArchiveListName). The one place a listed name is turned back into its
// archive and entry.
class ArchiveCatalog
{
public:
    void Clear();
    bool Empty() const { return entries_.isEmpty(); }
    // Adds the ROM entries of an archive; returns the names they are listed
    // under, and appends those not listed yet to added.
    QStringList Add(const QString &archiveName, const std::vector<std::string> &entries, QStringList *added);
    // Forgets the names not in keep; returns those forgotten.
    QStringList KeepOnly(const QSet<QString> &keep);

    // The archive and entry a listed name stands for; null for a plain file.
    const ArchiveEntry *Find(const QString &listName) const;
    // The name an archive's first ROM is listed under; empty when it has none listed.
    QString FirstOf(const QString &archiveName) const;

private:
    QHash<QString, ArchiveEntry> entries_;
    QHash<QString, QString> first_;
};
