#include "TestFiles.h"
#include "TestMain.h"

#include "platform/FileReplace.h"
#include "platform/FolderReader.h"
#include "platform/RomCache.h"

#include <QProcess>

#include <set>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// Who stands for another user where root can make files of theirs.
constexpr uid_t kOtherUser = 65534;

std::string Bytes(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

QString Path(const std::string &bytes)
{
    return QFile::decodeName(QByteArray::fromStdString(bytes));
}

QByteArray Contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList Names(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// Rows that need a file of another user's: root makes one, anyone else skips.
bool NeedsOtherUser(const QString &kind)
{
    return kind.contains(u"another user"_s) && geteuid() != 0;
}

bool GiveAway(const QString &path)
{
    return lchown(QFile::encodeName(path).constData(), kOtherUser, kOtherUser) == 0;
}

} // namespace

class TestCache : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void folderReader();
    void replaceFile_data();
    void replaceFile();
    void cacheFolder_data();
    void cacheFolder();
    void romInSlot_data();
    void romInSlot();
    void trimRemovesOnlyOurs_data();
    void trimRemovesOnlyOurs();
    void failedUnpackLeavesNoSlot();

private:
    std::string Archive(const QString &name) const { return Bytes(archives_.filePath(name)); }

    QTemporaryDir archives_;
};

void TestCache::initTestCase()
{
    QProcess maker;
    maker.start(u"python3"_s, {QStringLiteral(VEXA_MAKE_ARCHIVE), u"one"_s, archives_.filePath(u"one.zip"_s),
                               u"several"_s, archives_.filePath(u"several.zip"_s), u"corrupt"_s,
                               archives_.filePath(u"corrupt.zip"_s)});
    QVERIFY(maker.waitForFinished(120000));
    QCOMPARE(maker.exitCode(), 0);
}

// Every name but "." and "..", names starting with dots included.
void TestCache::folderReader()
{
    QTemporaryDir dir;
    for (const QString &name : {u"a"_s, u".b"_s, u"..c"_s, u"..."_s})
        QVERIFY(WriteBytes(dir.filePath(name), "x"));
    FolderReader folder(AT_FDCWD, QFile::encodeName(dir.path()).constData());
    QVERIFY(folder.IsOpen());
    std::set<std::string> names;
    while (const dirent *entry = folder.Next())
        names.insert(entry->d_name);
    QCOMPARE(names, (std::set<std::string>{"a", ".b", "..c", "..."}));
    QCOMPARE(FolderReader(AT_FDCWD, "/nonexistent-folder").Error(), ENOENT);
}

// A file replaced whole or not at all, with the mode asked for whatever the
// umask, never written through a link at its name.
void TestCache::replaceFile_data()
{
    QTest::addColumn<QString>("before"); // what is at the name: "file", "link" to a file beside
    QTest::addColumn<uint>("mode");
    QTest::addColumn<bool>("writes");
    QTest::addColumn<uint>("modeAfter");
    QTest::newRow("a private file") << "file" << 0600u << true << 0600u;
    QTest::newRow("the umask's mode") << "file" << 0u << true << 0404u;
    QTest::newRow("over a link") << "link" << 0600u << true << 0600u;
    QTest::newRow("the write fails: the old file stays") << "file" << 0600u << false << 0644u;
}

