#include "TestMain.h"

#include "library/LibraryModel.h"
#include "library/LibraryWindow.h"
#include "platform/SettingNames.h"
#include "platform/Settings.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>

// What the library window shows of the DAT check and of a game's versions.
namespace {

// A ROM; a DAT game named is in the DAT "Nintendo - Game Boy".
LibraryRecord Record(const char *file, DumpCheck check, bool damaged = false, const char *datGame = "",
                     const char *cloneOf = "", bool favourite = false)
{
    LibraryRecord record;
    record.file = QString::fromUtf8(file);
    record.sha1 = QByteArray(file).leftJustified(20, '.', true);
    record.header.assign(0x150, 0);
    const QByteArray title = "CT" + QByteArray(file).toUpper().left(8);
    std::copy(title.begin(), title.end(), record.header.begin() + 0x134);
    record.check = check;
    record.headerDamaged = damaged;
    record.datGame = QString::fromUtf8(datGame);
    record.datName = record.datGame.isEmpty() ? QString() : QStringLiteral("Nintendo - Game Boy");
    record.cloneOf = QString::fromUtf8(cloneOf);
    record.favourite = favourite;
    return record;
}

// Three games: one in four versions, one alone, one whose versions a DAT
// names (the Japanese one a clone of the other).
std::vector<LibraryRecord> Versions()
{
    return {
        Record("Game (Europe).gb", DumpCheck::NotInDat),
        Record("Game (USA).gb", DumpCheck::NotInDat, false, "", "", true),
        Record("Game (USA) (Beta).gb", DumpCheck::NotInDat, false, "", "", true),
        Record("Game (Japan) (Rev 1).gb", DumpCheck::NotInDat, true),
        Record("Other (World).gb", DumpCheck::BadDump),
        Record("aka.gb", DumpCheck::Verified, false, "Pocket Monsters Aka (Japan)", "Pokemon Red (USA, Europe)"),
        Record("red.gb", DumpCheck::Verified, true, "Pokemon Red (USA, Europe)"),
    };
}

QStringList Column(const QAbstractItemModel &model, int column, int role = Qt::DisplayRole)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts << model.index(row, column).data(role).toString();
    return texts;
}

QString Titles(const QAbstractItemModel &model) { return Column(model, LibraryModel::Title).join(QStringLiteral(", ")); }
QString Marks(const QAbstractItemModel &model) { return Column(model, LibraryModel::Versions).join(QLatin1Char(',')); }

QString CountLine(const LibraryWindow &window)
{
    return window.findChild<QLabel *>(QStringLiteral("Count"))->text();
}

} // namespace

class TestLibraryGroup : public QObject
{
    Q_OBJECT

private slots:
    void checkColumn_data();
    void checkColumn();
    void checkFilterAndSorting();
    void importDat();
    void oneRowPerGame();
    void regionOrderChangedAndKept();
};

void TestLibraryGroup::checkColumn_data()
{
    QTest::addColumn<int>("check");
    QTest::addColumn<bool>("damaged");
    QTest::addColumn<QString>("datGame");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("titleTip");
    auto row = [](const char *tag, DumpCheck check, bool damaged, const char *datGame, const char *text,
                  const char *title, const char *titleTip) {
        QTest::newRow(tag) << int(check) << damaged << QString::fromUtf8(datGame) << QString::fromUtf8(text)
                           << QString::fromUtf8(title) << QString::fromUtf8(titleTip);
    };
    row("not in DAT", DumpCheck::NotInDat, false, "", "Not in DAT", "tetris (w)", "CTTETRIS (");
    row("verified: the DAT's game is the title", DumpCheck::Verified, false, "Tetris (World) (Rev 1)", "Verified",
        "Tetris (World) (Rev 1)", "CTTETRIS (\nVerified in Nintendo - Game Boy");
    row("bad dump keeps the file's title", DumpCheck::BadDump, false, "Tetris (World)", "Bad dump", "tetris (w)",
        "CTTETRIS (");
    row("damaged header beside", DumpCheck::NotInDat, true, "", "Not in DAT \u00b7 Header damaged", "tetris (w)",
        "CTTETRIS (\nHeader damaged");
    row("verified and damaged", DumpCheck::Verified, true, "Tetris (World)", "Verified \u00b7 Header damaged",
        "Tetris (World)", "CTTETRIS (\nVerified in Nintendo - Game Boy\nHeader damaged");
}

