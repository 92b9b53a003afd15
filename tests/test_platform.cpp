#include "TestFiles.h"
#include "TestMain.h"

#include "core/LaunchCommand.h"
#include "platform/Background.h"
#include "platform/CurrentFolder.h"
#include "platform/Drives.h"
#include "platform/FileNames.h"
#include "platform/FolderScan.h"
#include "platform/IniText.h"
#include "platform/PictureLoader.h"
#include "platform/ProgramStart.h"
#include "platform/PictureFolder.h"
#include "platform/RegularFile.h"
#include "platform/RomReader.h"
#include "platform/RunCheck.h"
#include "platform/Settings.h"
#include "platform/SettingsWriter.h"
#include "platform/XdgFolders.h"

#include <QBuffer>
#include <QImageWriter>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstddef>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <linux/filter.h>
#include <pwd.h>
#include <linux/seccomp.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <thread>


using namespace Qt::Literals::StringLiterals;

namespace {

const QString kApp = QStringLiteral("Vexa");
const QString kSection = QStringLiteral("Options");

bool NoChildLeft()
{
    return waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD;
}

// Two by two pixels, a red row over a blue one, stored from the top down
// (height -2).
QByteArray TopDownBitmap()
{
    return QByteArray::fromHex("424d4600000000000000360000002800000002000000feffffff0100180000000000100000000000"
                               "00000000000000000000000000000000ff0000ff0000ff0000ff00000000");
}

// In a child process: close_range fails as on kernels before 5.9, and
// closing any descriptor from ceiling up kills the process.
bool ForbidCloseRangeAndHighCloses(unsigned ceiling)
{
    sock_filter filter[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_close_range, 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | ENOSYS),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_close, 0, 3),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, args[0])),
        BPF_JUMP(BPF_JMP | BPF_JGE | BPF_K, ceiling, 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_KILL_PROCESS),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
    };
    const sock_fprog program = {static_cast<unsigned short>(sizeof filter / sizeof filter[0]), filter};
    return prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 && prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0;
}

// Another launcher, as far as the file is concerned: it keeps writing a new
// file beside the target and renaming it into place, without any lock, until
// it is destroyed.
class RenamingWriter
{
public:
    explicit RenamingWriter(const QString &target) : target_(QFile::encodeName(target)), thread_([this] { Run(); }) {}
    ~RenamingWriter()
    {
        stop_ = true;
        thread_.join();
    }
    RenamingWriter(const RenamingWriter &) = delete;
    RenamingWriter &operator=(const RenamingWriter &) = delete;
    int Renames() const { return renames_; }

private:
    void Run()
    {
        const QByteArray fresh = target_ + ".renaming";
        for (int round = 0; !stop_; ++round) {
            const QByteArray text = "[Options]\nRomPath=/roms/" + QByteArray::number(round) + "\n";
            const int fd = open(fresh.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
            const bool written = fd >= 0 && write(fd, text.constData(), static_cast<size_t>(text.size())) == text.size();
            if (fd >= 0)
                close(fd);
            if (!written || rename(fresh.constData(), target_.constData()) != 0)
                return;
            ++renames_;
        }
    }

    QByteArray target_;
    std::atomic<bool> stop_{false};
    std::atomic<int> renames_{0};
    std::thread thread_;
};

QString ReadAllWhenDone(const QString &path)
{
    QString text;
    WaitFor([&] {
        QFile file(path);
        text = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
        return text.endsWith(QStringLiteral("done\n"));
    });
    return text;
}

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pickedProgramCheck_data();
    void pickedProgramCheck();

    void settingsRoundTrip_data();
    void settingsRoundTrip();
    void absentKeyReadsDefault();
    void writeSurvivesSigkill();
    void corruptStoreStillStarts();
    void unwritableStoreFailsQuietly_data();
    void unwritableStoreFailsQuietly();
    void hostileStoreIsNeverOpened_data();
    void hostileStoreIsNeverOpened();
    void storedValuesAreOnlyStrings_data();
    void storedValuesAreOnlyStrings();
    void writeKeepsTheRest();
    void keyGivenTwiceTakesTheLast();
    void stuckLockFailsQuietly_data();
    void stuckLockFailsQuietly();
    void twoWritersKeepBothKeys();
    void writerNeverWaitsAndKeepsOrder();
    void writerReportsEachReasonOnce();

    void backgroundLatestRequestWins();
    void backgroundReceiverGoneBeforeResult();
    void backgroundLaneRefusesPastItsBound();
    void fileNameBytesRoundTrip_data();
    void fileNameBytesRoundTrip();
    void workingFolderNotUtf8();
    void programFoundOnPathNotUtf8();
    void readOnlyStoreIsLeftAlone();
    void storeReplacedByRename_data();
    void storeReplacedByRename();
    void newEntryKeepsLineEnds_data();
    void newEntryKeepsLineEnds();
    void xdgFolders_data();
    void xdgFolders();
    void relativeConfigHomeIsIgnored();

    void startPassesWordsWithoutShell();
    void startFailures_data();
    void startFailures();
    void startLeavesNoZombies();
    void watchedProgramEnd_data();
    void watchedProgramEnd();
    void childInheritsNoDescriptor();
    void childClosesListedDescriptorsWithoutCloseRange();
    void childStartsWithDefaultSignals();

    void headerReader_data();
    void headerReader();
    void headerReaderRefusesAtOnce_data();
    void headerReaderRefusesAtOnce();

    void pictures_data();
    void pictures();
    void pictureFolderFindsNames_data();
    void pictureFolderFindsNames();
    void pictureFolderSeesChanges();
    void pictureSearch_data();
    void pictureSearch();
    void largeJpegIsScaledDown_data();
    void largeJpegIsScaledDown();
    void picturesRefuseHostileFile_data();
    void picturesRefuseHostileFile();

    void subfolders();
    void drives();
    void drivesFromMountInfo_data();
    void drivesFromMountInfo();

private:
    QTemporaryDir *dir_ = nullptr;
    QString path(const QString &name) const { return dir_->filePath(name); }
};

void TestPlatform::init()
{
    dir_ = new QTemporaryDir;
    QVERIFY(dir_->isValid());
    QDir(QFileInfo(SettingsFile()).path()).removeRecursively();
}

void TestPlatform::cleanup()
{
    RemoveTree(dir_->path()); // names that are not UTF-8 too
    delete dir_;
    dir_ = nullptr;
}

void TestPlatform::pickedProgramCheck_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("error");
    QTest::newRow("a program that may be run") << "program" << 0;
    QTest::newRow("nothing there") << "missing" << ENOENT;
    QTest::newRow("a link to nothing") << "dangling" << ENOENT;
    QTest::newRow("not executable") << "noexec" << EACCES;
    QTest::newRow("a folder") << "folder" << EACCES;
    QTest::newRow("a path through a file") << "notdir" << ENOENT;
}

void TestPlatform::pickedProgramCheck()
{
    QFETCH(QString, kind);
    QFETCH(int, error);
    QString program = path(QStringLiteral("vexa"));
    if (kind == QLatin1String("program") || kind == QLatin1String("noexec"))
        QVERIFY(WriteScript(program, "exit 0\n", kind == QLatin1String("program")));
    if (kind == QLatin1String("dangling"))
        QVERIFY(MakeLink(path(QStringLiteral("gone")), program));
    if (kind == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(program));
    if (kind == QLatin1String("notdir")) {
        QVERIFY(WriteBytes(path(QStringLiteral("file")), "x"));
        program = path(QStringLiteral("file/vexa"));
    }
    QCOMPARE(CheckProgramFile(program), error);
    const RunCheck check = CheckBeforeRun(EncodeFileName(program), QByteArray());
    QCOMPARE(check.programError, error);
    QCOMPARE(check.file, error == 0 ? EncodeFileName(program) : QByteArray());
}

