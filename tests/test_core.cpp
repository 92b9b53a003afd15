#include "TestMain.h"

#include <cerrno>

#include "core/CartridgeTitle.h"
#include "core/ClickRule.h"
#include "core/CreditsScroller.h"
#include "core/FilePattern.h"
#include "core/GameCount.h"
#include "core/HeaderInspection.h"
#include "core/LaunchCommand.h"
#include "core/PictureExtension.h"
#include "core/StartFailure.h"

using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(PanelAction)

namespace {

std::vector<std::uint8_t> Header(std::uint8_t cgb, std::uint8_t sgb, std::uint8_t size, std::uint8_t destination)
{
    std::vector<std::uint8_t> header(kHeaderLength, 0xFF);
    header[0x143] = cgb;
    header[0x146] = sgb;
    header[0x148] = size;
    header[0x14A] = destination;
    return header;
}

LaunchOptions FreshStart()
{
    LaunchOptions options;
    options.VideoText = "320x200 With Gif";
    options.StereoText = "Normal";
    options.ModeIndex = 1;
    options.CrcState = Checked;
    options.DelayState = Checked;
    options.TwoPlayerState = Unchecked;
    return options;
}

} // namespace

class TestCore : public QObject
{
    Q_OBJECT

private slots:
    void pictureName_data();
    void pictureName();
    void flags_data();
    void flags();
    void romSize_data();
    void romSize();
    void shortHeaderKeepsPanels_data();
    void shortHeaderKeepsPanels();
    void pictureCandidates_data();
    void pictureCandidates();
    void filePattern_data();
    void filePattern();
    void suffixPatternAgreesWithGlob_data();
    void suffixPatternAgreesWithGlob();
    void storedGameCount_data();
    void storedGameCount();

    void workedExamples_data();
    void workedExamples();
    void pieces_data();
    void pieces();
    void noGameEndsWithDelayPiece();
    void splitAtRunsOfBlanks_data();
    void splitAtRunsOfBlanks();
    void launchArguments_data();
    void launchArguments();
    void startFailureWording_data();
    void startFailureWording();
    void cartridgeTitle_data();
    void cartridgeTitle();
    void pictureKey_data();
    void pictureKey();
    void doubleClickIsOneClick_data();
    void doubleClickIsOneClick();
    void earlyEndWording_data();
    void earlyEndWording();

    void roundHalfEven_data();
    void roundHalfEven();
    void firstFrameAtOnceBelowTheBox();
    void pacingBoundary();
    void wrapsAfterTopReachesMinusTextHeight();
    void tickCounterWrapAndSign_data();
    void tickCounterWrapAndSign();
    void zeroHeightRefusesToStart();
};

void TestCore::pictureName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("picture");
    QTest::newRow("tetris.gb") << "tetris.gb" << "tetris.bmp";
    QTest::newRow("text after match stays") << "pokemon.gbc" << "pokemon.bmpc";
    QTest::newRow("first occurrence only") << "a.gb.gb" << "a.bmp.gb";
    QTest::newRow("exactly .gb") << ".gb" << ".bmp";
    QTest::newRow("capitals unchanged") << "TETRIS.GB" << "TETRIS.GB";
    QTest::newRow("sgb: no .gb in it") << "zelda.sgb" << "zelda.sgb";
    QTest::newRow("cgb unchanged") << "mario.cgb" << "mario.cgb";
    QTest::newRow("empty") << "" << "";
    QTest::newRow(".gb inside the name") << "x.gbz.sgb" << "x.bmpz.sgb";
    QTest::newRow("non-ASCII kept") << "ポケモン é.gb" << "ポケモン é.bmp";
}

void TestCore::pictureName()
{
    QFETCH(QString, name);
    QFETCH(QString, picture);
    QCOMPARE(QString::fromStdString(PictureName(name.toStdString())), picture);
}

void TestCore::flags_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("value");
    QTest::addColumn<PanelAction>("expected");
    const int cgb = 0x143, sgb = 0x146, jap = 0x14A;
    QTest::newRow("CGB 00 disables") << cgb << 0x00 << PanelAction::Disable;
    QTest::newRow("CGB 80 enables") << cgb << 0x80 << PanelAction::Enable;
    QTest::newRow("CGB C0 keeps") << cgb << 0xC0 << PanelAction::Keep;
    QTest::newRow("CGB 03 keeps") << cgb << 0x03 << PanelAction::Keep;
    QTest::newRow("CGB FF keeps") << cgb << 0xFF << PanelAction::Keep;
    QTest::newRow("SGB 00 disables") << sgb << 0x00 << PanelAction::Disable;
    QTest::newRow("SGB 03 enables") << sgb << 0x03 << PanelAction::Enable;
    QTest::newRow("SGB 80 keeps") << sgb << 0x80 << PanelAction::Keep;
    QTest::newRow("SGB 01 keeps") << sgb << 0x01 << PanelAction::Keep;
    QTest::newRow("JAP 00 enables") << jap << 0x00 << PanelAction::Enable;
    QTest::newRow("JAP 01 disables") << jap << 0x01 << PanelAction::Disable;
    QTest::newRow("JAP 02 keeps") << jap << 0x02 << PanelAction::Keep;
    QTest::newRow("JAP 33 keeps") << jap << 0x33 << PanelAction::Keep;
}

