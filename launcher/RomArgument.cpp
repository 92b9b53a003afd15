#include "RomArgument.h"

#include "Vexa.h"

#include "controls/DirListBox.h"
#include "controls/FileListBox.h"
#include "core/ArchiveEntryName.h"
#include "platform/FileNames.h"
#include "platform/Background.h"

#include <QFutureWatcher>
#include "platform/RegularFile.h"

#include <cstring>
#include <sys/stat.h>

namespace {

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

void OpenRomArgument(Vexa &window, const QString &path, const std::function<void(const QString &why)> &done)
{
    const QString name = path.section(QLatin1Char('/'), -1);
    if (!window.File1->Takes(name) && !IsArchiveName(EncodeFileName(name).toStdString())) {
        done(QStringLiteral("its name does not match \"%1\"").arg(window.File1->Pattern()));
        return;
    }
    // The watcher goes with the window: a check that outlives it tells no one.
    auto *watcher = new QFutureWatcher<QString>(&window);
    QObject::connect(watcher, &QFutureWatcherBase::finished, &window, [&window, watcher, path, done] {
        const QString why = watcher->future().resultCount() > 0 ? watcher->result()
                                                                : QStringLiteral("it could not be checked");
        watcher->deleteLater();
        // A check that comes back after the user has clicked a ROM or
        // opened the folder lists leaves the window where the user took it.
        if (why.isEmpty() && (!window.Game.isEmpty() || window.Dir1->isVisible())) {
            done(QStringLiteral("the window was in use before the file could be checked"));
            return;
        }
        if (why.isEmpty())
            window.OpenRom(path);
        done(why);
    });
    watcher->setFuture(BackgroundLane(1).Run<QString>([path] {
        const RegularFile file(path);
        return file.IsOpen() ? QString() : Unreadable(file);
    }));
}
