// Shows the library window on a made-up collection of a few hundred ROMs, for a
// look and a screenshot: library_preview [search text [picture.png [grouped]]].
// With a picture named, the window's part of the screen is saved there once
// the window is drawn, and the program ends; "grouped" shows one row per game,
// the versions of Tetris listed. Its settings go to a temporary folder. It
// speaks the desktop's language: LANGUAGE=de library_preview ...
#include "library/LibraryModel.h"
#include "library/LibraryWindow.h"
#include "platform/Fonts.h"
#include "platform/Translations.h"

#include <QApplication>

#include <array>
#include <cstdint>
#include <QDateTime>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QToolButton>
#include <QScreen>
#include <QTimer>
#include <QStyleFactory>
#include <QTableView>
#include <QTemporaryDir>

namespace {

struct Sample {
    const char *file;
    int sizeKb;
    std::uint8_t colour, superFlag;
    bool favourite;
    int daysAgo; // 0: never played
    int minutes;
    DumpCheck check = DumpCheck::NotInDat;
    bool damaged = false;
    const char *datGame = nullptr;
    const char *cloneOf = nullptr;
};

const Sample kSamples[] = {
    {"Nintendo/Legend of Zelda, The - Link's Awakening DX (USA, Europe) (Rev 2).gbc", 1024, 0x80, 0x00, true, 1, 754},
    {"Nintendo/Legend of Zelda, The - Link's Awakening (USA, Europe) (Rev 2).gb", 512, 0x00, 0x00, false, 40, 95},
    {"Nintendo/Legend of Zelda, The - Oracle of Ages (USA).zip: Oracle of Ages (USA).gbc", 1024, 0xC0, 0x00, false, 0, 0},
    {"Nintendo/Legend of Zelda, The - Oracle of Seasons (USA).zip: Oracle of Seasons (USA).gbc", 1024, 0xC0, 0x00, true, 3, 1312},
    {"Nintendo/Kirby's Dream Land (USA, Europe).gb", 256, 0x00, 0x00, false, 12, 48, DumpCheck::Verified},
    {"Nintendo/Hoshi no Kirby (Japan).gb", 256, 0x00, 0x00, false, 0, 0, DumpCheck::Verified, false,
     "Hoshi no Kirby (Japan)", "Kirby's Dream Land (USA, Europe)"},
    {"Nintendo/Kirby's Dream Land (USA, Europe) [h1].gb", 256, 0x00, 0x00, false, 0, 0, DumpCheck::NotInDat, true},
    {"Nintendo/Kirby's Dream Land 2 (USA, Europe) (SGB Enhanced).gb", 512, 0x00, 0x03, true, 2, 203},
    {"Nintendo/Pok\u00e9mon - Edici\u00f3n Amarilla (Spain) (SGB Enhanced).gbc", 1024, 0x80, 0x03, false, 0, 0},
    {"Nintendo/Pokemon - Yellow Version (USA, Europe) (SGB Enhanced).gbc", 1024, 0x80, 0x03, true, 0, 2941},
    {"Nintendo/Tetris (World) (Rev 1).gb", 32, 0x00, 0x00, false, 5, 30, DumpCheck::Verified},
    {"Nintendo/Tetris (Japan).gb", 32, 0x00, 0x00, false, 0, 0, DumpCheck::BadDump},
    {"Nintendo/Tetris (World).gb", 32, 0x00, 0x00, false, 0, 0, DumpCheck::Verified},
    {"Nintendo/Tetris DX (World).gbc", 512, 0x80, 0x03, false, 0, 0},
    {"Nintendo/Metroid II - Return of Samus (World).gb", 256, 0x00, 0x00, false, 0, 0, DumpCheck::Verified, true},
    {"Nintendo/Wario Land - Super Mario Land 3 (World).gb", 512, 0x00, 0x00, false, 9, 66},
    {"Konami/Castlevania II - Belmont's Revenge (USA, Europe).gb", 128, 0x00, 0x00, false, 0, 0},
    {"Capcom/Mega Man V (USA) (SGB Enhanced).gb", 512, 0x00, 0x03, false, 0, 0},
    {"Homebrew/\u00c9cole des Sorci\u00e8res (France).gb", 64, 0x00, 0x00, false, 0, 0},
    {"Homebrew/Stra\u00dfenfeger (Germany).gbc", 128, 0x80, 0x00, false, 0, 0},
    {"Archives.zip: Donkey Kong Land (USA, Europe) (SGB Enhanced).gb", 512, 0x00, 0x03, false, 0, 0},
    {"Archives.zip: Super Mario Land 2 - 6 Golden Coins (USA, Europe) (Rev 2).gb", 512, 0x00, 0x00, false, 20, 120},
};

LibraryRecord Make(const Sample &sample, int index)
{
    LibraryRecord record;
    record.root = QStringLiteral("/home/me/Games/Game Boy");
    record.file = QString::fromUtf8(sample.file);
    const qsizetype colon = record.file.indexOf(QStringLiteral(": "));
    record.path = record.root + QLatin1Char('/') + (colon < 0 ? record.file : record.file.left(colon));
    if (colon >= 0)
        record.entry = record.file.mid(colon + 2).toStdString();
    record.size = qint64(sample.sizeKb) * 1024;
    record.sha1 = QByteArray::number(index).leftJustified(20, '.');
    record.header.assign(0x150, 0);
    QByteArray title = QFileInfo(record.file).completeBaseName().toLatin1().toUpper().left(15);
    std::copy(title.begin(), title.end(), record.header.begin() + 0x134);
    record.header[0x143] = sample.colour;
    record.header[0x146] = sample.superFlag;
    record.header[0x14B] = 0x33;
    record.favourite = sample.favourite;
    record.lastPlayedMs = sample.daysAgo
        ? QDateTime::currentMSecsSinceEpoch() - qint64(sample.daysAgo) * 86400000 - index * 3600000 : 0;
    record.playSeconds = qint64(sample.minutes) * 60;
    record.launches = sample.minutes / 25 + (sample.daysAgo ? 1 : 0);
    record.check = sample.check;
    record.headerDamaged = sample.damaged;
    if (sample.check == DumpCheck::Verified) {
        record.datGame = sample.datGame ? QString::fromUtf8(sample.datGame)
                                        : QFileInfo(record.file.section(QStringLiteral(": "), -1)).completeBaseName();
        record.datName = QStringLiteral("Nintendo - Game Boy");
    }
    if (sample.cloneOf)
        record.cloneOf = QString::fromUtf8(sample.cloneOf);
    return record;
}

// A few hundred more, named as the demo collection's ROMs are: some played,
// some favourites, a third of them zipped.
std::vector<LibraryRecord> MadeUp(int count, int first)
{
    const char *const starts[] = {"Star", "Night", "Colour", "Border", "Puzzle", "Sky", "River", "Pixel", "Moon",
                                  "Robot", "Castle", "Dragon", "Ninja", "Space", "Tiny", "Crystal", "Thunder", "Penguin"};
    const char *const ends[] = {"Racer", "Lights", "Quest", "Bash", "Tower", "Garden", "Patrol", "Rescue", "League",
                                "Island", "Pinball", "Golf", "Tennis", "Derby", "Maze", "Legends", "Blaster"};
    const char *const regions[] = {"(World)", "(USA)", "(Europe)", "(Japan)", "(USA, Europe)"};
    const char *const shelves[] = {"Action", "Puzzle", "Sports", "Adventure"};
    std::vector<LibraryRecord> records;
    std::uint32_t seed = 12345;
    const auto next = [&seed](std::uint32_t below) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % below;
    };
    for (int index = 0; index < count; ++index) {
        QString name = QStringLiteral("Demo %1 %2").arg(QLatin1String(starts[next(18)]), QLatin1String(ends[next(17)]));
        if (next(4) == 0)
            name += QStringLiteral(" %1").arg(2 + next(3));
        name += QLatin1Char(' ') + QLatin1String(regions[next(5)]);
        const bool super = next(5) == 0;
        if (super)
            name += QStringLiteral(" (SGB Enhanced)");
        const std::uint8_t colour = std::array<std::uint8_t, 3>{0x00, 0x80, 0xC0}[next(3)];
        const QString extension = colour == 0x00 ? QStringLiteral(".gb") : QStringLiteral(".gbc");
        QString file = QLatin1String(shelves[next(4)]) + QLatin1Char('/') + name;
        file += next(3) == 0 ? QStringLiteral(".zip: ") + name + extension : extension;
        const QByteArray bytes = file.toUtf8();
        const bool played = next(4) == 0;
        const Sample sample{bytes.constData(), int(32u << next(6)), colour, std::uint8_t(super ? 0x03 : 0x00),
                            next(played ? 3 : 12) == 0, played ? int(1 + next(60)) : 0, played ? int(5 + next(600)) : 0};
        records.push_back(Make(sample, first + index));
    }
    return records;
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    MapWindowsFonts();
    // In the desktop's language (LANGUAGE=de ...), from the build's translations.
    if (!SpeaksEnglish(QLocale::system()))
        InstallTranslations(QLocale::system(),
                            QStringList{QCoreApplication::applicationDirPath() + QStringLiteral("/../translations")} +
                                TranslationFolders(),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath), &app);
    LibraryWindow window;
    std::vector<LibraryRecord> records;
    int index = 0;
    for (const Sample &sample : kSamples)
        records.push_back(Make(sample, index++));
    for (LibraryRecord &record : MadeUp(300, index))
        records.push_back(std::move(record));
    window.SetRecords(std::move(records));
    window.SetRoots({QStringLiteral("/home/me/Games/Game Boy"), QStringLiteral("/mnt/nas/roms")});
    window.SetProgress(1843, 3000);
    window.RootUnreachable(QStringLiteral("/mnt/nas/roms"));
    // The games played last first, as a user who just played would see them.
    window.Table()->sortByColumn(LibraryModel::LastPlayed, Qt::DescendingOrder);
    window.Open();
    if (argc > 1)
        window.SearchField()->setText(QString::fromLocal8Bit(argv[1]));
    if (argc > 3 && QByteArray(argv[3]) == "grouped") {
        window.OneRowPerGame()->click();
        for (int row = window.Model()->rowCount() - 1; row >= 0; --row)
            window.Model()->SetExpanded(row, window.Model()->RecordAt(row).file.contains(QStringLiteral("Tetris")));
    }
    if (argc > 2 && argv[2][0] != 0) {
        const QString picture = QString::fromLocal8Bit(argv[2]);
        QTimer::singleShot(1500, &window, [picture, &window] {
            const QRect place = window.frameGeometry();
            QGuiApplication::primaryScreen()->grabWindow(0, place.x(), place.y(), place.width(), place.height()).save(picture);
            QApplication::quit();
        });
    }
    return QApplication::exec();
}
