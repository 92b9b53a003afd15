#pragma once

#include "platform/SettingNames.h"

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QString>
#include <QStringList>
#include <QTest>

#include <condition_variable>
#include <cstring>
#include <functional>
#include <mutex>

#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/socket.h>
#include <ftw.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

// Small helpers for building folders of test files and reading what the
// launcher and the stand-in emulator left behind.

// The launcher's settings file inside the test's own configuration folder.
inline QString SettingsFile()
{
    return qEnvironmentVariable("XDG_CONFIG_HOME") + QLatin1Char('/') + SettingNames::Application + QLatin1Char('/')
        + SettingNames::Application + QStringLiteral(".conf");
}

// Removes a folder and everything in it, names that are not UTF-8 included
// (QTemporaryDir cannot remove those).
inline void RemoveTree(const QString &path)
{
    nftw(
        QFile::encodeName(path).constData(),
        [](const char *name, const struct stat *, int, FTW *) { return remove(name); }, 16,
        FTW_DEPTH | FTW_PHYS);
}

inline bool WaitFor(const std::function<bool()> &condition, int ms = 5000)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > ms)
            return false;
        QTest::qWait(5);
    }
    return true;
}

inline bool WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray RomBytes(int length, unsigned char cgb, unsigned char sgb, unsigned char size,
                           unsigned char destination)
{
    QByteArray bytes(length, '\x11');
    auto put = [&](int offset, unsigned char value) {
        if (offset < length)
            bytes[offset] = static_cast<char>(value);
    };
    put(0x143, cgb);
    put(0x146, sgb);
    put(0x148, size);
    put(0x14A, destination);
    return bytes;
}

// The picture in the format asked for, as a file of it would hold it.
inline QByteArray Encoded(const QImage &image, const char *format, bool progressive = false)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return buffer.data();
}

// A small baseline JPEG, as a game picture may be.
inline QByteArray SampleJpeg()
{
    QImage image(71, 19, QImage::Format_RGB32);
    image.fill(Qt::darkRed);
    return Encoded(image, "jpeg");
}

inline bool MakeFifo(const QString &path)
{
    return mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
}

inline bool MakeLink(const QString &target, const QString &path)
{
    return symlink(QFile::encodeName(target).constData(), QFile::encodeName(path).constData()) == 0;
}

// Points the settings at another configuration folder while it lives.
class ConfigHomeOverride
{
public:
    explicit ConfigHomeOverride(const QString &home) : saved_(qgetenv("XDG_CONFIG_HOME"))
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home));
    }
    ~ConfigHomeOverride() { qputenv("XDG_CONFIG_HOME", saved_); }
    ConfigHomeOverride(const ConfigHomeOverride &) = delete;
    ConfigHomeOverride &operator=(const ConfigHomeOverride &) = delete;

private:
    QByteArray saved_;
};

// Sets an environment variable, or unsets it when value is null, while it
// lives.
class VariableOverride
{
public:
    VariableOverride(const char *name, const QByteArray &value)
        : name_(name), saved_(qEnvironmentVariableIsSet(name) ? qgetenv(name) : QByteArray())
    {
        value.isNull() ? qunsetenv(name) : qputenv(name, value);
    }
    ~VariableOverride() { saved_.isNull() ? qunsetenv(name_) : qputenv(name_, saved_); }
    VariableOverride(const VariableOverride &) = delete;
    VariableOverride &operator=(const VariableOverride &) = delete;

private:
    const char *name_;
    QByteArray saved_;
};

// What may be found where a regular file is expected: one table for every
// reader of files (settings, ROM headers, pictures).
inline void AddHostileFileRows()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("FIFO") << "fifo";
    QTest::newRow("socket") << "socket";
    QTest::newRow("device node") << "device";
    QTest::newRow("link to /dev/zero") << "zero";
    QTest::newRow("link to /dev/ptmx") << "ptmx";
    QTest::newRow("directory") << "dir";
    QTest::newRow("512 MB sparse file") << "sparse";
}

// Makes one of those at path; the sparse file begins with start.
inline bool MakeHostileFile(const QString &kind, const QString &path, const QByteArray &start)
{
    const QByteArray name = QFile::encodeName(path);
    if (kind == QLatin1String("fifo"))
        return mkfifo(name.constData(), 0644) == 0;
    if (kind == QLatin1String("socket")) {
        sockaddr_un address = {};
        address.sun_family = AF_UNIX;
        if (name.size() >= qsizetype(sizeof address.sun_path))
            return false;
        memcpy(address.sun_path, name.constData(), static_cast<size_t>(name.size()));
        const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const bool bound = bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
        close(fd);
        return bound;
    }
    if (kind == QLatin1String("device")) // a node of its own for /dev/zero's device
        return mknod(name.constData(), S_IFCHR | 0644, makedev(1, 5)) == 0;
    if (kind == QLatin1String("zero") || kind == QLatin1String("ptmx"))
        return symlink(kind == QLatin1String("zero") ? "/dev/zero" : "/dev/ptmx", name.constData()) == 0;
    if (kind == QLatin1String("dir"))
        return QDir().mkpath(path);
    return WriteBytes(path, start) && truncate(name.constData(), 512LL << 20) == 0;
}

// Tells whether anything opened the path since the watch began. Watches the
// kinds that must never be opened and have an inode of their own (not the
// links to /dev, not the regular sparse file).
class OpenWatch
{
public:
    OpenWatch(const QString &path, const QString &kind)
    {
        if (kind == QLatin1String("zero") || kind == QLatin1String("ptmx") || kind == QLatin1String("sparse"))
            return;
        fd_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        inotify_add_watch(fd_, QFile::encodeName(path).constData(), IN_OPEN | IN_DONT_FOLLOW);
    }
    ~OpenWatch()
    {
        if (fd_ >= 0)
            close(fd_);
    }
    OpenWatch(const OpenWatch &) = delete;
    OpenWatch &operator=(const OpenWatch &) = delete;

    bool Opened() const
    {
        char events[4096];
        return fd_ >= 0 && read(fd_, events, sizeof events) > 0;
    }

private:
    int fd_ = -1;
};

// An executable shell script.
inline bool WriteScript(const QString &path, const QByteArray &body, bool executable = true)
{
    if (!WriteBytes(path, "#!/bin/sh\n" + body))
        return false;
    return chmod(QFile::encodeName(path).constData(), executable ? 0755 : 0644) == 0;
}

// A stand-in emulator that appends its arguments, one a line and a line
// "--" after each run, to the file named by $VEXA_RECORD.
inline QByteArray RecorderScript()
{
    return "for a in \"$@\"; do printf '%s\\n' \"$a\" >> \"$VEXA_RECORD\"; done\n"
           "echo -- >> \"$VEXA_RECORD\"\n";
}

// The runs the stand-in has finished recording, each its arguments one a line.
inline QStringList RecordedRuns(const QString &record)
{
    QFile file(record);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(file.readAll());
    const qsizetype end = text.lastIndexOf(QStringLiteral("--\n"));
    if (end < 0)
        return {};
    return text.left(end + 3).split(QStringLiteral("--\n"), Qt::SkipEmptyParts);
}

// Holds background work until the test lets it go.
class Gate
{
public:
    void Wait()
    {
        std::unique_lock<std::mutex> lock(mutex_);
        open_.wait(lock, [this] { return opened_; });
    }
    void Open()
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        opened_ = true;
        open_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable open_;
    bool opened_ = false;
};
