#pragma once

#include <QByteArray>

#include <string>
#include <vector>

// Starts the program named by the first word, found on PATH unless it holds a
// slash, with the other words as its arguments, each passed byte for byte. No
// shell is involved. The program runs detached in a session of its own: it is
// never left as a zombie and inherits no descriptor beyond standard input,
// output and error, and it starts with every signal at its default action and
// none blocked.
// windowStyle has no meaning on Linux (the emulator places its own window);
// it is accepted so callers can pass the style they intend.
// Returns the started process id, or -1 when the program could not be started;
// then *error (when given) holds the reason as an errno value: ENOENT when it
// is not found on PATH.
//
// With watch given, the program's standard error is passed on to the
// launcher's through a watcher process that also keeps its last bytes; when
// the program ends with a failure within watch->windowMs, one ProgramEnd can
// be read from watch->fd, which then ends (read 0) as it does anyway once that
// time is over. The caller owns watch->fd (-1 when nothing was started).
struct ProgramWatch {
    int windowMs = 5000;
    int fd = -1;
};
qint64 StartProgram(const std::vector<std::string> &words, int windowStyle, int *error = nullptr,
                    ProgramWatch *watch = nullptr);

// How a watched program ended, early and with a failure.
struct ProgramEnd {
    int exitCode = 0; // -1 when a signal ended it
    int signal = 0;
    int length = 0;   // bytes of tail used
    char tail[400] = {};
};
// Reads the ProgramEnd a watch descriptor carries; false at its end or on a short read.
bool ReadProgramEnd(int fd, ProgramEnd &end);

// The file the PATH names for a program word, searched as bytes; a word with
// a slash is taken as it is. Empty when no entry holds a program of that name
// that may be run; *error (when given) then says ENOENT, or EACCES when one
// holds a file of that name that may not be run.
QByteArray FindProgram(const QByteArray &word, int *error = nullptr);
