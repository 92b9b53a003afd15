#pragma once

#include <QString>
#include <QStringList>

#include <string>

class FilePattern;

// The visible subfolders of a folder (and links to folders), unsorted; names
// starting with a dot are hidden and left out. Only the folders' names are
// decoded. Returns false, with nothing listed, when the folder cannot be read.
bool ListSubfolders(const QString &path, QStringList &folders);

// The visible regular files of a folder (and links to them) whose names match
// the pattern, sorted by name without regard to case. Only matching names are
// decoded. Returns false, with nothing listed, when the folder cannot be read.
bool ListMatchingFiles(const QString &path, const FilePattern &pattern, QStringList &names);

// Whether the path names a folder (or a link to one).
bool IsFolder(const QString &path);

// Makes the folder at an absolute path and any parents missing, with the
// given mode. Returns 0, or the errno value of the first folder that could not
// be made; that folder's path is then in failed.
int MakeFolders(const std::string &path, unsigned mode, std::string *failed = nullptr);
