#include "StartFailure.h"

#include <cerrno>

StartFailure DescribeStartFailure(int error, const std::string &program, bool programFound,
                                  const std::string &systemText, const std::string &command)
{
    const bool onPath = program.find('/') == std::string::npos;
    std::string reason;
    std::string advice;
    bool missing = false;
    if (error == ENOENT && !programFound) {
        missing = true;
        if (onPath) {
            reason = program + " was not found on the PATH";
            advice = "Install the vexa emulator, pick the emulator program with \"Find vexa\u2026\", or put a "
                     "program or script named vexa on the PATH that starts your emulator (see \"USING ANOTHER "
                     "EMULATOR\" in the manual page: man vexa-launcher).";
        } else {
            reason = program + " is not there any more";
        }
    } else if (error == ENOENT) {
        // The program is there: what is missing is what it needs to run.
        reason = "its interpreter or loader is missing";
    } else if (error == EACCES) {
        missing = true;
        reason = onPath ? "permission denied" : program + " may not be run (permission denied)";
    } else {
        reason = systemText;
    }
    if (missing && !onPath)
        advice = "Pick the emulator program again with \"Find vexa\u2026\". To use vexa on the PATH again, see "
                 "\"THE EMULATOR\" in the manual page (man vexa-launcher).";
    StartFailure failure;
    failure.message = "The emulator could not be started (" + reason + "): " + command;
    failure.summary = "The emulator could not be started (" + reason + ").";
    failure.advice = advice;
    failure.command = command;
    failure.programMissing = missing;
    return failure;
}

namespace {

// The last whole lines of text, at most limit bytes, blank lines and
// trailing blanks dropped; bytes that are not printable ASCII or part of a
// multi-byte character shown as '?'.
std::string LastLines(const std::string &text, std::size_t limit)
{
    std::string clean;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        clean += (c == '\n' || (byte >= 0x20 && byte != 0x7F)) ? c : '?';
    }
    while (!clean.empty() && (clean.back() == '\n' || clean.back() == ' '))
        clean.pop_back();
    if (clean.size() > limit) {
        clean.erase(0, clean.size() - limit);
        const std::size_t newline = clean.find('\n');
        if (newline != std::string::npos)
            clean.erase(0, newline + 1); // the first line was cut: drop it
    }
    std::string lines;
    std::size_t start = 0;
    while (start <= clean.size()) {
        std::size_t end = clean.find('\n', start);
        if (end == std::string::npos)
            end = clean.size();
        const std::string line = clean.substr(start, end - start);
        if (line.find_first_not_of(' ') != std::string::npos)
            lines += (lines.empty() ? "" : "\n") + line;
        start = end + 1;
    }
    return lines;
}

} // namespace

StartFailure DescribeEarlyEnd(int exitCode, int signal, const std::string &errorTail, const std::string &command)
{
    const std::string how = exitCode >= 0 ? "with status " + std::to_string(exitCode)
                                          : "by signal " + std::to_string(signal);
    const std::string said = LastLines(errorTail, 300);
    StartFailure failure;
    failure.message = "The emulator stopped " + how + " right after it started: " + command;
    failure.summary = "The emulator stopped " + how + " right after it started.";
    failure.advice = said.empty() ? std::string("It wrote nothing on its error output.") : "It said:\n" + said;
    failure.command = command;
    return failure;
}