void TestCore::flags()
{
    QFETCH(int, offset);
    QFETCH(int, value);
    QFETCH(PanelAction, expected);
    // Every other flag byte holds a value outside the tables.
    std::vector<std::uint8_t> header(kHeaderLength, 0x77);
    header[static_cast<std::size_t>(offset)] = static_cast<std::uint8_t>(value);
    const HeaderFacts facts = InspectHeader(header);
    const PanelAction actual = offset == 0x143 ? facts.CgbAction
        : offset == 0x146                      ? facts.SgbAction
                                               : facts.JapAction;
    QCOMPARE(actual, expected);
    const int keeps = (facts.CgbAction == PanelAction::Keep) + (facts.SgbAction == PanelAction::Keep)
        + (facts.JapAction == PanelAction::Keep);
    QCOMPARE(keeps, expected == PanelAction::Keep ? 3 : 2);
}

void TestCore::romSize_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    const QList<QPair<int, const char *>> table{{0x00, "256KBit"}, {0x01, "512KBit"}, {0x02, "1MBit"},
                                                {0x03, "2MBit"},   {0x04, "4MBit"},   {0x05, "8MBit"},
                                                {0x06, "16MBit"},  {0x52, "9MBit"},   {0x53, "10MBit"},
                                                {0x54, "12MBit"},  {0x07, "?MBit"},   {0x08, "?MBit"},
                                                {0x51, "?MBit"},   {0x55, "?MBit"},   {0xFF, "?MBit"}};
    for (const auto &[code, text] : table)
        QTest::addRow("0x%02X", code) << code << QString::fromUtf8(text);
}

void TestCore::romSize()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    const HeaderFacts facts = InspectHeader(Header(0x80, 0x03, static_cast<std::uint8_t>(code), 0x00));
    QCOMPARE(QString::fromStdString(facts.RomSizeText), text);
}

void TestCore::shortHeaderKeepsPanels_data()
{
    QTest::addColumn<int>("length");
    QTest::newRow("empty") << 0;
    QTest::newRow("stops before 0x143") << 0x143;
    QTest::newRow("stops before 0x14A") << 0x14A;
    QTest::newRow("399 bytes") << 399;
}

void TestCore::shortHeaderKeepsPanels()
{
    QFETCH(int, length);
    std::vector<std::uint8_t> header = Header(0x80, 0x03, 0x05, 0x00);
    header.resize(static_cast<std::size_t>(length));
    const HeaderFacts facts = InspectHeader(header);
    QCOMPARE(facts.CgbAction, PanelAction::Keep);
    QCOMPARE(facts.SgbAction, PanelAction::Keep);
    QCOMPARE(facts.JapAction, PanelAction::Keep);
    QCOMPARE(QString::fromStdString(facts.RomSizeText), QStringLiteral("?MBit"));
}

void TestCore::pictureCandidates_data()
{
    QTest::addColumn<QString>("rom");
    QTest::addColumn<QStringList>("places");
    const QStringList exts{u".png"_s, u".jpg"_s, u".jpeg"_s, u".bmp"_s, u".gif"_s};
    auto fallback = [&](const char *stem, bool skipCwdBmp) {
        QStringList places;
        for (const char *where : {"cwd/", "rom/"}) {
            for (const QString &ext : exts) {
                if (!(skipCwdBmp && ext == QLatin1String(".bmp") && QLatin1String(where) == QLatin1String("cwd/")))
                    places << QLatin1String(where) + QString::fromUtf8(stem) + ext;
            }
        }
        return places;
    };
    QTest::newRow("tetris.gb: classic name covers the cwd bmp")
        << "tetris.gb" << QStringList{u"cwd/tetris.bmp"_s} + fallback("tetris", true);
    QTest::newRow("pokemon.gbc") << "pokemon.gbc" << QStringList{u"cwd/pokemon.bmpc"_s} + fallback("pokemon", false);
    QTest::newRow("real set name") << "Tetris (World) (Rev 1).gb"
                                   << QStringList{u"cwd/Tetris (World) (Rev 1).bmp"_s}
                                          + fallback("Tetris (World) (Rev 1)", true);
    QTest::newRow("no extension") << "README" << QStringList{u"cwd/README"_s} + fallback("README", false);
    QTest::newRow(".gb alone: no stem") << ".gb" << QStringList{u"cwd/.bmp"_s};
    QTest::newRow("backslashes stay")
        << "..\\..\\x.gbc" << QStringList{u"cwd/..\\..\\x.bmpc"_s} + fallback("..\\..\\x", false);
}

