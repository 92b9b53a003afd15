#include "RomArgument.h"

#include "Vexa.h"

#include "controls/DirListBox.h"
#include "controls/FileListBox.h"
#include "platform/Background.h"
#include "platform/FileNames.h"
#include "platform/RegularFile.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace {

// Why a path that RegularFile refused cannot be read.
QString Unreadable(const QString &path)
{
    struct stat info = {};
    if (stat(EncodeFileName(path).constData(), &info) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    if (S_ISDIR(info.st_mode))
        return QStringLiteral("it is a folder");
    if (!S_ISREG(info.st_mode))
        return QStringLiteral("it is not a regular file");
    return QStringLiteral("it cannot be read");
}

} // namespace

void OpenRomArgument(Vexa &window, const QString &path, const std::function<void(const QString &why)> &done)
{
    const QString name = path.section(QLatin1Char('/'), -1);
    if (!window.File1->Takes(name)) {
        done(QStringLiteral("its name does not match \"%1\"").arg(window.File1->Pattern()));
        return;
    }
    RunInBackground(
        &window, [path] { return RegularFile(path).IsOpen() ? QString() : Unreadable(path); },
        [&window, path, done](const QString &why) {
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
}
