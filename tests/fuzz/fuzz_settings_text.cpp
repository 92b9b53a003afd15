// Any settings text and any value: reading never crashes, and a value set in
// any text reads back exactly, lone surrogates included.
#include "platform/IniText.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QString>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::string valueBytes = input.ConsumeRandomLengthString(64);
    const std::string sectionBytes = input.ConsumeRandomLengthString(8);
    const std::string text = input.ConsumeRemainingBytesAsString();
    QString value;
    for (std::size_t i = 0; i + 1 < valueBytes.size(); i += 2)
        value += QChar(char16_t((std::uint8_t(valueBytes[i]) << 8) | std::uint8_t(valueBytes[i + 1])));
    const QString section = sectionBytes.empty() ? QStringLiteral("Options") : QString::fromLatin1(sectionBytes);
    const QString key = QStringLiteral("RomPath");
    const QByteArray before = QByteArray::fromStdString(text);

    QString found;
    FindIniString(before, section, key, found);
    const QByteArray after = SetIniString(before, section, key, value);
    if (!FindIniString(after, section, key, found) || found != value)
        abort();
    return 0;
}
