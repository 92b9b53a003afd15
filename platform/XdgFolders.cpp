#include "XdgFolders.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace {

bool IsAbsolute(const char *path)
{
    return path && path[0] == '/';
}

} // namespace

std::string HomeFolder()
{
    const char *home = std::getenv("HOME");
    if (IsAbsolute(home))
        return home;
    const passwd *entry = getpwuid(getuid());
    return entry && IsAbsolute(entry->pw_dir) ? entry->pw_dir : "/";
}

namespace {

// Runs of slashes become one and the folder ends with one.
std::string WithOneSlashAtEnd(const std::string &path)
{
    std::string folder;
    folder.reserve(path.size() + 1);
    for (const char c : path) {
        if (c != '/' || folder.empty() || folder.back() != '/')
            folder += c;
    }
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

} // namespace

std::string XdgFolder(const char *variable, const char *fallbackUnderHome)
{
    const char *value = std::getenv(variable);
    if (IsAbsolute(value))
        return WithOneSlashAtEnd(value);
    return WithOneSlashAtEnd(HomeFolder() + '/' + fallbackUnderHome);
}
