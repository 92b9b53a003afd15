#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

// Loads a BMP, JPEG, GIF or PNG picture, the format told by its first bytes
// and decoded by that reader alone, whatever other image plug-ins are
// installed. Returns a null image when the path is missing, is not a regular
// file (which is then never opened), is larger than 64 MB, is cut off (a JPEG
// must end with its end marker), is a progressive JPEG of more than 256 scans,
// is not a picture its reader can decode, or claims more than maxPixels
// (a JPEG that does is decoded scaled down to fit). Pure and safe to call
// from any thread.
constexpr qint64 kMaxPicturePixels = 4096LL * 4096LL;
QImage LoadPicture(const QString &path, qint64 maxPixels = kMaxPicturePixels);

// The picture of a ROM, from the first place PictureCandidates names that
// holds a picture: images/ of the working folder, then images/ in romFolder;
// the extension's case does not matter (PictureFolder).
// A null image when none does.
QImage LoadGamePicture(const QString &romFolder, const QString &fileName);

// A picture compiled into the program, read as the format its name ends in,
// without asking every image plug-in installed whether it knows the file.
QPixmap ResourcePicture(const QString &path);
