// filereading.h: reading the data files beside the program: the move sounds, the help documents,
// the pictures. Paths are bytes in the file system's own encoding; every read goes through
// readRegularFile (regularfile.h), so that no file blocks the game or is read beyond its cap.
#pragma once

#include "platform/regularfile.h"

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QString>

#include <optional>

namespace quintrel {

// A sound image to hold in memory: the whole file (at most SoundCap bytes) as raw bytes, without the
// blanks (0x20 only) at its two ends. Empty, which plays as silence, when the file is missing or
// cannot be read.
QByteArray readSoundImage(const QByteArray &path);

// The bytes of an 8-bit text in the Windows-1252 code page as text: 0x80 to 0x9F through that
// code page's table (its five unassigned bytes keep their own value), every other byte as Latin-1.
QString decodeWindows1252(const QByteArray &bytes);

// The whole of a help document as stored (at most DocumentCap bytes). A missing file is created
// empty, for whoever looks after the folder to fill in, but only in a data folder of the player's
// own and never through a link; a file that may only be read is read. Nothing when the file
// cannot be read. The English documents are Windows-1252, their translations UTF-8.
enum class TextEncoding { Windows1252, Utf8 };
std::optional<QString> readWholeFile(const QByteArray &path, TextEncoding encoding = TextEncoding::Windows1252);

// Text for the text box: CR LF, a lone LF and a lone CR each become one line break.
QString withUnixLineBreaks(const QString &text);

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

// Tells the player that a data file could not be read; the game goes on.
void reportUnreadableFile(const QByteArray &path);

// Tells the player that there was not memory enough to show a picture, and why; the game goes on.
void reportPictureOutOfMemory(const QByteArray &path, const QString &reason);

} // namespace quintrel
