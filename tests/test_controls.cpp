#include "TestFiles.h"
#include "TestMain.h"

#include "controls/ComboBox.h"
#include "controls/DirListBox.h"
#include "controls/EventLabel.h"
#include "controls/DriveListBox.h"
#include "controls/FileListBox.h"
#include "controls/PictureBox.h"
#include "controls/StatusBar.h"
#include "platform/FileNames.h"
#include "platform/FolderScan.h"

#include <QLineEdit>
#include <QSignalSpy>

#include <atomic>

using namespace Qt::Literals::StringLiterals;

namespace {
const QString kPattern = QStringLiteral("*.gb; *.sgb; *cgb; *.gbc");

// Shows a folder in the file list and waits until it is listed.
bool List(FileListBox &list, const QString &folder)
{
    list.SetPath(folder);
    return WaitFor([&] { return !list.Listing(); });
}

// Moves the folder list and waits until the move is settled and its entries are in.
bool Open(DirListBox &list, const QString &folder)
{
    list.SetPath(folder);
    return WaitFor([&] { return !list.Pending() && (!list.isVisible() || list.count() > 0); });
}
}

class TestControls : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void fileListShowsMatchingRegularFiles();
    void fileListSortsWithoutCase();
    void fileListClearsSelectionOnFolderChange();
    void fileListAnnouncesEachListing();
    void fileListClickByKeyboard();
    void fileListClicksDoubleClicksAndEnter();
    void fileListFollowsTheDisk();
    void fileListOfUnreadableFolderIsEmpty();
    void fileListDropsStaleListing();
    void fileListReadsOneListingAtATime();
    void fileListJoinsArchives();
    void fileListKeepsArchiveEntriesWhileReadAgain();
    void fileListFolderMadeAgain();
    void fileListNameNotUtf8();
    void fileListToolTip();
    void doubleClickOnPictureIsOneClick();
    void comboTextNotSelectedOnFocus();

    void dirListShowsAncestorsAndSubfolders();
    void dirListOpensEntry();
    void dirListIgnoresNonFolders_data();
    void dirListIgnoresNonFolders();
    void dirListLaterMoveWins();
    void dirListFolderThatCannotBeListed();
    void dirListFolderRemovedWhileShown();
    void dirListShowsNamesNotUtf8();

    void driveListFollowsPath();
    void statusBarPanels();
    void pictureBoxKeepsItsImage();
    void pictureBoxMeasuresWithoutWrapping();

private:
    QTemporaryDir *dir_ = nullptr;
    QString path(const QString &name) const { return dir_->filePath(name); }
};

void TestControls::init()
{
    dir_ = new QTemporaryDir;
    QVERIFY(dir_->isValid());
}

void TestControls::cleanup()
{
    RemoveTree(dir_->path());
    delete dir_;
    dir_ = nullptr;
}

void TestControls::fileListShowsMatchingRegularFiles()
{
    for (const char *name : {"TOTO.GB", "x.sgb", "xcgb", "x.gbc", ".hidden.gb", "readme.txt", "a b.gb"})
        QVERIFY(WriteBytes(path(QLatin1String(name)), "rom"));
    QVERIFY(QDir().mkpath(path(QStringLiteral("dir.gb"))));
    QVERIFY(MakeLink(path(QStringLiteral("x.sgb")), path(QStringLiteral("link.gb"))));
    QVERIFY(MakeLink(path(QStringLiteral("gone")), path(QStringLiteral("dangling.gb"))));
    QVERIFY(MakeFifo(path(QStringLiteral("fifo.gb"))));
    FileListBox list;
    list.SetPattern(kPattern);
    QVERIFY(List(list, dir_->path()));
    QCOMPARE(list.Names(), (QStringList{u"a b.gb"_s, u"link.gb"_s, u"TOTO.GB"_s, u"x.gbc"_s, u"x.sgb"_s, u"xcgb"_s}));
    QCOMPARE(list.ListCount(), 6);
    QCOMPARE(list.FileName(), QString());
}

