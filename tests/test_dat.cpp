// What a ROM says of itself and what the DAT files say of it: the header's
// checks, the DAT reader's refusals and the matching rules.
#include "TestMain.h"

#include "core/DatMatch.h"
#include "core/HeaderCheck.h"
#include "platform/DatFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdint>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

using Bytes = std::vector<std::uint8_t>;

// A cartridge header as a cartridge of that kind carries it, with the
// header checksum it stores.
Bytes Header(const char *title, int cgb, int sgb, int type, int romSize, int ramSize, int destination, int oldLicensee,
             const char *newLicensee, int version, int checksum)
{
    Bytes rom(0x150, 0);
    rom[0x100] = 0x00; // nop; jp 0x150
    rom[0x101] = 0xC3;
    rom[0x102] = 0x50;
    rom[0x103] = 0x01;
    // The logo as the hardware documentation prints it.
    const QByteArray logo = QByteArray::fromHex("CEED6666CC0D000B03730083000C000D0008111F8889000E"
                                                "DCCC6EE6DDDDD999BBBB67636E0EECCCDDDC999FBBB9333E");
    std::copy(logo.begin(), logo.end(), rom.begin() + 0x104);
    for (int i = 0; title[i]; ++i)
        rom[0x134 + i] = static_cast<std::uint8_t>(title[i]);
    rom[0x143] = static_cast<std::uint8_t>(cgb);
    rom[0x144] = static_cast<std::uint8_t>(newLicensee[0]);
    rom[0x145] = static_cast<std::uint8_t>(newLicensee[1]);
    rom[0x146] = static_cast<std::uint8_t>(sgb);
    rom[0x147] = static_cast<std::uint8_t>(type);
    rom[0x148] = static_cast<std::uint8_t>(romSize);
    rom[0x149] = static_cast<std::uint8_t>(ramSize);
    rom[0x14A] = static_cast<std::uint8_t>(destination);
    rom[0x14B] = static_cast<std::uint8_t>(oldLicensee);
    rom[0x14C] = static_cast<std::uint8_t>(version);
    rom[0x14D] = static_cast<std::uint8_t>(checksum);
    return rom;
}

Bytes Tetris()
{
    return Header("TETRIS", 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01, "\0\0", 0x01, 0x0A);
}

// The whole ROM: its header, then code, with its global checksum stored.
Bytes WholeRom(Bytes header, int extra)
{
    header.resize(0x150 + 64);
    for (std::size_t at = 0x150; at < header.size(); ++at)
        header[at] = static_cast<std::uint8_t>(at * 7);
    std::uint16_t sum = 0;
    for (std::size_t at = 0; at < header.size(); ++at)
        if (at != 0x14E && at != 0x14F)
            sum = static_cast<std::uint16_t>(sum + header[at]);
    sum = static_cast<std::uint16_t>(sum + extra);
    header[0x14E] = static_cast<std::uint8_t>(sum >> 8);
    header[0x14F] = static_cast<std::uint8_t>(sum & 0xFF);
    return header;
}

DatRom Entry(const char *game, std::int64_t size, std::uint32_t crc, const char *sha1Hex, bool bad = false)
{
    DatRom rom;
    rom.dat = "Test DAT";
    rom.game = game;
    rom.size = size;
    rom.crc32 = crc;
    rom.sha1 = QByteArray::fromHex(sha1Hex).toStdString();
    rom.badDump = bad;
    return rom;
}

const char *const kSha1A = "0102030405060708090a0b0c0d0e0f1011121314";
const char *const kSha1B = "a1a2a3a4a5a6a7a8a9aaabacadaeafb0b1b2b3b4";

const char *const kDocType =
    "<?xml version=\"1.0\"?>\n"
    "<!DOCTYPE datafile PUBLIC \"-//Logiqx//DTD ROM Management Datafile//EN\" "
    "\"http://www.logiqx.com/Dats/datafile.dtd\">\n";

QByteArray Dat(const QByteArray &games, const QByteArray &header = "<header><name>Test DAT</name></header>")
{
    return QByteArray(kDocType) + "<datafile>" + header + games + "</datafile>\n";
}

} // namespace

Q_DECLARE_METATYPE(Bytes)

