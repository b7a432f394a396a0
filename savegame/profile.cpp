// Reading and editing a settings file in memory without disturbing its other lines.
#include "savegame/profile.h"

#include "platform/caseinsensitivename.h"

namespace quintrel {

namespace {

constexpr char Utf8ByteOrderMark[] = "\xEF\xBB\xBF";

qsizetype byteOrderMarkSize(QByteArrayView bytes) { return bytes.startsWith(Utf8ByteOrderMark) ? 3 : 0; }

// One line of the file as offsets into its bytes.
struct Line {
    qsizetype begin = 0; // first character
    qsizetype end = 0;   // one past the last character, where the line end starts
    qsizetype next = 0;  // first character of the following line
};

// Walks the lines of a byte string; "\r\n", "\n" and a lone "\r" each end a line. The next '\n'
// and the next '\r' are found with one search each and remembered until passed, so that a megabyte line is
// one fast search and a file of nothing but one kind of line end is still read in linear time.
class LineReader {
public:
    explicit LineReader(QByteArrayView bytes)
        : m_bytes(bytes)
        , m_position(byteOrderMarkSize(bytes))
    {
    }

    bool next(Line &line)
    {
        const qsizetype size = m_bytes.size();
        if (m_position >= size)
            return false;
        const char *data = m_bytes.data();
        qsizetype i = qMin(nextOf('\n', m_nextLineFeed), nextOf('\r', m_nextCarriageReturn));
        line.begin = m_position;
        line.end = i;
        if (i < size)
            i += (data[i] == '\r' && i + 1 < size && data[i + 1] == '\n') ? 2 : 1;
        line.next = i;
        m_position = i;
        return true;
    }

private:
    // The first c at or after the current position, or the size when there is none.
    qsizetype nextOf(char c, qsizetype &known)
    {
        if (known < m_position) {
            const qsizetype found = m_bytes.indexOf(c, m_position);
            known = found < 0 ? m_bytes.size() : found;
        }
        return known;
    }

    QByteArrayView m_bytes;
    qsizetype m_position;
    qsizetype m_nextLineFeed = -1;
    qsizetype m_nextCarriageReturn = -1;
};

bool hasSurroundingBlanks(QByteArrayView text)
{
    return !text.isEmpty() && (isProfileBlank(text.front()) || isProfileBlank(text.back()));
}

bool hasLineBreak(QByteArrayView text) { return text.contains('\n') || text.contains('\r'); }

enum class LineKind { Other, Section, BrokenSection, Key };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    QByteArrayView name;   // section or key name, trimmed
    QByteArrayView value;  // key value, trimmed
    qsizetype equals = -1; // offset of the key line's '=' in the file
};

ParsedLine parseLine(QByteArrayView bytes, const Line &line)
{
    ParsedLine parsed;
    const QByteArrayView text = bytes.sliced(line.begin, line.end - line.begin);
    qsizetype start = 0;
    while (start < text.size() && isProfileBlank(text[start]))
        ++start;
    if (start == text.size() || text[start] == ';')
        return parsed;
    if (text[start] == '[') {
        const QByteArrayView rest = text.sliced(start + 1);
        const qsizetype close = rest.indexOf(']');
        if (close < 0) {
            parsed.kind = LineKind::BrokenSection;
        } else {
            parsed.kind = LineKind::Section;
            parsed.name = trimProfileBlanks(rest.first(close));
        }
        return parsed;
    }
    const qsizetype equals = text.indexOf('=', start);
    if (equals < 0)
        return parsed;
    parsed.kind = LineKind::Key;
    parsed.name = trimProfileBlanks(text.sliced(start, equals - start));
    parsed.value = trimProfileBlanks(text.sliced(equals + 1));
    parsed.equals = line.begin + equals;
    return parsed;
}

// Where a key stands in the file, or where it would go.
struct KeyLocation {
    bool sectionFound = false;
    bool keyFound = false;
    QByteArrayView value;            // the key's trimmed value
    qsizetype valueBegin = -1;       // just after the key line's '='
    qsizetype valueEnd = -1;         // end of the key line, before its line end
    qsizetype insertAt = -1;         // start of the line after the section's last key line
    bool insertNeedsLineEnd = false; // that last line ends the file without a line end
};

KeyLocation locateKey(QByteArrayView bytes, QByteArrayView section, QByteArrayView key)
{
    KeyLocation location;
    LineReader reader(bytes);
    Line line;
    while (reader.next(line)) {
        const ParsedLine parsed = parseLine(bytes, line);
        switch (parsed.kind) {
        case LineKind::Section:
            if (location.sectionFound)
                return location; // only the first matching section counts
            if (equalIgnoringCase(parsed.name, section)) {
                location.sectionFound = true;
                location.insertAt = line.next;
                location.insertNeedsLineEnd = line.next == line.end;
            }
            break;
        case LineKind::BrokenSection:
            if (location.sectionFound)
                return location;
            break;
        case LineKind::Key:
            if (!location.sectionFound)
                break;
            if (equalIgnoringCase(parsed.name, key)) {
                location.keyFound = true;
                location.value = parsed.value;
                location.valueBegin = parsed.equals + 1;
                location.valueEnd = line.end;
                return location;
            }
            location.insertAt = line.next;
            location.insertNeedsLineEnd = line.next == line.end;
            break;
        case LineKind::Other:
            break;
        }
    }
    return location;
}

} // namespace