void TestPlatform::settingsRoundTrip_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("folder") << "/home/user/roms";
    QTest::newRow("root") << "/";
    QTest::newRow("commas") << "/a, b,c";
    QTest::newRow("newline") << "/a\nb";
    QTest::newRow("quotes and semicolons") << "/a \"b\";c='d'";
    QTest::newRow("non-ASCII") << "/home/é/ポケモン";
    QTest::newRow("10,000 characters") << QString(10000, QLatin1Char('x'));
    QTest::newRow("looks like a variant") << "@Variant(abc)";
    QTest::newRow("starts with @@") << "@@x";
    QTest::newRow("blanks at both ends") << " /a ";
    QTest::newRow("NUL before digits") << QStringLiteral("/a") + QChar(0) + QStringLiteral("12");
    QTest::newRow("folder name not UTF-8") << DecodeFileName("/roms/caf\xE9/\xFF\x80x");
    QTest::newRow("starts with U+FEFF") << QChar(0xFEFF) + QStringLiteral("roms");
    QTest::newRow("empty") << "";
}

void TestPlatform::settingsRoundTrip()
{
    QFETCH(QString, value);
    QVERIFY(WriteSetting(kApp, kSection, QStringLiteral("RomPath"), value));
    QCOMPARE(ReadSetting(kApp, kSection, QStringLiteral("RomPath")), value);
    // Written to disk already, in the form QSettings reads; and what QSettings
    // writes reads back too (it cannot write a stray byte of a file name).
    QCOMPARE(QSettings(SettingsFile(), QSettings::IniFormat).value(QStringLiteral("Options/RomPath")).toString(), value);
    if (EncodeFileName(value) == value.toUtf8()) {
        QSettings(SettingsFile(), QSettings::IniFormat).setValue(QStringLiteral("Options/TotGames"), value);
        QCOMPARE(ReadSetting(kApp, kSection, QStringLiteral("TotGames")), value);
    }
}

void TestPlatform::absentKeyReadsDefault()
{
    QCOMPARE(ReadSetting(kApp, kSection, QStringLiteral("Nothing")), QString());
    QCOMPARE(ReadSetting(kApp, kSection, QStringLiteral("Nothing"), QStringLiteral("d")), QStringLiteral("d"));
    QVERIFY(WriteSetting(kApp, kSection, QStringLiteral("TotGames"), QStringLiteral("37")));
    QCOMPARE(ReadSetting(kApp, kSection, QStringLiteral("TotGames"), QStringLiteral("d")), QStringLiteral("37"));
    QCOMPARE(ReadSetting(kApp, QStringLiteral("Other"), QStringLiteral("TotGames")), QString());
}

void TestPlatform::writeSurvivesSigkill()
{
    const QString writer = QCoreApplication::applicationDirPath() + QStringLiteral("/settings_writer");
    for (int round = 0; round < 5; ++round) {
        const QString folder = QStringLiteral("/roms/round %1").arg(round);
        QProcess process;
        process.start(writer, {folder});
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitStatus(), QProcess::CrashExit);
        QSettings fresh(SettingsFile(), QSettings::IniFormat);
        QCOMPARE(fresh.value(QStringLiteral("Options/RomPath")).toString(), folder);
        QCOMPARE(ReadSetting(kApp, kSection, QStringLiteral("RomPath")), folder);
    }
    // Nothing half written is left beside it.
    const QStringList leftovers = QDir(QFileInfo(SettingsFile()).path()).entryList(QDir::Files);
    QCOMPARE(leftovers, QStringList{QStringLiteral("Vexa.conf")});
}

void TestPlatform::corruptStoreStillStarts()
{
    QDir().mkpath(QFileInfo(SettingsFile()).path());
    QByteArray junk;
    for (int i = 0; i < 4096; ++i)
        junk.append(static_cast<char>((i * 7919 + 13) & 0xFF));
    QVERIFY(WriteBytes(SettingsFile(), junk));
    const QString read = ReadSetting(kApp, kSection, QStringLiteral("RomPath"));
    Q_UNUSED(read); // whatever the junk parses as, reading returns
    WriteSetting(kApp, kSection, QStringLiteral("RomPath"), QStringLiteral("/after"));
    QCOMPARE(ReadSetting(kApp, kSection, QStringLiteral("RomPath")), QStringLiteral("/after"));
}

void TestPlatform::unwritableStoreFailsQuietly_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("why"); // %h is the configuration folder
    QTest::newRow("settings folder is a file") << "file" << "Not a directory";
    QTest::newRow("settings file is a directory") << "dir" << "it is not a regular file";
    QTest::newRow("path through a dangling link") << "dangling" << "cannot make Vexa.conf.lock: No such file or directory";
}

void TestPlatform::unwritableStoreFailsQuietly()
{
    QFETCH(QString, kind);
    const QString home = path(QStringLiteral("config"));
    QDir().mkpath(home);
    if (kind == QLatin1String("file"))
        QVERIFY(WriteBytes(home + QStringLiteral("/Vexa"), "not a folder"));
    else if (kind == QLatin1String("dir"))
        QVERIFY(QDir().mkpath(home + QStringLiteral("/Vexa/Vexa.conf")));
    else
        QVERIFY(MakeLink(path(QStringLiteral("gone")), home + QStringLiteral("/Vexa")));
    const ConfigHomeOverride override(home);
    QString why;
    QVERIFY(!WriteSetting(kApp, kSection, QStringLiteral("RomPath"), QStringLiteral("/x"), &why));
    QTEST(why.replace(home, QStringLiteral("%h")), "why");
    QCOMPARE(ReadSetting(kApp, kSection, QStringLiteral("Absent"), QStringLiteral("dflt")), QStringLiteral("dflt"));
}

void TestPlatform::hostileStoreIsNeverOpened_data()
{
    AddHostileFileRows();
}

void TestPlatform::hostileStoreIsNeverOpened()
{
    QFETCH(QString, kind);
    QVERIFY(QDir().mkpath(QFileInfo(SettingsFile()).path()));
    if (!MakeHostileFile(kind, SettingsFile(), "[Options]\nRomPath=/roms\n"))
        QSKIP("cannot make one here");
    const OpenWatch watch(SettingsFile(), kind);
    struct stat before = {};
    QCOMPARE(lstat(QFile::encodeName(SettingsFile()).constData(), &before), 0);
    QCOMPARE(ReadSetting(kApp, kSection, QStringLiteral("RomPath"), QStringLiteral("d")), QStringLiteral("d"));
    // Not read, so not overwritten either.
    QString why;
    QVERIFY(!WriteSetting(kApp, kSection, QStringLiteral("RomPath"), QStringLiteral("/other"), &why));
    QCOMPARE(why, kind == QLatin1String("sparse") ? u"it is larger than 1 MB"_s : u"it is not a regular file"_s);
    QVERIFY(!watch.Opened());
    struct stat after = {};
    QCOMPARE(lstat(QFile::encodeName(SettingsFile()).constData(), &after), 0);
    QCOMPARE(after.st_ino, before.st_ino);
}

void TestPlatform::storedValuesAreOnlyStrings_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("expected");
    // A QVariantList holding a QVariantList ... as QDataStream writes it.
    const QByteArray level = "\\0\\0\\0\\t\\0\\0\\0\\1";
    QTest::newRow("@Variant of 50,000 nested lists") << "@Variant(" + level.repeated(50000) + ")" << "d";
    QTest::newRow("@ByteArray") << QByteArray("@ByteArray(/roms)") << "d";
    QTest::newRow("@@ is one @") << QByteArray("@@Variant(x)") << "@Variant(x)";
    QTest::newRow("unquoted commas") << QByteArray("/a, b ,c") << "/a, b, c";
    QTest::newRow("comment after the value") << QByteArray("/roms ;kept") << "/roms";
}

void TestPlatform::storedValuesAreOnlyStrings()
{
    QFETCH(QByteArray, value);
    QFETCH(QString, expected);
    QVERIFY(QDir().mkpath(QFileInfo(SettingsFile()).path()));
    QVERIFY(WriteBytes(SettingsFile(), "[Options]\nRomPath=" + value + "\n"));
    QCOMPARE(ReadSetting(kApp, kSection, QStringLiteral("RomPath"), QStringLiteral("d")), expected);
}

void TestPlatform::writeKeepsTheRest()
{
    QVERIFY(QDir().mkpath(QFileInfo(SettingsFile()).path()));
    const QByteArray before = "; by hand\n[General]\nx=1\n\n[Options]\nTotGames=5 ;counted\n"
                              "Size=@Size(2 3)\n\n[Other]\nRomPath=\"a, b\"\n";
    QVERIFY(WriteBytes(SettingsFile(), before));
    QVERIFY(WriteSetting(kApp, kSection, QStringLiteral("TotGames"), QStringLiteral("6")));
    QVERIFY(WriteSetting(kApp, kSection, QStringLiteral("RomPath"), QStringLiteral("/roms")));
    QFile file(SettingsFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("; by hand\n[General]\nx=1\n\n[Options]\nTotGames=6;counted\n"
                                        "Size=@Size(2 3)\nRomPath=/roms\n\n[Other]\nRomPath=\"a, b\"\n"));
}

