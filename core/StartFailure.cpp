#include "StartFailure.h"

#include <cerrno>

StartFailure DescribeStartFailure(int error, bool programFound, const std::string &systemText,
                                  const std::string &command)
{
    std::string reason;
    std::string advice;
    if (error == ENOENT && !programFound) {
        reason = "vexa was not found on the PATH";
        advice = "Install the vexa emulator, or put a program or script named vexa "
                 "on the PATH that starts your emulator (see the README).";
    } else if (error == ENOENT) {
        // The program is there: what is missing is what it needs to run.
        reason = "its interpreter or loader is missing";
    } else if (error == EACCES) {
        reason = "permission denied";
    } else {
        reason = systemText;
    }
    return {"The emulator could not be started (" + reason + "): " + command, advice};
}
