#include "TestFiles.h"
#include "TestMain.h"

#include "controls/DirListBox.h"
#include "controls/FileListBox.h"
#include "launcher/PathArrival.h"
#include "launcher/Vexa.h"
#include "core/FilePattern.h"
#include "platform/SettingNames.h"
#include "platform/FileNames.h"
#include "platform/SingleInstance.h"

#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QSettings>

#include <atomic>
#include <cstring>
#include <memory>
#include <thread>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>

using namespace Qt::StringLiterals;

namespace {

sockaddr_un AddressOf(const QString &socketPath)
{
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(socketPath);
    std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
    return address;
}

// A client connected to socketPath (non-blocking), or -1 when it is refused.
int ConnectTo(const QString &socketPath)
{
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    const sockaddr_un address = AddressOf(socketPath);
    if (connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0)
        return fd;
    close(fd);
    return -1;
}

// Hands over from another thread, as from another process, while this one runs
// the running launcher's events; 1 when it was taken, 0 when not.
int HandOverAside(const QString &socketPath, HandOverKind kind, const QByteArray &path)
{
    std::atomic<int> handed{-1};
    std::thread other([&] { handed = HandOver(socketPath, kind, path, 2000) ? 1 : 0; });
    WaitFor([&] { return handed.load() != -1; }, 4000);
    other.join();
    return handed.load();
}

QString StoredRomPath()
{
    return QSettings(SettingsFile(), QSettings::IniFormat).value(SettingNames::Path(SettingNames::RomPath)).toString();
}

QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int ThreadCount()
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("Threads:"))
            return line.mid(8).trimmed().toInt();
    }
    return -1;
}

} // namespace

class TestHandOver : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void handOver_data();
    void handOver();
    void shortReadsMakeOneRequest_data();
    void shortReadsMakeOneRequest();
    void otherUsersRefused();
    void onlyASocketIsReplaced_data();
    void onlyASocketIsReplaced();
    void socketPrivateAndRemovedAtClose();
    void silentClientsHoldNothing();
    void runtimeFolder_data();
    void runtimeFolder();

    void archiveWithoutRom_data();
    void archiveWithoutRom();
    void boxKeepsTheKeyboard();
    void looksOnADeadShareBounded();

private:
    QString path(const QString &name) const { return work_->filePath(name); }
    std::unique_ptr<QTemporaryDir> work_;
};

void TestHandOver::init()
{
    work_ = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir::setCurrent(work_->path()));
}

void TestHandOver::cleanup()
{
    QDir::setCurrent(QDir::tempPath());
    work_.reset();
}

void TestHandOver::handOver_data()
{
    QTest::addColumn<bool>("stale");
    QTest::addColumn<HandOverKind>("kind");
    QTest::addColumn<QByteArray>("path");
    QTest::newRow("a ROM path") << false << HandOverKind::Open << QByteArray("/roms/Tetris (World).gb");
    QTest::newRow("no path: come to the front") << false << HandOverKind::Open << QByteArray();
    QTest::newRow("a name that is not UTF-8") << false << HandOverKind::Open << QByteArray("/roms/caf\xE9\n.gb");
    QTest::newRow("blanks at the end kept") << false << HandOverKind::Open << QByteArray("/roms/a.gb \n");
    QTest::newRow("the library") << false << HandOverKind::Library << QByteArray();
    QTest::newRow("a socket file left by a crash") << true << HandOverKind::Open << QByteArray("/r/a.gb");
}

void TestHandOver::handOver()
{
    QFETCH(bool, stale);
    QFETCH(HandOverKind, kind);
    QFETCH(QByteArray, path);
    const QString socketPath = this->path(u"vexa-launcher.socket"_s);
    if (stale) {
        // Bound and never listened on, then left behind, as by a launcher killed.
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        const sockaddr_un address = AddressOf(socketPath);
        QVERIFY(bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0);
        close(fd);
    }
    // Nobody listens: the new launcher opens its own window.
    QVERIFY(!Listening(socketPath));
    QVERIFY(!HandOver(socketPath, kind, path, 2000));

    InstanceServer running;
    QSignalSpy handed(&running, &InstanceServer::Handed);
    QVERIFY(running.Listen(socketPath));
    InstanceServer second;
    QVERIFY(!second.Listen(socketPath));
    QVERIFY(Listening(socketPath));
    QCOMPARE(HandOverAside(socketPath, kind, path), 1);
    QCOMPARE(handed.count(), 1);
    QCOMPARE(handed.first().at(0).value<HandOverKind>(), kind);
    QCOMPARE(handed.first().at(1).toByteArray(), path);
}

