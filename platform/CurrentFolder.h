#pragma once

#include <QString>

// The working folder, from its bytes as the system gives them: a name that is
// not UTF-8 keeps its bytes (see FileNames.h). Empty when it cannot be told
// (removed, or a parent that may not be searched).
QString CurrentFolder();

// A path as the lists name folders: absolute (a relative one is taken from
// the working folder), without "." or ".." or a trailing "/".
QString FullFolderPath(const QString &path);
