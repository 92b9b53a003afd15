#include "TestMain.h"

#include "controls/FileListBox.h"
#include "core/HeaderCheck.h"
#include "core/HeaderInspection.h"
#include "launcher/Vexa.h"
#include "platform/PictureLoader.h"
#include "platform/RomReader.h"

#include <QFileInfo>

#include <algorithm>

Q_DECLARE_METATYPE(PanelAction)

namespace {

constexpr auto Enable = PanelAction::Enable;
constexpr auto Disable = PanelAction::Disable;
constexpr auto Keep = PanelAction::Keep;

// The demo collection as the file list shows it, with what a click on each
// entry puts into the status bar and the picture the entry has in images/.
struct DemoRom {
    const char *name;
    qint64 bytes;
    const char *title;
    PanelAction cgb;
    PanelAction sgb;
    PanelAction jap;
    const char *sizeText;
    const char *picture; // empty: none, the placeholder is shown
};

const DemoRom kDemoRoms[] = {
    {"Demo Border Bash (Europe).sgb", 32768, "BORDER BASH", Disable, Enable, Disable, "?MBit",
     "Demo Border Bash (Europe).png"},
    {"Demo Colour Quest (Japan).gbc", 32768, "COLOUR QUEST", Enable, Disable, Enable, "?MBit",
     "Demo Colour Quest (Japan).png"},
    {"Demo Cut Short (World).gb", 336, "CUT SHORT", Keep, Keep, Keep, "?MBit", ""},
    {"Demo Night Lights (USA).gbc", 32768, "NIGHT LIGHTS", Keep, Disable, Disable, "4MBit",
     "Demo Night Lights (USA).png"},
    {"Demo Puzzle (World).gb", 32768, "DEMO PUZZLE", Disable, Disable, Disable, "256KBit",
     "Demo Puzzle (World).bmp"},
    {"Demo Star Racer (USA, Europe) (SGB Enhanced).gb", 32768, "STAR RACER", Disable, Enable, Disable,
     "8MBit", "Demo Star Racer (USA, Europe) (SGB Enhanced).bmp"},
};

const QString kDemoDir = QStringLiteral(VEXA_DEMO_DIR);

} // namespace

class TestDemo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void demoRoms_data();
    void demoRoms();
    void folderListsEveryRom();
};

void TestDemo::initTestCase()
{
    QVERIFY2(QFileInfo(kDemoDir).isDir(), qPrintable(kDemoDir));
    // The launcher looks for images\ in the folder it was started from, as
    // scripts/run.sh starts it.
    QVERIFY(QDir::setCurrent(kDemoDir));
}

void TestDemo::demoRoms_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("title");
    QTest::addColumn<PanelAction>("cgb");
    QTest::addColumn<PanelAction>("sgb");
    QTest::addColumn<PanelAction>("jap");
    QTest::addColumn<QString>("sizeText");
    QTest::addColumn<QString>("picture");
    for (const DemoRom &rom : kDemoRoms) {
        QTest::newRow(rom.name) << QString::fromUtf8(rom.name) << rom.bytes << QString::fromUtf8(rom.title)
                                << rom.cgb << rom.sgb << rom.jap << QString::fromUtf8(rom.sizeText)
                                << QString::fromUtf8(rom.picture);
    }
}

void TestDemo::demoRoms()
{
    QFETCH(QString, name);
    QFETCH(qint64, bytes);
    QFETCH(QString, title);
    QFETCH(PanelAction, cgb);
    QFETCH(PanelAction, sgb);
    QFETCH(PanelAction, jap);
    QFETCH(QString, sizeText);
    QFETCH(QString, picture);

    const QString path = kDemoDir + QLatin1Char('/') + name;
    QCOMPARE(QFileInfo(path).size(), bytes);
    std::vector<std::uint8_t> header;
    QVERIFY(ReadRomHeader(path, header));
    QCOMPARE(qint64(header.size()), std::min<qint64>(bytes, qint64(kHeaderLength)));

    // A cartridge header with no code in front of it, and a sound one: the
    // logo and the header checksum, so the library finds it undamaged.
    QVERIFY(header.size() >= 0x150);
    QVERIFY(std::all_of(header.begin() + 0x100, header.begin() + 0x104, [](std::uint8_t b) { return b == 0; }));
    QVERIFY(!CheckHeader(header).Damaged());
    const QByteArray titleField(reinterpret_cast<const char *>(&header[0x134]), 15);
    QCOMPARE(QString::fromLatin1(titleField.left(titleField.indexOf('\0'))), title);
    std::uint8_t checksum = 0;
    for (std::size_t at = 0x134; at <= 0x14C; ++at)
        checksum = static_cast<std::uint8_t>(checksum - header[at] - 1);
    QCOMPARE(int(header[0x14D]), int(checksum));

    const HeaderFacts facts = InspectHeader(header);
    QCOMPARE(facts.CgbAction, cgb);
    QCOMPARE(facts.SgbAction, sgb);
    QCOMPARE(facts.JapAction, jap);
    QCOMPARE(QString::fromStdString(facts.RomSizeText), sizeText);

    // Exactly the expected picture carries the ROM's name.
    const QDir images(kDemoDir + QStringLiteral("/images"));
    const QStringList named = images.entryList({QFileInfo(name).completeBaseName() + QStringLiteral(".*")}, QDir::Files);
    QCOMPARE(named, picture.isEmpty() ? QStringList() : QStringList{picture});
    if (!picture.isEmpty())
        QCOMPARE(LoadPicture(images.filePath(picture)).size(), QSize(160, 144));

    // A click finds it, started from the demo folder.
    QCOMPARE(!LoadGamePicture(kDemoDir, name).isNull(), !picture.isEmpty());
}

void TestDemo::folderListsEveryRom()
{
    const Vexa window;
    FileListBox list;
    list.SetPattern(window.File1->Pattern());
    list.SetPath(kDemoDir);
    QTRY_VERIFY(!list.Listing());
    QStringList expected;
    for (const DemoRom &rom : kDemoRoms)
        expected.append(QString::fromUtf8(rom.name));
    QCOMPARE(list.Names(), expected);
}

VEXA_TEST_MAIN(TestDemo)
#include "test_demo.moc"
