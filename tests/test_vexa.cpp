#include "TestFiles.h"
#include "TestMain.h"

#include "controls/DirListBox.h"
#include "controls/EventLabel.h"
#include "controls/DriveListBox.h"
#include "controls/FileListBox.h"
#include "controls/Frame.h"
#include "controls/PictureBox.h"
#include "controls/StatusBar.h"
#include "controls/ComboBox.h"
#include "launcher/Vexa.h"
#include "platform/FileNames.h"
#include "platform/Settings.h"
#include "platform/SettingNames.h"

#include <QAbstractButton>
#include <QProcess>
#include <QAbstractItemView>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMimeData>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

#include <fcntl.h>
#include <sys/wait.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kFreshCommand = QStringLiteral("vexa  -rtsdir rsave/  -savdir saves/  -cgb  -sound 1 -stereo 1  -crc  -delay ");

// What another process would read from the store right now.
QString StoredOnDisk(const QString &key)
{
    QSettings onDisk(SettingsFile(), QSettings::IniFormat);
    return onDisk.value(SettingNames::Path(key)).toString();
}

} // namespace

class TestVexa : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // Layout
    void geometry_data();
    void geometry();
    void windowProperties();
    void coloursAndFonts();
    void hiddenAndOffscreenControls();
    void stacking();
    void tabOrder();
    void statusBarAtStart();
    void picturesAtStart();
    void screenDensity();

    // Start-up and shutdown
    void startupDefaults();
    void restoresStoredFolder();
    void unusableStoredFolder_data();
    void unusableStoredFolder();
    void totGamesWritten_data();
    void totGamesWritten();
    void totGamesCapped();

    // Browser
    void romPathShowsListsAndClickHides();
    void driveListFollowsFolder();
    void openRomByPath();
    void closingWhileListing();
    void folderChangeStoresAtOnce();
    void driveChangeGoesToRememberedFolder();
    void folderChangeKeepsGame();
    void offeredFolderIsStoredOnlyWhenLeft();
    void unreadableFolderIsNotStored();

    // Header inspection
    void inspectsHeader_data();
    void inspectsHeader();
    void flagsCarryOver();
    void disabledPanelsAreGreyed();
    void unreadableRoms_data();
    void unreadableRoms();
    void gameInRootFolder();
    void pictureFromImagesFolder_data();
    void pictureFromImagesFolder();
    void arrowKeysInspectEachFile();
    void slowReadShowsUnreadable();
    void quickClicksEachSetTheLamps();
    void slowPictureKeepsTheHeader();
    void quickClicksShowTheLastPicture();
    void quickClicksOnASlowShare();
    void archiveEntryClickAndRun();

    // Hover
    void hover_data();
    void hover();
    void releaseOverFileListHides();

    // Accessibility
    void accessibleNames_data();
    void accessibleNames();
    void statusPanelsExposeEnabledState();

    // Launch
    void firstLaunchOfFreshStart();
    void launchReadsControls_data();
    void launchReadsControls();
    void noRomClickedYet();
    void failedStartLeavesText1_data();
    void failedStartLeavesText1();
    void emulatorThatGivesUpIsReported();
    void twoClicksStartTwo();
    void pickedEmulatorIsCheckedAtEachRun();
    void romGoneStartsNothing();
    void listsInDesktopColours();
    void drops_data();
    void drops();
    void enterAndDoubleClickLaunch_data();
    void enterAndDoubleClickLaunch();
    void comboListOpensOnMatchingEntry_data();
    void comboListOpensOnMatchingEntry();
    void strangeRomNames_data();
    void strangeRomNames();
    void nameNotUtf8();
    void folderNotUtf8IsStoredExactly();

private:
    Vexa *MakeWindow();
    void ClickFile(const QString &name);
    // Clicks Run; settled, once the start is made or refused.
    void ClickRun(bool settled = true);
    // Waits until the window has read what it was reading.
    void Settle();
    QStringList Runs() const;
    QString path(const QString &name) const { return work_->filePath(name); }

    QTemporaryDir *work_ = nullptr;
    Vexa *window_ = nullptr;
    QString previousDir_;
    QByteArray previousPath_;
    QString record_;
    QStringList failures_;
};

void TestVexa::init()
{
    QFile::remove(SettingsFile());
    work_ = new QTemporaryDir;
    QVERIFY(work_->isValid());
    previousDir_ = QDir::currentPath();
    QVERIFY(QDir::setCurrent(work_->path()));
    QVERIFY(QDir().mkpath(path(QStringLiteral("roms"))));
    QVERIFY(QDir().mkpath(path(QStringLiteral("bin"))));
    QVERIFY(WriteScript(path(QStringLiteral("bin/vexa")), RecorderScript()));
    record_ = path(QStringLiteral("record"));
    failures_.clear();
    qputenv("VEXA_RECORD", QFile::encodeName(record_));
    previousPath_ = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(path(QStringLiteral("bin"))) + ":" + previousPath_);
}

void TestVexa::cleanup()
{
    delete window_;
    window_ = nullptr;
    qputenv("PATH", previousPath_);
    QDir::setCurrent(previousDir_);
    RemoveTree(work_->path());
    delete work_;
    work_ = nullptr;
}

Vexa *TestVexa::MakeWindow()
{
    delete window_;
    window_ = new Vexa;
    window_->showStartFailure = [this](const StartFailure &failure) {
        failures_ << QString::fromStdString(failure.message + '|' + failure.advice);
    };
    window_->show();
    if (!QTest::qWaitForWindowExposed(window_))
        qWarning("window not exposed");
    Settle();
    return window_;
}

void TestVexa::Settle()
{
    QVERIFY(WaitFor([this] { return !window_->Busy(); }));
}

void TestVexa::ClickFile(const QString &name)
{
    const int row = window_->File1->Names().indexOf(name);
    QVERIFY2(row >= 0, qPrintable(name));
    const QRect item = window_->File1->visualRect(window_->File1->model()->index(row, 0));
    QTest::mouseClick(window_->File1->viewport(), Qt::LeftButton, {}, item.center());
    QCOMPARE(window_->File1->FileName(), name);
    Settle();
}

void TestVexa::ClickRun(bool settled)
{
    // The pointer may still rest where an earlier test left it, and a move to
    // the same point sends nothing: come in from the background.
    QTest::mouseMove(window_, QPoint(3, 100));
    QTest::mouseMove(window_, window_->RunUp->geometry().center());
    QVERIFY(window_->RunDown->isVisible());
    QTest::mouseClick(window_->RunDown, Qt::LeftButton);
    if (settled)
        Settle();
}

QStringList TestVexa::Runs() const
{
    return RecordedRuns(record_);
}

void TestVexa::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("rect");
    auto row = [](const char *name, const char *parent, int l, int t, int w, int h) {
        QTest::newRow(name) << name << parent << QRect(l, t, w, h);
    };
    row("Text1", "Vexa", 10, 335, 316, 26);
    row("Command3", "Vexa", 50, 170, 71, 16);
    row("StatusBar1", "Vexa", 180, 280, 169, 17);
    row("Check3", "Vexa", 232, 237, 105, 13);
    row("Check2", "Vexa", 232, 221, 97, 13);
    row("Frame8", "Vexa", 224, 193, 115, 65);
    row("Stereo", "Vexa", 20, 217, 81, 21);
    row("Frame5", "Vexa", 16, 205, 91, 36);
    row("Frame1", "Vexa", 170, 15, 173, 167);
    row("Command2", "Vexa", 335, 0, 11, 13);
    row("Frame4", "Vexa", 10, 260, 134, 36);
    row("Frame3", "Vexa", 116, 193, 105, 65);
    row("Frame2", "Vexa", 7, 5, 161, 185);
    row("Frame7", "Vexa", 12, 193, 101, 64);
    row("RunDown", "Vexa", 275, 260, 71, 19);
    row("RunUp", "Vexa", 275, 260, 71, 19);
    row("noimage", "Vexa", 412, 400, 196, 121);
    row("Check1", "Frame8", 8, 12, 85, 13);
    row("Dir1", "Frame1", 6, 34, 164, 126);
    row("Drive1", "Frame1", 5, 14, 164, 21);
    row("Image1", "Frame1", 5, 14, 164, 148);
    row("Video", "Frame4", 4, 12, 125, 21);
    row("File1", "Frame2", 7, 15, 144, 149);
}

void TestVexa::geometry()
{
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QRect, rect);
    Vexa *window = MakeWindow();
    auto *widget = window->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget()->objectName(), parent);
    QCOMPARE(widget->geometry(), rect);
}

void TestVexa::windowProperties()
{
    Vexa *window = MakeWindow();
    QCOMPARE(window->windowTitle(), QStringLiteral("VExa Tessor v3.0 (Beta Release) By Norlund"));
    QCOMPARE(window->size(), QSize(349, 298));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(!window->windowIcon().isNull());

    const QList<QRadioButton *> options = window->findChildren<QRadioButton *>(QStringLiteral("gbVärde"));
    QCOMPARE(options.size(), 3);
    const QStringList captions{u"GB Mode"_s, u"CGB Mode"_s, u"SGB Mode"_s};
    const QList<QRect> places{QRect(124, 205, 81, 17), QRect(124, 221, 89, 17), QRect(124, 237, 89, 17)};
    for (int index = 0; index < 3; ++index) {
        QRadioButton *option = window->gbVärde[static_cast<std::size_t>(index)];
        QCOMPARE(option->property("index").toInt(), index);
        QCOMPARE(option->text(), captions.at(index));
        QCOMPARE(option->geometry(), places.at(index));
        QCOMPARE(option->parentWidget(), static_cast<QWidget *>(window));
    }
    QCOMPARE(window->Command2->text(), QStringLiteral("?"));
    QCOMPARE(window->Command3->text(), QStringLiteral("Rom Path"));
    QCOMPARE(window->Check1->text(), QStringLiteral("Crc on/off"));
    QCOMPARE(window->Check2->text(), QStringLiteral("Delay on/off"));
    QCOMPARE(window->Check3->text(), QStringLiteral("2 Player (SGB)"));
    QCOMPARE(window->Frame1->Caption(), QStringLiteral("Picture Of The Game"));
    QCOMPARE(window->Frame2->Caption(), QStringLiteral("Pick Your Gameboy Rom"));
    QCOMPARE(window->Frame3->Caption(), QStringLiteral("Gameboy Mode"));
    QCOMPARE(window->Frame4->Caption(), QStringLiteral("Video Mode"));
    QCOMPARE(window->Frame5->Caption(), QStringLiteral("Stereo Mode"));
    QCOMPARE(window->Frame7->Caption(), QStringLiteral("Sound"));
    QCOMPARE(window->Frame8->Caption(), QStringLiteral("Misc Options"));
    QCOMPARE(window->File1->Pattern(), QStringLiteral("*.gb; *.sgb; *cgb; *.gbc"));
    QVERIFY(!window->findChild<QObject *>(QStringLiteral("midfile1")));

    // One exclusive group: choosing one clears the others.
    window->gbVärde[0]->click();
    QVERIFY(window->gbVärde[0]->isChecked());
    QVERIFY(!window->gbVärde[1]->isChecked());
    window->gbVärde[2]->click();
    QVERIFY(!window->gbVärde[0]->isChecked());
}

