#pragma once

#include <QImage>
#include <QString>

// The launcher names relative paths the way it always has, "images\name.bmp";
// this turns the backslashes into the separator where a path meets the file system.
QString FileSystemPath(const QString &path);

// Loads a BMP, JPEG, GIF or PNG picture. Returns a null image when the path is
// missing, is not a regular file (never blocking on a FIFO), is larger than
// 64 MB, is cut off, is not a picture Qt can read, or claims more than
// kMaxPicturePixels.
QImage LoadPicture(const QString &path);

constexpr qint64 kMaxPicturePixels = 4096LL * 4096LL;
