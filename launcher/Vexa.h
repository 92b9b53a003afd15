#pragma once

#include "../about/frmAbout.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

#include <array>

class DirListBox;
class DriveListBox;
class EventLabel;
class FileListBox;
class Frame;
class QCheckBox;
class QComboBox;
class QLineEdit;
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

    // Shows the folder of a ROM file and selects the ROM as a click on it
    // would. Returns false when the folder cannot be shown or does not list it.
    bool OpenRom(const QString &path);

    Frame *Frame1 = nullptr;
    Frame *Frame2 = nullptr;
    Frame *Frame3 = nullptr;
    Frame *Frame4 = nullptr;
    Frame *Frame5 = nullptr;
    Frame *Frame7 = nullptr;
    Frame *Frame8 = nullptr;
    FileListBox *File1 = nullptr;
    DriveListBox *Drive1 = nullptr;
    DirListBox *Dir1 = nullptr;
    EventLabel *Image1 = nullptr;
    EventLabel *noimage = nullptr;
    EventLabel *RunUp = nullptr;
    EventLabel *RunDown = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QComboBox *Video = nullptr;
    QComboBox *Stereo = nullptr;
    std::array<QRadioButton *, 3> gbVärde = {};
    QCheckBox *Check1 = nullptr;
    QCheckBox *Check2 = nullptr;
    QCheckBox *Check3 = nullptr;
    QLineEdit *Text1 = nullptr;
    StatusBar *StatusBar1 = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void BuildRomFrame();
    void BuildPictureFrame();
    void BuildOptionFrames();
    void BuildRunButton();
    void BuildHiddenControls();
    void ArrangeStackingAndTabs();
    void ConnectHandlers();
    // Each root keeps the folder last shown on it, as a drive keeps its current folder.
    void RememberFolderOnDrive();

    void Form_Load();
    void Form_Unload();
    void Form_MouseMove();
    void Command2_Click();
    void Command3_Click();
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void File1_MouseMove();
    void File1_MouseUp();
    void gbVärde_Click(int index);
    void RunUp_MouseMove();
    void RunDown_Click();

    QPointer<frmAbout> about_;
    QHash<QString, QString> folderOnDrive_;
    bool centred_ = false;
};
