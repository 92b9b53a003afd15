#include "VexaLayout.h"

#include "controls/ComboBox.h"
#include "controls/DirListBox.h"
#include "controls/DriveListBox.h"
#include "controls/EventLabel.h"
#include "controls/FileListBox.h"
#include "controls/FocusMark.h"
#include "controls/Frame.h"
#include "controls/StatusBar.h"
#include "launcher/Vexa.h"
#include "platform/Fonts.h"
#include "platform/PictureLoader.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace {

int CheckValue(const QCheckBox *check)
{
    switch (check->checkState()) {
    case Qt::Checked: return Checked;
    case Qt::PartiallyChecked: return Grayed;
    default: return Unchecked;
    }
}

const QColor kTeal(0, 64, 64);
const QColor kYellow(255, 255, 0);
const QColor kWhite(255, 255, 255);

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
    check->setStyle(FocusMarkStyle());
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

void BuildRomFrame(Vexa &w)
{
    w.Frame2 = MakeFrame(&w, "Frame2", Vexa::tr("Pick Your Gameboy Rom"), Twips(105, 75, 2415, 2775));
    w.File1 = new FileListBox(w.Frame2);
    w.File1->setObjectName(QStringLiteral("File1"));
    w.File1->SetPattern(QStringLiteral("*.gb; *.sgb; *cgb; *.gbc"));
    w.File1->setGeometry(Twips(105, 225, 2160, 2235));
    w.File1->setAccessibleName(Vexa::tr("Pick Your Gameboy Rom"));

    w.Command3 = new QPushButton(Vexa::tr("Rom Path"), &w);
    w.Command3->setObjectName(QStringLiteral("Command3"));
    w.Command3->setGeometry(Twips(750, 2550, 1065, 240));
}

void BuildPictureFrame(Vexa &w)
{
    w.Frame1 = MakeFrame(&w, "Frame1", Vexa::tr("Picture Of The Game"), Twips(2550, 225, 2595, 2505));
    w.Image1 = MakePicture(w.Frame1, "Image1", QStringLiteral(":/console.bmp"), Twips(75, 210, 2460, 2220));
    w.Image1->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    w.Image1->setScaledContents(true);
    w.Image1->setAccessibleName(Vexa::tr("Game picture"));

    w.Drive1 = new DriveListBox(w.Frame1);
    w.Drive1->setObjectName(QStringLiteral("Drive1"));
    w.Drive1->setGeometry(Twips(75, 210, 2460, 315));
    w.Drive1->setAccessibleDescription(Vexa::tr("Drive"));
    w.Drive1->hide();

    w.Dir1 = new DirListBox(w.Frame1);
    w.Dir1->setObjectName(QStringLiteral("Dir1"));
    w.Dir1->setGeometry(Twips(90, 510, 2460, 1890));
    w.Dir1->setAccessibleName(Vexa::tr("Folder"));
    w.Dir1->hide();

    w.Command2 = new QPushButton(QStringLiteral("?"), &w);
    w.Command2->setObjectName(QStringLiteral("Command2"));
    w.Command2->setFont(LayoutFont(QStringLiteral("Arial")));
    w.Command2->setGeometry(Twips(5025, 0, 165, 195));
    w.Command2->setAccessibleDescription(Vexa::tr("About"));
}

