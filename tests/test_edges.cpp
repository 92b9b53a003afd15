#include "TestFiles.h"
#include "TestMain.h"

#include "controls/DirListBox.h"
#include "controls/FocusMark.h"
#include "core/FilePattern.h"
#include "core/NameList.h"
#include "platform/FolderScan.h"
#include "platform/FolderWatcher.h"
#include "platform/RegularFile.h"
#include "platform/RunCheck.h"
#include "platform/SettingsWriter.h"

#include <QCheckBox>
#include <QSignalSpy>

#include <atomic>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

// Edges of the file system and of the settings store that the other suites
// pass by: short reads, names beyond ASCII, folders this user may not search,
// the mount table, a writer asked to store while its thread is ending.
class TestEdges : public QObject
{
    Q_OBJECT

private slots:
    void readFillsPastShortReads();
    void matchingFilesSortedByFoldedLetters_data();
    void matchingFilesSortedByFoldedLetters();
    void romGoneOnlyWhenNothingIsThere_data();
    void romGoneOnlyWhenNothingIsThere();
    void mountWatchQuietWhileNothingMounts();
    void writerStoresWithoutEventLoop();
    void backspaceGoesUpAFolder();
    void focusMarkedInTextColour();
};

// A file the kernel hands out a page or so per read (the memory map of this
// process, many pages long): every byte is read into its own place.
void TestEdges::readFillsPastShortReads()
{
    RegularFile file(u"/proc/self/smaps"_s);
    QVERIFY(file.IsOpen());
    QByteArray bytes(8 << 20, '\0');
    const std::int64_t read = file.Read(bytes.data(), bytes.size());
    QVERIFY2(read > 3 * 4096, "the map should take several reads");
    QVERIFY(read < bytes.size());
    bytes.truncate(read);
    QVERIFY2(!bytes.contains('\0'), "a part of the text was not read into its place");
    QVERIFY(bytes.endsWith('\n'));
}

void TestEdges::matchingFilesSortedByFoldedLetters_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("sorted");
    QTest::newRow("accented capital and small") << QStringList{u"Éb.gb"_s, u"éa.gb"_s} << QStringList{u"éa.gb"_s, u"Éb.gb"_s};
    QTest::newRow("beyond ASCII beside ASCII")
        << QStringList{u"Öl.gb"_s, u"oz.gb"_s, u"ob.gb"_s} << QStringList{u"ob.gb"_s, u"oz.gb"_s, u"Öl.gb"_s};
    QTest::newRow("same letters, then bytes") << QStringList{u"ä.gb"_s, u"Ä.gb"_s} << QStringList{u"Ä.gb"_s, u"ä.gb"_s};
}

void TestEdges::matchingFilesSortedByFoldedLetters()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, sorted);
    QTemporaryDir dir;
    for (const QString &name : names)
        QVERIFY(WriteBytes(dir.filePath(name), "rom"));
    NameList listed;
    QVERIFY(ListMatchingFiles(dir.path(), FilePattern("*.gb"), listed));
    QStringList got;
    for (std::size_t i = 0; i < listed.Size(); ++i)
        got << QString::fromUtf8(listed.At(i).data(), static_cast<qsizetype>(listed.At(i).size()));
    QCOMPARE(got, sorted);
}

void TestEdges::romGoneOnlyWhenNothingIsThere_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<bool>("gone");
    QTest::newRow("there") << u"there"_s << false;
    QTest::newRow("deleted") << u"deleted"_s << true;
    QTest::newRow("in a folder this user may not search") << u"unsearchable"_s << false;
}

