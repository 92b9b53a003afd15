// The way from Run to a started emulator (launcher/Launch): the command
// shown is the command started, for a plain ROM and an archive entry alike;
// the program checked is the program started; nothing of it holds the
// window; the end of the emulator is told with how long it ran; and the box
// that tells a failure fits the screen.
#include "TestFiles.h"
#include "TestMain.h"

#include "controls/EventLabel.h"
#include "launcher/Launch.h"
#include "launcher/StartFailureBox.h"
#include "launcher/Vexa.h"
#include "platform/FileNames.h"
#include "platform/SettingNames.h"
#include "platform/Settings.h"

#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSignalSpy>

#include <climits>
#include <memory>

using namespace Qt::Literals::StringLiterals;

class TestLaunch : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void commandShownIsCommandStarted_data();
    void commandShownIsCommandStarted();
    void programWithoutSlashIsThePathOne_data();
    void programWithoutSlashIsThePathOne();
    void endIsToldWithRunTime_data();
    void endIsToldWithRunTime();
    void hungLookLeavesWindowAnswering();
    void overlongStoredProgramIsRefused();
    void failureBoxFitsScreen();

private:
    QString path(const QString &name) const { return work_->filePath(name); }
    static LaunchOptions Options();

    std::unique_ptr<QTemporaryDir> work_;
    QString previousDir_;
    QByteArray previousPath_;
};

void TestLaunch::init()
{
    QFile::remove(SettingsFile());
    work_ = std::make_unique<QTemporaryDir>();
    QVERIFY(work_->isValid());
    previousDir_ = QDir::currentPath();
    QVERIFY(QDir::setCurrent(work_->path()));
    for (const char *folder : {"bin", "roms", "cache"})
        QVERIFY(QDir().mkpath(path(QLatin1String(folder))));
    QVERIFY(WriteScript(path(QStringLiteral("bin/vexa")), RecorderScript()));
    qputenv("VEXA_RECORD", QFile::encodeName(path(QStringLiteral("record"))));
    previousPath_ = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(path(QStringLiteral("bin"))) + ":" + previousPath_);
}

void TestLaunch::cleanup()
{
    qputenv("PATH", previousPath_);
    QDir::setCurrent(previousDir_);
    QFile::remove(SettingsFile());
    work_.reset();
}

LaunchOptions TestLaunch::Options()
{
    LaunchOptions options;
    options.VideoText = "180x144";
    options.StereoText = "Mono";
    options.ModeIndex = 1;
    options.CrcState = Checked;
    options.DelayState = Unchecked;
    return options;
}

void TestLaunch::commandShownIsCommandStarted_data()
{
    QTest::addColumn<QString>("rom");
    QTest::addColumn<QByteArray>("entry");
    QTest::addColumn<QString>("started");
    QTest::newRow("a plain ROM") << "roms/Kirby's Dream Land (USA, Europe).gb" << QByteArray()
                                 << "roms/Kirby's Dream Land (USA, Europe).gb";
    QTest::newRow("an archive entry") << "roms/Pack.zip" << QByteArray("b/Second.gbc") << "cache/Second.gbc";
}

