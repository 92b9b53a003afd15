#include "TestMain.h"

#include "launcher/Vexa.h"
#include "library/LibraryModel.h"
#include "library/LibraryOpening.h"
#include "library/LibraryWindow.h"
#include "platform/SettingNames.h"
#include "platform/Settings.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>

namespace {

struct Game {
    const char *file;
    qint64 size;
    int colour;   // header byte 0x143
    bool favourite;
    qint64 lastPlayedMs;
    qint64 playSeconds;
};

LibraryRecord Record(const Game &game, const QByteArray &sha1 = {})
{
    LibraryRecord record;
    record.root = QStringLiteral("/roms");
    record.file = QString::fromUtf8(game.file);
    const qsizetype colon = record.file.indexOf(QStringLiteral(": "));
    record.path = record.root + QLatin1Char('/') + (colon < 0 ? record.file : record.file.left(colon));
    if (colon >= 0)
        record.entry = record.file.mid(colon + 2).toStdString();
    record.size = game.size;
    record.sha1 = sha1.isEmpty() ? QByteArray(game.file).leftJustified(20, '.', true) : sha1;
    record.header.assign(0x150, 0);
    const QByteArray name = QByteArray(game.file).mid(QByteArray(game.file).lastIndexOf('/') + 1);
    const QByteArray title = "CT" + name.toUpper().left(6);
    std::copy(title.begin(), title.end(), record.header.begin() + 0x134);
    record.header[0x143] = static_cast<std::uint8_t>(game.colour);
    record.favourite = game.favourite;
    record.lastPlayedMs = game.lastPlayedMs;
    record.playSeconds = game.playSeconds;
    return record;
}

// Four ROMs that every column orders differently.
std::vector<LibraryRecord> FourGames()
{
    return {
        Record({"Alleyway.gb", 32 * 1024, 0x00, false, 3000, 60}),
        Record({"b/Zelda.gb", 512 * 1024, 0x80, true, 1000, 7200}),
        Record({"Pok\u00e9mon Red.gb", 1024 * 1024, 0x00, false, 0, 0}),
        Record({"arch/Games.zip: Tetris.gb", 64 * 1024, 0xC0, true, 2000, 600}),
    };
}

QStringList Column(const QAbstractItemModel &model, int column)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts << model.index(row, column).data().toString();
    return texts;
}

QStringList Titles(const QAbstractItemModel &model)
{
    return Column(model, LibraryModel::Title);
}

QStringList Split(const char *titles)
{
    return QString::fromUtf8(titles).split(QLatin1Char(','), Qt::SkipEmptyParts);
}

} // namespace

class TestLibraryWindow : public QObject
{
    Q_OBJECT

private slots:
    void sorting_data();
    void sorting();
    void texts();
    void searchAndFavourites();
    void favouriteToggledForEveryCopy();
    void recentlyPlayed();
    void enterInSearchPlaysFirstShownRow();
    void tablePlaysItsRow();
    void ctrlFReturnsToSearch();
    void rootsAddedAndRemoved();
    void progressAndProblems();
    void placeRemembered();
    void openedFromMainWindow();
    void mainWindowHasTheWayIn();
};

