// Playing from the library: a row starts through Run's own way with the main
// window's options, so the emulator gets what Run gives it for that ROM; the
// main window then shows that ROM selected; and the play is kept against the
// ROM's content, in the library's real store.
#include "TestFiles.h"
#include "TestMain.h"

#include "controls/EventLabel.h"
#include "core/HeaderCheck.h"
#include "controls/FileListBox.h"
#include "launcher/PathArrival.h"
#include "launcher/Vexa.h"
#include "library/LibraryModel.h"
#include "library/LibraryOpening.h"
#include "library/LibraryWindow.h"
#include "platform/LibraryStore.h"
#include "platform/Settings.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>

#include <memory>

using namespace Qt::Literals::StringLiterals;

class TestLibraryPlay : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void playedRowStartsAsRunDoes_data();
    void playedRowStartsAsRunDoes();
    void datAskedForInTheWindowIsImported();
    void firstStartReadsTheShownFolder();

private:
    QString path(const QString &name) const { return work_->filePath(name); }

    std::unique_ptr<QTemporaryDir> work_;
    QString previousDir_;
    QByteArray previousPath_;
};

void TestLibraryPlay::init()
{
    QFile::remove(SettingsFile());
    work_ = std::make_unique<QTemporaryDir>();
    QVERIFY(work_->isValid());
    previousDir_ = QDir::currentPath();
    QVERIFY(QDir::setCurrent(work_->path()));
    for (const char *folder : {"bin", "roms"})
        QVERIFY(QDir().mkpath(path(QLatin1String(folder))));
    QVERIFY(WriteScript(path(u"bin/vexa"_s), RecorderScript()));
    qputenv("VEXA_RECORD", QFile::encodeName(path(u"record"_s)));
    previousPath_ = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(path(u"bin"_s)) + ":" + previousPath_);
    QVERIFY(WriteBytes(path(u"roms/Quest (Japan).gbc"_s), RomBytes(400, 0x80, 0x00, 0x03, 0x00)));
    // A sound header: the logo, and the header checksum of 0x134-0x14C.
    QByteArray sound = RomBytes(400, 0x00, 0x00, 0x00, 0x01);
    std::copy(CartridgeLogo().begin(), CartridgeLogo().end(), sound.begin() + 0x104);
    quint8 sum = 0;
    for (int at = 0x134; at < 0x14D; ++at)
        sum = static_cast<quint8>(sum - static_cast<quint8>(sound[at]) - 1);
    sound[0x14D] = static_cast<char>(sum);
    QVERIFY(WriteBytes(path(u"roms/Sound (World).gb"_s), sound));
    // Two ROMs in one archive, each listed under a name of its own.
    QCOMPARE(QProcess::execute(u"python3"_s, {u"-c"_s, u"import sys, zipfile\n"
                                                       "z = zipfile.ZipFile(sys.argv[1], 'w')\n"
                                                       "z.writestr('One.gb', b'\\0' * 0x143 + b'\\x00' * 0x100)\n"
                                                       "z.writestr('Two.gb', b'\\1' * 0x143 + b'\\x80' * 0x100)\n"_s,
                                              path(u"roms/Pack.zip"_s)}),
             0);
}

void TestLibraryPlay::cleanup()
{
    qputenv("PATH", previousPath_);
    QDir::setCurrent(previousDir_);
    QFile::remove(SettingsFile());
    work_.reset();
}

void TestLibraryPlay::playedRowStartsAsRunDoes_data()
{
    QTest::addColumn<QString>("file");     // as the library shows it
    QTest::addColumn<QString>("listName"); // as the main window lists it
    QTest::addColumn<bool>("damaged");     // its header's logo or checksum is wrong: started all the same
    QTest::newRow("a plain ROM, its header damaged") << "Quest (Japan).gbc" << "Quest (Japan).gbc" << true;
    QTest::newRow("the second ROM of an archive") << "Pack.zip: Two.gb" << "Pack.zip: Two.gb" << true;
    QTest::newRow("a sound header") << "Sound (World).gb" << "Sound (World).gb" << false;
}

