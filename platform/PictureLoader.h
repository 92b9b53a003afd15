#pragma once

#include <QImage>
#include <QString>

// The launcher names relative paths the way it always has, "images\name.bmp";
// this turns the backslashes into the separator where a path meets the file system.
QString FileSystemPath(const QString &path);

// Loads a BMP, JPEG, GIF or PNG picture, the format told by its first bytes
// and decoded by that reader alone, whatever other image plug-ins are
// installed. Returns a null image when the path is missing, is not a regular
// file (which is then never opened), is larger than 64 MB, is cut off (a JPEG
// must end with its end marker), is a progressive JPEG of more than 256 scans,
// is not a picture its reader can decode, or claims more than
// kMaxPicturePixels. Pure and safe to call from any thread.
QImage LoadPicture(const QString &path);

constexpr qint64 kMaxPicturePixels = 4096LL * 4096LL;
