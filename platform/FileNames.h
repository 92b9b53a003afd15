#pragma once

#include <QByteArray>
#include <QString>

// File names are bytes; the program holds them as QStrings. A name that is
// not valid UTF-8 keeps each stray byte as a lone low surrogate U+DC80 + byte,
// so the string turns back into exactly the bytes it came from. Every path
// that reaches the file system goes through EncodeFileName.
QString DecodeFileName(const QByteArray &bytes);
QByteArray EncodeFileName(const QString &name);

// The name as shown to the user: every kept stray byte drawn as U+FFFD.
QString DisplayFileName(const QString &name);

// The name as shown on one line (a drive's label, a line of the error output):
// as DisplayFileName shows it, with each character that would break the line
// or not show (a newline, a tab, an escape, other controls, the line and
// paragraph separators) written as the mount table writes it, \012 for a
// newline, and those above 0xFF as \u2028.
QString OneLineName(const QString &name);