void TestControls::fileListToolTip()
{
    const QString longName = u"Legend of the River King 2 (Japan) (SGB Enhanced).gb"_s;
    QVERIFY(WriteBytes(path(longName), "rom"));
    QVERIFY(WriteBytes(path(QStringLiteral("b.gb")), "rom"));
    QVERIFY(QDir().mkpath(path(QStringLiteral("other"))));
    QVERIFY(WriteBytes(path(QStringLiteral("other/b.gb")), "rom"));
    FileListBox list;
    list.SetPattern(kPattern);
    list.resize(160, 150);
    QVERIFY(List(list, dir_->path()));
    auto tipOf = [&list](int row) { return list.ToolTipAt(list.visualRect(list.model()->index(row, 0)).center()); };
    QCOMPARE(tipOf(0), u"b.gb"_s);
    list.SetTitle(longName, u"RIVER KING 2"_s);
    list.SetTitle(u"b.gb"_s, QString());
    QCOMPARE(tipOf(1), longName + u"\nRIVER KING 2"_s);
    QCOMPARE(tipOf(0), u"b.gb"_s);
    QCOMPARE(list.ToolTipAt(QPoint(5, 140)), QString());
    // A title belongs to the folder it was read in.
    list.SetTitle(u"b.gb"_s, u"OLD"_s);
    QVERIFY(List(list, path(QStringLiteral("other"))));
    QCOMPARE(tipOf(0), u"b.gb"_s);
}

void TestControls::doubleClickOnPictureIsOneClick()
{
    EventLabel label;
    label.resize(70, 19);
    QSignalSpy clicks(&label, &EventLabel::Click);
    // What a double-click sends: press, release, double-click press, release.
    QTest::mouseClick(&label, Qt::LeftButton);
    QTest::mouseDClick(&label, Qt::LeftButton);
    QTest::mouseRelease(&label, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    QTest::mouseClick(&label, Qt::LeftButton);
    QCOMPARE(clicks.count(), 2);
}

void TestControls::comboTextNotSelectedOnFocus()
{
    QWidget window;
    auto *first = new QLineEdit(&window);
    auto *combo = new ComboBox(&window);
    combo->setEditable(true);
    combo->setEditText(u"Normal"_s);
    combo->move(0, 40);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Tab);
    QVERIFY(combo->hasFocus());
    QVERIFY(!combo->lineEdit()->hasSelectedText());
    QTest::keyClick(combo, Qt::Key_X);
    QCOMPARE(combo->currentText(), u"Normalx"_s);
}

void TestControls::fileListSortsWithoutCase()
{
    // Long names that differ past their eighth letter; names beyond ASCII
    // after the ASCII ones; names equal but for case by their bytes.
    const QStringList names{u"b.gb"_s, u"A.gb"_s, u"c.GB"_s, u"B2.gb"_s, u"a1.gb"_s, u"Game Boy Zeta.gb"_s,
                            u"GAME BOY alpha.gb"_s, u"game boy Alpha.gb"_s, u"\u00e9mile long name.gb"_s,
                            u"\u00c9mile long name.gb"_s, u"z.gb"_s};
    for (const QString &name : names)
        QVERIFY(WriteBytes(path(name), "rom"));
    FileListBox list;
    list.SetPattern(kPattern);
    QVERIFY(List(list, dir_->path()));
    QCOMPARE(list.Names(), (QStringList{u"A.gb"_s, u"a1.gb"_s, u"b.gb"_s, u"B2.gb"_s, u"c.GB"_s, u"GAME BOY alpha.gb"_s,
                                        u"game boy Alpha.gb"_s, u"Game Boy Zeta.gb"_s, u"z.gb"_s,
                                        u"\u00c9mile long name.gb"_s, u"\u00e9mile long name.gb"_s}));
}

void TestControls::fileListClearsSelectionOnFolderChange()
{
    QVERIFY(WriteBytes(path(QStringLiteral("a.gb")), "rom"));
    QVERIFY(QDir().mkpath(path(QStringLiteral("other"))));
    QVERIFY(WriteBytes(path(QStringLiteral("other/b.gb")), "rom"));
    FileListBox list;
    list.SetPattern(kPattern);
    QVERIFY(List(list, dir_->path()));
    QSignalSpy clicks(&list, &FileListBox::Click);
    list.setCurrentIndex(list.model()->index(0, 0));
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(list.FileName(), QStringLiteral("a.gb"));
    QVERIFY(List(list, path(QStringLiteral("other"))));
    QCOMPARE(list.FileName(), QString());
    QCOMPARE(clicks.count(), 1);
}