// The library starts a game through this same way: given the options and a
// ROM, the line shown (and told) is byte for byte the line Run starts.
void TestLaunch::commandShownIsCommandStarted()
{
    QFETCH(QString, rom);
    QFETCH(QByteArray, entry);
    QFETCH(QString, started);
    QVERIFY(WriteBytes(path(started), RomBytes(400, 0x80, 0x03, 0x05, 0x00)));
    Launch launch;
    launch.unpackRom = [unpacked = QFile::encodeName(path(started)).toStdString()](
                           const std::string &, const std::string &, std::string *) { return unpacked; };
    QSignalSpy told(&launch, &Launch::Started);
    QSignalSpy ended(&launch, &Launch::Ended);
    const quint64 start = launch.Start(Options(), {path(rom), entry.toStdString()});
    QVERIFY(told.wait(5000));
    const QString expected = u"vexa  -rtsdir rsave/  -savdir saves/  -video 3  -cgb  -sound 1 -stereo 0  -crc  -nodelay "_s
                             + path(started);
    QCOMPARE(told.first().at(0).value<quint64>(), start);
    QCOMPARE(told.first().at(1).toString(), expected);
    QCOMPARE(launch.CommandLine(Options(), path(started)), expected);
    QVERIFY(ended.wait(5000));
    const QStringList runs = RecordedRuns(path(QStringLiteral("record")));
    QCOMPARE(runs.size(), 1);
    QCOMPARE(runs.first().split(QLatin1Char('\n'), Qt::SkipEmptyParts),
             (QStringList{u"-rtsdir"_s, u"rsave/"_s, u"-savdir"_s, u"saves/"_s, u"-video"_s, u"3"_s, u"-cgb"_s,
                          u"-sound"_s, u"1"_s, u"-stereo"_s, u"0"_s, u"-crc"_s, u"-nodelay"_s, path(started)}));
}

void TestLaunch::programWithoutSlashIsThePathOne_data()
{
    QTest::addColumn<bool>("onPath");
    QTest::addColumn<QString>("failure");
    QTest::newRow("on the PATH and in the working folder") << true << "";
    QTest::newRow("in the working folder only") << false << "The emulator could not be started (vexa2 was not found on the PATH)";
}

// A stored program word without a slash is looked for on the PATH, for the
// look before the start as for the start: never in the working folder.
void TestLaunch::programWithoutSlashIsThePathOne()
{
    QFETCH(bool, onPath);
    QFETCH(QString, failure);
    QVERIFY(WriteScript(path(QStringLiteral("vexa2")), "touch '" + QFile::encodeName(path(u"wrong"_s)) + "'\n"));
    if (onPath)
        QVERIFY(WriteScript(path(QStringLiteral("bin/vexa2")), RecorderScript()));
    Launch launch;
    launch.Program = QStringLiteral("vexa2");
    QSignalSpy started(&launch, &Launch::Started);
    QSignalSpy failed(&launch, &Launch::Failed);
    launch.Start(Options(), {});
    QVERIFY(WaitFor([&] { return !launch.Busy(); }));
    QCOMPARE(started.size(), onPath ? 1 : 0);
    QCOMPARE(failed.size(), onPath ? 0 : 1);
    if (!onPath)
        QCOMPARE(QString::fromStdString(failed.first().at(1).value<StartFailure>().summary), failure + u"."_s);
    else
        QVERIFY(WaitFor([&] { return RecordedRuns(path(u"record"_s)).size() == 1; }));
    QVERIFY(!QFile::exists(path(u"wrong"_s)));
}

void TestLaunch::endIsToldWithRunTime_data()
{
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<int>("leastMs");
    QTest::addColumn<bool>("failureTold");
    QTest::newRow("plays a while, ends well") << QByteArray("sleep 0.4\n") << 0 << 400 << false;
    QTest::newRow("plays past the watch, then fails") << QByteArray("sleep 0.4\nexit 3\n") << 3 << 400 << false;
    QTest::newRow("gives up at once") << QByteArray("echo 'bad ROM' >&2\nexit 2\n") << 2 << 0 << true;
}

// Every end is told, with its status and how long the emulator ran, so that
// play time can be kept; only a failure right after the start is a failure.
void TestLaunch::endIsToldWithRunTime()
{
    QFETCH(QByteArray, script);
    QFETCH(int, exitCode);
    QFETCH(int, leastMs);
    QFETCH(bool, failureTold);
    QVERIFY(WriteScript(path(QStringLiteral("bin/vexa")), script));
    Launch launch;
    launch.WatchMs = 200;
    QSignalSpy ended(&launch, &Launch::Ended);
    QSignalSpy failed(&launch, &Launch::Failed);
    const quint64 start = launch.Start(Options(), {});
    QVERIFY(ended.wait(5000));
    QCOMPARE(ended.first().at(0).value<quint64>(), start);
    const ProgramEnd end = ended.first().at(1).value<ProgramEnd>();
    QCOMPARE(end.exitCode, exitCode);
    QVERIFY2(end.elapsedMs >= leastMs && end.elapsedMs < leastMs + 3000, qPrintable(QString::number(end.elapsedMs)));
    QCOMPARE(failed.size(), failureTold ? 1 : 0);
}