// A file edited by hand may give a key twice: the last one counts, as for
// QSettings, and a new value replaces that one.
void TestPlatform::keyGivenTwiceTakesTheLast()
{
    QVERIFY(QDir().mkpath(QFileInfo(SettingsFile()).path()));
    QVERIFY(WriteBytes(SettingsFile(), "[Options]\nRomPath=/first\nRomPath=/last\n"));
    QCOMPARE(ReadSetting(kApp, kSection, QStringLiteral("RomPath")), QStringLiteral("/last"));
    QVERIFY(WriteSetting(kApp, kSection, QStringLiteral("RomPath"), QStringLiteral("/new")));
    QCOMPARE(ReadSetting(kApp, kSection, QStringLiteral("RomPath")), QStringLiteral("/new"));
    QCOMPARE(QSettings(SettingsFile(), QSettings::IniFormat).value(u"Options/RomPath"_s).toString(), u"/new"_s);
}

void TestPlatform::stuckLockFailsQuietly_data()
{
    QTest::addColumn<bool>("folder");
    QTest::addColumn<QString>("why");
    QTest::newRow("lock is a folder") << true << "Vexa.conf.lock is not a regular file";
    QTest::newRow("lock held by another writer") << false << "another program holds Vexa.conf.lock";
}

void TestPlatform::stuckLockFailsQuietly()
{
    QFETCH(bool, folder);
    QVERIFY(WriteSetting(kApp, kSection, QStringLiteral("RomPath"), QStringLiteral("/before")));
    const QByteArray lock = QFile::encodeName(SettingsFile() + QStringLiteral(".lock"));
    const int holder = folder ? -1 : open(lock.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    QVERIFY(folder ? mkdir(lock.constData(), 0755) == 0 : flock(holder, LOCK_EX) == 0);
    struct stat before = {};
    QCOMPARE(stat(QFile::encodeName(SettingsFile()).constData(), &before), 0);
    // The same value again needs no lock: nothing is written.
    QVERIFY(WriteSetting(kApp, kSection, QStringLiteral("RomPath"), QStringLiteral("/before")));
    QString why;
    QVERIFY(!WriteSetting(kApp, kSection, QStringLiteral("RomPath"), QStringLiteral("/after"), &why));
    QTEST(why, "why");
    if (holder >= 0)
        close(holder);
    struct stat after = {};
    QCOMPARE(stat(QFile::encodeName(SettingsFile()).constData(), &after), 0);
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(ReadSetting(kApp, kSection, QStringLiteral("RomPath")), QStringLiteral("/before"));
}

// Two launchers storing different keys at the same moment: each re-reads
// the store under the lock, so neither key is lost.
void TestPlatform::twoWritersKeepBothKeys()
{
    auto writer = [](const QString &key) {
        return [key] {
            for (int i = 0; i < 100; ++i)
                WriteSetting(kApp, kSection, key, QString::number(i));
        };
    };
    std::thread first(writer(QStringLiteral("RomPath")));
    std::thread second(writer(QStringLiteral("TotGames")));
    first.join();
    second.join();
    QCOMPARE(ReadSetting(kApp, kSection, QStringLiteral("RomPath")), QStringLiteral("99"));
    QCOMPARE(ReadSetting(kApp, kSection, QStringLiteral("TotGames")), QStringLiteral("99"));
}

// A store that takes its time holds up nothing: values given meanwhile are
// stored after it, in order, a key given twice with its last value.
void TestPlatform::writerNeverWaitsAndKeepsOrder()
{
    auto gate = std::make_shared<Gate>();
    auto stored = std::make_shared<QStringList>();
    auto mutex = std::make_shared<std::mutex>();
    auto entered = std::make_shared<std::atomic<int>>(0);
    SettingsWriter writer(
        [gate, stored, mutex, entered](const QString &key, const QString &value, QString *) {
            ++*entered;
            gate->Wait();
            const std::lock_guard<std::mutex> lock(*mutex);
            *stored << key + QLatin1Char('=') + value;
            return true;
        },
        [](const QString &) {});
    QElapsedTimer clock;
    clock.start();
    writer.Write(QStringLiteral("RomPath"), QStringLiteral("/a"));
    QVERIFY(WaitFor([&] { return *entered == 1; }));
    writer.Write(QStringLiteral("RomPath"), QStringLiteral("/b"));
    writer.Write(QStringLiteral("TotGames"), QStringLiteral("3"));
    writer.Write(QStringLiteral("RomPath"), QStringLiteral("/c"));
    QVERIFY(clock.elapsed() < 1000);
    QVERIFY(writer.Pending());
    QVERIFY(!writer.Flush(20));
    gate->Open();
    QVERIFY(writer.Flush(5000));
    QVERIFY(!writer.Pending());
    const std::lock_guard<std::mutex> lock(*mutex);
    QCOMPARE(*stored, (QStringList{u"RomPath=/a"_s, u"RomPath=/c"_s, u"TotGames=3"_s}));
}

void TestPlatform::writerReportsEachReasonOnce()
{
    auto failing = std::make_shared<std::atomic<bool>>(true);
    QStringList reports;
    SettingsWriter writer(
        [failing](const QString &, const QString &, QString *why) {
            *why = QStringLiteral("locked");
            return !failing->load();
        },
        [&reports](const QString &why) { reports << why; });
    for (int i = 0; i < 3; ++i) {
        writer.Write(QStringLiteral("RomPath"), QString::number(i));
        QVERIFY(writer.Flush(5000));
    }
    QCOMPARE(reports, QStringList{u"locked"_s});
    // A value stored between (as one the store already held is) does not
    // make the reason told twice: a read-only store is said once.
    failing->store(false);
    writer.Write(QStringLiteral("RomPath"), QStringLiteral("stored"));
    QVERIFY(writer.Flush(5000));
    failing->store(true);
    writer.Write(QStringLiteral("RomPath"), QStringLiteral("again"));
    QVERIFY(writer.Flush(5000));
    QCOMPARE(reports, QStringList{u"locked"_s});
}

// A later request supersedes one still running: only the later result is
// delivered, whenever the earlier one ends.
void TestPlatform::backgroundLatestRequestWins()
{
    BackgroundLane lane(4);
    QStringList delivered;
    LatestRequest<QString> request(lane, [&](std::optional<QString> result) { delivered << result.value_or(u"none"_s); });
    auto gate = std::make_shared<Gate>();
    request.Start([gate] {
        gate->Wait();
        return u"first"_s;
    });
    request.Start([] { return u"second"_s; });
    QVERIFY(WaitFor([&] { return !delivered.isEmpty(); }));
    gate->Open();
    QVERIFY(Background::WaitIdle(5000));
    QTest::qWait(20);
    QCOMPARE(delivered, QStringList{u"second"_s});
    QVERIFY(!request.InFlight());
}

// The consumer is gone before its work ends: nothing is delivered to it, and
// nothing it owned is touched (AddressSanitizer watches the run in CI).
void TestPlatform::backgroundReceiverGoneBeforeResult()
{
    BackgroundLane lane(4);
    auto gate = std::make_shared<Gate>();
    auto delivered = std::make_shared<int>(0);
    {
        auto owner = std::make_unique<QObject>();
        auto request = std::make_unique<LatestRequest<QByteArray>>(lane, [delivered](std::optional<QByteArray>) { ++*delivered; });
        request->Start([gate] {
            gate->Wait();
            return QByteArray(1 << 20, 'x');
        });
        request.reset();
    }
    gate->Open();
    QVERIFY(Background::WaitIdle(5000));
    QTest::qWait(20);
    QCOMPARE(*delivered, 0);
}

// Past its bound a lane starts no thread: the request gets no result, as a
// read that failed, and the program goes on.
void TestPlatform::backgroundLaneRefusesPastItsBound()
{
    BackgroundLane lane(2);
    auto gate = std::make_shared<Gate>();
    std::vector<QFuture<int>> futures;
    for (int i = 0; i < 3; ++i)
        futures.push_back(lane.Run<int>([gate, i] {
            gate->Wait();
            return i;
        }));
    QVERIFY(futures[2].isFinished());
    QCOMPARE(futures[2].resultCount(), 0);
    QCOMPARE(lane.Running(), 2);
    gate->Open();
    for (int i = 0; i < 2; ++i) {
        futures[static_cast<std::size_t>(i)].waitForFinished();
        QCOMPARE(futures[static_cast<std::size_t>(i)].result(), i);
    }
    QVERIFY(Background::WaitIdle(5000));
    QCOMPARE(lane.Running(), 0);
    QCOMPARE(lane.Run<int>([] { return 7; }).result(), 7);
}

void TestPlatform::fileNameBytesRoundTrip_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("plain") << QByteArray("Tetris (World).gb") << u"Tetris (World).gb"_s;
    QTest::newRow("astral character U+1F4BE") << QByteArray("save \xF0\x9F\x92\xBE.gb") << u"save \U0001F4BE.gb"_s;
    QTest::newRow("stray byte after an astral character")
        << QByteArray("\xF0\x9F\x92\xBE\xBE") << u"\U0001F4BE\uFFFD"_s;
    QTest::newRow("Latin-1 name") << QByteArray("caf\xE9.gb") << u"caf\uFFFD.gb"_s;
    QTest::newRow("encoded surrogate") << QByteArray("\xED\xB2\xBE") << u"\uFFFD\uFFFD\uFFFD"_s;
}

