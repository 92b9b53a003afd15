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
qint64 StartProgram(const std::vector<std::string> &words, int windowStyle, int *error = nullptr);

// The file the PATH names for a program word, searched as bytes; a word with
// a slash is taken as it is. Empty when no entry holds a program of that name
// that may be run; *error (when given) then says ENOENT, or EACCES when one
// holds a file of that name that may not be run.
QByteArray FindProgram(const QByteArray &word, int *error = nullptr);
