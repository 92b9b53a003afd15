#include "LaunchCommand.h"

namespace {

const char *VideoPiece(const std::string &text)
{
    if (text == "320x200") return " -video 1 ";
    if (text == "360x144") return " -video 2 ";
    if (text == "180x144") return " -video 3 ";
    if (text == "256x200 With Gif") return " -video 4 ";
    if (text == "256x200") return " -video 5 ";
    return ""; // "320x200 With Gif" and anything typed that matches no entry
}

const char *ModePiece(int index)
{
    switch (index) {
    case 0: return " -gb ";
    case 1: return " -cgb ";
    case 2: return " -sgb ";
    default: return "";
    }
}

const char *SoundPiece(const std::string &text)
{
    if (text == "Off") return " -sound 0 ";
    if (text == "Mono") return " -sound 1 -stereo 0 ";
    if (text == "Normal") return " -sound 1 -stereo 1 ";
    if (text == "Reversed") return " -sound 1 -stereo 2 ";
    return "";
}

} // namespace

std::string BuildLaunchCommand(const LaunchOptions &options)
{
    std::string command = "vexa ";
    command += " -rtsdir rsave/ ";
    command += " -savdir saves/ ";
    command += VideoPiece(options.VideoText);
    command += ModePiece(options.ModeIndex);
    command += SoundPiece(options.StereoText);
    if (options.TwoPlayerState != Unchecked)
        command += " -2pl ";
    command += options.CrcState == Checked ? " -crc " : " -nocrc ";
    command += options.DelayState == Checked ? " -delay " : " -nodelay ";
    command += options.Game;
    return command;
}

std::vector<std::string> SplitCommandLine(const std::string &commandLine)
{
    std::vector<std::string> words;
    std::string::size_type at = 0;
    while (true) {
        at = commandLine.find_first_not_of(' ', at);
        if (at == std::string::npos)
            return words;
        const std::string::size_type end = commandLine.find(' ', at);
        words.push_back(commandLine.substr(at, end == std::string::npos ? std::string::npos : end - at));
        if (end == std::string::npos)
            return words;
        at = end;
    }
}

std::string SwitchesCommand(const LaunchOptions &options)
{
    LaunchOptions switches = options;
    switches.Game.clear();
    return BuildLaunchCommand(switches);
}

std::vector<std::string> LaunchArguments(const LaunchOptions &options)
{
    std::vector<std::string> words = SplitCommandLine(SwitchesCommand(options));
    if (!options.Game.empty())
        words.push_back(options.Game);
    return words;
}

LaunchLine BuildLaunchLine(const std::string &program, const LaunchOptions &options)
{
    LaunchLine line;
    line.text = program + SwitchesCommand(options).substr(4) + options.Game;
    line.words = LaunchArguments(options);
    line.words.front() = program;
    return line;
}