void TestControls::fileListAnnouncesEachListing()
{
    QVERIFY(WriteBytes(path(QStringLiteral("a.gb")), "rom"));
    QVERIFY(QDir().mkpath(path(QStringLiteral("other"))));
    QVERIFY(WriteBytes(path(QStringLiteral("other/b.gb")), "rom"));
    QVERIFY(WriteBytes(path(QStringLiteral("other/c.gb")), "rom"));
    FileListBox list;
    list.SetPattern(kPattern);
    QList<QStringList> seen;
    connect(&list, &FileListBox::Listed, &list, [&] { seen.append(list.Names()); });
    list.SetPath(dir_->path());
    QTRY_COMPARE(seen.size(), 1);
    list.SetPath(path(QStringLiteral("other")));
    QTRY_COMPARE(seen.size(), 2);
    QCOMPARE(seen, (QList<QStringList>{{u"a.gb"_s}, {u"b.gb"_s, u"c.gb"_s}}));
}

void TestControls::fileListClickByKeyboard()
{
    for (const char *name : {"a.gb", "b.gb", "c.gb"})
        QVERIFY(WriteBytes(path(QLatin1String(name)), "rom"));
    FileListBox list;
    list.SetPattern(kPattern);
    QVERIFY(List(list, dir_->path()));
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QSignalSpy clicks(&list, &FileListBox::Click);
    list.setFocus();
    // The first step down selects the first entry.
    QTest::keyClick(&list, Qt::Key_Down);
    QCOMPARE(list.FileName(), QStringLiteral("a.gb"));
    QTest::keyClick(&list, Qt::Key_Down);
    QTest::keyClick(&list, Qt::Key_Down);
    QCOMPARE(clicks.count(), 3);
    QCOMPARE(list.FileName(), QStringLiteral("c.gb"));
}

// Every click on an entry is a click, the selected one included; a double
// click and Enter on a selected entry are reported on their own.
void TestControls::fileListClicksDoubleClicksAndEnter()
{
    for (const char *name : {"a.gb", "b.gb"})
        QVERIFY(WriteBytes(path(QLatin1String(name)), "rom"));
    FileListBox list;
    list.SetPattern(kPattern);
    QVERIFY(List(list, dir_->path()));
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QSignalSpy clicks(&list, &FileListBox::Click);
    QSignalSpy doubles(&list, &FileListBox::DblClick);
    QSignalSpy keys(&list, &FileListBox::KeyPress);
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Return);
    QCOMPARE(keys.count(), 0); // nothing selected yet
    const QPoint first = list.visualRect(list.model()->index(0, 0)).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, first);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, first);
    QCOMPARE(clicks.count(), 2);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, first);
    QCOMPARE(doubles.count(), 1);
    QCOMPARE(clicks.count(), 2);
    QTest::keyClick(&list, Qt::Key_Return);
    QTest::keyClick(&list, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(keys.count(), 2);
    QCOMPARE(keys.at(0).at(0).toInt(), 13);
    QCOMPARE(clicks.count(), 2);
}

// Files added, removed or renamed in the shown folder show without a click;
// the selection stays while its file is there, and no click is reported.
void TestControls::fileListFollowsTheDisk()
{
    for (const char *name : {"a.gb", "b.gb"})
        QVERIFY(WriteBytes(path(QLatin1String(name)), "rom"));
    FileListBox list;
    list.SetPattern(kPattern);
    QVERIFY(List(list, dir_->path()));
    QVERIFY(list.Select(QStringLiteral("b.gb")));
    QSignalSpy clicks(&list, &FileListBox::Click);
    QVERIFY(WriteBytes(path(QStringLiteral("0 new.gbc")), "rom"));
    QVERIFY(QFile::rename(path(QStringLiteral("a.gb")), path(QStringLiteral("c.gb"))));
    QVERIFY(WriteBytes(path(QStringLiteral("notes.txt")), "x"));
    QVERIFY(WaitFor([&] { return list.Names() == QStringList{u"0 new.gbc"_s, u"b.gb"_s, u"c.gb"_s}; }, 1500));
    QCOMPARE(list.FileName(), QStringLiteral("b.gb"));
    QVERIFY(QFile::remove(path(QStringLiteral("b.gb"))));
    QVERIFY(WaitFor([&] { return list.ListCount() == 2; }, 1500));
    QCOMPARE(list.FileName(), QString());
    QCOMPARE(clicks.count(), 0);
}

