#pragma once

#include <QString>

class Vexa;

// Opens a ROM named on the command line: its folder shown and the ROM selected
// as a click on it would, once its folder is listed. Only a readable regular file whose name the file
// list's pattern takes is opened; otherwise the window is left as it started.
// Returns an empty text when the ROM was opened, otherwise why not.
QString OpenRomArgument(Vexa &window, const QString &path);