void TestLibraryWindow::sorting_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("order");
    QTest::addColumn<QString>("titles");
    auto row = [](const char *tag, int column, Qt::SortOrder order, const char *titles) {
        QTest::newRow(tag) << column << int(order) << QString::fromUtf8(titles);
    };
    row("title, accent ignored", LibraryModel::Title, Qt::AscendingOrder, "Alleyway,Pok\u00e9mon Red,Tetris,Zelda");
    row("title down", LibraryModel::Title, Qt::DescendingOrder, "Zelda,Tetris,Pok\u00e9mon Red,Alleyway");
    row("file with its folder", LibraryModel::File, Qt::AscendingOrder, "Alleyway,Tetris,Zelda,Pok\u00e9mon Red");
    row("model", LibraryModel::Model, Qt::AscendingOrder, "Tetris,Alleyway,Pok\u00e9mon Red,Zelda");
    row("size as a number", LibraryModel::Size, Qt::AscendingOrder, "Alleyway,Tetris,Zelda,Pok\u00e9mon Red");
    row("size down", LibraryModel::Size, Qt::DescendingOrder, "Pok\u00e9mon Red,Zelda,Tetris,Alleyway");
    row("last played", LibraryModel::LastPlayed, Qt::AscendingOrder, "Pok\u00e9mon Red,Zelda,Tetris,Alleyway");
    row("play time", LibraryModel::PlayTime, Qt::AscendingOrder, "Pok\u00e9mon Red,Alleyway,Tetris,Zelda");
    row("favourites first, then by title", LibraryModel::Favourite, Qt::AscendingOrder,
        "Tetris,Zelda,Alleyway,Pok\u00e9mon Red");
}

void TestLibraryWindow::sorting()
{
    QFETCH(int, column);
    QFETCH(int, order);
    QFETCH(QString, titles);
    LibraryModel model;
    model.SetRecords(FourGames());
    model.sort(column, Qt::SortOrder(order));
    QCOMPARE(Titles(model).join(QLatin1Char(',')), titles);
}

void TestLibraryWindow::texts()
{
    LibraryModel model;
    std::vector<LibraryRecord> games = FourGames();
    games[0].header[0x146] = 0x03;
    games[0].header[0x14B] = 0x33;
    games[0].launches = 3;
    model.SetRecords(std::move(games));
    const auto text = [&model](int column, int role = Qt::DisplayRole) {
        return model.index(0, column).data(role).toString(); // Alleyway
    };
    QCOMPARE(text(LibraryModel::File), QStringLiteral("Alleyway.gb"));
    QCOMPARE(text(LibraryModel::Title, Qt::ToolTipRole), QStringLiteral("CTALLEYW"));
    QCOMPARE(text(LibraryModel::Model), QStringLiteral("Game Boy, Super Game Boy"));
    QCOMPARE(text(LibraryModel::Size), QStringLiteral("32 KB"));
    QCOMPARE(text(LibraryModel::PlayTime), QStringLiteral("1 min"));
    QCOMPARE(text(LibraryModel::PlayTime, Qt::ToolTipRole), QStringLiteral("Started 3 times"));
    QCOMPARE(text(LibraryModel::Favourite), QStringLiteral("\u2606"));
    // The archive entry's title is the entry's name without its extension.
    QCOMPARE(model.index(2, LibraryModel::File).data().toString(), QStringLiteral("arch/Games.zip: Tetris.gb"));
    QCOMPARE(model.index(2, LibraryModel::Favourite).data().toString(), QStringLiteral("\u2605"));
    QCOMPARE(LibraryModel::SizeText(1024 * 1024), QStringLiteral("1 MB"));
    QCOMPARE(LibraryModel::SizeText(1536 * 1024), QStringLiteral("1.5 MB"));
    QCOMPARE(LibraryModel::PlayTimeText(0), QString());
    QCOMPARE(LibraryModel::PlayTimeText(59), QStringLiteral("< 1 min"));
    QCOMPARE(LibraryModel::PlayTimeText(2 * 3600 + 5 * 60 + 59), QStringLiteral("2 h 05 min"));
    QCOMPARE(LibraryModel::LastPlayedText(0), QString());
}