void TestControls::fileListOfUnreadableFolderIsEmpty()
{
    FileListBox list;
    list.SetPattern(kPattern);
    QVERIFY(WriteBytes(path(QStringLiteral("plain")), "x"));
    QVERIFY(List(list, path(QStringLiteral("plain"))));
    QCOMPARE(list.ListCount(), 0);
    QVERIFY(List(list, path(QStringLiteral("missing"))));
    QCOMPARE(list.ListCount(), 0);
}

// A listing of a folder left behind that ends after the listing of the
// folder shown is never applied.
void TestControls::fileListDropsStaleListing()
{
    QVERIFY(QDir().mkpath(path(QStringLiteral("old"))));
    QVERIFY(QDir().mkpath(path(QStringLiteral("new"))));
    FileListBox list;
    list.SetPattern(kPattern);
    auto gate = std::make_shared<Gate>();
    list.lister = [gate](const QString &folder, const FilePattern &, NameList &names) {
        if (folder.endsWith(QLatin1String("/old")))
            gate->Wait();
        names.Append((folder.section(QLatin1Char('/'), -1) + QStringLiteral(".gb")).toStdString());
        return true;
    };
    list.SetPath(path(QStringLiteral("old")));
    QVERIFY(List(list, path(QStringLiteral("new"))));
    gate->Open();
    QVERIFY(Background::WaitIdle(5000));
    QTest::qWait(50);
    QCOMPARE(list.Names(), QStringList{u"new.gb"_s});
}

// The plain files show while the archives are still being read; the
// archives' ROM entries then join in the list's order, each standing for its
// archive and entry.
void TestControls::fileListJoinsArchives()
{
    FileListBox list;
    list.SetPattern(kPattern);
    list.lister = [](const QString &, const FilePattern &pattern, NameList &names) {
        names = NameList();
        for (const char *name : {"a.zip", "B.gb", "c.ZIP", "d.gb", "e.7z", "f.zip", "g.txt"}) {
            if (pattern.Matches(name))
                names.Append(name);
        }
        return true;
    };
    auto gate = std::make_shared<Gate>();
    list.archiveReader = [gate](const QString &archive, const FilePattern &) {
        gate->Wait();
        const QString name = archive.section(QLatin1Char('/'), -1);
        ArchiveRoms roms;
        if (name == u"a.zip"_s)
            roms.entries = {"A.gb"};
        else if (name == u"c.ZIP"_s)
            roms.entries = {"y.gb", "x.gb"};
        else if (name == u"f.zip"_s)
            roms.refusals = {"../f.gb: its name climbs out of its folder"};
        return roms;
    };
    QSignalSpy listed(&list, &FileListBox::Listed);
    list.SetPath(path(QString()));
    QVERIFY(WaitFor([&] { return list.ListCount() == 2; }));
    QVERIFY(list.Listing());
    QCOMPARE(listed.count(), 0);
    gate->Open();
    QVERIFY(WaitFor([&] { return !list.Listing(); }));
    QCOMPARE(list.Names(), (QStringList{u"a.zip"_s, u"B.gb"_s, u"c.ZIP: x.gb"_s, u"c.ZIP: y.gb"_s, u"d.gb"_s}));
    QCOMPARE(listed.count(), 1);
    const ArchiveEntry *entry = list.ArchiveEntryOf(u"c.ZIP: x.gb"_s);
    QVERIFY(entry);
    QCOMPARE(entry->archive, u"c.ZIP"_s);
    QCOMPARE(entry->entry, std::string("x.gb"));
    QVERIFY(!list.ArchiveEntryOf(u"B.gb"_s));
    QCOMPARE(list.ListNameOf(u"c.ZIP"_s), u"c.ZIP: y.gb"_s);
    QCOMPARE(list.ListNameOf(u"B.gb"_s), u"B.gb"_s);
}