void TestCache::replaceFile()
{
    QFETCH(QString, before);
    QFETCH(uint, mode);
    QFETCH(bool, writes);
    QFETCH(uint, modeAfter);
    QTemporaryDir dir;
    const QString name = dir.filePath(u"name"_s);
    const QString other = dir.filePath(u"other"_s);
    QVERIFY(WriteBytes(other, "other"));
    QVERIFY(before == u"link"_s ? MakeLink(other, name) : WriteBytes(name, "old"));
    const int folder = open(QFile::encodeName(dir.path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    QVERIFY(folder >= 0);
    const mode_t mask = umask(0273);
    const int error = ReplaceFileAt(folder, "name", mode, true, [writes](int fd) {
        return writes && write(fd, "new", 3) == 3 ? 0 : ENOSPC;
    });
    umask(mask);
    close(folder);
    QCOMPARE(error, writes ? 0 : ENOSPC);
    QCOMPARE(Contents(name), QByteArray(writes ? "new" : "old"));
    QCOMPARE(Contents(other), QByteArray("other"));
    QCOMPARE(QFileInfo(name).isSymLink(), false);
    struct stat info = {};
    QCOMPARE(lstat(QFile::encodeName(name).constData(), &info), 0);
    QCOMPARE(info.st_mode & 07777, modeAfter);
    QCOMPARE(Names(dir.path()), (QStringList{u"name"_s, u"other"_s}));
}

// What stands at $XDG_CACHE_HOME/vexa before the cache is used; %c is the
// folder holding it.
void TestCache::cacheFolder_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("refusal"); // empty: used
    QTest::newRow("nothing") << "nothing" << "";
    QTest::newRow("the user's, open to all") << "open" << "";
    QTest::newRow("the user's, read-only") << "narrow" << "";
    QTest::newRow("a link to the user's documents") << "link" << "%c/vexa is a symbolic link";
    QTest::newRow("a file") << "file" << "%c/vexa is not a folder";
    QTest::newRow("held by a folder open to all") << "holder open" << "other users can replace %c/vexa";
    QTest::newRow("held by a folder open to all, sticky") << "holder sticky" << "";
    QTest::newRow("another user's folder") << "another user" << "%c/vexa belongs to another user";
}

void TestCache::cacheFolder()
{
    QFETCH(QString, kind);
    QFETCH(QString, refusal);
    if (NeedsOtherUser(kind))
        QSKIP("only root can make another user's folder");
    QTemporaryDir dir;
    const QString holder = dir.filePath(u"cache"_s);
    const QString folder = holder + u"/vexa"_s;
    const QString documents = dir.filePath(u"Documents"_s);
    QVERIFY(QDir().mkpath(holder) && QDir().mkpath(documents));
    QVERIFY(WriteBytes(documents + u"/thesis.txt"_s, "the user's"));
    const QByteArray at = QFile::encodeName(folder);
    if (kind == u"open"_s || kind == u"narrow"_s || kind == u"another user"_s) {
        QCOMPARE(mkdir(at.constData(), 0700), 0);
        QCOMPARE(chmod(at.constData(), kind == u"open"_s ? 0777 : kind == u"narrow"_s ? 0500 : 0700), 0);
        if (kind == u"another user"_s)
            QVERIFY(GiveAway(folder));
    } else if (kind == u"link"_s) {
        QVERIFY(MakeLink(documents, folder));
    } else if (kind == u"file"_s) {
        QVERIFY(WriteBytes(folder, "x"));
    } else if (kind.startsWith(u"holder"_s)) {
        QCOMPARE(chmod(QFile::encodeName(holder).constData(), kind == u"holder open"_s ? 0777 : 01777), 0);
    }
    std::string why;
    const std::string rom = RomCache(Bytes(folder + u'/')).Unpack(Archive(u"one.zip"_s), "Tetris (World).gb", &why);
    QCOMPARE(Names(documents), QStringList{u"thesis.txt"_s});
    if (!refusal.isEmpty()) {
        QCOMPARE(rom, std::string());
        QVERIFY2(Path(why).contains(refusal.replace(u"%c"_s, holder)), why.c_str());
        return;
    }
    QVERIFY2(!rom.empty(), why.c_str());
    struct stat info = {};
    QCOMPARE(lstat(at.constData(), &info), 0);
    QVERIFY(S_ISDIR(info.st_mode));
    QCOMPARE(info.st_uid, geteuid());
    QCOMPARE(info.st_mode & 07777, 0700u);
}

// What became of the ROM in its slot before it is asked for again.
void TestCache::romInSlot_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("reused");
    QTest::newRow("as the cache wrote it") << "untouched" << true;
    QTest::newRow("open to others") << "mode 0644" << false;
    QTest::newRow("shorter") << "shorter" << false;
    QTest::newRow("its size note gone") << "no note" << false;
    QTest::newRow("a link to a file of the user's") << "link" << false;
    QTest::newRow("a FIFO") << "fifo" << false;
    QTest::newRow("another user's file") << "another user" << false;
}