void TestVexa::coloursAndFonts()
{
    Vexa *window = MakeWindow();
    const QColor teal(0, 64, 64);
    QCOMPARE(window->palette().color(QPalette::Window), teal);
    for (Frame *frame : window->findChildren<Frame *>()) {
        QCOMPARE(frame->palette().color(QPalette::Window), teal);
        QCOMPARE(frame->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    }
    for (QRadioButton *option : window->gbVärde)
        QCOMPARE(option->palette().color(QPalette::WindowText), QColor(255, 255, 255));
    for (QCheckBox *check : {window->Check1, window->Check2, window->Check3}) {
        QCOMPARE(check->palette().color(QPalette::Window), teal);
        QCOMPARE(check->palette().color(QPalette::WindowText),
                 QApplication::palette().color(QPalette::HighlightedText));
    }
    // A pixel of the bare background, and of a frame caption.
    const QImage shot = window->grab().toImage();
    QCOMPARE(shot.pixelColor(2, 150), teal);
    bool yellowCaption = false;
    const QRect caption(window->Frame2->x() + 6, window->Frame2->y(), 100, 12);
    for (int y = caption.top(); y <= caption.bottom(); ++y)
        for (int x = caption.left(); x <= caption.right(); ++x)
            yellowCaption |= shot.pixelColor(x, y) == QColor(255, 255, 0);
    QVERIFY(yellowCaption);

    // The Windows faces show as their free, metric-compatible stand-ins.
    const QStringList freeFaces{u"Liberation Sans"_s, u"DejaVu Sans"_s};
    for (QWidget *widget : std::initializer_list<QWidget *>{window, window->Command2, window->StatusBar1}) {
        const QFont font = widget->font();
        QCOMPARE(font.pointSizeF(), 8.25);
        QVERIFY(font.bold());
        QVERIFY2(freeFaces.contains(QFontInfo(font).family()), qPrintable(QFontInfo(font).family()));
    }

    // No caption is clipped at this size.
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (button == window->Command2)
            continue;
        const int needed = button->fontMetrics().horizontalAdvance(button->text());
        QVERIFY2(needed < button->width(), qPrintable(button->text()));
    }
}

void TestVexa::hiddenAndOffscreenControls()
{
    Vexa *window = MakeWindow();
    QVERIFY(!window->RunDown->isVisible());
    QVERIFY(window->RunUp->isVisible());
    QVERIFY(!window->Drive1->isVisible());
    QVERIFY(!window->Dir1->isVisible());
    QVERIFY(window->Image1->isVisible());
    // Text1 and noimage exist but lie below or beside the client area.
    QVERIFY(!window->rect().intersects(window->Text1->geometry()));
    QVERIFY(!window->rect().intersects(window->noimage->geometry()));
    QCOMPARE(window->Text1->text(), QStringLiteral("Text1"));
}

void TestVexa::stacking()
{
    Vexa *window = MakeWindow();
    auto top = [window](QWidget *widget) {
        return window->childAt(widget->mapTo(window, widget->rect().center()));
    };
    auto inside = [](QWidget *found, QWidget *widget) {
        return found == widget || (found && widget->isAncestorOf(found));
    };
    QVERIFY(inside(top(window->gbVärde[0]), window->gbVärde[0]));
    QVERIFY(inside(top(window->gbVärde[2]), window->gbVärde[2]));
    QVERIFY(inside(top(window->Check2), window->Check2));
    QVERIFY(inside(top(window->Check3), window->Check3));
    QVERIFY(inside(top(window->Stereo), window->Stereo));
    QVERIFY(inside(top(window->Command3), window->Command3));
    QVERIFY(inside(top(window->RunUp), window->RunUp));
    window->RunDown->show();
    QVERIFY(inside(top(window->RunUp), window->RunDown));
    QTest::mouseClick(window->Command3, Qt::LeftButton);
    QVERIFY(inside(top(window->Dir1), window->Dir1));
    QVERIFY(inside(top(window->Drive1), window->Drive1));
    // Shown, the two lists cover the picture but for its border.
    const QRect lists = window->Drive1->geometry().united(window->Dir1->geometry());
    QVERIFY(lists.contains(window->Image1->geometry().adjusted(2, 2, -2, -4)));
}

void TestVexa::tabOrder()
{
    Vexa *window = MakeWindow();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    // File1 takes the focus first.
    window->setFocus();
    QTest::keyClick(window, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(window->File1));

    // The option buttons are one group, reached once, at the checked one.
    for (int checked : {1, 0, 2}) {
        window->gbVärde[static_cast<std::size_t>(checked)]->setChecked(true);
        window->File1->setFocus();
        QList<QWidget *> order;
        for (int i = 0; i < 10; ++i) {
            QWidget *focus = QApplication::focusWidget();
            if (qobject_cast<QComboBox *>(focus->parentWidget()))
                focus = focus->parentWidget();
            order.append(focus);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        const QList<QWidget *> expected{window->File1,    window->gbVärde[static_cast<std::size_t>(checked)],
                                        window->Video,    window->Command2, window->Stereo, window->Check1,
                                        window->Check2,   window->Check3,   window->Command3, window->File1};
        QCOMPARE(order, expected);
    }
}

void TestVexa::statusBarAtStart()
{
    Vexa *window = MakeWindow();
    StatusBar *bar = window->StatusBar1;
    QCOMPARE(bar->PanelCount(), 4);
    const QStringList texts{u"CGB"_s, u"SGB"_s, u"JAP"_s, u"0MBit"_s};
    const QStringList keys{u"CGB"_s, u"SGB"_s, u"JAP"_s, u"MBits"_s};
    const QStringList tips{u"Gameboy Color"_s, u"Super Gameboy"_s, u"Country"_s, u"ROM Size"_s};
    const QList<int> widths{37, 37, 37, 53};
    for (int position = 1; position <= 4; ++position) {
        const StatusBar::Panel &panel = bar->PanelAt(position);
        QCOMPARE(panel.text, texts.at(position - 1));
        QCOMPARE(panel.key, keys.at(position - 1));
        QCOMPARE(panel.toolTip, tips.at(position - 1));
        QCOMPARE(panel.width, widths.at(position - 1));
        QVERIFY(panel.enabled);
        QVERIFY(bar->PanelRect(position).right() < bar->width());
    }
}

void TestVexa::picturesAtStart()
{
    Vexa *window = MakeWindow();
    QCOMPARE(window->Image1->pixmap().size(), QSize(160, 144));
    QVERIFY(window->Image1->hasScaledContents());
    QCOMPARE(window->Image1->contentsRect().size(), QSize(160, 144));
    QCOMPARE(window->PlaceholderPicture().size(), QSize(196, 121));
    QCOMPARE(window->RunUp->pixmap().size(), QSize(71, 19));
    window->RunDown->show();
    QCOMPARE(window->RunDown->pixmap().size(), QSize(71, 19));
    QVERIFY(window->RunUp->pixmap().toImage() != window->RunDown->pixmap().toImage());
}

// Run a second time with QT_SCALE_FACTOR=2: both windows double, nothing clips.
void TestVexa::screenDensity()
{
    const qreal scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
        ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
        : 1.0;
    Vexa *window = MakeWindow();
    QCOMPARE(window->devicePixelRatioF(), scale);
    QCOMPARE(window->grab().toImage().size(), QSize(349, 298) * scale);
    QTest::mouseClick(window->Command2, Qt::LeftButton);
    frmAbout *about = window->About();
    QVERIFY(about);
    QVERIFY(QTest::qWaitForWindowExposed(about));
    QCOMPARE(about->grab().toImage().size(), QSize(375, 200) * scale);
    QTRY_VERIFY(about->FramesDrawn() >= 1);
    QCOMPARE(about->picScroll->Image().size(), QSize(354, 161) * scale);
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (button != window->Command2)
            QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) < button->width(),
                     qPrintable(button->text()));
    }
}

void TestVexa::startupDefaults()
{
    QVERIFY(WriteBytes(path(QStringLiteral("here.gb")), "x"));
    Vexa *window = MakeWindow();
    QVERIFY(window->gbVärde[1]->isChecked());
    QVERIFY(!window->gbVärde[0]->isChecked());
    QVERIFY(!window->gbVärde[2]->isChecked());
    QCOMPARE(window->Video->currentText(), QStringLiteral("320x200 With Gif"));
    QCOMPARE(window->Video->currentIndex(), -1);
    QCOMPARE(window->Video->count(), 6);
    const QStringList video{u"320x200 With Gif"_s, u"320x200"_s, u"360x144"_s,
                            u"180x144"_s, u"256x200 With Gif"_s, u"256x200"_s};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(window->Video->itemText(i), video.at(i));
    QCOMPARE(window->Stereo->currentText(), QStringLiteral("Normal"));
    QCOMPARE(window->Stereo->currentIndex(), -1);
    const QStringList stereo{u"Off"_s, u"Mono"_s, u"Normal"_s, u"Reversed"_s};
    QCOMPARE(window->Stereo->count(), 4);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(window->Stereo->itemText(i), stereo.at(i));
    QCOMPARE(window->Check1->checkState(), Qt::Checked);
    QCOMPARE(window->Check2->checkState(), Qt::Checked);
    QCOMPARE(window->Check3->checkState(), Qt::Unchecked);
    QVERIFY(window->Game.isEmpty());
    // First start with an empty store: the working directory, nothing signalled.
    QCOMPARE(window->Dir1->Path(), work_->path());
    QCOMPARE(window->File1->Path(), work_->path());
    QCOMPARE(window->File1->Names(), QStringList{u"here.gb"_s});
    QCOMPARE(window->Text1->text(), QStringLiteral("Text1"));
}

