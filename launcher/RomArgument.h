#pragma once

#include <QString>

#include <functional>

class Vexa;

// Opens a ROM named on the command line, handed over by another launcher or
// dropped on the window: its folder shown and the ROM selected as a click on
// it would, once its folder is listed. A folder is shown as it is. Only a
// readable regular file whose name the file list's pattern takes, or a zip or
// 7z archive (whose first ROM entry is selected), is opened;
// otherwise the window is left as it was. The path is checked in the
// background, so a ROM on a share that never answers holds up nothing. Unless
// asked (the user asked for it just now: a drop, a hand-over), a check that
// comes back after the user has taken the window elsewhere opens nothing.
// done then gets an empty text when the ROM or folder was opened, otherwise why not.
void OpenRomArgument(Vexa &window, const QString &path, bool asked,
                     const std::function<void(const QString &why)> &done);
