#include "PathArrival.h"

#include "library/LibraryOpening.h"

#include "Vexa.h"

#include "controls/DirListBox.h"
#include "controls/FileListBox.h"
#include "core/ArchiveEntryName.h"
#include "platform/CurrentFolder.h"
#include "platform/FileNames.h"
#include "platform/Translations.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>

#include <cstdio>

PathArrival::PathArrival(Vexa &window)
    : QObject(&window)
    , window_(window)
    , look_(lane_, [this](std::optional<RomArgument> look) {
        Opened(look ? *look : RomArgument{false, {"RomArgument", QT_TRANSLATE_NOOP("RomArgument", "it could not be checked"), {}}});
    })
{
    window_.setAcceptDrops(true);
    window_.installEventFilter(this);
}

void PathArrival::Open(const QString &path, bool asked, const std::function<void(const QString &why)> &done)
{
    Open(path, asked, std::function<void(const Wording &)>([done](const Wording &why) {
             done(QString::fromStdString(why.English()));
         }));
}

void PathArrival::Open(const QString &path, bool asked, const std::function<void(const Wording &why)> &done)
{
    path_ = path;
    asked_ = asked;
    done_ = done;
    if (!lane_.HasRoom()) {
        // Earlier paths still being looked at hold every place: this one waits for none of them.
        look_.Drop();
        Opened({false, {"RomArgument", QT_TRANSLATE_NOOP("RomArgument", "earlier paths are still being checked"), {}}});
        return;
    }
    look_.Start([path, pattern = window_.File1->Pattern(), list = window_.File1->archiveReader] {
        return LookAtRomArgument(path, pattern, list);
    });
}

void PathArrival::Open(const QString &path, bool asked)
{
    Open(path, asked, std::function<void(const Wording &)>([this, path](const Wording &why) {
             if (why.Empty())
                 return;
             std::fprintf(stderr, "vexa-launcher: not opening %s: %s\n", EncodeFileName(path).constData(),
                          QString::fromStdString(why.English()).toLocal8Bit().constData());
             window_.showProblem(tr("%1 cannot be opened: %2.").arg(DisplayFileName(path), Translated(why)));
         }));
}

void PathArrival::Opened(const RomArgument &look)
{
    const std::function<void(const Wording &why)> done = std::move(done_);
    done_ = nullptr;
    // A look that comes back after the user has clicked a ROM or opened the
    // folder lists leaves the window where the user took it.
    if (look.why.Empty() && !asked_ && (!window_.Game.isEmpty() || window_.Dir1->isVisible())) {
        done({"RomArgument", QT_TRANSLATE_NOOP("RomArgument", "the window was in use before the file could be checked"), {}});
        return;
    }
    if (look.folder)
        window_.Dir1->SetPath(FullFolderPath(path_));
    else if (look.why.Empty())
        window_.OpenRom(path_);
    done(look.why);
}

void PathArrival::HandedOver(HandOverKind kind, const QByteArray &path)
{
    if (kind == HandOverKind::Open && !path.isEmpty())
        Open(DecodeFileName(path), true);
    ComeForward();
    // The library comes in front of the window it belongs to.
    if (kind == HandOverKind::Library)
        window_.Library()->Open();
}

void PathArrival::ComeForward()
{
    if (window_.isMinimized())
        window_.showNormal();
    window_.raise();
    // A box the window waits on (a problem told, a program to find) stays in
    // front with the keyboard: Enter still answers it.
    QWidget *box = QApplication::activeModalWidget();
    QWidget *front = box ? box : &window_;
    front->raise();
    front->activateWindow();
}

QString PathArrival::DroppablePath(const QMimeData *data) const
{
    if (!data->hasUrls() || data->urls().size() != 1 || !data->urls().first().isLocalFile())
        return {};
    QString path = data->urls().first().toLocalFile();
    // The name alone decides here; the file itself is looked at in the
    // background once dropped. A name without a ROM's ending is taken as a folder.
    const QFileInfo info(path);
    if (window_.File1->Takes(info.fileName()) || IsArchiveName(EncodeFileName(info.fileName()).toStdString()) ||
        path.endsWith(QLatin1Char('/')) || info.suffix().isEmpty())
        return path;
    return {};
}

bool PathArrival::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &window_ || (event->type() != QEvent::DragEnter && event->type() != QEvent::Drop))
        return QObject::eventFilter(watched, event);
    auto *drop = static_cast<QDropEvent *>(event); // a QDragEnterEvent is one too
    const QString path = DroppablePath(drop->mimeData());
    if (path.isEmpty())
        return false;
    drop->acceptProposedAction();
    if (event->type() == QEvent::Drop)
        Open(path, true);
    return true;
}
