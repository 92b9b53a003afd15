#include "RomArgument.h"

#include "Vexa.h"

#include "controls/DirListBox.h"
#include "controls/FileListBox.h"
#include "core/ArchiveEntryName.h"
#include "platform/FileNames.h"
#include "platform/Background.h"
#include "platform/RegularFile.h"

#include <QFutureWatcher>

#include <cstring>
#include <sys/stat.h>

namespace {

// What the background found at the path: its type, and why it cannot be opened as a ROM.
struct PathLook {
    unsigned mode;
    QString why;
};

// Why RegularFile refused the file.
QString Unreadable(const RegularFile &file)
{
    if (file.Mode() == 0)
        return QString::fromLocal8Bit(std::strerror(file.Error()));
    if (S_ISDIR(file.Mode()))
        return QStringLiteral("it is a folder");
    if (!S_ISREG(file.Mode()))
        return QStringLiteral("it is not a regular file");
    return QStringLiteral("it cannot be read");
}

} // namespace

void OpenRomArgument(Vexa &window, const QString &path, bool asked,
                     const std::function<void(const QString &why)> &done)
{
    // The watcher goes with the window: a check that outlives it tells no one.
    auto *watcher = new QFutureWatcher<PathLook>(&window);
    QObject::connect(watcher, &QFutureWatcherBase::finished, &window, [&window, watcher, path, asked, done] {
        PathLook checked{0, QStringLiteral("it could not be checked")};
        if (watcher->future().resultCount() > 0)
            checked = watcher->result();
        watcher->deleteLater();
        const bool folder = S_ISDIR(checked.mode);
        QString why = folder ? QString() : checked.why;
        const QString name = path.section(QLatin1Char('/'), -1);
        if (why.isEmpty() && !folder && !window.File1->Takes(name) && !IsArchiveName(EncodeFileName(name).toStdString()))
            why = QStringLiteral("its name does not match \"%1\"").arg(window.File1->Pattern());
        // A check that comes back after the user has clicked a ROM or
        // opened the folder lists leaves the window where the user took it.
        if (why.isEmpty() && !asked && (!window.Game.isEmpty() || window.Dir1->isVisible())) {
            done(QStringLiteral("the window was in use before the file could be checked"));
            return;
        }
        if (folder)
            window.ShowFolder(path);
        else if (why.isEmpty())
            window.OpenRom(path);
        done(why);
    });
    watcher->setFuture(BackgroundLane(1).Run<PathLook>([path] {
        const RegularFile file(path);
        return PathLook{file.Mode(), file.IsOpen() ? QString() : Unreadable(file)};
    }));
}
