#include "TestFiles.h"
#include "TestMain.h"

#include "about/frmAbout.h"
#include "controls/DirListBox.h"
#include "controls/EventLabel.h"
#include "controls/FileListBox.h"
#include "controls/StatusBar.h"
#include "controls/ComboBox.h"
#include "launcher/Vexa.h"
#include "platform/ProgramEndWatch.h"
#include "platform/SettingNames.h"

#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSettings>

#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>

namespace {

QString Driver()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/vexa_driver");
}

// Whether the process has a handler of its own for the signal.
bool Catches(qint64 pid, int signal)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1U;
    }
    return false;
}

int OpenDescriptors()
{
    return static_cast<int>(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::NoDotAndDotDot | QDir::System).size());
}

long ResidentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toLong() * (sysconf(_SC_PAGESIZE) / 1024) : 0;
}

bool Sanitized()
{
#if defined(__SANITIZE_ADDRESS__)
    return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    return true;
#else
    return false;
#endif
#else
    return false;
#endif
}

} // namespace

class TestFaults : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void killedAfterEachFolderChange();
    void stopSignalsCloseTheLauncher_data();
    void stopSignalsCloseTheLauncher();
    void twoLaunchersAtOnce();
    void thousandLaunchesLeaveNothingBehind();
    void emulatorThatNeverExits();
    void startupWithBrokenStore_data();
    void startupWithBrokenStore();
    void symlinkLoopInFolderList();
    void veryLongPath();
    void hundredThousandEntries();
    void aboutWindowCyclesDoNotGrow();
    void closedStandardStreamsAreReopened();

private:
    QString path(const QString &name) const { return work_->filePath(name); }
    QTemporaryDir *work_ = nullptr;
    QString previousDir_;
    QByteArray previousPath_;
};

void TestFaults::init()
{
    QFile::remove(SettingsFile());
    work_ = new QTemporaryDir;
    previousDir_ = QDir::currentPath();
    QDir::setCurrent(work_->path());
    previousPath_ = qgetenv("PATH");
}

void TestFaults::cleanup()
{
    qputenv("PATH", previousPath_);
    QDir::setCurrent(previousDir_);
    delete work_;
}

void TestFaults::killedAfterEachFolderChange()
{
    QString last = work_->path();
    for (int round = 0; round < 50; ++round) {
        const QString folder = path(QStringLiteral("roms %1").arg(round));
        QVERIFY(QDir().mkpath(folder));
        QProcess driver;
        driver.start(Driver(), {QStringLiteral("kill"), folder});
        QVERIFY(driver.waitForFinished(20000));
        QCOMPARE(driver.exitStatus(), QProcess::CrashExit);
        // Each start restored the folder the one before was killed in.
        QCOMPARE(QString::fromLocal8Bit(driver.readAllStandardOutput()).trimmed(), last);
        QFile file(SettingsFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.startsWith("[Options]"));
        QVERIFY(text.endsWith('\n'));
        QSettings onDisk(SettingsFile(), QSettings::IniFormat);
        QCOMPARE(onDisk.status(), QSettings::NoError);
        QCOMPARE(onDisk.value(SettingNames::Path(SettingNames::RomPath)).toString(), folder);
        last = folder;
    }
}

void TestFaults::stopSignalsCloseTheLauncher_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT") << int(SIGINT);
    QTest::newRow("SIGHUP") << int(SIGHUP);
}

// Asked to stop, the launcher closes as its close box closes it: the games
// are counted and it exits normally.
void TestFaults::stopSignalsCloseTheLauncher()
{
    QFETCH(int, signal);
    QVERIFY(WriteBytes(path(QStringLiteral("a.gb")), "rom"));
    QProcess launcher;
    launcher.setWorkingDirectory(work_->path());
    launcher.start(QStringLiteral(VEXA_LAUNCHER), {});
    QVERIFY(launcher.waitForStarted());
    QVERIFY(WaitFor([&] { return Catches(launcher.processId(), signal); }, 10000));
    QVERIFY(kill(static_cast<pid_t>(launcher.processId()), signal) == 0);
    QVERIFY(launcher.waitForFinished(10000));
    QCOMPARE(launcher.exitStatus(), QProcess::NormalExit);
    QCOMPARE(launcher.exitCode(), 0);
    QSettings onDisk(SettingsFile(), QSettings::IniFormat);
    QCOMPARE(onDisk.value(SettingNames::Path(SettingNames::TotGames)).toString(), QStringLiteral("1"));
}

