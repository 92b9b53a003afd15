#pragma once

#include <QString>
#include <QStringList>

// The words of a command line: split at runs of blanks, nothing quoted or
// escaped, no empty words.
QStringList SplitCommandLine(const QString &commandLine);

// Starts the program named by the first word, found on PATH unless it holds a
// slash, with the other words as its arguments. No shell is involved. The
// program runs detached in a session of its own: it is never left as a zombie
// and inherits no descriptor beyond standard input, output and error.
// windowStyle has no meaning on Linux (the emulator places its own window);
// it is accepted so callers can pass the style they intend.
// Returns the started process id, or -1 when the program is missing, not
// executable or could not be started.
qint64 StartProgram(const QString &commandLine, int windowStyle);