void TestLibraryGroup::checkColumn()
{
    QFETCH(int, check);
    QFETCH(bool, damaged);
    QFETCH(QString, datGame);
    const QByteArray game = datGame.toUtf8();
    LibraryModel model;
    model.SetRecords({Record("tetris (w).gb", DumpCheck(check), damaged, game.constData())});
    QTEST(model.index(0, LibraryModel::Check).data().toString(), "text");
    QTEST(model.index(0, LibraryModel::Title).data().toString(), "title");
    QTEST(model.index(0, LibraryModel::Title).data(Qt::ToolTipRole).toString(), "titleTip");
    QCOMPARE(model.index(0, LibraryModel::Check).data(Qt::ToolTipRole).toString().contains(
                 QStringLiteral("Header damaged")), damaged);
    // The DAT's game is found by the search.
    model.SetSearch(QStringLiteral("rev 1"));
    QCOMPARE(model.rowCount(), datGame.contains(QStringLiteral("Rev 1")) && check == int(DumpCheck::Verified) ? 1 : 0);
}

void TestLibraryGroup::checkFilterAndSorting()
{
    LibraryWindow window;
    window.SetRecords(Versions());
    QComboBox *filter = window.CheckFilter();
    const auto shown = [&](const char *text) {
        filter->setCurrentIndex(filter->findText(QString::fromUtf8(text)));
        return Titles(*window.Model());
    };
    QCOMPARE(shown("Verified"), QStringLiteral("Pocket Monsters Aka (Japan), Pokemon Red (USA, Europe)"));
    QCOMPARE(shown("Bad dump"), QStringLiteral("Other (World)"));
    QCOMPARE(shown("Not in DAT"), QStringLiteral("Game (Europe), Game (Japan) (Rev 1), Game (USA), Game (USA) (Beta)"));
    QCOMPARE(shown("Header damaged"), QStringLiteral("Game (Japan) (Rev 1), Pokemon Red (USA, Europe)"));
    QCOMPARE(CountLine(window), QStringLiteral("2 of 7 ROMs"));
    shown("All checks");
    QCOMPARE(window.Model()->rowCount(), 7);
    // Verified, bad dump, not in DAT; a damaged header after a sound one.
    window.Table()->sortByColumn(LibraryModel::Check, Qt::AscendingOrder);
    QCOMPARE(Titles(*window.Model()), QStringLiteral("Pocket Monsters Aka (Japan), Pokemon Red (USA, Europe), "
                                                     "Other (World), Game (Europe), Game (USA), Game (USA) (Beta), "
                                                     "Game (Japan) (Rev 1)"));
}

void TestLibraryGroup::importDat()
{
    LibraryWindow window;
    QSignalSpy import(&window, &LibraryWindow::ImportDatsRequested);
    QStringList answer;
    window.askDatFiles = [&answer] { return answer; };
    auto *button = window.findChild<QPushButton *>(QStringLiteral("ImportDat"));
    QCOMPARE(button->text(), QStringLiteral("Import DAT\u2026"));
    button->click(); // cancelled
    QCOMPARE(import.size(), 0);
    answer = QStringList{QStringLiteral("/dats/Nintendo - Game Boy.dat"), QStringLiteral("/dats/gbc.xml")};
    button->click();
    QCOMPARE(import.size(), 1);
    QCOMPARE(import[0][0].toStringList(), answer);
}

