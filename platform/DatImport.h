#pragma once

#include <QString>
#include <QStringList>

class LibraryStore;

// Imports DAT files into an open store: every file is read first, and one
// that is refused leaves the store as it was (why says so in one line);
// then each is stored in one transaction, in place of an older DAT of the
// same name. summary tells what was imported, in one line.
bool ImportDatFiles(LibraryStore &store, const QStringList &files, QString *summary, QString *why);
