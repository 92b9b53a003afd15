#include "LibraryStore.h"

#include "DataFolder.h"
#include "DatFile.h"
#include "FileNames.h"
#include "FolderScan.h"
#include "SqliteLibrary.h"

#include "core/HeaderCheck.h"

#include <QDateTime>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

#include <sys/stat.h>

namespace {

// The first schema, as the first launcher with a library wrote it.
const char *const kSchema1 = R"sql(
CREATE TABLE roots(path TEXT PRIMARY KEY, added INTEGER NOT NULL);
CREATE TABLE files(
    id INTEGER PRIMARY KEY,
    root TEXT NOT NULL,
    path BLOB NOT NULL,
    entry BLOB NOT NULL DEFAULT x'',
    device INTEGER NOT NULL,
    inode INTEGER NOT NULL,
    size INTEGER NOT NULL,
    mtime INTEGER NOT NULL,
    rom_size INTEGER NOT NULL,
    crc32 INTEGER NOT NULL,
    sha1 BLOB NOT NULL,
    header BLOB NOT NULL,
    UNIQUE(root, path, entry));
CREATE TABLE history(
    sha1 BLOB PRIMARY KEY,
    favourite INTEGER NOT NULL DEFAULT 0,
    launches INTEGER NOT NULL DEFAULT 0,
    last_played INTEGER NOT NULL DEFAULT 0,
    play_seconds INTEGER NOT NULL DEFAULT 0);
PRAGMA user_version = 1;
)sql";

// Version 2: every play on its own, its time unknown (NULL) until it ends,
// and the files found by their content.
const char *const kMigrate1To2 = R"sql(
CREATE TABLE plays(
    id INTEGER PRIMARY KEY,
    sha1 BLOB NOT NULL,
    started INTEGER NOT NULL,
    seconds INTEGER);
CREATE INDEX files_by_sha1 ON files(sha1);
PRAGMA user_version = 2;
)sql";

// Version 3: the imported DAT files, one row a DAT (known by its header's
// name) and one a ROM of its games.
const char *const kMigrate2To3 = R"sql(
CREATE TABLE dats(
    id INTEGER PRIMARY KEY,
    name TEXT NOT NULL UNIQUE,
    version TEXT NOT NULL DEFAULT '',
    games INTEGER NOT NULL,
    imported INTEGER NOT NULL);
CREATE TABLE dat_roms(
    dat INTEGER NOT NULL,
    game TEXT NOT NULL,
    clone_of TEXT NOT NULL DEFAULT '',
    size INTEGER NOT NULL,
    crc32 INTEGER NOT NULL,
    sha1 BLOB NOT NULL DEFAULT x'',
    bad INTEGER NOT NULL DEFAULT 0);
CREATE INDEX dat_roms_by_dat ON dat_roms(dat);
PRAGMA user_version = 3;
)sql";

const char *const kMigrations[] = {kSchema1, kMigrate1To2, kMigrate2To3};

