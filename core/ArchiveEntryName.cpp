#include "ArchiveEntryName.h"

#include <cctype>

namespace {

bool EndsWithFolded(const std::string &name, const std::string &suffix)
{
    if (name.size() < suffix.size())
        return false;
    const std::size_t start = name.size() - suffix.size();
    for (std::size_t i = 0; i < suffix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(name[start + i])) != suffix[i])
            return false;
    }
    return true;
}

bool IsSeparator(char c)
{
    return c == '/' || c == '\\';
}

} // namespace

bool IsArchiveName(const std::string &fileName)
{
    return EndsWithFolded(fileName, ".zip") || EndsWithFolded(fileName, ".7z");
}

std::string ArchiveListName(const std::string &archiveName, const std::string &entryName, bool onlyRom)
{
    return onlyRom ? archiveName : archiveName + ": " + entryName;
}

std::string EntryBaseName(const std::string &entryName)
{
    const std::size_t separator = entryName.find_last_of("/\\");
    return separator == std::string::npos ? entryName : entryName.substr(separator + 1);
}

std::string EntryNameRefusal(const std::string &entryName)
{
    if (entryName.empty() || IsSeparator(entryName.back()))
        return "it names no file";
    if (entryName.find('\0') != std::string::npos)
        return "its name holds a NUL byte";
    if (IsSeparator(entryName.front()))
        return "its name is an absolute path";
    if (entryName.size() >= 2 && entryName[1] == ':' && std::isalpha(static_cast<unsigned char>(entryName[0])))
        return "its name starts with a drive letter";
    std::size_t start = 0;
    while (start <= entryName.size()) {
        std::size_t end = start;
        while (end < entryName.size() && !IsSeparator(entryName[end]))
            ++end;
        if (entryName.compare(start, end - start, "..") == 0)
            return "its name climbs out of its folder";
        start = end + 1;
    }
    return {};
}
