// filereading.h: reading the pictures beside the program and telling the player about a data
// file that cannot be read; the sounds and help documents are read by datafile.h. Paths are bytes
// in the file system's own encoding; every read goes through readRegularFile (regularfile.h), so
// that no file blocks the game or is read beyond its cap.
#pragma once

#include "platform/datafile.h"
#include "platform/regularfile.h"

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QString>

namespace quintrel {

struct PictureReading {
    QImage image;             // null when the picture could not be had
    QString reason;           // why not
    bool outOfMemory = false; // the file is good, but there was not memory enough to decode it
};

// The first picture of a picture file, whatever its format, within the cap; or, when the file
// cannot be read, holds no picture, is beyond the cap or needs more memory than there is, why not.
PictureReading readPictureFile(const QByteArray &path, const PictureCap &cap);

// The size a picture file's header declares, read without decoding the picture; invalid when the
// file cannot be read, holds no picture or is beyond the cap.
QSize readPictureSize(const QByteArray &path, const PictureCap &cap);

// Why a picture of that size could not be had for want of memory, fit to follow the picture's name.
QString notEnoughMemoryFor(QSize size);

// The same as a null image, with the reason in *reason.
QImage readPicture(const QByteArray &path, const PictureCap &cap, QString *reason = nullptr);

// Every size an icon file holds, each within IconCap. A null icon, and the reason, when the file
// cannot be read or holds no picture.
QIcon readIcon(const QByteArray &path, QString *reason = nullptr);

// Tells the player that a data file could not be read, and why; the game goes on.
void reportUnreadableFile(const QByteArray &path, const QString &reason);

// Tells the player that there was not memory enough to show a picture, and why; the game goes on.
void reportPictureOutOfMemory(const QByteArray &path, const QString &reason);

} // namespace quintrel