// Every name turns back into exactly its bytes, and shows as the user reads it.
void TestPlatform::fileNameBytesRoundTrip()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    const QString name = DecodeFileName(bytes);
    QCOMPARE(EncodeFileName(name), bytes);
    QCOMPARE(DisplayFileName(name), shown);
}

void TestPlatform::workingFolderNotUtf8()
{
    const QByteArray raw = QFile::encodeName(dir_->path()) + "/caf\xE9";
    QVERIFY(mkdir(raw.constData(), 0755) == 0);
    char *before = getcwd(nullptr, 0);
    QVERIFY(chdir(raw.constData()) == 0);
    const QString current = CurrentFolder();
    const QString sub = FullFolderPath(QStringLiteral("x/../y"));
    QVERIFY(chdir(before) == 0);
    std::free(before);
    QCOMPARE(EncodeFileName(current), raw);
    QCOMPARE(EncodeFileName(sub), raw + "/y");
}

void TestPlatform::programFoundOnPathNotUtf8()
{
    const QByteArray bin = QFile::encodeName(dir_->path()) + "/b\xFFn";
    QVERIFY(mkdir(bin.constData(), 0755) == 0);
    const int fd = open((bin + "/vexa").constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0755);
    QVERIFY(fd >= 0);
    close(fd);
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", "/nonexistent::" + bin);
    const QByteArray found = FindProgram("vexa");
    qputenv("PATH", oldPath);
    QCOMPARE(found, bin + "/vexa");
}

void TestPlatform::readOnlyStoreIsLeftAlone()
{
    if (geteuid() == 0)
        QSKIP("root may write to a file whatever its permission bits say: run as an ordinary user to check "
              "that a read-only store is left alone");
    QVERIFY(WriteSetting(kApp, kSection, QStringLiteral("RomPath"), QStringLiteral("/before")));
    const QByteArray file = QFile::encodeName(SettingsFile());
    QCOMPARE(chmod(file.constData(), 0444), 0);
    struct stat before = {};
    QCOMPARE(stat(file.constData(), &before), 0);
    QString why;
    QVERIFY(!WriteSetting(kApp, kSection, QStringLiteral("RomPath"), QStringLiteral("/after"), &why));
    QCOMPARE(why, QStringLiteral("the file is read-only"));
    struct stat after = {};
    QCOMPARE(stat(file.constData(), &after), 0);
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(after.st_mode, before.st_mode);
    QCOMPARE(ReadSetting(kApp, kSection, QStringLiteral("RomPath")), QStringLiteral("/before"));
}

// Another launcher keeps replacing the file by rename while this one reads
// and writes it: every read finds a file, every write gets through. The loop
// runs until the other has replaced the file so many times, or for at most so
// many rounds.
void TestPlatform::storeReplacedByRename_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<int>("renames");
    QTest::addColumn<int>("rounds");
    QTest::newRow("the file") << "file" << 1000 << 1000000;
    QTest::newRow("a setting") << "read" << 1000 << 1000000;
    QTest::newRow("a write") << "write" << 3000 << 3000;
}

void TestPlatform::storeReplacedByRename()
{
    QFETCH(QString, what);
    QFETCH(int, renames);
    QFETCH(int, rounds);
    QVERIFY(WriteSetting(kApp, kSection, QStringLiteral("RomPath"), QStringLiteral("/roms/start")));
    const RenamingWriter writer(SettingsFile());
    int round = 0;
    for (; round < rounds && writer.Renames() < renames; ++round) {
        const QString at = QStringLiteral("round %1: ").arg(round);
        if (what == QLatin1String("file")) {
            RegularFile file(SettingsFile());
            QByteArray text(16, '\0');
            QVERIFY2(file.Read(text.data(), 16) == 16, qPrintable(at + QString::number(file.Error())));
            QCOMPARE(text, QByteArray("[Options]\nRomPat"));
        } else if (what == QLatin1String("read")) {
            const QString value = ReadSetting(kApp, kSection, QStringLiteral("RomPath"), QStringLiteral("default"));
            QVERIFY2(value.startsWith(QStringLiteral("/roms/")), qPrintable(at + value));
        } else {
            QString why;
            QVERIFY2(WriteSetting(kApp, kSection, QStringLiteral("TotGames"), QString::number(round), &why),
                     qPrintable(at + why));
        }
    }
    // Unless the other was at work all along, the loop proved nothing.
    QVERIFY2(writer.Renames() >= renames, qPrintable(u"%1 renames in %2 rounds"_s.arg(writer.Renames()).arg(round)));
}

void TestPlatform::newEntryKeepsLineEnds_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("CR LF, in its section") << QByteArray("[Options]\r\nTotGames=5\r\n\r\n[Other]\r\nx=1\r\n")
                                           << QByteArray("[Options]\r\nTotGames=5\r\nRomPath=/r\r\n\r\n[Other]\r\nx=1\r\n");
    QTest::newRow("CR LF, no last line end")
        << QByteArray("[Options]\r\nTotGames=5") << QByteArray("[Options]\r\nTotGames=5\r\nRomPath=/r\r\n");
    QTest::newRow("CR LF, new section")
        << QByteArray("[Other]\r\nx=1") << QByteArray("[Other]\r\nx=1\r\n\r\n[Options]\r\nRomPath=/r\r\n");
    QTest::newRow("CR alone") << QByteArray("[Options]\rTotGames=5\r") << QByteArray("[Options]\rTotGames=5\rRomPath=/r\r");
    QTest::newRow("one line") << QByteArray("; mine") << QByteArray("; mine\n\n[Options]\nRomPath=/r\n");
}

void TestPlatform::newEntryKeepsLineEnds()
{
    QFETCH(QByteArray, text);
    QTEST(SetIniString(text, kSection, QStringLiteral("RomPath"), QStringLiteral("/r")), "expected");
}

void TestPlatform::xdgFolders_data()
{
    QTest::addColumn<QByteArray>("variable");
    QTest::addColumn<QByteArray>("value"); // null: unset
    QTest::addColumn<QByteArray>("home");  // null: unset
    QTest::addColumn<QByteArray>("folder"); // %p: the password entry's home
    auto row = [](const char *tag, const char *variable, const char *value, const char *home, const char *folder) {
        QTest::newRow(tag) << QByteArray(variable) << QByteArray(value) << QByteArray(home) << QByteArray(folder);
    };
    row("absolute", "XDG_CONFIG_HOME", "/x/conf", "/h", "/x/conf/");
    row("slashes doubled and at the end", "XDG_CONFIG_HOME", "/x//conf//", "/h", "/x/conf/");
    row("the root", "XDG_CONFIG_HOME", "/", "/h", "/");
    row("relative", "XDG_CONFIG_HOME", "conf", "/h/", "/h/.config/");
    row("empty", "XDG_CONFIG_HOME", "", "/h", "/h/.config/");
    row("unset", "XDG_CONFIG_HOME", nullptr, "/h", "/h/.config/");
    row("HOME unset", "XDG_CONFIG_HOME", nullptr, nullptr, "%p/.config/");
    row("HOME relative", "XDG_CONFIG_HOME", nullptr, "h", "%p/.config/");
    row("HOME is the root", "XDG_CONFIG_HOME", nullptr, "/", "/.config/");
    row("data, relative", "XDG_DATA_HOME", "data", "/h", "/h/.local/share/");
}

