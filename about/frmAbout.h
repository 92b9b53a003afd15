#pragma once

#include "core/CreditsScroller.h"

#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <functional>

class EventLabel;
class PictureBox;

// The frameless About window: credits rising through a box, and "EXIT".
// The credits are paced by a timer on the main event loop; a run starts at
// every activation by one of the program's own windows.
class frmAbout : public QWidget
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget *parent = nullptr);

    static const QString CreditsText;

    // Set by "EXIT" and by unloading; the window closes at the next pass.
    bool StopScroll = false;

    // Closes the window unless it is closed already.
    void Unload();

    const CreditsScroller &Scroller() const { return scroller_; }
    int FramesDrawn() const { return framesDrawn_; }

    // What the window uses of the desktop, replaceable by tests.
    std::function<std::uint32_t()> tickCount;
    std::function<void()> beep;
    std::function<void(const QString &)> showError;
    std::function<int(QRect &)> measureText;

    PictureBox *picScroll = nullptr;
    EventLabel *lblExit = nullptr;
    EventLabel *Label1 = nullptr;
    EventLabel *Image1 = nullptr;

    // Runs one pass of the scroller at once: stop check, then a frame if due.
    void ScrollPass();

signals:
    // The window has closed and will be deleted; drop any pointer to it.
    void Unloaded();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void Form_Load();
    void Form_Activate();
    void Form_Unload();
    void Form_MouseMove();
    void Image1_MouseMove();
    void picScroll_MouseMove();
    void lblExit_Click();
    void lblExit_MouseMove();

    void ScrollCredits();
    void DrawFrame();
    void SetExitColour(const QColor &colour);

    CreditsScroller scroller_;
    QTimer passTimer_;
    int framesDrawn_ = 0;
    bool closed_ = false;
    bool finished_ = false;
    bool measuring_ = false;
    bool activatedBefore_ = false;
    bool returningFromElsewhere_ = false;
};
