// The library's store against real SQLite files in temporary folders, the
// reading of roots into it, and the Library the windows use.
#include "TestFiles.h"
#include "TestMain.h"

#include "core/FilePattern.h"
#include "platform/Library.h"
#include "platform/LibraryScan.h"
#include "platform/LibraryStore.h"
#include "platform/SqliteLibrary.h"

#include <QProcess>
#include <QSignalSpy>

#include <atomic>
#include <chrono>

namespace {

const FilePattern kPattern("*.gb; *.gbc");

// A ROM whose bytes tell it from another by its seed.
QByteArray Rom(char seed)
{
    QByteArray bytes = RomBytes(32768, 0x80, 0x03, 0x00, 0x01);
    bytes.replace(0x134, 6, QByteArray("GAME ") + seed);
    bytes[0x200] = seed;
    return bytes;
}

bool Zip(const QString &path, const QString &entry, const QByteArray &bytes)
{
    QProcess python;
    python.start(QStringLiteral("python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import sys, zipfile\n"
                                 "with zipfile.ZipFile(sys.argv[1], 'w', zipfile.ZIP_DEFLATED) as z:\n"
                                 "    z.writestr(sys.argv[2], sys.stdin.buffer.read())\n"),
                  path, entry});
    python.write(bytes);
    python.closeWriteChannel();
    return python.waitForFinished(30000) && python.exitCode() == 0;
}

// Runs one statement on the file as another program would; the first column
// of its first row, or "error: ..." .
QString Query(const QString &path, const char *sql)
{
    sqlite3 *db = nullptr;
    QString answer;
    if (Sqlite().open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        sqlite3_stmt *statement = nullptr;
        if (Sqlite().prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK) {
            const int step = Sqlite().step(statement);
            if (step == SQLITE_ROW && Sqlite().column_type(statement, 0) == SQLITE_NULL)
                answer = QStringLiteral("NULL");
            else if (step == SQLITE_ROW)
                answer = QString::fromUtf8(reinterpret_cast<const char *>(Sqlite().column_text(statement, 0)));
            else if (step != SQLITE_DONE)
                answer = QStringLiteral("error: ") + QString::fromUtf8(Sqlite().errmsg(db));
        } else {
            answer = QStringLiteral("error: ") + QString::fromUtf8(Sqlite().errmsg(db));
        }
        Sqlite().finalize(statement);
    } else {
        answer = QStringLiteral("error: cannot open");
    }
    Sqlite().close_v2(db);
    return answer;
}

QString QuickCheck(const QString &path)
{
    return Query(path, "PRAGMA quick_check");
}

// Counts the files read, and can hold the reads under one folder like a
// share that stopped answering, until released.
class TestReader : public LibraryReader
{
public:
    bool ReadFile(const QByteArray &path, std::vector<std::uint8_t> &bytes, std::string *why) override
    {
        Hold(path);
        ++reads;
        return LibraryReader::ReadFile(path, bytes, why);
    }
    bool ReadArchive(const QByteArray &path, const FilePattern &pattern, const Visit &visit, std::string *why) override
    {
        Hold(path);
        ++reads;
        return LibraryReader::ReadArchive(path, pattern, visit, why);
    }
    void Release()
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        released_ = true;
        wake_.notify_all();
    }

    std::atomic<int> reads{0};
    QByteArray hang; // reads below this folder wait for Release

private:
    void Hold(const QByteArray &path)
    {
        if (hang.isEmpty() || !path.startsWith(hang))
            return;
        std::unique_lock<std::mutex> lock(mutex_);
        wake_.wait_for(lock, std::chrono::seconds(20), [this] { return released_; });
    }
    std::mutex mutex_;
    std::condition_variable wake_;
    bool released_ = false;
};

// Reads a root into the store on this thread.
QString ScanInto(LibraryStore &store, const QString &root, LibraryReader &reader)
{
    ScanSink sink;
    sink.listed = [](int) {};
    sink.progress = [](int) {};
    sink.store = [&](LibraryBatch &&batch) { QVERIFY(store.Apply(root, batch)); };
    return ScanRoot(root, kPattern, [&] { return store.Known(root); }, reader, sink).english;
}

