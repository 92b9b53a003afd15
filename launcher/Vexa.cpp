#include "Vexa.h"

#include "about/frmAbout.h"
#include "controls/ComboBox.h"
#include "controls/DirListBox.h"
#include "controls/DriveListBox.h"
#include "controls/EventLabel.h"
#include "controls/FileListBox.h"
#include "controls/Frame.h"
#include "controls/StatusBar.h"
#include "controls/StatusBarAccessible.h"
#include "launcher/PathArrival.h"
#include "launcher/StartFailureBox.h"
#include "core/CartridgeTitle.h"
#include "core/GameCount.h"
#include "core/HeaderInspection.h"
#include "core/LaunchCommand.h"
#include "core/StartFailure.h"
#include "controls/Desktop.h"
#include "platform/CurrentFolder.h"
#include "platform/FileNames.h"
#include "platform/Fonts.h"
#include "platform/PictureLoader.h"
#include "platform/ProgramEndWatch.h"
#include "platform/ProgramStart.h"
#include "platform/RomCache.h"
#include "platform/RunCheck.h"
#include "platform/Settings.h"
#include "platform/SettingNames.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

const QColor kTeal(0, 64, 64);
const QColor kYellow(255, 255, 0);
const QColor kWhite(255, 255, 255);

// Closing waits this long at most for the shown folder's listing, to count its games.
constexpr int kCloseWaitMs = 500;
// Run waits this long at most to learn whether the ROM and the picked program are still there.
constexpr int kRunCheckWaitMs = 300;
// Closing waits this long at most for the settings to be stored.
constexpr int kStoreWaitMs = 1500;

// Layout positions are in twips, 15 to a pixel.
QRect Twips(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

QFont LayoutFont(const QString &face)
{
    QFont font = WindowsFont(face);
    font.setPointSizeF(8.25);
    font.setBold(true);
    return font;
}

void SetColours(QWidget *widget, const QColor &background, const QColor &text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
}

Frame *MakeFrame(QWidget *parent, const char *name, const QString &caption, const QRect &rect)
{
    auto *frame = new Frame(caption, parent);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(rect);
    SetColours(frame, kTeal, kYellow);
    return frame;
}

QCheckBox *MakeCheck(QWidget *parent, const char *name, const QString &caption, const QRect &rect)
{
    auto *check = new QCheckBox(caption, parent);
    check->setObjectName(QLatin1String(name));
    check->setGeometry(rect);
    // Drawn in the desktop's highlighted-text colour.
    SetColours(check, kTeal, check->palette().color(QPalette::HighlightedText));
    return check;
}

ComboBox *MakeCombo(QWidget *parent, const char *name, const QString &text, const QRect &rect)
{
    auto *combo = new ComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    combo->setEditText(text);
    combo->setGeometry(rect);
    return combo;
}

EventLabel *MakePicture(QWidget *parent, const char *name, const QString &resource, const QRect &rect)
{
    auto *label = new EventLabel(parent);
    label->setObjectName(QLatin1String(name));
    if (!resource.isEmpty())
        label->setPixmap(ResourcePicture(resource));
    label->setGeometry(rect);
    return label;
}

int CheckValue(const QCheckBox *check)
{
    switch (check->checkState()) {
    case Qt::Checked: return Checked;
    case Qt::PartiallyChecked: return Grayed;
    default: return Unchecked;
    }
}

void ApplyPanelAction(StatusBar *bar, const QString &key, PanelAction action)
{
    if (action == PanelAction::Keep)
        return;
    bar->SetPanelEnabled(bar->IndexOf(key), action == PanelAction::Enable);
}

} // namespace