void TestVexa::restoresStoredFolder()
{
    const QString roms = path(QStringLiteral("roms"));
    QVERIFY(WriteBytes(roms + QStringLiteral("/a.gb"), "x"));
    WriteSetting(SettingNames::Application, SettingNames::Section, SettingNames::RomPath, roms);
    Vexa *window = MakeWindow();
    QCOMPARE(window->Dir1->Path(), roms);
    QCOMPARE(window->File1->Path(), roms);
    QCOMPARE(window->File1->Names(), QStringList{u"a.gb"_s});
    QCOMPARE(window->Text1->text(), roms);
    QCOMPARE(window->Drive1->DriveRoot(), DriveOf(roms, window->Drive1->Drives()));
    QCOMPARE(StoredOnDisk(SettingNames::RomPath), roms);
}

void TestVexa::unusableStoredFolder_data()
{
    QTest::addColumn<QString>("stored");
    QTest::newRow("missing folder") << "/no/such/folder";
    QTest::newRow("a file") << "FILE";
    QTest::newRow("newline") << "/tmp\n/etc";
    QTest::newRow("10,000 characters") << QString(10000, QLatin1Char('z'));
    QTest::newRow("through a regular file") << "FILE/sub";
}

void TestVexa::unusableStoredFolder()
{
    QFETCH(QString, stored);
    QVERIFY(WriteBytes(path(QStringLiteral("plain")), "x"));
    stored.replace(QStringLiteral("FILE"), path(QStringLiteral("plain")));
    WriteSetting(SettingNames::Application, SettingNames::Section, SettingNames::RomPath, stored);
    Vexa *window = MakeWindow();
    QCOMPARE(window->Dir1->Path(), work_->path());
    QCOMPARE(window->File1->Path(), work_->path());
}

void TestVexa::totGamesWritten_data()
{
    QTest::addColumn<int>("files");
    QTest::newRow("empty list") << 0;
    QTest::newRow("37 ROMs") << 37;
}

void TestVexa::totGamesWritten()
{
    QFETCH(int, files);
    const QString roms = path(QStringLiteral("roms"));
    for (int i = 0; i < files; ++i)
        QVERIFY(WriteBytes(roms + QStringLiteral("/game%1.gb").arg(i), "x"));
    QVERIFY(WriteBytes(roms + QStringLiteral("/notes.txt"), "x"));
    WriteSetting(SettingNames::Application, SettingNames::Section, SettingNames::RomPath, roms);
    Vexa *window = MakeWindow();
    QVERIFY(window->close());
    QCOMPARE(StoredOnDisk(SettingNames::TotGames), QString::number(files));
    QVERIFY(!window->About());
}

void TestVexa::totGamesCapped()
{
    const QString roms = path(QStringLiteral("roms"));
    for (int i = 0; i < 32800; ++i) {
        const QByteArray name = QFile::encodeName(roms) + "/g" + QByteArray::number(i) + ".gb";
        const int fd = open(name.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
        QVERIFY(fd >= 0);
        close(fd);
    }
    WriteSetting(SettingNames::Application, SettingNames::Section, SettingNames::RomPath, roms);
    Vexa *window = MakeWindow();
    QCOMPARE(window->File1->ListCount(), 32800);
    window->close();
    QCOMPARE(StoredOnDisk(SettingNames::TotGames), QStringLiteral("32767"));
}

void TestVexa::romPathShowsListsAndClickHides()
{
    QVERIFY(WriteBytes(path(QStringLiteral("a.gb")), RomBytes(400, 0, 0, 0, 1)));
    Vexa *window = MakeWindow();
    QTest::mouseClick(window->Command3, Qt::LeftButton);
    QVERIFY(window->Drive1->isVisible());
    QVERIFY(window->Dir1->isVisible());
    QTest::mouseClick(window->Command3, Qt::LeftButton);
    QVERIFY(window->Drive1->isVisible());
    QVERIFY(window->Dir1->isVisible());
    ClickFile(QStringLiteral("a.gb"));
    QVERIFY(!window->Drive1->isVisible());
    QVERIFY(!window->Dir1->isVisible());
    // The entry already selected: a click hides the lists again and reads it anew.
    QTest::mouseClick(window->Command3, Qt::LeftButton);
    window->Text1->setText(QStringLiteral("x"));
    QVERIFY(WriteBytes(path(QStringLiteral("a.gb")), RomBytes(400, 0, 0, 0x02, 1)));
    ClickFile(QStringLiteral("a.gb"));
    QVERIFY(!window->Dir1->isVisible());
    QCOMPARE(window->Text1->text(), path(QStringLiteral("a.gb")));
    QCOMPARE(window->StatusBar1->PanelAt(4).text, QStringLiteral("1MBit"));
}

// Enter on the selected ROM and a double-click on a ROM launch it as Run does.
void TestVexa::enterAndDoubleClickLaunch_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Return") << "return";
    QTest::newRow("keypad Enter") << "enter";
    QTest::newRow("double-click") << "double";
}

void TestVexa::enterAndDoubleClickLaunch()
{
    QFETCH(QString, how);
    QVERIFY(WriteBytes(path(QStringLiteral("Tetris (World).gb")), RomBytes(400, 0x80, 0x03, 0x05, 0x00)));
    Vexa *window = MakeWindow();
    ClickFile(QStringLiteral("Tetris (World).gb"));
    const QRect item = window->File1->visualRect(window->File1->model()->index(0, 0));
    if (how == QLatin1String("double"))
        QTest::mouseDClick(window->File1->viewport(), Qt::LeftButton, {}, item.center());
    else
        QTest::keyClick(window->File1, how == QLatin1String("return") ? Qt::Key_Return : Qt::Key_Enter,
                        how == QLatin1String("return") ? Qt::NoModifier : Qt::KeypadModifier);
    QVERIFY(WaitFor([&] { return Runs().size() == 1 && !window->Busy(); }));
    const QString game = path(QStringLiteral("Tetris (World).gb"));
    QCOMPARE(Runs().first().split(QLatin1Char('\n'), Qt::SkipEmptyParts),
             kFreshCommand.split(QLatin1Char(' '), Qt::SkipEmptyParts).mid(1) << game);
    QCOMPARE(window->Text1->text(), kFreshCommand + game);
    QTest::qWait(50);
    QCOMPARE(Runs().size(), 1);
}

// A read that does not finish in time shows the ROM as unreadable, and its
// late result is dropped; the window answers all the while.
void TestVexa::slowReadShowsUnreadable()
{
    QVERIFY(WriteBytes(path(QStringLiteral("slow.gb")), RomBytes(400, 0x80, 0x03, 0x05, 0x00)));
    QVERIFY(WriteBytes(path(QStringLiteral("fast.gb")), RomBytes(400, 0x00, 0x00, 0x02, 0x01)));
    Vexa *window = MakeWindow();
    window->Inspector()->BoundMs = 100;
    auto release = std::make_shared<std::atomic<bool>>(false);
    const auto read = window->Inspector()->readHeader;
    window->Inspector()->readHeader = [read, release](const QString &rom) {
        while (rom.endsWith(QLatin1String("/slow.gb")) && !*release)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return read(rom);
    };
    ClickFile(QStringLiteral("slow.gb"));
    QCOMPARE(window->StatusBar1->PanelAt(4).text, QStringLiteral("?MBit"));
    QCOMPARE(window->Image1->pixmap().toImage(), window->PlaceholderPicture().toImage());
    QCOMPARE(window->StatusBar1->PanelAt(1).enabled, true); // flags kept
    QTest::mouseClick(window->Command3, Qt::LeftButton);
    QVERIFY(window->Dir1->isVisible());
    ClickFile(QStringLiteral("fast.gb"));
    QCOMPARE(window->StatusBar1->PanelAt(4).text, QStringLiteral("1MBit"));
    *release = true;
    QTest::qWait(100);
    QCOMPARE(window->StatusBar1->PanelAt(4).text, QStringLiteral("1MBit"));
}

// Clicks that come faster than the first ROM is read: every header is
// applied, in click order, so the lamps end as the clicks one at a time leave them.
void TestVexa::quickClicksEachSetTheLamps()
{
    QVERIFY(WriteBytes(path(QStringLiteral("b.gb")), RomBytes(400, 0x00, 0x00, 0x02, 0x01)));
    QVERIFY(WriteBytes(path(QStringLiteral("a.gb")), RomBytes(400, 0x80, 0x03, 0x01, 0x00)));
    QVERIFY(WriteBytes(path(QStringLiteral("c.gbc")), RomBytes(400, 0xC0, 0x07, 0x03, 0x05)));
    Vexa *window = MakeWindow();
    auto gate = std::make_shared<Gate>();
    const auto read = window->Inspector()->readHeader;
    window->Inspector()->readHeader = [read, gate](const QString &rom) {
        if (rom.endsWith(QLatin1String("/b.gb")))
            gate->Wait();
        return read(rom);
    };
    for (const QString &name : {u"b.gb"_s, u"a.gb"_s, u"c.gbc"_s})
        QVERIFY(window->File1->Select(name));
    QTest::qWait(50);
    gate->Open();
    Settle();
    for (int panel = 1; panel <= 3; ++panel)
        QVERIFY2(window->StatusBar1->PanelAt(panel).enabled, qPrintable(QString::number(panel)));
    QCOMPARE(window->StatusBar1->PanelAt(4).text, QStringLiteral("2MBit"));
}

