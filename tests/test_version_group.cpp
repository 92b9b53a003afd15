#include "TestMain.h"

#include "core/VersionGroup.h"

// The versions of one game grouped, and the one shown first, for the
// default region order and another.
class TestVersionGroup : public QObject
{
    Q_OBJECT

private slots:
    void grouping_data();
    void grouping();
};

void TestVersionGroup::grouping_data()
{
    // titles: the versions, "title|cloneOf" where a DAT names a parent game.
    // groups: each game's versions, the one shown first first, joined by "; ",
    // the games joined by " / " in the order of their first version.
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QString>("order");
    QTest::addColumn<QString>("groups");
    auto row = [](const char *tag, const char *titles, const char *order, const char *groups) {
        QTest::newRow(tag) << QString::fromUtf8(titles).split(QLatin1Char(';')) << QString::fromUtf8(order)
                           << QString::fromUtf8(groups);
    };
    row("tags left out of the game", "Game (Europe) (Rev 1);Game 2 (USA);Game (USA)", "",
        "Game (USA); Game (Europe) (Rev 1) / Game 2 (USA)");
    row("another order", "Game (Europe) (Rev 1);Game 2 (USA);Game (USA)", "Europe, Japan",
        "Game (Europe) (Rev 1); Game (USA) / Game 2 (USA)");
    row("world first by default", "Game (Japan);Game (USA);Game (World);Game (Europe)", "",
        "Game (World); Game (USA); Game (Europe); Game (Japan)");
    row("japan first", "Game (Japan);Game (USA);Game (World);Game (Europe)", "japan,  europe",
        "Game (Japan); Game (Europe); Game (USA); Game (World)");
    row("a region of a list counts", "Game (Japan);Game (Europe, Japan)", "Europe",
        "Game (Europe, Japan); Game (Japan)");
    row("unlisted regions last", "Game (Germany);Game (Japan);Game (USA) (Beta)", "",
        "Game (USA) (Beta); Game (Japan); Game (Germany)");
    row("highest revision", "Game (USA);Game (USA) (Rev 2);Game (USA) (Rev A);Game (USA) (v1.1)", "",
        "Game (USA) (Rev 2); Game (USA) (Rev A); Game (USA) (v1.1); Game (USA)");
    row("region before revision", "Game (Japan) (Rev 3);Game (USA)", "",
        "Game (USA); Game (Japan) (Rev 3)");
    row("region before revision, japan first", "Game (Japan) (Rev 3);Game (USA)", "Japan, USA",
        "Game (Japan) (Rev 3); Game (USA)");
    row("released before beta, proto, demo",
        "Game (USA) (Demo);Game (USA) (Proto 2);Game (USA) (Beta);Game (USA);Game (USA) (Sample)", "",
        "Game (USA); Game (USA) (Beta); Game (USA) (Proto 2); Game (USA) (Demo); Game (USA) (Sample)");
    row("the DAT's parent game", "Pocket Monsters Aka (Japan)|Pokemon - Red Version (USA, Europe);"
        "Pokemon - Red Version (USA, Europe);Pokemon - Blue Version (USA, Europe)", "",
        "Pokemon - Red Version (USA, Europe); Pocket Monsters Aka (Japan) / Pokemon - Blue Version (USA, Europe)");
    row("the DAT's parent game, japan first", "Pocket Monsters Aka (Japan)|Pokemon - Red Version (USA, Europe);"
        "Pokemon - Red Version (USA, Europe);Pokemon - Blue Version (USA, Europe)", "Japan",
        "Pocket Monsters Aka (Japan); Pokemon - Red Version (USA, Europe) / Pokemon - Blue Version (USA, Europe)");
    row("case, accents and square tags", "Pok\u00e9mon Blue (Europe);POKEMON  BLUE (USA) [b1];Pokemon Blue (USA)", "",
        "Pokemon Blue (USA); POKEMON  BLUE (USA) [b1]; Pok\u00e9mon Blue (Europe)");
    row("only tags, no game", "(Beta);(Proto)", "", "(Beta) / (Proto)");
    row("a bracket never closed", "Game (USA;Game (USA)", "", "Game (USA / Game (USA)");
}

void TestVersionGroup::grouping()
{
    QFETCH(QStringList, titles);
    QFETCH(QString, order);
    std::vector<std::string> texts;
    std::vector<Version> versions;
    for (const QString &title : titles) {
        texts.push_back(title.section(QLatin1Char('|'), 0, 0).toStdString());
        versions.push_back(ReadVersion(texts.back(), title.section(QLatin1Char('|'), 1).toStdString()));
    }
    QStringList games;
    for (const std::vector<int> &group : GroupVersions(versions, RegionOrder::FromText(order.toStdString()))) {
        QStringList members;
        for (const int index : group)
            members << QString::fromStdString(texts[static_cast<std::size_t>(index)]);
        games << members.join(QStringLiteral("; "));
    }
    QTEST(games.join(QStringLiteral(" / ")), "groups");
}

VEXA_TEST_MAIN(TestVersionGroup)
#include "test_version_group.moc"
