#pragma once

#include <string>

// Folders only the user can change, opened so that what is checked is what is
// used: a folder (never a link) the user owns, with mode 0700. Paths and names
// are bytes. The descriptor returned is the caller's to close.

// Opens the folder name inside the folder open as at. A missing folder is
// made; a folder of the user's with another mode is made 0700 again. A link,
// anything but a folder, or another user's folder in its place is refused and
// left as it is: -1, with why set ("... is a symbolic link"). made, when
// given, says whether the folder was made now.
int OpenPrivateFolderAt(int at, const std::string &name, std::string *why, bool *made = nullptr);

// The same for an absolute path, its missing parents made 0700. The folder
// that holds it must not let another user replace it: it belongs to the user
// or to root, and others may write to it only with the sticky bit (/tmp).
int OpenPrivateFolder(const std::string &path, std::string *why);
