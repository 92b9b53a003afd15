#include "TestFiles.h"
#include "TestMain.h"

#include "controls/DirListBox.h"
#include "controls/FileListBox.h"
#include "controls/StatusBar.h"
#include "core/CommandLine.h"
#include "launcher/PathArrival.h"
#include "launcher/Vexa.h"
#include "platform/DataFolder.h"
#include "platform/SettingNames.h"

#include <QSettings>

#include <optional>

namespace {

QString StoredRomPath()
{
    return QSettings(SettingsFile(), QSettings::IniFormat).value(SettingNames::Path(SettingNames::RomPath)).toString();
}

// What was read, in one line: "start data-folder rom=[x.gb] qt=[-style Windows] style".
QString Summary(const CommandLine &line)
{
    const char *actions[] = {"start", "help", "version", "error: ", "import-dat", "report"};
    QString text = QString::fromLatin1(actions[int(line.action)]) + QString::fromStdString(line.error);
    for (const std::string &file : line.datFiles)
        text += QStringLiteral(" [%1]").arg(QString::fromStdString(file));
    if (line.action != CommandLine::Action::Start)
        return text;
    QStringList toolkit;
    for (const std::string &argument : line.toolkitArguments)
        toolkit << QString::fromStdString(argument);
    text += line.dataFolder ? QStringLiteral(" data-folder") : QString();
    text += line.newWindow ? QStringLiteral(" new-window") : QString();
    text += line.library ? QStringLiteral(" library") : QString();
    text += line.rom ? QStringLiteral(" rom=[%1]").arg(QString::fromStdString(*line.rom)) : QString();
    text += toolkit.isEmpty() ? QString() : QStringLiteral(" qt=[%1]").arg(toolkit.join(QLatin1Char(' ')));
    return text + (line.styleGiven ? QStringLiteral(" style") : QString());
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void parse_data();
    void parse();
    void entersDataFolder_data();
    void entersDataFolder();
    void dataFolderUnusable();
    void opensRom();
    void romNotOpened_data();
    void romNotOpened();
    void romCheckedAfterTheUserMovedOn();
    void folderIsShown();

private:
    QTemporaryDir *work_ = nullptr;
    QString previousDir_;
};

void TestCommandLine::init()
{
    QFile::remove(SettingsFile());
    work_ = new QTemporaryDir;
    previousDir_ = QDir::currentPath();
    QVERIFY(QDir::setCurrent(work_->path()));
}

void TestCommandLine::cleanup()
{
    QDir::setCurrent(previousDir_);
    qunsetenv("XDG_DATA_HOME");
    delete work_;
}

void TestCommandLine::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("summary");
    auto row = [](const char *name, std::initializer_list<const char *> arguments, const char *summary) {
        QStringList list;
        for (const char *argument : arguments)
            list << QString::fromUtf8(argument);
        QTest::newRow(name) << list << QString::fromUtf8(summary);
    };
    row("nothing", {}, "start");
    row("menu entry", {"--data-folder", "/roms/a b.gb"}, "start data-folder rom=[/roms/a b.gb]");
    row("a window of its own", {"x.gb", "--new-window"}, "start new-window rom=[x.gb]");
    row("library from the menu", {"--data-folder", "--library"}, "start data-folder library");
    row("help ends the reading", {"-h", "--bogus"}, "help");
    row("version", {"x.gb", "--version"}, "version");
    row("unknown", {"x.gb", "--bogus"}, "error: unknown option '--bogus'");
    row("toolkit values", {"-platform", "xcb", "--display", ":1", "-geometry", "+5+5", "x.gb"},
        "start rom=[x.gb] qt=[-platform xcb --display :1 -geometry +5+5]");
    row("value like an option", {"-qwindowtitle", "--help"}, "start qt=[-qwindowtitle --help]");
    row("style and a flag", {"-reverse", "--style=Windows"}, "start qt=[-reverse --style=Windows] style");
    row("style by name", {"-style", "Windows"}, "start qt=[-style Windows] style");
    row("missing value", {"-platform"}, "error: option '-platform' needs a value");
    row("dash dash", {"--", "-odd.gb"}, "start rom=[-odd.gb]");
    row("two roms", {"a.gb", "b.gb"}, "error: more than one ROM: 'b.gb'");
    row("DAT files", {"--import-dat", "a.dat", "--", "-b.dat"}, "import-dat [a.dat] [-b.dat]");
    row("DAT files after them", {"x.dat", "--import-dat", "y.dat"}, "import-dat [x.dat] [y.dat]");
    row("no DAT file", {"--import-dat"}, "error: --import-dat needs a DAT file");
    row("report", {"--report"}, "report");
    row("report of a ROM", {"--report", "a.gb"}, "error: --report takes no file: 'a.gb'");
    row("both", {"--report", "--import-dat", "a.dat"}, "error: --import-dat and --report are given one at a time");
}

