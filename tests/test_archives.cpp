#include "TestFiles.h"
#include "TestMain.h"

#include "controls/FileListBox.h"
#include "core/ArchiveEntryName.h"
#include "core/CacheChoice.h"
#include "core/FilePattern.h"
#include "platform/ArchiveReader.h"
#include "platform/RomCache.h"

#include <QFile>
#include <QProcess>
#include <QScopeGuard>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const FilePattern kRoms("*.gb; *.sgb; *cgb; *.gbc");

// Makes archives by tests/helpers/make_archive.py, each a kind and a path.
void MakeArchives(const QStringList &kindsAndPaths)
{
    QProcess maker;
    maker.start(u"python3"_s, QStringList{QStringLiteral(VEXA_MAKE_ARCHIVE)} + kindsAndPaths);
    if (!maker.waitForFinished(120000) || maker.exitCode() != 0)
        qWarning("make_archive: %s", maker.readAllStandardError().constData());
}

QStringList Strings(const std::vector<std::string> &texts)
{
    QStringList list;
    for (const std::string &text : texts)
        list.append(QString::fromStdString(text));
    return list;
}

// What the program writes to its error output while work() runs.
QByteArray ErrorOutput(const std::function<void()> &work)
{
    QTemporaryFile file;
    if (!file.open())
        return {};
    std::fflush(stderr);
    const int saved = dup(2);
    dup2(file.handle(), 2);
    work();
    std::fflush(stderr);
    dup2(saved, 2);
    close(saved);
    file.seek(0);
    return file.readAll();
}

// A list whose folder holds the plain ROM "plain.gb" and these archives, each
// read as reader says.
void ListArchives(FileListBox &list, const QString &folder, const QStringList &archives,
                  std::function<ArchiveRoms(const QString &archive)> reader)
{
    list.SetPattern(u"*.gb"_s);
    list.lister = [archives](const QString &, const FilePattern &, NameList &names) {
        names = NameList();
        for (const QString &archive : archives)
            names.Append(archive.toStdString());
        names.Append("plain.gb");
        return true;
    };
    list.archiveReader = [reader](const QString &path, const FilePattern &) {
        return reader(path.section(u'/', -1));
    };
    list.SetPath(folder);
}

} // namespace

class TestArchives : public QObject
{
    Q_OBJECT

public:
    // The archive made as that file name, from the table in initTestCase.
    std::string Archive(const QString &name) const { return QFile::encodeName(archives_.filePath(name)).toStdString(); }

private slots:
    void initTestCase();
    void listName_data();
    void listName();
    void entryNameRefusal_data();
    void entryNameRefusal();
    void evictions_data();
    void evictions();
    void listing_data();
    void listing();
    void headOfEntry();
    void unpacking_data();
    void unpacking();
    void unpackBounds_data();
    void unpackBounds();
    void cacheReusesAndTrims();
    void folderBounds_data();
    void folderBounds();
    void hungArchivesLeaveListingsBe();

private:
    QTemporaryDir archives_;
};

void TestArchives::initTestCase()
{
    const QStringList kinds{u"one"_s,      u"several"_s, u"none"_s,  u"sevenz"_s,    u"climb"_s,
                            u"absolute"_s, u"drive"_s,   u"backslash"_s, u"link"_s,  u"device"_s,
                            u"large"_s,    u"bomb"_s,    u"encrypted"_s, u"many"_s,  u"truncated"_s,
                            u"corrupt"_s,  u"disguised"_s, u"full"_s,   u"streamed"_s};
    QStringList kindsAndPaths;
    for (const QString &kind : kinds)
        kindsAndPaths << kind << archives_.filePath(kind + (kind == u"sevenz"_s ? u".7z"_s : u".zip"_s));
    kindsAndPaths << u"solid"_s << archives_.filePath(u"solid.7z"_s) << u"solid-small"_s
                  << archives_.filePath(u"solid-small.7z"_s);
    // The same archives under names that say otherwise.
    kindsAndPaths << u"several"_s << archives_.filePath(u"upper.ZIP"_s) << u"one"_s
                  << archives_.filePath(u"zip-named.7z"_s);
    MakeArchives(kindsAndPaths);
}