void TestPlatform::xdgFolders()
{
    QFETCH(QByteArray, variable);
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, home);
    QFETCH(QByteArray, folder);
    const passwd *entry = getpwuid(getuid());
    QVERIFY(entry && entry->pw_dir && entry->pw_dir[0] == '/');
    const QByteArray passwordHome = QByteArray(entry->pw_dir) + '/';
    folder.replace("%p/", passwordHome == "//" ? QByteArray("/") : passwordHome);
    const VariableOverride setValue(variable.constData(), value);
    const VariableOverride setHome("HOME", home);
    const char *under = variable == "XDG_DATA_HOME" ? ".local/share" : ".config";
    QCOMPARE(QByteArray::fromStdString(XdgFolder(variable.constData(), under)), folder);
}

// A relative XDG_CONFIG_HOME leaves the store in ~/.config, not under the
// folder the launcher happens to run in.
void TestPlatform::relativeConfigHomeIsIgnored()
{
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir_->path()));
    const VariableOverride setHome("HOME", QFile::encodeName(dir_->path()));
    const ConfigHomeOverride relative(QStringLiteral("relative"));
    const bool written = WriteSetting(kApp, kSection, QStringLiteral("RomPath"), QStringLiteral("/roms"));
    QDir::setCurrent(previous);
    QVERIFY(written);
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("relative"))));
    QCOMPARE(QSettings(path(QStringLiteral(".config/Vexa/Vexa.conf")), QSettings::IniFormat).value(u"Options/RomPath"_s),
             QVariant(u"/roms"_s));
}

void TestPlatform::startPassesWordsWithoutShell()
{
    const QString bin = path(QStringLiteral("bin"));
    QDir().mkpath(bin);
    QVERIFY(WriteScript(bin + QStringLiteral("/vexa"), RecorderScript()));
    const QString record = path(QStringLiteral("record"));
    qputenv("VEXA_RECORD", QFile::encodeName(record));
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin) + ":" + oldPath);
    const QString marker = path(QStringLiteral("pwned"));

    const QString command = QStringLiteral("vexa  -rtsdir rsave/  -crc  $(touch %1);rm -rf ~.gb `touch %1` |&'\"é-ポ.gb")
                                .arg(marker);
    const qint64 pid = StartProgram(SplitCommandLine(command.toStdString()), 1);
    qputenv("PATH", oldPath);
    QVERIFY(pid > 0);
    QVERIFY(WaitFor([&] { return RecordedRuns(record).size() == 1; }));
    const QStringList args = RecordedRuns(record).first().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(args, command.split(QLatin1Char(' '), Qt::SkipEmptyParts).mid(1));
    QVERIFY(!QFile::exists(marker));
}

void TestPlatform::startFailures_data()
{
    QTest::addColumn<QString>("setup");
    QTest::newRow("not on PATH") << "missing";
    QTest::newRow("not executable") << "noexec";
    QTest::newRow("a directory named vexa") << "dir";
    QTest::newRow("slash path to nothing") << "slash";
    QTest::newRow("empty command") << "empty";
    QTest::newRow("bad interpreter") << "badinterp";
}

void TestPlatform::startFailures()
{
    QFETCH(QString, setup);
    const QString bin = path(QStringLiteral("bin"));
    QDir().mkpath(bin);
    QString command = QStringLiteral("vexa  -cgb /r/x.gb");
    if (setup == QLatin1String("noexec"))
        QVERIFY(WriteScript(bin + QStringLiteral("/vexa"), "exit 0\n", false));
    else if (setup == QLatin1String("dir"))
        QVERIFY(QDir().mkpath(bin + QStringLiteral("/vexa")));
    else if (setup == QLatin1String("slash"))
        command = bin + QStringLiteral("/nothing -x");
    else if (setup == QLatin1String("empty"))
        command = QStringLiteral("   ");
    else if (setup == QLatin1String("badinterp")) {
        QVERIFY(WriteBytes(bin + QStringLiteral("/vexa"), "#!/nonexistent/interpreter\n"));
        QVERIFY(QFile::setPermissions(bin + QStringLiteral("/vexa"), QFile::ReadOwner | QFile::ExeOwner));
    }
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin));
    const qint64 pid = StartProgram(SplitCommandLine(command.toStdString()), 1);
    qputenv("PATH", oldPath);
    QCOMPARE(pid, qint64(-1));
    QVERIFY(NoChildLeft());
}

void TestPlatform::watchedProgramEnd_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<int>("windowMs");
    QTest::addColumn<bool>("early");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<int>("signal");
    QTest::addColumn<QByteArray>("tailEnd");
    QTest::newRow("gives up at once") << QByteArray("echo 'cannot open ROM: bad header' >&2; exit 1") << 5000
                                      << true << 1 << 0 << QByteArray("cannot open ROM: bad header\n");
    QTest::newRow("killed by a signal") << QByteArray("kill -9 $$") << 5000 << true << -1 << 9 << QByteArray();
    QTest::newRow("ends well") << QByteArray("echo bye >&2; exit 0") << 5000 << false << 0 << 0 << QByteArray("bye\n");
    QTest::newRow("fails after the watch") << QByteArray("sleep 1; exit 1") << 200 << false << 1 << 0 << QByteArray();
    QTest::newRow("floods its error output")
        << QByteArray("head -c 100000 /dev/zero | tr '\\0' x >&2; echo >&2; echo last >&2; exit 2") << 5000 << true << 2
        << 0 << QByteArray("x\nlast\n");
}

// A watched program's end is reported with its status, how long it ran and
// the end of what it wrote on its error output; a failure right after its
// start is marked early, one that ends well or fails later is not; none is
// left a zombie.
void TestPlatform::watchedProgramEnd()
{
    QFETCH(QByteArray, script);
    QFETCH(int, windowMs);
    QFETCH(bool, early);
    QFETCH(int, exitCode);
    QFETCH(int, signal);
    QFETCH(QByteArray, tailEnd);
    ProgramWatch watch;
    watch.windowMs = windowMs;
    QElapsedTimer ran;
    ran.start();
    QVERIFY(StartProgram({"/bin/sh", "-c", script.toStdString()}, 1, nullptr, &watch) > 0);
    QVERIFY(watch.fd >= 0);
    ProgramEnd end;
    QVERIFY(ReadProgramEnd(watch.fd, end));
    const qint64 elapsed = ran.elapsed();
    ProgramEnd after;
    QVERIFY(!ReadProgramEnd(watch.fd, after));
    close(watch.fd);
    QCOMPARE(end.early, early);
    QCOMPARE(end.exitCode, exitCode);
    QCOMPARE(end.signal, signal);
    QVERIFY(end.elapsedMs >= 0 && end.elapsedMs <= elapsed);
    QVERIFY(end.length <= int(sizeof end.tail));
    QVERIFY(QByteArray(end.tail, end.length).endsWith(tailEnd));
    QVERIFY(NoChildLeft());
}

void TestPlatform::startLeavesNoZombies()
{
    for (int i = 0; i < 200; ++i)
        QVERIFY2(StartProgram({"true", "-x"}, 1) > 0, qPrintable(QString::number(i)));
    // The started programs belong to init, and every intermediate is reaped.
    QVERIFY(NoChildLeft());
}

