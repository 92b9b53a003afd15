#pragma once

#include "platform/Translations.h"

#include <QString>
#include <QStringList>

class LibraryStore;

// Imports DAT files into an open store: every file is read first, and one
// that is refused leaves the store as it was (why says so in one line);
// then each is stored in one transaction, in place of an older DAT of the
// same name. summary tells what was imported, in one line, in English and
// in the user's language.
bool ImportDatFiles(LibraryStore &store, const QStringList &files, Told *summary, Told *why);