void TestFaults::twoLaunchersAtOnce()
{
    const QStringList folders{path(QStringLiteral("a1")), path(QStringLiteral("a2")), path(QStringLiteral("b1")),
                              path(QStringLiteral("b2"))};
    for (const QString &folder : folders)
        QVERIFY(QDir().mkpath(folder));
    QProcess first, second;
    first.start(Driver(), {QStringLiteral("churn"), QStringLiteral("100"), folders.at(0), folders.at(1)});
    second.start(Driver(), {QStringLiteral("churn"), QStringLiteral("100"), folders.at(2), folders.at(3)});
    QVERIFY(first.waitForFinished(60000));
    QVERIFY(second.waitForFinished(60000));
    QCOMPARE(first.exitCode(), 0);
    QCOMPARE(second.exitCode(), 0);
    QSettings onDisk(SettingsFile(), QSettings::IniFormat);
    QCOMPARE(onDisk.status(), QSettings::NoError);
    QVERIFY(folders.contains(onDisk.value(SettingNames::Path(SettingNames::RomPath)).toString()));
}

void TestFaults::thousandLaunchesLeaveNothingBehind()
{
    QVERIFY(QDir().mkpath(path(QStringLiteral("bin"))));
    QVERIFY(QFile::link(QStringLiteral("/bin/true"), path(QStringLiteral("bin/vexa"))));
    qputenv("PATH", QFile::encodeName(path(QStringLiteral("bin"))) + ":" + previousPath_);
    Vexa window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(WaitFor([&] { return !window.Busy(); }));
    window.RunDown->show();
    // Each start is made in the background, then watched until its emulator has ended.
    auto watched = [&] { return window.Busy() || !window.findChildren<ProgramEndWatch *>().isEmpty(); };
    QTest::mouseClick(window.RunDown, Qt::LeftButton);
    QVERIFY(WaitFor([&] { return !watched(); }));
    const int descriptors = OpenDescriptors();
    for (int i = 0; i < 1000; ++i)
        QTest::mouseClick(window.RunDown, Qt::LeftButton);
    QVERIFY(WaitFor([&] { return !watched(); }, 20000));
    QCOMPARE(OpenDescriptors(), descriptors);
    QVERIFY(waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD);
    QVERIFY(window.Text1->text().startsWith(QStringLiteral("vexa  -rtsdir")));
}

void TestFaults::emulatorThatNeverExits()
{
    QVERIFY(QDir().mkpath(path(QStringLiteral("bin"))));
    const QString pids = path(QStringLiteral("pids"));
    QVERIFY(WriteScript(path(QStringLiteral("bin/vexa")),
                        "echo $$ >> '" + QFile::encodeName(pids) + "'\nexec sleep 60\n"));
    qputenv("PATH", QFile::encodeName(path(QStringLiteral("bin"))) + ":" + previousPath_);
    Vexa window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(WaitFor([&] { return !window.Busy(); }));
    window.RunDown->show();
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < 51; ++i)
        QTest::mouseClick(window.RunDown, Qt::LeftButton);
    // Fifty emulators still running do not hold the launcher or the 51st start.
    QVERIFY(timer.elapsed() < 20000);
    auto started = [&] {
        QFile file(pids);
        return file.open(QIODevice::ReadOnly) ? file.readAll().split('\n').size() - 1 : 0;
    };
    QTRY_COMPARE(started(), 51);
    QFile file(pids);
    QVERIFY(file.open(QIODevice::ReadOnly));
    for (const QByteArray &pid : file.readAll().split('\n')) {
        if (!pid.isEmpty())
            kill(pid.toInt(), SIGKILL);
    }
    QVERIFY(waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD);
}

void TestFaults::startupWithBrokenStore_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("random bytes") << "random";
    QTest::newRow("settings folder is a file") << "folderfile";
    QTest::newRow("settings file is a folder") << "filefolder";
    QTest::newRow("RomPath holds a file") << "file";
    QTest::newRow("RomPath names a missing folder") << "missing";
    QTest::newRow("RomPath holds a newline") << "newline";
    QTest::newRow("RomPath of 10,000 characters") << "long";
    QTest::newRow("lock that cannot be taken") << "lock";
}