// A picture that takes too long shows the placeholder; the header read at
// once is shown all the same, and the late picture is dropped.
void TestVexa::slowPictureKeepsTheHeader()
{
    QVERIFY(WriteBytes(path(QStringLiteral("x.gb")), RomBytes(400, 0x80, 0x03, 0x05, 0x00)));
    Vexa *window = MakeWindow();
    window->Inspector()->PictureBoundMs = 100;
    auto gate = std::make_shared<Gate>();
    window->Inspector()->loadPicture = [gate](const QString &, const QString &) {
        gate->Wait();
        QImage red(8, 8, QImage::Format_RGB32);
        red.fill(Qt::red);
        return red;
    };
    QVERIFY(window->File1->Select(QStringLiteral("x.gb")));
    QVERIFY(WaitFor([&] { return window->StatusBar1->PanelAt(4).text == QLatin1String("8MBit"); }));
    Settle();
    QCOMPARE(window->Image1->pixmap().toImage(), window->PlaceholderPicture().toImage());
    gate->Open();
    QVERIFY(Background::WaitIdle(5000));
    QTest::qWait(50);
    QCOMPARE(window->Image1->pixmap().toImage(), window->PlaceholderPicture().toImage());
}

// A first start from the menu opens the lists on the home folder, and stores
// nothing until the user opens a folder of their own.
void TestVexa::offeredFolderIsStoredOnlyWhenLeft()
{
    const QString roms = path(QStringLiteral("roms"));
    Vexa *window = MakeWindow();
    window->OfferFolder(work_->path());
    Settle();
    QVERIFY(window->Dir1->isVisible());
    QVERIFY(window->Drive1->isVisible());
    QCOMPARE(window->Dir1->Path(), work_->path());
    QCOMPARE(window->File1->Path(), work_->path());
    QCOMPARE(StoredOnDisk(SettingNames::RomPath), QString());
    window->Dir1->SetPath(roms);
    Settle();
    QCOMPARE(StoredOnDisk(SettingNames::RomPath), roms);
}

// A folder this user may not read shows empty, says so, and is not stored:
// later starts would open on an empty list.
void TestVexa::unreadableFolderIsNotStored()
{
    const QString locked = path(QStringLiteral("roms/locked"));
    QVERIFY(QDir().mkpath(locked + QStringLiteral("/sub")));
    QVERIFY(chmod(QFile::encodeName(locked).constData(), 0) == 0);
    if (QDir(locked).entryList(QDir::Dirs | QDir::NoDotAndDotDot).contains(QStringLiteral("sub"))) {
        chmod(QFile::encodeName(locked).constData(), 0755);
        QSKIP("permission bits do not stop this user (root): run as an ordinary user to check this");
    }
    Vexa *window = MakeWindow();
    QStringList told;
    window->showProblem = [&told](const QString &message) { told << message; };
    QTest::mouseClick(window->Command3, Qt::LeftButton);
    window->Dir1->SetPath(path(QStringLiteral("roms")));
    Settle();
    window->Dir1->SetPath(locked);
    Settle();
    chmod(QFile::encodeName(locked).constData(), 0755);
    QCOMPARE(window->Dir1->Path(), locked);
    QCOMPARE(window->Dir1->count(), window->Dir1->CurrentFolderRow() + 1);
    QCOMPARE(window->File1->ListCount(), 0);
    QCOMPARE(told, QStringList{QStringLiteral("The folder %1 cannot be read.").arg(locked)});
    QCOMPARE(StoredOnDisk(SettingNames::RomPath), path(QStringLiteral("roms")));
}

// Clicks faster than pictures decode: the decodes of pictures no longer
// wanted neither pile up nor keep the last click's picture from its turn.
void TestVexa::quickClicksShowTheLastPicture()
{
    for (int i = 0; i < 10; ++i)
        QVERIFY(WriteBytes(path(QStringLiteral("%1.gb").arg(i)), RomBytes(400, 0x80, 0x03, 0x05, 0x00)));
    Vexa *window = MakeWindow();
    auto running = std::make_shared<std::atomic<int>>(0);
    auto most = std::make_shared<std::atomic<int>>(0);
    window->Inspector()->loadPicture = [running, most](const QString &, const QString &fileName) {
        *most = std::max(most->load(), ++*running);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        --*running;
        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(QColor(fileName.left(1).toInt() * 20, 0, 0));
        return picture;
    };
    for (int i = 0; i < 10; ++i)
        QVERIFY(window->File1->Select(QStringLiteral("%1.gb").arg(i)));
    Settle();
    QCOMPARE(window->Image1->pixmap().toImage().pixelColor(0, 0), QColor(180, 0, 0));
    QCOMPARE(most->load(), 1);
}

// More clicks than reads may run at once, on a share that is slow but
// answers: the last click's header waits for its turn and is shown.
void TestVexa::quickClicksOnASlowShare()
{
    for (int i = 0; i < 12; ++i)
        QVERIFY(WriteBytes(path(QStringLiteral("%1.gb").arg(i, 2, 10, QLatin1Char('0'))),
                           RomBytes(400, 0x80, 0x03, i == 11 ? 0x05 : 0x01, 0x00)));
    Vexa *window = MakeWindow();
    window->Inspector()->BoundMs = 1000;
    const auto read = window->Inspector()->readHeader;
    window->Inspector()->readHeader = [read](const QString &rom) {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        return read(rom);
    };
    for (int i = 0; i < 12; ++i)
        QVERIFY(window->File1->Select(QStringLiteral("%1.gb").arg(i, 2, 10, QLatin1Char('0'))));
    Settle();
    QCOMPARE(window->StatusBar1->PanelAt(4).text, QStringLiteral("8MBit"));
}

// Closing while the folder is being listed waits for the listing and counts
// what it finds.
void TestVexa::closingWhileListing()
{
    QVERIFY(WriteBytes(path(QStringLiteral("a.gb")), "rom"));
    QSettings(SettingsFile(), QSettings::IniFormat).setValue(SettingNames::Path(SettingNames::TotGames), QStringLiteral("7"));
    Vexa *window = MakeWindow();
    window->File1->SetPattern(window->File1->Pattern());
    QVERIFY(window->File1->Listing());
    QVERIFY(!window->close()); // held until the listing is in
    QVERIFY(WaitFor([&] { return !window->isVisible(); }));
    QCOMPARE(StoredOnDisk(SettingNames::TotGames), QStringLiteral("1"));
}

void TestVexa::comboListOpensOnMatchingEntry_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("row");
    QTest::newRow("laid-out text") << "320x200 With Gif" << 0;
    QTest::newRow("another entry") << "256x200" << 5;
    QTest::newRow("typed text matching nothing") << "320X200" << -1;
}

void TestVexa::comboListOpensOnMatchingEntry()
{
    QFETCH(QString, text);
    QFETCH(int, row);
    Vexa *window = MakeWindow();
    window->Video->setEditText(text);
    window->Video->showPopup();
    QCOMPARE(window->Video->view()->currentIndex().row(), row);
    window->Video->hidePopup();
    QCOMPARE(window->Video->currentText(), text);
}

// Moving the folder list onto another root shows that root in the drive
// list, and keeps the folder.
void TestVexa::driveListFollowsFolder()
{
    const QString roms = path(QStringLiteral("roms"));
    QVERIFY(QDir().mkpath(roms + QStringLiteral("/deep")));
    Vexa *window = MakeWindow();
    window->Drive1->SetDrives({{u"/"_s, u"/"_s}, {roms, u"roms"_s}});
    window->Dir1->SetPath(roms + QStringLiteral("/deep"));
    Settle();
    QCOMPARE(window->Drive1->DriveRoot(), roms);
    QCOMPARE(window->Dir1->Path(), roms + QStringLiteral("/deep"));
    window->Dir1->SetPath(work_->path());
    Settle();
    QCOMPARE(window->Drive1->DriveRoot(), QStringLiteral("/"));
    QCOMPARE(window->Dir1->Path(), work_->path());
}

// A ROM opened by path: its folder shows and is stored, and it is inspected.
void TestVexa::openRomByPath()
{
    const QString rom = path(QStringLiteral("roms/Quest (Japan).gbc"));
    QVERIFY(WriteBytes(rom, RomBytes(400, 0x80, 0x00, 0x03, 0x00)));
    Vexa *window = MakeWindow();
    window->OpenRom(QStringLiteral("roms/Quest (Japan).gbc"));
    QVERIFY(WaitFor([&] { return window->Game == rom && !window->Busy(); }));
    QCOMPARE(window->File1->FileName(), QStringLiteral("Quest (Japan).gbc"));
    QCOMPARE(window->StatusBar1->PanelAt(4).text, QStringLiteral("2MBit"));
    QCOMPARE(StoredOnDisk(SettingNames::RomPath), path(QStringLiteral("roms")));
}

void TestVexa::folderChangeStoresAtOnce()
{
    const QString roms = path(QStringLiteral("roms"));
    QVERIFY(WriteBytes(roms + QStringLiteral("/z.gb"), "x"));
    Vexa *window = MakeWindow();
    QTest::mouseClick(window->Command3, Qt::LeftButton);
    QVERIFY(WaitFor([&] { return window->Dir1->count() > 0; }));
    window->Dir1->setFocus();
    const int row = window->Dir1->count() - 1;
    QCOMPARE(window->Dir1->item(row)->data(Qt::UserRole).toString(), roms);
    window->Dir1->setCurrentRow(row);
    QTest::keyClick(window->Dir1, Qt::Key_Return);
    Settle();
    QCOMPARE(window->Dir1->Path(), roms);
    QCOMPARE(window->File1->Names(), QStringList{u"z.gb"_s});
    QCOMPARE(window->File1->FileName(), QString());
    QCOMPARE(window->Text1->text(), roms);
    QCOMPARE(StoredOnDisk(SettingNames::RomPath), roms);
}