void TestCommandLine::parse()
{
    QFETCH(QStringList, arguments);
    std::vector<std::string> words;
    for (const QString &argument : arguments)
        words.push_back(argument.toStdString());
    QTEST(Summary(ParseCommandLine(words)), "summary");
}

void TestCommandLine::entersDataFolder_data()
{
    QTest::addColumn<QString>("dataHome"); // "-" leaves it unset; %w is the work folder
    QTest::addColumn<QString>("folder");   // %h is the home folder
    QTest::newRow("set, missing") << "%w/a/b/" << "%w/a/b/vexa";
    QTest::newRow("unset") << "-" << "%h/.local/share/vexa";
    QTest::newRow("relative") << "a/b" << "%h/.local/share/vexa";
}

void TestCommandLine::entersDataFolder()
{
    QFETCH(QString, dataHome);
    QFETCH(QString, folder);
    if (dataHome != QStringLiteral("-"))
        qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome.replace(QStringLiteral("%w"), work_->path())));
    folder.replace(QStringLiteral("%w"), work_->path()).replace(QStringLiteral("%h"), qEnvironmentVariable("HOME"));
    std::string why;
    QVERIFY(EnterDataFolder(why));
    QCOMPARE(QDir::currentPath(), folder);
    QCOMPARE(QString::fromStdString(DataFolderPath()), folder);
    // Where the emulator is told to keep its saves.
    QVERIFY(QFileInfo(QStringLiteral("saves")).isDir());
    QVERIFY(QFileInfo(QStringLiteral("rsave")).isDir());
}

void TestCommandLine::dataFolderUnusable()
{
    const QString file = work_->filePath(QStringLiteral("file"));
    QVERIFY(WriteBytes(file, "x"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(file));
    std::string why;
    QVERIFY(!EnterDataFolder(why));
    QCOMPARE(QString::fromStdString(why), QStringLiteral("cannot make %1/vexa: Not a directory").arg(file));
    QCOMPARE(QDir::currentPath(), work_->path());
}

void TestCommandLine::opensRom()
{
    const QString roms = work_->filePath(QStringLiteral("roms"));
    QVERIFY(QDir().mkpath(roms));
    QVERIFY(WriteBytes(roms + QStringLiteral("/other.gb"), RomBytes(400, 0, 0, 0, 0)));
    QVERIFY(WriteBytes(roms + QStringLiteral("/Tetris DX.gb"), RomBytes(400, 0x80, 0x03, 0x05, 0x01)));
    Vexa window;
    std::optional<QString> why;
    window.Arrival()->Open(QStringLiteral("roms/Tetris DX.gb"), false, [&why](const QString &text) { why = text; });
    QVERIFY(WaitFor([&] { return why && !window.Game.isEmpty() && !window.Busy(); }));
    QCOMPARE(*why, QString());
    QCOMPARE(window.Dir1->Path(), roms);
    QCOMPARE(window.File1->FileName(), QStringLiteral("Tetris DX.gb"));
    QCOMPARE(window.Game, roms + QStringLiteral("/Tetris DX.gb"));
    QCOMPARE(window.StatusBar1->PanelAt(4).text, QStringLiteral("8MBit"));
    QVERIFY(!window.StatusBar1->PanelAt(3).enabled);
    QCOMPARE(StoredRomPath(), roms);
}

void TestCommandLine::romNotOpened_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("why");
    QTest::newRow("missing") << "missing.gb" << "No such file or directory";
    QTest::newRow("fifo") << "fifo.gb" << "it is not a regular file";
    QTest::newRow("not a ROM name") << "notes.txt" << "its name does not match \"%p\"";
}

