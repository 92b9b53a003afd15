#pragma once

#include <QString>

#include <cstdint>
#include <vector>

// Reads at most the first 400 bytes of a ROM file. Anything but a regular
// file (a FIFO, socket, device or directory) is refused at once without
// blocking, as is a path that cannot be opened. A short file yields what it
// has. The file is closed before this returns, whatever happened.
// Returns false when nothing could be read at all.
bool ReadRomHeader(const QString &path, std::vector<std::uint8_t> &header);
