// A settings file of sections and key=value lines, read and edited in memory so that every line
// the game does not write survives byte for byte.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <optional>

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
// line may have no end. A UTF-8 byte-order mark at the start is not part of the first line (an
// editor may have put it there); arbitrary bytes, NULs included, are just characters.
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
    Profile() = default;
    explicit Profile(QByteArray bytes)
        : m_bytes(std::move(bytes))
    {
    }

    const QByteArray &bytes() const { return m_bytes; }

    // The value of key in section, or defaultValue when there is none, cut to bufferSize - 1
    // characters the way a C buffer of bufferSize characters would hold it (nothing for a size
    // below 2).
    QByteArray value(QByteArrayView section, QByteArrayView key, QByteArrayView defaultValue, int bufferSize) const;

    // Sets key in section to value. Returns false and changes nothing when the names or the value
    // could not be read back as given: an empty section, a section with ']', a key starting with
    // '[' or ';' or holding '=', line breaks anywhere, or blanks/tabs around any of them.
    bool write(QByteArrayView section, QByteArrayView key, QByteArrayView value);

    // The line end used for new lines.
    QByteArray lineEnd() const;

private:
    QByteArray m_bytes;
};

// The values of several keys of one section in bytes laid out as a Profile's, found in one pass:
// for each key, its value as Profile::value finds it but not cut to any buffer, or nothing when
// there is none. The views point into bytes.
QList<std::optional<QByteArrayView>> sectionValues(QByteArrayView bytes, QByteArrayView section,
                                                   const QList<QByteArray> &keys);

// True for the blanks that surround names and values.
constexpr bool isProfileBlank(char c) { return c == ' ' || c == '\t'; }

// The text without the blanks at its two ends.
QByteArrayView trimProfileBlanks(QByteArrayView text);


} // namespace quintrel
