#include "ArchiveLibrary.h"

#include <dlfcn.h>

namespace {

template <typename Function>
void Resolve(void *library, const char *name, Function &function, std::string &why)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    if (!function && why.empty())
        why = std::string("libarchive has no ") + name;
}

ArchiveLibrary Load()
{
    ArchiveLibrary library;
    // Kept loaded for the program's life.
    void *handle = dlopen("libarchive.so.13", RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char *error = dlerror();
        library.why = std::string("libarchive cannot be loaded (") + (error ? error : "unknown error") + ")";
        return library;
    }
    std::string &why = library.why;
    Resolve(handle, "archive_read_new", library.read_new, why);
    Resolve(handle, "archive_read_free", library.read_free, why);
    Resolve(handle, "archive_read_support_format_zip", library.support_format_zip, why);
    Resolve(handle, "archive_read_support_format_7zip", library.support_format_7zip, why);
    Resolve(handle, "archive_read_open_fd", library.read_open_fd, why);
    Resolve(handle, "archive_read_next_header", library.read_next_header, why);
    Resolve(handle, "archive_read_data", library.read_data, why);
    Resolve(handle, "archive_error_string", library.error_string, why);
    Resolve(handle, "archive_entry_filetype", library.entry_filetype, why);
    Resolve(handle, "archive_entry_size_is_set", library.entry_size_is_set, why);
    Resolve(handle, "archive_entry_size", library.entry_size, why);
    Resolve(handle, "archive_entry_pathname", library.entry_pathname, why);
    Resolve(handle, "archive_entry_is_encrypted", library.entry_is_encrypted, why);
    Resolve(handle, "archive_entry_hardlink", library.entry_hardlink, why);
    return library;
}

} // namespace

const ArchiveLibrary &Libarchive()
{
    // Leaked: threads stuck on a dead share may use it at exit.
    static const ArchiveLibrary *library = new ArchiveLibrary(Load());
    return *library;
}
