// A settings file of sections and key=value lines, read and edited in memory so that every line
// the game does not write survives byte for byte.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace quintrel {

// The file's bytes plus the rules for finding and changing one key in them.
//
// Reading: a line whose first non-blank character is '[' and that holds a ']' starts the section
// named between them; a line starting with '[' but lacking ']' ends the current section without
// starting one, so keys below a damaged header never leak into the section above it. A line
// starting with ';' is a comment. Any other line holding '=' is a key line: the key is the text
// before the first '=', the value the text after it, both without surrounding blanks and tabs.
// Every other line is ignored. Names match without regard to ASCII case; the first matching
// section and the first matching key in it win. Lines end in "\r\n", "\n" or a lone "\r"; the last
// line may have no end. Arbitrary bytes, NULs included, are just characters.
//
// Writing: an existing key keeps its line up to and including '=' and gets the new value after it;
// a missing key goes on a new line after the last key line of its section (after the header when
// it has no keys, so comments and blank lines closing the section stay below the new key); a
// missing section goes at the end of the file. New lines end like the file's first line, or "\r\n"
// in a file that has none: the saved game is a Windows-style INI file, and CRLF is read correctly
// by every editor and by this reader. A last line without an end gets one when a line is added
// after it. Nothing else changes.
class Profile {
public:
    // Files above this size are not read: the saved game needs a few hundred bytes, and a larger
    // file is not one this program wrote.
    static constexpr qsizetype MaxFileBytes = 4 * 1024 * 1024;

    Profile() = default;
    explicit Profile(QByteArray bytes) : m_bytes(std::move(bytes)) {}

    const QByteArray &bytes() const { return m_bytes; }

    // The value of key in section, or defaultValue when there is none, cut to bufferSize - 1
    // characters the way a C buffer of bufferSize characters would hold it (nothing for a size
    // below 2).
    QByteArray value(QByteArrayView section, QByteArrayView key, QByteArrayView defaultValue,
                     int bufferSize) const;

    // Sets key in section to value. Returns false and changes nothing when the names or the value
    // could not be read back as given: an empty section, a section with ']', a key starting with
    // '[' or ';' or holding '=', line breaks anywhere, or blanks/tabs around any of them.
    bool write(QByteArrayView section, QByteArrayView key, QByteArrayView value);

    // The line end used for new lines.
    QByteArray lineEnd() const;

    enum class ReadResult { Read, TooLarge, Failed };

    // Reads the file at path. On TooLarge (above MaxFileBytes) or Failed (cannot be opened or read,
    // or not a regular file) the profile is left empty and *error says why.
    ReadResult readFile(const QString &path, QString *error);

    // Replaces the file at path with these bytes in one step: the bytes go to a temporary file in
    // the same folder that is renamed over the old file only once it is complete, so a failure at
    // any point leaves the old file as it was. The old file's permissions are kept. False, with a
    // reason in *error, when anything fails.
    bool commit(const QString &path, QString *error) const;

private:
    QByteArray m_bytes;
};

// True for the blanks that surround names and values.
constexpr bool isProfileBlank(char c) { return c == ' ' || c == '\t'; }

// The text without the blanks at its two ends.
QByteArrayView trimProfileBlanks(QByteArrayView text);

// Compares two names without regard to ASCII case.
bool profileNamesEqual(QByteArrayView a, QByteArrayView b);

} // namespace quintrel