void TestHandOver::shortReadsMakeOneRequest_data()
{
    QTest::addColumn<QByteArrayList>("writes");
    QTest::addColumn<int>("handed");
    QTest::newRow("greeting, then the path") << QByteArrayList{"vexa-launcher open\n", "/roms/a.gb"} << 1;
    QTest::newRow("cut inside the greeting") << QByteArrayList{"vexa-laun", "cher open\n/roms/a.gb"} << 1;
    QTest::newRow("cut inside the path") << QByteArrayList{"vexa-launcher open\n/roms/", "a.gb"} << 1;
    QTest::newRow("a kind nobody knows") << QByteArrayList{"vexa-launcher erase\n", "/roms/a.gb"} << 0;
    QTest::newRow("not a launcher") << QByteArrayList{"GET / HTTP/1.0\n", "/roms/a.gb"} << 0;
}

void TestHandOver::shortReadsMakeOneRequest()
{
    QFETCH(QByteArrayList, writes);
    QFETCH(int, handed);
    const QString socketPath = path(u"vexa-launcher.socket"_s);
    InstanceServer running;
    QSignalSpy spy(&running, &InstanceServer::Handed);
    QVERIFY(running.Listen(socketPath));
    const int fd = ConnectTo(socketPath);
    QVERIFY(fd >= 0);
    for (const QByteArray &part : writes) {
        QCOMPARE(send(fd, part.constData(), static_cast<std::size_t>(part.size()), MSG_NOSIGNAL), part.size());
        // The running launcher reads what has come so far before the rest is sent.
        QVERIFY(WaitFor([&] { return running.Clients() == 1; }));
        QTest::qWait(20);
    }
    shutdown(fd, SHUT_WR);
    QVERIFY(WaitFor([&] { return running.Clients() == 0; }));
    close(fd);
    QCOMPARE(spy.count(), handed);
    if (handed)
        QCOMPARE(spy.first().at(1).toByteArray(), QByteArray("/roms/a.gb"));
}

void TestHandOver::otherUsersRefused()
{
    // A launcher that takes hand-overs from another user only: this user's is refused.
    const QString socketPath = path(u"vexa-launcher.socket"_s);
    InstanceServer running(nullptr, geteuid() + 1);
    QSignalSpy handed(&running, &InstanceServer::Handed);
    QVERIFY(running.Listen(socketPath));
    QCOMPARE(HandOverAside(socketPath, HandOverKind::Open, "/roms/a.gb"), 0);
    QCOMPARE(handed.count(), 0);
    QCOMPARE(running.Clients(), 0);
}

void TestHandOver::onlyASocketIsReplaced_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("a regular file") << "file";
    QTest::newRow("a folder") << "folder";
    QTest::newRow("a link to a file") << "link";
}

void TestHandOver::onlyASocketIsReplaced()
{
    QFETCH(QString, kind);
    const QString socketPath = path(u"vexa-launcher.socket"_s);
    const QString file = path(u"thesis.txt"_s);
    QVERIFY(WriteBytes(file, "my thesis"));
    if (kind == "file"_L1)
        QVERIFY(WriteBytes(socketPath, "x"));
    else if (kind == "folder"_L1)
        QVERIFY(QDir().mkdir(socketPath));
    else
        QVERIFY(MakeLink(file, socketPath));
    struct stat before = {};
    QCOMPARE(lstat(QFile::encodeName(socketPath).constData(), &before), 0);
    {
        InstanceServer running;
        QVERIFY(!running.Listen(socketPath));
    }
    struct stat after = {};
    QCOMPARE(lstat(QFile::encodeName(socketPath).constData(), &after), 0);
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(after.st_mode, before.st_mode);
    QCOMPARE(ReadBytes(file), QByteArray("my thesis"));
}

void TestHandOver::socketPrivateAndRemovedAtClose()
{
    const QString socketPath = path(u"vexa-launcher.socket"_s);
    const QByteArray name = QFile::encodeName(socketPath);
    const mode_t umaskBefore = umask(0);
    struct stat info = {};
    {
        InstanceServer running;
        const bool listening = running.Listen(socketPath);
        umask(umaskBefore);
        QVERIFY(listening);
        QCOMPARE(lstat(name.constData(), &info), 0);
        QVERIFY(S_ISSOCK(info.st_mode));
        QCOMPARE(info.st_mode & 07777, mode_t{0600});
    }
    QCOMPARE(lstat(name.constData(), &info), -1);
    // A socket another launcher put in its place meanwhile stays.
    {
        InstanceServer running;
        QVERIFY(running.Listen(socketPath));
        QVERIFY(QFile::remove(socketPath));
        InstanceServer next;
        QVERIFY(next.Listen(socketPath));
        QCOMPARE(lstat(name.constData(), &info), 0);
        const ino_t nextSocket = info.st_ino;
        {
            InstanceServer ending;
            ending.Listen(path(u"other.socket"_s));
        }
        QCOMPARE(lstat(name.constData(), &info), 0);
        QCOMPARE(info.st_ino, nextSocket);
    }
}

