// The library follows the files under its roots through its watch of every
// folder: what is made, removed or renamed there is listed after a reading
// that waits for the changes to rest. Real files, a real SQLite file.
#include "TestFiles.h"
#include "TestMain.h"

#include "platform/Library.h"
#include "platform/Translations.h"

#include <QSignalSpy>

namespace {

// A ROM whose bytes tell it from another by its number.
QByteArray Rom(int number)
{
    QByteArray bytes = RomBytes(32768, 0x80, 0x00, 0x00, 0x01);
    bytes[0x200] = static_cast<char>(number);
    bytes[0x201] = static_cast<char>(number >> 8);
    return bytes;
}

// The files the library lists last, in order.
QStringList Listed(const QSignalSpy &read)
{
    QStringList files;
    if (!read.isEmpty()) {
        for (const LibraryRecord &record : read.last().at(0).value<std::vector<LibraryRecord>>())
            files.append(record.file);
    }
    files.sort();
    return files;
}

} // namespace

class TestLibraryFollow : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString Root() const { return dir_.path() + QStringLiteral("/roms"); }
    QString Database() const { return dir_.path() + QStringLiteral("/data/library.sqlite"); }

    // A library on a root holding Top.gb and a/b/Deep.gb, read once.
    std::unique_ptr<Library> Opened(QSignalSpy *&read)
    {
        QDir().mkpath(Root() + QStringLiteral("/a/b"));
        WriteBytes(Root() + QStringLiteral("/Top.gb"), Rom(1));
        WriteBytes(Root() + QStringLiteral("/a/b/Deep.gb"), Rom(2));
        auto library = std::make_unique<Library>(Database(), Root());
        library->SetFollowDelay(100, 1000);
        read = new QSignalSpy(library.get(), &Library::RecordsRead);
        read->setParent(library.get());
        library->Open();
        return library;
    }

private slots:
    void cleanup()
    {
        QVERIFY(Background::WaitIdle(5000));
        RemoveTree(dir_.path());
        QDir().mkpath(dir_.path());
    }

    void changesAreListed_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("listed"); // the files, in order
        QTest::newRow("file made deep down") << "made" << "Top.gb,a/b/Deep.gb,a/b/New.gb";
        QTest::newRow("folder made, then a file in it")
            << "folder" << "Top.gb,a/New/Newer/Inner.gb,a/b/Deep.gb";
        QTest::newRow("file removed") << "removed" << "Top.gb";
        QTest::newRow("file renamed") << "renamed" << "Top.gb,a/b/Renamed.gb";
        QTest::newRow("folder moved") << "moved" << "Top.gb,c/Deep.gb";
    }
    void changesAreListed()
    {
        QFETCH(QString, change);
        QFETCH(QString, listed);
        QSignalSpy *read = nullptr;
        const std::unique_ptr<Library> library = Opened(read);
        QVERIFY(WaitFor([&] { return Listed(*read).size() == 2; }));
        const QString deep = Root() + QStringLiteral("/a/b/");
        if (change == QLatin1String("made")) {
            QVERIFY(WriteBytes(deep + QStringLiteral("New.gb"), Rom(3)));
        } else if (change == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(Root() + QStringLiteral("/a/New/Newer")));
            // The new folders are watched from their reading on: a file made
            // after it is seen too.
            QTest::qWait(600);
            QVERIFY(WriteBytes(Root() + QStringLiteral("/a/New/Newer/Inner.gb"), Rom(3)));
        } else if (change == QLatin1String("removed")) {
            QVERIFY(QFile::remove(deep + QStringLiteral("Deep.gb")));
        } else if (change == QLatin1String("renamed")) {
            QVERIFY(QFile::rename(deep + QStringLiteral("Deep.gb"), deep + QStringLiteral("Renamed.gb")));
        } else {
            QVERIFY(QDir().rename(deep, Root() + QStringLiteral("/c")));
        }
        QVERIFY2(WaitFor([&] { return Listed(*read).join(u',') == listed; }), qPrintable(Listed(*read).join(u',')));
    }

    // Files copied one after the other give a few readings, not one each,
    // and every file is listed at the end.
    void aCopyGivesFewReadings()
    {
        QSignalSpy *read = nullptr;
        const std::unique_ptr<Library> library = Opened(read);
        QSignalSpy readings(library.get(), &Library::Reading);
        library->SetFollowDelay(300, 2000);
        QVERIFY(WaitFor([&] { return Listed(*read).size() == 2; }));
        const int before = readings.size();
        QVERIFY(QDir().mkpath(Root() + QStringLiteral("/copy")));
        for (int burst = 0; burst < 30; ++burst) {
            for (int file = 0; file < 20; ++file) {
                const int number = 100 + burst * 20 + file;
                QVERIFY(WriteBytes(Root() + QStringLiteral("/copy/%1.gb").arg(number), Rom(number)));
            }
            QTest::qWait(20);
        }
        QVERIFY(WaitFor([&] { return Listed(*read).size() == 602; }, 10000));
        QTest::qWait(600);
        const int during = readings.size() - before;
        QVERIFY2(during >= 1 && during <= 5, qPrintable(QString::number(during)));
        QCOMPARE(Listed(*read).size(), 602);
    }

    // A root whose watch cannot be set (here more folders than allowed, as
    // when the user's watches are used up) stays listed as it was read, and
    // says so once, in the user's language (German here).
    void unwatchedRootStaysAsRead()
    {
        QObject translations;
        QVERIFY(InstallTranslations(QLocale(QStringLiteral("de_DE")), {QStringLiteral(VEXA_BUILT_TRANSLATIONS)}, QString(),
                                    &translations)
                    .own);
        QSignalSpy *read = nullptr;
        const std::unique_ptr<Library> library = Opened(read);
        library->SetWatchLimit(2);
        QSignalSpy problems(library.get(), &Library::Problem);
        QSignalSpy readings(library.get(), &Library::Reading);
        QVERIFY(WaitFor([&] { return Listed(*read).size() == 2 && !problems.isEmpty(); }));
        QCOMPARE(problems.size(), 1);
        QCOMPARE(problems.at(0).at(0).toString(),
                 QStringLiteral("\u00c4nderungen unter %1 werden nicht verfolgt: er hat mehr als 2 Ordner").arg(Root()));
        const int before = readings.size();
        QVERIFY(WriteBytes(Root() + QStringLiteral("/Later.gb"), Rom(3)));
        QTest::qWait(600);
        QCOMPARE(readings.size(), before);
        QCOMPARE(Listed(*read).join(u','), QStringLiteral("Top.gb,a/b/Deep.gb"));
        // Read again by hand, it is listed, and said no second time.
        library->Rescan();
        QVERIFY(WaitFor([&] { return Listed(*read).size() == 3; }));
        QTest::qWait(200);
        QCOMPARE(problems.size(), 1);
    }
};

VEXA_TEST_MAIN(TestLibraryFollow)
#include "test_library_follow.moc"