void TestLibraryPlay::playedRowStartsAsRunDoes()
{
    QFETCH(QString, file);
    QFETCH(QString, listName);
    QFETCH(bool, damaged);
    auto window = std::make_unique<Vexa>();
    window->show();
    // The ROM folder is the library's first folder.
    window->Arrival()->Open(path(u"roms"_s), true);
    QVERIFY(WaitFor([&] { return !window->Busy() && window->File1->model()->rowCount() == 4; }));
    // Options the user picked in the main window, which the library's start takes.
    window->Check3->setChecked(true);
    window->gbVärde[2]->setChecked(true);

    window->Library()->Open();
    LibraryWindow *library = window->Library()->Window();
    QVERIFY(library);
    LibraryModel *model = library->Model();
    int row = -1;
    QVERIFY(WaitFor(
        [&] {
            for (int i = 0; i < model->rowCount(); ++i) {
                if (model->RecordAt(i).file == file)
                    row = i;
            }
            return row >= 0;
        },
        10000));
    const LibraryRecord record = model->RecordAt(row);
    QCOMPARE(record.headerDamaged, damaged);
    emit library->PlayRequested(record);
    QVERIFY(WaitFor([&] { return RecordedRuns(path(u"record"_s)).size() == 1; }));
    // The main window shows the ROM played, as a click on it would.
    QVERIFY(WaitFor([&] { return window->File1->FileName() == listName && !window->Busy(); }));
    const QString libraryLine = window->Text1->text();

    // Run on the same ROM in the main window, with the same options.
    QTest::mouseMove(window.get(), QPoint(3, 100));
    QTest::mouseMove(window.get(), window->RunUp->geometry().center());
    QTest::mouseClick(window->RunDown, Qt::LeftButton);
    QVERIFY(WaitFor([&] { return RecordedRuns(path(u"record"_s)).size() == 2; }));
    const QStringList runs = RecordedRuns(path(u"record"_s));
    QCOMPARE(runs.at(0), runs.at(1));
    QVERIFY(runs.at(0).contains(u"-2pl"_s));
    QCOMPARE(window->Text1->text(), libraryLine);

    // The library's play is kept against the content once the emulator ended.
    window.reset();
    LibraryStore store(LibraryStore::DefaultPath());
    QVERIFY2(store.Open(), qPrintable(store.Problem()));
    int launches = 0;
    for (const LibraryRecord &kept : store.Records()) {
        if (kept.sha1 == record.sha1)
            launches = kept.launches;
    }
    QCOMPARE(launches, 1);
}

void TestLibraryPlay::datAskedForInTheWindowIsImported()
{
    auto window = std::make_unique<Vexa>();
    window->show();
    window->Arrival()->Open(path(u"roms"_s), true);
    QVERIFY(WaitFor([&] { return !window->Busy() && window->File1->model()->rowCount() == 4; }));
    window->Library()->Open();
    LibraryWindow *library = window->Library()->Window();
    QVERIFY(library);
    LibraryModel *model = library->Model();
    const auto find = [&](const QString &file) -> const LibraryRecord * {
        for (int i = 0; i < model->rowCount(); ++i) {
            if (model->RecordAt(i).file == file)
                return &model->RecordAt(i);
        }
        return nullptr;
    };
    QVERIFY(WaitFor([&] { return find(u"Sound (World).gb"_s) != nullptr; }, 10000));
    const LibraryRecord sound = *find(u"Sound (World).gb"_s);
    QCOMPARE(sound.check, DumpCheck::NotInDat);

    // A DAT naming that ROM by its size, CRC32 and SHA-1, asked for in the window.
    const QString dat = path(u"mine.dat"_s);
    QVERIFY(WriteBytes(dat, u"<?xml version=\"1.0\"?>\n<datafile><header><name>Mine</name></header>\n"
                            "<game name=\"Sound Game (World)\"><rom name=\"Sound (World).gb\" size=\"%1\" crc=\"%2\" sha1=\"%3\"/></game>\n"
                            "</datafile>\n"_s.arg(sound.size)
                                .arg(sound.crc32, 8, 16, QLatin1Char('0'))
                                .arg(QString::fromLatin1(sound.sha1.toHex()))
                                .toUtf8()));
    emit library->ImportDatsRequested({dat});
    QVERIFY(WaitFor([&] {
        const LibraryRecord *now = find(u"Sound (World).gb"_s);
        return now && now->check == DumpCheck::Verified && now->datGame == u"Sound Game (World)"_s;
    }, 10000));
    QVERIFY(library->findChild<QLabel *>(u"Problem"_s)->text().contains(u"Mine"_s));
}

// With no ROM folder stored yet (a first start), the library reads the
// folder the main window shows.
void TestLibraryPlay::firstStartReadsTheShownFolder()
{
    QVERIFY(QDir::setCurrent(path(u"roms"_s)));
    // Opened at once, as `--library` does, before the folder shown is stored.
    auto window = std::make_unique<Vexa>();
    window->Library()->Open();
    LibraryModel *model = window->Library()->Window()->Model();
    QVERIFY(WaitFor([&] { return model->rowCount() == 4; }, 10000));
}

VEXA_TEST_MAIN(TestLibraryPlay)
#include "test_library_play.moc"
