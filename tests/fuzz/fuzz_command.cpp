// Any options through the command builder and the command-line split: the
// split gives back the words of every piece, in order.
#include "core/LaunchCommand.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QString>
#include <QStringList>

#include <cstdlib>

namespace {

QStringList Words(const std::string &text)
{
    QStringList words;
    for (const std::string &word : SplitCommandLine(text))
        words.append(QString::fromStdString(word));
    return words;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    static const char *const kVideo[] = {"320x200 With Gif", "320x200", "360x144", "180x144",
                                         "256x200 With Gif", "256x200"};
    static const char *const kStereo[] = {"Off", "Mono", "Normal", "Reversed"};
    LaunchOptions options;
    options.VideoText = input.ConsumeBool() ? kVideo[input.ConsumeIntegralInRange(0, 5)]
                                            : input.ConsumeRandomLengthString(40);
    options.StereoText = input.ConsumeBool() ? kStereo[input.ConsumeIntegralInRange(0, 3)]
                                             : input.ConsumeRandomLengthString(40);
    options.ModeIndex = input.ConsumeIntegralInRange(-1, 2);
    options.CrcState = input.ConsumeIntegralInRange(0, 2);
    options.DelayState = input.ConsumeIntegralInRange(0, 2);
    options.TwoPlayerState = input.ConsumeIntegralInRange(0, 2);
    options.Game = input.ConsumeRemainingBytesAsString();

    const std::string command = BuildLaunchCommand(options);

    QStringList expected{QStringLiteral("vexa"), QStringLiteral("-rtsdir"), QStringLiteral("rsave/"),
                         QStringLiteral("-savdir"), QStringLiteral("saves/")};
    const char *video[] = {"", "-video 1", "-video 2", "-video 3", "-video 4", "-video 5"};
    for (int i = 0; i < 6; ++i) {
        if (options.VideoText == kVideo[i])
            expected += Words(video[i]);
    }
    const char *modes[] = {"-gb", "-cgb", "-sgb"};
    if (options.ModeIndex >= 0)
        expected += QString::fromLatin1(modes[options.ModeIndex]);
    const char *sound[] = {"-sound 0", "-sound 1 -stereo 0", "-sound 1 -stereo 1", "-sound 1 -stereo 2"};
    for (int i = 0; i < 4; ++i) {
        if (options.StereoText == kStereo[i])
            expected += Words(sound[i]);
    }
    if (options.TwoPlayerState != Unchecked)
        expected += QStringLiteral("-2pl");
    expected += options.CrcState == Checked ? QStringLiteral("-crc") : QStringLiteral("-nocrc");
    expected += options.DelayState == Checked ? QStringLiteral("-delay") : QStringLiteral("-nodelay");
    expected += Words(options.Game);

    if (Words(command) != expected)
        abort();
    return 0;
}
