// datafile.h: reading the data files beside the program that need no display: the move sounds and
// the help documents. Paths are bytes in the file system's own encoding; every read goes through
// readRegularFile (regularfile.h), so that no file blocks the game or is read beyond its cap.
#pragma once

#include <QByteArray>
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
// cannot be read, and *reason then says why. The English documents are Windows-1252, their
// translations UTF-8.
enum class TextEncoding { Windows1252, Utf8 };
std::optional<QString> readWholeFile(const QByteArray &path, TextEncoding encoding = TextEncoding::Windows1252,
                                     QString *reason = nullptr);

// Text for the text box: CR LF, a lone LF and a lone CR each become one line break.
QString withUnixLineBreaks(const QString &text);

} // namespace quintrel