void TestLibraryWindow::searchAndFavourites()
{
    LibraryModel model;
    model.SetRecords(FourGames());
    model.SetSearch(QStringLiteral("POKEMON"));
    QCOMPARE(Titles(model), Split("Pok\u00e9mon Red"));
    model.SetSearch(QStringLiteral("games.zip")); // the archive's name is part of the file name
    QCOMPARE(Titles(model), Split("Tetris"));
    model.SetSearch(QStringLiteral("arch/")); // the folder is not
    QCOMPARE(Titles(model), QStringList());
    model.SetSearch(QStringLiteral("ctall")); // the cartridge title
    QCOMPARE(Titles(model), Split("Alleyway"));
    model.SetSearch(QString());
    model.SetShow(LibraryModel::Show::Favourites);
    QCOMPARE(Titles(model), Split("Tetris,Zelda"));
    model.SetSearch(QStringLiteral("zel"));
    QCOMPARE(Titles(model), Split("Zelda"));
    model.SetFavourite(model.RecordAt(0).sha1, false);
    QCOMPARE(Titles(model), QStringList());
    // New records keep the search and what is shown.
    model.SetRecords(FourGames());
    QCOMPARE(Titles(model), Split("Zelda"));
    model.SetShow(LibraryModel::Show::All);
    model.SetSearch(QStringLiteral("e"));
    QCOMPARE(Titles(model), Split("Alleyway,Pok\u00e9mon Red,Tetris,Zelda"));
}

void TestLibraryWindow::favouriteToggledForEveryCopy()
{
    LibraryWindow window;
    const QByteArray sha1(20, 'z');
    window.SetRecords({Record({"Zelda.gb", 1024, 0, false, 0, 0}, sha1), Record({"Copy of Zelda.gb", 1024, 0, false, 0, 0}, sha1),
                       Record({"Tetris.gb", 1024, 0, false, 0, 0})});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy toggled(&window, &LibraryWindow::FavouriteToggled);
    QTableView *table = window.Table();
    const QModelIndex star = window.Model()->index(2, LibraryModel::Favourite); // Zelda
    QCOMPARE(window.Model()->index(2, LibraryModel::Title).data().toString(), QStringLiteral("Zelda"));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(star).center());
    QCOMPARE(toggled.size(), 1);
    QCOMPARE(toggled[0][0].toByteArray(), sha1);
    QCOMPARE(toggled[0][1].toBool(), true);
    QCOMPARE(Column(*window.Model(), LibraryModel::Favourite).join(QString()), QStringLiteral("\u2605\u2606\u2605"));
    // A click on the title is no toggle.
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(star.siblingAtColumn(0)).center());
    QCOMPARE(toggled.size(), 1);
}

void TestLibraryWindow::recentlyPlayed()
{
    std::vector<LibraryRecord> records;
    std::vector<QByteArray> names;
    for (int i = 1; i <= 60; ++i) {
        names.push_back(QStringLiteral("Game %1.gb").arg(i, 2, 10, QLatin1Char('0')).toUtf8());
        records.push_back(Record({names.back().constData(), 1024, 0, false, (i * 7 % 60 + 1) * 1000, 0}));
    }
    records.push_back(Record({"Never played.gb", 1024, 0, false, 0, 0}));
    LibraryWindow window;
    window.SetRecords(std::move(records));
    QTest::keyClicks(window.SearchField(), QStringLiteral("game"));
    window.findChild<QButtonGroup *>()->button(int(LibraryModel::Show::RecentlyPlayed))->click();
    LibraryModel *model = window.Model();
    QCOMPARE(model->rowCount(), LibraryModel::kRecentCount);
    qint64 previous = std::numeric_limits<qint64>::max();
    for (int row = 0; row < model->rowCount(); ++row) {
        QVERIFY2(model->RecordAt(row).lastPlayedMs < previous, qPrintable(QString::number(row)));
        previous = model->RecordAt(row).lastPlayedMs;
    }
    QCOMPARE(model->RecordAt(0).lastPlayedMs, 60000);
    QCOMPARE(previous, 11000);
    window.findChild<QButtonGroup *>()->button(int(LibraryModel::Show::All))->click();
    QCOMPARE(model->rowCount(), 60);
}