QByteArrayView trimProfileBlanks(QByteArrayView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isProfileBlank(text[begin]))
        ++begin;
    while (end > begin && isProfileBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

QList<std::optional<QByteArrayView>> sectionValues(QByteArrayView bytes, QByteArrayView section,
                                                   const QList<QByteArray> &keys)
{
    QList<std::optional<QByteArrayView>> values(keys.size());
    qsizetype missing = keys.size();
    bool inSection = false;
    LineReader reader(bytes);
    Line line;
    while (missing > 0 && reader.next(line)) {
        const ParsedLine parsed = parseLine(bytes, line);
        switch (parsed.kind) {
        case LineKind::Section:
        case LineKind::BrokenSection:
            if (inSection)
                return values; // only the first matching section counts
            inSection = parsed.kind == LineKind::Section && equalIgnoringCase(parsed.name, section);
            break;
        case LineKind::Key:
            if (!inSection)
                break;
            for (qsizetype i = 0; i < keys.size(); ++i) {
                if (!values[i] && equalIgnoringCase(parsed.name, keys[i])) {
                    values[i] = parsed.value;
                    --missing;
                }
            }
            break;
        case LineKind::Other:
            break;
        }
    }
    return values;
}

QByteArray Profile::value(QByteArrayView section, QByteArrayView key, QByteArrayView defaultValue, int bufferSize) const
{
    if (bufferSize < 2)
        return {};
    const KeyLocation location = locateKey(m_bytes, section, key);
    const QByteArrayView found = location.keyFound ? location.value : defaultValue;
    return found.first(qMin(found.size(), qsizetype(bufferSize - 1))).toByteArray();
}

bool Profile::write(QByteArrayView section, QByteArrayView key, QByteArrayView value)
{
    if (section.isEmpty() || section.contains(']') || hasSurroundingBlanks(section) || hasLineBreak(section))
        return false;
    if (key.contains('=') || hasSurroundingBlanks(key) || hasLineBreak(key)
        || (!key.isEmpty() && (key.front() == '[' || key.front() == ';')))
        return false;
    if (hasSurroundingBlanks(value) || hasLineBreak(value))
        return false;

    const QByteArray end = lineEnd();
    const KeyLocation location = locateKey(m_bytes, section, key);
    if (location.keyFound) {
        m_bytes.replace(location.valueBegin, location.valueEnd - location.valueBegin, value);
        return true;
    }

    QByteArray added;
    if (location.sectionFound) {
        if (location.insertNeedsLineEnd)
            added += end;
        added.append(key).append('=').append(value).append(end);
        m_bytes.insert(location.insertAt, added);
        return true;
    }

    if (m_bytes.size() > byteOrderMarkSize(m_bytes) && !m_bytes.endsWith('\n') && !m_bytes.endsWith('\r'))
        added += end;
    added.append('[').append(section).append(']').append(end);
    added.append(key).append('=').append(value).append(end);
    m_bytes += added;
    return true;
}

QByteArray Profile::lineEnd() const
{
    const qsizetype at = [this] {
        for (qsizetype i = 0; i < m_bytes.size(); ++i) {
            if (m_bytes[i] == '\n' || m_bytes[i] == '\r')
                return i;
        }
        return qsizetype(-1);
    }();
    if (at < 0)
        return QByteArrayLiteral("\r\n");
    if (m_bytes[at] == '\n')
        return QByteArrayLiteral("\n");
    if (at + 1 < m_bytes.size() && m_bytes[at + 1] == '\n')
        return QByteArrayLiteral("\r\n");
    return QByteArrayLiteral("\r");
}

} // namespace quintrel
