#pragma once

#include <QString>
#include <QStringList>

// The visible entries of one folder, unsorted: subfolders (and links to
// folders) and regular files (and links to them). Names starting with a dot
// are hidden and left out.
struct FolderEntries {
    QStringList folders;
    QStringList files;
};

// Returns false, with nothing listed, when the folder cannot be read.
bool ScanFolder(const QString &path, FolderEntries &entries);