void TestPlatform::childInheritsNoDescriptor()
{
    const int leaked = open(QFile::encodeName(path(QStringLiteral("open"))).constData(),
                            O_WRONLY | O_CREAT, 0644);
    QVERIFY(leaked >= 0);
    QVERIFY(dup2(leaked, 77) == 77);
    const QString out = path(QStringLiteral("fds"));
    const QString program = path(QStringLiteral("fdcheck"));
    QVERIFY(WriteScript(program, QByteArray("ls /proc/$$/fd > ") + QFile::encodeName(out) + "\n"
                                     "[ -e /proc/$$/fd/77 ] && echo leaked >> " + QFile::encodeName(out) + "\n"
                                     "echo done >> " + QFile::encodeName(out) + "\n"));
    const qint64 pid = StartProgram({EncodeFileName(program).toStdString()}, 1);
    close(77);
    close(leaked);
    QVERIFY(pid > 0);
    QVERIFY(WaitFor([&] {
        QFile f(out);
        return f.open(QIODevice::ReadOnly) && f.readAll().contains("done");
    }));
    QFile result(out);
    QVERIFY(result.open(QIODevice::ReadOnly));
    const QByteArray text = result.readAll();
    QVERIFY2(!text.contains("leaked"), text.constData());
    QVERIFY2(!text.split('\n').contains(QByteArray::number(leaked)), text.constData());
}

void TestPlatform::childClosesListedDescriptorsWithoutCloseRange()
{
    rlimit limit = {};
    getrlimit(RLIMIT_NOFILE, &limit);
    if (limit.rlim_max <= 8192)
        QSKIP("the descriptor limit is too low to tell");
    const QString out = path(QStringLiteral("fds"));
    const QString program = path(QStringLiteral("fdcheck"));
    QVERIFY(WriteScript(program, "ls /proc/$$/fd > '" + QFile::encodeName(out) + "'\necho done >> '"
                                     + QFile::encodeName(out) + "'\n"));
    // Walking every number up to the limit would close 8192 and die.
    const pid_t child = fork();
    if (child == 0) {
        limit.rlim_cur = limit.rlim_max;
        const bool ready = setrlimit(RLIMIT_NOFILE, &limit) == 0 && dup2(0, 4000) == 4000
            && ForbidCloseRangeAndHighCloses(8192);
        _exit(ready && StartProgram({EncodeFileName(program).toStdString()}, 1) > 0 ? 0 : 1);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY2(WIFEXITED(status) && WEXITSTATUS(status) == 0, qPrintable(QString::number(status)));
    const QStringList open = ReadAllWhenDone(out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY2(open.contains(QStringLiteral("2")) && !open.contains(QStringLiteral("4000")),
             qPrintable(open.join(QLatin1Char(' '))));
}

void TestPlatform::childStartsWithDefaultSignals()
{
    // Whatever the launcher ignores, the program starts with default actions.
    struct sigaction ignore = {};
    ignore.sa_handler = SIG_IGN;
    struct sigaction saved[3] = {};
    const int ignored[3] = {SIGHUP, SIGINT, SIGUSR1};
    for (int i = 0; i < 3; ++i)
        sigaction(ignored[i], &ignore, &saved[i]);
    const QString out = path(QStringLiteral("signals"));
    const QString program = path(QStringLiteral("sigcheck"));
    QVERIFY(WriteScript(program, "grep SigIgn /proc/$$/status > '" + QFile::encodeName(out) + "'\necho done >> '"
                                     + QFile::encodeName(out) + "'\n"));
    const qint64 pid = StartProgram({EncodeFileName(program).toStdString()}, 1);
    for (int i = 0; i < 3; ++i)
        sigaction(ignored[i], &saved[i], nullptr);
    QVERIFY(pid > 0);
    const QString text = ReadAllWhenDone(out);
    QVERIFY2(text.startsWith(QStringLiteral("SigIgn:\t")), qPrintable(text));
    const quint64 ignoredMask = text.section(QLatin1Char('\t'), 1, 1).section(QLatin1Char('\n'), 0, 0).toULongLong(nullptr, 16);
    const quint64 ours = (1ULL << (SIGHUP - 1)) | (1ULL << (SIGINT - 1)) | (1ULL << (SIGUSR1 - 1));
    QVERIFY2((ignoredMask & ours) == 0, qPrintable(text));
}

void TestPlatform::headerReader_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("expected");
    QTest::newRow("0 bytes") << 0 << true << 0;
    QTest::newRow("399 bytes") << 399 << true << 399;
    QTest::newRow("400 bytes") << 400 << true << 400;
    QTest::newRow("32 KB") << 32768 << true << 400;
}

void TestPlatform::headerReader()
{
    QFETCH(int, length);
    QFETCH(bool, ok);
    QFETCH(int, expected);
    const QString rom = path(QStringLiteral("x.gb"));
    QVERIFY(WriteBytes(rom, RomBytes(length, 0x80, 0x03, 0x05, 0x00)));
    std::vector<std::uint8_t> header;
    QCOMPARE(ReadRomHeader(rom, header), ok);
    QCOMPARE(int(header.size()), expected);
    if (expected == 400) {
        QCOMPARE(int(header[0x143]), 0x80);
        QCOMPARE(int(header[0x148]), 0x05);
    }
}

void TestPlatform::headerReaderRefusesAtOnce_data()
{
    AddHostileFileRows();
    QTest::newRow("dangling link") << "dangling";
    QTest::newRow("path through a regular file") << "notdir";
    QTest::newRow("missing") << "missing";
}

void TestPlatform::headerReaderRefusesAtOnce()
{
    QFETCH(QString, kind);
    QString rom = path(QStringLiteral("x.gb"));
    if (kind == QLatin1String("dangling")) {
        QVERIFY(MakeLink(path(QStringLiteral("gone.gb")), rom));
    } else if (kind == QLatin1String("notdir")) {
        QVERIFY(WriteBytes(path(QStringLiteral("file")), "x"));
        rom = path(QStringLiteral("file/x.gb"));
    } else if (kind != QLatin1String("missing") && !MakeHostileFile(kind, rom, RomBytes(400, 0x80, 0x03, 0x05, 0x00))) {
        QSKIP("cannot make one here");
    }
    const OpenWatch watch(rom, kind);
    std::vector<std::uint8_t> header;
    const bool ok = ReadRomHeader(rom, header);
    QVERIFY(!watch.Opened());
    if (kind == QLatin1String("sparse")) {
        QVERIFY(ok);
        QCOMPARE(int(header.size()), 400);
    } else {
        QVERIFY(!ok);
        QVERIFY(header.empty());
    }
}

void TestPlatform::pictureFolderFindsNames_data()
{
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("found");
    QTest::newRow("exact") << QStringList{u"a.png"_s} << u"a.png"_s << u"a.png"_s;
    QTest::newRow("extension in capitals") << QStringList{u"a.PNG"_s} << u"a.png"_s << u"a.PNG"_s;
    QTest::newRow("name in other case") << QStringList{u"Tetris.Jpg"_s} << u"tetris.jpg"_s << QString();
    QTest::newRow("exact name first") << QStringList{u"A.png"_s, u"a.png"_s, u"a.PNG"_s} << u"a.PNG"_s << u"a.PNG"_s;
    QTest::newRow("none") << QStringList{u"b.png"_s} << u"a.png"_s << QString();
    QTest::newRow("hidden") << QStringList{u".a.png"_s} << u".a.png"_s << u".a.png"_s;
    QTest::newRow("not the folder itself") << QStringList{} << u".."_s << QString();
    QTest::newRow("no folding beyond ASCII") << QStringList{u"\u00c9.png"_s} << u"\u00e9.png"_s << QString();
}

void TestPlatform::pictureFolderFindsNames()
{
    QFETCH(QStringList, listed);
    QFETCH(QString, asked);
    QFETCH(QString, found);
    QVERIFY(QDir().mkpath(path(u"images"_s)));
    for (const QString &name : listed)
        QVERIFY(WriteBytes(path(u"images/"_s + name), "x"));
    PictureFolder folder(QFile::encodeName(path(u"images"_s)));
    const std::unique_ptr<PictureFolder::Look> look = folder.Open();
    QVERIFY(look->Descriptor() >= 0);
    QCOMPARE(QString::fromStdString(look->Find(asked.toStdString())), found);
}

// A picture added to the folder later is found: the kept listing is read again.
void TestPlatform::pictureFolderSeesChanges()
{
    QVERIFY(QDir().mkpath(path(u"images"_s)));
    // Changed long ago, so its listing is kept.
    const QByteArray images = QFile::encodeName(path(u"images"_s));
    const timespec old[2] = {{1'700'000'000, 0}, {1'700'000'000, 0}};
    QCOMPARE(utimensat(AT_FDCWD, images.constData(), old, 0), 0);
    PictureFolder folder(images);
    QCOMPARE(folder.Open()->Find("a.png"), std::string());
    QVERIFY(WriteBytes(path(u"images/a.png"_s), "x"));
    QCOMPARE(utimensat(AT_FDCWD, images.constData(), old, 0), 0); // the same time, changed all the same
    QCOMPARE(folder.Open()->Find("a.png"), std::string("a.png"));
    QVERIFY(QDir().rename(path(u"images"_s), path(u"gone"_s)));
    QCOMPARE(folder.Open()->Descriptor(), -1);
    QCOMPARE(folder.Open()->Find("a.png"), std::string());
}

void TestPlatform::pictures_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("loads");
    QTest::newRow("bitmap") << "bmp" << true;
    QTest::newRow("jpeg") << "jpg" << true;
    QTest::newRow("gif") << "gif" << true;
    QTest::newRow("missing") << "missing" << false;
    QTest::newRow("corrupt") << "corrupt" << false;
    QTest::newRow("empty file") << "empty" << false;
    QTest::newRow("truncated bitmap") << "truncbmp" << false;
    QTest::newRow("truncated jpeg") << "truncjpg" << false;
    QTest::newRow("claims 60000 by 60000") << "huge" << false;
    QTest::newRow("png") << "png" << true;
    QTest::newRow("top-down bitmap") << "topdown" << true;
    QTest::newRow("PPM named .bmp") << "ppm" << false;
    QTest::newRow("jpeg cut short after an embedded end marker") << "embeddedend" << false;
    QTest::newRow("progressive jpeg") << "progressive" << true;
    QTest::newRow("progressive jpeg of 1,000 scans") << "scans" << false;
}