void TestVexa::driveChangeGoesToRememberedFolder()
{
    const QString roms = path(QStringLiteral("roms"));
    const QString deep = roms + QStringLiteral("/deep");
    QVERIFY(QDir().mkpath(deep));
    Vexa *window = MakeWindow();
    // The roms folder stands in for a second drive.
    window->Drive1->SetDrives({{u"/"_s, u"/"_s}, {roms, u"roms"_s}});
    window->Dir1->SetPath(deep);
    Settle();
    window->Dir1->SetPath(work_->path());
    Settle();
    window->Drive1->setCurrentIndex(1);
    emit window->Drive1->activated(1);
    Settle();
    QCOMPARE(window->Dir1->Path(), deep);
    QCOMPARE(window->Text1->text(), deep);
    QCOMPARE(StoredOnDisk(SettingNames::RomPath), deep);
    window->Drive1->setCurrentIndex(0);
    emit window->Drive1->activated(0);
    Settle();
    QCOMPARE(window->Dir1->Path(), work_->path());
    QCOMPARE(StoredOnDisk(SettingNames::RomPath), work_->path());
}

void TestVexa::folderChangeKeepsGame()
{
    QVERIFY(WriteBytes(path(QStringLiteral("a.gb")), RomBytes(400, 0, 0, 0, 1)));
    Vexa *window = MakeWindow();
    ClickFile(QStringLiteral("a.gb"));
    const QString game = window->Game;
    QCOMPARE(game, work_->path() + QStringLiteral("/a.gb"));
    window->Dir1->SetPath(path(QStringLiteral("roms")));
    Settle();
    QCOMPARE(window->Game, game);
    QCOMPARE(window->Text1->text(), path(QStringLiteral("roms")));
}

void TestVexa::inspectsHeader_data()
{
    QTest::addColumn<int>("cgb");
    QTest::addColumn<int>("sgb");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("destination");
    QTest::addColumn<bool>("cgbOn");
    QTest::addColumn<bool>("sgbOn");
    QTest::addColumn<bool>("japOn");
    QTest::addColumn<QString>("sizeText");
    QTest::newRow("all on, 8MBit") << 0x80 << 0x03 << 0x05 << 0x00 << true << true << true << "8MBit";
    QTest::newRow("all off, 256KBit") << 0x00 << 0x00 << 0x00 << 0x01 << false << false << false << "256KBit";
    QTest::newRow("unknown size") << 0x80 << 0x00 << 0x08 << 0x01 << true << false << false << "?MBit";
    QTest::newRow("9MBit") << 0x00 << 0x03 << 0x52 << 0x00 << false << true << true << "9MBit";
}

void TestVexa::inspectsHeader()
{
    QFETCH(int, cgb);
    QFETCH(int, sgb);
    QFETCH(int, size);
    QFETCH(int, destination);
    QFETCH(bool, cgbOn);
    QFETCH(bool, sgbOn);
    QFETCH(bool, japOn);
    QFETCH(QString, sizeText);
    QVERIFY(WriteBytes(path(QStringLiteral("x.gb")), RomBytes(400, uchar(cgb), uchar(sgb), uchar(size), uchar(destination))));
    Vexa *window = MakeWindow();
    window->StatusBar1->SetPanelEnabled(4, false);
    ClickFile(QStringLiteral("x.gb"));
    QCOMPARE(window->Game, work_->path() + QStringLiteral("/x.gb"));
    QCOMPARE(window->Text1->text(), window->Game);
    QCOMPARE(window->StatusBar1->PanelAt(1).enabled, cgbOn);
    QCOMPARE(window->StatusBar1->PanelAt(2).enabled, sgbOn);
    QCOMPARE(window->StatusBar1->PanelAt(3).enabled, japOn);
    QVERIFY(window->StatusBar1->PanelAt(4).enabled);
    QCOMPARE(window->StatusBar1->PanelAt(4).text, sizeText);
    QCOMPARE(window->StatusBar1->PanelAt(1).text, QStringLiteral("CGB"));
}

void TestVexa::flagsCarryOver()
{
    QVERIFY(WriteBytes(path(QStringLiteral("a.gb")), RomBytes(400, 0x80, 0x03, 0x01, 0x00)));
    QVERIFY(WriteBytes(path(QStringLiteral("b.gb")), RomBytes(400, 0xC0, 0x07, 0x02, 0x05)));
    QVERIFY(WriteBytes(path(QStringLiteral("c.gb")), RomBytes(400, 0x00, 0x00, 0x03, 0x01)));
    Vexa *window = MakeWindow();
    ClickFile(QStringLiteral("a.gb"));
    ClickFile(QStringLiteral("b.gb"));
    QVERIFY(window->StatusBar1->PanelAt(1).enabled);
    QVERIFY(window->StatusBar1->PanelAt(2).enabled);
    QVERIFY(window->StatusBar1->PanelAt(3).enabled);
    QCOMPARE(window->StatusBar1->PanelAt(4).text, QStringLiteral("1MBit"));
    ClickFile(QStringLiteral("c.gb"));
    ClickFile(QStringLiteral("b.gb"));
    QVERIFY(!window->StatusBar1->PanelAt(1).enabled);
    QVERIFY(!window->StatusBar1->PanelAt(2).enabled);
    QVERIFY(!window->StatusBar1->PanelAt(3).enabled);
}

void TestVexa::disabledPanelsAreGreyed()
{
    QVERIFY(WriteBytes(path(QStringLiteral("x.gb")), RomBytes(400, 0x00, 0x00, 0x05, 0x01)));
    Vexa *window = MakeWindow();
    ClickFile(QStringLiteral("x.gb"));
    const QImage bar = window->StatusBar1->grab().toImage();
    auto darkest = [&](int position) {
        const QRect panel = window->StatusBar1->PanelRect(position).adjusted(2, 2, -2, -2);
        int value = 255;
        for (int y = panel.top(); y <= panel.bottom(); ++y)
            for (int x = panel.left(); x <= panel.right(); ++x)
                value = std::min(value, qGray(bar.pixel(x, y)));
        return value;
    };
    // The disabled panels still show text, lighter than the enabled panel's.
    for (int position = 1; position <= 3; ++position) {
        QVERIFY(darkest(position) < 230);
        QVERIFY2(darkest(position) > darkest(4) + 40, qPrintable(QString::number(darkest(position))));
    }
}

void TestVexa::unreadableRoms_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("0 bytes") << "empty";
    QTest::newRow("399 bytes") << "short";
    QTest::newRow("FIFO") << "fifo";
    QTest::newRow("link to a folder") << "dirlink";
    QTest::newRow("dangling link") << "dangling";
    QTest::newRow("removed after listing") << "removed";
    QTest::newRow("4 GB sparse file") << "sparse";
}

void TestVexa::unreadableRoms()
{
    QFETCH(QString, kind);
    const QString rom = path(QStringLiteral("bad.gb"));
    QVERIFY(WriteBytes(path(QStringLiteral("good.gb")), RomBytes(400, 0x00, 0x00, 0x05, 0x01)));
    QVERIFY(WriteBytes(rom, RomBytes(kind == QLatin1String("short") ? 399 : 400, 0x80, 0x03, 0x06, 0x00)));
    Vexa *window = MakeWindow();
    if (kind == QLatin1String("empty"))
        QVERIFY(WriteBytes(rom, QByteArray()));
    else if (kind == QLatin1String("fifo"))
        QVERIFY(QFile::remove(rom) && MakeFifo(rom));
    else if (kind == QLatin1String("dirlink"))
        QVERIFY(QFile::remove(rom) && MakeLink(path(QStringLiteral("roms")), rom));
    else if (kind == QLatin1String("dangling"))
        QVERIFY(QFile::remove(rom) && MakeLink(path(QStringLiteral("gone")), rom));
    else if (kind == QLatin1String("removed"))
        QVERIFY(QFile::remove(rom));
    else if (kind == QLatin1String("sparse"))
        QVERIFY(truncate(QFile::encodeName(rom).constData(), 4LL << 30) == 0);
    ClickFile(QStringLiteral("good.gb"));
    window->StatusBar1->SetPanelEnabled(4, false);
    QElapsedTimer timer;
    timer.start();
    ClickFile(QStringLiteral("bad.gb"));
    QVERIFY(timer.elapsed() < 1000);
    QCOMPARE(window->Game, rom);
    QCOMPARE(window->Text1->text(), rom);
    QCOMPARE(window->Image1->pixmap().toImage(), window->PlaceholderPicture().toImage());
    QVERIFY(window->StatusBar1->PanelAt(4).enabled);
    if (kind == QLatin1String("sparse")) {
        QVERIFY(window->StatusBar1->PanelAt(1).enabled);
        QCOMPARE(window->StatusBar1->PanelAt(4).text, QStringLiteral("16MBit"));
        return;
    }
    QVERIFY(!window->StatusBar1->PanelAt(1).enabled);
    QVERIFY(!window->StatusBar1->PanelAt(2).enabled);
    QVERIFY(!window->StatusBar1->PanelAt(3).enabled);
    QCOMPARE(window->StatusBar1->PanelAt(4).text, QStringLiteral("?MBit"));
    QVERIFY(window->isVisible());
    ClickFile(QStringLiteral("good.gb"));
    QCOMPARE(window->StatusBar1->PanelAt(4).text, QStringLiteral("8MBit"));
}

void TestVexa::gameInRootFolder()
{
    const QString name = QStringLiteral("vexa-test-%1.gb").arg(QCoreApplication::applicationPid());
    if (!WriteBytes(QStringLiteral("/") + name, RomBytes(400, 0x80, 0x03, 0x05, 0x00)))
        QSKIP("the root folder is not writable here");
    Vexa *window = MakeWindow();
    window->Dir1->SetPath(QStringLiteral("/"));
    Settle();
    ClickFile(name);
    QFile::remove(QStringLiteral("/") + name);
    QCOMPARE(window->Game, QStringLiteral("//") + name);
    QCOMPARE(window->Text1->text(), QStringLiteral("//") + name);
    QCOMPARE(window->StatusBar1->PanelAt(4).text, QStringLiteral("8MBit"));
}

