#include "TestFiles.h"
#include "TestMain.h"

#include "about/frmAbout.h"
#include "controls/DirListBox.h"
#include "controls/EventLabel.h"
#include "controls/PictureBox.h"
#include "launcher/Vexa.h"
#include "platform/SettingNames.h"

#include <QAccessible>
#include <QLabel>
#include <QPointer>
#include <QWindow>
#include <QPushButton>
#include <QSettings>

#include <sys/resource.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QColor kTeal(0, 64, 64);
const QColor kYellow(255, 255, 0);
const QColor kRed(255, 0, 0);

// Pixels of yellow text, anti-aliased edges included, over the teal.
int CountInk(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.red() > 100 && c.green() > 100 && c.blue() < 100;
        }
    }
    return count;
}

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void layout();
    void backdropIsTransparentInside();
    void creditsText();
    void firstFrameAtOnceBelowTheBox();
    void pacing();
    void wrapsToTheBottom();
    void creditsRiseIntoView();
    void restartsOnActivation();
    void returnFromAnotherProgramDoesNotRestart();
    void exitHighlight();
    void exitBeepsOnceAndCloses();
    void closingOtherwiseDoesNotBeep();
    void keysCloseAsExitDoes_data();
    void keysCloseAsExitDoes();
    void measurementFailure();
    void questionMarkTwiceGivesOneWindow();
    void reopeningGivesFreshWindow();
    void noBusyLoop();
    void closingMainWindowEndsProgram();
    void exitAndQuestionMarkInOnePass();

private:
    frmAbout *MakeAbout();
    void Pass(std::uint32_t advance);

    QPointer<frmAbout> about_;
    std::uint32_t now_ = 100000;
    int beeps_ = 0;
    QStringList errors_;
};

void TestAbout::init()
{
    now_ = 100000;
    beeps_ = 0;
    errors_.clear();
}

void TestAbout::cleanup()
{
    delete about_;
}

frmAbout *TestAbout::MakeAbout()
{
    about_ = new frmAbout;
    about_->tickCount = [this] { return now_; };
    about_->beep = [this] { ++beeps_; };
    about_->showError = [this](const QString &prompt) { errors_.append(prompt); };
    return about_;
}

void TestAbout::Pass(std::uint32_t advance)
{
    now_ += advance;
    about_->ScrollPass();
}

