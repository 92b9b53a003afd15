#include "DataFolder.h"

#include "FolderScan.h"

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
    std::string failed;
    if (const int error = MakeFolders(folder, 0700, &failed)) {
        why = "cannot make " + failed + ": " + std::strerror(error);
        return false;
    }
    if (chdir(folder.c_str()) != 0) {
        why = "cannot change into " + folder + ": " + std::strerror(errno);
        return false;
    }
    return true;
}