// A folder read again keeps showing its archives' entries, in the list's
// order among its plain files, until its archives have been read again.
void TestControls::fileListKeepsArchiveEntriesWhileReadAgain()
{
    FileListBox list;
    list.SetPattern(kPattern);
    auto listings = std::make_shared<std::atomic<int>>(0);
    list.lister = [listings](const QString &, const FilePattern &pattern, NameList &names) {
        names = NameList();
        const bool again = ++*listings > 1;
        for (const char *name : {"a.gb", "c.zip", "d.gb", "z.gb"}) {
            if ((again || std::string(name) != "d.gb") && pattern.Matches(name))
                names.Append(name);
        }
        return true;
    };
    auto gate = std::make_shared<Gate>();
    auto reads = std::make_shared<std::atomic<int>>(0);
    list.archiveReader = [gate, reads](const QString &, const FilePattern &) {
        if (++*reads > 1)
            gate->Wait();
        ArchiveRoms roms;
        roms.entries = {"f.gb", "b.gb"};
        return roms;
    };
    list.SetPath(path(QString()));
    QVERIFY(WaitFor([&] { return list.ListCount() == 4 && !list.Listing(); }));
    const QStringList before{u"a.gb"_s, u"c.zip: b.gb"_s, u"c.zip: f.gb"_s, u"z.gb"_s};
    QCOMPARE(list.Names(), before);
    QVERIFY(WriteBytes(path(u"d.gb"_s), "rom"));
    QVERIFY(WaitFor([&] { return list.ListCount() == 5; }));
    const QStringList after{u"a.gb"_s, u"c.zip: b.gb"_s, u"c.zip: f.gb"_s, u"d.gb"_s, u"z.gb"_s};
    QCOMPARE(list.Names(), after);
    QVERIFY(list.Listing());
    QCOMPARE(list.ArchiveEntryOf(u"c.zip: f.gb"_s)->entry, std::string("f.gb"));
    QVERIFY(!list.ArchiveEntryOf(u"d.gb"_s));
    gate->Open();
    QVERIFY(WaitFor([&] { return !list.Listing(); }));
    QCOMPARE(list.Names(), after);
}

// A folder that keeps changing while it is read is not read twice at once:
// the changes make one more pass once the reading is done.
void TestControls::fileListReadsOneListingAtATime()
{
    FileListBox list;
    list.SetPattern(kPattern);
    QVERIFY(List(list, dir_->path()));
    auto gate = std::make_shared<Gate>();
    auto started = std::make_shared<std::atomic<int>>(0);
    auto running = std::make_shared<std::atomic<int>>(0);
    auto most = std::make_shared<std::atomic<int>>(0);
    list.lister = [=](const QString &folder, const FilePattern &pattern, NameList &names) {
        ++*started;
        *most = std::max(most->load(), ++*running);
        gate->Wait();
        --*running;
        return ListMatchingFiles(folder, pattern, names);
    };
    for (int i = 0; i < 12; ++i) {
        QVERIFY(WriteBytes(path(QStringLiteral("%1.gb").arg(i)), "rom"));
        QTest::qWait(100);
    }
    QCOMPARE(started->load(), 1);
    gate->Open();
    QVERIFY(WaitFor([&] { return list.ListCount() == 12 && !list.Listing(); }));
    QCOMPARE(started->load(), 2);
    QCOMPARE(most->load(), 1);
}

