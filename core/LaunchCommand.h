#pragma once

#include <string>
#include <vector>

// Check-box states as the controls report them.
enum CheckState { Unchecked = 0, Checked = 1, Grayed = 2 };

// The main window's choices at the moment Run is clicked.
struct LaunchOptions {
    std::string VideoText;
    std::string StereoText;
    int ModeIndex = -1; // 0 GB, 1 CGB, 2 SGB, -1 none selected
    int CrcState = Unchecked;
    int DelayState = Unchecked;
    int TwoPlayerState = Unchecked;
    std::string Game;
};

// The emulator's command line. Every piece carries its own blanks and the
// pieces are joined as they are: nothing is trimmed, quoted or escaped.
std::string BuildLaunchCommand(const LaunchOptions &options);

// The command line up to the ROM path: BuildLaunchCommand without Game.
std::string SwitchesCommand(const LaunchOptions &options);

// The words of a command line: split at runs of blanks, nothing quoted or
// escaped, no empty words.
std::vector<std::string> SplitCommandLine(const std::string &commandLine);

// The words the emulator is started with: the switches of the command split
// at blanks, then Game whole, byte for byte, as the last word (no word at all
// while Game is empty). The command text itself stays as BuildLaunchCommand
// gives it.
std::vector<std::string> LaunchArguments(const LaunchOptions &options);

// What Run starts and shows, built once from the same options: the command
// text, with program in place of "vexa", and the words the program is
// started with (program as the first, Game whole as the last).
struct LaunchLine {
    std::string text;
    std::vector<std::string> words;
};
// program: "vexa", or the program the user picked.
LaunchLine BuildLaunchLine(const std::string &program, const LaunchOptions &options);
