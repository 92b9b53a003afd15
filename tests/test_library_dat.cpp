// DAT files in the library: imported into its real store, matched against a
// collection of a few thousand small ROMs the test writes, told by --report
// and by the Library the window uses. The DAT is written here from the
// test's own ROMs.
#include "TestFiles.h"
#include "TestMain.h"

#include "controls/FileListBox.h"
#include "core/HeaderCheck.h"
#include "launcher/PathArrival.h"
#include "launcher/RomNotes.h"
#include "launcher/Vexa.h"
#include "platform/Library.h"
#include "platform/LibraryCommands.h"
#include "platform/LibraryStore.h"

#include <QCryptographicHash>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <zlib.h>

#include <cstdio>
#include <map>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kRoms = 3000;
constexpr int kGood = 2000;      // listed in the DAT as they are
constexpr int kMarkedBad = 100;  // listed, marked baddump
constexpr int kOtherSha1 = 100;  // listed with their CRC32 and another SHA-1
constexpr int kMissing = 5;      // games of the DAT no ROM is

// A small ROM with a sound header (title, logo, header checksum) and bytes
// of its own; every 500th, from the 7th, has its header checksum broken.
QByteArray Rom(int index)
{
    QByteArray rom(0x150 + 16, '\0');
    std::copy(CartridgeLogo().begin(), CartridgeLogo().end(), rom.begin() + 0x104);
    const QByteArray title = "GAME " + QByteArray::number(index);
    rom.replace(0x134, title.size(), title);
    rom[0x14B] = 0x01;
    quint8 sum = 0;
    for (int at = 0x134; at < 0x14D; ++at)
        sum = static_cast<quint8>(sum - static_cast<quint8>(rom[at]) - 1);
    rom[0x14D] = static_cast<char>(index % 500 == 7 ? sum + 1 : sum);
    const QByteArray tail = QByteArray::number(index * 7919).rightJustified(16, '.');
    rom.replace(0x150, 16, tail);
    return rom;
}

bool Damaged(int index)
{
    return index % 500 == 7;
}

QString Name(int index)
{
    return u"Game %1 (World)"_s.arg(index);
}

// Where a ROM lies: most loose in nested folders, the last two zipped.
QString RelativePath(int index)
{
    const QString folder = u"Set %1/Shelf %2/"_s.arg(index / 1000).arg(index / 50);
    return folder + Name(index) + (index >= kRoms - 2 ? u".zip"_s : u".gb"_s);
}

QString Crc(const QByteArray &bytes)
{
    const uLong crc = crc32(0, reinterpret_cast<const Bytef *>(bytes.constData()), static_cast<uInt>(bytes.size()));
    return QString::number(crc, 16).rightJustified(8, u'0');
}

QString Sha1(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex());
}

// The DAT of the collection, as a preservation group writes one.
QByteArray DatText(const QString &name, int roms)
{
    QString text = u"<?xml version=\"1.0\"?>\n"
                   "<!DOCTYPE datafile PUBLIC \"-//Logiqx//DTD ROM Management Datafile//EN\" "
                   "\"http://www.logiqx.com/Dats/datafile.dtd\">\n"
                   "<datafile>\n\t<header>\n\t\t<name>%1</name>\n\t\t<version>1</version>\n\t</header>\n"_s.arg(name);
    for (int i = 0; i < std::min(roms, kGood + kMarkedBad + kOtherSha1); ++i) {
        const QByteArray rom = Rom(i);
        const QString sha1 = i >= kGood + kMarkedBad ? QString(40, u'e') : Sha1(rom);
        text += u"\t<game name=\"%1 [DAT]\"%2>\n\t\t<description>%1</description>\n"
                "\t\t<rom name=\"%1.gb\" size=\"%3\" crc=\"%4\" sha1=\"%5\"%6/>\n\t</game>\n"_s
                    .arg(Name(i), i % 10 == 1 ? u" cloneof=\"%1 [DAT]\""_s.arg(Name(i - 1)) : QString())
                    .arg(rom.size())
                    .arg(Crc(rom), sha1, i >= kGood && i < kGood + kMarkedBad ? u" status=\"baddump\""_s : QString());
    }
    for (int i = 0; i < kMissing; ++i)
        text += u"\t<game name=\"Never Dumped %1\"><rom name=\"n.gb\" size=\"32768\" crc=\"%2\"/></game>\n"_s.arg(i).arg(
            QString::number(0xF0000000u + i, 16));
    return (text + u"</datafile>\n"_s).toUtf8();
}

