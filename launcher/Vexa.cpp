#include "Vexa.h"

#include "about/frmAbout.h"
#include "controls/ComboBox.h"
#include "controls/DirListBox.h"
#include "controls/DriveListBox.h"
#include "controls/EventLabel.h"
#include "controls/FileListBox.h"
#include "controls/StatusBar.h"
#include "launcher/Launch.h"
#include "launcher/LibraryPlay.h"
#include "launcher/VexaLayout.h"
#include "launcher/PathArrival.h"
#include "launcher/RunReport.h"
#include "library/LibraryOpening.h"
#include "library/LibraryWindow.h"
#include "core/ArchiveEntryName.h"
#include "core/CartridgeTitle.h"
#include "core/GameCount.h"
#include "core/HeaderInspection.h"
#include "controls/Desktop.h"
#include "platform/CurrentFolder.h"
#include "platform/FileNames.h"
#include "platform/PictureLoader.h"
#include "platform/Settings.h"
#include "platform/SettingNames.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMessageBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cstdio>

namespace {

// Closing waits this long at most for the shown folder's listing, to count its games.
constexpr int kCloseWaitMs = 500;
// Closing waits this long at most for the settings to be stored.
constexpr int kStoreWaitMs = 1500;

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
{
    setObjectName(QStringLiteral("Vexa"));
    setWindowTitle(QStringLiteral("VExa Tessor v3.0 (Beta Release) By Norlund"));
    setWindowIcon(QIcon(ResourcePicture(QStringLiteral(":/vexa-32.png"))));
    setMouseTracking(true);

    inspector_ = new RomInspector(this);
    connect(inspector_, &RomInspector::HeaderRead, this, &Vexa::ApplyHeader);
    connect(inspector_, &RomInspector::PictureRead, this, &Vexa::ApplyPicture);
    launch_ = new Launch(this);

    showProblem = [this](const QString &message) {
        auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Vexa"), message, QMessageBox::Ok, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    };

    LayOutVexa(*this);
    ConnectHandlers();
    Form_Load();
    report_ = new RunReport(*this, *launch_, settings_);
    library_ = new LibraryOpening(this, File1);
    notes_ = new RomNotes(File1, this);
    // The library window is fed and played from when it is first made.
    connect(library_, &LibraryOpening::WindowMade, this, [this](LibraryWindow *shown) { new LibraryPlay(*this, *shown); });
    arrival_ = new PathArrival(*this);
}

Vexa::~Vexa()
{
    delete about_;
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
    return !FolderCounted() || inspector_->Busy() || settings_.Pending() || Drive1->Reading() || launch_->Busy();
}

void Vexa::Form_Load()
{
    gbVärde[1]->setChecked(true);

    // Each entry is shown in the user's language; its English text builds the command.
    Video->AddItemsKeepingText("Vexa", {QT_TR_NOOP("320x200 With Gif"), "320x200", "360x144", "180x144",
                                        QT_TR_NOOP("256x200 With Gif"), "256x200"});
    Stereo->AddItemsKeepingText("Vexa", {QT_TR_NOOP("Off"), QT_TR_NOOP("Mono"), QT_TR_NOOP("Normal"), QT_TR_NOOP("Reversed")});

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

void Vexa::OpenRom(const QString &path, const std::string &entry)
{
    const QFileInfo rom(FullFolderPath(path));
    pendingRom_ = rom.fileName();
    pendingRomEntry_ = entry;
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
    // An archive holding several ROMs lists each under a name of its own.
    const QString entryName = pendingRomEntry_.empty()
        ? QString()
        : DecodeFileName(QByteArray::fromStdString(
              ArchiveListName(EncodeFileName(pendingRom_).toStdString(), pendingRomEntry_, false)));
    const QString name = File1->ListNameOf(pendingRom_);
    pendingRom_.clear();
    pendingRomEntry_.clear();
    if (entryName.isEmpty() || !File1->Select(entryName))
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
        showProblem(tr("The folder %1 cannot be read.").arg(DisplayFileName(Dir1->Path())));
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
    StatusBar1->ApplyAction(QStringLiteral("CGB"), facts.CgbAction);
    StatusBar1->ApplyAction(QStringLiteral("SGB"), facts.SgbAction);
    StatusBar1->ApplyAction(QStringLiteral("JAP"), facts.JapAction);
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

LaunchOptions Vexa::LaunchChoices() const
{
    return ReadLaunchChoices(*this);
}

bool Vexa::focusNextPrevChild(bool next)
{
    return TabThroughModes(*this, next, [this](bool forward) { return QWidget::focusNextPrevChild(forward); });
}

void Vexa::RunDown_Click()
{
    launch_->Start(LaunchChoices(), gameArchive_.isEmpty() ? LaunchRom{Game, {}} : LaunchRom{gameArchive_, gameEntry_});
}


void Vexa::UseEmulator(const QString &path)
{
    report_->UseEmulator(path);
}

void Vexa::NoteTitle(const std::vector<std::uint8_t> &header)
{
    if (inspected_.empty())
        return;
    const auto [folder, name] = inspected_.front();
    inspected_.pop_front();
    if (folder != File1->Path() || header.empty())
        return;
    File1->SetTitle(name, QString::fromStdString(CartridgeTitle(header)));
    const ArchiveEntry *entry = File1->ArchiveEntryOf(name);
    notes_->Note(folder, name, folder + QLatin1Char('/') + (entry ? entry->archive : name),
                 entry ? entry->entry : std::string(), header);
}