class TestDat : public QObject
{
    Q_OBJECT

private slots:
    void headerChecks_data()
    {
        QTest::addColumn<Bytes>("rom");
        QTest::addColumn<bool>("whole");
        QTest::addColumn<bool>("logoOk");
        QTest::addColumn<bool>("checksumOk");
        QTest::addColumn<int>("global"); // -1 not known, 0 wrong, 1 right

        QTest::newRow("Tetris") << Tetris() << false << true << true << -1;
        QTest::newRow("SGB, new licensee") << Header("POKEMON RED", 0x00, 0x03, 0x13, 0x05, 0x03, 0x01, 0x33, "01", 0x00, 0x20)
                                           << false << true << true << -1;
        QTest::newRow("Color compatible") << Header("ZELDA", 0x80, 0x00, 0x1B, 0x05, 0x03, 0x01, 0x33, "01", 0x00, 0x3F)
                                          << false << true << true << -1;
        QTest::newRow("Color only") << Header("PKMN CRYSTAL", 0xC0, 0x00, 0x10, 0x06, 0x03, 0x01, 0x33, "01", 0x00, 0x01)
                                    << false << true << true << -1;
        Bytes checksum = Tetris();
        checksum[0x14D] = 0x0B;
        QTest::newRow("header checksum off by one") << checksum << false << true << false << -1;
        Bytes title = Tetris();
        title[0x134] = 'Z';
        QTest::newRow("title changed, checksum not") << title << false << true << false << -1;
        Bytes logoFirst = Tetris();
        logoFirst[0x104] ^= 0x01;
        QTest::newRow("logo's first byte") << logoFirst << false << false << true << -1;
        Bytes logoLast = Tetris();
        logoLast[0x133] = 0x00;
        QTest::newRow("logo's last byte") << logoLast << false << false << true << -1;
        Bytes noLogo = Tetris();
        std::fill(noLogo.begin() + 0x104, noLogo.begin() + 0x134, 0);
        QTest::newRow("no logo (the demo ROMs)") << noLogo << false << false << true << -1;
        const Bytes whole = Tetris();
        QTest::newRow("cut before the checksum") << Bytes(whole.begin(), whole.begin() + 0x14D) << false << false
                                                 << false << -1;
        QTest::newRow("global checksum right") << WholeRom(Tetris(), 0) << true << true << true << 1;
        QTest::newRow("global checksum wrong") << WholeRom(Tetris(), 1) << true << true << true << 0;
        QTest::newRow("global checksum low byte") << WholeRom(Tetris(), 0x100) << true << true << true << 0;
    }

    void headerChecks()
    {
        QFETCH(Bytes, rom);
        QFETCH(bool, whole);
        QFETCH(bool, logoOk);
        QFETCH(bool, checksumOk);
        QFETCH(int, global);
        const HeaderCheck check = CheckHeader(rom, whole);
        QCOMPARE(check.logoOk, logoOk);
        QCOMPARE(check.headerChecksumOk, checksumOk);
        QCOMPARE(check.Damaged(), !logoOk || !checksumOk);
        QCOMPARE(check.globalChecksumOk.has_value(), global >= 0);
        if (global >= 0)
            QCOMPARE(*check.globalChecksumOk, global == 1);
    }

    // A real DAT's shape, DOCTYPE line included, is read whole.
    void datIsRead()
    {
        const QByteArray text = Dat(
            "<game name=\"Tetris (World) (Rev 1)\"><description>Tetris</description>"
            "<rom name=\"Tetris (World) (Rev 1).gb\" size=\"32768\" crc=\"46DF91AD\" md5=\"084F1E457749CDEC86183189BD88CE69\" "
            "sha1=\"" + QByteArray(kSha1A) + "\"/></game>\n"
            "<game name=\"Tetris (Japan)\" cloneof=\"Tetris (World) (Rev 1)\">"
            "<rom name=\"Tetris (Japan).gb\" size=\"32768\" crc=\"6f9a\" status=\"baddump\"/></game>\n"
            "<game name=\"Lost &amp; Found (Proto)\"><rom name=\"x.gb\" status=\"nodump\"/></game>",
            "<header><name>Nintendo - Game Boy</name><version>20240101</version><url>x</url></header>");
        DatFile dat;
        QString why;
        QVERIFY2(ParseDat(text, QStringLiteral("gb.dat"), dat, &why), qPrintable(why));
        QCOMPARE(dat.name, QStringLiteral("Nintendo - Game Boy"));
        QCOMPARE(dat.version, QStringLiteral("20240101"));
        QCOMPARE(dat.games, 3);
        QCOMPARE(dat.roms.size(), std::size_t(2)); // the nodump ROM has nothing to match
        QCOMPARE(QString::fromStdString(dat.roms[0].game), QStringLiteral("Tetris (World) (Rev 1)"));
        QCOMPARE(dat.roms[0].crc32, 0x46DF91ADu);
        QCOMPARE(dat.roms[0].size, 32768);
        QCOMPARE(QByteArray::fromStdString(dat.roms[0].sha1).toHex(), QByteArray(kSha1A));
        QVERIFY(!dat.roms[0].badDump);
        QCOMPARE(QString::fromStdString(dat.roms[0].dat), QStringLiteral("Nintendo - Game Boy"));
        QCOMPARE(QString::fromStdString(dat.roms[1].cloneOf), QStringLiteral("Tetris (World) (Rev 1)"));
        QCOMPARE(dat.roms[1].crc32, 0x6F9Au);
        QVERIFY(dat.roms[1].sha1.empty());
        QVERIFY(dat.roms[1].badDump);
    }

