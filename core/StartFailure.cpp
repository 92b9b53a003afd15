#include "StartFailure.h"

#include <cerrno>

StartFailure DescribeStartFailure(int error, const std::string &program, bool programFound,
                                  const std::string &systemText, const std::string &command)
{
    const bool onPath = program.find('/') == std::string::npos;
    Wording summary{"StartFailure", nullptr, {program}};
    Wording advice{"StartFailure", nullptr, {}};
    bool missing = false;
    if (error == ENOENT && !programFound) {
        missing = true;
        if (onPath) {
            summary.source = QT_TRANSLATE_NOOP("StartFailure", "The emulator could not be started (%1 was not found on the PATH).");
            advice.source = QT_TRANSLATE_NOOP(
                "StartFailure",
                "Install the vexa emulator, pick the emulator program with \"Find vexa…\", or put a program or "
                "script named vexa on the PATH that starts your emulator (see \"USING ANOTHER EMULATOR\" in the "
                "manual page: man vexa-launcher).");
        } else {
            summary.source = QT_TRANSLATE_NOOP("StartFailure", "The emulator could not be started (%1 is not there any more).");
        }
    } else if (error == ENOENT) {
        // The program is there: what is missing is what it needs to run.
        summary.source = QT_TRANSLATE_NOOP("StartFailure", "The emulator could not be started (its interpreter or loader is missing).");
    } else if (error == EACCES) {
        missing = true;
        summary.source = onPath ? QT_TRANSLATE_NOOP("StartFailure", "The emulator could not be started (permission denied).")
                                : QT_TRANSLATE_NOOP("StartFailure", "The emulator could not be started (%1 may not be run (permission denied)).");
    } else {
        summary.source = QT_TRANSLATE_NOOP("StartFailure", "The emulator could not be started (%1).");
        summary.args = {systemText};
    }
    if (missing && !onPath)
        advice.source = QT_TRANSLATE_NOOP("StartFailure",
                                          "Pick the emulator program again with \"Find vexa…\". To use vexa on the PATH "
                                          "again, see \"THE EMULATOR\" in the manual page (man vexa-launcher).");
    StartFailure failure;
    failure.summary = summary.English();
    // The message is the summary with the command in place of its full stop.
    failure.message = failure.summary.substr(0, failure.summary.size() - 1) + ": " + command;
    failure.advice = advice.English();
    failure.command = command;
    failure.programMissing = missing;
    failure.summaryWording = std::move(summary);
    failure.adviceWording = std::move(advice);
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
    Wording summary{"StartFailure",
                    exitCode >= 0
                        ? QT_TRANSLATE_NOOP("StartFailure", "The emulator stopped with status %1 right after it started.")
                        : QT_TRANSLATE_NOOP("StartFailure", "The emulator stopped by signal %1 right after it started."),
                    {std::to_string(exitCode >= 0 ? exitCode : signal)}};
    const std::string said = LastLines(errorTail, 300);
    Wording advice{"StartFailure",
                   said.empty() ? QT_TRANSLATE_NOOP("StartFailure", "It wrote nothing on its error output.")
                                : QT_TRANSLATE_NOOP("StartFailure", "It said:\n%1"),
                   {said}};
    StartFailure failure;
    failure.summary = summary.English();
    failure.message = failure.summary.substr(0, failure.summary.size() - 1) + ": " + command;
    failure.advice = advice.English();
    failure.command = command;
    failure.summaryWording = std::move(summary);
    failure.adviceWording = std::move(advice);
    return failure;
}
