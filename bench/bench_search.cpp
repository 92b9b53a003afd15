// One keystroke in the library's search on 100,000 ROMs: from the key to the
// table drawn again, against a plain C loop of strcasestr over the same names;
// then the same with one row per game (the ROMs come in games of three
// versions, each of a region).
#include "BenchRow.h"

#include "library/LibraryModel.h"
#include "library/LibraryWindow.h"
#include "platform/Fonts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QStyleFactory>
#include <QTableView>
#include <QToolButton>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdint>
#include <cstring>
#include <string>
#include <strings.h>
#include <vector>

namespace {

constexpr int kEntries = 100000;
constexpr int kVersions = 3; // ROMs of one game

const char *const kWords[] = {
    "Legend", "Zelda", "Kirby", "Dream", "Land", "Pok\u00e9mon", "Mario", "Tetris", "Castlevania", "Metroid",
    "Donkey", "Kong", "Wario", "Adventure", "Quest", "Star", "Wars", "Pinball", "Golf", "Tennis",
    "Baseball", "Soccer", "Racing", "Fighter", "Dragon", "Warrior", "Final", "Fantasy", "Mega", "Man",
    "Bomberman", "Puzzle", "Bubble", "Ghost", "Ninja", "Turtles", "Batman", "Street", "Duck", "Tales",
    "\u00c9clair", "Stra\u00dfe", "Tr\u00e4ume", "Ma\u00f1ana",
};
const char *const kRegions[] = {"(USA)", "(Europe)", "(Japan)", "(USA, Europe)", "(World)", "(Germany)", "(France)"};

std::uint32_t Next(std::uint32_t &state)
{
    state = state * 1664525u + 1013904223u;
    return state >> 8;
}

std::vector<LibraryRecord> MakeRecords(std::vector<std::string> &names)
{
    std::vector<LibraryRecord> records;
    records.reserve(kEntries);
    std::uint32_t state = 12345;
    const std::size_t words = sizeof kWords / sizeof *kWords;
    std::string game;
    for (int i = 0; i < kEntries; ++i) {
        if (i % kVersions == 0) {
            game.clear();
            const int count = 2 + int(Next(state) % 4);
            for (int w = 0; w < count; ++w)
                game += std::string(w ? " " : "") + kWords[Next(state) % words];
            game += " " + std::to_string(i / kVersions);
        }
        const std::string name = game + " " + kRegions[(i + Next(state) % 3) % 7] + (i % 3 ? ".gbc" : ".gb");
        LibraryRecord record;
        record.root = QStringLiteral("/roms");
        record.file = QStringLiteral("Set %1/").arg(i % 40) + QString::fromStdString(name);
        record.path = record.root + QLatin1Char('/') + record.file;
        record.size = 32768 << (i % 6);
        record.sha1 = QByteArray::number(i).leftJustified(20, '.');
        record.header.assign(0x150, 0);
        std::string title = name.substr(0, 15);
        for (char &c : title)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        std::memcpy(record.header.data() + 0x134, title.data(), title.size());
        record.lastPlayedMs = i % 50 == 0 ? 1700000000000 + i : 0;
        records.push_back(std::move(record));
        names.push_back(name);
    }
    return records;
}

// The keystrokes: a word typed letter by letter, then taken back.
std::vector<QString> Queries()
{
    std::vector<QString> queries;
    for (const char *word : {"zelda", "kirby dream", "pokemon", "strasse"}) {
        const QString text = QString::fromUtf8(word);
        for (int i = 1; i <= text.size(); ++i)
            queries.push_back(text.left(i));
        for (int i = text.size() - 1; i >= 0; --i)
            queries.push_back(text.left(i));
    }
    return queries;
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    MapWindowsFonts();
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    std::vector<std::string> names;
    std::vector<LibraryRecord> records = MakeRecords(names);
    LibraryWindow window;
    QElapsedTimer clock;
    clock.start();
    window.SetRecords(std::move(records));
    const double setMs = clock.nsecsElapsed() / 1e6;
    window.Open();
    if (!QTest::qWaitForWindowExposed(&window))
        std::fprintf(stderr, "bench_search: the window was not shown\n");
    QApplication::processEvents();

    const std::vector<QString> queries = Queries();
    int found = 0;
    // Every query typed rounds times: the keystrokes' times, and the C loop's.
    const auto type = [&](QVector<double> &ours, QVector<double> &loop) {
        for (int round = 0; round < rounds; ++round) {
            for (const QString &query : queries) {
                // A keystroke: the field's text changes, the table narrows and is drawn.
                clock.restart();
                window.SearchField()->setText(query);
                QApplication::processEvents();
                window.Table()->viewport()->repaint();
                ours.push_back(clock.nsecsElapsed() / 1e6);
                found += window.Model()->rowCount();

                const QByteArray needle = query.toUtf8();
                clock.restart();
                int hits = 0;
                for (const std::string &name : names)
                    hits += strcasestr(name.c_str(), needle.constData()) != nullptr;
                loop.push_back(clock.nsecsElapsed() / 1e6);
                found += hits;
            }
        }
    };
    QVector<double> ours;
    QVector<double> loop;
    type(ours, loop);
    clock.restart();
    window.OneRowPerGame()->click();
    const double groupMs = clock.nsecsElapsed() / 1e6;
    const int games = window.Model()->rowCount();
    QVector<double> grouped;
    QVector<double> groupedLoop;
    type(grouped, groupedLoop);
    std::fprintf(stderr,
                 "bench_search: %d entries set in %.1f ms; %lld keystrokes; slowest %.2f ms; one row per game: "
                 "%d games in %.1f ms, slowest keystroke %.2f ms (%d)\n",
                 kEntries, setMs, static_cast<long long>(ours.size()), Percentile(ours, 1.0), games, groupMs,
                 Percentile(grouped, 1.0), found);
    PrintRow(QStringLiteral("library search, one keystroke on 100,000 ROMs (median)"), Median(ours), Median(loop),
             QStringLiteral("ms"), QStringLiteral("≤ 16 ms"));
    PrintValue(QStringLiteral("library search, one keystroke, 90th percentile"), Percentile(ours, 0.9),
               QStringLiteral("ms"), QStringLiteral("≤ 16 ms"));
    PrintRow(QStringLiteral("library search, one row per game, one keystroke on 100,000 ROMs (median)"),
             Median(grouped), Median(groupedLoop), QStringLiteral("ms"), QStringLiteral("≤ 16 ms"));
    PrintValue(QStringLiteral("library search, one row per game, one keystroke, 90th percentile"),
               Percentile(grouped, 0.9), QStringLiteral("ms"), QStringLiteral("≤ 16 ms"));
    return 0;
}