void TestArchives::listName_data()
{
    QTest::addColumn<QString>("archive");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("onlyRom");
    QTest::addColumn<bool>("isArchive");
    QTest::addColumn<QString>("listed");
    QTest::newRow("one ROM: the archive's name") << "Tetris (World).zip" << "Tetris (World).gb" << true << true
                                                 << "Tetris (World).zip";
    QTest::newRow("several: archive, colon, entry") << "Pack.7z" << "b/Second.gbc" << false << true
                                                    << "Pack.7z: b/Second.gbc";
    QTest::newRow("upper case suffix") << "PACK.ZIP" << "x.gb" << true << true << "PACK.ZIP";
    QTest::newRow("mixed case 7z") << "a.7Z" << "x.gb" << true << true << "a.7Z";
    QTest::newRow("not an archive") << "x.gb.zipx" << "x.gb" << true << false << "x.gb.zipx";
    QTest::newRow("bare suffix is too short for zip") << "zip" << "x.gb" << true << false << "zip";
}

void TestArchives::listName()
{
    QFETCH(QString, archive);
    QFETCH(QString, entry);
    QFETCH(bool, onlyRom);
    QFETCH(bool, isArchive);
    QFETCH(QString, listed);
    QCOMPARE(IsArchiveName(archive.toStdString()), isArchive);
    QCOMPARE(QString::fromStdString(ArchiveListName(archive.toStdString(), entry.toStdString(), onlyRom)), listed);
}

void TestArchives::entryNameRefusal_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("base");
    QTest::addColumn<bool>("safe");
    QTest::newRow("plain") << "Tetris.gb" << "Tetris.gb" << true;
    QTest::newRow("in a folder") << "roms/Tetris.gb" << "Tetris.gb" << true;
    QTest::newRow("two dots inside a name") << "a..b.gb" << "a..b.gb" << true;
    QTest::newRow("dots as a name's start") << "..a.gb" << "..a.gb" << true;
    QTest::newRow("climbs") << "../x.gb" << "x.gb" << false;
    QTest::newRow("climbs in the middle") << "a/../../x.gb" << "x.gb" << false;
    QTest::newRow("climbs by backslash") << "a\\..\\..\\x.gb" << "x.gb" << false;
    QTest::newRow("ends with ..") << "a/.." << ".." << false;
    QTest::newRow("absolute") << "/etc/x.gb" << "x.gb" << false;
    QTest::newRow("absolute by backslash") << "\\x.gb" << "x.gb" << false;
    QTest::newRow("drive letter") << "C:x.gb" << "C:x.gb" << false;
    QTest::newRow("drive letter and path") << "d:\\roms\\x.gb" << "x.gb" << false;
    QTest::newRow("a folder") << "roms/" << "" << false;
    QTest::newRow("empty") << "" << "" << false;
}

void TestArchives::entryNameRefusal()
{
    QFETCH(QString, name);
    QFETCH(QString, base);
    QFETCH(bool, safe);
    QCOMPARE(EntryNameRefusal(name.toStdString()).empty(), safe);
    QCOMPARE(QString::fromStdString(EntryBaseName(name.toStdString())), base);
}

void TestArchives::evictions_data()
{
    const QString a(32, u'a'), b(32, u'b'), c(32, u'c');
    QTest::addColumn<QStringList>("slotNames");
    QTest::addColumn<QList<int>>("sizes");
    QTest::addColumn<QList<int>>("used");
    QTest::addColumn<int>("bound");
    QTest::addColumn<QString>("keep");
    QTest::addColumn<QStringList>("evicted");
    QTest::newRow("within the bound") << QStringList{a, b} << QList<int>{10, 10} << QList<int>{1, 2} << 20 << a
                                      << QStringList{};
    QTest::newRow("least recently used first") << QStringList{a, b, c} << QList<int>{10, 10, 10}
                                               << QList<int>{3, 1, 2} << 15 << a << QStringList{b, c};
    QTest::newRow("just enough goes") << QStringList{a, b, c} << QList<int>{10, 10, 10} << QList<int>{3, 1, 2}
                                      << 20 << a << QStringList{b};
    QTest::newRow("the ROM starting stays") << QStringList{a, b} << QList<int>{30, 10} << QList<int>{1, 2} << 15
                                            << a << QStringList{b};
    QTest::newRow("ties by name") << QStringList{c, b} << QList<int>{10, 10} << QList<int>{1, 1} << 10 << a
                                  << QStringList{b};
    QTest::newRow("names not ours stay") << QStringList{u"notes"_s, a.toUpper(), a + u'0', b}
                                         << QList<int>{50, 50, 50, 10} << QList<int>{0, 0, 0, 1} << 5 << c
                                         << QStringList{b};
}

