#pragma once

#include <QByteArray>
#include <QString>

// What is looked at just before the emulator is started: the program file
// that will be started, and that the ROM still is where it was clicked. It
// may wait on a share that stopped answering: it runs in the background.
struct RunCheck {
    // The program file to start, found as it is started: a word without a
    // slash on the PATH, a path as it is. Empty when there is none to start.
    QByteArray file;
    // 0 when the program may be run, or why not: ENOENT when nothing is there
    // (a dangling link too), EACCES when it is not a regular file or not executable.
    int programError = 0;
    // The ROM path names nothing any more (deleted or renamed).
    bool romGone = false;
};

// program: the program word, "vexa" or the program the user picked; rom:
// the ROM's path, empty when none was clicked.
RunCheck CheckBeforeRun(const QByteArray &program, const QByteArray &rom);

// Whether the program at that path may be run, as RunCheck::programError says.
int CheckProgramFile(const QString &program);

// The ROM part, on the calling thread: true only when the path names nothing
// (ENOENT). A ROM that cannot be looked at (a folder this user may not search,
// a read error) is not called gone.
bool RomGone(const QByteArray &rom);