void TestAbout::layout()
{
    frmAbout *about = MakeAbout();
    about->show();
    QVERIFY(QTest::qWaitForWindowExposed(about));
    QVERIFY(about->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(about->size(), QSize(375, 200));
    QVERIFY(!about->parentWidget());
    QCOMPARE(about->picScroll->geometry(), QRect(8, 6, 358, 165));
    QCOMPARE(about->lblExit->geometry(), QRect(331, 171, 34, 16));
    QCOMPARE(about->Label1->geometry(), QRect(81, 61, 34, 16));
    QCOMPARE(about->Image1->geometry(), QRect(1, 1, 371, 196));
    QCOMPARE(about->lblExit->text(), QStringLiteral("EXIT"));
    QCOMPARE(about->lblExit->palette().color(QPalette::WindowText), kYellow);
    QCOMPARE(about->lblExit->font().pointSizeF(), 9.75);
    QVERIFY(about->lblExit->font().bold());
    QCOMPARE(about->picScroll->BackColor(), kTeal);
    QCOMPARE(about->picScroll->ForeColor(), kYellow);
    QCOMPARE(about->picScroll->font().pointSize(), 10);
    // Label1 lies behind the box and is never seen.
    const QPoint label = about->Label1->geometry().center();
    QCOMPARE(about->childAt(label), static_cast<QWidget *>(about->picScroll));
    QCOMPARE(about->childAt(about->lblExit->geometry().center()), static_cast<QWidget *>(about->lblExit));
    QCOMPARE(about->picScroll->ScaleWidth(), 354);
    QCOMPARE(about->picScroll->ScaleHeight(), 161);
    auto name = [](QWidget *widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    };
    QCOMPARE(name(about), QStringLiteral("About"));
    QCOMPARE(name(about->lblExit), QStringLiteral("EXIT"));
    QCOMPARE(name(about->picScroll), QStringLiteral("Credits"));
}

void TestAbout::backdropIsTransparentInside()
{
    frmAbout *about = MakeAbout();
    about->show();
    QVERIFY(QTest::qWaitForWindowExposed(about));
    const QImage backdrop = about->Image1->pixmap().toImage();
    QCOMPARE(backdrop.size(), QSize(371, 196));
    QVERIFY(backdrop.hasAlphaChannel());
    QCOMPARE(qAlpha(backdrop.pixel(185, 98)), 0);
    QCOMPARE(qAlpha(backdrop.pixel(2, 2)), 255);
    // Between the box and the frame's lower band the window's teal shows.
    const QImage shot = about->grab().toImage();
    QCOMPARE(shot.pixelColor(40, 182), kTeal);
    QVERIFY(shot.pixelColor(3, 195) != kTeal);
}

void TestAbout::creditsText()
{
    const QStringList lines = frmAbout::CreditsText.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 14);
    QVERIFY(!frmAbout::CreditsText.endsWith(QStringLiteral("\r\n")));
    QCOMPARE(lines.mid(1), (QStringList{u""_s, u"Producer"_s, u"Aren Olsby"_s, u""_s, u"Graphic Design"_s,
                                        u"Aren Olsby"_s, u""_s, u"Special Thanks To"_s, u"Torvik"_s,
                                        u"author of VEXAfront for helping me with"_s,
                                        u"information about gameboy indicators."_s, u"CGB,SGB,MBit etc"_s,
                                        u"Thanks Again Tovrik!!!"_s}));
    QVERIFY(lines.first().contains(QStringLiteral("Vexa")));
    QCOMPARE(frmAbout::CreditsText.count(QLatin1Char('\n')), 13);
    QCOMPARE(frmAbout::CreditsText.count(QLatin1Char('\r')), 13);
}

void TestAbout::firstFrameAtOnceBelowTheBox()
{
    frmAbout *about = MakeAbout();
    about->show();
    QVERIFY(QTest::qWaitForWindowActive(about));
    QTRY_COMPARE(about->FramesDrawn(), 1);
    const int scaleHeight = about->picScroll->ScaleHeight();
    // The first frame was drawn at the bottom edge and shows nothing.
    QCOMPARE(about->Scroller().Rect().top, scaleHeight - 1);
    QCOMPARE(CountInk(about->picScroll->Image()), 0);
    const QFontMetrics metrics(about->picScroll->font());
    QVERIFY(about->Scroller().TextHeight() >= 14 * metrics.height() - 14);
    QCOMPARE(about->Scroller().Rect().right, about->picScroll->ScaleWidth());
}

void TestAbout::pacing()
{
    frmAbout *about = MakeAbout();
    about->show();
    QVERIFY(QTest::qWaitForWindowActive(about));
    QTRY_COMPARE(about->FramesDrawn(), 1);
    Pass(40);
    QCOMPARE(about->FramesDrawn(), 1);
    Pass(1);
    QCOMPARE(about->FramesDrawn(), 2);
    Pass(0);
    QCOMPARE(about->FramesDrawn(), 2);
    Pass(41);
    QCOMPARE(about->FramesDrawn(), 3);
    // The tick counter wrapping past zero does not stop the credits.
    now_ = 0xFFFFFFF0u;
    about->ScrollPass();
    const int frames = about->FramesDrawn();
    Pass(41);
    QCOMPARE(about->FramesDrawn(), frames + 1);
    Pass(40);
    QCOMPARE(about->FramesDrawn(), frames + 1);
}

