#pragma once

#include <QString>

// Per-user string values addressed by application, section and key, kept in
// $XDG_CONFIG_HOME/<application>/<application>.conf (~/.config when unset or
// not an absolute path, XdgFolder) in
// the INI form that QSettings reads and writes. Only a regular file of at most
// 1 MB is read; anything else there reads as an empty store and is never
// opened, so reading never blocks.

QString ReadSetting(const QString &application, const QString &section, const QString &key,
                    const QString &defaultValue = QString());

// Stores the value and writes the file before returning, replacing it
// atomically; a value equal to the stored one writes nothing. Returns false
// when the store could not be written: it is not a file that can be read, the
// user may not write to it (a read-only file is left as it is), another
// writer holds its lock for longer than a second, or the disk refused the
// new file. Then why, when given, receives a short reason for the user
// ("another program holds Vexa.conf.lock"); nothing is printed here. The
// caller may ignore it, the launcher goes on either way.
bool WriteSetting(const QString &application, const QString &section, const QString &key,
                  const QString &value, QString *why = nullptr);
