// Start-up seen from outside, as a user sees it: from starting the process to
// the X server mapping its first top-level window, for the launcher and for a
// bare Qt program with one empty window, run alternately; a bare window with
// one bold label is timed too, for reference. Each program gets a
// fresh, empty configuration folder; SIGTERM ends it once mapped, and wait4
// gives its peak resident memory. Then the launcher on a stored folder of a
// million names, from its start to the last change of its window's picture
// (the full list drawn), against a plain C program that reads, matches and
// sorts the same folder, both as processes.
// Usage: bench_startup LAUNCHER BARE LABEL LIST_FOLDER [ROUNDS]   (needs DISPLAY)
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <fcntl.h>
#include <ftw.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

extern char **environ;

namespace {

constexpr int kRomFolderFiles = 100000;
constexpr int kMillion = 1000000;
constexpr int kMapTimeoutMs = 30000;
// The window is taken as drawn when its picture has not changed for this long.
constexpr int kQuietMs = 1500;

double NowMs()
{
    timespec now = {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void Row(const std::string &figure, double program, double baseline, const char *unit, const char *target)
{
    std::printf("ROW\t%s\t%.3f %s\t%.3f %s\t%.2f\t%s\n", figure.c_str(), program, unit, baseline, unit,
                baseline > 0 ? program / baseline : 0.0, target);
    std::fflush(stdout);
}

bool WriteFile(const std::string &path, const std::string &text)
{
    FILE *file = std::fopen(path.c_str(), "w");
    if (!file)
        return false;
    const bool ok = std::fputs(text.c_str(), file) >= 0;
    return std::fclose(file) == 0 && ok;
}

int RemoveEntry(const char *path, const struct stat *, int, FTW *)
{
    return remove(path);
}

void RemoveTree(const std::string &path)
{
    nftw(path.c_str(), RemoveEntry, 32, FTW_DEPTH | FTW_PHYS);
}

// Half ROM names, half other files, like a ROM set with its notes.
bool MakeRomFolder(const std::string &path, int files)
{
    if (mkdir(path.c_str(), 0755) != 0)
        return false;
    for (int i = 0; i < files; ++i) {
        const std::string name = path + "/Game " + std::to_string(i) + (i % 2 ? ".gb" : ".txt");
        const int fd = open(name.c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
        if (fd < 0)
            return false;
        close(fd);
    }
    return true;
}

class Display
{
public:
    bool Open()
    {
        connection_ = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(connection_))
            return false;
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
        const char name[] = "_NET_WM_PID";
        xcb_intern_atom_reply_t *atom
            = xcb_intern_atom_reply(connection_, xcb_intern_atom(connection_, 0, sizeof name - 1, name), nullptr);
        if (!atom)
            return false;
        pidAtom_ = atom->atom;
        free(atom);
        const xcb_query_extension_reply_t *damage = xcb_get_extension_data(connection_, &xcb_damage_id);
        if (damage && damage->present) {
            damageEvent_ = damage->first_event + XCB_DAMAGE_NOTIFY;
            free(xcb_damage_query_version_reply(
                connection_, xcb_damage_query_version(connection_, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
                nullptr));
        }
        return true;
    }

    bool HasDamage() const { return damageEvent_ >= 0; }

    ~Display()
    {
        if (connection_)
            xcb_disconnect(connection_);
    }

    // Drops whatever arrived before the program started.
    void Drain()
    {
        xcb_flush(connection_);
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection_))
            free(event);
    }

    // The time of the first map of a top-level window of that process, or a
    // negative number when none maps in time or the process ends first.
    double WaitForMap(pid_t pid)
    {
        const double deadline = NowMs() + kMapTimeoutMs;
        pollfd fd = {xcb_get_file_descriptor(connection_), POLLIN, 0};
        for (;;) {
            while (xcb_generic_event_t *event = xcb_poll_for_event(connection_)) {
                const double at = NowMs();
                const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
                const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
                const bool ours = mapped && map->event == root_ && !map->override_redirect
                    && WindowPid(map->window) == pid;
                if (ours)
                    mapped_ = map->window;
                free(event);
                if (ours)
                    return at;
            }
            if (xcb_connection_has_error(connection_))
                return -1;
            siginfo_t ended = {};
            if (waitid(P_PID, pid, &ended, WEXITED | WNOHANG | WNOWAIT) == 0 && ended.si_pid == pid)
                return -1;
            const double left = deadline - NowMs();
            if (left <= 0)
                return -1;
            poll(&fd, 1, std::min(50, static_cast<int>(left) + 1));
        }
    }

    // The time of the last change to the picture of the window mapped last,
    // once it has not changed for kQuietMs; mappedAt when it never changed.
    double WaitForQuiet(double mappedAt)
    {
        const xcb_damage_damage_t damage = xcb_generate_id(connection_);
        xcb_damage_create(connection_, damage, mapped_, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
        xcb_flush(connection_);
        double last = mappedAt;
        const double deadline = NowMs() + kMapTimeoutMs;
        pollfd fd = {xcb_get_file_descriptor(connection_), POLLIN, 0};
        while (NowMs() - last < kQuietMs && NowMs() < deadline) {
            while (xcb_generic_event_t *event = xcb_poll_for_event(connection_)) {
                if ((event->response_type & 0x7f) == damageEvent_)
                    last = NowMs();
                free(event);
            }
            if (xcb_connection_has_error(connection_))
                return -1;
            poll(&fd, 1, 20);
        }
        xcb_damage_destroy(connection_, damage);
        xcb_flush(connection_);
        return NowMs() < deadline ? last : -1;
    }

private:
    pid_t WindowPid(xcb_window_t window)
    {
        xcb_get_property_reply_t *reply = xcb_get_property_reply(
            connection_, xcb_get_property(connection_, 0, window, pidAtom_, XCB_ATOM_CARDINAL, 0, 1), nullptr);
        pid_t pid = -1;
        if (reply && xcb_get_property_value_length(reply) == 4)
            pid = static_cast<pid_t>(*static_cast<uint32_t *>(xcb_get_property_value(reply)));
        free(reply);
        return pid;
    }

    xcb_connection_t *connection_ = nullptr;
    xcb_window_t root_ = 0;
    xcb_atom_t pidAtom_ = 0;
    xcb_window_t mapped_ = 0;
    int damageEvent_ = -1;
};

struct Run {
    double mapMs = -1;
    double drawnMs = -1; // to the last change of the window's picture, when asked for
    double peakMiB = 0;
};

class Starter
{
public:
    Starter(Display &display, std::string work)
        : display_(display)
        , work_(std::move(work))
    {
    }

    // Runs the program in the empty working folder with a configuration
    // folder of its own, holding the given Vexa.conf text when not empty.
    Run Start(const std::string &program, const std::string &settings, bool untilDrawn = false)
    {
        const std::string config = work_ + "/config" + std::to_string(++runs_);
        mkdir(config.c_str(), 0700);
        if (!settings.empty()) {
            mkdir((config + "/Vexa").c_str(), 0700);
            WriteFile(config + "/Vexa/Vexa.conf", settings);
        }
        std::vector<std::string> variables{"XDG_CONFIG_HOME=" + config};
        for (char **variable = environ; *variable; ++variable) {
            if (std::strncmp(*variable, "XDG_CONFIG_HOME=", 16) != 0
                && std::strncmp(*variable, "QT_QPA_PLATFORM=", 16) != 0)
                variables.emplace_back(*variable);
        }
        std::vector<char *> envp;
        envp.reserve(variables.size() + 1);
        for (std::string &variable : variables)
            envp.push_back(variable.data());
        envp.push_back(nullptr);
        std::string name = program;
        char *argv[] = {name.data(), nullptr};

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addchdir_np(&actions, (work_ + "/cwd").c_str());
        Run run;
        display_.Drain();
        pid_t pid = 0;
        const double start = NowMs();
        const int error = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data());
        posix_spawn_file_actions_destroy(&actions);
        if (error != 0) {
            std::fprintf(stderr, "bench_startup: cannot start %s: %s\n", program.c_str(), std::strerror(error));
            return run;
        }
        const double mapped = display_.WaitForMap(pid);
        if (mapped >= 0)
            run.mapMs = mapped - start;
        else
            std::fprintf(stderr, "bench_startup: %s mapped no window\n", program.c_str());
        if (mapped >= 0 && untilDrawn) {
            const double drawn = display_.WaitForQuiet(mapped);
            if (drawn >= 0)
                run.drawnMs = drawn - start;
            else
                std::fprintf(stderr, "bench_startup: %s never stopped drawing\n", program.c_str());
        }
        run.peakMiB = static_cast<double>(Stop(pid)) / 1024.0;
        RemoveTree(config);
        return run;
    }

    // A program without a window, from its start to its end.
    static Run Time(const std::string &program, const std::string &argument)
    {
        std::string name = program;
        std::string word = argument;
        char *argv[] = {name.data(), word.data(), nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        Run run;
        pid_t pid = 0;
        const double start = NowMs();
        const int error = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
        posix_spawn_file_actions_destroy(&actions);
        if (error != 0)
            return run;
        rusage usage = {};
        int status = 0;
        wait4(pid, &status, 0, &usage);
        if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
            run.mapMs = run.drawnMs = NowMs() - start;
            run.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;
        }
        return run;
    }

private:
    // SIGTERM, and SIGKILL when that has not ended it within five seconds.
    static long Stop(pid_t pid)
    {
        kill(pid, SIGTERM);
        rusage usage = {};
        int status = 0;
        const double deadline = NowMs() + 5000;
        while (wait4(pid, &status, WNOHANG, &usage) == 0) {
            if (NowMs() > deadline) {
                kill(pid, SIGKILL);
                wait4(pid, &status, 0, &usage);
                break;
            }
            usleep(1000);
        }
        return usage.ru_maxrss;
    }

    Display &display_;
    std::string work_;
    int runs_ = 0;
};

// The launcher on a stored folder of a million names against the C program
// listing it, run alternately.
bool Million(Starter &starter, Display &display, const std::string &work, const std::string &launcher,
             const std::string &listFolder, int rounds)
{
    if (!display.HasDamage()) {
        std::fprintf(stderr, "bench_startup: the X server has no DAMAGE extension\n");
        return false;
    }
    const std::string roms = work + "/million";
    if (!MakeRomFolder(roms, kMillion)) {
        std::fprintf(stderr, "bench_startup: cannot make %s\n", roms.c_str());
        return false;
    }
    const std::string stored = "[Options]\nRomPath=" + roms + "\n";
    Starter::Time(listFolder, roms); // caches warm for both
    std::vector<double> drawnMs, listMs, drawnMiB, listMiB;
    bool failed = false;
    for (int round = 0; round < rounds && !failed; ++round) {
        const Run shown = starter.Start(launcher, stored, true);
        const Run listed = Starter::Time(listFolder, roms);
        failed = shown.drawnMs < 0 || listed.drawnMs < 0;
        drawnMs.push_back(shown.drawnMs);
        drawnMiB.push_back(shown.peakMiB);
        listMs.push_back(listed.drawnMs);
        listMiB.push_back(listed.peakMiB);
    }
    if (failed)
        return false;
    const std::string of = " (median of " + std::to_string(rounds) + ")";
    Row("stored folder of 1,000,000 names: start to the full list drawn, vs C read+match+sort as a process" + of,
        Median(drawnMs), Median(listMs), "ms", "<= 1.5");
    Row("stored folder of 1,000,000 names: peak resident memory vs that C program" + of, Median(drawnMiB),
        Median(listMiB), "MiB", "<= 2.5");
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s LAUNCHER BARE LABEL LIST_FOLDER [ROUNDS]\n", argv[0]);
        return 2;
    }
    std::string programs[4];
    for (int i = 0; i < 4; ++i) {
        char *path = realpath(argv[i + 1], nullptr);
        if (!path) {
            std::fprintf(stderr, "bench_startup: no such program: %s\n", argv[i + 1]);
            return 1;
        }
        programs[i] = path;
        free(path);
    }
    const std::string &launcher = programs[0];
    const std::string &bare = programs[1];
    const std::string &label = programs[2];
    const std::string &listFolder = programs[3];
    const int rounds = argc > 5 ? std::max(1, std::atoi(argv[5])) : 25;

    Display display;
    if (!display.Open()) {
        std::fprintf(stderr, "bench_startup: cannot connect to the X display (DISPLAY=%s)\n",
                     getenv("DISPLAY") ? getenv("DISPLAY") : "");
        return 1;
    }
    std::string work = (getenv("TMPDIR") ? getenv("TMPDIR") : "/tmp") + std::string("/vexa-startup-XXXXXX");
    if (!mkdtemp(work.data()))
        return 1;
    const std::string roms = work + "/roms";
    mkdir((work + "/cwd").c_str(), 0755);
    if (!MakeRomFolder(roms, kRomFolderFiles)) {
        std::fprintf(stderr, "bench_startup: cannot make %s\n", roms.c_str());
        RemoveTree(work);
        return 1;
    }
    const std::string stored = "[Options]\nRomPath=" + roms + "\n";

    Starter starter(display, work);
    starter.Start(launcher, std::string()); // caches warm for all three
    starter.Start(launcher, stored);
    starter.Start(bare, std::string());
    starter.Start(label, std::string());
    std::vector<double> emptyMs, storedMs, bareMs, labelMs, emptyMiB, bareMiB;
    bool failed = false;
    for (int round = 0; round < rounds && !failed; ++round) {
        const Run empty = starter.Start(launcher, std::string());
        const Run bare1 = starter.Start(bare, std::string());
        const Run full = starter.Start(launcher, stored);
        const Run bare2 = starter.Start(bare, std::string());
        const Run labelled = starter.Start(label, std::string());
        failed = empty.mapMs < 0 || full.mapMs < 0 || bare1.mapMs < 0 || bare2.mapMs < 0 || labelled.mapMs < 0;
        labelMs.push_back(labelled.mapMs);
        emptyMs.push_back(empty.mapMs);
        storedMs.push_back(full.mapMs);
        bareMs.push_back(bare1.mapMs);
        bareMs.push_back(bare2.mapMs);
        emptyMiB.push_back(empty.peakMiB);
        bareMiB.push_back(bare1.peakMiB);
        bareMiB.push_back(bare2.peakMiB);
    }
    if (failed) {
        RemoveTree(work);
        return 1;
    }
    const std::string of = " (median of " + std::to_string(rounds) + ")";
    Row("start-up to the mapped window, empty ROM folder" + of, Median(emptyMs), Median(bareMs), "ms",
        "<= 1.4");
    Row("start-up to the mapped window, stored folder of 100,000 files" + of, Median(storedMs), Median(bareMs),
        "ms", "<= 1.8");
    Row("start-up to the mapped window, bare window with one bold label, for reference" + of, Median(labelMs),
        Median(bareMs), "ms", "-");
    Row("start-up to the mapped window, empty ROM folder, vs the window with one bold label" + of,
        Median(emptyMs), Median(labelMs), "ms", "<= 1.10");
    Row("start-up peak resident memory, empty ROM folder" + of, Median(emptyMiB), Median(bareMiB), "MiB",
        "<= 1.4");
    const bool million = Million(starter, display, work, launcher, listFolder, std::min(rounds, 15));
    RemoveTree(work);
    return million ? 0 : 1;
}