// A prepared statement, finalized when it goes.
class Statement
{
public:
    Statement(sqlite3 *db, const char *sql)
    {
        if (Sqlite().prepare_v2(db, sql, -1, &statement_, nullptr) != SQLITE_OK)
            statement_ = nullptr;
    }
    ~Statement() { Sqlite().finalize(statement_); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    bool Ready() const { return statement_ != nullptr; }
    Statement &Bind(int index, qint64 value)
    {
        Sqlite().bind_int64(statement_, index, value);
        return *this;
    }
    Statement &Bind(int index, const QString &text)
    {
        const QByteArray utf8 = text.toUtf8();
        Sqlite().bind_text(statement_, index, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
        return *this;
    }
    Statement &Bind(int index, const void *data, std::size_t size)
    {
        // A zero-length blob, not NULL, for an empty value.
        static const char nothing = 0;
        Sqlite().bind_blob(statement_, index, size ? data : &nothing, static_cast<int>(size), SQLITE_TRANSIENT);
        return *this;
    }
    Statement &Bind(int index, const QByteArray &bytes) { return Bind(index, bytes.constData(), bytes.size()); }
    // Text or bytes that stay as they are until the statement runs: not copied.
    Statement &BindKeptText(int index, const std::string &utf8)
    {
        Sqlite().bind_text(statement_, index, utf8.data(), static_cast<int>(utf8.size()), SQLITE_STATIC);
        return *this;
    }
    Statement &BindKept(int index, const std::string &bytes)
    {
        Sqlite().bind_blob(statement_, index, bytes.data(), static_cast<int>(bytes.size()), SQLITE_STATIC);
        return *this;
    }
    // SQLITE_ROW, SQLITE_DONE or an error code.
    int Step() { return statement_ ? Sqlite().step(statement_) : SQLITE_ERROR; }
    bool Run()
    {
        const int result = Step();
        Sqlite().reset(statement_);
        return result == SQLITE_DONE || result == SQLITE_ROW;
    }

    qint64 Int(int column) const { return Sqlite().column_int64(statement_, column); }
    bool IsNull(int column) const { return Sqlite().column_type(statement_, column) == SQLITE_NULL; }
    QByteArray Bytes(int column) const
    {
        const void *data = Sqlite().column_blob(statement_, column);
        return QByteArray(static_cast<const char *>(data), Sqlite().column_bytes(statement_, column));
    }
    QString Text(int column) const
    {
        const auto *data = reinterpret_cast<const char *>(Sqlite().column_text(statement_, column));
        return QString::fromUtf8(data, Sqlite().column_bytes(statement_, column));
    }

private:
    sqlite3_stmt *statement_ = nullptr;
};

// The columns d.name, r.game, r.clone_of, r.size, r.crc32, r.sha1, r.bad of
// a DAT's ROM.
const char *const kDatRomColumns = "SELECT d.name, r.game, r.clone_of, r.size, r.crc32, r.sha1, r.bad "
                                   "FROM dat_roms r JOIN dats d ON d.id = r.dat ";

DatRom DatRomAt(const Statement &row)
{
    DatRom rom;
    rom.dat = row.Bytes(0).toStdString();
    rom.game = row.Bytes(1).toStdString();
    rom.cloneOf = row.Bytes(2).toStdString();
    rom.size = row.Int(3);
    rom.crc32 = static_cast<std::uint32_t>(row.Int(4));
    rom.sha1 = row.Bytes(5).toStdString();
    rom.badDump = row.Int(6) != 0;
    return rom;
}

bool Exec(sqlite3 *db, const char *sql)
{
    return Sqlite().exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

// A transaction, rolled back unless committed.
class Transaction
{
public:
    explicit Transaction(sqlite3 *db) : db_(db), open_(Exec(db, "BEGIN IMMEDIATE")) {}
    ~Transaction()
    {
        if (open_)
            Exec(db_, "ROLLBACK");
    }
    bool Open() const { return open_; }
    bool Commit()
    {
        open_ = open_ && !Exec(db_, "COMMIT");
        return !open_;
    }

private:
    sqlite3 *db_;
    bool open_;
};

bool IsDamage(int code)
{
    return (code & 0xFF) == SQLITE_CORRUPT || (code & 0xFF) == SQLITE_NOTADB;
}

// The history of a damaged file, as far as it can be read.
struct KeptHistory {
    QByteArray sha1;
    qint64 favourite, launches, lastPlayed, playSeconds;
};

std::vector<KeptHistory> ReadableHistory(const QByteArray &path)
{
    std::vector<KeptHistory> kept;
    sqlite3 *db = nullptr;
    if (Sqlite().open_v2(path.constData(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOFOLLOW, nullptr) == SQLITE_OK) {
        Statement rows(db, "SELECT sha1, favourite, launches, last_played, play_seconds FROM history");
        while (rows.Ready() && rows.Step() == SQLITE_ROW)
            kept.push_back({rows.Bytes(0), rows.Int(1), rows.Int(2), rows.Int(3), rows.Int(4)});
    }
    Sqlite().close_v2(db);
    return kept;
}

} // namespace

// A DAT import under way: its transaction, and the DAT whose ROMs are coming,
// stored under a name no DAT can have until EndDat gives it its own.
struct LibraryStore::DatImporting {
    explicit DatImporting(sqlite3 *db)
        : transaction(db),
          add(db, "INSERT INTO dats(name, version, games, imported) VALUES(?, '', 0, 0)"),
          rom(db, "INSERT INTO dat_roms(dat, game, clone_of, size, crc32, sha1, bad) VALUES(?, ?, ?, ?, ?, ?, ?)")
    {
    }
    Transaction transaction;
    Statement add;
    Statement rom;
    qint64 dat = -1;
    int dats = 0;
};

LibraryStore::LibraryStore(QString path) : path_(std::move(path)) {}

LibraryStore::~LibraryStore()
{
    Close();
}

QString LibraryStore::DefaultPath()
{
    return DecodeFileName(QByteArray::fromStdString(DataFolderPath())) + QStringLiteral("/library.sqlite");
}

void LibraryStore::Close()
{
    importing_.reset();
    dats_.reset();
    if (db_)
        Sqlite().close_v2(db_);
    db_ = nullptr;
}

bool LibraryStore::Fail(const Wording &what)
{
    const int code = db_ ? Sqlite().extended_errcode(db_) : SQLITE_ERROR;
    const std::string detail = db_ ? std::string(Sqlite().errmsg(db_)) : std::string();
    const std::string path = path_.toStdString();
    if ((code & 0xFF) == SQLITE_BUSY || (code & 0xFF) == SQLITE_LOCKED)
        problem_ = Tell(Wording{"LibraryStore", QT_TRANSLATE_NOOP("LibraryStore", "The library %1 is in use by another launcher: %2"), {path}}, Tell(what));
    else if ((code & 0xFF) == SQLITE_READONLY)
        problem_ = Tell(Wording{"LibraryStore", QT_TRANSLATE_NOOP("LibraryStore", "The library %1 is read-only: %2"), {path}}, Tell(what));
    else
        // The words in the order they come: the path, the database's own message, what failed.
        problem_ = Tell(Wording{"LibraryStore", QT_TRANSLATE_NOOP("LibraryStore", "The library %1: %3 (%2)"), {path, detail}}, Tell(what));
    return false;
}

Told LibraryStore::ReadOnly() const
{
    return Tell(Wording{"LibraryStore", QT_TRANSLATE_NOOP("LibraryStore", "The library %1 is read-only: nothing is stored"), {path_.toStdString()}});
}

bool LibraryStore::Open()
{
    Close();
    problem_ = Told();
    if (!Sqlite().why.empty()) {
        problem_ = Tell(Wording{"LibraryStore", QT_TRANSLATE_NOOP("LibraryStore", "The library cannot be opened: %1"), {Sqlite().why}});
        return false;
    }
    const QByteArray file = EncodeFileName(path_);
    const qsizetype slash = file.lastIndexOf('/');
    std::string failed;
    if (slash > 0) {
        if (const int error = MakeFolders(file.left(slash).toStdString(), 0700, &failed)) {
            problem_ = Tell(Wording{"LibraryStore", QT_TRANSLATE_NOOP("LibraryStore", "The library's folder %1 cannot be made: %2"), {DecodeFileName(QByteArray::fromStdString(failed)).toStdString(),
                                               QString::fromLocal8Bit(std::strerror(error)).toStdString()}});
            return false;
        }
    }
    bool damaged = false;
    if (OpenFile(&damaged))
        return true;
    if (!damaged)
        return false;
    // Moved aside, never deleted: what it held can still be looked at.
    Close();
    const QString aside = path_ + QStringLiteral(".corrupt-") +
                          QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QByteArray asideFile = EncodeFileName(aside);
    const std::vector<KeptHistory> kept = ReadableHistory(file);
    if (std::rename(file.constData(), asideFile.constData()) != 0) {
        problem_ = Tell(Wording{"LibraryStore", QT_TRANSLATE_NOOP("LibraryStore", "The library %1 is damaged and cannot be moved aside: %2"), {path_.toStdString(), QString::fromLocal8Bit(std::strerror(errno)).toStdString()}});
        return false;
    }
    // Its log goes with it: a new file must not take up the old one's pages.
    for (const char *suffix : {"-wal", "-shm", "-journal"})
        std::rename((file + suffix).constData(), (asideFile + suffix).constData());
    if (!OpenFile(&damaged))
        return false;
    Statement keep(db_, "INSERT OR REPLACE INTO history(sha1, favourite, launches, last_played, play_seconds) "
                        "VALUES(?, ?, ?, ?, ?)");
    for (const KeptHistory &history : kept)
        keep.Bind(1, history.sha1).Bind(2, history.favourite).Bind(3, history.launches).Bind(4, history.lastPlayed)
            .Bind(5, history.playSeconds).Run();
    problem_ = Tell(Wording{"LibraryStore",
                            QT_TRANSLATE_NOOP("LibraryStore", "The library %1 was damaged: it was moved to %2 and is read "
                                                              "again from the disk (the history of %3 games kept)"),
                            {path_.toStdString(), aside.toStdString(), std::to_string(kept.size())}});
    return true;
}

bool LibraryStore::OpenFile(bool *damaged)
{
    const QByteArray file = EncodeFileName(path_);
    // Nothing but a regular file, and never through a link: a FIFO is not
    // opened (its writer would be released) and a link is not followed.
    struct stat info = {};
    if (lstat(file.constData(), &info) == 0) {
        if (!S_ISREG(info.st_mode)) {
            const char *kind = S_ISLNK(info.st_mode)    ? QT_TRANSLATE_NOOP("LibraryStore", "a link")
                               : S_ISFIFO(info.st_mode) ? QT_TRANSLATE_NOOP("LibraryStore", "a FIFO")
                               : S_ISDIR(info.st_mode)  ? QT_TRANSLATE_NOOP("LibraryStore", "a folder")
                                                        : QT_TRANSLATE_NOOP("LibraryStore", "not a regular file");
            problem_ = Tell(Wording{"LibraryStore", QT_TRANSLATE_NOOP("LibraryStore", "The library %1 is %2: it is left as it is and not opened"), {path_.toStdString()}}, Tell(Wording{"LibraryStore", kind, {}}));
            return false;
        }
        // The owner marked it read-only; root could write it anyway, and must not.
        if ((info.st_mode & 0222) == 0) {
            problem_ = ReadOnly();
            return false;
        }
    }
    const int opened = Sqlite().open_v2(file.constData(), &db_,
                                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOFOLLOW | SQLITE_OPEN_NOMUTEX,
                                        nullptr);
    if (opened != SQLITE_OK) {
        Fail(Wording{"LibraryStore", QT_TRANSLATE_NOOP("LibraryStore", "it cannot be opened"), {}});
        Close();
        return false;
    }
    Sqlite().busy_timeout(db_, 200);
    if (Sqlite().db_readonly(db_, "main") == 1) {
        problem_ = ReadOnly();
        Close();
        return false;
    }
    // One launcher at a time: the lock taken by the first write is held
    // while the store is open, and the log needs no shared memory then.
    // Pages read through a mapping rather than copied in one read each; the
    // log is synced at its checkpoints, not at every step of a reading: a
    // power cut may lose the last steps, never the file's consistency.
    Exec(db_, "PRAGMA mmap_size = 268435456");
    Exec(db_, "PRAGMA synchronous = NORMAL");
    if (!Exec(db_, "PRAGMA locking_mode = EXCLUSIVE") || !Exec(db_, "PRAGMA journal_mode = WAL") ||
        !Exec(db_, "BEGIN IMMEDIATE") || !Exec(db_, "COMMIT")) {
        *damaged = IsDamage(Sqlite().extended_errcode(db_));
        Fail(Wording{"LibraryStore", QT_TRANSLATE_NOOP("LibraryStore", "it cannot be opened"), {}});
        if (!*damaged)
            Close();
        return false;
    }
    {
        Statement check(db_, "PRAGMA quick_check");
        const int step = check.Step();
        if (step != SQLITE_ROW || check.Text(0) != QLatin1String("ok")) {
            *damaged = step == SQLITE_ROW || IsDamage(Sqlite().extended_errcode(db_));
            if (!*damaged) {
                Fail(Wording{"LibraryStore", QT_TRANSLATE_NOOP("LibraryStore", "it cannot be read"), {}});
                Close();
            }
            return false;
        }
    }
    if (!Migrate()) {
        *damaged = IsDamage(Sqlite().extended_errcode(db_));
        if (!*damaged)
            Close();
        return false;
    }
    return true;
}

bool LibraryStore::Migrate()
{
    Statement read(db_, "PRAGMA user_version");
    const int version = read.Step() == SQLITE_ROW ? static_cast<int>(read.Int(0)) : -1;
    if (version < 0)
        return Fail(Wording{"LibraryStore", QT_TRANSLATE_NOOP("LibraryStore", "its version cannot be read"), {}});
    if (version > kVersion) {
        problem_ = Tell(Wording{"LibraryStore", QT_TRANSLATE_NOOP("LibraryStore", "The library %1 was written by a newer launcher (version %2): it is left as it is"), {path_.toStdString(), std::to_string(version)}});
        return false;
    }
    for (int step = version; step < kVersion; ++step) {
        Transaction transaction(db_);
        if (!transaction.Open() || !Exec(db_, kMigrations[step]) || !transaction.Commit())
            return Fail(Wording{"LibraryStore", QT_TRANSLATE_NOOP("LibraryStore", "it cannot be brought to version %1"), {std::to_string(step + 1)}});
    }
    return true;
}

QStringList LibraryStore::Roots()
{
    QStringList roots;
    Statement rows(db_, "SELECT path FROM roots ORDER BY added, path");
    while (rows.Ready() && rows.Step() == SQLITE_ROW)
        roots.append(rows.Text(0));
    return roots;
}

// The first folder is the root stored at place 0; the others count from 1.
QString LibraryStore::FirstRoot()
{
    Statement row(db_, "SELECT path FROM roots WHERE added = 0");
    return row.Ready() && row.Step() == SQLITE_ROW ? row.Text(0) : QString();
}

bool LibraryStore::SetFirstRoot(const QString &root)
{
    Transaction transaction(db_);
    Statement clear(db_, "DELETE FROM roots WHERE added = 0 OR path = ?");
    Statement add(db_, "INSERT INTO roots(path, added) VALUES(?, 0)");
    return (transaction.Open() && clear.Bind(1, root).Run() && add.Bind(1, root).Run() && transaction.Commit()) ||
           Fail(Wording{"LibraryStore", QT_TRANSLATE_NOOP("LibraryStore", "the folder %1 cannot be added"), {root.toStdString()}});
}

bool LibraryStore::AddRoot(const QString &root)
{
    Statement add(db_, "INSERT OR IGNORE INTO roots(path, added) VALUES(?, (SELECT COALESCE(MAX(added), 0) + 1 FROM roots))");
    return add.Bind(1, root).Run() || Fail(Wording{"LibraryStore", QT_TRANSLATE_NOOP("LibraryStore", "the folder %1 cannot be added"), {root.toStdString()}});
}

bool LibraryStore::RemoveRoot(const QString &root)
{
    Transaction transaction(db_);
    Statement root_(db_, "DELETE FROM roots WHERE path = ?");
    Statement files(db_, "DELETE FROM files WHERE root = ?");
    return (transaction.Open() && root_.Bind(1, root).Run() && files.Bind(1, root).Run() && transaction.Commit()) ||
           Fail(Wording{"LibraryStore", QT_TRANSLATE_NOOP("LibraryStore", "the folder %1 cannot be removed"), {root.toStdString()}});
}

bool LibraryStore::KeepOnlyRoots(const QStringList &roots)
{
    Transaction transaction(db_);
    if (!transaction.Open() || !Exec(db_, "CREATE TEMP TABLE IF NOT EXISTS kept_roots(path TEXT PRIMARY KEY)") ||
        !Exec(db_, "DELETE FROM kept_roots"))
        return Fail(Wording{"LibraryStore", QT_TRANSLATE_NOOP("LibraryStore", "the folders cannot be updated"), {}});
    Statement keep(db_, "INSERT OR IGNORE INTO kept_roots(path) VALUES(?)");
    for (const QString &root : roots)
        keep.Bind(1, root).Run();
    return (Exec(db_, "DELETE FROM files WHERE root NOT IN (SELECT path FROM kept_roots)") && transaction.Commit()) ||
           Fail(Wording{"LibraryStore", QT_TRANSLATE_NOOP("LibraryStore", "the folders cannot be updated"), {}});
}

QHash<QByteArray, FileStamp> LibraryStore::Known(const QString &root)
{
    QHash<QByteArray, FileStamp> known;
    // Read straight through the table: through the index on the root each
    // row would be one more lookup.
    Statement count(db_, "SELECT count(*) FROM files NOT INDEXED WHERE root = ?");
    if (count.Bind(1, root).Step() == SQLITE_ROW)
        known.reserve(static_cast<qsizetype>(count.Int(0)));
    Statement rows(db_, "SELECT path, device, inode, size, mtime FROM files NOT INDEXED WHERE root = ?");
    rows.Bind(1, root);
    while (rows.Ready() && rows.Step() == SQLITE_ROW)
        known.insert(rows.Bytes(0), FileStamp{rows.Int(1), rows.Int(2), rows.Int(3), rows.Int(4)});
    return known;
}

bool LibraryStore::Apply(const QString &root, const LibraryBatch &batch)
{
    Transaction transaction(db_);
    Statement forget(db_, "DELETE FROM files WHERE root = ? AND path = ?");
    Statement insert(db_, "INSERT OR REPLACE INTO files(root, path, entry, device, inode, size, mtime, rom_size, crc32, "
                          "sha1, header) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    bool stored = transaction.Open() && forget.Ready() && insert.Ready();
    for (const auto *paths : {&batch.replaced, &batch.vanished})
        for (const QByteArray &relative : *paths)
            stored = stored && forget.Bind(1, root).Bind(2, relative).Run();
    for (const ScannedRom &rom : batch.roms) {
        stored = stored && insert.Bind(1, root)
                               .Bind(2, rom.relative)
                               .Bind(3, rom.entry.data(), rom.entry.size())
                               .Bind(4, rom.stamp.device)
                               .Bind(5, rom.stamp.inode)
                               .Bind(6, rom.stamp.size)
                               .Bind(7, rom.stamp.mtimeNs)
                               .Bind(8, rom.romSize)
                               .Bind(9, static_cast<qint64>(rom.crc32))
                               .Bind(10, rom.sha1)
                               .Bind(11, rom.header.data(), rom.header.size())
                               .Run();
    }
    return (stored && transaction.Commit()) || Fail(Wording{"LibraryStore", QT_TRANSLATE_NOOP("LibraryStore", "what was read under %1 cannot be stored"), {root.toStdString()}});
}

std::vector<LibraryRecord> LibraryStore::Records()
{
    std::vector<LibraryRecord> records;
    const DatIndex &index = Dats();
    Statement rows(db_, "SELECT f.root, f.path, f.entry, f.rom_size, f.sha1, f.crc32, f.header, "
                        "COALESCE(h.favourite, 0), COALESCE(h.last_played, 0), COALESCE(h.play_seconds, 0), "
                        "COALESCE(h.launches, 0) "
                        "FROM files f LEFT JOIN history h ON h.sha1 = f.sha1 ORDER BY f.root, f.path, f.entry");
    while (rows.Ready() && rows.Step() == SQLITE_ROW) {
        LibraryRecord record;
        record.root = rows.Text(0);
        const QString relative = DecodeFileName(rows.Bytes(1));
        record.path = record.root.endsWith(QLatin1Char('/')) ? record.root + relative
                                                              : record.root + QLatin1Char('/') + relative;
        const QByteArray entry = rows.Bytes(2);
        record.entry = entry.toStdString();
        record.file = entry.isEmpty() ? relative : relative + QStringLiteral(": ") + DecodeFileName(entry);
        record.size = rows.Int(3);
        record.sha1 = rows.Bytes(4);
        record.crc32 = static_cast<quint32>(rows.Int(5));
        const QByteArray header = rows.Bytes(6);
        record.header.assign(header.begin(), header.end());
        record.favourite = rows.Int(7) != 0;
        record.lastPlayedMs = rows.Int(8);
        record.playSeconds = rows.Int(9);
        record.launches = static_cast<int>(rows.Int(10));
        record.headerDamaged = CheckHeader(record.header).Damaged();
        const DumpMatch match = index.Match(record.size, record.crc32, record.sha1.toStdString());
        record.check = match.check;
        if (match.rom) {
            record.datGame = QString::fromStdString(match.rom->game);
            record.datName = QString::fromStdString(match.rom->dat);
            record.cloneOf = QString::fromStdString(match.rom->cloneOf);
        }
        records.push_back(std::move(record));
    }
    return records;
}

bool LibraryStore::SetFavourite(const QByteArray &sha1, bool on)
{
    Statement set(db_, "INSERT INTO history(sha1, favourite) VALUES(?, ?) "
                       "ON CONFLICT(sha1) DO UPDATE SET favourite = excluded.favourite");
    return set.Bind(1, sha1).Bind(2, on ? 1 : 0).Run() || Fail(Wording{"LibraryStore", QT_TRANSLATE_NOOP("LibraryStore", "the favourite cannot be stored"), {}});
}

qint64 LibraryStore::RecordStart(const QByteArray &sha1, qint64 startedMs)
{
    Transaction transaction(db_);
    Statement play(db_, "INSERT INTO plays(sha1, started, seconds) VALUES(?, ?, NULL)");
    Statement history(db_, "INSERT INTO history(sha1, launches, last_played) VALUES(?, 1, ?) "
                           "ON CONFLICT(sha1) DO UPDATE SET launches = launches + 1, last_played = excluded.last_played");
    if (transaction.Open() && play.Bind(1, sha1).Bind(2, startedMs).Run()) {
        const qint64 id = Sqlite().last_insert_rowid(db_);
        if (history.Bind(1, sha1).Bind(2, startedMs).Run() && transaction.Commit())
            return id;
    }
    Fail(Wording{"LibraryStore", QT_TRANSLATE_NOOP("LibraryStore", "the start of a game cannot be stored"), {}});
    return -1;
}

bool LibraryStore::RecordEnd(qint64 play, qint64 seconds)
{
    Transaction transaction(db_);
    Statement end(db_, "UPDATE plays SET seconds = ? WHERE id = ? AND seconds IS NULL");
    Statement history(db_, "UPDATE history SET play_seconds = play_seconds + ? "
                           "WHERE sha1 = (SELECT sha1 FROM plays WHERE id = ? AND seconds IS NULL)");
    return (transaction.Open() && history.Bind(1, seconds).Bind(2, play).Run() && end.Bind(1, seconds).Bind(2, play).Run() &&
            transaction.Commit()) ||
           Fail(Wording{"LibraryStore", QT_TRANSLATE_NOOP("LibraryStore", "the play time cannot be stored"), {}});
}

bool LibraryStore::ImportDat(const DatFile &dat, bool *replaced)
{
    return (BeginDatImport() && AddDatRoms(dat.roms) && EndDat(dat, replaced) && CommitDatImport()) ||
           Fail(Wording{"LibraryStore", QT_TRANSLATE_NOOP("LibraryStore", "the DAT file %1 cannot be stored"), {dat.name.toStdString()}});
}

bool LibraryStore::BeginDatImport()
{
    importing_.reset();
    dats_.reset();
    importing_ = std::make_unique<DatImporting>(db_);
    // The ROMs go in without their index, which is built once at the commit:
    // cheaper than keeping it up to date row by row. Both happen inside the
    // transaction, so an import given up leaves the index as it was.
    if (!importing_->transaction.Open() || !importing_->add.Ready() || !importing_->rom.Ready() ||
        !Exec(db_, "DROP INDEX dat_roms_by_dat")) {
        Fail(Wording{"LibraryStore", QT_TRANSLATE_NOOP("LibraryStore", "the DAT files cannot be stored"), {}});
        importing_.reset();
        return false;
    }
    return true;
}

bool LibraryStore::AddDatRoms(const std::vector<DatRom> &roms)
{
    if (!importing_)
        return false;
    DatImporting &importing = *importing_;
    bool stored = true;
    if (importing.dat < 0) {
        stored = importing.add.Bind(1, QStringLiteral("\u0001 being imported %1").arg(++importing.dats)).Run();
        importing.dat = stored ? Sqlite().last_insert_rowid(db_) : -1;
    }
    for (const DatRom &entry : roms) {
        if (!stored)
            break;
        stored = importing.rom.Bind(1, importing.dat)
                     .BindKeptText(2, entry.game)
                     .BindKeptText(3, entry.cloneOf)
                     .Bind(4, entry.size)
                     .Bind(5, static_cast<qint64>(entry.crc32))
                     .BindKept(6, entry.sha1)
                     .Bind(7, entry.badDump ? 1 : 0)
                     .Run();
    }
    if (!stored) {
        Fail(Wording{"LibraryStore", QT_TRANSLATE_NOOP("LibraryStore", "the DAT files cannot be stored"), {}});
        importing_.reset();
    }
    return stored;
}

bool LibraryStore::EndDat(const DatFile &dat, bool *replaced)
{
    *replaced = false;
    if (!importing_ || (importing_->dat < 0 && !AddDatRoms({})))
        return false;
    const qint64 id = std::exchange(importing_->dat, -1);
    bool stored = true;
    {
        Statement old(db_, "SELECT id FROM dats WHERE name = ?");
        stored = old.Ready();
        if (stored && old.Bind(1, dat.name).Step() == SQLITE_ROW) {
            const qint64 older = old.Int(0);
            *replaced = true;
            Statement forgetRoms(db_, "DELETE FROM dat_roms WHERE dat = ?");
            Statement forget(db_, "DELETE FROM dats WHERE id = ?");
            stored = forgetRoms.Bind(1, older).Run() && forget.Bind(1, older).Run();
        }
    }
    Statement name(db_, "UPDATE dats SET name = ?, version = ?, games = ?, imported = ? WHERE id = ?");
    stored = stored && name.Bind(1, dat.name)
                           .Bind(2, dat.version)
                           .Bind(3, dat.games)
                           .Bind(4, QDateTime::currentMSecsSinceEpoch())
                           .Bind(5, id)
                           .Run();
    if (!stored) {
        Fail(Wording{"LibraryStore", QT_TRANSLATE_NOOP("LibraryStore", "the DAT file %1 cannot be stored"), {dat.name.toStdString()}});
        importing_.reset();
    }
    return stored;
}

bool LibraryStore::CommitDatImport()
{
    if (!importing_)
        return false;
    const bool stored = Exec(db_, "CREATE INDEX dat_roms_by_dat ON dat_roms(dat)") && importing_->transaction.Commit();
    if (!stored)
        Fail(Wording{"LibraryStore", QT_TRANSLATE_NOOP("LibraryStore", "the DAT files cannot be stored"), {}});
    importing_.reset();
    dats_.reset();
    return stored;
}

void LibraryStore::AbandonDatImport()
{
    importing_.reset();
}

const DatIndex &LibraryStore::Dats()
{
    if (dats_)
        return *dats_;
    std::vector<DatRom> roms;
    Statement rows(db_, (std::string(kDatRomColumns) + "ORDER BY d.id, r.rowid").c_str());
    while (db_ && rows.Ready() && rows.Step() == SQLITE_ROW)
        roms.push_back(DatRomAt(rows));
    dats_ = std::make_unique<DatIndex>(std::move(roms));
    return *dats_;
}

std::optional<LibraryStore::DumpFacts> LibraryStore::LookUpDump(const QString &path, qint64 size, quint32 crc32,
                                                                const QByteArray &sha1)
{
    const QByteArray file = EncodeFileName(path);
    struct stat info = {};
    if (lstat(file.constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    sqlite3 *db = nullptr;
    std::optional<DumpFacts> facts;
    if (Sqlite().why.empty() &&
        Sqlite().open_v2(file.constData(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOFOLLOW | SQLITE_OPEN_NOMUTEX,
                         nullptr) == SQLITE_OK) {
        Statement dats(db, "SELECT count(*) FROM dats");
        Statement rows(db, (std::string(kDatRomColumns) + "WHERE r.crc32 = ? ORDER BY d.id, r.rowid").c_str());
        // No DAT imported (or an older schema, or a launcher holding the
        // file now): nothing to say.
        if (dats.Ready() && dats.Step() == SQLITE_ROW && dats.Int(0) > 0 && rows.Ready()) {
            std::vector<DatRom> candidates;
            rows.Bind(1, static_cast<qint64>(crc32));
            int step = SQLITE_ROW;
            while ((step = rows.Step()) == SQLITE_ROW)
                candidates.push_back(DatRomAt(rows));
            if (step == SQLITE_DONE) {
                const DatIndex index(std::move(candidates));
                const DumpMatch match = index.Match(size, crc32, sha1.toStdString());
                facts = DumpFacts{match.check, match.rom ? QString::fromStdString(match.rom->game) : QString(),
                                  match.rom ? QString::fromStdString(match.rom->dat) : QString()};
            }
        }
    }
    if (db)
        Sqlite().close_v2(db);
    return facts;
}
