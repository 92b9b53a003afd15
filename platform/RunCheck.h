#pragma once

#include <QString>

// What is looked at just before the emulator is started: that the program
// the user picked is still there and may be run, and that the ROM still is
// where it was clicked. Both are looked at in the background, waited for
// waitMs at most: a share that stopped answering holds up the click that
// long and no longer, and what was not answered in time counts as there.
struct RunCheck {
    // 0 when the program may be run, or why not: ENOENT when nothing is there
    // (a dangling link too), EACCES when it is not a regular file or not executable.
    int programError = 0;
    // The ROM path names nothing any more (deleted or renamed).
    bool romGone = false;
};

// program: the picked program, empty for vexa on the PATH (not looked at
// here); rom: the ROM's path, empty when none was clicked.
RunCheck CheckBeforeRun(const QString &program, const QString &rom, int waitMs);

// The program part of CheckBeforeRun, on the calling thread.
int CheckProgramFile(const QString &program);

// The ROM part, on the calling thread: true only when the path names nothing
// (ENOENT). A ROM that cannot be looked at (a folder this user may not search,
// a read error) is not called gone.
bool RomGone(const QString &rom);