void TestHandOver::silentClientsHoldNothing()
{
    const QString socketPath = path(u"vexa-launcher.socket"_s);
    InstanceServer running;
    running.ReceiveWaitMs = 100;
    QSignalSpy handed(&running, &InstanceServer::Handed);
    QVERIFY(running.Listen(socketPath));
    // 1,019 connections that send nothing: as many as get through stay open.
    std::vector<int> silent;
    for (int i = 0; i < 1019; ++i) {
        const int fd = ConnectTo(socketPath);
        if (fd >= 0)
            silent.push_back(fd);
        if (i % 64 == 0)
            QCoreApplication::processEvents();
    }
    QVERIFY(!silent.empty());
    int most = 0;
    QVERIFY(WaitFor([&] {
        most = std::max(most, running.Clients());
        return running.Clients() == 0;
    }));
    QVERIFY(most > 0);
    QVERIFY2(most <= InstanceServer::kMaxClients, qPrintable(QString::number(most)));
    // Each was dropped after its wait: a launcher's hand-over gets through, the silent ones still open.
    QCOMPARE(HandOverAside(socketPath, HandOverKind::Open, "/roms/a.gb"), 1);
    QCOMPARE(handed.count(), 1);
    for (const int fd : silent)
        close(fd);
}

void TestHandOver::runtimeFolder_data()
{
    QTest::addColumn<QString>("runtime"); // XDG_RUNTIME_DIR; "-": unset
    QTest::addColumn<QString>("make");    // what is at the folder before
    QTest::addColumn<QString>("folder");  // the socket's folder; empty: none
    QTest::newRow("the user's own private folder") << "%w/run" << "0700" << "%w/run";
    QTest::newRow("readable by others") << "%w/run" << "0755" << "";
    QTest::newRow("shared with everybody") << "%w/run" << "1777" << "";
    QTest::newRow("a link to a private folder") << "%w/run" << "link" << "";
    QTest::newRow("missing") << "%w/run" << "" << "";
    QTest::newRow("unset: a private folder made in the temporary folder") << "-" << "" << "%w/runtime-%u";
    QTest::newRow("unset, and the replacement is shared") << "-" << "0777 replacement" << "";
    QTest::newRow("relative: taken as unset") << "run" << "" << "%w/runtime-%u";
}

void TestHandOver::runtimeFolder()
{
    QFETCH(QString, runtime);
    QFETCH(QString, make);
    QFETCH(QString, folder);
    QProcess whoami;
    whoami.start(u"id"_s, {u"-un"_s});
    QVERIFY(whoami.waitForFinished());
    const QString name = QString::fromLocal8Bit(whoami.readAllStandardOutput().trimmed());
    runtime.replace(u"%w"_s, work_->path());
    folder.replace(u"%w"_s, work_->path()).replace(u"%u"_s, name);
    const QString made = make.endsWith(u" replacement"_s) ? work_->filePath(u"runtime-"_s + name) : runtime;
    if (make == "link"_L1) {
        QVERIFY(QDir().mkdir(path(u"private"_s)));
        QVERIFY(chmod(QFile::encodeName(path(u"private"_s)).constData(), 0700) == 0);
        QVERIFY(MakeLink(path(u"private"_s), made));
    } else if (!make.isEmpty()) {
        QVERIFY(QDir().mkdir(made));
        QVERIFY(chmod(QFile::encodeName(made).constData(), make.left(4).toUInt(nullptr, 8)) == 0);
    }
    const QByteArray runtimeBefore = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray tmpBefore = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(work_->path()));
    if (runtime == "-"_L1)
        qunsetenv("XDG_RUNTIME_DIR");
    else
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    const QString socketPath = InstanceSocketPath();
    qputenv("XDG_RUNTIME_DIR", runtimeBefore);
    qputenv("TMPDIR", tmpBefore);
    QCOMPARE(socketPath, folder.isEmpty() ? QString() : folder + u"/vexa-launcher.socket"_s);
    if (!folder.isEmpty())
        QVERIFY(PrivateFolder(folder));
}