void TestVexa::pictureFromImagesFolder_data()
{
    QTest::addColumn<QString>("rom");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("content");
    QTest::addColumn<bool>("shown");
    QTest::newRow("tetris.gb finds tetris.bmp") << "tetris.gb" << "tetris.bmp" << "bmp" << true;
    QTest::newRow("a jpeg under the bmp name") << "tetris.gb" << "tetris.bmp" << "jpg" << true;
    QTest::newRow("no picture") << "tetris.gb" << "" << "" << false;
    QTest::newRow("sgb keeps its name") << "zelda.sgb" << "zelda.sgb" << "bmp" << true;
    QTest::newRow("capitals: found by the name without extension") << "TETRIS.GB" << "TETRIS.bmp" << "bmp" << true;
    QTest::newRow("gbc: found by the name without extension") << "Quest (Japan).gbc" << "Quest (Japan).jpg" << "jpg" << true;
    QTest::newRow("corrupt picture") << "tetris.gb" << "tetris.bmp" << "corrupt" << false;
    QTest::newRow("truncated picture") << "tetris.gb" << "tetris.bmp" << "truncated" << false;
    QTest::newRow("FIFO picture") << "tetris.gb" << "tetris.bmp" << "fifo" << false;
    QTest::newRow("claims 60000 by 60000") << "tetris.gb" << "tetris.bmp" << "huge" << false;
}

void TestVexa::pictureFromImagesFolder()
{
    QFETCH(QString, rom);
    QFETCH(QString, picture);
    QFETCH(QString, content);
    QFETCH(bool, shown);
    QVERIFY(WriteBytes(path(rom), RomBytes(400, 0x80, 0x03, 0x05, 0x00)));
    QVERIFY(QDir().mkpath(path(QStringLiteral("images"))));
    const QString target = path(QStringLiteral("images/") + picture);
    QFile resource(QStringLiteral(":/console.bmp"));
    QVERIFY(resource.open(QIODevice::ReadOnly));
    QByteArray bytes = content == QLatin1String("jpg") ? SampleJpeg() : resource.readAll();
    if (content == QLatin1String("corrupt"))
        bytes = "BM" + QByteArray(500, '\x01');
    else if (content == QLatin1String("truncated"))
        bytes = bytes.left(bytes.size() / 2);
    else if (content == QLatin1String("huge")) {
        qToLittleEndian<qint32>(60000, bytes.data() + 18);
        qToLittleEndian<qint32>(60000, bytes.data() + 22);
        qToLittleEndian<quint32>(0, bytes.data() + 2);
    }
    if (content == QLatin1String("fifo"))
        QVERIFY(MakeFifo(target));
    else if (!picture.isEmpty())
        QVERIFY(WriteBytes(target, bytes));
    Vexa *window = MakeWindow();
    ClickFile(rom);
    const QImage image = window->Image1->pixmap().toImage();
    QCOMPARE(image == window->PlaceholderPicture().toImage(), !shown);
    QCOMPARE(window->Image1->size(), QSize(164, 148));
    QCOMPARE(window->size(), QSize(349, 298));
    QCOMPARE(window->StatusBar1->PanelAt(4).text, QStringLiteral("8MBit"));
}

// An archive entry shows its own header and, without a picture of its own,
// the archive's; Run unpacks it once in the background and starts the
// emulator on the unpacked file; a failed unpacking starts nothing and says why.
void TestVexa::archiveEntryClickAndRun()
{
    QProcess maker;
    maker.start(u"python3"_s, {QStringLiteral(VEXA_MAKE_ARCHIVE), u"several"_s, path(u"Pack.zip"_s)});
    QVERIFY(maker.waitForFinished(60000) && maker.exitCode() == 0);
    QVERIFY(QDir().mkpath(path(u"images"_s)));
    QVERIFY(QFile::copy(u":/console.bmp"_s, path(u"images/Pack.bmp"_s)));
    Vexa *window = MakeWindow();
    QCOMPARE(window->File1->Names(), (QStringList{u"Pack.zip: b/Second.GBC"_s, u"Pack.zip: First.gb"_s}));
    ClickFile(u"Pack.zip: First.gb"_s);
    QCOMPARE(window->Game, path(u"Pack.zip: First.gb"_s));
    QCOMPARE(window->Text1->text(), window->Game);
    QCOMPARE(window->StatusBar1->PanelAt(4).text, u"512KBit"_s);
    QVERIFY(window->Image1->pixmap().toImage() != window->PlaceholderPicture().toImage());

    auto gate = std::make_shared<Gate>();
    auto calls = std::make_shared<std::atomic<int>>(0);
    const QString unpacked = path(u"cache/First.gb"_s);
    QVERIFY(QDir().mkpath(path(u"cache"_s)));
    QVERIFY(WriteBytes(unpacked, RomBytes(400, 0, 0, 0x01, 1)));
    window->Launcher()->unpackRom = [gate, calls, unpacked](const std::string &archive, const std::string &entry, std::string *why) {
        ++*calls;
        gate->Wait();
        if (entry != "First.gb" || archive.find("/Pack.zip") == std::string::npos) {
            *why = "it unpacks to more than 16 MB";
            return std::string();
        }
        return QFile::encodeName(unpacked).toStdString();
    };
    ClickRun(false);
    QTest::mouseClick(window->RunDown, Qt::LeftButton);
    QVERIFY(window->Busy());
    gate->Open();
    QVERIFY(WaitFor([&] { return Runs().size() == 1; }));
    Settle();
    QCOMPARE(calls->load(), 1);
    QVERIFY(Runs().at(0).endsWith(unpacked + u"\n"_s));
    QVERIFY(window->Text1->text().endsWith(u" "_s + unpacked));

    ClickFile(u"Pack.zip: b/Second.GBC"_s);
    ClickRun();
    Settle();
    QCOMPARE(Runs().size(), 1);
    QCOMPARE(failures_.size(), 1);
    QVERIFY2(failures_.at(0).contains(u"Second.GBC cannot be unpacked: it unpacks to more than 16 MB"_s),
             qPrintable(failures_.at(0)));
}

void TestVexa::arrowKeysInspectEachFile()
{
    QVERIFY(WriteBytes(path(QStringLiteral("a.gb")), RomBytes(400, 0, 0, 0x01, 1)));
    QVERIFY(WriteBytes(path(QStringLiteral("b.gb")), RomBytes(400, 0, 0, 0x02, 1)));
    QVERIFY(WriteBytes(path(QStringLiteral("c.gb")), RomBytes(400, 0, 0, 0x03, 1)));
    Vexa *window = MakeWindow();
    ClickFile(QStringLiteral("a.gb"));
    QCOMPARE(window->StatusBar1->PanelAt(4).text, QStringLiteral("512KBit"));
    QTest::keyClick(window->File1, Qt::Key_Down);
    Settle();
    QCOMPARE(window->Game, path(QStringLiteral("b.gb")));
    QCOMPARE(window->StatusBar1->PanelAt(4).text, QStringLiteral("1MBit"));
    QTest::keyClick(window->File1, Qt::Key_Down);
    Settle();
    QCOMPARE(window->StatusBar1->PanelAt(4).text, QStringLiteral("2MBit"));
    QTest::keyClick(window->File1, Qt::Key_Up);
    Settle();
    QCOMPARE(window->StatusBar1->PanelAt(4).text, QStringLiteral("1MBit"));
}

// Each row starts from the lit Run picture and moves the pointer elsewhere.
void TestVexa::hover_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("lit");
    QTest::newRow("window background") << "background" << false;
    QTest::newRow("file list") << "File1" << false;
    QTest::newRow("the Run picture again") << "RunDown" << true;
    QTest::newRow("frame") << "Frame3" << true;
    QTest::newRow("check box") << "Check3" << true;
    QTest::newRow("option button") << "gbVärde" << true;
    QTest::newRow("combo box") << "Stereo" << true;
    QTest::newRow("game picture") << "Image1" << true;
    QTest::newRow("status bar") << "StatusBar1" << true;
    QTest::newRow("Rom Path button") << "Command3" << true;
}

void TestVexa::hover()
{
    QFETCH(QString, target);
    QFETCH(bool, lit);
    Vexa *window = MakeWindow();
    QVERIFY(!window->RunDown->isVisible());
    QTest::mouseMove(window, QPoint(3, 100));
    QVERIFY(!window->RunDown->isVisible());
    QTest::mouseMove(window, window->RunUp->geometry().center());
    QVERIFY(window->RunDown->isVisible());
    QTest::mouseMove(window, window->RunUp->geometry().center() + QPoint(3, 1));
    QVERIFY(window->RunDown->isVisible());

    QPoint point(3, 100);
    if (target == QLatin1String("Frame3"))
        point = window->Frame3->geometry().bottomRight() - QPoint(4, 4);
    else if (target == QStringLiteral("gbVärde"))
        point = window->gbVärde[0]->geometry().center();
    else if (target != QLatin1String("background")) {
        auto *widget = window->findChild<QWidget *>(target);
        QVERIFY(widget);
        point = widget->mapTo(window, widget->rect().center());
    }
    QTest::mouseMove(window, point);
    QCOMPARE(window->RunDown->isVisible(), lit);
}

void TestVexa::releaseOverFileListHides()
{
    Vexa *window = MakeWindow();
    window->RunDown->show();
    QTest::mouseRelease(window->File1->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!window->RunDown->isVisible());
}

