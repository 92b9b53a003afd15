// Stores a folder the way the launcher does, then dies by SIGKILL before any
// orderly shutdown could write anything.
#include "platform/Settings.h"
#include "platform/SettingNames.h"

#include <QCoreApplication>

#include <csignal>
#include <unistd.h>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    WriteSetting(SettingNames::Application, SettingNames::Section, SettingNames::RomPath,
                 QString::fromLocal8Bit(argv[1]));
    kill(getpid(), SIGKILL);
    return 1;
}
