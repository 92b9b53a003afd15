#pragma once

#include <string>

// A per-user folder of the XDG base directories: the value of variable
// (XDG_CONFIG_HOME, XDG_DATA_HOME, XDG_CACHE_HOME ...) when it is an absolute
// path, otherwise fallbackUnderHome ("/.config", "/.local/share" ...) under
// the home folder. A relative or empty value is ignored, as the XDG rules
// say. The home folder is $HOME when that is absolute, else the one of the
// user's password entry, else "/". Returned as bytes, with exactly one slash
// at its end ("/home/me/.config/", "/" for the root), so a name can be
// appended as it is. Needs no application object.
std::string XdgFolder(const char *variable, const char *fallbackUnderHome);

// The home folder, by the same rule: $HOME when absolute, else the password
// entry's, else "/".
std::string HomeFolder();
