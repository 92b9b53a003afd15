#pragma once

#include <functional>
#include <string>

// Replaces the file name in the folder open as folder with a new one, whole
// or not at all: write fills a fresh temporary file beside it, which is then
// renamed over the name, so a reader sees the old file or the new one, never
// a part. The temporary file is made with O_EXCL and O_NOFOLLOW, so nothing
// is ever written through a link, and it gets the permission bits mode
// whatever the umask (mode 0: those the umask leaves of 0666). With sync, the
// new file is on the disk before the rename and the folder after it. write
// gets the descriptor and returns 0 or an errno value. Returns 0, or the errno
// value of what failed; nothing is left behind then.
//
// This is not QSaveFile, for what it does not keep (Qt 6.4, tried): a link
// at the name is followed and its target replaced (a link planted in the
// cache would turn the write onto another file); it works on paths that it
// encodes as UTF-8, not on the bytes of a name nor inside a folder the caller
// has opened and checked; it does not sync the folder after the rename.
int ReplaceFileAt(int folder, const std::string &name, unsigned mode, bool sync, const std::function<int(int fd)> &write);
