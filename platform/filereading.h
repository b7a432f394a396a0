// filereading.h: reading the data files beside the program: the move sounds, the help documents.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace quintrel {

// Reads a whole file as raw bytes, in 1024-byte blocks, and trims blanks (0x20 only) from both
// ends. A missing file is created empty where its folder can be written (then the result is
// true and empty). Any failure gives an empty result and false.
bool readTextFile(const QString &path, QByteArray &contents);

// The bytes of an 8-bit text in the Windows-1252 code page as text: 0x80 to 0x9F through that
// code page's table (its five unassigned bytes keep their own value), every other byte as Latin-1.
QString decodeWindows1252(const QByteArray &bytes);

// The whole of a help document as stored. A missing file is created empty where its folder can be
// written; a file that may only be read is read. Nothing when the file cannot be opened or read.
std::optional<QString> readWholeFile(const QString &path);

// Text for the text box: CR LF, a lone LF and a lone CR each become one line break.
QString withUnixLineBreaks(const QString &text);

// Tells the player that a data file could not be read; the game goes on.
void reportUnreadableFile(const QString &path);

} // namespace quintrel
