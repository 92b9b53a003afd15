#include "CurrentFolder.h"

#include "FileNames.h"

#include <QDir>

#include <cstdlib>
#include <unistd.h>

QString CurrentFolder()
{
    char *folder = getcwd(nullptr, 0);
    if (!folder)
        return QString();
    QString decoded = DecodeFileName(QByteArray(folder));
    std::free(folder);
    return decoded;
}

QString FullFolderPath(const QString &path)
{
    if (path.startsWith(QLatin1Char('/')))
        return QDir::cleanPath(path);
    return QDir::cleanPath(CurrentFolder() + QLatin1Char('/') + path);
}
