#include "DataFolder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string HomeFolder()
{
    const char *home = std::getenv("HOME");
    if (home && *home)
        return home;
    const passwd *entry = getpwuid(getuid());
    return entry && entry->pw_dir ? entry->pw_dir : "/";
}

bool MakeFolders(const std::string &path, std::string &why)
{
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
            why = "cannot make " + part + ": " + std::strerror(errno);
            return false;
        }
        if (slash == std::string::npos)
            return true;
    }
}

} // namespace

std::string DataFolderPath()
{
    const char *dataHome = std::getenv("XDG_DATA_HOME");
    std::string base = dataHome && dataHome[0] == '/' ? dataHome : HomeFolder() + "/.local/share";
    while (base.size() > 1 && base.back() == '/')
        base.pop_back();
    return (base == "/" ? "" : base) + "/vexa";
}

bool EnterDataFolder(std::string &why)
{
    const std::string folder = DataFolderPath();
    if (!MakeFolders(folder, why))
        return false;
    if (chdir(folder.c_str()) != 0) {
        why = "cannot change into " + folder + ": " + std::strerror(errno);
        return false;
    }
    return true;
}
