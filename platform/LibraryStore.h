#pragma once

#include "platform/LibraryFile.h"
#include "platform/LibraryRecord.h"
#include "platform/Translations.h"

#include "core/DatMatch.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

struct DatFile;
struct sqlite3;

// The library's database, $XDG_DATA_HOME/vexa/library.sqlite (SQLite, write-
// ahead log): the roots, the files read under them with their hashes, and the
// history of each content, keyed by its SHA-1, with every play. One launcher
// holds it at a time (exclusive locking); one thread at a time uses an object.
// A call that fails leaves the reason in Problem(), one line for the user.
class LibraryStore
{
public:
    // The schema this program writes; older files are brought up to it.
    static constexpr int kVersion = 3;

    explicit LibraryStore(QString path);
    ~LibraryStore();
    LibraryStore(const LibraryStore &) = delete;
    LibraryStore &operator=(const LibraryStore &) = delete;

    // The database in its own folder, made when missing.
    static QString DefaultPath();

    // Opens the database, making it when missing and bringing an older schema
    // up to date. Nothing but a regular file is opened: a link or a FIFO at
    // the path is refused untouched. A damaged file is moved aside
    // (library.sqlite.corrupt-<time>, its history carried over as far as it
    // can be read) and a new one made. Returns false when the store cannot be
    // used; Problem() then says why. It also holds a line after a damaged
    // file was replaced, when the store opened.
    bool Open();
    bool IsOpen() const { return db_ != nullptr; }
    const QString &Problem() const { return problem_.english; }
    // The problem told once: returns it (in English) and forgets it.
    QString TakeProblem() { return std::exchange(problem_, Told()).english; }
    // The problem told once, in English and in the user's language.
    Told TakeTold() { return std::exchange(problem_, Told()); }
    const QString &Path() const { return path_; }

    // The roots added, in the order they were added.
    // The roots, the library's first folder first.
    QStringList Roots();
    // The library's first folder: the ROM folder it was last given that no
    // root covered. Empty before the first.
    QString FirstRoot();
    bool SetFirstRoot(const QString &root);
    bool AddRoot(const QString &root);
    // Forgets the root and the files read under it; their history stays.
    bool RemoveRoot(const QString &root);
    // Forgets the files under any root not listed.
    bool KeepOnlyRoots(const QStringList &roots);

    // The files read before under root, by their path below it, with their stamps.
    QHash<QByteArray, FileStamp> Known(const QString &root);
    // Applies one step of the reading of root, as one transaction.
    bool Apply(const QString &root, const LibraryBatch &batch);

    // Every ROM with the history of its content and what its header and the
    // DAT files say of it, ordered by root and path.
    std::vector<LibraryRecord> Records();

    bool SetFavourite(const QByteArray &sha1, bool on);
    // Records that the content started playing at startedMs (since the epoch):
    // one more launch and the last played time; returns the play's id, or -1.
    qint64 RecordStart(const QByteArray &sha1, qint64 startedMs);
    // Records how long the play lasted; the play time grows by it.
    bool RecordEnd(qint64 play, qint64 seconds);

    // Stores a DAT file in one transaction, in place of the one of the same
    // name stored before (replaced then says so).
    bool ImportDat(const DatFile &dat, bool *replaced);
    // A DAT import in steps, in one transaction, for ROMs handed over while
    // their file is still being read: BeginDatImport; for each DAT,
    // AddDatRoms as its ROMs come and EndDat once it was read whole (it then
    // takes the place of the one of the same name stored before); then
    // CommitDatImport. AbandonDatImport, a failed step or closing the store
    // before the commit leaves the store as it was.
    bool BeginDatImport();
    bool AddDatRoms(const std::vector<DatRom> &roms);
    bool EndDat(const DatFile &dat, bool *replaced);
    bool CommitDatImport();
    void AbandonDatImport();
    // The ROMs of every DAT stored, read once and kept until the next import.
    const DatIndex &Dats();

    // What the DATs stored in the database at path say of one content,
    // read without opening the store: nothing when no file is there (SQLite
    // is then not even loaded), when it holds no DAT, or when it cannot be
    // read now (a launcher holds it). For any thread.
    struct DumpFacts {
        DumpCheck check = DumpCheck::NotInDat;
        QString datGame;
        QString datName;
    };
    static std::optional<DumpFacts> LookUpDump(const QString &path, qint64 size, quint32 crc32, const QByteArray &sha1);

private:
    bool OpenFile(bool *damaged);
    bool Migrate();
    void MoveAside();
    bool Fail(const Wording &what);
    Told ReadOnly() const;
    void Close();

    QString path_;
    Told problem_;
    sqlite3 *db_ = nullptr;
    std::unique_ptr<DatIndex> dats_;
    struct DatImporting;
    std::unique_ptr<DatImporting> importing_;
};
