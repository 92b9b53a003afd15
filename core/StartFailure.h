#pragma once

#include <string>

// What the user is told when the emulator could not be started.
struct StartFailure {
    std::string message; // "The emulator could not be started (reason): command"
    std::string advice;  // what to do about it; empty when there is nothing to add
};

// error: the errno value the start failed with; programFound: whether the
// PATH holds a program named vexa that may be run; systemText: the system's
// own wording of error; command: the command line as shown.
StartFailure DescribeStartFailure(int error, bool programFound, const std::string &systemText,
                                  const std::string &command);
