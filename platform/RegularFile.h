#pragma once

#include <QString>

#include <cstdint>

// A regular file opened for reading. Opening never blocks: a FIFO, socket,
// device or directory is refused at once, like a path that cannot be opened.
// The file is closed when the object goes.
class RegularFile
{
public:
    explicit RegularFile(const QString &path);
    ~RegularFile();
    RegularFile(const RegularFile &) = delete;
    RegularFile &operator=(const RegularFile &) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    std::int64_t Size() const { return size_; }

    // Reads until size bytes are in or the file ends. Returns the count read,
    // or -1 on a read error.
    std::int64_t Read(void *data, std::int64_t size);

private:
    int fd_ = -1;
    std::int64_t size_ = 0;
};
