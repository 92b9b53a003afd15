#include "TestFiles.h"
#include "TestMain.h"

#include "../controls/DirListBox.h"
#include "../controls/FileListBox.h"
#include "../controls/StatusBar.h"
#include "../core/CommandLine.h"
#include "../launcher/RomArgument.h"
#include "../launcher/Vexa.h"
#include "../platform/DataFolder.h"

#include <QSettings>

namespace {

QString StoredRomPath()
{
    return QSettings(SettingsFile(), QSettings::IniFormat).value(QStringLiteral("Options/RomPath")).toString();
}

std::vector<std::string> Words(const QStringList &list)
{
    std::vector<std::string> words;
    for (const QString &word : list)
        words.push_back(word.toStdString());
    return words;
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
    void dataFolderPath_data();
    void dataFolderPath();
    void entersDataFolder();
    void dataFolderUnusable();
    void opensRom();
    void romNotOpened_data();
    void romNotOpened();

private:
    QTemporaryDir *work_ = nullptr;
    QString previousDir_;
};

void TestCommandLine::init()
{
    QFile::remove(SettingsFile());
    work_ = new QTemporaryDir;
    QVERIFY(work_->isValid());
    previousDir_ = QDir::currentPath();
    QVERIFY(QDir::setCurrent(work_->path()));
}

void TestCommandLine::cleanup()
{
    QDir::setCurrent(previousDir_);
    qunsetenv("XDG_DATA_HOME");
    delete work_;
    work_ = nullptr;
}

void TestCommandLine::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("action");
    QTest::addColumn<bool>("dataFolder");
    QTest::addColumn<QString>("rom"); // "<none>" when no ROM is named
    QTest::addColumn<QStringList>("toolkit");
    QTest::addColumn<bool>("style");
    QTest::addColumn<QString>("error");
    const int start = int(CommandLine::Action::Start);
    const int help = int(CommandLine::Action::Help);
    const int error = int(CommandLine::Action::Error);
    const QString none = QStringLiteral("<none>");
    QTest::newRow("nothing") << QStringList() << start << false << none << QStringList() << false << "";
    QTest::newRow("menu entry") << QStringList{"--data-folder", "/roms/a b.gb"} << start << true << "/roms/a b.gb"
                                << QStringList() << false << "";
    QTest::newRow("help") << QStringList{"-h"} << help << false << none << QStringList() << false << "";
    QTest::newRow("help ends the reading") << QStringList{"--help", "--bogus"} << help << false << none
                                           << QStringList() << false << "";
    QTest::newRow("version") << QStringList{"x.gb", "--version"} << int(CommandLine::Action::Version) << false
                             << "x.gb" << QStringList() << false << "";
    QTest::newRow("unknown") << QStringList{"x.gb", "--bogus"} << error << false << "x.gb" << QStringList()
                             << false << "unknown option '--bogus'";
    QTest::newRow("toolkit values") << QStringList{"-platform", "xcb", "--display", ":1", "-geometry", "+5+5", "x.gb"}
                                    << start << false << "x.gb"
                                    << QStringList{"-platform", "xcb", "--display", ":1", "-geometry", "+5+5"}
                                    << false << "";
    QTest::newRow("toolkit value like an option") << QStringList{"-qwindowtitle", "--help"} << start << false
                                                  << none << QStringList{"-qwindowtitle", "--help"} << false << "";
    QTest::newRow("style and flags") << QStringList{"-reverse", "--style=Windows", "-stylesheet", "a.qss"} << start
                                     << false << none
                                     << QStringList{"-reverse", "--style=Windows", "-stylesheet", "a.qss"} << true
                                     << "";
    QTest::newRow("style by name") << QStringList{"-style", "Windows"} << start << false << none
                                   << QStringList{"-style", "Windows"} << true << "";
    QTest::newRow("missing value") << QStringList{"-platform"} << error << false << none << QStringList() << false
                                   << "option '-platform' needs a value";
    QTest::newRow("dash dash") << QStringList{"--", "-odd.gb"} << start << false << "-odd.gb" << QStringList()
                               << false << "";
    QTest::newRow("lone dash") << QStringList{"-"} << start << false << "-" << QStringList() << false << "";
    QTest::newRow("two roms") << QStringList{"a.gb", "b.gb"} << error << false << "a.gb" << QStringList() << false
                              << "more than one ROM: 'b.gb'";
}

void TestCommandLine::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, action);
    QFETCH(QString, rom);
    QFETCH(QStringList, toolkit);
    QFETCH(QString, error);
    const CommandLine line = ParseCommandLine(Words(arguments));
    QCOMPARE(int(line.action), action);
    QCOMPARE(line.error, error.toStdString());
    if (line.action == CommandLine::Action::Error)
        return;
    QTEST(line.dataFolder, "dataFolder");
    QCOMPARE(line.rom ? QString::fromStdString(*line.rom) : QStringLiteral("<none>"), rom);
    QCOMPARE(line.toolkitArguments, Words(toolkit));
    QTEST(line.styleGiven, "style");
}

