#pragma once

#include <QString>

// Per-user string values addressed by application, section and key, kept in
// Qt's native per-user settings (on Linux $XDG_CONFIG_HOME/<application>/<application>.conf).

QString ReadSetting(const QString &application, const QString &section, const QString &key,
                    const QString &defaultValue = QString());

// Stores the value and writes the file before returning, replacing it
// atomically. Returns false when the store could not be written; the caller
// may ignore it, the launcher goes on either way.
bool WriteSetting(const QString &application, const QString &section, const QString &key,
                  const QString &value);