void TestCore::pictureCandidates()
{
    QFETCH(QString, rom);
    QFETCH(QStringList, places);
    QStringList found;
    for (const PictureCandidate &candidate : PictureCandidates(rom.toStdString()))
        found << (candidate.inRomFolder ? QStringLiteral("rom/") : QStringLiteral("cwd/")) + QString::fromStdString(candidate.name);
    QCOMPARE(found, places);
}

void TestCore::filePattern_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("matches");
    QTest::newRow("x.gb") << "x.gb" << true;
    QTest::newRow("TOTO.GB") << "TOTO.GB" << true;
    QTest::newRow("x.sgb") << "x.sgb" << true;
    QTest::newRow("X.SGB") << "X.SGB" << true;
    QTest::newRow("xcgb: no dot needed") << "xcgb" << true;
    QTest::newRow("x.cgb") << "x.cgb" << true;
    QTest::newRow("XCGB") << "XCGB" << true;
    QTest::newRow(".gb alone") << ".gb" << true;
    QTest::newRow("x.gbc") << "x.gbc" << true;
    QTest::newRow("X.GBC") << "X.GBC" << true;
    QTest::newRow("x.gba") << "x.gba" << false;
    QTest::newRow("x.gb.zip") << "x.gb.zip" << false;
    QTest::newRow("gb without dot") << "xgb" << false;
    QTest::newRow("blank in name") << "a b.gb" << true;
    QTest::newRow("non-ASCII") << "ポケモン.gb" << true;
    QTest::newRow("empty") << "" << false;
}

void TestCore::filePattern()
{
    QFETCH(QString, name);
    QFETCH(bool, matches);
    const std::string bytes = name.toStdString();
    QCOMPARE(FilePattern("*.gb; *.sgb; *cgb; *.gbc").Matches(bytes), matches);
    QCOMPARE(FilePattern("*.gb;*.sgb;*cgb;*.gbc").Matches(bytes), matches);
    QCOMPARE(FilePattern(" *.GB ;  *.Sgb; *CGB ;*.gbC ").Matches(bytes), matches);
}

// "*.gb" is matched by the suffix compare, "**.gb" by the general wildcard
// match; both must say the same, and say it right.
void TestCore::suffixPatternAgreesWithGlob_data()
{
    QTest::addColumn<QByteArray>("pattern");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("matches");
    QTest::newRow("plain") << QByteArray("*.gb") << QByteArray("x.gb") << true;
    QTest::newRow("name is the suffix") << QByteArray("*.gb") << QByteArray(".gb") << true;
    QTest::newRow("name shorter") << QByteArray("*.gbc") << QByteArray("gbc") << false;
    QTest::newRow("name folded") << QByteArray("*.gbc") << QByteArray("X.GbC") << true;
    QTest::newRow("pattern folded") << QByteArray("*.GBC") << QByteArray("x.gbc") << true;
    QTest::newRow("last byte differs") << QByteArray("*.gb") << QByteArray("x.gc") << false;
    QTest::newRow("first byte differs") << QByteArray("*.gb") << QByteArray("xxgb") << false;
    QTest::newRow("suffix inside only") << QByteArray("*.gb") << QByteArray("x.gb.txt") << false;
    QTest::newRow("bytes above ASCII kept") << QByteArray("*\xC3\xA9") << QByteArray("caf\xC3\xA9") << true;
    QTest::newRow("no folding above ASCII") << QByteArray("*\xC3\xA9") << QByteArray("CAF\xC3\x89") << false;
    QTest::newRow("blanks inside kept") << QByteArray("*a b") << QByteArray("xa b") << true;
}

void TestCore::suffixPatternAgreesWithGlob()
{
    QFETCH(QByteArray, pattern);
    QFETCH(QByteArray, name);
    QFETCH(bool, matches);
    const std::string bytes = name.toStdString();
    QCOMPARE(FilePattern(pattern.toStdString()).Matches(bytes), matches);
    QCOMPARE(FilePattern("*" + pattern.toStdString()).Matches(bytes), matches);
}

void TestCore::storedGameCount_data()
{
    QTest::addColumn<qulonglong>("listed");
    QTest::addColumn<int>("stored");
    QTest::newRow("none") << 0ULL << 0;
    QTest::newRow("37") << 37ULL << 37;
    QTest::newRow("the largest") << 32767ULL << 32767;
    QTest::newRow("one more") << 32768ULL << 32767;
    QTest::newRow("100,000") << 100000ULL << 32767;
}

void TestCore::storedGameCount()
{
    QFETCH(qulonglong, listed);
    QFETCH(int, stored);
    QCOMPARE(StoredGameCount(listed), stored);
}

