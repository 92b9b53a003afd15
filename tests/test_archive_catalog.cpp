// The catalog of a folder's archive entries taken in a few at a time, as the
// file list takes them in over turns of its event loop, and passes through
// the folder forgetting what they no longer find.

#include "TestMain.h"

#include "platform/ArchiveCatalog.h"

namespace {

// Adds each block whole, turn entries at a time; returns the names added.
QStringList AddInTurns(ArchiveCatalog &catalog, const QList<ArchiveBlock> &blocks, std::size_t turn)
{
    QStringList added;
    for (const ArchiveBlock &block : blocks) {
        for (std::size_t from = 0; from < block.entries.size();) {
            ArchiveCatalog::Room room{turn, std::size_t{1} << 20};
            from = catalog.Add(block, from, room, &added);
        }
    }
    return added;
}

} // namespace

class TestArchiveCatalog : public QObject
{
    Q_OBJECT

private slots:
    void passesInTurns_data()
    {
        QTest::addColumn<int>("turn");
        QTest::newRow("one at a time") << 1;
        QTest::newRow("two at a time") << 2;
        QTest::newRow("three at a time") << 3;
        QTest::newRow("all at once") << 100;
    }

    void passesInTurns()
    {
        QFETCH(int, turn);
        const auto size = static_cast<std::size_t>(turn);
        ArchiveCatalog catalog;
        catalog.StartPass();
        const QStringList added = AddInTurns(catalog,
                                             {ArchiveCatalog::Prepare(QStringLiteral("A.zip"), {"a.gb", "b.gb", "a.gb", "c.gb"}),
                                              ArchiveCatalog::Prepare(QStringLiteral("B.7z"), {"x.gb", "y.gb"}),
                                              ArchiveCatalog::Prepare(QStringLiteral("C.zip"), {"only.gb"})},
                                             size);
        QCOMPARE(added, QStringList({QStringLiteral("A.zip: a.gb"), QStringLiteral("A.zip: b.gb"),
                                     QStringLiteral("A.zip: c.gb"), QStringLiteral("B.7z: x.gb"),
                                     QStringLiteral("B.7z: y.gb"), QStringLiteral("C.zip")}));
        QVERIFY(catalog.Find(QStringLiteral("A.zip: c.gb")));
        QCOMPARE(catalog.Find(QStringLiteral("A.zip: c.gb"))->entry, std::string("c.gb"));
        QCOMPARE(catalog.Find(QStringLiteral("C.zip"))->archive, QStringLiteral("C.zip"));
        QCOMPARE(catalog.FirstOf(QStringLiteral("B.7z")), QStringLiteral("B.7z: x.gb"));
        QVERIFY(catalog.ForgetUnfound().isEmpty());

        // Read again: A as it was, B down to one ROM, C gone.
        catalog.StartPass();
        const QStringList again = AddInTurns(catalog,
                                             {ArchiveCatalog::Prepare(QStringLiteral("A.zip"), {"a.gb", "b.gb", "a.gb", "c.gb"}),
                                              ArchiveCatalog::Prepare(QStringLiteral("B.7z"), {"y.gb"})},
                                             size);
        QCOMPARE(again, QStringList({QStringLiteral("B.7z")}));
        QStringList gone = catalog.ForgetUnfound();
        gone.sort();
        QCOMPARE(gone, QStringList({QStringLiteral("B.7z: x.gb"), QStringLiteral("B.7z: y.gb"), QStringLiteral("C.zip")}));
        QVERIFY(catalog.Find(QStringLiteral("A.zip: a.gb")));
        QVERIFY(catalog.Find(QStringLiteral("A.zip: c.gb")));
        QCOMPARE(catalog.Find(QStringLiteral("B.7z"))->entry, std::string("y.gb"));
        QVERIFY(!catalog.Find(QStringLiteral("C.zip")));
        QCOMPARE(catalog.FirstOf(QStringLiteral("A.zip")), QStringLiteral("A.zip: a.gb"));
        QCOMPARE(catalog.FirstOf(QStringLiteral("B.7z")), QStringLiteral("B.7z"));
        QVERIFY(catalog.FirstOf(QStringLiteral("C.zip")).isEmpty());
    }

    // A turn's room: so many entries, and so many characters of their
    // names, the first entry taken whatever its name's length.
    void turnRoom_data()
    {
        QTest::addColumn<int>("entries");
        QTest::addColumn<int>("nameChars");
        QTest::addColumn<int>("taken");
        // Listed names "A.7z: aaaa.gb" and so on, 13 characters each.
        QTest::newRow("entries bound") << 2 << 1000 << 2;
        QTest::newRow("names bound") << 100 << 30 << 3;
        QTest::newRow("names bound within the first") << 100 << 5 << 1;
        QTest::newRow("room for all") << 100 << 1000 << 4;
    }

    void turnRoom()
    {
        QFETCH(int, entries);
        QFETCH(int, nameChars);
        QFETCH(int, taken);
        ArchiveCatalog catalog;
        catalog.StartPass();
        const ArchiveBlock block = ArchiveCatalog::Prepare(QStringLiteral("A.7z"), {"aaaa.gb", "bbbb.gb", "cccc.gb", "dddd.gb"});
        ArchiveCatalog::Room room{static_cast<std::size_t>(entries), static_cast<std::size_t>(nameChars)};
        QStringList added;
        QCOMPARE(catalog.Add(block, 0, room, &added), static_cast<std::size_t>(taken));
        QCOMPARE(added.size(), taken);
        QCOMPARE(room.entries, static_cast<std::size_t>(entries - taken));
        if (taken < 4)
            QVERIFY(!room.Left()); // the turn ends here
        // A turn with no room left takes nothing.
        ArchiveCatalog::Room none{0, 1000};
        QCOMPARE(catalog.Add(block, static_cast<std::size_t>(taken), none, &added), static_cast<std::size_t>(taken));
    }
};

VEXA_TEST_MAIN(TestArchiveCatalog)
#include "test_archive_catalog.moc"
