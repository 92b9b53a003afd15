#pragma once

#include "about/frmAbout.h"
#include "core/LaunchCommand.h"
#include "core/StartFailure.h"
#include "launcher/Launch.h"
#include "launcher/RomInspector.h"
#include "launcher/RomNotes.h"
#include "platform/Background.h"
#include "platform/SettingsWriter.h"

#include <QHash>
#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

class DirListBox;
class DriveListBox;
class EventLabel;
class FileListBox;
class LibraryOpening;
class Frame;
class QCheckBox;
class ComboBox;
class QLineEdit;
class PathArrival;
class RunReport;
class QPushButton;
class QRadioButton;
class StatusBar;

// The launcher's main window: browse for a ROM, see its header facts, pick the
// emulator's options and start it.
class Vexa : public QWidget
{
    Q_OBJECT

public:
    explicit Vexa(QWidget *parent = nullptr);
    ~Vexa() override;

    // The ROM last clicked: folder, "/", file name. Empty until the first click.
    QString Game;

    frmAbout *About() const { return about_; }
    // Opens the library window (Ctrl+L, the file list's context menu).
    LibraryOpening *Library() const { return library_; }

    // Shows the folder of a ROM file (stored like any change of folder) and,
    // once it is listed, selects the ROM as a click on it would.
    // An entry of an archive at path is selected by its listed name.
    void OpenRom(const QString &path, const std::string &entry = std::string());
    // Opens what is named on the command line, dropped on the window or
    // handed over by another launcher.
    PathArrival *Arrival() const { return arrival_; }
    // Shows the drive and folder lists, as "Rom Path" does, opened on folder,
    // for a user who has no ROM folder yet. The folder is remembered only
    // once the user opens another one.
    void OfferFolder(const QString &folder);
    // Whether the store held a ROM folder when the window was made.
    bool FolderStored() const { return folderStored_; }

    // Reads what a click on a ROM shows: its header and its picture.
    RomInspector *Inspector() const { return inspector_; }
    RomNotes *Notes() const { return notes_; }
    // Tells the user that the emulator could not be started, or stopped with
    // a failure right after it started. Replaceable by tests.
    std::function<void(const StartFailure &failure)> showStartFailure;
    // Tells the user of a problem in the "Vexa" message box: a folder that
    // cannot be read, a ROM that cannot be opened. Replaceable by tests.
    std::function<void(const QString &message)> showProblem;
    // Asks the user for the emulator program ("Find vexa…"); empty when cancelled.
    std::function<QString()> pickEmulator;

    // Starts the program at path instead of vexa on the PATH from now on, and
    // stores it; a path that is not a program that may be run is refused,
    // and said so. An empty path goes back to vexa on the PATH.
    void UseEmulator(const QString &path);
    // The program Run starts: empty for vexa on the PATH.
    QString Emulator() const { return launch_->Program; }
    // The way Run starts the emulator; anything that starts a game as Run
    // does goes through it, with LaunchChoices().
    Launch *Launcher() const { return launch_; }
    // The options Run would start the emulator with now.
    LaunchOptions LaunchChoices() const;

    // True while a folder, a listing, a ROM or a setting is still being read or written.
    bool Busy() const;
    // The placeholder for a missing game picture, which noimage holds once it is first needed.
    QPixmap PlaceholderPicture();

    Frame *Frame1 = nullptr;              // "Picture Of The Game": Image1, Drive1, Dir1
    Frame *Frame2 = nullptr;              // "Pick Your Gameboy Rom": File1
    Frame *Frame3 = nullptr;              // "Gameboy Mode", behind the three mode options
    Frame *Frame4 = nullptr;              // "Video Mode": Video
    Frame *Frame5 = nullptr;              // "Stereo Mode", behind Stereo
    Frame *Frame7 = nullptr;              // "Sound", behind Frame5
    Frame *Frame8 = nullptr;              // "Misc Options": Check1
    FileListBox *File1 = nullptr;         // the ROM files of the shown folder
    DriveListBox *Drive1 = nullptr;       // roots, shown by "Rom Path"
    DirListBox *Dir1 = nullptr;           // folders, shown by "Rom Path"
    EventLabel *Image1 = nullptr;         // the game's picture
    EventLabel *noimage = nullptr;        // holds the "No Image Found" placeholder, out of sight
    EventLabel *RunUp = nullptr;          // the Run picture
    EventLabel *RunDown = nullptr;        // the lit Run picture: a click starts the emulator
    QPushButton *Command2 = nullptr;      // "?": the About window
    QPushButton *Command3 = nullptr;      // "Rom Path": shows Drive1 and Dir1
    ComboBox *Video = nullptr;            // video mode
    ComboBox *Stereo = nullptr;           // sound mode
    std::array<QRadioButton *, 3> gbVärde = {}; // "GB Mode", "CGB Mode", "SGB Mode"
    QCheckBox *Check1 = nullptr;          // "Crc on/off"
    QCheckBox *Check2 = nullptr;          // "Delay on/off"
    QCheckBox *Check3 = nullptr;          // "2 Player (SGB)"
    QLineEdit *Text1 = nullptr;           // path box, out of sight: folder, ROM or last command
    StatusBar *StatusBar1 = nullptr;      // "CGB", "SGB", "JAP" and the ROM size

protected:
    void closeEvent(QCloseEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void ConnectHandlers();
    // Each root keeps the folder last shown on it, as a drive keeps its current folder.
    void RememberFolderOnDrive();
    void SelectPendingRom();
    // Whether the file list holds the shown folder's listing.
    bool FolderCounted() const;
    void ApplyHeader(const std::vector<std::uint8_t> &header);
    void ApplyPicture(const QImage &picture);
    // The cartridge title of the ROM whose header has just been read goes to its tool tip.
    void NoteTitle(const std::vector<std::uint8_t> &header);

    void Form_Load();
    void Form_Unload();
    void Form_MouseMove();
    void Command2_Click();
    void Command3_Click();
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void File1_DblClick();
    void File1_KeyPress(int keyAscii);
    void File1_MouseMove();
    void File1_MouseUp();
    void gbVärde_Click(int index);
    void RunUp_MouseMove();
    void RunDown_Click();

    QPointer<frmAbout> about_;
    LibraryOpening *library_ = nullptr;
    RomInspector *inspector_ = nullptr;
    RomNotes *notes_ = nullptr;
    PathArrival *arrival_ = nullptr;
    RunReport *report_ = nullptr;
    SettingsWriter settings_;
    QHash<QString, QString> folderOnDrive_;
    QString offeredFolder_;
    bool folderStored_ = false;
    QString gameArchive_; // the archive Game's entry lies in; empty for a plain file
    std::string gameEntry_;
    Launch *launch_ = nullptr;
    QString pendingRom_;
    QString pendingRomFolder_;
    std::string pendingRomEntry_; // inside the archive pendingRom_; empty for a plain file
    bool centred_ = false;
    bool closeWaited_ = false;
    bool closed_ = false;
    // The ROMs whose headers are still to come, in click order: folder and name.
    std::deque<std::pair<QString, QString>> inspected_;
};
