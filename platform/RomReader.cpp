#include "RomReader.h"

#include "RegularFile.h"

#include "core/HeaderInspection.h"

bool ReadRomHeader(const QString &path, std::vector<std::uint8_t> &header)
{
    header.clear();
    RegularFile file(path);
    if (!file.IsOpen())
        return false;
    header.resize(kHeaderLength);
    const std::int64_t read = file.Read(header.data(), static_cast<std::int64_t>(kHeaderLength));
    header.resize(read > 0 ? static_cast<std::size_t>(read) : 0);
    return read >= 0;
}
