#pragma once

#include <QByteArray>
#include <QString>

// The INI text of the settings file, in the form Qt's QSettings reads and
// writes: "[section]" lines, "key=value" lines, ';' comments, values quoted
// and escaped its way. Values are only ever plain strings: a stored
// "@Variant(...)" or other typed value is never decoded. A string may hold
// lone surrogates (a file name that is not UTF-8); they are written as \x
// escapes, which read back exactly, here and in QSettings.

// Finds the string stored under section and key. Returns false when the key
// is absent or holds something other than a plain string. A value written as
// a list ("a, b") reads as its items joined by ", ".
bool FindIniString(const QByteArray &text, const QString &section, const QString &key, QString &value);

// The text with the key set to value: its value replaced where it stands, or a
// new line at the end of its section, or a new section at the end, with the
// text's own line ends (CR LF in a file written on Windows). Everything else
// is kept byte for byte, unless the text is so broken that the entry
// would not read back: then the result holds the entry alone.
QByteArray SetIniString(const QByteArray &text, const QString &section, const QString &key,
                        const QString &value);