void TestCore::workedExamples_data()
{
    QTest::addColumn<QString>("video");
    QTest::addColumn<QString>("stereo");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("crc");
    QTest::addColumn<int>("delay");
    QTest::addColumn<int>("twoPlayer");
    QTest::addColumn<QString>("game");
    QTest::addColumn<QString>("command");
    QTest::newRow("fresh start")
        << "320x200 With Gif" << "Normal" << 1 << 1 << 1 << 0 << "C:\\roms/x.gb"
        << "vexa  -rtsdir rsave/  -savdir saves/  -cgb  -sound 1 -stereo 1  -crc  -delay C:\\roms/x.gb";
    QTest::newRow("second example")
        << "180x144" << "Off" << 2 << 0 << 0 << 0 << "D:\\games/tetris.gb"
        << "vexa  -rtsdir rsave/  -savdir saves/  -video 3  -sgb  -sound 0  -nocrc  -nodelay D:\\games/tetris.gb";
}

void TestCore::workedExamples()
{
    QFETCH(QString, video);
    QFETCH(QString, stereo);
    QFETCH(int, mode);
    QFETCH(int, crc);
    QFETCH(int, delay);
    QFETCH(int, twoPlayer);
    QFETCH(QString, game);
    QFETCH(QString, command);
    const LaunchOptions options{video.toStdString(), stereo.toStdString(), mode, crc, delay, twoPlayer,
                                game.toStdString()};
    const std::string built = BuildLaunchCommand(options);
    QCOMPARE(QString::fromStdString(built), command);
    if (QByteArray(QTest::currentDataTag()) == "fresh start")
        QCOMPARE(built.size(), std::size_t(89));
}

// Each row changes one field of a fresh start and names the text that field
// contributes, between the neighbours that frame it.
void TestCore::pieces_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");
    const QString head = u"vexa  -rtsdir rsave/  -savdir saves/ "_s;
    const QString tail = u" -crc  -delay /r/x.gb"_s;
    auto row = [&](const char *tag, const char *field, const char *value, const char *middle) {
        QTest::newRow(tag) << field << value << head + QString::fromUtf8(middle) + tail;
    };
    row("video 320x200 With Gif: nothing", "video", "320x200 With Gif", " -cgb  -sound 1 -stereo 1 ");
    row("video 320x200", "video", "320x200", " -video 1  -cgb  -sound 1 -stereo 1 ");
    row("video 360x144", "video", "360x144", " -video 2  -cgb  -sound 1 -stereo 1 ");
    row("video 180x144", "video", "180x144", " -video 3  -cgb  -sound 1 -stereo 1 ");
    row("video 256x200 With Gif", "video", "256x200 With Gif", " -video 4  -cgb  -sound 1 -stereo 1 ");
    row("video 256x200", "video", "256x200", " -video 5  -cgb  -sound 1 -stereo 1 ");
    row("video typed in capitals", "video", "320X200", " -cgb  -sound 1 -stereo 1 ");
    row("video with trailing blank", "video", "320x200 ", " -cgb  -sound 1 -stereo 1 ");
    row("video empty", "video", "", " -cgb  -sound 1 -stereo 1 ");
    row("sound Off", "stereo", "Off", " -cgb  -sound 0 ");
    row("sound Mono", "stereo", "Mono", " -cgb  -sound 1 -stereo 0 ");
    row("sound Reversed", "stereo", "Reversed", " -cgb  -sound 1 -stereo 2 ");
    row("sound empty: no switch", "stereo", "", " -cgb ");
    row("sound lower case", "stereo", "normal", " -cgb ");
    row("mode GB", "mode", "0", " -gb  -sound 1 -stereo 1 ");
    row("mode SGB", "mode", "2", " -sgb  -sound 1 -stereo 1 ");
    row("mode none", "mode", "-1", " -sound 1 -stereo 1 ");
    row("two-player ticked", "twoPlayer", "1", " -cgb  -sound 1 -stereo 1  -2pl ");
    row("two-player greyed", "twoPlayer", "2", " -cgb  -sound 1 -stereo 1  -2pl ");
    QTest::newRow("two-player with GB mode")
        << "twoPlayerGb" << "1" << head + u" -gb  -sound 1 -stereo 1  -2pl "_s + tail;
    QTest::newRow("crc clear") << "crc" << "0" << head + u" -cgb  -sound 1 -stereo 1  -nocrc  -delay /r/x.gb"_s;
    QTest::newRow("crc greyed") << "crc" << "2" << head + u" -cgb  -sound 1 -stereo 1  -nocrc  -delay /r/x.gb"_s;
    QTest::newRow("delay clear") << "delay" << "0" << head + u" -cgb  -sound 1 -stereo 1  -crc  -nodelay /r/x.gb"_s;
    QTest::newRow("delay greyed") << "delay" << "2" << head + u" -cgb  -sound 1 -stereo 1  -crc  -nodelay /r/x.gb"_s;
    QTest::newRow("game with blanks and shell text")
        << "game" << "/r/a b;$(rm -rf ~)&`x`|'q\".gb"
        << head + u" -cgb  -sound 1 -stereo 1  -crc  -delay /r/a b;$(rm -rf ~)&`x`|'q\".gb"_s;
}