void TestArchives::evictions()
{
    QFETCH(QStringList, slotNames);
    QFETCH(QList<int>, sizes);
    QFETCH(QList<int>, used);
    QFETCH(int, bound);
    QFETCH(QString, keep);
    QFETCH(QStringList, evicted);
    std::vector<CachedRom> roms;
    roms.reserve(static_cast<std::size_t>(slotNames.size()));
    for (int i = 0; i < slotNames.size(); ++i)
        roms.push_back({slotNames.at(i).toStdString(), static_cast<std::uint64_t>(sizes.at(i)), used.at(i)});
    QCOMPARE(Strings(ChooseEvictions(roms, static_cast<std::uint64_t>(bound), keep.toStdString())), evicted);
}

void TestArchives::listing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("one ROM") << "one.zip" << QStringList{u"Tetris (World).gb"_s} << "";
    QTest::newRow("several, others left out") << "upper.ZIP" << QStringList{u"b/Second.GBC"_s, u"First.gb"_s}
                                              << "";
    QTest::newRow("no ROM") << "none.zip" << QStringList{} << "";
    QTest::newRow("7z") << "sevenz.7z" << QStringList{u"Seven.gb"_s} << "";
    QTest::newRow("climbing name") << "climb.zip" << QStringList{u"Good.gb"_s} << "climbs";
    QTest::newRow("absolute name") << "absolute.zip" << QStringList{u"Good.gb"_s} << "absolute";
    QTest::newRow("drive letter") << "drive.zip" << QStringList{u"Good.gb"_s} << "drive letter";
    QTest::newRow("backslash climbing") << "backslash.zip" << QStringList{u"Good.gb"_s} << "climbs";
    QTest::newRow("link") << "link.zip" << QStringList{} << "is a link";
    QTest::newRow("device") << "device.zip" << QStringList{} << "not a regular file";
    QTest::newRow("declared too large") << "large.zip" << QStringList{} << "larger than 16 MB";
    QTest::newRow("encrypted") << "encrypted.zip" << QStringList{} << "encrypted";
    QTest::newRow("too many entries") << "many.zip" << QStringList{} << "more than 10000 entries";
    QTest::newRow("as many entries as may be") << "full.zip" << QStringList{u"Last.gb"_s} << "";
    QTest::newRow("sizes unknown, 65 MB ahead") << "streamed.zip" << QStringList{} << "more than 64 MB";
    QTest::newRow("a solid 7z is listed unpacked") << "solid.7z" << QStringList{u"Rom.gb"_s} << "";
    QTest::newRow("truncated") << "truncated.zip" << QStringList{} << "runcated";
    QTest::newRow("text named .zip") << "disguised.zip" << QStringList{} << "format";
    QTest::newRow("a zip named .7z") << "zip-named.7z" << QStringList{} << "format";
}

void TestArchives::listing()
{
    QFETCH(QString, name);
    QFETCH(QStringList, entries);
    QFETCH(QString, refusal);
    const ArchiveRoms roms = ListArchiveRoms(Archive(name), kRoms);
    QCOMPARE(Strings(roms.entries), entries);
    const QString refusals = Strings(roms.refusals).join(u'\n');
    QVERIFY2(refusal.isEmpty() ? refusals.isEmpty() : refusals.contains(refusal), qPrintable(refusals));
}

void TestArchives::headOfEntry()
{
    const std::string archive = Archive(u"several.zip"_s);
    std::vector<std::uint8_t> head;
    QVERIFY(ReadArchiveEntryHead(archive, "First.gb", 400, head));
    QCOMPARE(head.size(), std::size_t{400});
    QCOMPARE(head[0x143], std::uint8_t{0xC0});
    std::string why;
    QVERIFY(!ReadArchiveEntryHead(archive, "Missing.gb", 400, head, &why));
    QVERIFY(!why.empty());
}

void TestArchives::unpacking_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("sound") << "several.zip" << "b/Second.GBC" << "";
    QTest::newRow("7z") << "sevenz.7z" << "Seven.gb" << "";
    QTest::newRow("bomb stops at the bound") << "bomb.zip" << "Bomb.gb" << "more than 16 MB";
    QTest::newRow("damaged data") << "corrupt.zip" << "Corrupt.gb" << "CRC";
    QTest::newRow("climbing name") << "climb.zip" << "../Escape.gb" << "climbs";
    QTest::newRow("encrypted") << "encrypted.zip" << "Secret.gb" << "encrypted";
    QTest::newRow("link") << "link.zip" << "Link.gb" << "link";
}