void BuildOptionFrames(Vexa &w)
{
    w.Frame7 = MakeFrame(&w, "Frame7", Vexa::tr("Sound"), Twips(180, 2895, 1515, 960));
    w.Frame5 = MakeFrame(&w, "Frame5", Vexa::tr("Stereo Mode"), Twips(240, 3075, 1365, 540));
    w.Stereo = MakeCombo(&w, "Stereo", Vexa::tr("Normal"), Twips(300, 3255, 1215, 315));
    w.Stereo->setAccessibleDescription(Vexa::tr("Stereo Mode"));

    w.Frame3 = MakeFrame(&w, "Frame3", Vexa::tr("Gameboy Mode"), Twips(1740, 2895, 1575, 975));
    const QString captions[] = {Vexa::tr("GB Mode"), Vexa::tr("CGB Mode"), Vexa::tr("SGB Mode")};
    const QRect places[] = {Twips(1860, 3075, 1215, 255), Twips(1860, 3315, 1335, 255),
                            Twips(1860, 3555, 1335, 255)};
    for (int index = 0; index < 3; ++index) {
        auto *option = new QRadioButton(captions[index], &w);
        option->setObjectName(QStringLiteral("gbVärde"));
        option->setProperty("index", index);
        option->setGeometry(places[index]);
        SetColours(option, kTeal, kWhite);
        option->setStyle(FocusMarkStyle());
        w.gbVärde[static_cast<std::size_t>(index)] = option;
    }

    w.Frame8 = MakeFrame(&w, "Frame8", Vexa::tr("Misc Options"), Twips(3360, 2895, 1725, 975));
    w.Check1 = MakeCheck(w.Frame8, "Check1", Vexa::tr("Crc on/off"), Twips(120, 180, 1275, 195));
    w.Check2 = MakeCheck(&w, "Check2", Vexa::tr("Delay on/off"), Twips(3480, 3315, 1455, 195));
    w.Check3 = MakeCheck(&w, "Check3", Vexa::tr("2 Player (SGB)"), Twips(3480, 3555, 1575, 195));

    w.Frame4 = MakeFrame(&w, "Frame4", Vexa::tr("Video Mode"), Twips(150, 3900, 2010, 540));
    w.Video = MakeCombo(w.Frame4, "Video", Vexa::tr("320x200 With Gif"), Twips(60, 180, 1875, 315));
    w.Video->setAccessibleDescription(Vexa::tr("Video Mode"));
}

void BuildRunButton(Vexa &w)
{
    w.RunUp = MakePicture(&w, "RunUp", QStringLiteral(":/runup.png"), Twips(4125, 3900, 1065, 285));
    // The lit picture is decoded when the pointer first comes onto the Run picture.
    w.RunDown = MakePicture(&w, "RunDown", QString(), Twips(4125, 3900, 1065, 285));
    w.RunDown->SetPictureWhenShown(QStringLiteral(":/rundown.png"));
    w.RunUp->setAccessibleName(Vexa::tr("Run"));
    w.RunDown->setAccessibleName(Vexa::tr("Run"));
    w.RunDown->hide();

    w.StatusBar1 = new StatusBar(&w);
    w.StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    w.StatusBar1->setFont(LayoutFont(QStringLiteral("Arial")));
    w.StatusBar1->setGeometry(Twips(2700, 4200, 2535, 255));
    // Widths are kept in hundredths of a millimetre: 979 is 37 pixels, 1402 is 53.
    w.StatusBar1->AddPanel({QStringLiteral("CGB"), QStringLiteral("CGB"), Vexa::tr("Gameboy Color"), 37, 37});
    w.StatusBar1->AddPanel({QStringLiteral("SGB"), QStringLiteral("SGB"), Vexa::tr("Super Gameboy"), 37, 37});
    w.StatusBar1->AddPanel({QStringLiteral("JAP"), QStringLiteral("JAP"), Vexa::tr("Country"), 37, 37});
    w.StatusBar1->AddPanel({QStringLiteral("0MBit"), QStringLiteral("MBits"), Vexa::tr("ROM Size"), 53, 53});
}

void BuildHiddenControls(Vexa &w)
{
    // Both lie outside the fixed client area and are never seen: w.Text1 takes
    // the paths and commands, w.noimage holds the placeholder picture.
    w.Text1 = new QLineEdit(QStringLiteral("Text1"), &w);
    w.Text1->setObjectName(QStringLiteral("Text1"));
    w.Text1->setGeometry(Twips(150, 5025, 4740, 390));
    w.Text1->setAccessibleName(Vexa::tr("Path"));
    // Its picture is decoded when a game picture is first missing.
    w.noimage = MakePicture(&w, "noimage", QString(), Twips(6180, 6000, 2940, 1815));
    w.noimage->setAccessibleName(Vexa::tr("No Image Found"));
}