void TestCore::pieces()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, expected);
    LaunchOptions options = FreshStart();
    options.Game = "/r/x.gb";
    if (field == QLatin1String("video"))
        options.VideoText = value.toStdString();
    else if (field == QLatin1String("stereo"))
        options.StereoText = value.toStdString();
    else if (field == QLatin1String("mode"))
        options.ModeIndex = value.toInt();
    else if (field == QLatin1String("twoPlayer"))
        options.TwoPlayerState = value.toInt();
    else if (field == QLatin1String("twoPlayerGb"))
        options.TwoPlayerState = value.toInt(), options.ModeIndex = 0;
    else if (field == QLatin1String("crc"))
        options.CrcState = value.toInt();
    else if (field == QLatin1String("delay"))
        options.DelayState = value.toInt();
    else if (field == QLatin1String("game"))
        options.Game = value.toStdString();
    QCOMPARE(QString::fromStdString(BuildLaunchCommand(options)), expected);
}

void TestCore::startFailureWording_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("program");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("adviceHas");
    QTest::addColumn<bool>("offersFind");
    const QString picked = QStringLiteral("/opt/vx/vexa");
    QTest::newRow("not on the PATH") << ENOENT << u"vexa"_s << false << u"vexa was not found on the PATH"_s
                                     << u"man vexa-launcher"_s << true;
    QTest::newRow("on the PATH, interpreter missing")
        << ENOENT << u"vexa"_s << true << u"its interpreter or loader is missing"_s << QString() << false;
    QTest::newRow("not executable") << EACCES << u"vexa"_s << false << u"permission denied"_s << QString() << true;
    QTest::newRow("anything else, in the system's words")
        << ENOEXEC << u"vexa"_s << true << u"Exec format error"_s << QString() << false;
    QTest::newRow("picked program gone") << ENOENT << picked << false << picked + u" is not there any more"_s
                                         << u"Find vexa…"_s << true;
    QTest::newRow("picked program not executable") << EACCES << picked << true
        << picked + u" may not be run (permission denied)"_s << u"use vexa on the PATH again"_s << true;
    QTest::newRow("picked program, interpreter missing")
        << ENOENT << picked << true << u"its interpreter or loader is missing"_s << QString() << false;
}

void TestCore::startFailureWording()
{
    QFETCH(int, error);
    QFETCH(QString, program);
    QFETCH(bool, found);
    QFETCH(QString, reason);
    QFETCH(QString, adviceHas);
    QFETCH(bool, offersFind);
    const StartFailure failure =
        DescribeStartFailure(error, program.toStdString(), found, "Exec format error", "vexa  -gb /r/x.gb");
    QCOMPARE(QString::fromStdString(failure.message),
             u"The emulator could not be started (%1): vexa  -gb /r/x.gb"_s.arg(reason));
    QCOMPARE(QString::fromStdString(failure.summary), u"The emulator could not be started (%1)."_s.arg(reason));
    QCOMPARE(QString::fromStdString(failure.command), u"vexa  -gb /r/x.gb"_s);
    QCOMPARE(failure.advice.empty(), adviceHas.isEmpty());
    QVERIFY2(QString::fromStdString(failure.advice).contains(adviceHas), failure.advice.c_str());
    QCOMPARE(failure.programMissing, offersFind);
}

