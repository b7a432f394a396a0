// Reading the help documents and reporting a data file that cannot be read.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace quintrel {

// The bytes of an 8-bit text in the Windows-1252 code page as text: 0x80 to 0x9F through that
// code page's table (its five unassigned bytes keep their own value), every other byte as Latin-1.
QString DecodeWindows1252(const QByteArray &bytes);

// The whole of a help document as stored. A missing file is created empty where its folder can be
// written; a file that may only be read is read. Nothing when the file cannot be opened or read.
std::optional<QString> ReadWholeFile(const QString &path);

// Text for the text box: CR LF, a lone LF and a lone CR each become one line break.
QString WithUnixLineBreaks(const QString &text);

// Tells the player that a data file could not be read; the game goes on.
void ReportUnreadableFile(const QString &path);

} // namespace quintrel