std::vector<LibraryRecord> WithSha1(const std::vector<LibraryRecord> &records, const QByteArray &sha1)
{
    std::vector<LibraryRecord> found;
    std::copy_if(records.begin(), records.end(), std::back_inserter(found),
                 [&](const LibraryRecord &record) { return record.sha1 == sha1; });
    return found;
}

} // namespace

class TestLibraryStore : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString Database() const { return dir_.path() + QStringLiteral("/data/library.sqlite"); }
    QString Folder(const QString &name) const
    {
        const QString path = dir_.path() + QLatin1Char('/') + name;
        QDir().mkpath(path);
        return path;
    }

private slots:
    void cleanup()
    {
        RemoveTree(dir_.path());
        QDir().mkpath(dir_.path());
    }

    // The history belongs to the content: it follows the ROM wherever its
    // bytes go, and two copies share one.
    void historyFollowsContent_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("rows");
        QTest::newRow("renamed") << "renamed" << 1;
        QTest::newRow("zipped again") << "zipped" << 1;
        QTest::newRow("moved to another root") << "moved" << 1;
        QTest::newRow("copied to another root") << "copied" << 2;
    }
    void historyFollowsContent()
    {
        QFETCH(QString, change);
        QFETCH(int, rows);
        const QString first = Folder(QStringLiteral("first"));
        const QString second = Folder(QStringLiteral("second"));
        QDir().mkpath(first + QStringLiteral("/deep/er"));
        QVERIFY(WriteBytes(first + QStringLiteral("/deep/er/Game.gb"), Rom('a')));
        QVERIFY(WriteBytes(first + QStringLiteral("/Other.gbc"), Rom('b')));
        TestReader reader;
        {
            LibraryStore store(Database());
            QVERIFY2(store.Open(), qPrintable(store.Problem()));
            QCOMPARE(ScanInto(store, first, reader), QString());
            std::vector<LibraryRecord> before = store.Records();
            QCOMPARE(before.size(), std::size_t(2));
            if (before.at(0).file != QLatin1String("deep/er/Game.gb"))
                std::swap(before.at(0), before.at(1));
            const LibraryRecord &game = before.at(0);
            QCOMPARE(game.file, QStringLiteral("deep/er/Game.gb"));
            QCOMPARE(game.path, first + QStringLiteral("/deep/er/Game.gb"));
            QVERIFY(store.SetFavourite(game.sha1, true));
            QVERIFY(store.RecordEnd(store.RecordStart(game.sha1, 1000), 90));

            const QString old = first + QStringLiteral("/deep/er/Game.gb");
            if (change == QLatin1String("renamed")) {
                QVERIFY(QFile::rename(old, first + QStringLiteral("/deep/Renamed.gb")));
            } else if (change == QLatin1String("zipped")) {
                QVERIFY(Zip(first + QStringLiteral("/Game.zip"), QStringLiteral("Inner name.gb"), Rom('a')));
                QVERIFY(QFile::remove(old));
            } else if (change == QLatin1String("moved")) {
                QVERIFY(QFile::rename(old, second + QStringLiteral("/Game.gb")));
            } else {
                QVERIFY(QFile::copy(old, second + QStringLiteral("/Copy.gb")));
            }
            QCOMPARE(ScanInto(store, first, reader), QString());
            QCOMPARE(ScanInto(store, second, reader), QString());
            const std::vector<LibraryRecord> after = WithSha1(store.Records(), game.sha1);
            QCOMPARE(int(after.size()), rows);
            for (const LibraryRecord &record : after) {
                QVERIFY(record.favourite);
                QCOMPARE(record.launches, 1);
                QCOMPARE(record.playSeconds, qint64(90));
                QCOMPARE(record.lastPlayedMs, qint64(1000));
                QCOMPARE(record.crc32, game.crc32);
                QCOMPARE(record.header, game.header);
            }
            if (change == QLatin1String("zipped"))
                QCOMPARE(after.at(0).file, QStringLiteral("Game.zip: Inner name.gb"));
            // The other ROM has a history of its own.
            QCOMPARE(store.Records().size(), std::size_t(rows + 1));
            QVERIFY(!WithSha1(store.Records(), before.at(1).sha1).at(0).favourite);
        }
        QCOMPARE(QuickCheck(Database()), QStringLiteral("ok"));
    }

    // A file whose device, inode, size and time are those stored is not read again.
    void unchangedFilesAreNotRead()
    {
        const QString root = Folder(QStringLiteral("roms"));
        QVERIFY(WriteBytes(root + QStringLiteral("/a.gb"), Rom('a')));
        QVERIFY(WriteBytes(root + QStringLiteral("/b.gb"), Rom('b')));
        QVERIFY(Zip(root + QStringLiteral("/c.zip"), QStringLiteral("c.gb"), Rom('c')));
        TestReader reader;
        {
            LibraryStore store(Database());
            QVERIFY(store.Open());
            QCOMPARE(ScanInto(store, root, reader), QString());
            QCOMPARE(reader.reads.load(), 3);
            QCOMPARE(ScanInto(store, root, reader), QString());
            QCOMPARE(reader.reads.load(), 3);
            // A new time is a new reading, of that file only.
            const QByteArray b = QFile::encodeName(root + QStringLiteral("/b.gb"));
            const struct timespec times[2] = {{1000, 0}, {1000, 0}};
            QCOMPARE(utimensat(AT_FDCWD, b.constData(), times, 0), 0);
            QCOMPARE(ScanInto(store, root, reader), QString());
            QCOMPARE(reader.reads.load(), 4);
            QCOMPARE(store.Records().size(), std::size_t(3));
            // A file gone is gone from the list.
            QVERIFY(QFile::remove(root + QStringLiteral("/a.gb")));
            QCOMPARE(ScanInto(store, root, reader), QString());
            QCOMPARE(store.Records().size(), std::size_t(2));
        }
        QCOMPARE(QuickCheck(Database()), QStringLiteral("ok"));
    }

    // A damaged file is moved aside as it is, and a new one made.
    void damagedDatabaseIsMovedAside()
    {
        QDir().mkpath(dir_.path() + QStringLiteral("/data"));
        const QByteArray garbage = QByteArray("SQLite format 3").append(4096 * 2, '\x5a');
        QVERIFY(WriteBytes(Database(), garbage));
        {
            LibraryStore store(Database());
            QVERIFY(store.Open());
            QVERIFY2(store.Problem().contains(QLatin1String("damaged")), qPrintable(store.Problem()));
            const QStringList aside = QDir(dir_.path() + QStringLiteral("/data"))
                                          .entryList({QStringLiteral("library.sqlite.corrupt-*")}, QDir::Files);
            QCOMPARE(aside.size(), 1);
            QFile kept(dir_.path() + QStringLiteral("/data/") + aside.at(0));
            QVERIFY(kept.open(QIODevice::ReadOnly));
            QCOMPARE(kept.readAll(), garbage);
            QVERIFY(store.AddRoot(QStringLiteral("/somewhere")));
            QCOMPARE(store.Roots(), QStringList{QStringLiteral("/somewhere")});
        }
        QCOMPARE(QuickCheck(Database()), QStringLiteral("ok"));
    }

    // A database the launcher must not use is told in one line and left as it is.
    void refusedDatabase_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("said");
        QTest::newRow("locked by another launcher") << "locked" << "in use by another launcher";
        QTest::newRow("read-only") << "read-only" << "is read-only";
        QTest::newRow("FIFO") << "fifo" << "is a FIFO";
        QTest::newRow("link") << "link" << "is a link";
    }
    void refusedDatabase()
    {
        QFETCH(QString, kind);
        QFETCH(QString, said);
        const QString real = dir_.path() + QStringLiteral("/real.sqlite");
        {
            LibraryStore made(real);
            QVERIFY(made.Open());
            QVERIFY(made.AddRoot(QStringLiteral("/kept")));
        }
        QDir().mkpath(dir_.path() + QStringLiteral("/data"));
        std::unique_ptr<LibraryStore> holder;
        if (kind == QLatin1String("locked")) {
            QVERIFY(QFile::copy(real, Database()));
            holder = std::make_unique<LibraryStore>(Database());
            QVERIFY(holder->Open());
        } else if (kind == QLatin1String("read-only")) {
            QVERIFY(QFile::copy(real, Database()));
            QVERIFY(QFile::setPermissions(Database(), QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        } else if (kind == QLatin1String("fifo")) {
            QVERIFY(MakeFifo(Database()));
        } else {
            QVERIFY(MakeLink(real, Database()));
        }
        LibraryStore store(Database());
        QVERIFY(!store.Open());
        QVERIFY2(store.Problem().contains(said), qPrintable(store.Problem()));
        QVERIFY(!store.Problem().contains(QLatin1Char('\n')));
        QCOMPARE(QDir(dir_.path() + QStringLiteral("/data")).entryList({QStringLiteral("*corrupt*")}, QDir::AllEntries | QDir::System).size(), 0);
        holder.reset();
        QFile::setPermissions(Database(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        // What was there is there still.
        QCOMPARE(Query(real, "SELECT path FROM roots"), QStringLiteral("/kept"));
        QCOMPARE(QuickCheck(real), QStringLiteral("ok"));
        if (kind == QLatin1String("locked") || kind == QLatin1String("read-only"))
            QCOMPARE(Query(Database(), "SELECT path FROM roots"), QStringLiteral("/kept"));
    }

    // A file of the first schema is brought up to date with its data kept.
    void version1IsMigrated()
    {
        QDir().mkpath(dir_.path() + QStringLiteral("/data"));
        sqlite3 *db = nullptr;
        QCOMPARE(Sqlite().open_v2(QFile::encodeName(Database()).constData(), &db,
                                  SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr),
                 SQLITE_OK);
        const char *version1 = R"sql(
CREATE TABLE roots(path TEXT PRIMARY KEY, added INTEGER NOT NULL);
CREATE TABLE files(id INTEGER PRIMARY KEY, root TEXT NOT NULL, path BLOB NOT NULL, entry BLOB NOT NULL DEFAULT x'',
    device INTEGER NOT NULL, inode INTEGER NOT NULL, size INTEGER NOT NULL, mtime INTEGER NOT NULL,
    rom_size INTEGER NOT NULL, crc32 INTEGER NOT NULL, sha1 BLOB NOT NULL, header BLOB NOT NULL, UNIQUE(root, path, entry));
CREATE TABLE history(sha1 BLOB PRIMARY KEY, favourite INTEGER NOT NULL DEFAULT 0, launches INTEGER NOT NULL DEFAULT 0,
    last_played INTEGER NOT NULL DEFAULT 0, play_seconds INTEGER NOT NULL DEFAULT 0);
INSERT INTO roots VALUES('/roms', 1);
INSERT INTO files(root, path, device, inode, size, mtime, rom_size, crc32, sha1, header)
    VALUES('/roms', CAST('Old.gb' AS BLOB), 1, 2, 32768, 3, 32768, 305419896, x'0102030405060708090a0b0c0d0e0f1011121314', x'00');
INSERT INTO history VALUES(x'0102030405060708090a0b0c0d0e0f1011121314', 1, 7, 5000, 600);
PRAGMA user_version = 1;
)sql";
        QCOMPARE(Sqlite().exec(db, version1, nullptr, nullptr, nullptr), SQLITE_OK);
        Sqlite().close_v2(db);
        const QByteArray sha1 = QByteArray::fromHex("0102030405060708090a0b0c0d0e0f1011121314");
        {
            LibraryStore store(Database());
            QVERIFY2(store.Open(), qPrintable(store.Problem()));
            QCOMPARE(store.Roots(), QStringList{QStringLiteral("/roms")});
            const std::vector<LibraryRecord> records = store.Records();
            QCOMPARE(records.size(), std::size_t(1));
            QCOMPARE(records.at(0).path, QStringLiteral("/roms/Old.gb"));
            QCOMPARE(records.at(0).crc32, quint32(0x12345678));
            QVERIFY(records.at(0).favourite);
            QCOMPARE(records.at(0).launches, 7);
            QCOMPARE(records.at(0).playSeconds, qint64(600));
            // Version 2 keeps every play.
            QVERIFY(store.RecordStart(sha1, 9000) > 0);
            QCOMPARE(store.Records().at(0).launches, 8);
        }
        QCOMPARE(Query(Database(), "PRAGMA user_version"), QStringLiteral("3"));
        // Version 3 keeps the DAT files imported.
        QCOMPARE(Query(Database(), "SELECT count(*) FROM dats"), QStringLiteral("0"));
        QCOMPARE(Query(Database(), "SELECT count(*) FROM plays WHERE seconds IS NULL"), QStringLiteral("1"));
        QCOMPARE(QuickCheck(Database()), QStringLiteral("ok"));
    }

    // Through the Library: a play ended is timed, one whose end the launcher
    // never saw stays recorded with its time unknown.
    void playsAreRecorded_data()
    {
        QTest::addColumn<bool>("ended");
        QTest::addColumn<QString>("seconds");
        QTest::addColumn<qint64>("playSeconds");
        QTest::newRow("ended") << true << "42" << qint64(42);
        QTest::newRow("launcher closed first") << false << "NULL" << qint64(0);
    }
    void playsAreRecorded()
    {
        QFETCH(bool, ended);
        QFETCH(QString, seconds);
        QFETCH(qint64, playSeconds);
        const QString root = Folder(QStringLiteral("roms"));
        QVERIFY(WriteBytes(root + QStringLiteral("/a.gb"), Rom('a')));
        {
            Library library(Database(), root);
            QSignalSpy read(&library, &Library::RecordsRead);
            QSignalSpy problems(&library, &Library::Problem);
            library.Open();
            QVERIFY(WaitFor([&] { return read.size() > 0 && read.last().at(0).value<std::vector<LibraryRecord>>().size() == 1; }));
            const QByteArray sha1 = read.last().at(0).value<std::vector<LibraryRecord>>().at(0).sha1;
            library.SetFavourite(sha1, true);
            const int token = library.RecordStart(sha1);
            if (ended)
                library.RecordEnd(token, 42);
            QVERIFY(library.Flush(5000));
            QVERIFY(WaitFor([&] { return read.last().at(0).value<std::vector<LibraryRecord>>().at(0).launches == 1; }));
            const LibraryRecord record = read.last().at(0).value<std::vector<LibraryRecord>>().at(0);
            QVERIFY(record.favourite);
            QCOMPARE(record.playSeconds, playSeconds);
            QVERIFY(record.lastPlayedMs > 0);
            QCOMPARE(problems.size(), 0);
        }
        QVERIFY(Background::WaitIdle(5000));
        QCOMPARE(Query(Database(), "SELECT seconds FROM plays"), seconds);
        QCOMPARE(QuickCheck(Database()), QStringLiteral("ok"));
    }

    // The ROM folder is the first root; browsing into a folder of the
    // collection keeps the library whole, a folder elsewhere takes the
    // first place, and the folders the user added stay.
    void firstRootFollowsTheRomFolder_data()
    {
        QTest::addColumn<QString>("next");     // the ROM folder at the second start
        QTest::addColumn<QStringList>("roots"); // the roots then, below the test folder
        QTest::newRow("the same folder") << QStringLiteral("roms") << QStringList{QStringLiteral("roms"), QStringLiteral("more")};
        QTest::newRow("a folder inside it") << QStringLiteral("roms/sub") << QStringList{QStringLiteral("roms"), QStringLiteral("more")};
        QTest::newRow("a folder inside an added root") << QStringLiteral("more/deep") << QStringList{QStringLiteral("roms"), QStringLiteral("more")};
        QTest::newRow("a folder whose name begins the same") << QStringLiteral("roms2") << QStringList{QStringLiteral("roms2"), QStringLiteral("more")};
    }
    void firstRootFollowsTheRomFolder()
    {
        QFETCH(QString, next);
        QFETCH(QStringList, roots);
        QVERIFY(WriteBytes(Folder(QStringLiteral("roms/sub")) + QStringLiteral("/a.gb"), Rom('a')));
        QVERIFY(WriteBytes(Folder(QStringLiteral("more/deep")) + QStringLiteral("/b.gb"), Rom('b')));
        QVERIFY(WriteBytes(Folder(QStringLiteral("roms2")) + QStringLiteral("/c.gb"), Rom('c')));
        const auto start = [&](const QString &romFolder, int count, QStringList *seen, const QString &add) {
            Library library(Database(), dir_.path() + QLatin1Char('/') + romFolder);
            QSignalSpy read(&library, &Library::RecordsRead);
            QSignalSpy told(&library, &Library::RootsChanged);
            library.Open();
            QVERIFY(WaitFor([&] { return !told.isEmpty(); }));
            if (!add.isEmpty())
                library.AddRoot(dir_.path() + QLatin1Char('/') + add);
            QVERIFY(WaitFor([&] { return !read.isEmpty() && int(read.last().at(0).value<std::vector<LibraryRecord>>().size()) == count; }));
            QVERIFY(library.Flush(5000));
            for (const QString &root : told.last().at(0).toStringList())
                seen->append(QDir(dir_.path()).relativeFilePath(root));
        };
        QStringList first;
        start(QStringLiteral("roms"), 2, &first, QStringLiteral("more"));
        QCOMPARE(first, QStringList{QStringLiteral("roms")});
        QStringList second;
        start(next, 2, &second, QString());
        QCOMPARE(second, roots);
        QVERIFY(Background::WaitIdle(5000));
    }

    // A root that stops answering is told unreachable; the others are read.
    void hungRootLeavesTheOthers()
    {
        const QString good = Folder(QStringLiteral("good"));
        const QString hung = Folder(QStringLiteral("hung"));
        QVERIFY(WriteBytes(good + QStringLiteral("/a.gb"), Rom('a')));
        QVERIFY(WriteBytes(hung + QStringLiteral("/b.gb"), Rom('b')));
        auto reader = std::make_shared<TestReader>();
        reader->hang = QFile::encodeName(hung);
        {
            Library library(Database(), good);
            library.SetReader(reader);
            library.SetUnreachableAfter(300);
            QSignalSpy read(&library, &Library::RecordsRead);
            QSignalSpy unreachable(&library, &Library::RootUnreachable);
            library.Open();
            QVERIFY(WaitFor([&] { return !read.isEmpty(); }));
            library.AddRoot(hung);
            QVERIFY(WaitFor([&] { return !unreachable.isEmpty(); }));
            QCOMPARE(unreachable.size(), 1);
            QCOMPARE(unreachable.at(0).at(0).toString(), hung);
            const auto records = read.last().at(0).value<std::vector<LibraryRecord>>();
            QCOMPARE(records.size(), std::size_t(1));
            QCOMPARE(records.at(0).root, good);
            // The store still answers.
            library.SetFavourite(records.at(0).sha1, true);
            QVERIFY(library.Flush(5000));
            reader->Release();
            QVERIFY(WaitFor([&] { return read.last().at(0).value<std::vector<LibraryRecord>>().size() == 2; }));
        }
        QVERIFY(Background::WaitIdle(5000));
        QCOMPARE(QuickCheck(Database()), QStringLiteral("ok"));
    }
};

VEXA_TEST_MAIN(TestLibraryStore)
#include "test_library_store.moc"