// What a command printed on one stream.
class Captured
{
public:
    Captured() : file_(std::tmpfile()) {}
    ~Captured() { std::fclose(file_); }
    std::FILE *File() const { return file_; }
    QStringList Lines() const
    {
        std::fflush(file_);
        std::rewind(file_);
        QByteArray all;
        char buffer[65536];
        for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file_)) > 0;)
            all.append(buffer, static_cast<qsizetype>(got));
        QStringList lines = QString::fromLocal8Bit(all).split(u'\n');
        lines.removeAll(QString());
        return lines;
    }

private:
    std::FILE *file_;
};

bool RemoveTreeOk(const QString &folder)
{
    return QDir(folder).removeRecursively();
}

} // namespace

class TestLibraryDat : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString Root() const { return dir_.filePath(u"roms"_s); }
    QString Database() const { return dir_.filePath(u"data/library.sqlite"_s); }
    QString WriteDat(const QString &file, const QByteArray &text) const
    {
        const QString path = dir_.filePath(file);
        return WriteBytes(path, text) ? path : QString();
    }
    int Report(QStringList &lines, QStringList &errors) const
    {
        Captured out;
        Captured err;
        const int status = ReportCommand(Database(), Root(), out.File(), err.File());
        lines = out.Lines();
        errors = err.Lines();
        return status;
    }
    int Import(const QStringList &files, QStringList &lines, QStringList &errors) const
    {
        Captured out;
        Captured err;
        const int status = ImportDatsCommand(files, Database(), out.File(), err.File());
        lines = out.Lines();
        errors = err.Lines();
        return status;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        for (int i = 0; i < kRoms; ++i) {
            const QString path = Root() + u'/' + RelativePath(i);
            QVERIFY(QDir().mkpath(QFileInfo(path).path()));
            if (i < kRoms - 2) {
                QVERIFY(WriteBytes(path, Rom(i)));
                continue;
            }
            QProcess python;
            python.start(u"python3"_s, {u"-c"_s,
                                        u"import sys, zipfile\n"
                                        "with zipfile.ZipFile(sys.argv[1], 'w', zipfile.ZIP_DEFLATED) as z:\n"
                                        "    z.writestr(sys.argv[2], sys.stdin.buffer.read())\n"_s,
                                        path, Name(i) + u".gb"_s});
            python.write(Rom(i));
            python.closeWriteChannel();
            QVERIFY(python.waitForFinished(30000) && python.exitCode() == 0);
        }
    }

    // Imported, then reported: every ROM once, counted by what it is, and
    // every game of the DAT no ROM matches (good or bad) told missing.
    void reportCountsTheCollection()
    {
        QFile::remove(Database());
        QStringList lines;
        QStringList errors;
        QCOMPARE(Import({WriteDat(u"gb.dat"_s, DatText(u"Test - Game Boy"_s, kRoms))}, lines, errors), 0);
        QCOMPARE(errors, QStringList());
        QCOMPARE(lines, QStringList{u"Imported 1 DAT file: Test - Game Boy (%1 games, %2 ROMs)"_s
                                        .arg(kGood + kMarkedBad + kOtherSha1 + kMissing)
                                        .arg(kGood + kMarkedBad + kOtherSha1 + kMissing)});

        QCOMPARE(Report(lines, errors), 0);
        QCOMPARE(errors, QStringList());
        std::map<QString, int> counts;
        std::map<QString, QStringList> byPath;
        QStringList missing;
        for (const QString &line : lines) {
            const QStringList fields = line.split(u'\t');
            if (fields.at(0) == u"missing"_s) {
                QCOMPARE(fields.size(), 3);
                QCOMPARE(fields.at(2), u"Test - Game Boy"_s);
                missing.append(fields.at(1));
                continue;
            }
            QCOMPARE(fields.size(), 4);
            ++counts[fields.at(0)];
            counts[fields.at(1)] += 1;
            byPath[fields.at(3)] = fields;
        }
        QCOMPARE(counts[u"verified"_s], kGood);
        QCOMPARE(counts[u"bad-dump"_s], kMarkedBad + kOtherSha1);
        QCOMPARE(counts[u"not-in-dat"_s], kRoms - kGood - kMarkedBad - kOtherSha1);
        QCOMPARE(counts[u"damaged"_s], kRoms / 500);
        QCOMPARE(counts[u"ok"_s], kRoms - kRoms / 500);
        QCOMPARE(int(byPath.size()), kRoms);
        QCOMPARE(missing.size(), kMissing);
        QCOMPARE(missing.first(), u"Never Dumped 0"_s);

        for (int i : {0, 7, 1999, 2000, 2150, 2507, kRoms - 1}) {
            QString path = Root() + u'/' + RelativePath(i);
            if (i >= kRoms - 2)
                path += u": "_s + Name(i) + u".gb"_s;
            const QStringList fields = byPath[path];
            QVERIFY2(!fields.isEmpty(), qPrintable(path));
            const QString want = i < kGood ? u"verified"_s : i < kGood + kMarkedBad + kOtherSha1 ? u"bad-dump"_s : u"not-in-dat"_s;
            QCOMPARE(fields.at(0), want);
            QCOMPARE(fields.at(1), Damaged(i) ? u"damaged"_s : u"ok"_s);
            // A verified ROM goes by its DAT name, any other by its file's.
            QCOMPARE(fields.at(2), want == u"verified"_s ? Name(i) + u" [DAT]"_s : Name(i));
        }
    }

    // A DAT given again replaces the older one of its name, as one whole.
    void newerDatReplacesOlder()
    {
        QFile::remove(Database());
        QStringList lines;
        QStringList errors;
        QCOMPARE(Import({WriteDat(u"old.dat"_s, DatText(u"Test - Game Boy"_s, kRoms))}, lines, errors), 0);
        QCOMPARE(Import({WriteDat(u"new.dat"_s, DatText(u"Test - Game Boy"_s, 10))}, lines, errors), 0);
        QVERIFY2(lines.value(0).endsWith(u"(15 games, 15 ROMs, in place of the older one)"_s), qPrintable(lines.value(0)));
        QCOMPARE(Report(lines, errors), 0);
        QCOMPARE(lines.filter(QRegularExpression(u"^verified\t"_s)).size(), 10);
        QCOMPARE(lines.filter(QRegularExpression(u"^missing\t"_s)).size(), kMissing);
    }

    // A refused file keeps nothing, not even the sound files given with it,
    // and says why in one line.
    void refusedFileKeepsNothing()
    {
        QFile::remove(Database());
        QStringList lines;
        QStringList errors;
        QCOMPARE(Import({WriteDat(u"small.dat"_s, DatText(u"Small"_s, 3))}, lines, errors), 0);
        const QString good = WriteDat(u"other.dat"_s, DatText(u"Other"_s, 50));
        QByteArray hostile = DatText(u"Small"_s, 40);
        hostile.replace("crc=\"", "crc=\"x");
        QCOMPARE(Import({good, WriteDat(u"hostile.dat"_s, hostile)}, lines, errors), 1);
        QCOMPARE(lines, QStringList());
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors.at(0).startsWith(u"vexa-launcher: The DAT file %1 is refused: line "_s.arg(dir_.filePath(u"hostile.dat"_s))),
                 qPrintable(errors.at(0)));
        QCOMPARE(Report(lines, errors), 0);
        QCOMPARE(lines.filter(QRegularExpression(u"^verified\t"_s)).size(), 3);
        QCOMPARE(lines.filter(QRegularExpression(u"^missing\t"_s)).size(), kMissing);
    }

    // Through the Library the window uses: imported on its writer, told in
    // one line, and the records read again with what the DAT says.
    void libraryImportsOnItsWriter()
    {
        QFile::remove(Database());
        Library library(Database(), Root());
        QSignalSpy imported(&library, &Library::DatImported);
        QSignalSpy problems(&library, &Library::Problem);
        std::vector<LibraryRecord> records;
        connect(&library, &Library::RecordsRead, this, [&](const std::vector<LibraryRecord> &read) { records = read; });
        library.Open();
        QVERIFY(WaitFor([&] { return int(records.size()) == kRoms; }, 30000));
        library.ImportDats({dir_.filePath(u"hostile.dat"_s)});
        QVERIFY(WaitFor([&] { return problems.size() == 1; }));
        QVERIFY(problems.at(0).at(0).toString().contains(u"is refused"_s));
        library.ImportDats({dir_.filePath(u"small.dat"_s)});
        QVERIFY(WaitFor([&] { return imported.size() == 1; }));
        QCOMPARE(imported.at(0).at(0).toString(), u"Imported 1 DAT file: Small (8 games, 8 ROMs)"_s);
        QVERIFY(WaitFor([&] {
            return std::count_if(records.begin(), records.end(),
                                 [](const LibraryRecord &r) { return r.check == DumpCheck::Verified; }) == 3;
        }));
        for (const LibraryRecord &record : records) {
            const bool first = record.file.endsWith(u"/Game 1 (World).gb"_s);
            if (first) {
                QCOMPARE(record.datGame, u"Game 1 (World) [DAT]"_s);
                QCOMPARE(record.datName, u"Small"_s);
                QCOMPARE(record.cloneOf, u"Game 0 (World) [DAT]"_s);
            }
            const QRegularExpressionMatch number = QRegularExpression(u"Game (\\d+) "_s).match(record.file);
            QVERIFY(number.hasMatch());
            QCOMPARE(record.headerDamaged, Damaged(number.captured(1).toInt()));
        }
        QVERIFY(library.Flush(5000));
    }

    // The main window's file list tells in a ROM's tool tip what its header
    // and the DAT files say of it; looked up in the background.
    void toolTipTellsTheCheck_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("notes");
        QTest::newRow("verified") << u"Good.gb"_s << 0 << u"Verified: Test - Game Boy"_s;
        QTest::newRow("verified, header damaged") << u"Broken.gb"_s << 7 << u"Header damaged\nVerified: Test - Game Boy"_s;
        QTest::newRow("marked bad") << u"Bad.gb"_s << kGood + 1 << u"Bad dump: Test - Game Boy"_s;
        QTest::newRow("not in the DAT") << u"Other.gb"_s << kRoms - 3 << u"Not in DAT"_s;
        QTest::newRow("in an archive") << u"Pack.zip: Inner.gb"_s << 1 << u"Verified: Test - Game Boy"_s;
    }

    void toolTipTellsTheCheck()
    {
        QFETCH(QString, name);
        QFETCH(int, index);
        QFETCH(QString, notes);
        QFile::remove(Database());
        QStringList lines;
        QStringList errors;
        QCOMPARE(Import({WriteDat(u"gb.dat"_s, DatText(u"Test - Game Boy"_s, kRoms))}, lines, errors), 0);
        const QString folder = dir_.filePath(u"list"_s);
        QVERIFY(QDir().mkpath(folder));
        if (name.contains(u':')) {
            QProcess python;
            python.start(u"python3"_s, {u"-c"_s,
                                        u"import sys, zipfile\n"
                                        "with zipfile.ZipFile(sys.argv[1], 'w') as z:\n"
                                        "    z.writestr('Extra.gb', b'extra')\n"
                                        "    z.writestr('Inner.gb', sys.stdin.buffer.read())\n"_s,
                                        folder + u"/Pack.zip"_s});
            python.write(Rom(index));
            python.closeWriteChannel();
            QVERIFY(python.waitForFinished(30000) && python.exitCode() == 0);
        } else {
            QVERIFY(WriteBytes(folder + u'/' + name, Rom(index)));
        }
        Vexa window;
        window.Notes()->databasePath = Database();
        QSignalSpy lookedUp(window.Notes(), &RomNotes::LookedUp);
        window.show();
        window.Arrival()->Open(folder, true);
        QVERIFY(WaitFor([&] { return !window.Busy() && window.File1->Select(name); }));
        emit window.File1->Click();
        QVERIFY(lookedUp.wait(5000));
        const QModelIndex row = window.File1->currentIndex();
        QCOMPARE(window.File1->ToolTipAt(window.File1->visualRect(row).center()),
                 name + u"\nGAME "_s + QString::number(index) + u'\n' + notes);
        QVERIFY(RemoveTreeOk(folder));
    }
};

VEXA_TEST_MAIN(TestLibraryDat)
#include "test_library_dat.moc"
