#pragma once

#include <dirent.h>

// One pass over the names in a folder, read through a descriptor of its own:
// the one place the launcher reads a folder. The names are bytes, in the
// order the file system gives them; "." and ".." are left out.
class FolderReader
{
public:
    // Opens the folder path names, relative to the folder open as at
    // (AT_FDCWD: the working folder; "." for that folder itself), with
    // O_RDONLY | O_DIRECTORY | O_CLOEXEC and the extra flags given (O_NONBLOCK,
    // O_NOFOLLOW).
    FolderReader(int at, const char *path, int flags = 0);
    ~FolderReader();
    FolderReader(const FolderReader &) = delete;
    FolderReader &operator=(const FolderReader &) = delete;

    bool IsOpen() const { return dir_ != nullptr; }
    // The errno value of a failed open, or 0.
    int Error() const { return error_; }
    // The folder's descriptor, for calls relative to it (fstatat, unlinkat).
    int Fd() const;

    // The next entry (d_name, d_type), valid until the next call; null at the end.
    const dirent *Next();

private:
    DIR *dir_ = nullptr;
    int error_ = 0;
};