void TestArchives::unpacking()
{
    QFETCH(QString, name);
    QFETCH(QString, entry);
    QFETCH(QString, refusal);
    QTemporaryDir dir;
    const std::string archive = Archive(name);
    const QString cacheFolder = dir.filePath(u"cache/vexa/"_s);
    const RomCache cache(QFile::encodeName(cacheFolder).toStdString());
    std::string why;
    const QString rom = QFile::decodeName(QByteArray::fromStdString(cache.Unpack(archive, entry.toStdString(), &why)));
    if (!refusal.isEmpty()) {
        QVERIFY(rom.isEmpty());
        QVERIFY2(QString::fromStdString(why).contains(refusal), why.c_str());
        // Nothing is left behind: no ROM, no part.
        QProcess find;
        find.start(u"find"_s, {dir.path(), u"-type"_s, u"f"_s});
        QVERIFY(find.waitForFinished());
        QCOMPARE(find.readAllStandardOutput(), QByteArray());
        return;
    }
    QVERIFY2(!rom.isEmpty(), why.c_str());
    QVERIFY(rom.startsWith(cacheFolder));
    QCOMPARE(QFileInfo(rom).fileName(), QFileInfo(entry).fileName());
    QFile file(rom);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.size(), 32768);
    struct stat info = {};
    QCOMPARE(stat(QFile::encodeName(cacheFolder).constData(), &info), 0);
    QCOMPARE(info.st_mode & 0777, 0700u);
}

// The bounds on what reading a ROM and unpacking it may unpack: the entry's
// own 16 MB, whatever its header claims, and 64 MB in all on the way to it.
// Writing stops before the block that would pass either.
void TestArchives::unpackBounds_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("headRead");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("bomb claiming 32 KB") << "bomb.zip" << "Bomb.gb" << true << "it unpacks to more than 16 MB";
    QTest::newRow("solid 7z, 65 MB ahead") << "solid.7z" << "Rom.gb" << false << "unpacks more than 64 MB";
    QTest::newRow("solid 7z, 20 MB ahead") << "solid-small.7z" << "Rom.gb" << true << "";
    QTest::newRow("zip, sizes unknown, 65 MB ahead") << "streamed.zip" << "Rom.gb" << false
                                                     << "unpacks more than 64 MB";
}

void TestArchives::unpackBounds()
{
    QFETCH(QString, name);
    QFETCH(QString, entry);
    QFETCH(bool, headRead);
    QFETCH(QString, refusal);
    std::vector<std::uint8_t> head;
    std::string why;
    QVERIFY2(ReadArchiveEntryHead(Archive(name), entry.toStdString(), 0x150, head, &why) == headRead, why.c_str());
    if (!headRead)
        QVERIFY2(QString::fromStdString(why).contains(refusal), why.c_str());
    QTemporaryFile out;
    QVERIFY(out.open());
    why.clear();
    QCOMPARE(CopyArchiveEntry(Archive(name), entry.toStdString(), out.handle(), &why), refusal.isEmpty());
    QVERIFY2(QString::fromStdString(why).contains(refusal), why.c_str());
    QVERIFY(out.size() <= static_cast<qint64>(kMaxEntryBytes));
    if (refusal.isEmpty())
        QCOMPARE(out.size(), 32768);
}

void TestArchives::cacheReusesAndTrims()
{
    QTemporaryDir dir;
    const std::string first = Archive(u"one.zip"_s);
    const QString secondPath = dir.filePath(u"b.zip"_s);
    MakeArchives({u"several"_s, secondPath});
    const std::string second = QFile::encodeName(secondPath).toStdString();
    const std::string folder = QFile::encodeName(dir.filePath(u"cache/"_s)).toStdString();
    QVERIFY(QDir().mkpath(dir.filePath(u"cache"_s)));
    QVERIFY(WriteBytes(dir.filePath(u"cache/mine.gb"_s), "the user's"));
    // Less room than one ROM of 32 KB: only the ROM starting stays.
    const RomCache cache(folder, 20000);
    std::string why;
    const std::string rom = cache.Unpack(first, "Tetris (World).gb", &why);
    QVERIFY2(!rom.empty(), why.c_str());
    // Unpacked once: the same path again (what is taken again: test_cache).
    QCOMPARE(cache.Unpack(first, "Tetris (World).gb", &why), rom);
    // Another ROM takes the room: the first goes, the user's file stays.
    QVERIFY(!cache.Unpack(second, "First.gb", &why).empty());
    QVERIFY(!QFileInfo::exists(QFile::decodeName(QByteArray::fromStdString(rom))));
    QVERIFY(QFileInfo::exists(dir.filePath(u"cache/mine.gb"_s)));
    // A changed archive is unpacked afresh.
    const std::string again = cache.Unpack(second, "First.gb", &why);
    MakeArchives({u"several"_s, secondPath});
    const std::string changed = cache.Unpack(second, "First.gb", &why);
    QVERIFY(!changed.empty());
    QVERIFY(changed != again);
}