void TestLibraryWindow::enterInSearchPlaysFirstShownRow()
{
    LibraryWindow window;
    window.SetRecords(FourGames());
    window.Open();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(QApplication::focusWidget(), window.SearchField());
    QSignalSpy play(&window, &LibraryWindow::PlayRequested);
    window.Table()->sortByColumn(LibraryModel::Size, Qt::DescendingOrder);
    QTest::keyClicks(window.SearchField(), QStringLiteral("E"));
    QTest::keyClick(window.SearchField(), Qt::Key_Return);
    QCOMPARE(play.size(), 1);
    QCOMPARE(play[0][0].value<LibraryRecord>().file, QStringLiteral("Pok\u00e9mon Red.gb"));
    QTest::keyClicks(window.SearchField(), QStringLiteral("tr"));
    QTest::keyClick(window.SearchField(), Qt::Key_Enter);
    QCOMPARE(play.size(), 2);
    QCOMPARE(play[1][0].value<LibraryRecord>().file, QStringLiteral("arch/Games.zip: Tetris.gb"));
    QCOMPARE(play[1][0].value<LibraryRecord>().entry, std::string("Tetris.gb"));
    // Nothing shown, nothing played.
    QTest::keyClicks(window.SearchField(), QStringLiteral("x"));
    QTest::keyClick(window.SearchField(), Qt::Key_Return);
    QCOMPARE(play.size(), 2);
}

void TestLibraryWindow::tablePlaysItsRow()
{
    LibraryWindow window;
    window.SetRecords(FourGames());
    window.Open();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QSignalSpy play(&window, &LibraryWindow::PlayRequested);
    QTest::keyClick(window.SearchField(), Qt::Key_Down); // to the table, on its first row
    QCOMPARE(QApplication::focusWidget(), window.Table());
    QTest::keyClick(window.Table(), Qt::Key_Down);
    QTest::keyClick(window.Table(), Qt::Key_Return);
    QCOMPARE(play.size(), 1);
    QCOMPARE(play[0][0].value<LibraryRecord>().file, QStringLiteral("Pok\u00e9mon Red.gb"));
    QTableView *table = window.Table();
    const QPoint zelda = table->visualRect(window.Model()->index(3, LibraryModel::File)).center();
    // A double click as the system gives it: a click, then the second press.
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, zelda);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, zelda);
    QCOMPARE(play.size(), 2);
    QCOMPARE(play[1][0].value<LibraryRecord>().file, QStringLiteral("b/Zelda.gb"));
}

