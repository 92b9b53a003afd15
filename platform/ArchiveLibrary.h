#pragma once

#include <archive.h>
#include <archive_entry.h>

#include <string>

// libarchive, loaded when the first archive is read rather than at every
// start: with its own dependencies (nettle, acl, xml2, lzma, lz4, bz2) it
// added a tenth to the dynamic loader's work before the window showed, for
// a folder that may hold no archive at all. Safe to use from any thread.
struct ArchiveLibrary {
    decltype(&::archive_read_new) read_new = nullptr;
    decltype(&::archive_read_free) read_free = nullptr;
    decltype(&::archive_read_support_format_zip) support_format_zip = nullptr;
    decltype(&::archive_read_support_format_7zip) support_format_7zip = nullptr;
    decltype(&::archive_read_open_fd) read_open_fd = nullptr;
    decltype(&::archive_read_next_header) read_next_header = nullptr;
    decltype(&::archive_read_data) read_data = nullptr;
    decltype(&::archive_error_string) error_string = nullptr;
    decltype(&::archive_entry_filetype) entry_filetype = nullptr;
    decltype(&::archive_entry_size_is_set) entry_size_is_set = nullptr;
    decltype(&::archive_entry_size) entry_size = nullptr;
    decltype(&::archive_entry_pathname) entry_pathname = nullptr;
    decltype(&::archive_entry_is_encrypted) entry_is_encrypted = nullptr;
    decltype(&::archive_entry_hardlink) entry_hardlink = nullptr;

    // Why the library could not be loaded; empty when it was.
    std::string why;
};

// The library, loaded on the first call.
const ArchiveLibrary &Libarchive();
