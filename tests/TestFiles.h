#pragma once

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTest>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

// Small helpers for building folders of test files and reading what the
// launcher and the stand-in emulator left behind.

// The launcher's settings file inside the test's own configuration folder.
inline QString SettingsFile()
{
    return qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Vexa/Vexa.conf");
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

inline bool MakeFifo(const QString &path)
{
    return mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
}

inline bool MakeLink(const QString &target, const QString &path)
{
    return symlink(QFile::encodeName(target).constData(), QFile::encodeName(path).constData()) == 0;
}

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