// Headers as cartridges of each age have them: the title bytes from 0x134 to
// 0x143 and the old licensee code at 0x14B (0x33: the new code is used).
void TestCore::cartridgeTitle_data()
{
    QTest::addColumn<QByteArray>("titleBytes");
    QTest::addColumn<int>("licensee");
    QTest::addColumn<int>("headerLength");
    QTest::addColumn<QString>("title");
    QTest::newRow("padded with zeros") << QByteArray("TETRIS\0\0\0\0\0\0\0\0\0\0", 16) << 0x01 << 0x150 << u"TETRIS"_s;
    QTest::newRow("all sixteen bytes, new licensee") << QByteArray("KIRBY DREAM LAND") << 0x33 << 0x150 << u"KIRBY DREAM LAND"_s;
    QTest::newRow("Color title of fifteen") << QByteArray("POKEMON CRYSTAL\x80") << 0x01 << 0x150 << u"POKEMON CRYSTAL"_s;
    QTest::newRow("Color title of fifteen, new licensee, a blank where a code would be")
        << QByteArray("HARVEST MOON GB\x80") << 0x33 << 0x150 << u"HARVEST MOON GB"_s;
    QTest::newRow("eleven letters and a manufacturer code") << QByteArray("ZELDA NAYRUAZ8E\x80") << 0x33 << 0x150 << u"ZELDA NAYRU"_s;
    QTest::newRow("Color only, short title and a code") << QByteArray("PM_CRYSTAL\0BYTE\xC0", 16) << 0x33 << 0x150 << u"PM_CRYSTAL"_s;
    QTest::newRow("Game Boy only, a code") << QByteArray("WARIO LAND2AW2E\0", 16) << 0x33 << 0x150 << u"WARIO LAND2"_s;
    QTest::newRow("code-like letters, old licensee") << QByteArray("ZELDA NAYRUAZ8E\x80") << 0x01 << 0x150 << u"ZELDA NAYRUAZ8E"_s;
    QTest::newRow("CGB flag and other bytes left out") << QByteArray("ZELDA\x01\x7F""DX\xE9    \x80", 16) << 0x01 << 0x150 << u"ZELDADX"_s;
    QTest::newRow("blanks at the ends dropped") << QByteArray("  MARIO   \0XXXXX", 16) << 0x01 << 0x150 << u"MARIO"_s;
    QTest::newRow("only as far as the header reaches") << QByteArray("KIRBY DREAM LAND") << 0x01 << 0x134 + 5 << u"KIRBY"_s;
    QTest::newRow("no header") << QByteArray("KIRBY DREAM LAND") << 0x01 << 0 << QString();
}

void TestCore::cartridgeTitle()
{
    QFETCH(QByteArray, titleBytes);
    QFETCH(int, licensee);
    QFETCH(int, headerLength);
    QFETCH(QString, title);
    std::vector<std::uint8_t> header(0x150, 0);
    std::copy(titleBytes.begin(), titleBytes.end(), header.begin() + 0x134);
    header[0x14B] = static_cast<std::uint8_t>(licensee);
    header.resize(static_cast<std::size_t>(headerLength));
    QCOMPARE(QString::fromStdString(CartridgeTitle(header)), title);
    QCOMPARE(QString::fromStdString(RomToolTip("Tetris (World).gb", CartridgeTitle(header))),
             title.isEmpty() ? u"Tetris (World).gb"_s : u"Tetris (World).gb\n"_s + title);
}

void TestCore::pictureKey_data()
{
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("same");
    QTest::newRow("capitals") << "Tetris.png" << "Tetris.PNG" << true;
    QTest::newRow("mixed") << "a.jpg" << "a.Jpg" << true;
    QTest::newRow("only the last extension") << "a.b.png" << "a.B.png" << false;
    QTest::newRow("the name keeps its case") << "Tetris.png" << "tetris.png" << false;
    QTest::newRow("another extension") << "a.png" << "a.pnG2" << false;
    QTest::newRow("no extension") << "README" << "readme" << false;
}

void TestCore::pictureKey()
{
    QFETCH(QString, wanted);
    QFETCH(QString, stored);
    QFETCH(bool, same);
    QCOMPARE(PictureKey(wanted.toStdString()) == PictureKey(stored.toStdString()), same);
}

void TestCore::doubleClickIsOneClick_data()
{
    // p: a press, d: the second press of a double-click, r: a release over
    // the control, o: a release away from it.
    QTest::addColumn<QString>("events");
    QTest::addColumn<int>("clicks");
    QTest::newRow("a click") << u"pr"_s << 1;
    QTest::newRow("a double-click") << u"prdr"_s << 1;
    QTest::newRow("two separate clicks") << u"prpr"_s << 2;
    QTest::newRow("a click after a double-click") << u"prdrpr"_s << 2;
    QTest::newRow("released away") << u"po"_s << 0;
    QTest::newRow("a release without a press") << u"r"_s << 0;
}

void TestCore::doubleClickIsOneClick()
{
    QFETCH(QString, events);
    QFETCH(int, clicks);
    ClickRule rule;
    int counted = 0;
    for (const QChar event : events) {
        if (event == u'p' || event == u'd')
            rule.Pressed(event == u'd');
        else
            counted += rule.Released(event == u'r') ? 1 : 0;
    }
    QCOMPARE(counted, clicks);
}

