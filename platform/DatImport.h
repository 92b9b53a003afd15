#pragma once

#include "platform/Translations.h"

#include <QString>
#include <QStringList>

class LibraryStore;

// Imports DAT files into an open store, in one transaction: each file is
// read in the background while the ROMs read so far are stored, each DAT in
// place of an older one of the same name. A file that is refused leaves the
// store as it was (why says so in one line); summary tells what was
// imported, in one line, in English and in the user's language.
bool ImportDatFiles(LibraryStore &store, const QStringList &files, Told *summary, Told *why);
