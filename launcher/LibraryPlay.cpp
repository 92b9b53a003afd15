#include "LibraryPlay.h"

#include "Launch.h"
#include "Vexa.h"

#include "controls/DirListBox.h"
#include "library/LibraryWindow.h"
#include "platform/FileNames.h"
#include "platform/LibraryRecord.h"
#include "platform/LibraryStore.h"
#include "platform/SettingNames.h"
#include "platform/Settings.h"

namespace {

// Closing waits this long at most for the last plays to be stored.
constexpr int kStoreWaitMs = 1500;

} // namespace

namespace {

// The library's first folder: the stored ROM folder, or before one is stored
// (a first start) the folder the main window shows.
QString RomFolder(const Vexa &window)
{
    const QString stored = ReadSetting(SettingNames::Application, SettingNames::Section, SettingNames::RomPath);
    return stored.isEmpty() ? window.Dir1->Path() : stored;
}

} // namespace

LibraryPlay::LibraryPlay(Vexa &window, LibraryWindow &libraryWindow)
    : QObject(&libraryWindow)
    , window_(window)
    , libraryWindow_(libraryWindow)
    , library_(LibraryStore::DefaultPath(), RomFolder(window))
{
    LibraryWindow *shown = &libraryWindow;
    connect(&library_, &Library::RecordsRead, shown, &LibraryWindow::SetRecords);
    connect(&library_, &Library::Progress, shown, &LibraryWindow::SetProgress);
    connect(&library_, &Library::RootUnreachable, shown, &LibraryWindow::RootUnreachable);
    connect(&library_, &Library::Problem, shown, &LibraryWindow::ShowProblem);
    connect(&library_, &Library::RootsChanged, shown, &LibraryWindow::SetRoots);
    connect(shown, &LibraryWindow::AddRootRequested, this, [this](const QString &root) {
        library_.AddRoot(root);
        libraryWindow_.SetRoots(library_.Roots());
    });
    connect(shown, &LibraryWindow::RemoveRootRequested, this, [this](const QString &root) {
        library_.RemoveRoot(root);
        libraryWindow_.SetRoots(library_.Roots());
    });
    connect(shown, &LibraryWindow::FavouriteToggled, &library_, &Library::SetFavourite);
    connect(shown, &LibraryWindow::PlayRequested, this, &LibraryPlay::Play);
    connect(shown, &LibraryWindow::ImportDatsRequested, &library_, &Library::ImportDats);
    connect(&library_, &Library::DatImported, shown, &LibraryWindow::ShowProblem);

    Launch *launch = window_.Launcher();
    connect(launch, &Launch::Started, this, [this](quint64 start, const QString &) {
        const auto found = starting_.constFind(start);
        if (found == starting_.cend())
            return;
        playing_.insert(start, library_.RecordStart(found.value()));
        starting_.erase(found);
    });
    connect(launch, &Launch::Ended, this, [this](quint64 start, const ProgramEnd &end) {
        const auto found = playing_.constFind(start);
        if (found == playing_.cend())
            return;
        library_.RecordEnd(found.value(), end.elapsedMs / 1000);
        playing_.erase(found);
    });
    auto forget = [this](quint64 start) { starting_.remove(start); };
    connect(launch, &Launch::Failed, this, forget);
    connect(launch, &Launch::RomGone, this, forget);

    library_.Open();
    libraryWindow_.SetRoots(library_.Roots());
}

LibraryPlay::~LibraryPlay()
{
    // The window around may be half gone already: it hears nothing more.
    disconnect(&library_, nullptr, nullptr, nullptr);
    // Plays still running stay recorded as started, their time unknown.
    library_.Flush(kStoreWaitMs);
}

void LibraryPlay::Play(const LibraryRecord &record)
{
    const quint64 start = window_.Launcher()->Start(window_.LaunchChoices(), LaunchRom{record.path, record.entry});
    starting_.insert(start, record.sha1);
    window_.OpenRom(record.path, record.entry);
}