void TestCommandLine::dataFolderPath_data()
{
    QTest::addColumn<QByteArray>("dataHome"); // "<unset>" leaves it unset
    QTest::addColumn<QString>("folder");      // $HOME stands for the home folder
    QTest::newRow("set") << QByteArray("/srv/data") << "/srv/data/vexa";
    QTest::newRow("trailing slash") << QByteArray("/srv/data/") << "/srv/data/vexa";
    QTest::newRow("unset") << QByteArray("<unset>") << "$HOME/.local/share/vexa";
    QTest::newRow("empty") << QByteArray("") << "$HOME/.local/share/vexa";
    QTest::newRow("relative") << QByteArray("data") << "$HOME/.local/share/vexa";
}

void TestCommandLine::dataFolderPath()
{
    QFETCH(QByteArray, dataHome);
    QFETCH(QString, folder);
    if (dataHome != "<unset>")
        qputenv("XDG_DATA_HOME", dataHome);
    folder.replace(QStringLiteral("$HOME"), qEnvironmentVariable("HOME"));
    QCOMPARE(QString::fromStdString(DataFolderPath()), folder);
}

void TestCommandLine::entersDataFolder()
{
    qputenv("XDG_DATA_HOME", QFile::encodeName(work_->filePath(QStringLiteral("a/b"))));
    std::string why;
    QVERIFY(EnterDataFolder(why));
    QCOMPARE(QDir::currentPath(), work_->filePath(QStringLiteral("a/b/vexa")));
    // An existing folder is simply entered.
    QVERIFY(QDir::setCurrent(work_->path()));
    QVERIFY(EnterDataFolder(why));
    QCOMPARE(QDir::currentPath(), work_->filePath(QStringLiteral("a/b/vexa")));
}

void TestCommandLine::dataFolderUnusable()
{
    QVERIFY(WriteBytes(work_->filePath(QStringLiteral("file")), "x"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(work_->filePath(QStringLiteral("file"))));
    std::string why;
    QVERIFY(!EnterDataFolder(why));
    QCOMPARE(QString::fromStdString(why),
             QStringLiteral("cannot make %1/vexa: Not a directory").arg(work_->filePath(QStringLiteral("file"))));
    QCOMPARE(QDir::currentPath(), work_->path());
}

void TestCommandLine::opensRom()
{
    const QString roms = work_->filePath(QStringLiteral("roms"));
    QVERIFY(QDir().mkpath(roms));
    QVERIFY(WriteBytes(roms + QStringLiteral("/other.gb"), RomBytes(400, 0, 0, 0, 0)));
    QVERIFY(WriteBytes(roms + QStringLiteral("/Tetris DX.gb"), RomBytes(400, 0x80, 0x03, 0x05, 0x01)));
    Vexa window;
    QCOMPARE(OpenRomArgument(window, QStringLiteral("roms/Tetris DX.gb")), QString());
    QCOMPARE(window.Dir1->Path(), roms);
    QCOMPARE(window.File1->Path(), roms);
    QCOMPARE(window.File1->FileName(), QStringLiteral("Tetris DX.gb"));
    QCOMPARE(window.Game, roms + QStringLiteral("/Tetris DX.gb"));
    QCOMPARE(window.StatusBar1->PanelAt(4).text, QStringLiteral("8MBit"));
    QVERIFY(window.StatusBar1->PanelAt(1).enabled);
    QVERIFY(window.StatusBar1->PanelAt(2).enabled);
    QVERIFY(!window.StatusBar1->PanelAt(3).enabled);
    QCOMPARE(StoredRomPath(), roms);
}

void TestCommandLine::romNotOpened_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("why");
    QTest::newRow("missing") << "missing.gb" << "No such file or directory";
    QTest::newRow("folder") << "folder.gb" << "it is a folder";
    QTest::newRow("fifo") << "fifo.gb" << "it is not a regular file";
    QTest::newRow("not a ROM name") << "notes.txt" << "its name does not match \"%pattern\"";
}

void TestCommandLine::romNotOpened()
{
    QFETCH(QString, name);
    QFETCH(QString, why);
    const QString roms = work_->filePath(QStringLiteral("roms"));
    QVERIFY(QDir().mkpath(roms + QStringLiteral("/folder.gb")));
    QVERIFY(MakeFifo(roms + QStringLiteral("/fifo.gb")));
    QVERIFY(WriteBytes(roms + QStringLiteral("/notes.txt"), RomBytes(400, 0x80, 0x03, 0x05, 0x01)));
    Vexa window;
    const QString stored = StoredRomPath();
    why.replace(QStringLiteral("%pattern"), window.File1->Pattern());
    QCOMPARE(OpenRomArgument(window, roms + QLatin1Char('/') + name), why);
    QCOMPARE(window.Dir1->Path(), work_->path());
    QCOMPARE(window.Game, QString());
    QCOMPARE(StoredRomPath(), stored);
}

VEXA_TEST_MAIN(TestCommandLine)
#include "test_command_line.moc"