void TestCore::earlyEndWording_data()
{
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<int>("signal");
    QTest::addColumn<QByteArray>("tail");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("advice");
    const QString stopped = QStringLiteral("The emulator stopped %1 right after it started: vexa  -gb /r/x.gb");
    QTest::newRow("a status and its last lines")
        << 1 << 0 << QByteArray("loading\ncannot open ROM: bad header\n\n") << stopped.arg(u"with status 1"_s)
        << u"It said:\nloading\ncannot open ROM: bad header"_s;
    QTest::newRow("a signal, nothing said") << -1 << 11 << QByteArray() << stopped.arg(u"by signal 11"_s)
                                            << u"It wrote nothing on its error output."_s;
    QTest::newRow("control bytes shown as ?") << 2 << 0 << QByteArray("bad\x1b[31m\tname\r") << stopped.arg(u"with status 2"_s)
                                              << u"It said:\nbad?[31m?name?"_s;
    QTest::newRow("a long tail keeps whole last lines")
        << 3 << 0 << QByteArray(350, 'a') + "\n" + QByteArray(250, 'b') + "\nend\n" << stopped.arg(u"with status 3"_s)
        << u"It said:\n"_s + QString(250, QLatin1Char('b')) + u"\nend"_s;
    QTest::newRow("blank lines inside dropped") << 4 << 0 << QByteArray("first\n\n   \nsecond\n") << stopped.arg(u"with status 4"_s)
                                                << u"It said:\nfirst\nsecond"_s;
}

void TestCore::earlyEndWording()
{
    QFETCH(int, exitCode);
    QFETCH(int, signal);
    QFETCH(QByteArray, tail);
    QFETCH(QString, message);
    QFETCH(QString, advice);
    const StartFailure failure = DescribeEarlyEnd(exitCode, signal, tail.toStdString(), "vexa  -gb /r/x.gb");
    QCOMPARE(QString::fromStdString(failure.message), message);
    QCOMPARE(QString::fromStdString(failure.advice), advice);
}

void TestCore::noGameEndsWithDelayPiece()
{
    LaunchOptions options = FreshStart();
    QCOMPARE(QString::fromStdString(BuildLaunchCommand(options)),
             QStringLiteral("vexa  -rtsdir rsave/  -savdir saves/  -cgb  -sound 1 -stereo 1  -crc  -delay "));
    options.DelayState = Unchecked;
    QVERIFY(QString::fromStdString(BuildLaunchCommand(options)).endsWith(QLatin1String(" -nodelay ")));
}

void TestCore::splitAtRunsOfBlanks_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("double blanks") << "vexa  -rtsdir rsave/  -cgb /r/x.gb"
                                   << QStringList{u"vexa"_s, u"-rtsdir"_s, u"rsave/"_s, u"-cgb"_s, u"/r/x.gb"_s};
    QTest::newRow("trailing blank") << "vexa  -delay " << QStringList{u"vexa"_s, u"-delay"_s};
    QTest::newRow("leading blanks") << "   vexa" << QStringList{u"vexa"_s};
    QTest::newRow("empty") << "" << QStringList{};
    QTest::newRow("only blanks") << "   " << QStringList{};
    QTest::newRow("tab is not a blank") << "vexa a\tb" << QStringList{u"vexa"_s, u"a\tb"_s};
}

void TestCore::splitAtRunsOfBlanks()
{
    QFETCH(QString, line);
    QFETCH(QStringList, words);
    QStringList split;
    for (const std::string &word : SplitCommandLine(line.toStdString()))
        split.append(QString::fromStdString(word));
    QCOMPARE(split, words);
}

// The switches arrive split; the ROM path arrives whole, as the last word.
void TestCore::launchArguments_data()
{
    QTest::addColumn<QByteArray>("game");
    QTest::addColumn<QStringList>("tail");
    QTest::newRow("no ROM: no empty word") << QByteArray() << QStringList{u"-crc"_s, u"-delay"_s};
    QTest::newRow("plain") << QByteArray("/r/x.gb") << QStringList{u"-crc"_s, u"-delay"_s, u"/r/x.gb"_s};
    QTest::newRow("blanks and parentheses")
        << QByteArray("/r/Tetris (World) (Rev 1).gb")
        << QStringList{u"-crc"_s, u"-delay"_s, u"/r/Tetris (World) (Rev 1).gb"_s};
    QTest::newRow("leading, trailing and double blanks")
        << QByteArray("/r/ a  b .gb") << QStringList{u"-crc"_s, u"-delay"_s, u"/r/ a  b .gb"_s};
    QTest::newRow("shell text")
        << QByteArray("/r/$(x);`y`|&.gb") << QStringList{u"-crc"_s, u"-delay"_s, u"/r/$(x);`y`|&.gb"_s};
}

void TestCore::launchArguments()
{
    QFETCH(QByteArray, game);
    QFETCH(QStringList, tail);
    LaunchOptions options = FreshStart();
    options.Game = game.toStdString();
    QStringList words;
    for (const std::string &word : LaunchArguments(options))
        words.append(QString::fromStdString(word));
    const QStringList head{u"vexa"_s, u"-rtsdir"_s, u"rsave/"_s, u"-savdir"_s, u"saves/"_s,
                           u"-cgb"_s, u"-sound"_s, u"1"_s, u"-stereo"_s, u"1"_s};
    QCOMPARE(words, head + tail);
}