void TestCache::romInSlot()
{
    QFETCH(QString, kind);
    QFETCH(bool, reused);
    if (NeedsOtherUser(kind))
        QSKIP("only root can make another user's file");
    QTemporaryDir dir;
    const RomCache cache(Bytes(dir.filePath(u"vexa/"_s)));
    const std::string archive = Archive(u"one.zip"_s);
    std::string why;
    const QString rom = Path(cache.Unpack(archive, "Tetris (World).gb", &why));
    QVERIFY2(!rom.isEmpty(), why.c_str());
    const QByteArray unpacked = Contents(rom);
    QCOMPARE(unpacked.size(), 32768);
    const QByteArray at = QFile::encodeName(rom);
    const QString outside = dir.filePath(u"thesis.txt"_s);
    QVERIFY(WriteBytes(outside, "the user's"));
    if (kind == u"mode 0644"_s) {
        QCOMPARE(chmod(at.constData(), 0644), 0);
    } else if (kind == u"shorter"_s) {
        QCOMPARE(truncate(at.constData(), 100), 0);
    } else if (kind == u"no note"_s) {
        QVERIFY(QFile::remove(QFileInfo(rom).path() + u"/.size"_s));
    } else if (kind == u"link"_s || kind == u"fifo"_s) {
        QVERIFY(QFile::remove(rom));
        QVERIFY(kind == u"link"_s ? MakeLink(outside, rom) : mkfifo(at.constData(), 0600) == 0);
    } else if (kind == u"another user"_s) {
        QVERIFY(GiveAway(rom));
    }
    struct stat before = {};
    QCOMPARE(lstat(at.constData(), &before), 0);
    QCOMPARE(Path(cache.Unpack(archive, "Tetris (World).gb", &why)), rom);
    struct stat after = {};
    QCOMPARE(lstat(at.constData(), &after), 0);
    QCOMPARE(after.st_ino == before.st_ino, reused);
    QVERIFY(S_ISREG(after.st_mode));
    QCOMPARE(after.st_uid, geteuid());
    QCOMPARE(after.st_mode & 07777, 0600u);
    QCOMPARE(Contents(rom), unpacked);
    QCOMPARE(Contents(outside), QByteArray("the user's"));
}

// What another user (or a mistake) left in the cache folder when it is
// trimmed: none of it goes, nothing is removed through it.
void TestCache::trimRemovesOnlyOurs_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("a slot that is a link to the user's documents") << "slot link";
    QTest::newRow("a link in a slot") << "link in slot";
    QTest::newRow("a file open to others in a slot") << "open file";
    QTest::newRow("another user's slot") << "another user";
}

void TestCache::trimRemovesOnlyOurs()
{
    QFETCH(QString, kind);
    if (NeedsOtherUser(kind))
        QSKIP("only root can make another user's slot");
    QTemporaryDir dir;
    const QString folder = dir.filePath(u"vexa"_s);
    const QString documents = dir.filePath(u"Documents"_s);
    QVERIFY(QDir().mkpath(documents));
    QVERIFY(WriteBytes(documents + u"/thesis.txt"_s, "the user's"));
    // As private as the files the cache writes.
    QCOMPARE(chmod(QFile::encodeName(documents + u"/thesis.txt"_s).constData(), 0600), 0);
    // Less room than one ROM of 32 KB: every slot but the one starting goes.
    const RomCache cache(Bytes(folder + u'/'), 20000);
    std::string why;
    const QString first = Path(cache.Unpack(Archive(u"one.zip"_s), "Tetris (World).gb", &why));
    QVERIFY2(!first.isEmpty(), why.c_str());
    const QString slot = folder + u'/' + QString(32, u'a');
    if (kind == u"slot link"_s) {
        QVERIFY(MakeLink(documents, slot));
    } else {
        QVERIFY(QDir().mkpath(slot));
        if (kind == u"link in slot"_s) {
            QVERIFY(MakeLink(documents + u"/thesis.txt"_s, slot + u"/x.gb"_s));
        } else {
            QVERIFY(WriteBytes(slot + u"/x.gb"_s, "planted"));
            QCOMPARE(chmod(QFile::encodeName(slot + u"/x.gb"_s).constData(), kind == u"open file"_s ? 0644 : 0600), 0);
            if (kind == u"another user"_s)
                QVERIFY(GiveAway(slot + u"/x.gb"_s) && GiveAway(slot));
        }
    }
    const QStringList planted = kind == u"slot link"_s ? QStringList() : Names(slot);
    QVERIFY2(!cache.Unpack(Archive(u"several.zip"_s), "First.gb", &why).empty(), why.c_str());
    QVERIFY(!QFileInfo::exists(first)); // trimmed
    QCOMPARE(Names(documents), QStringList{u"thesis.txt"_s});
    QVERIFY(QFileInfo(slot).isSymLink() == (kind == u"slot link"_s));
    if (kind != u"slot link"_s)
        QCOMPARE(Names(slot), planted);
}

// An entry that cannot be unpacked leaves nothing in the cache, no slot either.
void TestCache::failedUnpackLeavesNoSlot()
{
    QTemporaryDir dir;
    std::string why;
    QCOMPARE(RomCache(Bytes(dir.filePath(u"vexa/"_s))).Unpack(Archive(u"corrupt.zip"_s), "Corrupt.gb", &why),
             std::string());
    QVERIFY(!why.empty());
    QCOMPARE(Names(dir.filePath(u"vexa"_s)), QStringList());
}

VEXA_TEST_MAIN(TestCache)
#include "test_cache.moc"