void TestAbout::wrapsToTheBottom()
{
    frmAbout *about = MakeAbout();
    about->show();
    QVERIFY(QTest::qWaitForWindowActive(about));
    QTRY_COMPARE(about->FramesDrawn(), 1);
    const int scaleHeight = about->picScroll->ScaleHeight();
    const int textHeight = about->Scroller().TextHeight();
    // Frames of one cycle: ScaleHeight down to -(text height).
    while (about->Scroller().Rect().top > -textHeight)
        Pass(41);
    QCOMPARE(about->FramesDrawn(), scaleHeight + textHeight);
    Pass(41); // the frame at -(text height), the last of the cycle
    QCOMPARE(about->FramesDrawn(), scaleHeight + textHeight + 1);
    QCOMPARE(about->Scroller().Rect().top, scaleHeight);
    QCOMPARE(CountInk(about->picScroll->Image()), 0);
}

void TestAbout::creditsRiseIntoView()
{
    frmAbout *about = MakeAbout();
    about->show();
    QVERIFY(QTest::qWaitForWindowActive(about));
    QTRY_COMPARE(about->FramesDrawn(), 1);
    for (int i = 0; i < 60; ++i)
        Pass(41);
    const QImage frame = about->picScroll->Image();
    QVERIFY(CountInk(frame) > 50);
    // Only the lower part of the box has text yet; the upper part is clear.
    QCOMPARE(CountInk(frame.copy(0, 0, frame.width(), frame.height() / 2)), 0);
    // What is on screen is the last frame drawn.
    const QImage shown = about->picScroll->grab(about->picScroll->contentsRect()).toImage();
    QCOMPARE(CountInk(shown), CountInk(frame));
}

void TestAbout::restartsOnActivation()
{
    frmAbout *about = MakeAbout();
    about->show();
    QVERIFY(QTest::qWaitForWindowActive(about));
    QTRY_COMPARE(about->FramesDrawn(), 1);
    for (int i = 0; i < 30; ++i)
        Pass(41);
    QCOMPARE(about->Scroller().Rect().top, about->picScroll->ScaleHeight() - 31);

    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    about->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(about));
    QTRY_COMPARE(about->FramesDrawn(), 32);
    QCOMPARE(about->Scroller().Rect().top, about->picScroll->ScaleHeight() - 1);
}

void TestAbout::returnFromAnotherProgramDoesNotRestart()
{
    frmAbout *about = MakeAbout();
    about->show();
    QVERIFY(QTest::qWaitForWindowActive(about));
    QTRY_COMPARE(about->FramesDrawn(), 1);
    for (int i = 0; i < 10; ++i)
        Pass(41);
    const int top = about->Scroller().Rect().top;
    // Coming back from another program: the program turns active, then the
    // window is activated.
    emit qGuiApp->applicationStateChanged(Qt::ApplicationActive);
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(about, &activate);
    QTest::qWait(20);
    QCOMPARE(about->Scroller().Rect().top, top);
    // An activation from one of our own windows still restarts.
    QCoreApplication::sendEvent(about, &activate);
    QTRY_COMPARE(about->Scroller().Rect().top, about->picScroll->ScaleHeight() - 1);
}

void TestAbout::exitHighlight()
{
    frmAbout *about = MakeAbout();
    about->show();
    QVERIFY(QTest::qWaitForWindowExposed(about));
    auto colour = [about] { return about->lblExit->palette().color(QPalette::WindowText); };
    const QPoint exit = about->lblExit->geometry().center();
    const QPoint box = about->picScroll->geometry().center();
    const QPoint picture(30, 190);
    const QPoint background(373, 100);
    QCOMPARE(about->childAt(background), nullptr);
    QCOMPARE(about->childAt(picture), static_cast<QWidget *>(about->Image1));

    QTest::mouseMove(about, box);
    QCOMPARE(colour(), kYellow);
    QTest::mouseMove(about, exit);
    QCOMPARE(colour(), kRed);
    QTest::mouseMove(about, exit + QPoint(1, 0));
    QCOMPARE(colour(), kRed);
    QTest::mouseMove(about, box);
    QCOMPARE(colour(), kYellow);
    QTest::mouseMove(about, exit);
    QTest::mouseMove(about, picture);
    QCOMPARE(colour(), kYellow);
    QTest::mouseMove(about, exit);
    QTest::mouseMove(about, background);
    QCOMPARE(colour(), kYellow);
    // Leaving the window straight from the label keeps it red.
    QTest::mouseMove(about, exit);
    QTest::mouseMove(about, QPoint(500, 500));
    QCOMPARE(colour(), kRed);
}

