#pragma once

#include "Wording.h"

#include <string>

// What the user is told when the emulator could not be started.
struct StartFailure {
    std::string message; // "The emulator could not be started (reason): command"
    std::string advice;  // what to do about it; empty when there is nothing to add
    std::string summary; // the message without the command: "The emulator could not be started (reason)."
    std::string command; // the command as shown
    // summary and advice as the windows show them, in the user's language.
    Wording summaryWording;
    Wording adviceWording;
    // The program itself is missing or may not be run: the user may pick another.
    bool programMissing = false;
};

// error: the errno value the start failed with; program: the program word,
// "vexa" (looked up on the PATH) or the path of a program the user picked;
// programFound: whether that program is there and may be run; systemText:
// the system's own wording of error; command: the command line as shown.
StartFailure DescribeStartFailure(int error, const std::string &program, bool programFound,
                                  const std::string &systemText, const std::string &command);

// What the user is told when the emulator ended with a failure right after
// it started: exitCode (or -1 when signal ended it) and the last bytes it
// wrote on its standard error. Only whole lines of those bytes are shown, and
// only as much as fits a message (a few hundred bytes).
StartFailure DescribeEarlyEnd(int exitCode, int signal, const std::string &errorTail, const std::string &command);
