#pragma once

#include <string>

// How the ROMs inside zip and 7z archives are named: in the file list, and
// whether an entry's name may be taken at all. Names are bytes.

// Whether a file name ends in ".zip" or ".7z", letters without regard to case.
bool IsArchiveName(const std::string &fileName);

// The name an archive's ROM entry is listed under: the archive's own name
// when it holds one ROM, otherwise "Archive.zip: inner/name.gb".
std::string ArchiveListName(const std::string &archiveName, const std::string &entryName, bool onlyRom);

// The last part of an entry's name, after its last slash or backslash.
std::string EntryBaseName(const std::string &entryName);

// Why an entry's name is refused, or empty when it is safe: an empty name or
// one ending in a separator, an absolute path ("/x.gb", "\x.gb"), a drive
// letter ("C:x.gb"), a part ".." with either separator, or a NUL byte.
std::string EntryNameRefusal(const std::string &entryName);