void TestCommandLine::romNotOpened()
{
    QFETCH(QString, name);
    QFETCH(QString, why);
    QVERIFY(QDir().mkpath(work_->filePath(QStringLiteral("roms/folder.gb"))));
    QVERIFY(MakeFifo(work_->filePath(QStringLiteral("roms/fifo.gb"))));
    QVERIFY(WriteBytes(work_->filePath(QStringLiteral("roms/notes.txt")), RomBytes(400, 0, 0, 0, 0)));
    Vexa window;
    QVERIFY(WaitFor([&] { return !window.Busy(); }));
    const QString stored = StoredRomPath();
    std::optional<QString> notOpened;
    window.Arrival()->Open(work_->filePath(QStringLiteral("roms/") + name), false,
                    [&notOpened](const QString &text) { notOpened = text; });
    QVERIFY(WaitFor([&] { return notOpened.has_value() && !window.Busy(); }));
    QCOMPARE(*notOpened, why.replace(QStringLiteral("%p"), window.File1->Pattern()));
    // Started from a file manager, nobody reads standard error: the window says it too.
    QStringList told;
    window.showProblem = [&told](const QString &message) { told << message; };
    window.Arrival()->Open(work_->filePath(QStringLiteral("roms/") + name), false);
    QVERIFY(WaitFor([&] { return !told.isEmpty() && !window.Busy(); }));
    QCOMPARE(told, QStringList{QStringLiteral("%1 cannot be opened: %2.").arg(work_->filePath(QStringLiteral("roms/") + name), why)});
    QCOMPARE(window.Dir1->Path(), work_->path());
    QCOMPARE(window.Game, QString());
    QCOMPARE(StoredRomPath(), stored);
}

void TestCommandLine::romCheckedAfterTheUserMovedOn()
{
    const QString roms = work_->filePath(QStringLiteral("roms"));
    QVERIFY(QDir().mkpath(roms));
    QVERIFY(WriteBytes(roms + QStringLiteral("/Tetris DX.gb"), RomBytes(400, 0x80, 0x03, 0x05, 0x01)));
    QVERIFY(WriteBytes(work_->filePath(QStringLiteral("clicked.gb")), RomBytes(400, 0, 0, 0, 0)));
    Vexa window;
    QVERIFY(WaitFor([&] { return !window.Busy() && window.File1->ListCount() == 1; }));
    QVERIFY(window.File1->Select(QStringLiteral("clicked.gb")));
    QVERIFY(WaitFor([&] { return !window.Busy(); }));
    std::optional<QString> notOpened;
    window.Arrival()->Open(roms + QStringLiteral("/Tetris DX.gb"), false,
                    [&notOpened](const QString &text) { notOpened = text; });
    QVERIFY(WaitFor([&] { return notOpened.has_value() && !window.Busy(); }));
    QCOMPARE(*notOpened, QStringLiteral("the window was in use before the file could be checked"));
    QCOMPARE(window.Dir1->Path(), work_->path());
    QCOMPARE(window.Game, work_->filePath(QStringLiteral("clicked.gb")));
    // Dropped or handed over, the user asked for it just now: it is opened.
    notOpened.reset();
    window.Arrival()->Open(roms + QStringLiteral("/Tetris DX.gb"), true,
                    [&notOpened](const QString &text) { notOpened = text; });
    QVERIFY(WaitFor([&] { return notOpened.has_value() && window.Game.startsWith(roms) && !window.Busy(); }));
    QCOMPARE(*notOpened, QString());
    QCOMPARE(window.File1->FileName(), QStringLiteral("Tetris DX.gb"));
}

void TestCommandLine::folderIsShown()
{
    const QString roms = work_->filePath(QStringLiteral("my.roms"));
    QVERIFY(QDir().mkpath(roms));
    QVERIFY(WriteBytes(roms + QStringLiteral("/a.gb"), RomBytes(400, 0, 0, 0, 0)));
    Vexa window;
    QVERIFY(WaitFor([&] { return !window.Busy(); }));
    std::optional<QString> why;
    window.Arrival()->Open(roms, false, [&why](const QString &text) { why = text; });
    QVERIFY(WaitFor([&] { return why && window.File1->ListCount() == 1 && !window.Busy(); }));
    QCOMPARE(*why, QString());
    QCOMPARE(window.Dir1->Path(), roms);
    QCOMPARE(window.File1->FileName(), QString());
    QCOMPARE(StoredRomPath(), roms);
}

VEXA_TEST_MAIN(TestCommandLine)
#include "test_command_line.moc"
