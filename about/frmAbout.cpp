#include "frmAbout.h"

#include "controls/EventLabel.h"
#include "controls/PictureBox.h"
#include "platform/Clock.h"
#include "platform/Fonts.h"
#include "controls/Desktop.h"
#include "platform/PictureLoader.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

const QColor kTeal(0, 64, 64);
const QColor kYellow(255, 255, 0);
const QColor kRed(255, 0, 0);
constexpr int kBorder = 1;
const QString kTitle = QStringLiteral("Vexa");

// Layout positions are in twips, 15 to a pixel, inside a one-pixel border.
QRect Twips(int left, int top, int width, int height)
{
    return QRect(left / 15 + kBorder, top / 15 + kBorder, width / 15, height / 15);
}

EventLabel *MakeExitLabel(QWidget *parent, const char *name, const QRect &rect)
{
    auto *label = new EventLabel(parent);
    label->setText(frmAbout::tr("EXIT"));
    label->setObjectName(QLatin1String(name));
    label->setGeometry(rect);
    QFont font = WindowsFont(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(9.75);
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kYellow);
    label->setPalette(palette);
    return label;
}

} // namespace

const QString frmAbout::CreditsText = QStringLiteral(
    "Vexa Launcher v3.0\r\n"
    "\r\n"
    "Producer\r\n"
    "Aren Olsby\r\n"
    "\r\n"
    "Graphic Design\r\n"
    "Aren Olsby\r\n"
    "\r\n"
    "Special Thanks To\r\n"
    "Torvik\r\n"
    "author of VEXAfront for helping me with\r\n"
    "information about gameboy indicators.\r\n"
    "CGB,SGB,MBit etc\r\n"
    "Thanks Again Tovrik!!!");

frmAbout::frmAbout(QWidget *parent)
    // A dialog of the main window: window managers keep it above its owner.
    : QWidget(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , tickCount(TickCount)
    , beep(Beep)
    , showError([this](const QString &prompt) { MessageBox(this, prompt, kExclamationOk, kTitle); })
{
    setObjectName(QStringLiteral("frmAbout"));
    setAccessibleName(tr("About"));
    // The name the desktop's task list and window switcher show.
    setWindowTitle(tr("About Vexa"));
    setFixedSize(373 + 2 * kBorder, 198 + 2 * kBorder);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kTeal);
    setPalette(palette);
    setMouseTracking(true);

    // Back to front.
    Image1 = new EventLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(ResourcePicture(QStringLiteral(":/about-frame.gif")));
    Image1->setGeometry(Twips(0, 0, 5565, 2940));
    Image1->setAccessibleName(tr("Frame"));
    connect(Image1, &EventLabel::MouseMove, this, &frmAbout::Image1_MouseMove);

    Label1 = MakeExitLabel(this, "Label1", Twips(1200, 900, 510, 240));
    lblExit = MakeExitLabel(this, "lblExit", Twips(4950, 2550, 510, 240));
    connect(lblExit, &EventLabel::MouseMove, this, &frmAbout::lblExit_MouseMove);
    connect(lblExit, &EventLabel::Click, this, &frmAbout::lblExit_Click);

    picScroll = new PictureBox(this);
    picScroll->setObjectName(QStringLiteral("picScroll"));
    picScroll->setGeometry(Twips(105, 75, 5370, 2475));
    picScroll->setAccessibleName(tr("Credits"));
    picScroll->SetBackColor(kTeal);
    picScroll->SetForeColor(kRed);
    connect(picScroll, &PictureBox::MouseMove, this, &frmAbout::picScroll_MouseMove);

    passTimer_.setSingleShot(true);
    passTimer_.setTimerType(Qt::PreciseTimer);
    connect(&passTimer_, &QTimer::timeout, this, &frmAbout::ScrollPass);

    // A window activated right after the program became active again was
    // reached from another program, not from one of ours.
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state != Qt::ApplicationActive || !activatedBefore_)
            return;
        returningFromElsewhere_ = true;
        QTimer::singleShot(0, this, [this] { returningFromElsewhere_ = false; });
    });

    Form_Load();
}

void frmAbout::Form_Load()
{
    picScroll->SetForeColor(kYellow);
    QFont font = picScroll->font();
    font.setPointSize(10);
    picScroll->setFont(font);
}

bool frmAbout::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate) {
        if (returningFromElsewhere_)
            returningFromElsewhere_ = false;
        else
            Form_Activate();
    } else if (event->type() == QEvent::Show && !activatedBefore_) {
        CentreOnScreen(this);
    }
    return QWidget::event(event);
}

void frmAbout::keyPressEvent(QKeyEvent *event)
{
    // The keys that close a dialog close this one as "EXIT" does.
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        lblExit_Click();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void frmAbout::Form_Activate()
{
    activatedBefore_ = true;
    // Never run the credits inside the activation itself.
    QTimer::singleShot(0, this, &frmAbout::ScrollCredits);
}

void frmAbout::ScrollCredits()
{
    if (StopScroll) {
        ScrollPass();
        return;
    }
    repaint();
    QRect rect(0, 0, 0, 0);
    measuring_ = true;
    const int height = measureText ? measureText(rect)
                                   : picScroll->DrawText(CreditsText, rect, PictureBox::kCalcRect);
    if (!scroller_.Start(height, picScroll->ScaleWidth(), picScroll->ScaleHeight())) {
        showError(tr("Error scrolling text"));
        StopScroll = true;
    }
    measuring_ = false;
    ScrollPass();
}

void frmAbout::ScrollPass()
{
    if (measuring_)
        return; // the run being started calls again when ready
    if (StopScroll) {
        passTimer_.stop();
        Unload();
        if (!finished_) {
            finished_ = true;
            emit Unloaded();
            deleteLater();
        }
        return;
    }
    if (!scroller_.Running())
        return;
    if (scroller_.FrameDue(tickCount()))
        DrawFrame();
    passTimer_.start(static_cast<int>(scroller_.MillisecondsUntilDue(tickCount())));
}

void frmAbout::DrawFrame()
{
    picScroll->Cls();
    QRect rect(QPoint(scroller_.Rect().left, scroller_.Rect().top),
               QPoint(scroller_.Rect().right - 1, scroller_.Rect().bottom - 1));
    picScroll->DrawText(CreditsText, rect, PictureBox::kCenter | PictureBox::kWordBreak);
    scroller_.Advance(picScroll->ScaleHeight());
    picScroll->Refresh();
    ++framesDrawn_;
    scroller_.FrameShown(tickCount());
}

void frmAbout::Unload()
{
    if (!closed_)
        close();
}

void frmAbout::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void frmAbout::Form_Unload()
{
    closed_ = true;
    StopScroll = true;
    passTimer_.start(0);
}

void frmAbout::mouseMoveEvent(QMouseEvent *event)
{
    if (!childAt(event->position().toPoint()))
        Form_MouseMove();
    QWidget::mouseMoveEvent(event);
}

void frmAbout::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), kTeal);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void frmAbout::SetExitColour(const QColor &colour)
{
    QPalette palette = lblExit->palette();
    palette.setColor(QPalette::WindowText, colour);
    lblExit->setPalette(palette);
}

void frmAbout::Form_MouseMove()
{
    SetExitColour(kYellow);
}

void frmAbout::Image1_MouseMove()
{
    SetExitColour(kYellow);
}

void frmAbout::picScroll_MouseMove()
{
    SetExitColour(kYellow);
}

void frmAbout::lblExit_MouseMove()
{
    SetExitColour(kRed);
}

void frmAbout::lblExit_Click()
{
    beep();
    StopScroll = true;
    passTimer_.start(0);
}