void TestEdges::romGoneOnlyWhenNothingIsThere()
{
    QFETCH(QString, where);
    QFETCH(bool, gone);
    if (where == u"unsearchable"_s && geteuid() == 0)
        QSKIP("root searches every folder: run as an ordinary user");
    QTemporaryDir dir;
    const QString folder = dir.filePath(u"roms"_s);
    QVERIFY(QDir().mkpath(folder));
    const QString rom = folder + u"/x.gb"_s;
    QVERIFY(WriteBytes(rom, "rom"));
    if (where == u"deleted"_s)
        QVERIFY(QFile::remove(rom));
    if (where == u"unsearchable"_s)
        QCOMPARE(chmod(QFile::encodeName(folder).constData(), 0600), 0);
    const bool found = RomGone(QFile::encodeName(rom));
    chmod(QFile::encodeName(folder).constData(), 0700);
    QCOMPARE(found, gone);
}

// The mount table is watched for its changes only: while nothing is mounted
// the watcher says nothing (watched for reading, it would say so endlessly).
void TestEdges::mountWatchQuietWhileNothingMounts()
{
    FolderWatcher watcher;
    QSignalSpy changed(&watcher, &FolderWatcher::Changed);
    QTest::qWait(100);
    QVERIFY2(changed.count() < 5, QByteArray::number(changed.count()).constData());
}

// Every value given reaches the store, each Flush waiting for it without the
// event loop, also when a value comes while the writer before is still ending.
void TestEdges::writerStoresWithoutEventLoop()
{
    auto stored = std::make_shared<std::atomic<int>>(0);
    SettingsWriter writer(
        [stored](const QString &, const QString &, QString *) {
            ++*stored;
            return true;
        },
        [](const QString &) {});
    constexpr int kRounds = 3000;
    for (int i = 0; i < kRounds; ++i) {
        writer.Write(u"TotGames"_s, QString::number(i));
        if (!writer.Flush(5000))
            QFAIL(qPrintable(u"value %1 was not stored"_s.arg(i)));
    }
    QCOMPARE(stored->load(), kRounds);
}

void TestEdges::backspaceGoesUpAFolder()
{
    QTemporaryDir dir;
    const QString inner = dir.filePath(u"a/b"_s);
    QVERIFY(QDir().mkpath(inner));
    DirListBox list;
    list.show();
    list.SetPath(inner);
    QVERIFY(WaitFor([&] { return list.Path() == inner && !list.Pending(); }));
    QSignalSpy changed(&list, &DirListBox::Changed);
    QTest::keyClick(&list, Qt::Key_Backspace);
    QVERIFY(WaitFor([&] { return !changed.isEmpty(); }));
    QCOMPARE(list.Path(), dir.filePath(u"a"_s));
    list.SetPath(u"/"_s);
    QVERIFY(WaitFor([&] { return list.Path() == u"/"_s && !list.Pending(); }));
    QTest::keyClick(&list, Qt::Key_Backspace);
    QVERIFY(!list.Pending());
    QCOMPARE(list.Path(), u"/"_s);
}

// A check box on teal, reached with Tab, is framed in its own text colour:
// far more of its pixels are white than without the focus.
void TestEdges::focusMarkedInTextColour()
{
    QWidget window;
    window.resize(200, 60);
    auto *box = new QCheckBox(u"Crc on/off"_s, &window);
    auto *other = new QCheckBox(u"Delay on/off"_s, &window);
    other->move(0, 30);
    QPalette teal = box->palette();
    teal.setColor(QPalette::Window, QColor(0, 64, 64));
    teal.setColor(QPalette::WindowText, Qt::white);
    window.setPalette(teal);
    window.setAutoFillBackground(true);
    box->setStyle(FocusMarkStyle());
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const auto white = [box] {
        const QImage image = box->grab().toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixelColor(x, y) == Qt::white ? 1 : 0;
        return count;
    };
    other->setFocus(Qt::OtherFocusReason);
    const int without = white();
    QTest::keyClick(other, Qt::Key_Tab);
    QVERIFY(box->hasFocus());
    const int with = white();
    QVERIFY2(with - without > box->fontMetrics().height() * 2, qPrintable(u"%1 white pixels, %2 without"_s.arg(with).arg(without)));
}

VEXA_TEST_MAIN(TestEdges)
#include "test_edges.moc"