void TestLibraryGroup::oneRowPerGame()
{
    LibraryWindow window;
    window.SetRecords(Versions());
    window.Open();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTableView *table = window.Table();
    QVERIFY(table->isColumnHidden(LibraryModel::Versions));
    window.OneRowPerGame()->click();
    QVERIFY(!table->isColumnHidden(LibraryModel::Versions));
    // Remembered: a window opened now shows one row per game.
    QTRY_COMPARE(ReadSetting(SettingNames::Application, SettingNames::Section, SettingNames::LibraryOneRowPerGame),
                 QStringLiteral("1"));
    QVERIFY(LibraryWindow().Model()->Grouped());
    LibraryModel &model = *window.Model();
    QCOMPARE(Titles(model), QStringLiteral("Game (USA), Other (World), Pokemon Red (USA, Europe)"));
    QCOMPARE(Marks(model), QStringLiteral("+3,,+1"));
    QCOMPARE(CountLine(window), QStringLiteral("3 games, 7 ROMs"));

    // A click on the mark lists the other versions, in their order.
    const QModelIndex mark = model.index(0, LibraryModel::Versions);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(mark).center());
    QCOMPARE(Titles(model), QStringLiteral("Game (USA), Game (USA) (Beta), Game (Europe), Game (Japan) (Rev 1), "
                                           "Other (World), Pokemon Red (USA, Europe)"));
    QCOMPARE(Marks(model), QStringLiteral("\u22123,\u21b3,\u21b3,\u21b3,,+1"));
    // A double click on the mark plays nothing.
    QSignalSpy play(&window, &LibraryWindow::PlayRequested);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(mark).center());
    QCOMPARE(play.size(), 0);
    QCOMPARE(model.rowCount(), 6);
    table->setFocus();
    table->selectRow(2);
    QTest::keyClick(table, Qt::Key_Return);
    QCOMPARE(play.size(), 1);
    QCOMPARE(play[0][0].value<LibraryRecord>().file, QStringLiteral("Game (Europe).gb"));
    // Left on a version takes the versions away and goes to its game.
    table->selectRow(3);
    QTest::keyClick(table, Qt::Key_Left);
    QCOMPARE(Marks(model), QStringLiteral("+3,,+1"));
    QCOMPARE(table->currentIndex().row(), 0);
    QTest::keyClick(table, Qt::Key_Plus);
    QCOMPARE(model.rowCount(), 6);
    QTest::keyClick(table, Qt::Key_Minus);
    QCOMPARE(model.rowCount(), 3);

    // Sorting orders the games, each by its row.
    table->sortByColumn(LibraryModel::Versions, Qt::DescendingOrder);
    QCOMPARE(Titles(model), QStringLiteral("Game (USA), Pokemon Red (USA, Europe), Other (World)"));
    table->sortByColumn(LibraryModel::Title, Qt::AscendingOrder);

    // The search and the filters pick versions; a game's row is its first
    // version that passes, and Enter in the search plays it.
    QTest::keyClicks(window.SearchField(), QStringLiteral("japan"));
    QCOMPARE(Titles(model), QStringLiteral("Game (Japan) (Rev 1), Pocket Monsters Aka (Japan)"));
    QCOMPARE(Marks(model), QStringLiteral(","));
    QCOMPARE(CountLine(window), QStringLiteral("2 games, 2 of 7 ROMs"));
    QTest::keyClick(window.SearchField(), Qt::Key_Return);
    QCOMPARE(play.size(), 2);
    QCOMPARE(play[1][0].value<LibraryRecord>().file, QStringLiteral("Game (Japan) (Rev 1).gb"));
    window.SearchField()->clear();
    model.SetShow(LibraryModel::Show::Favourites);
    QCOMPARE(Titles(model), QStringLiteral("Game (USA)"));
    QCOMPARE(Marks(model), QStringLiteral("+1"));
    model.SetExpanded(0, true); // only the versions that pass
    QCOMPARE(Titles(model), QStringLiteral("Game (USA), Game (USA) (Beta)"));
    model.SetExpanded(0, false);
    model.SetShow(LibraryModel::Show::All);
    window.CheckFilter()->setCurrentIndex(window.CheckFilter()->findText(QStringLiteral("Header damaged")));
    QCOMPARE(Titles(model), QStringLiteral("Game (Japan) (Rev 1), Pokemon Red (USA, Europe)"));
    window.CheckFilter()->setCurrentIndex(0);

    // An expanded game stays expanded when the records come again.
    model.SetExpanded(2, true);
    window.SetRecords(Versions());
    QCOMPARE(Marks(model), QStringLiteral("+3,,\u22121,\u21b3"));
    window.OneRowPerGame()->click();
    QVERIFY(table->isColumnHidden(LibraryModel::Versions));
    QCOMPARE(model.rowCount(), 7);
    QCOMPARE(CountLine(window), QStringLiteral("7 ROMs"));
}

void TestLibraryGroup::regionOrderChangedAndKept()
{
    {
        LibraryWindow window;
        window.SetRecords(Versions());
        window.OneRowPerGame()->setChecked(true);
        QString asked;
        QString answer; // cancelled
        window.askRegionOrder = [&](const QString &current) {
            asked = current;
            return answer;
        };
        auto *regions = window.findChild<QToolButton *>(QStringLiteral("Regions"));
        regions->click();
        QCOMPARE(asked, QStringLiteral("World, USA, Europe, Japan"));
        QCOMPARE(Titles(*window.Model()), QStringLiteral("Game (USA), Other (World), Pokemon Red (USA, Europe)"));
        answer = QStringLiteral(" japan ,europe");
        regions->click();
        QCOMPARE(Titles(*window.Model()),
                 QStringLiteral("Game (Japan) (Rev 1), Other (World), Pocket Monsters Aka (Japan)"));
        QCOMPARE(Marks(*window.Model()), QStringLiteral("+3,,+1"));
    }
    QTRY_COMPARE(ReadSetting(SettingNames::Application, SettingNames::Section, SettingNames::LibraryRegionOrder),
                 QStringLiteral("japan, europe"));
    LibraryWindow again;
    QCOMPARE(QString::fromStdString(again.Model()->Regions().Text()), QStringLiteral("japan, europe"));
}

VEXA_TEST_MAIN(TestLibraryGroup)
#include "test_library_group.moc"
