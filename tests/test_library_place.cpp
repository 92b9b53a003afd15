// The library window keeps the user's place when its records are read again
// (a play recorded, a folder followed): the row the user is on stays the
// current one, so the next Down goes on from there.
#include "TestMain.h"

#include "library/LibraryModel.h"
#include "library/LibraryWindow.h"

#include <QTableView>

namespace {

LibraryRecord Record(const QString &file)
{
    LibraryRecord record;
    record.root = QStringLiteral("/roms");
    record.file = file;
    const qsizetype colon = file.indexOf(QStringLiteral(": "));
    record.path = record.root + QLatin1Char('/') + (colon < 0 ? file : file.left(colon));
    if (colon >= 0)
        record.entry = file.mid(colon + 2).toStdString();
    record.sha1 = file.toUtf8().leftJustified(20, '.', true);
    record.header.assign(0x150, 0);
    return record;
}

std::vector<LibraryRecord> Records(const QString &files)
{
    std::vector<LibraryRecord> records;
    for (const QString &file : files.split(u','))
        records.push_back(Record(file));
    return records;
}

} // namespace

class TestLibraryPlace : public QObject
{
    Q_OBJECT

private slots:
    void placeIsKept_data()
    {
        QTest::addColumn<QString>("after");   // the files read again
        QTest::addColumn<QString>("current"); // the current row's title then; empty: none
        QTest::addColumn<QString>("next");    // the title Down goes to
        QTest::newRow("a play recorded") << "A.gb,B.zip: B.gb,C.gb,D.gb" << "B"
                                         << "C";
        QTest::newRow("a file added before it") << "0.gb,A.gb,B.zip: B.gb,C.gb,D.gb" << "B"
                                                << "C";
        QTest::newRow("another entry of its archive") << "A.gb,B.zip: A2.gb,C.gb,D.gb" << ""
                                                      << "A";
        QTest::newRow("its file gone") << "A.gb,C.gb,D.gb" << ""
                                       << "A";
    }
    void placeIsKept()
    {
        QFETCH(QString, after);
        QFETCH(QString, current);
        QFETCH(QString, next);
        LibraryWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.SetRecords(Records(QStringLiteral("A.gb,B.zip: B.gb,C.gb,D.gb")));
        QTableView *table = window.Table();
        table->setFocus();
        table->selectRow(1);
        QCOMPARE(window.Model()->RecordAt(table->currentIndex().row()).file, QStringLiteral("B.zip: B.gb"));
        window.SetRecords(Records(after));
        const auto title = [&] {
            const QModelIndex index = table->currentIndex();
            return index.isValid() ? index.sibling(index.row(), LibraryModel::Title).data().toString() : QString();
        };
        QCOMPARE(title(), current);
        QCOMPARE(table->selectionModel()->selectedRows().size(), current.isEmpty() ? 0 : 1);
        QTest::keyClick(table, Qt::Key_Down);
        QCOMPARE(title(), next);
    }
};

VEXA_TEST_MAIN(TestLibraryPlace)
#include "test_library_place.moc"