// A folder removed and made again at the same place (a disk unplugged and
// plugged in again) is listed again.
void TestControls::fileListFolderMadeAgain()
{
    const QString folder = path(QStringLiteral("roms"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(WriteBytes(folder + QStringLiteral("/a.gb"), "rom"));
    FileListBox list;
    list.SetPattern(kPattern);
    QVERIFY(List(list, folder));
    QCOMPARE(list.ListCount(), 1);
    QVERIFY(QDir(folder).removeRecursively());
    QVERIFY(WaitFor([&] { return list.ListCount() == 0; }, 2000));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(WriteBytes(folder + QStringLiteral("/b.gb"), "rom"));
    QVERIFY(WaitFor([&] { return list.Names() == QStringList{u"b.gb"_s}; }, 3000));
}

void TestControls::fileListNameNotUtf8()
{
    const QByteArray raw = QFile::encodeName(dir_->path()) + "/bad\xff\xfe.gb";
    FILE *file = fopen(raw.constData(), "wb");
    QVERIFY(file);
    fclose(file);
    FileListBox list;
    list.SetPattern(kPattern);
    QVERIFY(List(list, dir_->path()));
    QCOMPARE(list.ListCount(), 1);
    QVERIFY(list.Names().first().endsWith(QStringLiteral(".gb")));
    unlink(raw.constData());
}

void TestControls::dirListShowsAncestorsAndSubfolders()
{
    QVERIFY(QDir().mkpath(path(QStringLiteral("roms/Zelda"))));
    QVERIFY(QDir().mkpath(path(QStringLiteral("roms/alpha"))));
    QVERIFY(QDir().mkpath(path(QStringLiteral("roms/.hidden"))));
    QVERIFY(WriteBytes(path(QStringLiteral("roms/file.gb")), "x"));
    DirListBox list;
    QVERIFY(Open(list, path(QStringLiteral("roms"))));
    // Nothing is read while the list has never been shown.
    QCOMPARE(list.count(), 0);
    list.show();
    const QStringList parts = path(QStringLiteral("roms")).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QVERIFY(WaitFor([&] { return list.count() == parts.size() + 1 + 2; }));
    QCOMPARE(list.item(0)->data(Qt::UserRole).toString(), QStringLiteral("/"));
    QCOMPARE(list.CurrentFolderRow(), parts.size());
    QCOMPARE(list.item(list.CurrentFolderRow())->data(Qt::UserRole).toString(), path(QStringLiteral("roms")));
    QCOMPARE(list.item(list.count() - 2)->text().trimmed(), QStringLiteral("alpha"));
    QCOMPARE(list.item(list.count() - 1)->text().trimmed(), QStringLiteral("Zelda"));
    QCOMPARE(list.currentRow(), list.CurrentFolderRow());
}

void TestControls::dirListOpensEntry()
{
    QVERIFY(QDir().mkpath(path(QStringLiteral("roms/sub"))));
    DirListBox list;
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QVERIFY(Open(list, path(QStringLiteral("roms"))));
    QVERIFY(WaitFor([&] { return list.item(list.count() - 1)->text() == QLatin1String("sub"); }));
    QSignalSpy changes(&list, &DirListBox::Changed);
    list.setCurrentRow(list.count() - 1);
    QTest::keyClick(&list, Qt::Key_Return);
    QVERIFY(WaitFor([&] { return changes.count() == 1; }));
    QCOMPARE(list.Path(), path(QStringLiteral("roms/sub")));
    // An ancestor opens too.
    QVERIFY(WaitFor([&] { return list.item(0)->data(Qt::UserRole).toString() == QLatin1String("/"); }));
    list.setCurrentRow(0);
    QTest::keyClick(&list, Qt::Key_Return);
    QVERIFY(WaitFor([&] { return changes.count() == 2; }));
    QCOMPARE(list.Path(), QStringLiteral("/"));
    // The same folder again is no change.
    QVERIFY(Open(list, QStringLiteral("/")));
    QCOMPARE(changes.count(), 2);
}

void TestControls::dirListIgnoresNonFolders_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("empty") << "";
    QTest::newRow("missing") << "missing";
    QTest::newRow("a file") << "file";
    QTest::newRow("newline") << "a\nb";
    QTest::newRow("10,000 characters") << QString(10000, QLatin1Char('y'));
}

void TestControls::dirListIgnoresNonFolders()
{
    QFETCH(QString, target);
    QVERIFY(WriteBytes(path(QStringLiteral("file")), "x"));
    DirListBox list;
    QVERIFY(Open(list, dir_->path()));
    QSignalSpy changes(&list, &DirListBox::Changed);
    bool settled = false;
    list.SetPath(target.isEmpty() ? target : path(target), [&] { settled = true; });
    QVERIFY(WaitFor([&] { return settled; }));
    QCOMPARE(changes.count(), 0);
    QCOMPARE(list.Path(), dir_->path());
}

// A later move supersedes one still being checked: only the last one lands.
void TestControls::dirListLaterMoveWins()
{
    QVERIFY(QDir().mkpath(path(QStringLiteral("first"))));
    QVERIFY(QDir().mkpath(path(QStringLiteral("second"))));
    DirListBox list;
    QSignalSpy changes(&list, &DirListBox::Changed);
    bool firstSettled = false;
    list.SetPath(path(QStringLiteral("first")), [&] { firstSettled = true; });
    QVERIFY(Open(list, path(QStringLiteral("second"))));
    QTest::qWait(50);
    QCOMPARE(list.Path(), path(QStringLiteral("second")));
    QCOMPARE(changes.count(), 1);
    QVERIFY(!firstSettled);
}

void TestControls::dirListFolderThatCannotBeListed()
{
    QVERIFY(QDir().mkpath(path(QStringLiteral("locked/sub"))));
    QVERIFY(chmod(QFile::encodeName(path(QStringLiteral("locked"))).constData(), 0) == 0);
    QStringList probe;
    if (ListSubfolders(path(QStringLiteral("locked")), probe)) {
        chmod(QFile::encodeName(path(QStringLiteral("locked"))).constData(), 0755);
        QSKIP("permission bits do not stop this user (root)");
    }
    DirListBox list;
    list.show();
    QSignalSpy changes(&list, &DirListBox::Changed);
    QVERIFY(Open(list, path(QStringLiteral("locked"))));
    chmod(QFile::encodeName(path(QStringLiteral("locked"))).constData(), 0755);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(list.Path(), path(QStringLiteral("locked")));
    QCOMPARE(list.count(), list.CurrentFolderRow() + 1);
}

void TestControls::dirListFolderRemovedWhileShown()
{
    QVERIFY(QDir().mkpath(path(QStringLiteral("gone/sub"))));
    DirListBox list;
    list.show();
    QVERIFY(Open(list, path(QStringLiteral("gone"))));
    QVERIFY(WaitFor([&] { return list.item(list.count() - 1)->text() == QLatin1String("sub"); }));
    QVERIFY(QDir(path(QStringLiteral("gone"))).removeRecursively());
    QSignalSpy changes(&list, &DirListBox::Changed);
    list.setCurrentRow(list.count() - 1);
    emit list.itemActivated(list.currentItem());
    QVERIFY(WaitFor([&] { return !list.Pending(); }));
    QCOMPARE(changes.count(), 0);
    QCOMPARE(list.Path(), path(QStringLiteral("gone")));
    list.setCurrentRow(0);
    emit list.itemActivated(list.currentItem());
    QVERIFY(WaitFor([&] { return !list.Pending(); }));
    QCOMPARE(list.Path(), QStringLiteral("/"));
}

void TestControls::dirListShowsNamesNotUtf8()
{
    const QByteArray raw = QFile::encodeName(dir_->path()) + "/bad\xff";
    QVERIFY(mkdir(raw.constData(), 0755) == 0);
    DirListBox list;
    list.show();
    QVERIFY(Open(list, dir_->path()));
    QVERIFY(WaitFor([&] { return list.count() == list.CurrentFolderRow() + 2; }));
    QListWidgetItem *entry = list.item(list.count() - 1);
    QCOMPARE(entry->text(), QStringLiteral("bad\uFFFD"));
    emit list.itemActivated(entry);
    QVERIFY(WaitFor([&] { return !list.Pending(); }));
    QCOMPARE(EncodeFileName(list.Path()), raw);
}

void TestControls::driveListFollowsPath()
{
    DriveListBox drives;
    QVERIFY(WaitFor([&] { return !drives.Reading(); }));
    drives.SetDrives({{u"/"_s, u"/"_s}, {dir_->path(), u"tmp [T]"_s}});
    QSignalSpy changes(&drives, &DriveListBox::Changed);
    drives.SetDrive(path(QStringLiteral("roms/deep")));
    QCOMPARE(drives.DriveRoot(), dir_->path());
    drives.SetDrive(QStringLiteral("/usr"));
    QCOMPARE(drives.DriveRoot(), QStringLiteral("/"));
    // Following a folder is silent; only the user's choice is a change.
    QCOMPARE(changes.count(), 0);
    drives.show();
    QVERIFY(QTest::qWaitForWindowExposed(&drives));
    QTest::keyClick(&drives, Qt::Key_Down);
    QCOMPARE(drives.DriveRoot(), dir_->path());
    QCOMPARE(changes.count(), 1);
}

void TestControls::statusBarPanels()
{
    StatusBar bar;
    bar.resize(169, 17);
    bar.AddPanel({u"CGB"_s, u"CGB"_s, u"Gameboy Color"_s, 37, 37});
    bar.AddPanel({u"0MBit"_s, u"MBits"_s, u"ROM Size"_s, 53, 53});
    QCOMPARE(bar.PanelCount(), 2);
    QCOMPARE(bar.IndexOf(QStringLiteral("MBits")), 2);
    QCOMPARE(bar.IndexOf(QStringLiteral("nothing")), 0);
    bar.SetPanelEnabled(1, false);
    bar.SetPanelText(2, QStringLiteral("8MBit"));
    QVERIFY(!bar.PanelAt(1).enabled);
    QCOMPARE(bar.PanelAt(1).text, QStringLiteral("CGB"));
    QCOMPARE(bar.PanelAt(2).text, QStringLiteral("8MBit"));
    QVERIFY(bar.PanelRect(2).left() > bar.PanelRect(1).right());
    QVERIFY(bar.PanelRect(2).right() < bar.width());

    // A disabled panel still shows its text, in another colour.
    const QImage before = bar.grab().toImage();
    bar.SetPanelEnabled(1, true);
    const QImage after = bar.grab().toImage();
    const QRect panel = bar.PanelRect(1);
    auto inked = [&](const QImage &image) {
        int count = 0;
        const QRgb background = image.pixel(panel.right() - 2, panel.center().y());
        for (int y = panel.top() + 2; y < panel.bottom() - 1; ++y)
            for (int x = panel.left() + 2; x < panel.right() - 2; ++x)
                count += image.pixel(x, y) != background;
        return count;
    };
    QVERIFY(inked(before) > 10);
    QVERIFY(inked(after) > 10);
    // Greyed: no pixel of the disabled text is as dark as the enabled text.
    auto darkest = [&](const QImage &image) {
        int value = 255;
        for (int y = panel.top() + 2; y < panel.bottom() - 1; ++y)
            for (int x = panel.left() + 2; x < panel.right() - 2; ++x)
                value = std::min(value, qGray(image.pixel(x, y)));
        return value;
    };
    QVERIFY2(darkest(before) > darkest(after) + 40,
             qPrintable(QStringLiteral("%1 %2").arg(darkest(before)).arg(darkest(after))));
    // Etched as classic controls draw disabled text: strokes in the dark
    // colour over a shadow in the light one.
    auto has = [&](QPalette::ColorRole role) {
        const QRgb colour = bar.palette().color(role).rgb();
        for (int y = panel.top() + 1; y < panel.bottom(); ++y)
            for (int x = panel.left() + 1; x < panel.right(); ++x)
                if (before.pixel(x, y) == colour)
                    return true;
        return false;
    };
    QVERIFY(has(QPalette::Dark));
    QVERIFY(has(QPalette::Light));
}

void TestControls::pictureBoxKeepsItsImage()
{
    PictureBox box;
    box.resize(100, 60);
    box.SetBackColor(QColor(0, 64, 64));
    box.SetForeColor(Qt::yellow);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    box.Cls();
    QRect rect(0, 0, box.ScaleWidth() - 1, box.ScaleHeight() - 1);
    box.DrawText(QStringLiteral("HELLO"), rect, PictureBox::kCenter);
    box.Refresh();
    QCOMPARE(box.ScaleWidth(), 96);
    QCOMPARE(box.ScaleHeight(), 56);
    // A repaint shows what was drawn last.
    const QImage shown = box.grab().toImage();
    box.update();
    QCoreApplication::processEvents();
    QCOMPARE(box.grab().toImage(), shown);
    int yellow = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            yellow += QColor(shown.pixel(x, y)) == QColor(Qt::yellow);
    QVERIFY(yellow > 10);
    box.Cls();
    QCOMPARE(box.Image().pixelColor(box.ScaleWidth() / 2, 2), QColor(0, 64, 64));
}

void TestControls::pictureBoxMeasuresWithoutWrapping()
{
    PictureBox box;
    box.resize(100, 60);
    QRect measured(0, 0, 0, 0);
    const QString lines = QStringLiteral("a\r\nb\r\nc");
    const int height = box.DrawText(lines, measured, PictureBox::kCalcRect);
    const QFontMetrics metrics(box.font());
    QVERIFY(height >= 3 * metrics.height() - 2);
    QCOMPARE(measured.height(), height);
    // CR LF measures like LF: nothing is drawn for the CR.
    QRect plain(0, 0, 0, 0);
    QCOMPARE(box.DrawText(QStringLiteral("a\nb\nc"), plain, PictureBox::kCalcRect), height);
    QCOMPARE(plain.width(), measured.width());
    // A long line is not wrapped when measuring.
    QRect wide(0, 0, 0, 0);
    box.DrawText(QStringLiteral("a long line that is wider than the box"), wide, PictureBox::kCalcRect);
    QVERIFY(wide.width() > 100);
}

VEXA_TEST_MAIN(TestControls)
#include "test_controls.moc"