void TestVexa::accessibleNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("accessible");
    QTest::addColumn<int>("role");
    auto row = [](const char *name, const char *accessible, QAccessible::Role role) {
        QTest::newRow(name) << name << accessible << int(role);
    };
    row("Vexa", "VExa Tessor v3.0 (Beta Release) By Norlund", QAccessible::Client);
    row("Frame1", "Picture Of The Game", QAccessible::Client);
    row("Frame2", "Pick Your Gameboy Rom", QAccessible::Client);
    row("Frame3", "Gameboy Mode", QAccessible::Client);
    row("Frame4", "Video Mode", QAccessible::Client);
    row("Frame5", "Stereo Mode", QAccessible::Client);
    row("Frame7", "Sound", QAccessible::Client);
    row("Frame8", "Misc Options", QAccessible::Client);
    row("File1", "Pick Your Gameboy Rom", QAccessible::List);
    // Qt names a combo box by its current text; the caption is its description.
    row("Drive1", "Drive", QAccessible::ComboBox);
    row("Dir1", "Folder", QAccessible::List);
    row("Command2", "?", QAccessible::Button);
    row("Command3", "Rom Path", QAccessible::Button);
    row("Video", "Video Mode", QAccessible::ComboBox);
    row("Stereo", "Stereo Mode", QAccessible::ComboBox);
    row("Check1", "Crc on/off", QAccessible::CheckBox);
    row("Check2", "Delay on/off", QAccessible::CheckBox);
    row("Check3", "2 Player (SGB)", QAccessible::CheckBox);
    row("Image1", "Game picture", QAccessible::Graphic);
    row("RunUp", "Run", QAccessible::Graphic);
    row("RunDown", "Run", QAccessible::Graphic);
    row("StatusBar1", "Status", QAccessible::StatusBar);
    row("Text1", "Path", QAccessible::EditableText);
}

void TestVexa::accessibleNames()
{
    QFETCH(QString, name);
    QFETCH(QString, accessible);
    QFETCH(int, role);
    Vexa *window = MakeWindow();
    QWidget *widget = name == QLatin1String("Vexa") ? window : window->findChild<QWidget *>(name);
    QVERIFY(widget);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(iface);
    if (iface->role() == QAccessible::ComboBox)
        QCOMPARE(iface->text(QAccessible::Description), accessible);
    else
        QCOMPARE(iface->text(QAccessible::Name), accessible);
    QCOMPARE(int(iface->role()), role);
    if (name == QLatin1String("Command2"))
        QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("About"));
}

void TestVexa::statusPanelsExposeEnabledState()
{
    QVERIFY(WriteBytes(path(QStringLiteral("x.gb")), RomBytes(400, 0x00, 0x03, 0x52, 0x01)));
    Vexa *window = MakeWindow();
    QAccessibleInterface *bar = QAccessible::queryAccessibleInterface(window->StatusBar1);
    QCOMPARE(bar->childCount(), 4);
    const QStringList names{u"CGB"_s, u"SGB"_s, u"JAP"_s, u"0MBit"_s};
    const QStringList tips{u"Gameboy Color"_s, u"Super Gameboy"_s, u"Country"_s, u"ROM Size"_s};
    for (int i = 0; i < 4; ++i) {
        QAccessibleInterface *panel = bar->child(i);
        QVERIFY(panel);
        QCOMPARE(panel->text(QAccessible::Name), names.at(i));
        QCOMPARE(panel->text(QAccessible::Description), tips.at(i));
        QVERIFY(!panel->state().disabled);
        QCOMPARE(panel->parent(), bar);
        QCOMPARE(bar->indexOfChild(panel), i);
    }
    ClickFile(QStringLiteral("x.gb"));
    QVERIFY(bar->child(0)->state().disabled);
    QVERIFY(!bar->child(1)->state().disabled);
    QVERIFY(bar->child(2)->state().disabled);
    QVERIFY(!bar->child(3)->state().disabled);
    QCOMPARE(bar->child(3)->text(QAccessible::Name), QStringLiteral("9MBit"));
}

void TestVexa::firstLaunchOfFreshStart()
{
    QVERIFY(WriteBytes(path(QStringLiteral("x.gb")), RomBytes(400, 0x80, 0x03, 0x05, 0x00)));
    Vexa *window = MakeWindow();
    ClickFile(QStringLiteral("x.gb"));
    ClickRun();
    const QString command = kFreshCommand + path(QStringLiteral("x.gb"));
    QCOMPARE(window->Text1->text(), command);
    QVERIFY(window->RunDown->isVisible());
    QVERIFY(WaitFor([&] { return Runs().size() == 1; }));
    QCOMPARE(Runs().first().split(QLatin1Char('\n'), Qt::SkipEmptyParts),
             command.split(QLatin1Char(' '), Qt::SkipEmptyParts).mid(1));
}

void TestVexa::launchReadsControls_data()
{
    QTest::addColumn<QString>("video");
    QTest::addColumn<QString>("stereo");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("crc");
    QTest::addColumn<bool>("delay");
    QTest::addColumn<bool>("twoPlayer");
    QTest::addColumn<QString>("switches");
    QTest::newRow("second example") << "180x144" << "Off" << 2 << false << false << false
                                    << " -video 3  -sgb  -sound 0  -nocrc  -nodelay ";
    QTest::newRow("typed text matching no entry") << "320X200" << "normal" << 1 << true << true << false
                                                  << " -cgb  -crc  -delay ";
    QTest::newRow("two-player with GB mode") << "320x200 With Gif" << "Normal" << 0 << true << true << true
                                             << " -gb  -sound 1 -stereo 1  -2pl  -crc  -delay ";
    QTest::newRow("chosen from the lists") << "256x200" << "Reversed" << 1 << false << true << false
                                           << " -video 5  -cgb  -sound 1 -stereo 2  -nocrc  -delay ";
}

void TestVexa::launchReadsControls()
{
    QFETCH(QString, video);
    QFETCH(QString, stereo);
    QFETCH(int, mode);
    QFETCH(bool, crc);
    QFETCH(bool, delay);
    QFETCH(bool, twoPlayer);
    QFETCH(QString, switches);
    QVERIFY(WriteBytes(path(QStringLiteral("x.gb")), RomBytes(400, 0x80, 0x03, 0x05, 0x00)));
    Vexa *window = MakeWindow();
    ClickFile(QStringLiteral("x.gb"));
    const int videoIndex = window->Video->findText(video);
    if (videoIndex >= 0)
        window->Video->setCurrentIndex(videoIndex);
    else
        window->Video->setEditText(video);
    window->Stereo->lineEdit()->clear();
    QTest::keyClicks(window->Stereo->lineEdit(), stereo);
    window->gbVärde[static_cast<std::size_t>(mode)]->click();
    window->Check1->setChecked(crc);
    window->Check2->setChecked(delay);
    if (twoPlayer)
        QTest::mouseClick(window->Check3, Qt::LeftButton);
    ClickRun();
    const QString command = QStringLiteral("vexa  -rtsdir rsave/  -savdir saves/ ") + switches
        + path(QStringLiteral("x.gb"));
    QCOMPARE(window->Text1->text(), command);
}

void TestVexa::noRomClickedYet()
{
    Vexa *window = MakeWindow();
    ClickRun();
    QCOMPARE(window->Text1->text(), kFreshCommand);
    QVERIFY(WaitFor([&] { return Runs().size() == 1; }));
    QCOMPARE(Runs().first().split(QLatin1Char('\n'), Qt::SkipEmptyParts).last(), QStringLiteral("-delay"));
}

void TestVexa::failedStartLeavesText1_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no vexa on PATH") << "missing" << "vexa was not found on the PATH";
    QTest::newRow("vexa not executable") << "noexec" << "permission denied";
    QTest::newRow("bad interpreter") << "badinterp" << "its interpreter or loader is missing";
}

// An emulator that ends with a failure right after its start: the user sees
// its status and what it said, not only the launcher's error output.
void TestVexa::emulatorThatGivesUpIsReported()
{
    QVERIFY(WriteScript(path(QStringLiteral("bin/vexa")), "echo 'cannot open ROM: bad header' >&2\nexit 1\n"));
    QVERIFY(WriteBytes(path(QStringLiteral("x.gb")), RomBytes(400, 0x80, 0x03, 0x05, 0x00)));
    Vexa *window = MakeWindow();
    ClickFile(QStringLiteral("x.gb"));
    ClickRun();
    QCOMPARE(window->Text1->text(), kFreshCommand + path(QStringLiteral("x.gb")));
    QVERIFY(WaitFor([&] { return !failures_.isEmpty(); }));
    QCOMPARE(failures_, QStringList{QStringLiteral("The emulator stopped with status 1 right after it started: ") + kFreshCommand
                                    + path(QStringLiteral("x.gb")) + u"|It said:\ncannot open ROM: bad header"_s});
}

void TestVexa::failedStartLeavesText1()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QVERIFY(QFile::remove(path(QStringLiteral("bin/vexa"))));
    if (kind == QLatin1String("noexec"))
        QVERIFY(WriteScript(path(QStringLiteral("bin/vexa")), RecorderScript(), false));
    if (kind == QLatin1String("badinterp"))
        QVERIFY(WriteBytes(path(QStringLiteral("bin/vexa")), "#!/nonexistent/interpreter\n")
                && chmod(QFile::encodeName(path(QStringLiteral("bin/vexa"))).constData(), 0755) == 0);
    qputenv("PATH", QFile::encodeName(path(QStringLiteral("bin"))));
    QVERIFY(WriteBytes(path(QStringLiteral("x.gb")), RomBytes(400, 0x80, 0x03, 0x05, 0x00)));
    Vexa *window = MakeWindow();
    ClickFile(QStringLiteral("x.gb"));
    ClickRun();
    QCOMPARE(window->Text1->text(), path(QStringLiteral("x.gb")));
    QVERIFY(window->isVisible());
    QVERIFY(window->RunDown->isVisible());
    QVERIFY(Runs().isEmpty());
    // The user is told why, with the command.
    QCOMPARE(failures_.size(), 1);
    const QString message = failures_.first().section(QLatin1Char('|'), 0, 0);
    QCOMPARE(message, QStringLiteral("The emulator could not be started (%1): %2").arg(reason, kFreshCommand + path(QStringLiteral("x.gb"))));
    QCOMPARE(failures_.first().section(QLatin1Char('|'), 1).contains(QLatin1String("man vexa-launcher")),
             kind == QLatin1String("missing"));
}

