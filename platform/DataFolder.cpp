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
    return true;
}
