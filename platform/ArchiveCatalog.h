#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Where a name in the file list that stands for a ROM inside an archive comes
// from: the archive's file name in the shown folder and the entry's name
// inside it (bytes, as the archive holds it).
struct ArchiveEntry {
    QString archive;
    std::string entry;
};

// An archive's ROM entries with the names they are listed under, made ready
// on a background thread so that taking them in costs the window's thread
// nothing but storing them.
struct ArchiveBlock {
    QString archive;
    std::vector<std::string> entries;
    QStringList listNames; // one for each entry, in the same order
    QString first;         // the list name of the archive's first entry, in the archive's order
};

// The archive entries of the file list, by the names they are listed under
// (ArchiveListName). The one place a listed name is turned back into its
// archive and entry. A pass through the folder's archives marks the entries
// it finds; at its end those it did not find again are forgotten.
class ArchiveCatalog
{
public:
    // An archive's entries with their listed names. Safe on any thread. The
    // entries may be put in another order afterwards, entries and listNames alike.
    static ArchiveBlock Prepare(const QString &archiveName, std::vector<std::string> entries);

    void Clear();
    // Makes room for that many entries at once: growing while entries are
    // added would hash every entry held again, all in one turn.
    void Reserve(std::size_t entries) { entries_.reserve(static_cast<qsizetype>(entries)); }
    bool Empty() const { return entries_.isEmpty(); }
    // Starts a pass: every entry counts as not found until Add finds it again.
    void StartPass() { ++pass_; }
    // What one turn may still take in: entries, and characters of their
    // listed names (long names cost the window's thread by their length).
    struct Room {
        std::size_t entries;
        std::size_t nameChars;
        bool Left() const { return entries > 0 && nameChars > 0; }
    };
    // Adds the entries of a block from index from on, while room is left (the
    // first entry whatever its name's length), taking each from room,
    // marking them found in this pass, and appends the names not listed yet to
    // added. Returns the index of the first entry not taken yet.
    std::size_t Add(const ArchiveBlock &block, std::size_t from, Room &room, QStringList *added);
    // Forgets the entries the pass has not found; returns their names.
    QStringList ForgetUnfound();

    // The archive and entry a listed name stands for; null for a plain file.
    const ArchiveEntry *Find(const QString &listName) const;
    // The name an archive's first ROM is listed under; empty when it has none listed.
    QString FirstOf(const QString &archiveName) const;

private:
    struct Found {
        ArchiveEntry entry;
        std::uint32_t pass;
    };
    QHash<QString, Found> entries_;
    QHash<QString, QString> first_;
    std::uint32_t pass_ = 0;
};