void TestFaults::startupWithBrokenStore()
{
    QFETCH(QString, kind);
    const QString home = path(QStringLiteral("config"));
    QVERIFY(QDir().mkpath(home));
    const ConfigHomeOverride override(home);
    const QString file = home + QStringLiteral("/Vexa/Vexa.conf");
    QString restored = work_->path();
    QDir().mkpath(home + QStringLiteral("/Vexa"));
    auto store = [&](const QString &value) {
        QSettings settings(file, QSettings::IniFormat);
        settings.setValue(SettingNames::Path(SettingNames::RomPath), value);
    };
    if (kind == QLatin1String("random")) {
        QByteArray junk(8192, '\0');
        for (int i = 0; i < junk.size(); ++i)
            junk[i] = static_cast<char>(QRandomGenerator::global()->bounded(256));
        QVERIFY(WriteBytes(file, junk));
    } else if (kind == QLatin1String("folderfile")) {
        QDir(home + QStringLiteral("/Vexa")).removeRecursively();
        QVERIFY(WriteBytes(home + QStringLiteral("/Vexa"), "x"));
    } else if (kind == QLatin1String("filefolder")) {
        QVERIFY(QDir().mkpath(file));
    } else if (kind == QLatin1String("file")) {
        QVERIFY(WriteBytes(path(QStringLiteral("plain")), "x"));
        store(path(QStringLiteral("plain")));
    } else if (kind == QLatin1String("missing")) {
        store(path(QStringLiteral("missing")));
    } else if (kind == QLatin1String("newline")) {
        store(work_->path() + QStringLiteral("\n/etc"));
    } else if (kind == QLatin1String("long")) {
        store(QString(10000, QLatin1Char('q')));
    } else {
        // Start-up shows the stored folder and writes nothing, so needs no lock.
        restored = path(QStringLiteral("stored"));
        QVERIFY(QDir().mkpath(restored));
        store(restored);
        QVERIFY(QDir().mkpath(file + QStringLiteral(".lock")));
    }
    Vexa window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(WaitFor([&] { return !window.Busy(); }));
    QCOMPARE(window.Dir1->Path(), restored);
    // The window stays usable: a folder change and closing work.
    QVERIFY(QDir().mkpath(path(QStringLiteral("next"))));
    window.Dir1->SetPath(path(QStringLiteral("next")));
    QVERIFY(WaitFor([&] { return !window.Busy(); }, 20000));
    QCOMPARE(window.Text1->text(), path(QStringLiteral("next")));
    QVERIFY(window.close());
}

void TestFaults::symlinkLoopInFolderList()
{
    QVERIFY(MakeLink(QStringLiteral("."), path(QStringLiteral("loop"))));
    DirListBox list;
    list.show();
    list.SetPath(work_->path());
    for (int i = 0; i < 30; ++i) {
        QVERIFY(WaitFor([&] { return !list.Pending() && list.count() > 0
                                     && list.item(list.count() - 1)->text() == QLatin1String("loop")
                                     && list.Path().count(QStringLiteral("/loop")) == i; }));
        emit list.itemActivated(list.item(list.count() - 1));
    }
    QVERIFY(WaitFor([&] { return !list.Pending(); }));
    QVERIFY(list.Path().endsWith(QStringLiteral("/loop/loop")));
    QCOMPARE(list.Path().count(QStringLiteral("/loop")), 30);
}