// A look at the program that never comes back (a share that stopped
// answering) holds neither the click nor the window: after a moment the
// window shows the busy pointer, and the start goes on once the share answers.
void TestLaunch::hungLookLeavesWindowAnswering()
{
    Vexa window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(WaitFor([&] { return !window.Busy(); }));
    auto gate = std::make_shared<Gate>();
    window.Launcher()->MomentMs = 100;
    window.Launcher()->checkRun = [gate](const QByteArray &program, const QByteArray &rom) {
        gate->Wait();
        return CheckBeforeRun(program, rom);
    };
    QSignalSpy started(window.Launcher(), &Launch::Started);
    window.RunDown->show();
    QElapsedTimer click;
    click.start();
    QTest::mouseClick(window.RunDown, Qt::LeftButton);
    QVERIFY(click.elapsed() < 100);
    QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
    bool answered = false;
    QTimer::singleShot(150, &window, [&answered] { answered = true; });
    QVERIFY(WaitFor([&] { return answered && window.cursor().shape() == Qt::BusyCursor; }));
    QVERIFY(started.isEmpty());
    gate->Open();
    QVERIFY(started.wait(5000));
    QVERIFY(WaitFor([&] { return !window.Busy() && window.cursor().shape() == Qt::ArrowCursor; }));
    QCOMPARE(window.Text1->text(), started.first().at(1).toString());
}

// A stored program path longer than a path can be is not taken: vexa on the PATH is.
void TestLaunch::overlongStoredProgramIsRefused()
{
    QString why;
    const QString overlong = u"/"_s + QString(PATH_MAX, QLatin1Char('v'));
    QVERIFY(WriteSetting(SettingNames::Application, SettingNames::Section, SettingNames::EmulatorPath, overlong, &why));
    {
        Vexa window;
        QCOMPARE(window.Emulator(), QString());
    }
    QVERIFY(WriteSetting(SettingNames::Application, SettingNames::Section, SettingNames::EmulatorPath,
                         overlong.left(PATH_MAX - 1), &why));
    Vexa window;
    QCOMPARE(window.Emulator(), overlong.left(PATH_MAX - 1));
}

// However long the ROM's name, the box stays within the screen, and the
// command stays whole on one line that scrolls and can be selected.
void TestLaunch::failureBoxFitsScreen()
{
    QWidget parent;
    const QString rom = u"/home/player/roms/"_s
                        + QString(12, QLatin1Char('x')).replace(u"x"_s, u"Pokemon - Edicion Plata (Spain) (Rev 1) "_s) + u".gbc"_s;
    const StartFailure failure = DescribeEarlyEnd(1, 0, "cannot open " + rom.toStdString() + "\n",
                                                  "vexa  -rtsdir rsave/  -savdir saves/  -cgb  -crc  -delay " + rom.toStdString());
    StartFailureBox box(failure, &parent);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const int screenWidth = box.screen()->availableGeometry().width();
    QVERIFY2(box.frameGeometry().width() <= screenWidth,
             qPrintable(QStringLiteral("%1 > %2").arg(box.frameGeometry().width()).arg(screenWidth)));
    QCOMPARE(box.Command->text().toStdString(), failure.command);
    QVERIFY(box.Command->isReadOnly());
    box.Command->selectAll();
    QCOMPARE(box.Command->selectedText(), box.Command->text());
    // A short command leaves the box at its usual width.
    StartFailureBox small(DescribeStartFailure(2, "vexa", false, "", "vexa  -cgb  /r/x.gb"), &parent);
    small.show();
    QVERIFY(QTest::qWaitForWindowExposed(&small));
    QVERIFY(small.width() < box.width());
}

VEXA_TEST_MAIN(TestLaunch)
#include "test_launch.moc"