Vexa::Vexa(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , settings_(
          [](const QString &key, const QString &value, QString *why) {
              return WriteSetting(SettingNames::Application, SettingNames::Section, key, value, why);
          },
          [](const QString &why) {
              std::fprintf(stderr, "vexa-launcher: the settings could not be stored: %s\n", why.toLocal8Bit().constData());
          })
    , unpack_(unpackLane_, [this](std::optional<Unpacked> unpacked) {
        if (unpacked && !unpacked->path.isEmpty()) {
            StartEmulator(unpackOptions_, unpacked->path);
            return;
        }
        const QString message = QStringLiteral("%1 cannot be unpacked: %2.")
                                    .arg(DisplayFileName(unpackingArchive_ + QStringLiteral(": ")
                                                         + DecodeFileName(QByteArray::fromStdString(unpackingEntry_))),
                                         unpacked ? unpacked->why : QStringLiteral("too much is being read already"));
        std::fprintf(stderr, "vexa-launcher: %s\n", message.toLocal8Bit().constData());
        StartFailure failure;
        failure.message = failure.summary = message.toStdString();
        failure.advice = "Nothing was started.";
        showStartFailure(failure);
    })
{
    setObjectName(QStringLiteral("Vexa"));
    setWindowTitle(QStringLiteral("VExa Tessor v3.0 (Beta Release) By Norlund"));
    setWindowIcon(QIcon(ResourcePicture(QStringLiteral(":/vexa-32.png"))));
    setFixedSize(349, 298);
    setFont(LayoutFont(QStringLiteral("MS Sans Serif")));
    QPalette teal = palette();
    teal.setColor(QPalette::Window, kTeal);
    setPalette(teal);
    setAutoFillBackground(true);
    setMouseTracking(true);

    inspector_ = new RomInspector(this);
    connect(inspector_, &RomInspector::HeaderRead, this, &Vexa::ApplyHeader);
    connect(inspector_, &RomInspector::PictureRead, this, &Vexa::ApplyPicture);
    showStartFailure = [this](const StartFailure &failure) { ShowStartFailure(failure); };
    pickEmulator = [this] {
        return QFileDialog::getOpenFileName(this, QStringLiteral("Find vexa"), QString(), QString(), nullptr,
                                            QFileDialog::DontUseNativeDialog);
    };
    unpackRom = [](const std::string &archive, const std::string &entry, std::string *why) {
        return RomCache(RomCache::DefaultFolder()).Unpack(archive, entry, why);
    };
    showProblem = [this](const QString &message) {
        auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Vexa"), message, QMessageBox::Ok, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    };

    // A line edit lays out its first text in the application's font before it
    // takes its own. With the window's font as the application's while the
    // controls are made, start-up loads one font face instead of two.
    const QFont applicationFont = QApplication::font();
    QApplication::setFont(font());
    BuildRomFrame();
    BuildPictureFrame();
    BuildOptionFrames();
    BuildRunButton();
    BuildHiddenControls();
    QApplication::setFont(applicationFont);
    GiveListsDesktopColours();
    ArrangeStackingAndTabs();
    ConnectHandlers();
    Form_Load();
    LoadStoredEmulator();
    arrival_ = new PathArrival(*this);
}

Vexa::~Vexa()
{
    delete about_;
}

void Vexa::BuildRomFrame()
{
    Frame2 = MakeFrame(this, "Frame2", QStringLiteral("Pick Your Gameboy Rom"), Twips(105, 75, 2415, 2775));
    File1 = new FileListBox(Frame2);
    File1->setObjectName(QStringLiteral("File1"));
    File1->SetPattern(QStringLiteral("*.gb; *.sgb; *cgb; *.gbc"));
    File1->setGeometry(Twips(105, 225, 2160, 2235));
    File1->setAccessibleName(QStringLiteral("Pick Your Gameboy Rom"));

    Command3 = new QPushButton(QStringLiteral("Rom Path"), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command3->setGeometry(Twips(750, 2550, 1065, 240));
}

void Vexa::BuildPictureFrame()
{
    Frame1 = MakeFrame(this, "Frame1", QStringLiteral("Picture Of The Game"), Twips(2550, 225, 2595, 2505));
    Image1 = MakePicture(Frame1, "Image1", QStringLiteral(":/console.bmp"), Twips(75, 210, 2460, 2220));
    Image1->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    Image1->setScaledContents(true);
    Image1->setAccessibleName(QStringLiteral("Game picture"));

    Drive1 = new DriveListBox(Frame1);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Drive1->setGeometry(Twips(75, 210, 2460, 315));
    Drive1->setAccessibleDescription(QStringLiteral("Drive"));
    Drive1->hide();

    Dir1 = new DirListBox(Frame1);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->setGeometry(Twips(90, 510, 2460, 1890));
    Dir1->setAccessibleName(QStringLiteral("Folder"));
    Dir1->hide();

    Command2 = new QPushButton(QStringLiteral("?"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setFont(LayoutFont(QStringLiteral("Arial")));
    Command2->setGeometry(Twips(5025, 0, 165, 195));
    Command2->setAccessibleDescription(QStringLiteral("About"));
}

void Vexa::BuildOptionFrames()
{
    Frame7 = MakeFrame(this, "Frame7", QStringLiteral("Sound"), Twips(180, 2895, 1515, 960));
    Frame5 = MakeFrame(this, "Frame5", QStringLiteral("Stereo Mode"), Twips(240, 3075, 1365, 540));
    Stereo = MakeCombo(this, "Stereo", QStringLiteral("Normal"), Twips(300, 3255, 1215, 315));
    Stereo->setAccessibleDescription(QStringLiteral("Stereo Mode"));

    Frame3 = MakeFrame(this, "Frame3", QStringLiteral("Gameboy Mode"), Twips(1740, 2895, 1575, 975));
    const QString captions[] = {QStringLiteral("GB Mode"), QStringLiteral("CGB Mode"), QStringLiteral("SGB Mode")};
    const QRect places[] = {Twips(1860, 3075, 1215, 255), Twips(1860, 3315, 1335, 255),
                            Twips(1860, 3555, 1335, 255)};
    for (int index = 0; index < 3; ++index) {
        auto *option = new QRadioButton(captions[index], this);
        option->setObjectName(QStringLiteral("gbVärde"));
        option->setProperty("index", index);
        option->setGeometry(places[index]);
        SetColours(option, kTeal, kWhite);
        gbVärde[static_cast<std::size_t>(index)] = option;
    }

    Frame8 = MakeFrame(this, "Frame8", QStringLiteral("Misc Options"), Twips(3360, 2895, 1725, 975));
    Check1 = MakeCheck(Frame8, "Check1", QStringLiteral("Crc on/off"), Twips(120, 180, 1275, 195));
    Check2 = MakeCheck(this, "Check2", QStringLiteral("Delay on/off"), Twips(3480, 3315, 1455, 195));
    Check3 = MakeCheck(this, "Check3", QStringLiteral("2 Player (SGB)"), Twips(3480, 3555, 1575, 195));

    Frame4 = MakeFrame(this, "Frame4", QStringLiteral("Video Mode"), Twips(150, 3900, 2010, 540));
    Video = MakeCombo(Frame4, "Video", QStringLiteral("320x200 With Gif"), Twips(60, 180, 1875, 315));
    Video->setAccessibleDescription(QStringLiteral("Video Mode"));
}

void Vexa::BuildRunButton()
{
    RunUp = MakePicture(this, "RunUp", QStringLiteral(":/runup.png"), Twips(4125, 3900, 1065, 285));
    // The lit picture is decoded when the pointer first comes onto the Run picture.
    RunDown = MakePicture(this, "RunDown", QString(), Twips(4125, 3900, 1065, 285));
    RunDown->SetPictureWhenShown(QStringLiteral(":/rundown.png"));
    RunUp->setAccessibleName(QStringLiteral("Run"));
    RunDown->setAccessibleName(QStringLiteral("Run"));
    RunDown->hide();

    StatusBarAccessible::Install();
    StatusBar1 = new StatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setFont(LayoutFont(QStringLiteral("Arial")));
    StatusBar1->setGeometry(Twips(2700, 4200, 2535, 255));
    // Widths are kept in hundredths of a millimetre: 979 is 37 pixels, 1402 is 53.
    StatusBar1->AddPanel({QStringLiteral("CGB"), QStringLiteral("CGB"), QStringLiteral("Gameboy Color"), 37, 37});
    StatusBar1->AddPanel({QStringLiteral("SGB"), QStringLiteral("SGB"), QStringLiteral("Super Gameboy"), 37, 37});
    StatusBar1->AddPanel({QStringLiteral("JAP"), QStringLiteral("JAP"), QStringLiteral("Country"), 37, 37});
    StatusBar1->AddPanel({QStringLiteral("0MBit"), QStringLiteral("MBits"), QStringLiteral("ROM Size"), 53, 53});
}

void Vexa::BuildHiddenControls()
{
    // Both lie outside the fixed client area and are never seen: Text1 takes
    // the paths and commands, noimage holds the placeholder picture.
    Text1 = new QLineEdit(QStringLiteral("Text1"), this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(Twips(150, 5025, 4740, 390));
    Text1->setAccessibleName(QStringLiteral("Path"));
    // Its picture is decoded when a game picture is first missing.
    noimage = MakePicture(this, "noimage", QString(), Twips(6180, 6000, 2940, 1815));
    noimage->setAccessibleName(QStringLiteral("No Image Found"));
}

void Vexa::GiveListsDesktopColours()
{
    // The lists sit in teal frames with yellow captions; their scroll bars,
    // arrows and the corner between the bars take the desktop's colours, as
    // the list itself does.
    QPalette desktop;
    const QPalette standard = QApplication::palette();
    // Every role set on its own, so that none comes from the frame around.
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = static_cast<QPalette::ColorGroup>(group);
            const auto r = static_cast<QPalette::ColorRole>(role);
            desktop.setBrush(g, r, standard.brush(g, r));
        }
    }
    for (QWidget *list : std::initializer_list<QWidget *>{File1, Dir1, Drive1})
        list->setPalette(desktop);
    // Names longer than the list are cut; the tool tip shows them whole.
    File1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void Vexa::ArrangeStackingAndTabs()
{
    // Back to front.
    const QList<QWidget *> stacking{noimage, RunUp, RunDown, Frame7, Frame2, Frame3, gbVärde[0],
                                    gbVärde[1], Frame4, Command2, Frame1, Frame5, Stereo, Frame8,
                                    Check2, Check3, StatusBar1, Command3, Text1, gbVärde[2]};
    for (QWidget *widget : stacking)
        widget->raise();

    StatusBar1->setFocusPolicy(Qt::NoFocus);
    // The path box lies out of sight, so it takes no focus.
    Text1->setFocusPolicy(Qt::NoFocus);
    const QList<QWidget *> tabs{File1, gbVärde[0], gbVärde[1], Video, Command2, Stereo, Check1,
                                Check2, Check3, Command3, gbVärde[2], Drive1, Dir1};
    for (int i = 1; i < tabs.size(); ++i)
        setTabOrder(tabs.at(i - 1), tabs.at(i));
}

void Vexa::ConnectHandlers()
{
    connect(Command2, &QPushButton::clicked, this, &Vexa::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Vexa::Command3_Click);
    connect(Drive1, &DriveListBox::Changed, this, &Vexa::Drive1_Change);
    connect(Dir1, &DirListBox::Changed, this, &Vexa::Dir1_Change);
    connect(File1, &FileListBox::Click, this, &Vexa::File1_Click);
    connect(File1, &FileListBox::DblClick, this, &Vexa::File1_DblClick);
    connect(File1, &FileListBox::KeyPress, this, &Vexa::File1_KeyPress);
    connect(File1, &FileListBox::Listed, this, &Vexa::SelectPendingRom);
    connect(File1, &FileListBox::MouseMove, this, &Vexa::File1_MouseMove);
    connect(File1, &FileListBox::MouseUp, this, &Vexa::File1_MouseUp);
    for (QRadioButton *option : gbVärde) {
        const int index = option->property("index").toInt();
        connect(option, &QRadioButton::toggled, this, [this, index](bool checked) {
            if (checked)
                gbVärde_Click(index);
        });
    }
    connect(RunUp, &EventLabel::MouseMove, this, &Vexa::RunUp_MouseMove);
    connect(RunDown, &EventLabel::Click, this, &Vexa::RunDown_Click);
}

bool Vexa::focusNextPrevChild(bool next)
{
    // The mode group takes one place in the tab order, its first option's, and
    // tabbing into it lands on the chosen mode, as in a classic dialog.
    if (std::find(gbVärde.begin(), gbVärde.end(), focusWidget()) != gbVärde.end())
        gbVärde[0]->setFocus(Qt::OtherFocusReason);
    if (!QWidget::focusNextPrevChild(next))
        return false;
    const auto reached = std::find(gbVärde.begin(), gbVärde.end(), focusWidget());
    if (reached != gbVärde.end() && !(*reached)->isChecked()) {
        for (QRadioButton *option : gbVärde) {
            if (option->isChecked())
                option->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        }
    }
    return true;
}

void Vexa::mouseMoveEvent(QMouseEvent *event)
{
    // Check boxes and option buttons pass their moves on; only the bare
    // background counts.
    if (!childAt(event->position().toPoint()))
        Form_MouseMove();
    QWidget::mouseMoveEvent(event);
}

void Vexa::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!centred_) {
        centred_ = true;
        CentreOnScreen(this);
    }
}

void Vexa::closeEvent(QCloseEvent *event)
{
    if (closed_) {
        event->accept();
        return;
    }
    // The games are counted once the shown folder is listed: a slow folder gets a short wait.
    if (!FolderCounted() && !closeWaited_) {
        closeWaited_ = true;
        event->ignore();
        connect(File1, &FileListBox::Listed, this, &QWidget::close, Qt::SingleShotConnection);
        QTimer::singleShot(kCloseWaitMs, this, &QWidget::close);
        return;
    }
    closed_ = true;
    Form_Unload();
    event->accept();
}

bool Vexa::FolderCounted() const
{
    return !Dir1->Pending() && !File1->Listing();
}

bool Vexa::Busy() const
{
    return !FolderCounted() || inspector_->Busy() || settings_.Pending() || Drive1->Reading() || unpack_.InFlight();
}

void Vexa::Form_Load()
{
    gbVärde[1]->setChecked(true);

    const QString videoText = Video->currentText();
    Video->addItems({QStringLiteral("320x200 With Gif"), QStringLiteral("320x200"), QStringLiteral("360x144"),
                     QStringLiteral("180x144"), QStringLiteral("256x200 With Gif"), QStringLiteral("256x200")});
    Video->setCurrentIndex(-1);
    Video->setEditText(videoText);

    const QString stereoText = Stereo->currentText();
    Stereo->addItems({QStringLiteral("Off"), QStringLiteral("Mono"), QStringLiteral("Normal"),
                      QStringLiteral("Reversed")});
    Stereo->setCurrentIndex(-1);
    Stereo->setEditText(stereoText);

    // The stored folder is checked in the background; the file list and the
    // drive list follow the folder the folder list then shows. The file list
    // starts reading the stored folder at once, so that a large folder is
    // listed by the time the window is up; should the folder list refuse it,
    // the file list moves on to the folder that is shown instead.
    const QString stored = ReadSetting(SettingNames::Application, SettingNames::Section, SettingNames::RomPath);
    folderStored_ = !stored.isEmpty();
    if (!stored.isEmpty())
        File1->SetPath(FullFolderPath(stored));
    Dir1->SetPath(stored, [this] {
        File1->SetPath(Dir1->Path());
        RememberFolderOnDrive();
        Drive1->SetDrive(Dir1->Path());
    });

    Check1->setCheckState(Qt::Checked);
    Check2->setCheckState(Qt::Checked);
    Check3->setCheckState(Qt::Unchecked);
}

void Vexa::Form_Unload()
{
    if (about_)
        about_->Unload();
    // Never counted: the stored count stays.
    if (FolderCounted()) {
        const int count = StoredGameCount(static_cast<std::size_t>(File1->ListCount()));
        settings_.Write(SettingNames::TotGames, QString::number(count));
    }
    settings_.Flush(kStoreWaitMs);
}

void Vexa::OpenRom(const QString &path)
{
    const QFileInfo rom(FullFolderPath(path));
    pendingRom_ = rom.fileName();
    pendingRomFolder_ = rom.path();
    Dir1->SetPath(pendingRomFolder_, [this] {
        File1->SetPath(Dir1->Path());
        SelectPendingRom();
    });
}

void Vexa::OfferFolder(const QString &folder)
{
    offeredFolder_ = FullFolderPath(folder);
    Command3_Click();
    Dir1->SetPath(offeredFolder_);
}

void Vexa::SelectPendingRom()
{
    if (pendingRom_.isEmpty() || File1->Listing() || File1->Path() != pendingRomFolder_)
        return;
    const QString name = File1->ListNameOf(pendingRom_);
    pendingRom_.clear();
    File1->Select(name);
}

void Vexa::Form_MouseMove()
{
    RunDown->setVisible(false);
}

void Vexa::Command2_Click()
{
    if (!about_ || about_->StopScroll) {
        // A window told to stop closes now rather than at its next pass, so
        // there is never a second one.
        if (about_)
            about_->Unload();
        frmAbout *about = new frmAbout(this);
        about_ = about;
        // Only the window that unloads may forget itself.
        connect(about, &frmAbout::Unloaded, this, [this, about] {
            if (about_ == about)
                about_ = nullptr;
        });
    }
    about_->show();
    about_->raise();
    about_->activateWindow();
}

void Vexa::Command3_Click()
{
    Drive1->Refresh();
    Drive1->setVisible(true);
    Dir1->setVisible(true);
}

void Vexa::Drive1_Change()
{
    const QString root = Drive1->DriveRoot();
    Dir1->SetPath(folderOnDrive_.value(root, root));
}

void Vexa::RememberFolderOnDrive()
{
    folderOnDrive_.insert(DriveOf(Dir1->Path(), Drive1->Drives()), Dir1->Path());
}

void Vexa::Dir1_Change()
{
    RememberFolderOnDrive();
    File1->SetPath(Dir1->Path());
    Text1->setText(Dir1->Path());
    // A folder this user may not read is shown, empty, but never stored:
    // later starts would open on an empty list.
    if (Dir1->Unreadable() && Dir1->isVisible())
        showProblem(QStringLiteral("The folder %1 cannot be read.").arg(DisplayFileName(Dir1->Path())));
    else if (!Dir1->Unreadable() && Dir1->Path() != offeredFolder_)
        settings_.Write(SettingNames::RomPath, Dir1->Path());
    if (Dir1->Path() != offeredFolder_)
        offeredFolder_.clear();
    // The drive list shows the root the folder now lies on.
    Drive1->SetDrive(Dir1->Path());
}

void Vexa::File1_Click()
{
    Drive1->setVisible(false);
    Dir1->setVisible(false);
    const QString fileName = File1->FileName();
    Game = File1->Path() + QLatin1Char('/') + fileName;
    Text1->setText(Game);
    inspected_.emplace_back(File1->Path(), fileName);
    const ArchiveEntry *entry = File1->ArchiveEntryOf(fileName);
    gameArchive_ = entry ? File1->Path() + QLatin1Char('/') + entry->archive : QString();
    gameEntry_ = entry ? entry->entry : std::string();
    if (entry)
        inspector_->InspectEntry(File1->Path(), entry->archive, entry->entry);
    else
        inspector_->Inspect(File1->Path(), fileName);
}

void Vexa::ApplyHeader(const std::vector<std::uint8_t> &header)
{
    NoteTitle(header);
    const HeaderFacts facts = InspectHeader(header);
    ApplyPanelAction(StatusBar1, QStringLiteral("CGB"), facts.CgbAction);
    ApplyPanelAction(StatusBar1, QStringLiteral("SGB"), facts.SgbAction);
    ApplyPanelAction(StatusBar1, QStringLiteral("JAP"), facts.JapAction);
    StatusBar1->SetPanelEnabled(4, true);
    StatusBar1->SetPanelText(4, QString::fromStdString(facts.RomSizeText));
}

QPixmap Vexa::PlaceholderPicture()
{
    if (noimage->pixmap().isNull())
        noimage->setPixmap(ResourcePicture(QStringLiteral(":/noimage.bmp")));
    return noimage->pixmap();
}

void Vexa::ApplyPicture(const QImage &picture)
{
    Image1->setPixmap(picture.isNull() ? PlaceholderPicture() : QPixmap::fromImage(picture));
}

void Vexa::File1_DblClick()
{
    RunDown_Click();
}

void Vexa::File1_KeyPress(int keyAscii)
{
    if (keyAscii == 13)
        RunDown_Click();
}

void Vexa::File1_MouseMove()
{
    RunDown->setVisible(false);
}

void Vexa::File1_MouseUp()
{
    RunDown->setVisible(false);
}

void Vexa::gbVärde_Click(int index)
{
    // Choosing a mode takes effect only when the emulator is started.
    Q_UNUSED(index);
}

void Vexa::RunUp_MouseMove()
{
    RunDown->setVisible(true);
}

LaunchOptions Vexa::GatherLaunchOptions() const
{
    LaunchOptions options;
    options.VideoText = Video->currentText().toStdString();
    options.StereoText = Stereo->currentText().toStdString();
    for (int index = 0; index < 3; ++index) {
        if (gbVärde[static_cast<std::size_t>(index)]->isChecked())
            options.ModeIndex = index;
    }
    options.CrcState = CheckValue(Check1);
    options.DelayState = CheckValue(Check2);
    options.TwoPlayerState = CheckValue(Check3);
    options.Game = EncodeFileName(Game).toStdString();
    return options;
}

void Vexa::RunDown_Click()
{
    if (!gameArchive_.isEmpty())
        UnpackAndRun();
    else
        StartEmulator(GatherLaunchOptions(), Game);
}

void Vexa::UnpackAndRun()
{
    // A second click while the same ROM is being unpacked starts nothing more.
    if (unpack_.InFlight() && unpackingArchive_ == gameArchive_ && unpackingEntry_ == gameEntry_)
        return;
    unpackingArchive_ = gameArchive_;
    unpackingEntry_ = gameEntry_;
    unpackOptions_ = GatherLaunchOptions();
    unpack_.Start([unpack = unpackRom, archive = EncodeFileName(gameArchive_).toStdString(), entry = gameEntry_] {
        std::string why;
        const std::string path = unpack(archive, entry, &why);
        return Unpacked{DecodeFileName(QByteArray::fromStdString(path)), QString::fromLocal8Bit(why.c_str())};
    });
}

void Vexa::StartEmulator(LaunchOptions options, const QString &rom)
{
    options.Game = EncodeFileName(rom).toStdString();
    // The command is shown as text; the ROM path reaches the emulator whole.
    const QString program = emulator_.isEmpty() ? QStringLiteral("vexa") : emulator_;
    const QString command = program + QString::fromStdString(SwitchesCommand(options)).mid(4) + rom;
    const RunCheck check = CheckBeforeRun(emulator_, rom, kRunCheckWaitMs);
    if (check.romGone) {
        showProblem(QStringLiteral("The ROM %1 is not there any more: it was deleted or renamed since it was clicked.")
                        .arg(DisplayFileName(rom)));
        return;
    }
    if (check.programError != 0) {
        ReportStartFailure(command, check.programError);
        return;
    }
    std::vector<std::string> words = LaunchArguments(options);
    if (!emulator_.isEmpty())
        words.front() = EncodeFileName(emulator_).toStdString();
    int error = 0;
    ProgramWatch watch;
    watch.windowMs = EmulatorWatchMs;
    if (StartProgram(words, 1, &error, &watch) < 0) {
        ReportStartFailure(command, error);
        return;
    }
    Text1->setText(command);
    // An emulator that gives up at once (a ROM it cannot open) says why on
    // its error output, which nobody sees after a start from the menu.
    auto *ended = new ProgramEndWatch(watch.fd, this);
    connect(ended, &ProgramEndWatch::Failed, this, [this, command](const ProgramEnd &end) {
        showStartFailure(DescribeEarlyEnd(end.exitCode, end.signal,
                                          std::string(end.tail, static_cast<std::size_t>(end.length)),
                                          DisplayFileName(command).toStdString()));
    });
    connect(ended, &ProgramEndWatch::Done, ended, &QObject::deleteLater);
}

void Vexa::ReportStartFailure(const QString &command, int error)
{
    const bool found = emulator_.isEmpty() ? !FindProgram(QByteArrayLiteral("vexa")).isEmpty()
                                           : CheckProgramFile(emulator_) != ENOENT;
    const std::string program = emulator_.isEmpty() ? std::string("vexa") : DisplayFileName(emulator_).toStdString();
    const StartFailure failure =
        DescribeStartFailure(error, program, found, std::strerror(error), DisplayFileName(command).toStdString());
    std::fprintf(stderr, "%s\n", failure.message.c_str());
    showStartFailure(failure);
}

void Vexa::ShowStartFailure(const StartFailure &failure)
{
    auto *box = new StartFailureBox(failure, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &StartFailureBox::FindProgram, this, &Vexa::FindEmulator, Qt::QueuedConnection);
    box->open();
}

void Vexa::LoadStoredEmulator()
{
    emulator_ = ReadSetting(SettingNames::Application, SettingNames::Section, SettingNames::EmulatorPath);
}

void Vexa::FindEmulator()
{
    const QString picked = pickEmulator();
    if (!picked.isEmpty())
        UseEmulator(picked);
}

void Vexa::UseEmulator(const QString &path)
{
    if (!path.isEmpty() && CheckProgramFile(path) != 0) {
        showProblem(QStringLiteral("%1 is not a program that may be run: the emulator is left as it was.")
                        .arg(DisplayFileName(path)));
        return;
    }
    emulator_ = path;
    settings_.Write(SettingNames::EmulatorPath, path);
}

void Vexa::NoteTitle(const std::vector<std::uint8_t> &header)
{
    if (inspected_.empty())
        return;
    const auto [folder, name] = inspected_.front();
    inspected_.pop_front();
    if (folder == File1->Path() && !header.empty())
        File1->SetTitle(name, QString::fromStdString(CartridgeTitle(header)));
}
