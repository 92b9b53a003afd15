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
// the program ends, one ProgramEnd can be read from watch->fd, which then
// ends (read 0). The caller owns watch->fd (-1 when nothing was started).
//
// file, when given, is the program file to run, as FindProgram found it for
// the first word (which the program still receives as its name); otherwise
// the first word is looked for here.
struct ProgramWatch {
    int windowMs = 5000;
    int fd = -1;
};
qint64 StartProgram(const std::vector<std::string> &words, int windowStyle, int *error = nullptr,
                    ProgramWatch *watch = nullptr, const QByteArray &file = QByteArray());

// How a watched program ended.
struct ProgramEnd {
    int exitCode = 0; // -1 when a signal ended it
    int signal = 0;
    // It ended with a failure within the watch's windowMs of its start.
    bool early = false;
    qint64 elapsedMs = 0; // from its start to its end, as the watcher saw them
    int length = 0;   // bytes of tail used: the last it wrote on its standard error
    char tail[400] = {};
};
// Reads the ProgramEnd a watch descriptor carries; false at its end or on a short read.
bool ReadProgramEnd(int fd, ProgramEnd &end);

// The file the PATH names for a program word, searched as bytes; a word with
// a slash is taken as it is. Empty when no entry holds a program of that name
// that may be run; *error (when given) then says ENOENT, or EACCES when one
// holds a file of that name that may not be run.
QByteArray FindProgram(const QByteArray &word, int *error = nullptr);
