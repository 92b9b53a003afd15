#pragma once

#include <optional>
#include <string>
#include <vector>

// What the launcher was asked to do by its command line.
struct CommandLine {
    // ImportDats and Report work without a window.
    enum class Action { Start, Help, Version, Error, ImportDats, Report };
    Action action = Action::Start;
    // Run in the per-user data folder instead of the folder started from.
    bool dataFolder = false;
    // Open a window of its own even when a launcher runs already.
    bool newWindow = false;
    // Open the library window too.
    bool library = false;
    // The ROM to open, as given.
    std::optional<std::string> rom;
    // The DAT files to import (Action::ImportDats), as given.
    std::vector<std::string> datFiles;
    // The toolkit's own options with their values, in their order, to be passed on.
    std::vector<std::string> toolkitArguments;
    // Among them, a widget style asked for by name (-style).
    bool styleGiven = false;
    // Why the command line was refused (Action::Error).
    std::string error;
};

// Reads the arguments that follow the program name, from left to right.
// Options come with one or two dashes; the toolkit's own (-platform, -style,
// -display, -geometry ...) are kept for it with their values; "--" ends the
// options. --help and --version end the reading; an unknown option, a toolkit
// option without its value or a second ROM is an error. --import-dat takes
// every file named as a DAT file (one at least); --report takes none.
CommandLine ParseCommandLine(const std::vector<std::string> &arguments);

// The --help text for a program of that name.
std::string UsageText(const std::string &program);

// What a refused command line prints: why, and where to read more.
std::string ErrorText(const std::string &program, const std::string &error);