void TestHandOver::archiveWithoutRom_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("named on the command line") << "argument";
    QTest::newRow("dropped") << "drop";
    QTest::newRow("handed over") << "hand-over";
}

void TestHandOver::archiveWithoutRom()
{
    QFETCH(QString, way);
    const QString photos = path(u"Documents/holiday-photos.zip"_s);
    QVERIFY(QDir().mkpath(path(u"Documents"_s)));
    QProcess maker;
    maker.start(u"python3"_s, {QStringLiteral(VEXA_MAKE_ARCHIVE), u"none"_s, photos});
    QVERIFY(maker.waitForFinished(60000) && maker.exitCode() == 0);
    QVERIFY(QDir().mkpath(path(u"roms"_s)));
    QVERIFY(WriteBytes(path(u"roms/a.gb"_s), RomBytes(400, 0, 0, 0, 0)));
    Vexa window;
    QStringList told;
    window.showProblem = [&told](const QString &message) { told << message; };
    window.Dir1->SetPath(path(u"roms"_s));
    QVERIFY(WaitFor([&] { return !window.Busy() && window.File1->ListCount() == 1; }));
    const QString stored = StoredRomPath();
    if (way == "argument"_L1) {
        window.Arrival()->Open(photos, false);
    } else if (way == "drop"_L1) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(photos)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &drop);
        QVERIFY(drop.isAccepted());
    } else {
        window.Arrival()->HandedOver(HandOverKind::Open, QFile::encodeName(photos));
    }
    QVERIFY(WaitFor([&] { return !told.isEmpty() && !window.Busy(); }));
    QCOMPARE(told, QStringList{photos + u" cannot be opened: it holds no ROM."_s});
    QCOMPARE(window.Dir1->Path(), path(u"roms"_s));
    QCOMPARE(window.File1->ListCount(), 1);
    QCOMPARE(StoredRomPath(), stored);
}

void TestHandOver::boxKeepsTheKeyboard()
{
    Vexa window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.showProblem(u"The folder /x cannot be read."_s);
    QPointer<QWidget> box = QApplication::activeModalWidget();
    QVERIFY(box);
    QVERIFY(QTest::qWaitForWindowActive(box));
    // Another launcher hands over nothing: the window comes forward, the box stays its front.
    window.Arrival()->HandedOver(HandOverKind::Open, QByteArray());
    QCoreApplication::processEvents();
    QCOMPARE(QApplication::activeWindow(), box.data());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(WaitFor([&] { return !box; }));
}

void TestHandOver::looksOnADeadShareBounded()
{
    // Archives whose reads never answer until the share comes back.
    QVERIFY(QDir().mkpath(path(u"share"_s)) && QDir().mkpath(path(u"roms"_s)));
    for (int i = 0; i < 3; ++i)
        QVERIFY(WriteBytes(path(u"share/%1.zip"_s.arg(i)), "PK"));
    QVERIFY(WriteBytes(path(u"roms/a.gb"_s), RomBytes(400, 0, 0, 0, 0)));
    auto share = std::make_shared<Gate>();
    Vexa window;
    window.File1->archiveReader = [share](const QString &, const FilePattern &) {
        share->Wait();
        return ArchiveRoms{};
    };
    QVERIFY(WaitFor([&] { return !window.Busy(); }));
    const int before = ThreadCount();
    QStringList said;
    for (int i = 0; i < 200; ++i)
        window.Arrival()->Open(path(u"share/%1.zip"_s.arg(i % 3)), true, [&said](const QString &why) { said << why; });
    QTest::qWait(50);
    QVERIFY2(ThreadCount() - before <= PathArrival::kLookLimit, qPrintable(QString::number(ThreadCount() - before)));
    QVERIFY(!said.isEmpty());
    QCOMPARE(said.last(), u"earlier paths are still being checked"_s);
    // Once the share answers, a path is looked at again; the superseded ones say nothing more.
    share->Open();
    QVERIFY(WaitFor([&] { return ThreadCount() <= before; }));
    said.clear();
    window.Arrival()->Open(path(u"roms/a.gb"_s), true, [&said](const QString &why) { said << why; });
    QVERIFY(WaitFor([&] { return !said.isEmpty() && !window.Busy(); }));
    QCOMPARE(said, QStringList{QString()});
    QCOMPARE(window.Game, path(u"roms/a.gb"_s));
}

VEXA_TEST_MAIN(TestHandOver)
#include "test_handover.moc"
