#include "CommandLine.h"
#include "Wording.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

// The toolkit's options as Qt 6 reads them, with one or two dashes. The
// platform ones (display, geometry ...) are read by the X11 plug-in.
constexpr std::array<std::string_view, 17> kToolkitWithValue = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowicon", "qwindowtitle", "session", "style", "stylesheet", "qmljsdebugger",
    "display", "geometry", "icon", "title", "name", "visual",
};
constexpr std::array<std::string_view, 7> kToolkitFlags = {
    "reverse", "testability", "widgetcount", "qdevel", "qdebug", "nograb", "dograb",
};
constexpr std::array<std::string_view, 3> kToolkitJoined = {"style=", "stylesheet=", "qmljsdebugger="};

template <typename List>
bool Contains(const List &list, std::string_view word)
{
    return std::find(list.begin(), list.end(), word) != list.end();
}

bool StartsWithAny(std::string_view word)
{
    return std::any_of(kToolkitJoined.begin(), kToolkitJoined.end(),
                       [word](std::string_view prefix) { return word.substr(0, prefix.size()) == prefix; });
}

CommandLine Refuse(std::string why)
{
    CommandLine line;
    line.action = CommandLine::Action::Error;
    line.error = std::move(why);
    return line;
}

} // namespace

CommandLine ParseCommandLine(const std::vector<std::string> &arguments)
{
    CommandLine line;
    bool optionsEnded = false;
    bool importDats = false;
    bool report = false;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string &argument = arguments[i];
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            files.push_back(argument);
            continue;
        }
        if (argument == "--import-dat") {
            importDats = true;
            continue;
        }
        if (argument == "--report") {
            report = true;
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (argument == "--help" || argument == "-h") {
            line.action = CommandLine::Action::Help;
            return line;
        }
        if (argument == "--version") {
            line.action = CommandLine::Action::Version;
            return line;
        }
        if (argument == "--data-folder") {
            line.dataFolder = true;
            continue;
        }
        if (argument == "--new-window") {
            line.newWindow = true;
            continue;
        }
        if (argument == "--library") {
            line.library = true;
            continue;
        }
        std::string_view name(argument);
        name.remove_prefix(argument.compare(0, 2, "--") == 0 ? 2 : 1);
        line.styleGiven = line.styleGiven || name == "style" || name.substr(0, 6) == "style=";
        if (Contains(kToolkitFlags, name) || StartsWithAny(name)) {
            line.toolkitArguments.push_back(argument);
        } else if (Contains(kToolkitWithValue, name)) {
            if (i + 1 == arguments.size())
                return Refuse("option '" + argument + "' needs a value");
            line.toolkitArguments.push_back(argument);
            line.toolkitArguments.push_back(arguments[++i]);
        } else {
            return Refuse("unknown option '" + argument + "'");
        }
    }
    if (importDats && report)
        return Refuse("--import-dat and --report are given one at a time");
    if (importDats) {
        if (files.empty())
            return Refuse("--import-dat needs a DAT file");
        line.action = CommandLine::Action::ImportDats;
        line.datFiles = std::move(files);
        return line;
    }
    if (report) {
        if (!files.empty())
            return Refuse("--report takes no file: '" + files.front() + "'");
        line.action = CommandLine::Action::Report;
        return line;
    }
    if (files.size() > 1)
        return Refuse("more than one ROM: '" + files[1] + "'");
    if (!files.empty())
        line.rom = files.front();
    return line;
}

std::string UsageText(const std::string &program)
{
    // Translated as it is printed (launcher/main.cpp): UsageText("%1") is the source.
    return FillIn(QT_TRANSLATE_NOOP("CommandLine", "Usage: %1 [--data-folder] [--new-window] [--library] [Qt options] [ROM|FOLDER]\n"
           "       %1 --import-dat DAT...\n"
           "       %1 --report\n"
           "Pick a Game Boy ROM and start the vexa emulator with it. With a ROM,\n"
           "its folder is shown and the ROM is selected as if clicked; with a\n"
           "folder, that folder is shown. When a launcher is open already, the ROM\n"
           "goes to its window instead.\n"
           "\n"
           "  --data-folder  run in $XDG_DATA_HOME/vexa (~/.local/share/vexa), made\n"
           "                 when missing: images/, saves/ and rsave/ are there;\n"
           "                 without it, the folder started from is used\n"
           "  --new-window   open a launcher of its own even when one is open\n"
           "  --library      open the library window: every ROM of the library's\n"
           "                 folders in one list (Ctrl+L in the launcher)\n"
           "  --import-dat DAT...\n"
           "                 import DAT files (Logiqx XML) into the library, each in\n"
           "                 place of an older one of the same name, print one line\n"
           "                 and exit: 1 and nothing imported when one is refused\n"
           "  --report       read the library's folders again and print one line a\n"
           "                 ROM, tab-separated: verified, bad-dump or not-in-dat;\n"
           "                 ok or damaged (its header); its title; its full path\n"
           "                 (Archive.zip: inner.gb for an entry); then a line\n"
           "                 missing, game, DAT for each game of the DATs that no\n"
           "                 ROM matches. Neither opens a window\n"
           "  -h, --help     print this text and exit\n"
           "  --version      print the version and exit\n"
           "  --             take what follows as the ROM, even if it starts with '-'\n"
           "\n"
           "The ROMs inside .zip and .7z archives are listed and opened as ROMs are.\n"
           "Run unpacks the ROM into the cache, ~/.cache/vexa ($XDG_CACHE_HOME/vexa),\n"
           "where the least recently used are removed past 512 MB; close the launcher\n"
           "and remove that folder to empty it.\n"
           "\n"
           "Qt's own options (-platform, -style, -display, -geometry ...) are passed on.\n"
           "\n"
           "Run starts vexa found on the PATH, or the program picked with \"Find vexa...\"\n"
           "when vexa could not be started. To go back to vexa on the PATH, delete the\n"
           "line EmulatorPath=... from ~/.config/Vexa/Vexa.conf while no launcher runs.\n"), {program});
}

std::string ErrorText(const std::string &program, const std::string &error)
{
    return program + ": " + error + "\nTry '" + program + " --help' for more information.\n";
}
