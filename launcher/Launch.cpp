#include "Launch.h"

#include "platform/FileNames.h"
#include "platform/ProgramEndWatch.h"
#include "platform/RomCache.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// A start that failed before anything was started, for the reason given.
StartFailure NothingStarted(const Wording &reason)
{
    StartFailure failure;
    failure.message = failure.summary = reason.English();
    failure.summaryWording = reason;
    failure.adviceWording = {"Launch", QT_TRANSLATE_NOOP("Launch", "Nothing was started."), {}};
    failure.advice = failure.adviceWording.English();
    return failure;
}

} // namespace

// What a start in the background came to.
struct Launch::Outcome {
    QByteArray command;   // the command line as shown, in bytes
    QByteArray romFile;   // the ROM started, unpacked when it was an entry
    bool unpacked = true; // false: the entry could not be unpacked, for why
    QString why;
    bool romGone = false;
    int error = 0;        // the errno value the start failed with; 0 when started
    bool found = true;    // the program is there (error then concerns what it needs)
    int watchFd = -1;     // the started emulator's watch (see StartProgram)
};

struct Launch::Pending {
    quint64 start = 0;
    LaunchOptions options;
    LaunchRom rom;
    std::unique_ptr<LatestRequest<Outcome>> request; // null while waiting for its turn
};

Launch::Launch(QObject *parent)
    : QObject(parent)
    , unpackRom([](const std::string &archive, const std::string &entry, std::string *why) {
        return RomCache(RomCache::DefaultFolder()).Unpack(archive, entry, why);
    })
    , checkRun(CheckBeforeRun)
{
    moment_.setSingleShot(true);
    connect(&moment_, &QTimer::timeout, this, [this] {
        waiting_ = Busy();
        if (waiting_)
            emit Waiting(true);
    });
}

Launch::~Launch() = default;

QString Launch::CommandLine(LaunchOptions options, const QString &romFile) const
{
    options.Game = EncodeFileName(romFile).toStdString();
    const QByteArray program = Program.isEmpty() ? QByteArrayLiteral("vexa") : EncodeFileName(Program);
    return DecodeFileName(QByteArray::fromStdString(BuildLaunchLine(program.toStdString(), options).text));
}

quint64 Launch::Start(LaunchOptions options, const LaunchRom &rom)
{
    // A second click while the same entry is being unpacked starts nothing more.
    for (const std::unique_ptr<Pending> &pending : starts_) {
        if (!rom.entry.empty() && pending->rom.path == rom.path && pending->rom.entry == rom.entry)
            return pending->start;
    }
    auto pending = std::make_unique<Pending>();
    pending->start = ++next_;
    pending->options = std::move(options);
    pending->rom = rom;
    starts_.push_back(std::move(pending));
    if (!moment_.isActive() && !waiting_)
        moment_.start(MomentMs);
    StartWaiting();
    return next_;
}

void Launch::StartWaiting()
{
    for (const std::unique_ptr<Pending> &pending : starts_) {
        if (!lane_.HasRoom())
            return;
        if (pending->request)
            continue;
        Pending *raw = pending.get();
        pending->request = std::make_unique<LatestRequest<Outcome>>(
            lane_, [this, raw](std::optional<Outcome> outcome) { Finish(raw, std::move(outcome)); });
        const QByteArray program = Program.isEmpty() ? QByteArrayLiteral("vexa") : EncodeFileName(Program);
        pending->request->Start([unpack = unpackRom, check = checkRun, program, options = pending->options,
                                 path = EncodeFileName(pending->rom.path), entry = pending->rom.entry,
                                 watchMs = WatchMs]() mutable {
            Outcome outcome;
            outcome.romFile = path;
            if (!entry.empty()) {
                std::string why;
                outcome.romFile = QByteArray::fromStdString(unpack(path.toStdString(), entry, &why));
                outcome.unpacked = !outcome.romFile.isEmpty();
                outcome.why = QString::fromLocal8Bit(why.c_str());
                if (!outcome.unpacked)
                    return outcome;
            }
            options.Game = outcome.romFile.toStdString();
            const LaunchLine line = BuildLaunchLine(program.toStdString(), options);
            outcome.command = QByteArray::fromStdString(line.text);
            const RunCheck checked = check(program, outcome.romFile);
            outcome.romGone = checked.romGone;
            outcome.error = checked.programError;
            outcome.found = checked.programError != ENOENT;
            if (outcome.romGone || outcome.error != 0)
                return outcome;
            ProgramWatch watch;
            watch.windowMs = watchMs;
            if (StartProgram(line.words, 1, &outcome.error, &watch, checked.file) < 0) {
                // Gone since the look, or what it needs is missing.
                outcome.found = check(program, QByteArray()).programError != ENOENT;
                return outcome;
            }
            outcome.watchFd = watch.fd;
            return outcome;
        });
    }
}

