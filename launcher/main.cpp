#include "PathArrival.h"
#include "Vexa.h"
#include "library/LibraryOpening.h"

#include "core/CommandLine.h"
#include "platform/Background.h"
#include "platform/DataFolder.h"
#include "platform/Fonts.h"
#include "platform/FileNames.h"
#include "platform/LibraryCommands.h"
#include "platform/LibraryStore.h"
#include "platform/SettingNames.h"
#include "platform/Settings.h"
#include "platform/QuitSignals.h"
#include "platform/SingleInstance.h"
#include "platform/XdgFolders.h"
#include "platform/StandardStreams.h"
#include "platform/Translations.h"

#include <QApplication>
#include <QScreen>
#include <QStyleFactory>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

// How long the end of the program waits for background work that is still running.
constexpr int kExitWaitMs = 200;
// How long a launcher waits for the one already running to take its ROM.
constexpr int kHandOverWaitMs = 2000;

std::string ProgramName(const char *argv0)
{
    const std::string path = argv0 ? argv0 : "vexa-launcher";
    return path.substr(path.find_last_of('/') + 1);
}

// A relative ROM path names a file in the folder started from, whatever
// folder the launcher then runs in.
std::string Absolute(const std::string &path)
{
    if (path.empty() || path.front() == '/')
        return path;
    char *folder = getcwd(nullptr, 0);
    if (!folder)
        return path;
    std::string absolute = std::string(folder) + '/' + path;
    std::free(folder);
    return absolute;
}

// A window of its own opens beside the first launcher's, which opened centred
// as every launcher does: on its right, on its left, or as far from it as the
// screen allows.
void PlaceBesideFirst(QWidget &window)
{
    if (!window.screen())
        return;
    const QRect screen = window.screen()->availableGeometry();
    const QRect first = window.frameGeometry();
    constexpr int kGap = 16;
    int x = first.right() + 1 + kGap;
    if (x + first.width() > screen.right() + 1)
        x = first.left() - kGap - first.width();
    if (x < screen.left())
        x = screen.right() + 1 - first.width();
    window.move(x, first.top());
}

// The --help text in the user's language: the translations need the
// application object, which needs no display.
std::string HelpText(int argc, char *argv[], const std::string &program)
{
    if (SpeaksEnglish(QLocale::system()))
        return UsageText(program);
    QCoreApplication app(argc, argv);
    InstallSystemTranslations();
    const std::string source = UsageText("%1");
    return FillIn(QCoreApplication::translate("CommandLine", source.c_str()).toStdString(), {program});
}

} // namespace

int main(int argc, char *argv[])
{
    ReopenStandardStreams();
    const std::string program = ProgramName(argv[0]);
    CommandLine line = ParseCommandLine({argv + 1, argv + argc});
    switch (line.action) {
    case CommandLine::Action::Help:
        std::fputs(HelpText(argc, argv, program).c_str(), stdout);
        return 0;
    case CommandLine::Action::Version:
        std::printf("vexa-launcher %s\n", VEXA_VERSION);
        return 0;
    case CommandLine::Action::Error:
        std::fputs(ErrorText(program, line.error).c_str(), stderr);
        return 2;
    case CommandLine::Action::ImportDats: {
        // No window, no toolkit: the library's store and the files only.
        QStringList files;
        for (const std::string &file : line.datFiles)
            files.append(DecodeFileName(QByteArray::fromStdString(Absolute(file))));
        return ImportDatsCommand(files, LibraryStore::DefaultPath(), stdout, stderr);
    }
    case CommandLine::Action::Report:
        return ReportCommand(LibraryStore::DefaultPath(),
                             ReadSetting(SettingNames::Application, SettingNames::Section, SettingNames::RomPath), stdout,
                             stderr);
    case CommandLine::Action::Start:
        break;
    }

    const std::string rom = line.rom ? Absolute(*line.rom) : std::string();
    std::string why;
    if (line.dataFolder && !EnterDataFolder(why))
        std::fprintf(stderr, "%s: %s; running in the folder started from\n", program.c_str(), why.c_str());

    std::vector<char *> toolkitArgv = {argv[0]};
    for (std::string &argument : line.toolkitArguments)
        toolkitArgv.push_back(argument.data());
    int toolkitArgc = static_cast<int>(toolkitArgv.size());
    toolkitArgv.push_back(nullptr);
    QApplication app(toolkitArgc, toolkitArgv.data());
    // The desktop ties the window to its menu entry: by this name on Wayland,
    // by the X11 window class, which Qt takes from the application name.
    QGuiApplication::setDesktopFileName(QStringLiteral(VEXA_DESKTOP_ID));
    QCoreApplication::setApplicationName(QStringLiteral(VEXA_DESKTOP_ID));
    // The classic look is kept on purpose, whatever the desktop's style; a
    // style asked for on the command line is taken.
    if (!line.styleGiven)
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // One window: a launcher that runs already takes the ROM and comes to the front.
    const QString socketPath = InstanceSocketPath();
    // --library with a ROM hands over the ROM; the library is opened here then.
    const HandOverKind kind = line.library && !line.rom ? HandOverKind::Library : HandOverKind::Open;
    if (!line.newWindow && HandOver(socketPath, kind, QByteArray::fromStdString(rom), kHandOverWaitMs))
        return 0;
    const bool besideFirst = line.newWindow && Listening(socketPath);
    // The window speaks the desktop's language; for English nothing is loaded.
    InstallSystemTranslations();
    MapWindowsFonts();

    int status = 0;
    {
        Vexa window;
        // Asked to stop, the launcher closes as it does from its close box
        // (and removes its socket): so from before the socket is made.
        OnQuitSignals(&window, [&window] { window.close(); });
        InstanceServer instance;
        if (!line.newWindow && !socketPath.isEmpty() && !instance.Listen(socketPath))
            std::fprintf(stderr, "%s: other launchers cannot reach this one at %s\n", program.c_str(),
                         socketPath.toLocal8Bit().constData());
        QObject::connect(&instance, &InstanceServer::Handed, window.Arrival(), &PathArrival::HandedOver);
        if (line.rom)
            window.Arrival()->Open(DecodeFileName(QByteArray::fromStdString(rom)), false);
        // A first start from the menu opens on the user's home folder, the
        // lists shown, so the first thing seen is where to pick ROMs.
        // It also says where the library is, which has no control in the window.
        if (line.dataFolder && !line.rom && !window.FolderStored()) {
            window.OfferFolder(DecodeFileName(QByteArray::fromStdString(HomeFolder())));
            window.Library()->SayWhere();
        }
        window.show();
        if (line.library)
            window.Library()->Open();
        if (besideFirst)
            PlaceBesideFirst(window);
        status = QApplication::exec();
    }
    // A read stuck on a share that never answers still holds its thread: it
    // must not run on into the teardown of the toolkit and the program's
    // static data. The program ends here instead, its output flushed.
    if (!Background::WaitIdle(kExitWaitMs)) {
        std::fflush(nullptr);
        _exit(status);
    }
    return status;
}
