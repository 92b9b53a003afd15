// Importing DAT files into the store while they are read: one transaction
// over every file, so a file refused after some of its ROMs were stored, or
// the second of two, leaves the store as it was.
#include "TestMain.h"

#include "platform/DatImport.h"
#include "platform/LibraryStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <map>

using namespace Qt::Literals::StringLiterals;

namespace {

// A DAT of roms good ROMs, then a bad one when tail says what is wrong.
QByteArray DatText(const QByteArray &name, int roms, const QByteArray &tail = {})
{
    QByteArray text = "<?xml version=\"1.0\"?>\n<datafile>\n<header><name>" + name + "</name></header>\n";
    for (int i = 0; i < roms; ++i)
        text += "<game name=\"" + name + " " + QByteArray::number(i) + "\"><rom name=\"a.gb\" size=\"32768\" crc=\"" +
                QByteArray::number(i, 16) + "\"/></game>\n";
    return text + tail + "</datafile>\n";
}

} // namespace

class TestDatImport : public QObject
{
    Q_OBJECT

private slots:
    void importIsWholeOrNothing_data()
    {
        QTest::addColumn<QList<QByteArray>>("files");
        QTest::addColumn<bool>("imported");
        QTest::addColumn<QString>("stored"); // DAT: ROMs, by name
        const QByteArray badCrc = "<game name=\"bad\"><rom name=\"b.gb\" size=\"1\" crc=\"xyz\"/></game>\n";
        // Thousands of ROMs: some batches are stored before the refusal.
        QTest::newRow("newer DAT replaces the older") << QList<QByteArray>{DatText("Test", 5000)} << true << u"Test: 5000"_s;
        QTest::newRow("two DATs") << QList<QByteArray>{DatText("Test", 5000), DatText("Other", 10)} << true
                                  << u"Other: 10, Test: 5000"_s;
        QTest::newRow("refused after its first ROMs were stored")
            << QList<QByteArray>{DatText("Test", 5000, badCrc)} << false << u"Test: 3"_s;
        QTest::newRow("refused at its end: no name")
            << QList<QByteArray>{DatText("", 5000)} << false << u"Test: 3"_s;
        QTest::newRow("second of two refused")
            << QList<QByteArray>{DatText("Other", 5000), DatText("Test", 5000, badCrc)} << false << u"Test: 3"_s;
    }
    void importIsWholeOrNothing()
    {
        QFETCH(QList<QByteArray>, files);
        QFETCH(bool, imported);
        QFETCH(QString, stored);
        QTemporaryDir dir;
        LibraryStore store(dir.filePath(u"library.sqlite"_s));
        QVERIFY2(store.Open(), qPrintable(store.Problem()));
        const auto write = [&](int index, const QByteArray &text) {
            const QString path = dir.filePath(u"%1.dat"_s.arg(index));
            QFile file(path);
            return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() ? path : QString();
        };
        Told summary, why;
        QVERIFY2(ImportDatFiles(store, {write(0, DatText("Test", 3))}, &summary, &why), qPrintable(why.english));
        QStringList paths;
        for (const QByteArray &text : files)
            paths.append(write(static_cast<int>(paths.size()) + 1, text));
        QCOMPARE(ImportDatFiles(store, paths, &summary, &why), imported);
        QCOMPARE(why.isEmpty(), imported);
        std::map<std::string, int> roms;
        for (const DatRom &rom : store.Dats().Roms())
            ++roms[rom.dat];
        QStringList told;
        for (const auto &[dat, count] : roms)
            told.append(u"%1: %2"_s.arg(QString::fromStdString(dat)).arg(count));
        QCOMPARE(told.join(u", "_s), stored);
        // What an import given up changed is undone whole, its index too:
        // the next import is stored.
        QVERIFY2(ImportDatFiles(store, {write(99, DatText("Last", 1))}, &summary, &why), qPrintable(why.english));
    }
};

VEXA_TEST_MAIN(TestDatImport)
#include "test_dat_import.moc"
