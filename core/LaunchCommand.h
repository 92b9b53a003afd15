#pragma once

#include <string>

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
