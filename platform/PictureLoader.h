#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

// Loads a BMP, JPEG, GIF or PNG picture. Returns a null image when the path is
// missing, is not a regular file (never blocking on a FIFO), is larger than
// 64 MB, is cut off, is not a picture Qt can read, or claims more than
// kMaxPicturePixels.
QImage LoadPicture(const QString &path);

constexpr qint64 kMaxPicturePixels = 4096LL * 4096LL;

// The picture of a ROM, from the first place PictureCandidates names that
// holds a picture: images/ of the working folder, then images/ in romFolder.
// A null image when none does.
QImage LoadGamePicture(const QString &romFolder, const QString &fileName);

// A picture compiled into the program, read as the format its name ends in,
// without asking every image plug-in installed whether it knows the file.
QPixmap ResourcePicture(const QString &path);
