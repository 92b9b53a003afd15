#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// A regular file opened for reading. What the path names is examined before
// anything is opened: a FIFO, socket, device or directory is refused without
// being opened (so a FIFO's waiting writer is never released and no device is
// touched), and the file opened is the one examined, even when another takes
// its name meanwhile. Opening never blocks. On a share, opening costs one
// lookup of each part of the path, one look at the file and one open. The
// file is closed when the object goes.
class RegularFile
{
public:
    explicit RegularFile(const QString &path);
    // The file of that name in an open folder (AT_FDCWD: the working folder).
    RegularFile(int folder, const QByteArray &name);
    ~RegularFile();
    RegularFile(const RegularFile &) = delete;
    RegularFile &operator=(const RegularFile &) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    // The open file's descriptor, -1 when not open; the object keeps it.
    int Descriptor() const { return fd_; }
    std::int64_t Size() const { return size_; }
    // Why the file is not open, as an errno value: ENOENT when nothing is
    // there, EINVAL when it is not a regular file.
    int Error() const { return error_; }
    // The type and permission bits of the file opened, or of what the path
    // named when it was refused; 0 when nothing.
    unsigned Mode() const { return mode_; }

    // Reads until size bytes are in or the file ends. Returns the count read,
    // or -1 on a read error.
    std::int64_t Read(void *data, std::int64_t size);

private:
    int fd_ = -1;
    int error_ = 0;
    unsigned mode_ = 0;
    std::int64_t size_ = 0;
};