void TestAbout::exitBeepsOnceAndCloses()
{
    frmAbout *about = MakeAbout();
    QSignalSpy unloaded(about, &frmAbout::Unloaded);
    about->show();
    QVERIFY(QTest::qWaitForWindowActive(about));
    QTRY_COMPARE(about->FramesDrawn(), 1);
    QTest::mouseClick(about->lblExit, Qt::LeftButton);
    QCOMPARE(beeps_, 1);
    QVERIFY(about->StopScroll);
    QTRY_VERIFY(!about_);
    QCOMPARE(unloaded.count(), 1);
    QCOMPARE(beeps_, 1);
}

void TestAbout::keysCloseAsExitDoes_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("closes");
    QTest::newRow("Esc") << int(Qt::Key_Escape) << true;
    QTest::newRow("Enter") << int(Qt::Key_Return) << true;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << true;
    QTest::newRow("Space") << int(Qt::Key_Space) << true;
    QTest::newRow("a letter") << int(Qt::Key_X) << false;
}

void TestAbout::keysCloseAsExitDoes()
{
    QFETCH(int, key);
    QFETCH(bool, closes);
    frmAbout *about = MakeAbout();
    about->show();
    QVERIFY(QTest::qWaitForWindowActive(about));
    QTest::keyClick(about, static_cast<Qt::Key>(key));
    QCOMPARE(about->StopScroll, closes);
    QCOMPARE(beeps_, closes ? 1 : 0);
    if (closes)
        QTRY_VERIFY(!about_);
}

void TestAbout::closingOtherwiseDoesNotBeep()
{
    frmAbout *about = MakeAbout();
    QSignalSpy unloaded(about, &frmAbout::Unloaded);
    about->show();
    QVERIFY(QTest::qWaitForWindowActive(about));
    QTRY_COMPARE(about->FramesDrawn(), 1);
    QVERIFY(about->close());
    QVERIFY(about->StopScroll);
    QTRY_VERIFY(!about_);
    QCOMPARE(unloaded.count(), 1);
    QCOMPARE(beeps_, 0);
}

void TestAbout::measurementFailure()
{
    frmAbout *about = MakeAbout();
    about->measureText = [](QRect &) { return 0; };
    int framesAtUnload = -1;
    connect(about, &frmAbout::Unloaded, this, [&] { framesAtUnload = about->FramesDrawn(); });
    about->show();
    QTRY_COMPARE(framesAtUnload, 0);
    QCOMPARE(errors_, QStringList{u"Error scrolling text"_s});
    QTRY_VERIFY(!about_);
}

void TestAbout::questionMarkTwiceGivesOneWindow()
{
    Vexa window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(window.Command2, Qt::LeftButton);
    QPointer<frmAbout> first = window.About();
    QVERIFY(first);
    QVERIFY(first->isVisible());
    // It stays above the main window: the window system knows it as its transient.
    QCOMPARE(first->windowHandle()->transientParent(), window.windowHandle());
    QVERIFY(first->isWindow());
    QTest::mouseClick(window.Command2, Qt::LeftButton);
    QCOMPARE(window.About(), first.data());
    const QWidgetList windows = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(windows.begin(), windows.end(),
                           [](QWidget *w) { return qobject_cast<frmAbout *>(w) && w->isVisible(); }),
             1);
    // The main window stays usable beside it.
    QTest::mouseClick(window.Command3, Qt::LeftButton);
    QVERIFY(window.Dir1->isVisible());
}

void TestAbout::reopeningGivesFreshWindow()
{
    Vexa window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(window.Command2, Qt::LeftButton);
    QPointer<frmAbout> first = window.About();
    QVERIFY(QTest::qWaitForWindowActive(first));
    first->beep = [] {};
    QTRY_VERIFY(first->FramesDrawn() > 2);
    QTest::mouseClick(first->lblExit, Qt::LeftButton);
    QTRY_VERIFY(!first);
    QVERIFY(!window.About());
    QTest::mouseClick(window.Command2, Qt::LeftButton);
    frmAbout *second = window.About();
    QVERIFY(second);
    QVERIFY(!second->StopScroll);
    QVERIFY(QTest::qWaitForWindowActive(second));
    QTRY_VERIFY(second->FramesDrawn() >= 1);
    QVERIFY(second->Scroller().Rect().top >= second->picScroll->ScaleHeight() - second->FramesDrawn());
}