void TestPlatform::pictures()
{
    QFETCH(QString, kind);
    QFETCH(bool, loads);
    const QString picture = path(QStringLiteral("p.bmp"));
    auto resource = [](const char *name) {
        QFile file(QStringLiteral(":/") + QLatin1String(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    if (kind == QLatin1String("bmp"))
        QVERIFY(WriteBytes(picture, resource("console.bmp")));
    else if (kind == QLatin1String("jpg"))
        QVERIFY(WriteBytes(picture, SampleJpeg()));
    else if (kind == QLatin1String("gif"))
        QVERIFY(WriteBytes(picture, resource("about-frame.gif")));
    else if (kind == QLatin1String("corrupt"))
        QVERIFY(WriteBytes(picture, QByteArray("BM") + QByteArray(300, '\x7f')));
    else if (kind == QLatin1String("empty"))
        QVERIFY(WriteBytes(picture, QByteArray()));
    else if (kind == QLatin1String("truncbmp"))
        QVERIFY(WriteBytes(picture, resource("console.bmp").left(30000)));
    else if (kind == QLatin1String("truncjpg"))
        QVERIFY(WriteBytes(picture, SampleJpeg().left(500)));
    else if (kind == QLatin1String("png"))
        QVERIFY(WriteBytes(picture, Encoded(QImage(8, 8, QImage::Format_RGB32), "png")));
    else if (kind == QLatin1String("topdown"))
        QVERIFY(WriteBytes(picture, TopDownBitmap()));
    else if (kind == QLatin1String("ppm"))
        QVERIFY(WriteBytes(picture, Encoded(QImage(8, 8, QImage::Format_RGB32), "ppm")));
    else if (kind == QLatin1String("embeddedend")) {
        // A comment holding an end marker, as an embedded thumbnail would.
        const QByteArray jpeg = SampleJpeg();
        QVERIFY(WriteBytes(picture, jpeg.left(2) + QByteArray("\xFF\xFE\x00\x04\xFF\xD9", 6)
                                        + jpeg.mid(2, jpeg.size() / 2)));
    } else if (kind == QLatin1String("progressive") || kind == QLatin1String("scans")) {
        QByteArray jpeg = Encoded(QImage(64, 64, QImage::Format_RGB32), "jpeg", true);
        const qsizetype lastScan = jpeg.lastIndexOf("\xFF\xDA");
        const QByteArray scan = jpeg.mid(lastScan, jpeg.size() - 2 - lastScan);
        if (kind == QLatin1String("scans"))
            jpeg = jpeg.left(jpeg.size() - 2) + scan.repeated(1000) + "\xFF\xD9";
        QVERIFY(WriteBytes(picture, jpeg));
    } else if (kind == QLatin1String("huge")) {
        QByteArray bmp = resource("console.bmp");
        qToLittleEndian<qint32>(60000, bmp.data() + 18);
        qToLittleEndian<qint32>(60000, bmp.data() + 22);
        qToLittleEndian<quint32>(0, bmp.data() + 2);
        QVERIFY(WriteBytes(picture, bmp));
    }
    QElapsedTimer timer;
    timer.start();
    const QImage image = LoadPicture(picture);
    QVERIFY(timer.elapsed() < 2000);
    QCOMPARE(!image.isNull(), loads);
    if (kind == QLatin1String("topdown"))
        QCOMPARE(image.pixelColor(0, 0), QColor(Qt::red));
}

void TestPlatform::largeJpegIsScaledDown_data()
{
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("loaded");
    QTest::newRow("JPEG: decoded smaller") << QByteArray("jpeg") << QSize(32, 24);
    QTest::newRow("PNG: refused") << QByteArray("png") << QSize(0, 0);
}

void TestPlatform::largeJpegIsScaledDown()
{
    QFETCH(QByteArray, format);
    QFETCH(QSize, loaded);
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QVERIFY(WriteBytes(path(QStringLiteral("p")), Encoded(image, format.constData())));
    QCOMPARE(LoadPicture(path(QStringLiteral("p")), 64 * 48).size(), QSize(64, 48));
    QCOMPARE(LoadPicture(path(QStringLiteral("p")), 64 * 48 / 4).size(), loaded);
}

void TestPlatform::picturesRefuseHostileFile_data()
{
    AddHostileFileRows();
}

void TestPlatform::picturesRefuseHostileFile()
{
    QFETCH(QString, kind);
    const QString picture = path(QStringLiteral("p.bmp"));
    QFile bitmap(QStringLiteral(":/console.bmp"));
    QVERIFY(bitmap.open(QIODevice::ReadOnly));
    if (!MakeHostileFile(kind, picture, bitmap.readAll()))
        QSKIP("cannot make one here");
    const OpenWatch watch(picture, kind);
    QVERIFY(LoadPicture(picture).isNull());
    QVERIFY(!watch.Opened());
}

// Pictures are looked for in images/ of the working folder (cwd) and of the
// ROM's folder (rom); a row names where each picture file lies and which one
// must be found (its width tells them apart), 0 for none.
void TestPlatform::pictureSearch_data()
{
    QTest::addColumn<QString>("rom");
    QTest::addColumn<QStringList>("pictures");
    QTest::addColumn<int>("found");
    QTest::newRow("classic name first")
        << "Tetris.gb" << QStringList{u"cwd/Tetris.bmp:10"_s, u"cwd/Tetris.png:20"_s} << 10;
    QTest::newRow("no classic: stem png") << "Quest (Japan).gbc" << QStringList{u"cwd/Quest (Japan).png:20"_s} << 20;
    QTest::newRow("png before jpg") << "a.gbc" << QStringList{u"cwd/a.jpg:30"_s, u"cwd/a.png:20"_s} << 20;
    QTest::newRow("jpeg before bmp") << "a.sgb" << QStringList{u"cwd/a.bmp:40"_s, u"cwd/a.jpeg:30"_s} << 30;
    QTest::newRow("working folder before ROM folder")
        << "a.gbc" << QStringList{u"rom/a.png:50"_s, u"cwd/a.bmp:40"_s} << 40;
    QTest::newRow("ROM folder's images") << "Tetris (World) (Rev 1).gb"
                                        << QStringList{u"rom/Tetris (World) (Rev 1).png:50"_s} << 50;
    QTest::newRow("none") << "a.gb" << QStringList{u"cwd/b.png:20"_s} << 0;
    QTest::newRow("extension in capitals") << "Tetris.gb" << QStringList{u"cwd/Tetris.BMP:10"_s} << 10;
    QTest::newRow("extension in mixed case, ROM folder") << "a.gbc" << QStringList{u"rom/a.Jpg:30"_s} << 30;
    QTest::newRow("exact name before another case")
        << "a.gbc" << QStringList{u"cwd/a.PNG:20"_s, u"cwd/a.png:25"_s} << 25;
    QTest::newRow("the name itself keeps its case") << "Tetris.gb" << QStringList{u"cwd/tetris.bmp:10"_s} << 0;
    QTest::newRow("backslashes stay in the name") << "..\\..\\secret.gb" << QStringList{u"up/secret.bmp:60"_s} << 0;
    QTest::newRow("backslash name inside images") << "..\\x.gbc" << QStringList{u"cwd/..\\x.png:70"_s} << 70;
}

void TestPlatform::pictureSearch()
{
    QFETCH(QString, rom);
    QFETCH(QStringList, pictures);
    QFETCH(int, found);
    const QString top = dir_->path() + QStringLiteral("/top");
    const QString cwd = top + QStringLiteral("/a/b");
    const QString romFolder = dir_->path() + QStringLiteral("/roms");
    QVERIFY(QDir().mkpath(cwd + QStringLiteral("/images")));
    QVERIFY(QDir().mkpath(romFolder + QStringLiteral("/images")));
    for (const QString &picture : pictures) {
        const QStringList place = picture.split(QLatin1Char(':'));
        const QString where = place.first().section(QLatin1Char('/'), 0, 0);
        const QString name = place.first().section(QLatin1Char('/'), 1);
        const QString folder = where == QLatin1String("cwd") ? cwd + QStringLiteral("/images")
            : where == QLatin1String("rom")                  ? romFolder + QStringLiteral("/images")
                                                             : cwd + QStringLiteral("/..");
        QImage image(place.last().toInt(), 8, QImage::Format_RGB32);
        image.fill(Qt::red);
        const QByteArray format = name.section(QLatin1Char('.'), -1).toLower().toLatin1();
        QVERIFY(image.save(folder + QLatin1Char('/') + name, format == "jpg" ? "jpeg" : format.constData()));
    }
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(cwd));
    const QImage picture = LoadGamePicture(romFolder, rom);
    QDir::setCurrent(previous);
    QCOMPARE(picture.isNull() ? 0 : picture.width(), found);
}

void TestPlatform::subfolders()
{
    QVERIFY(WriteBytes(path(QStringLiteral("a.gb")), "x"));
    QVERIFY(WriteBytes(path(QStringLiteral(".hidden.gb")), "x"));
    QVERIFY(QDir().mkpath(path(QStringLiteral("sub"))));
    QVERIFY(QDir().mkpath(path(QStringLiteral(".git"))));
    QVERIFY(MakeLink(path(QStringLiteral("a.gb")), path(QStringLiteral("link.gb"))));
    QVERIFY(MakeLink(path(QStringLiteral("sub")), path(QStringLiteral("sublink"))));
    QVERIFY(MakeLink(path(QStringLiteral("gone")), path(QStringLiteral("dangling.gb"))));
    QVERIFY(MakeLink(QStringLiteral("."), path(QStringLiteral("loop"))));
    QVERIFY(MakeFifo(path(QStringLiteral("pipe.gb"))));
    QStringList folders;
    QVERIFY(ListSubfolders(dir_->path(), folders));
    folders.sort();
    QCOMPARE(folders, (QStringList{u"loop"_s, u"sub"_s, u"sublink"_s}));
    QVERIFY(!ListSubfolders(path(QStringLiteral("a.gb")), folders));
    QVERIFY(folders.isEmpty());
    QVERIFY(!ListSubfolders(path(QStringLiteral("missing")), folders));
}

void TestPlatform::drives()
{
    const std::vector<Drive> drives = ListDrives();
    QVERIFY(!drives.empty());
    QCOMPARE(drives.front().root, QStringLiteral("/"));
    for (const Drive &drive : drives) {
        QVERIFY(!drive.root.startsWith(QStringLiteral("/proc")));
        QVERIFY(!drive.root.startsWith(QStringLiteral("/sys")));
        QVERIFY(!drive.label.isEmpty());
    }
    const std::vector<Drive> sample{
        {u"/"_s, u"/"_s}, {u"/media/usb"_s, u"/media/usb [USB]"_s}, {u"/media/usb2"_s, u"x"_s}};
    QCOMPARE(DriveOf(QStringLiteral("/media/usb/roms"), sample), QStringLiteral("/media/usb"));
    QCOMPARE(DriveOf(QStringLiteral("/media/usb"), sample), QStringLiteral("/media/usb"));
    QCOMPARE(DriveOf(QStringLiteral("/media/usb2/x"), sample), QStringLiteral("/media/usb2"));
    QCOMPARE(DriveOf(QStringLiteral("/media/usbother"), sample), QStringLiteral("/"));
    QCOMPARE(DriveOf(QStringLiteral("/home"), sample), QStringLiteral("/"));
}

void TestPlatform::drivesFromMountInfo_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QStringList>("roots");
    QTest::addColumn<QStringList>("labels"); // empty: the roots as they are
    auto row = [](const char *tag, const char *point, const char *type, std::initializer_list<const char *> roots,
                  std::initializer_list<const char *> labels = {}) {
        QStringList rootList;
        for (const char *root : roots)
            rootList << QString::fromUtf8(root);
        QStringList labelList;
        for (const char *label : labels)
            labelList << QString::fromUtf8(label);
        QTest::newRow(tag) << QByteArray("36 25 8:1 / ") + point + " rw,relatime shared:1 - " + type + " /dev/sdb1 rw"
                           << rootList << labelList;
    };
    row("usb stick", "/media/me/USB", "vfat", {"/", "/media/me/USB"});
    row("escaped blank", "/mnt/usb\\040stick", "ext4", {"/", "/mnt/usb stick"});
    row("escaped backslash and tab", "/mnt/a\\134b\\011c", "ext4", {"/", "/mnt/a\\b\tc"}, {"/", "/mnt/a\\b\\011c"});
    row("escaped newline", "/mnt/two\\012lines", "ext4", {"/", "/mnt/two\nlines"}, {"/", "/mnt/two\\012lines"});
    row("line separator", "/mnt/a\u2028b", "ext4", {"/", "/mnt/a\u2028b"}, {"/", "/mnt/a\\u2028b"});
    row("terminal escape", "/mnt/a\x1b[2Jb", "ext4", {"/", "/mnt/a\x1b[2Jb"}, {"/", "/mnt/a\\033[2Jb"});
    row("network share", "/mnt/share", "cifs", {"/", "/mnt/share"});
    row("fuse share", "/home/me/remote", "fuse.sshfs", {"/", "/home/me/remote"});
    row("udisks under /run/media", "/run/media/me/DISK", "ext4", {"/", "/run/media/me/DISK"});
    row("bind-mounted file into /etc", "/etc/hostname", "ext4", {"/"});
    row("another /etc file", "/etc/resolv.conf", "ext4", {"/"});
    row("proc", "/proc", "proc", {"/"});
    row("tmpfs", "/home/me/tmp", "tmpfs", {"/"});
    row("overlay root", "/", "overlay", {"/"});
    row("/run/user", "/run/user/1000", "ext4", {"/"});
    row("/boot/efi", "/boot/efi", "vfat", {"/"});
    row("snap", "/snap/core/1", "squashfs", {"/"});
    row("/usr", "/usr", "ext4", {"/"});
    QTest::newRow("optional fields") << QByteArray("36 25 8:1 / /data rw master:2 shared:3 - ext4 /dev/sdc rw")
                                     << QStringList{u"/"_s, u"/data"_s} << QStringList();
    QTest::newRow("mounted twice over") << QByteArray("1 0 8:1 / /data rw - ext4 a rw\n2 1 8:2 / /data rw - ext4 b rw")
                                        << QStringList{u"/"_s, u"/data"_s} << QStringList();
    QTest::newRow("cut short") << QByteArray("36 25 8:1 / /data rw") << QStringList{u"/"_s} << QStringList();
    QTest::newRow("empty") << QByteArray() << QStringList{u"/"_s} << QStringList();
}

void TestPlatform::drivesFromMountInfo()
{
    QFETCH(QByteArray, line);
    QFETCH(QStringList, roots);
    QFETCH(QStringList, labels);
    QStringList found;
    QStringList shown;
    for (const Drive &drive : DrivesFromMountInfo(line)) {
        found << drive.root;
        shown << drive.label;
    }
    QCOMPARE(found, roots);
    QCOMPARE(shown, labels.isEmpty() ? roots : labels);
}

VEXA_TEST_MAIN(TestPlatform)
#include "test_platform.moc"
