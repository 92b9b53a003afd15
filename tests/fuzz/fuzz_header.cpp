// Any file through the ROM header reader and the inspection: nothing crashes,
// at most 400 bytes are read, and the facts follow the tables.
#include "core/HeaderInspection.h"
#include "platform/RomReader.h"

#include <QFile>
#include <QString>

#include <cstdlib>
#include <set>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    struct ScratchFile {
        QString path;
        ScratchFile()
        {
            char name[] = "/tmp/vexa-fuzz-XXXXXX.gb";
            const int fd = mkstemps(name, 3);
            close(fd);
            path = QString::fromLocal8Bit(name);
        }
        ~ScratchFile() { QFile::remove(path); }
    };
    static const ScratchFile scratch;
    const QString &path = scratch.path;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        abort();
    file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size));
    file.close();

    std::vector<std::uint8_t> header;
    if (!ReadRomHeader(path, header))
        abort();
    if (header.size() != std::min<std::size_t>(size, kHeaderLength))
        abort();
    if (!std::equal(header.begin(), header.end(), data))
        abort();

    static const std::set<std::string> texts{"256KBit", "512KBit", "1MBit", "2MBit", "4MBit", "8MBit",
                                             "16MBit", "9MBit", "10MBit", "12MBit", "?MBit"};
    const HeaderFacts facts = InspectHeader(header);
    if (!texts.count(facts.RomSizeText))
        abort();
    if (header.size() < kHeaderLength
        && (facts.CgbAction != PanelAction::Keep || facts.SgbAction != PanelAction::Keep
            || facts.JapAction != PanelAction::Keep || facts.RomSizeText != "?MBit"))
        abort();
    if (header.size() == kHeaderLength) {
        const std::uint8_t cgb = header[0x143];
        const PanelAction expected = cgb == 0x80 ? PanelAction::Enable
            : cgb == 0x00                        ? PanelAction::Disable
                                                 : PanelAction::Keep;
        if (facts.CgbAction != expected)
            abort();
    }
    return 0;
}
