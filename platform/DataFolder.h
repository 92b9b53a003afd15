#pragma once

#include <string>

// The per-user data folder: $XDG_DATA_HOME/vexa, or ~/.local/share/vexa when
// XDG_DATA_HOME is unset, empty or not an absolute path (XdgFolder).
std::string DataFolderPath();

// Makes the data folder (and its parents, private to the user) when missing
// and changes into it; makes saves/ and rsave/ there, where the emulator is
// told to keep its saves. Needs no application object. On failure the working
// folder stays as it was and why says what went wrong.
bool EnterDataFolder(std::string &why);