void TestAbout::noBusyLoop()
{
    frmAbout *about = new frmAbout;
    about_ = about;
    about->show();
    QVERIFY(QTest::qWaitForWindowActive(about));
    QTRY_VERIFY(about->FramesDrawn() >= 1);
    // Waiting between frames, not polling: over a second the process uses a
    // small part of a core (a polling loop would use all of it), and the
    // frames keep the pace of at least 41 ms.
    auto processorSeconds = [] {
        rusage usage = {};
        getrusage(RUSAGE_SELF, &usage);
        return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec
            + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    };
    const int before = about->FramesDrawn();
    const double cpuBefore = processorSeconds();
    QElapsedTimer timer;
    timer.start();
    QTest::qWait(1000);
    const double cpu = processorSeconds() - cpuBefore;
    const int frames = about->FramesDrawn() - before;
    QVERIFY2(cpu < 0.5 * timer.elapsed() / 1000.0, qPrintable(QString::number(cpu)));
    QVERIFY2(frames <= timer.elapsed() / 41 + 1, qPrintable(QString::number(frames)));
    QVERIFY(frames >= 1);
}

void TestAbout::closingMainWindowEndsProgram()
{
    auto *window = new Vexa;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTest::mouseClick(window->Command2, Qt::LeftButton);
    QPointer<frmAbout> about = window->About();
    QVERIFY(QTest::qWaitForWindowActive(about));
    QTRY_VERIFY(about->FramesDrawn() > 2);

    QElapsedTimer timer;
    QTimer::singleShot(100, window, [window, &timer] {
        timer.start();
        window->close();
    });
    QApplication::exec();
    // The event loop ends once the windows are closed, well within a second.
    qInfo("the program's event loop ended %lld ms after the main window closed", timer.elapsed());
    QVERIFY(timer.elapsed() < 1000);
    QVERIFY(!about || !about->isVisible());
    QVERIFY(!window->isVisible());
    QSettings onDisk(SettingsFile(), QSettings::IniFormat);
    QVERIFY(onDisk.contains(SettingNames::Path(SettingNames::TotGames)));
    delete window;
    QVERIFY(!about);
}

void TestAbout::exitAndQuestionMarkInOnePass()
{
    auto *window = new Vexa;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTest::mouseClick(window->Command2, Qt::LeftButton);
    QPointer<frmAbout> first = window->About();
    QVERIFY(QTest::qWaitForWindowActive(first));
    first->beep = [] {};
    QTRY_VERIFY(first->FramesDrawn() >= 1);

    // Both clicks are handled in one pass, before the first window's own
    // unloading has run.
    QMetaObject::invokeMethod(first->lblExit, "Click", Qt::QueuedConnection);
    QMetaObject::invokeMethod(window->Command2, "click", Qt::QueuedConnection);
    QTRY_VERIFY(!first);
    QPointer<frmAbout> second = window->About();
    QVERIFY(second);
    QVERIFY(second->isVisible());
    auto shown = [] {
        int count = 0;
        for (QWidget *widget : QApplication::topLevelWidgets())
            count += qobject_cast<frmAbout *>(widget) && widget->isVisible() ? 1 : 0;
        return count;
    };
    QCOMPARE(shown(), 1);

    QTimer::singleShot(0, window, [window] { window->close(); });
    QTimer stuck;
    connect(&stuck, &QTimer::timeout, qApp, [] { QApplication::exit(1); });
    stuck.start(5000);
    QCOMPARE(QApplication::exec(), 0); // ended by the last window closing
    QCOMPARE(shown(), 0);
    delete window;
    QVERIFY(!second);
}

VEXA_TEST_MAIN(TestAbout)
#include "test_about.moc"