    void datRefused_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("reason");
        const QByteArray rom = "<rom name=\"a.gb\" size=\"4\" crc=\"1234abcd\"/>";
        const QByteArray game = "<game name=\"A\">" + rom + "</game>";
        // A DAT of one game "A" whose one rom has these attributes.
        const auto romWith = [](const char *attributes) {
            return Dat(QByteArray("<game name=\"A\"><rom ") + attributes + "/></game>");
        };
        QTest::newRow("not XML") << QByteArray("PK\x03\x04 this is a zip") << u"it is not XML"_s;
        QTest::newRow("cut short") << Dat(game).left(200) << u"it is not XML"_s;
        QTest::newRow("another XML") << QByteArray("<?xml version=\"1.0\"?><html><body/></html>")
                                     << u"it is not a DAT file"_s;
        QTest::newRow("entity declared") << QByteArray("<?xml version=\"1.0\"?>\n<!DOCTYPE datafile [\n"
                                                       "<!ENTITY a \"aaaaaaaaaa\">\n<!ENTITY b \"&a;&a;&a;&a;\">\n]>\n"
                                                       "<datafile><header><name>&b;</name></header></datafile>")
                                         << u"it declares entities"_s;
        QTest::newRow("external entity declared")
            << QByteArray("<?xml version=\"1.0\"?>\n<!DOCTYPE datafile [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>\n"
                          "<datafile><header><name>&x;</name></header></datafile>")
            << u"it declares entities"_s;
        QTest::newRow("entity of the DTD used") << Dat(game, "<header><name>&logiqx;</name></header>")
                                                << u"entity"_s;
        QTest::newRow("entity in a game's name") << Dat("<game name=\"&logiqx;\">" + rom + "</game>") << u"entity"_s;
        QTest::newRow("no header name") << Dat(game, "<header><version>1</version></header>")
                                        << u"its header has no name"_s;
        QTest::newRow("game without name") << Dat("<game>" + rom + "</game>") << u"a game has no name"_s;
        // Roms of one game "A": their attributes, and why they are refused.
        const struct {
            const char *row;
            const char *attributes;
            const char *reason;
        } roms[] = {
            {"rom without size", "name=\"a.gb\" crc=\"1234abcd\"", "a rom of \"A\" has no size"},
            {"rom without crc", "name=\"a.gb\" size=\"4\"", "a rom of \"A\" has no crc"},
            {"rom without name", "size=\"4\" crc=\"1\"", "a rom of \"A\" has no name"},
            {"crc not hex", "name=\"a.gb\" size=\"4\" crc=\"1234abcg\"", "the crc of a rom of \"A\" is not hexadecimal"},
            {"crc too long", "name=\"a.gb\" size=\"4\" crc=\"1234abcd0\"", "is not hexadecimal"},
            {"size not a number", "name=\"a.gb\" size=\"4k\" crc=\"1\"", "is not a number"},
            {"sha1 short", "name=\"a.gb\" size=\"4\" crc=\"1\" sha1=\"0102\"", "the sha1 of a rom of \"A\" is not 40"},
        };
        for (const auto &bad : roms)
            QTest::newRow(bad.row) << romWith(bad.attributes) << QString::fromUtf8(bad.reason);
        QTest::newRow("games past the limit") << Dat(game + game + game) << u"more than 2 games"_s;
        QTest::newRow("text past the limit") << Dat(game + QByteArray(600, ' ')) << u"longer than 600 bytes"_s;
    }

    // Each refused with one line naming the file, and nothing of it kept.
    void datRefused()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, reason);
        DatLimits limits;
        limits.maxGames = 2;
        limits.maxBytes = 600;
        DatFile dat;
        QString why;
        QVERIFY(!ParseDat(text, QStringLiteral("x.dat"), dat, &why, limits));
        QVERIFY2(why.startsWith(QStringLiteral("The DAT file x.dat is refused: ")), qPrintable(why));
        QVERIFY2(why.contains(reason), qPrintable(why));
        QVERIFY2(!why.contains(QLatin1Char('\n')), qPrintable(why));
        QVERIFY(dat.name.isEmpty() && dat.roms.empty() && dat.games == 0);
    }

    // The limits a DAT is held to, on the file itself: a file longer than
    // 100 MB (sparse: nothing is written) is not read at all.
    void defaultLimits()
    {
        QCOMPARE(DatLimits().maxBytes, qint64(100) * 1000 * 1000);
        QCOMPARE(DatLimits().maxGames, 1000 * 1000);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("huge.dat")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write(Dat("<game name=\"A\"><rom name=\"a.gb\" size=\"4\" crc=\"1\"/></game>")) > 0);
        QVERIFY(file.resize(DatLimits().maxBytes + 1));
        file.close();
        DatFile dat;
        QString why;
        QVERIFY(!ReadDatFile(file.fileName(), dat, &why));
        QVERIFY2(why.contains(QStringLiteral("longer than 100000000 bytes")), qPrintable(why));
        QVERIFY(!ReadDatFile(dir.filePath(QStringLiteral("none.dat")), dat, &why));
        QVERIFY2(why.contains(QStringLiteral("it is not a file")), qPrintable(why));
    }

    void matching_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<quint32>("crc");
        QTest::addColumn<QByteArray>("sha1");
        QTest::addColumn<int>("check");
        QTest::addColumn<QString>("game");
        const QByteArray a = QByteArray::fromHex(kSha1A);
        const QByteArray b = QByteArray::fromHex(kSha1B);
        const int verified = int(DumpCheck::Verified);
        const int bad = int(DumpCheck::BadDump);
        const int notInDat = int(DumpCheck::NotInDat);
        QTest::newRow("size, crc and sha1") << qint64(32768) << 0x11111111u << a << verified << u"Alpha"_s;
        QTest::newRow("another sha1") << qint64(32768) << 0x11111111u << b << bad << u"Alpha"_s;
        QTest::newRow("another size") << qint64(65536) << 0x11111111u << a << notInDat << QString();
        QTest::newRow("no sha1 in the DAT") << qint64(1024) << 0x22222222u << b << verified << u"Beta"_s;
        QTest::newRow("marked bad") << qint64(2048) << 0x33333333u << a << bad << u"Gamma"_s;
        QTest::newRow("good one beside a bad one") << qint64(4096) << 0x44444444u << b << verified << u"Delta (Rev 1)"_s;
        QTest::newRow("bad one beside a good one") << qint64(4096) << 0x44444444u << a << bad << u"Delta"_s;
        QTest::newRow("unknown crc") << qint64(32768) << 0x11111112u << a << notInDat << QString();
        QTest::newRow("crc below all") << qint64(32768) << 0u << a << notInDat << QString();
    }

    void matching()
    {
        QFETCH(qint64, size);
        QFETCH(quint32, crc);
        QFETCH(QByteArray, sha1);
        QFETCH(int, check);
        QFETCH(QString, game);
        const DatIndex index({
            Entry("Delta", 4096, 0x44444444, kSha1A, true),
            Entry("Alpha", 32768, 0x11111111, kSha1A),
            Entry("Gamma", 2048, 0x33333333, "", true),
            Entry("Beta", 1024, 0x22222222, ""),
            Entry("Delta (Rev 1)", 4096, 0x44444444, kSha1B),
        });
        const DumpMatch match = index.Match(size, crc, sha1.toStdString());
        QCOMPARE(int(match.check), check);
        QCOMPARE(match.rom ? QString::fromStdString(match.rom->game) : QString(), game);
    }

    // Missing: the games no ROM is verified as, once each, in the DAT's order.
    void missingGames()
    {
        const DatIndex index({Entry("Alpha", 1, 1, ""), Entry("Beta", 1, 2, ""), Entry("Beta", 1, 3, ""),
                              Entry("Gamma", 1, 4, "")});
        const std::vector<DatIndex::Game> missing = index.Missing({{"Alpha", "Test DAT"}, {"Gamma", "Other DAT"}});
        const std::vector<DatIndex::Game> want = {{"Beta", "Test DAT"}, {"Gamma", "Test DAT"}};
        QCOMPARE(missing, want);
    }
};

VEXA_TEST_MAIN(TestDat)
#include "test_dat.moc"
