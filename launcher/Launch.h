#pragma once

#include "core/LaunchCommand.h"
#include "core/StartFailure.h"
#include "platform/Background.h"
#include "platform/ProgramStart.h"
#include "platform/RunCheck.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>
#include <string>

// The ROM a Run starts: a plain file, or an entry of an archive, which is
// unpacked into the cache first.
struct LaunchRom {
    QString path;      // the ROM file, or the archive the entry lies in; empty when none was clicked
    std::string entry; // the entry inside the archive at path; empty for a plain file
};

// The way from Run to a started emulator, for the main window and for
// anything else that starts a game the same way: unpack an archive entry,
// check the ROM and the program, build the command once for both the words
// and the shown line, start it, watch it, and tell a failure. All of it but
// the telling runs in the background, so a share that stopped answering
// never holds the window; each Start is one start, in click order of its
// end, and none supersedes another.
class Launch : public QObject
{
    Q_OBJECT

public:
    explicit Launch(QObject *parent = nullptr);
    ~Launch() override;

    // The program started: empty for vexa on the PATH, or the program the
    // user picked (a word without a slash is looked for on the PATH).
    QString Program;
    // An emulator that ends with a failure within this many milliseconds of
    // its start is reported through Failed.
    int WatchMs = 5000;
    // Waiting() is said when a start is still under way after this long.
    int MomentMs = 250;
    // Unpacks a ROM entry of an archive into the cache and returns the
    // unpacked file's path, or empty with why set. Runs in the background.
    // Replaceable by tests.
    std::function<std::string(const std::string &archive, const std::string &entry, std::string *why)> unpackRom;
    // Looks at the program and the ROM before the start (CheckBeforeRun).
    // Runs in the background. Replaceable by tests.
    std::function<RunCheck(const QByteArray &program, const QByteArray &rom)> checkRun;

    // Starts the emulator with the options on that ROM; options.Game is
    // ignored. Returns the number its signals carry.
    quint64 Start(LaunchOptions options, const LaunchRom &rom);
    // True while a start is under way.
    bool Busy() const { return !starts_.empty(); }
    // The command line shown for the options on that ROM file, as Run starts it.
    QString CommandLine(LaunchOptions options, const QString &romFile) const;

signals:
    // The emulator is running: its command line as shown.
    void Started(quint64 start, const QString &command);
    // The emulator of that start ended, after running for elapsedMs.
    void Ended(quint64 start, const ProgramEnd &end);
    // Nothing was started, or the emulator stopped with a failure right
    // after it started: what the user is told.
    void Failed(quint64 start, const StartFailure &failure);
    // Nothing was started: the ROM clicked is not there any more.
    void RomGone(quint64 start, const QString &message);
    // True when a start has been under way for more than a moment; false
    // once no start is.
    void Waiting(bool waiting);

private:
    struct Outcome;
    struct Pending;

    // Starts the starts waiting for their turn, in click order, while the lane has room.
    void StartWaiting();
    void Finish(Pending *pending, std::optional<Outcome> outcome);
    void Watch(quint64 start, int fd, const QString &command);

    BackgroundLane lane_{2};
    std::deque<std::unique_ptr<Pending>> starts_;
    std::deque<std::unique_ptr<Pending>> finished_;
    QTimer moment_;
    bool waiting_ = false;
    quint64 next_ = 0;
};