void TestFaults::veryLongPath()
{
    // Twenty folders of 199 characters: a path of over 4,000 characters.
    const QByteArray part(199, 'd');
    const int top = open(QFile::encodeName(work_->path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    int fd = top;
    for (int i = 0; i < 20; ++i) {
        QCOMPARE(mkdirat(fd, part.constData(), 0755), 0);
        const int next = openat(fd, part.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd != top)
            close(fd);
        fd = next;
    }
    const int rom = openat(fd, "deep.gb", O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
    QVERIFY(rom >= 0);
    QVERIFY(write(rom, RomBytes(400, 0x80, 0x03, 0x05, 0x00).constData(), 400) == 400);
    close(rom);
    close(fd);
    close(top);
    QString deep = work_->path();
    for (int i = 0; i < 20; ++i)
        deep += QLatin1Char('/') + QString::fromLatin1(part);
    QVERIFY(deep.size() > 4000);

    Vexa window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(WaitFor([&] { return !window.Busy(); }));
    window.Dir1->SetPath(deep);
    QVERIFY(WaitFor([&] { return !window.Busy(); }, 20000));
    QCOMPARE(window.Dir1->Path(), deep);
    QCOMPARE(window.File1->Names(), QStringList{QStringLiteral("deep.gb")});
    window.File1->setCurrentIndex(window.File1->model()->index(0, 0));
    QCOMPARE(window.Game, deep + QStringLiteral("/deep.gb"));
    QVERIFY(WaitFor([&] { return !window.Busy(); }));
    QCOMPARE(window.StatusBar1->PanelAt(4).text, QStringLiteral("8MBit"));
    QSettings onDisk(SettingsFile(), QSettings::IniFormat);
    QCOMPARE(onDisk.value(SettingNames::Path(SettingNames::RomPath)).toString(), deep);
}

void TestFaults::hundredThousandEntries()
{
    const QString big = path(QStringLiteral("big"));
    QVERIFY(QDir().mkpath(big));
    for (int i = 0; i < 100000; ++i) {
        const QByteArray name = QFile::encodeName(big) + "/rom" + QByteArray::number(i) + (i % 2 ? ".gb" : ".txt");
        const int fd = open(name.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
        QVERIFY(fd >= 0);
        close(fd);
    }
    Vexa window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(WaitFor([&] { return !window.Busy(); }));
    window.Dir1->SetPath(big);
    QVERIFY(WaitFor([&] { return !window.Busy(); }, 20000));
    QCOMPARE(window.File1->ListCount(), 50000);
    QVERIFY(window.close());
    QSettings onDisk(SettingsFile(), QSettings::IniFormat);
    QCOMPARE(onDisk.value(SettingNames::Path(SettingNames::TotGames)).toString(), QStringLiteral("32767"));
}

void TestFaults::aboutWindowCyclesDoNotGrow()
{
    if (Sanitized())
        QSKIP("AddressSanitizer holds freed memory in quarantine; resident size says nothing here");
    Vexa window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(WaitFor([&] { return !window.Busy(); }));
    auto cycle = [&] {
        QTest::mouseClick(window.Command2, Qt::LeftButton);
        QPointer<frmAbout> about = window.About();
        if (!about)
            return false;
        about->beep = [] {};
        if (!QTest::qWaitFor([&] { return about->FramesDrawn() >= 1; }, 5000))
            return false;
        QTest::mouseClick(about->lblExit, Qt::LeftButton);
        return QTest::qWaitFor([&] { return about.isNull(); }, 5000);
    };
    for (int i = 0; i < 20; ++i)
        QVERIFY(cycle());
    const long before = ResidentKiB();
    for (int i = 0; i < 200; ++i)
        QVERIFY(cycle());
    const long growth = ResidentKiB() - before;
    qInfo("resident size after 200 About window cycles: %+ld KiB", growth);
    QVERIFY2(growth < 2048, qPrintable(QStringLiteral("%1 KiB").arg(growth)));
}

void TestFaults::closedStandardStreamsAreReopened()
{
    const QString launcher = QCoreApplication::applicationDirPath() + QStringLiteral("/../vexa-launcher");
    QProcess shell;
    shell.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), QStringLiteral("exec \"$0\" <&- >&- 2>&-"), launcher});
    QVERIFY(shell.waitForStarted());
    const QString fds = QStringLiteral("/proc/%1/fd/").arg(shell.processId());
    const bool onNull = WaitFor([&] {
        for (int fd = 0; fd <= 2; ++fd) {
            if (QFile::symLinkTarget(fds + QString::number(fd)) != QLatin1String("/dev/null"))
                return false;
        }
        return true;
    });
    shell.kill();
    shell.waitForFinished();
    QVERIFY(onNull);
}

VEXA_TEST_MAIN(TestFaults)
#include "test_faults.moc"