void Launch::Finish(Pending *pending, std::optional<Outcome> outcome)
{
    const quint64 start = pending->start;
    const LaunchRom rom = pending->rom;
    for (auto at = starts_.begin(); at != starts_.end(); ++at) {
        if (at->get() == pending) {
            // The request delivering now may not go while it delivers: it goes once the event loop is back.
            if (finished_.empty())
                QMetaObject::invokeMethod(this, [this] { finished_.clear(); }, Qt::QueuedConnection);
            finished_.push_back(std::move(*at));
            starts_.erase(at);
            break;
        }
    }
    StartWaiting();
    if (!Busy()) {
        moment_.stop();
        if (waiting_) {
            waiting_ = false;
            emit Waiting(false);
        }
    }
    if (!outcome) {
        emit Failed(start, NothingStarted({"Launch",
                                           QT_TRANSLATE_NOOP("Launch", "The emulator could not be started: no background "
                                                                       "thread could be made."),
                                           {}}));
        return;
    }
    if (!outcome->unpacked) {
        // The reason is the archive library's or the system's own, in English.
        const Wording message{"Launch", QT_TRANSLATE_NOOP("Launch", "%1 cannot be unpacked: %2."),
                              {DisplayFileName(rom.path + QStringLiteral(": ")
                                               + DecodeFileName(QByteArray::fromStdString(rom.entry)))
                                   .toStdString(),
                               outcome->why.toStdString()}};
        std::fprintf(stderr, "vexa-launcher: %s\n", QString::fromStdString(message.English()).toLocal8Bit().constData());
        emit Failed(start, NothingStarted(message));
        return;
    }
    if (outcome->romGone) {
        emit RomGone(start, tr("The ROM %1 is not there any more: it was deleted or renamed since it was clicked.")
                                .arg(DisplayFileName(DecodeFileName(outcome->romFile))));
        return;
    }
    const QString command = DecodeFileName(outcome->command);
    if (outcome->watchFd < 0) {
        const std::string program = Program.isEmpty() ? std::string("vexa") : DisplayFileName(Program).toStdString();
        const StartFailure failure = DescribeStartFailure(outcome->error, program, outcome->found,
                                                          std::strerror(outcome->error),
                                                          DisplayFileName(command).toStdString());
        std::fprintf(stderr, "%s\n", failure.message.c_str());
        emit Failed(start, failure);
        return;
    }
    Watch(start, outcome->watchFd, command);
    emit Started(start, command);
}

void Launch::Watch(quint64 start, int fd, const QString &command)
{
    // An emulator that gives up at once (a ROM it cannot open) says why on
    // its error output, which nobody sees after a start from the menu.
    auto *watch = new ProgramEndWatch(fd, this);
    connect(watch, &ProgramEndWatch::Failed, this, [this, start, command](const ProgramEnd &end) {
        emit Failed(start, DescribeEarlyEnd(end.exitCode, end.signal,
                                            std::string(end.tail, static_cast<std::size_t>(end.length)),
                                            DisplayFileName(command).toStdString()));
    });
    connect(watch, &ProgramEndWatch::Ended, this, [this, start](const ProgramEnd &end) { emit Ended(start, end); });
    connect(watch, &ProgramEndWatch::Done, watch, &QObject::deleteLater);
}