void TestVexa::twoClicksStartTwo()
{
    QVERIFY(WriteBytes(path(QStringLiteral("x.gb")), RomBytes(400, 0x80, 0x03, 0x05, 0x00)));
    Vexa *window = MakeWindow();
    ClickFile(QStringLiteral("x.gb"));
    ClickRun();
    QTest::mouseClick(window->RunDown, Qt::LeftButton);
    QVERIFY(WaitFor([&] { return Runs().size() == 2; }));
    QCOMPARE(Runs().at(0), Runs().at(1));
    // The starts end in the background: once they have, no child of the
    // launcher is left, not even one that ended unreaped (looked at, not reaped).
    QVERIFY(WaitFor([] {
        siginfo_t info = {};
        return waitid(P_ALL, 0, &info, WEXITED | WNOHANG | WNOWAIT) == -1 && errno == ECHILD;
    }));
}

// A program picked with "Find vexa…" is started with the same words, kept
// for later starts, and looked at again before each Run.
void TestVexa::pickedEmulatorIsCheckedAtEachRun()
{
    QVERIFY(QDir().mkpath(path(QStringLiteral("opt"))));
    const QString picked = path(QStringLiteral("opt/my vexa"));
    QVERIFY(WriteScript(picked, RecorderScript()));
    QVERIFY(QFile::remove(path(QStringLiteral("bin/vexa"))));
    QVERIFY(WriteBytes(path(QStringLiteral("x.gb")), RomBytes(400, 0x80, 0x03, 0x05, 0x00)));
    Vexa *window = MakeWindow();
    QStringList told;
    window->showProblem = [&told](const QString &message) { told << message; };
    window->UseEmulator(path(QStringLiteral("x.gb")));
    QCOMPARE(told.size(), 1);
    QCOMPARE(window->Emulator(), QString());
    window->UseEmulator(picked);
    Settle();
    QCOMPARE(StoredOnDisk(SettingNames::EmulatorPath), picked);

    window = MakeWindow();
    QCOMPARE(window->Emulator(), picked);
    ClickFile(QStringLiteral("x.gb"));
    ClickRun();
    const QString switches = kFreshCommand.mid(4) + path(QStringLiteral("x.gb"));
    QCOMPARE(window->Text1->text(), picked + switches);
    QVERIFY(WaitFor([&] { return Runs().size() == 1; }));
    QCOMPARE(Runs().first().split(QLatin1Char('\n'), Qt::SkipEmptyParts),
             kFreshCommand.split(QLatin1Char(' '), Qt::SkipEmptyParts).mid(1) << path(QStringLiteral("x.gb")));

    QVERIFY(QFile::remove(picked));
    ClickRun();
    QCOMPARE(failures_.size(), 1);
    QCOMPARE(failures_.at(0).section(QLatin1Char('|'), 0, 0),
             QStringLiteral("The emulator could not be started (%1 is not there any more): %1%2").arg(picked, switches));
    QCOMPARE(Runs().size(), 1);
}

void TestVexa::romGoneStartsNothing()
{
    QVERIFY(WriteBytes(path(QStringLiteral("x.gb")), RomBytes(400, 0x80, 0x03, 0x05, 0x00)));
    Vexa *window = MakeWindow();
    QStringList told;
    window->showProblem = [&told](const QString &message) { told << message; };
    ClickFile(QStringLiteral("x.gb"));
    QVERIFY(QFile::rename(path(QStringLiteral("x.gb")), path(QStringLiteral("y.gb"))));
    ClickRun();
    QCOMPARE(told.size(), 1);
    QVERIFY2(told.first().contains(path(QStringLiteral("x.gb"))), qPrintable(told.first()));
    QCOMPARE(window->Text1->text(), path(QStringLiteral("x.gb")));
    QVERIFY(failures_.isEmpty());
    QVERIFY(Runs().isEmpty());
}

// The lists' scroll bars are drawn in the desktop's colours, not the
// frames' yellow on teal, and nothing looks chosen before a click.
void TestVexa::listsInDesktopColours()
{
    for (int i = 0; i < 30; ++i)
        QVERIFY(WriteBytes(path(QStringLiteral("rom %1 with a name longer than the list.gb").arg(i)), "rom"));
    Vexa *window = MakeWindow();
    const QPalette desktop = QApplication::palette();
    for (QWidget *part : {static_cast<QWidget *>(window->File1->verticalScrollBar()),
                          static_cast<QWidget *>(window->File1), static_cast<QWidget *>(window->Dir1)}) {
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Window, QPalette::ButtonText, QPalette::Button})
            QCOMPARE(part->palette().color(role), desktop.color(role));
    }
    QVERIFY(!window->File1->horizontalScrollBar()->isVisible());
    window->File1->setFocus(Qt::TabFocusReason);
    QVERIFY(window->File1->hasFocus());
    QVERIFY(!window->File1->currentIndex().isValid());
    QTest::keyClick(window->File1, Qt::Key_Down);
    QCOMPARE(window->File1->FileName(), window->File1->Names().first());
}

void TestVexa::drops_data()
{
    QTest::addColumn<QString>("dropped");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<QString>("game");
    QTest::addColumn<QString>("folder");
    QTest::newRow("a ROM") << "roms/x.gb" << true << "roms/x.gb" << "roms";
    QTest::newRow("a folder") << "roms" << true << "" << "roms";
    QTest::newRow("anything else") << "roms/notes.txt" << false << "" << "";
}

void TestVexa::drops()
{
    QFETCH(QString, dropped);
    QFETCH(bool, taken);
    QFETCH(QString, game);
    QFETCH(QString, folder);
    QVERIFY(WriteBytes(path(QStringLiteral("roms/x.gb")), RomBytes(400, 0x80, 0x03, 0x05, 0x00)));
    QVERIFY(WriteBytes(path(QStringLiteral("roms/notes.txt")), "text"));
    Vexa *window = MakeWindow();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path(dropped))});
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &enter);
    QCOMPARE(enter.isAccepted(), taken);
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &drop);
    const QString shown = folder.isEmpty() ? work_->path() : path(folder);
    QVERIFY(WaitFor([&] { return window->Dir1->Path() == shown && !window->Busy(); }));
    QVERIFY(WaitFor([&] { return window->Game == (game.isEmpty() ? QString() : path(game)) && !window->Busy(); }));
}

void TestVexa::strangeRomNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("blanks") << "Super Mario Land.gb";
    QTest::newRow("command substitution") << "$(touch PWNED).gb";
    QTest::newRow("semicolon and rm") << "a;rm -rf ~.gb";
    QTest::newRow("ampersand and pipe") << "a & b | c.gb";
    QTest::newRow("backquotes") << "`touch PWNED`.gb";
    QTest::newRow("quotes") << "it's \"q\".gb";
    QTest::newRow("leading dash") << "-rf.gb";
    QTest::newRow("non-ASCII") << "Pokémon ポケモン.gb";
}

void TestVexa::strangeRomNames()
{
    QFETCH(QString, name);
    QVERIFY(WriteBytes(path(name), RomBytes(400, 0x80, 0x03, 0x05, 0x00)));
    Vexa *window = MakeWindow();
    ClickFile(name);
    QCOMPARE(window->StatusBar1->PanelAt(4).text, QStringLiteral("8MBit"));
    ClickRun();
    const QString command = kFreshCommand + path(name);
    QCOMPARE(window->Text1->text(), command);
    QVERIFY(WaitFor([&] { return Runs().size() == 1; }));
    const QStringList words = kFreshCommand.split(QLatin1Char(' '), Qt::SkipEmptyParts).mid(1) << path(name);
    QCOMPARE(Runs().first().split(QLatin1Char('\n'), Qt::SkipEmptyParts), words);
    QVERIFY(!QFile::exists(path(QStringLiteral("PWNED"))));
    QVERIFY(!QFile::exists(QStringLiteral("PWNED")));
}

// A name that is not UTF-8 is shown with replacement characters but opened,
// inspected and launched under its real bytes.
void TestVexa::nameNotUtf8()
{
    const QByteArray raw = QFile::encodeName(work_->path()) + "/bad\xff\xfe.gb";
    const int fd = open(raw.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
    QVERIFY(fd >= 0);
    const QByteArray rom = RomBytes(400, 0x80, 0x03, 0x05, 0x00);
    QCOMPARE(write(fd, rom.constData(), rom.size()), ssize_t(rom.size()));
    close(fd);
    Vexa *window = MakeWindow();
    QCOMPARE(window->File1->ListCount(), 1);
    const QModelIndex entry = window->File1->model()->index(0, 0);
    QVERIFY(entry.data(Qt::DisplayRole).toString().contains(QChar::ReplacementCharacter));
    ClickFile(window->File1->Names().first());
    QCOMPARE(EncodeFileName(window->Game), raw);
    QCOMPARE(window->StatusBar1->PanelAt(4).text, QStringLiteral("8MBit"));
    ClickRun();
    QVERIFY(WaitFor([&] { return Runs().size() == 1; }));
    QCOMPARE(Runs().first().split(QLatin1Char('\n'), Qt::SkipEmptyParts).last(), DisplayFileName(window->Game));
}

// A folder whose name is not UTF-8 is shown, stored and restored under its
// real bytes, and its ROMs are inspected.
void TestVexa::folderNotUtf8IsStoredExactly()
{
    const QByteArray raw = QFile::encodeName(path(QStringLiteral("roms"))) + "/caf\xe9";
    QVERIFY(mkdir(raw.constData(), 0755) == 0);
    const QByteArray rom = RomBytes(400, 0x80, 0x03, 0x05, 0x00);
    const int fd = open((raw + "/x.gb").constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
    QVERIFY(fd >= 0);
    QCOMPARE(write(fd, rom.constData(), rom.size()), ssize_t(rom.size()));
    close(fd);
    Vexa *window = MakeWindow();
    window->Dir1->SetPath(DecodeFileName(raw));
    Settle();
    QCOMPARE(EncodeFileName(window->Dir1->Path()), raw);
    QCOMPARE(EncodeFileName(ReadSetting(SettingNames::Application, SettingNames::Section, SettingNames::RomPath)), raw);
    window = MakeWindow();
    QCOMPARE(EncodeFileName(window->Dir1->Path()), raw);
    ClickFile(QStringLiteral("x.gb"));
    QCOMPARE(window->StatusBar1->PanelAt(4).text, QStringLiteral("8MBit"));
}

VEXA_TEST_MAIN(TestVexa)
#include "test_vexa.moc"
