#include "DataFolder.h"

#include "FolderScan.h"
#include "XdgFolders.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

std::string DataFolderPath()
{
    return XdgFolder("XDG_DATA_HOME", ".local/share") + "vexa";
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
    // The emulator is told to keep its saves here: the folders are there
    // from the first game on.
    for (const char *saves : {"saves", "rsave"}) {
        if (mkdir(saves, 0777) != 0 && errno != EEXIST) {
            why = folder + "/" + saves + ": " + std::strerror(errno);
            return false;
        }
    }
    return true;
}