void TestLibraryWindow::ctrlFReturnsToSearch()
{
    LibraryWindow window;
    window.SetRecords(FourGames());
    window.Open();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClicks(window.SearchField(), QStringLiteral("zel"));
    window.Table()->setFocus();
    QTest::keyClick(window.Table(), Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(QApplication::focusWidget(), window.SearchField());
    QCOMPARE(window.SearchField()->selectedText(), QStringLiteral("zel"));
}

void TestLibraryWindow::rootsAddedAndRemoved()
{
    LibraryWindow window;
    window.SetRoots({QStringLiteral("/roms"), QStringLiteral("/mnt/share")});
    QSignalSpy added(&window, &LibraryWindow::AddRootRequested);
    QSignalSpy removed(&window, &LibraryWindow::RemoveRootRequested);
    QString answer;
    window.askFolder = [&answer] { return answer; };
    QPushButton *add = nullptr;
    QPushButton *remove = nullptr;
    for (QPushButton *button : window.findChildren<QPushButton *>()) {
        if (button->text().startsWith(QStringLiteral("Add")))
            add = button;
        else if (button->text() == QStringLiteral("Remove"))
            remove = button;
    }
    add->click(); // cancelled
    QCOMPARE(added.size(), 0);
    answer = QStringLiteral("/home/me/gb");
    add->click();
    QCOMPARE(added.size(), 1);
    QCOMPARE(added[0][0].toString(), answer);
    QCOMPARE(window.RootList()->count(), 3);
    QVERIFY(!remove->isEnabled());
    window.RootList()->setCurrentRow(1);
    remove->click();
    QCOMPARE(removed.size(), 1);
    QCOMPARE(removed[0][0].toString(), QStringLiteral("/mnt/share"));
    QCOMPARE(window.RootList()->count(), 2);
}

void TestLibraryWindow::progressAndProblems()
{
    LibraryWindow window;
    window.SetRoots({QStringLiteral("/roms"), QStringLiteral("/mnt/share")});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.SetProgress(3, 10);
    QVERIFY(window.ProgressBar()->isVisible());
    QCOMPARE(window.ProgressBar()->text(), QStringLiteral("Reading 3 of 10"));
    window.SetProgress(10, 10);
    QVERIFY(!window.ProgressBar()->isVisible());
    window.RootUnreachable(QStringLiteral("/mnt/share"));
    QVERIFY(window.ProblemLine()->text().startsWith(QStringLiteral("/mnt/share does not answer")));
    QVERIFY(!window.RootList()->item(1)->toolTip().isEmpty());
    QVERIFY(window.RootList()->item(0)->toolTip().isEmpty());
    window.ShowProblem(QStringLiteral("library.sqlite is locked by another launcher\nsecond line"));
    QCOMPARE(window.ProblemLine()->text(), QStringLiteral("library.sqlite is locked by another launcher"));
    window.SetRecords(FourGames());
    QTest::keyClicks(window.SearchField(), QStringLiteral("zel"));
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("Count"))->text(), QStringLiteral("1 of 4 ROMs"));
}

void TestLibraryWindow::placeRemembered()
{
    const QRect place(70, 80, 700, 420);
    {
        LibraryWindow window;
        window.show();
        window.setGeometry(place);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.close();
        QTRY_VERIFY(!ReadSetting(SettingNames::Application, SettingNames::Section, SettingNames::LibraryGeometry).isEmpty());
    }
    LibraryWindow again;
    QCOMPARE(again.geometry().size(), place.size());
    QCOMPARE(again.geometry().topLeft(), place.topLeft());
}

void TestLibraryWindow::openedFromMainWindow()
{
    QWidget main;
    auto *list = new QListView(&main);
    LibraryOpening opening(&main, list);
    qRegisterMetaType<LibraryWindow *>();
    QSignalSpy made(&opening, &LibraryOpening::WindowMade);
    main.show();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QCOMPARE(opening.Window(), nullptr);
    QTest::keyClick(&main, Qt::Key_L, Qt::ControlModifier);
    QVERIFY(opening.Window());
    QVERIFY(opening.Window()->isVisible());
    QCOMPARE(made.size(), 1);
    opening.Window()->close();
    QCOMPARE(list->contextMenuPolicy(), Qt::ActionsContextMenu);
    QCOMPARE(list->actions().size(), 1);
    list->actions().first()->trigger();
    QVERIFY(opening.Window()->isVisible());
    QCOMPARE(made.size(), 1); // the same window again
    main.close();
    QVERIFY(!opening.Window()->isVisible());
}

void TestLibraryWindow::mainWindowHasTheWayIn()
{
    Vexa main;
    main.show();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QTest::keyClick(&main, Qt::Key_L, Qt::ControlModifier);
    QVERIFY(main.Library()->Window());
    QTRY_VERIFY(main.Library()->Window()->isActiveWindow());
    QCOMPARE(QApplication::focusWidget(), main.Library()->Window()->SearchField());
    // The file list's context menu has the way in.
    auto *list = main.findChild<QListView *>(QStringLiteral("File1"));
    QCOMPARE(list->contextMenuPolicy(), Qt::ActionsContextMenu);
    QCOMPARE(list->actions().size(), 1);
    main.close();
}

VEXA_TEST_MAIN(TestLibraryWindow)
#include "test_library_window.moc"
