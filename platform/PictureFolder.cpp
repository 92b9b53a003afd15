#include "PictureFolder.h"

#include "FileNames.h"

#include "core/PictureExtension.h"

#include <dirent.h>
#include <sys/stat.h>

PictureFolder::PictureFolder(const QString &folder)
    : folder_(folder)
{
}

QString PictureFolder::Find(const QString &name)
{
    const QByteArray wanted = EncodeFileName(name);
    struct stat status = {};
    if (stat(EncodeFileName(folder_ + name).constData(), &status) == 0)
        return folder_ + name;
    if (!listed_) {
        listed_ = true;
        if (DIR *dir = opendir(EncodeFileName(folder_).constData())) {
            while (const dirent *entry = readdir(dir))
                byKey_.emplace(PictureKey(entry->d_name), entry->d_name);
            closedir(dir);
        }
    }
    const auto found = byKey_.find(PictureKey(wanted.toStdString()));
    if (found == byKey_.end())
        return {};
    return folder_ + DecodeFileName(QByteArray::fromStdString(found->second));
}
