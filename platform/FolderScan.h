#pragma once

#include <QString>
#include <QStringList>

class FilePattern;

// The visible entries of one folder, unsorted: subfolders (and links to
// folders) and regular files (and links to them). Names starting with a dot
// are hidden and left out.
struct FolderEntries {
    QStringList folders;
    QStringList files;
};

// Returns false, with nothing listed, when the folder cannot be read.
bool ScanFolder(const QString &path, FolderEntries &entries);

// The visible regular files of a folder (and links to them) whose names match
// the pattern, sorted by name without regard to case. Only matching names are
// decoded. Returns false, with nothing listed, when the folder cannot be read.
bool ListMatchingFiles(const QString &path, const FilePattern &pattern, QStringList &names);

// Whether the path names a folder (or a link to one).
bool IsFolder(const QString &path);