void TestCore::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("rounded");
    QTest::newRow("0.5") << 0.5 << 0;
    QTest::newRow("1.5") << 1.5 << 2;
    QTest::newRow("2.5") << 2.5 << 2;
    QTest::newRow("160.5") << 160.5 << 160;
    QTest::newRow("161.5") << 161.5 << 162;
    QTest::newRow("2.4") << 2.4 << 2;
    QTest::newRow("2.6") << 2.6 << 3;
    QTest::newRow("-0.5") << -0.5 << 0;
    QTest::newRow("-1.5") << -1.5 << -2;
    QTest::newRow("-2.5") << -2.5 << -2;
    QTest::newRow("integer") << 161.0 << 161;
}

void TestCore::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(int, rounded);
    QCOMPARE(CreditsScroller::RoundHalfEven(value), rounded);
}

void TestCore::firstFrameAtOnceBelowTheBox()
{
    CreditsScroller scroller;
    QVERIFY(scroller.Start(224, 354.0, 161.0));
    QVERIFY(scroller.FrameDue(1000));
    QCOMPARE(scroller.Rect().top, 161);
    QCOMPARE(scroller.Rect().bottom, 161 + 224);
    QCOMPARE(scroller.Rect().left, 0);
    QCOMPARE(scroller.Rect().right, 354);
    QCOMPARE(scroller.TextHeight(), 224);

    // Halves round to even: a box 160.5 high starts at 160, its bottom at
    // 160.5 + 3 = 163.5 rounds to 164.
    QVERIFY(scroller.Start(3, 10.5, 160.5));
    QCOMPARE(scroller.Rect().top, 160);
    QCOMPARE(scroller.Rect().bottom, 164);
    QCOMPARE(scroller.Rect().right, 10);
}

void TestCore::pacingBoundary()
{
    CreditsScroller scroller;
    QVERIFY(scroller.Start(100, 100, 50));
    scroller.FrameShown(5000);
    QVERIFY(!scroller.FrameDue(5000));
    QVERIFY(!scroller.FrameDue(5040));
    QCOMPARE(scroller.MillisecondsUntilDue(5040), 1u);
    QCOMPARE(scroller.MillisecondsUntilDue(5000), 41u);
    QVERIFY(scroller.FrameDue(5041));
    QCOMPARE(scroller.MillisecondsUntilDue(5041), 0u);
}

void TestCore::wrapsAfterTopReachesMinusTextHeight()
{
    CreditsScroller scroller;
    const int height = 5;
    const int box = 3;
    QVERIFY(scroller.Start(height, 20, box));
    QList<int> tops;
    for (int frame = 0; frame < 2 * (box + height + 1); ++frame) {
        tops.append(scroller.Rect().top);
        QCOMPARE(scroller.Rect().bottom - scroller.Rect().top, height);
        scroller.Advance(box);
    }
    // One cycle is ScaleHeight + text height + 1 frames: 3, 2, ..., -5.
    const QList<int> cycle{3, 2, 1, 0, -1, -2, -3, -4, -5};
    QCOMPARE(tops, cycle + cycle);

    // A new cycle reads the box height anew.
    QVERIFY(scroller.Start(height, 20, box));
    for (int i = 0; i < box + height + 1; ++i)
        scroller.Advance(7);
    QCOMPARE(scroller.Rect().top, 7);
    QCOMPARE(scroller.Rect().bottom, 12);
}

void TestCore::tickCounterWrapAndSign_data()
{
    QTest::addColumn<quint32>("last");
    QTest::addColumn<quint32>("now");
    QTest::addColumn<bool>("due");
    QTest::newRow("wraps to 0: 40 ms") << 0xFFFFFFF0u << 0x18u << false;
    QTest::newRow("wraps to 0: 41 ms") << 0xFFFFFFF0u << 0x19u << true;
    QTest::newRow("turns negative as signed: 40 ms") << 0x7FFFFFF0u << 0x80000018u << false;
    QTest::newRow("turns negative as signed: 41 ms") << 0x7FFFFFF0u << 0x80000019u << true;
    QTest::newRow("long pause") << 100u << 100000u << true;
}

void TestCore::tickCounterWrapAndSign()
{
    QFETCH(quint32, last);
    QFETCH(quint32, now);
    QFETCH(bool, due);
    CreditsScroller scroller;
    QVERIFY(scroller.Start(10, 10, 10));
    scroller.FrameShown(last);
    QCOMPARE(scroller.FrameDue(now), due);
}

void TestCore::zeroHeightRefusesToStart()
{
    CreditsScroller scroller;
    QVERIFY(scroller.Start(10, 10, 10));
    QVERIFY(!scroller.Start(0, 354, 161));
    QVERIFY(!scroller.Running());
}

VEXA_TEST_MAIN(TestCore)
#include "test_core.moc"
