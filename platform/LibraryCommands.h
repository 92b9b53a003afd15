#pragma once

#include <QString>
#include <QStringList>

#include <cstdio>

// The library's work for scripts, without a window and without an event
// loop: what they print goes to out, a reason to err (one line each), and
// they return the program's exit status.

// --import-dat: imports the DAT files into the library at databasePath and
// prints one summary line; 1 when a file is refused (nothing of it kept) or
// the library cannot be opened.
int ImportDatsCommand(const QStringList &files, const QString &databasePath, std::FILE *out, std::FILE *err);

// --report: reads the library's roots (romFolder first) again, then prints
// one tab-separated line a ROM: verified|bad-dump|not-in-dat, ok|damaged,
// title, full path ("/path/Archive.zip: inner.gb" for an entry); then
// "missing<TAB>game<TAB>DAT" for each game of the DATs no ROM matches, as a
// good dump or a bad one.
int ReportCommand(const QString &databasePath, const QString &romFolder, std::FILE *out, std::FILE *err);
