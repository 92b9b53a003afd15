#include "LibraryOpening.h"

#include "library/LibraryWindow.h"

#include <QAction>
#include <QEvent>
#include <QShortcut>
#include <QTimer>
#include <QToolTip>
#include <QWidget>

namespace {

constexpr int kSayAfterMs = 300;
constexpr int kSayForMs = 15000;

} // namespace

LibraryOpening::LibraryOpening(QWidget *mainWindow, QWidget *fileList)
    : QObject(mainWindow)
    , mainWindow_(mainWindow)
    , fileList_(fileList)
{
    auto *shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), mainWindow);
    connect(shortcut, &QShortcut::activated, this, &LibraryOpening::Open);
    // The shortcut is only named in the menu: the one above acts.
    auto *entry = new QAction(tr("Library…\tCtrl+L"), fileList);
    entry->setObjectName(QStringLiteral("OpenLibrary"));
    connect(entry, &QAction::triggered, this, &LibraryOpening::Open);
    fileList->addAction(entry);
    fileList->setContextMenuPolicy(Qt::ActionsContextMenu);
    mainWindow->installEventFilter(this);
}

LibraryOpening::~LibraryOpening()
{
    delete window_;
}

LibraryWindow *LibraryOpening::Window() const
{
    return window_;
}

void LibraryOpening::Open()
{
    if (!window_) {
        window_ = new LibraryWindow;
        emit WindowMade(window_);
    }
    window_->Open();
}

QString LibraryOpening::WhereText()
{
    return tr("Every ROM of your folders in one list: the Library, Ctrl+L or a right click here.");
}

void LibraryOpening::SayWhere()
{
    // Said once the window is on the screen.
    QTimer::singleShot(kSayAfterMs, fileList_, [list = fileList_] {
        if (list->isVisible())
            QToolTip::showText(list->mapToGlobal(QPoint(list->width() / 2, list->height() / 2)), WhereText(), list,
                               {}, kSayForMs);
    });
}

bool LibraryOpening::eventFilter(QObject *watched, QEvent *event)
{
    // The main window closed: the library closes with it.
    if (watched == mainWindow_ && event->type() == QEvent::Hide && !event->spontaneous() && window_)
        window_->close();
    return QObject::eventFilter(watched, event);
}