// The archive entries a folder lists are bounded for the folder as a whole,
// and what is left out is said on one line; a refused entry's name reaches the
// error output on one line, its control characters written out.
void TestArchives::folderBounds_data()
{
    QTest::addColumn<int>("archives");
    QTest::addColumn<int>("entries");      // in each archive
    QTest::addColumn<int>("nameBytes");    // of each entry's name
    QTest::addColumn<QByteArray>("refusal"); // of each archive, when not empty
    QTest::addColumn<int>("listed");       // archive entries listed
    QTest::addColumn<QByteArray>("line");  // in the error output
    QTest::newRow("entries") << 30 << 5000 << 12 << QByteArray() << 100000
                             << QByteArray("left out from a20.zip on, and 9 more archives not read");
    QTest::newRow("name bytes") << 10 << 10000 << 1000 << QByteArray() << 33321
                                << QByteArray("left out from a03.zip on, and 6 more archives not read");
    QTest::newRow("within both") << 9 << 10000 << 100 << QByteArray() << 90000 << QByteArray();
    QTest::newRow("escapes in a refused name") << 1 << 0 << 0
                                               << QByteArray("\x1b]0;owned\x07\x1b[2Jx.gb\n: it is a link") << 0
                                               << QByteArray("a00.zip: \\033]0;owned\\007\\033[2Jx.gb\\012: it is a link");
}

void TestArchives::folderBounds()
{
    QFETCH(int, archives);
    QFETCH(int, entries);
    QFETCH(int, nameBytes);
    QFETCH(QByteArray, refusal);
    QFETCH(int, listed);
    QFETCH(QByteArray, line);
    QStringList names;
    for (int i = 0; i < archives; ++i)
        names.append(u"a%1.zip"_s.arg(i, 2, 10, QLatin1Char('0')));
    FileListBox list;
    const QByteArray said = ErrorOutput([&] {
        ListArchives(list, archives_.path(), names, [=](const QString &) {
            ArchiveRoms roms;
            for (int i = 0; i < entries; ++i)
                roms.entries.push_back(QByteArray::number(i).rightJustified(nameBytes - 3, 'e').toStdString() + ".gb");
            if (!refusal.isEmpty())
                roms.refusals.push_back(refusal.toStdString());
            return roms;
        });
        QVERIFY(WaitFor([&] { return !list.Listing(); }, 60000));
    });
    QCOMPARE(list.ListCount(), listed + 1);
    QVERIFY2(line.isEmpty() ? said.isEmpty() : said.contains(line), said.left(2000).constData());
    QCOMPARE(said.count('\n'), line.isEmpty() ? 0 : 1);
    for (const char c : said)
        QVERIFY2(c == '\n' || static_cast<unsigned char>(c) >= 0x20, said.constData());
}

// Archives that never answer (a share gone quiet) hold up no listing: with
// more of them than there are threads for archives, the folders shown still
// list their plain ROMs.
void TestArchives::hungArchivesLeaveListingsBe()
{
    auto gate = std::make_shared<Gate>();
    const auto release = qScopeGuard([&] { gate->Open(); });
    FileListBox list;
    for (int i = 0; i < 6; ++i) {
        QTemporaryDir folder;
        ListArchives(list, folder.path(), {u"hung.zip"_s}, [gate](const QString &) {
            gate->Wait();
            return ArchiveRoms();
        });
        QVERIFY2(WaitFor([&] { return list.Names() == QStringList{u"plain.gb"_s}; }), qPrintable(folder.path()));
    }
}

VEXA_TEST_MAIN(TestArchives)
#include "test_archives.moc"