void GiveListsDesktopColours(Vexa &w)
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
    for (QWidget *list : std::initializer_list<QWidget *>{w.File1, w.Dir1, w.Drive1})
        list->setPalette(desktop);
    // Names longer than the list are cut; the tool tip shows them whole.
    w.File1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void ArrangeStackingAndTabs(Vexa &w)
{
    // Back to front.
    const QList<QWidget *> stacking{w.noimage, w.RunUp, w.RunDown, w.Frame7, w.Frame2, w.Frame3, w.gbVärde[0],
                                    w.gbVärde[1], w.Frame4, w.Command2, w.Frame1, w.Frame5, w.Stereo, w.Frame8,
                                    w.Check2, w.Check3, w.StatusBar1, w.Command3, w.Text1, w.gbVärde[2]};
    for (QWidget *widget : stacking)
        widget->raise();

    w.StatusBar1->setFocusPolicy(Qt::NoFocus);
    // The path box lies out of sight, so it takes no focus.
    w.Text1->setFocusPolicy(Qt::NoFocus);
    const QList<QWidget *> tabs{w.File1, w.gbVärde[0], w.gbVärde[1], w.Video, w.Command2, w.Stereo, w.Check1,
                                w.Check2, w.Check3, w.Command3, w.gbVärde[2], w.Drive1, w.Dir1};
    for (int i = 1; i < tabs.size(); ++i)
        QWidget::setTabOrder(tabs.at(i - 1), tabs.at(i));
}

} // namespace

void LayOutVexa(Vexa &w)
{
    w.setFixedSize(349, 298);
    w.setFont(LayoutFont(QStringLiteral("MS Sans Serif")));
    QPalette teal = w.palette();
    teal.setColor(QPalette::Window, kTeal);
    w.setPalette(teal);
    w.setAutoFillBackground(true);
    // A line edit lays out its first text in the application's font before it
    // takes its own. With the window's font as the application's while the
    // controls are made, start-up loads one font face instead of two.
    const QFont applicationFont = QApplication::font();
    QApplication::setFont(w.font());
    BuildRomFrame(w);
    BuildPictureFrame(w);
    BuildOptionFrames(w);
    BuildRunButton(w);
    BuildHiddenControls(w);
    QApplication::setFont(applicationFont);
    GiveListsDesktopColours(w);
    ArrangeStackingAndTabs(w);
}

LaunchOptions ReadLaunchChoices(const Vexa &w)
{
    LaunchOptions options;
    options.VideoText = w.Video->SourceText().toStdString();
    options.StereoText = w.Stereo->SourceText().toStdString();
    for (int index = 0; index < 3; ++index) {
        if (w.gbVärde[static_cast<std::size_t>(index)]->isChecked())
            options.ModeIndex = index;
    }
    options.CrcState = CheckValue(w.Check1);
    options.DelayState = CheckValue(w.Check2);
    options.TwoPlayerState = CheckValue(w.Check3);
    return options;
}

bool TabThroughModes(Vexa &w, bool next, const std::function<bool(bool next)> &moveFocus)
{
    // The mode group takes one place in the tab order, its first option's, and
    // tabbing into it lands on the chosen mode, as in a classic dialog.
    if (std::find(w.gbVärde.begin(), w.gbVärde.end(), w.focusWidget()) != w.gbVärde.end())
        w.gbVärde[0]->setFocus(Qt::OtherFocusReason);
    if (!moveFocus(next))
        return false;
    const auto reached = std::find(w.gbVärde.begin(), w.gbVärde.end(), w.focusWidget());
    if (reached != w.gbVärde.end() && !(*reached)->isChecked()) {
        for (QRadioButton *option : w.gbVärde) {
            if (option->isChecked())
                option->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        }
    }
    return true;
}
