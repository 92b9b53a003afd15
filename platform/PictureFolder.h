#pragma once

#include <QString>

#include <string>
#include <unordered_map>

// One images folder, asked for picture files by name: the file of that exact
// name, or else one whose name differs only in the case of its extension
// (PictureKey). The folder is listed once, at the first name not there as it
// is. Runs on a background thread.
class PictureFolder
{
public:
    explicit PictureFolder(const QString &folder);

    // The path of the picture file for name; empty when the folder holds none.
    QString Find(const QString &name);

private:
    QString folder_;
    bool listed_ = false;
    std::unordered_map<std::string, std::string> byKey_; // PictureKey: name as stored
};
