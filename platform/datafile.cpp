// datafile.cpp: reading the move sounds and the help documents beside the program.
#include "platform/datafile.h"

#include "platform/gamefolders.h"
#include "platform/regularfile.h"

#include <array>

#include <fcntl.h>
#include <unistd.h>

namespace quintrel {

namespace {

// Windows-1252 for 0x80 to 0x9F. The unassigned 0x81, 0x8D, 0x8F, 0x90 and 0x9D map to the C1
// control of the same value, as the system's own conversion does.
constexpr std::array<char16_t, 32> Windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98..9F
};

// Leaves an empty file under a missing data file's name. Only in a folder of the player's own (an
// installed copy's shared data is never written), and O_EXCL refuses any name that exists, so a
// link, even one that leads nowhere, never makes a file somewhere else.
bool createEmptyFile(const QByteArray &path)
{
    if (!isDataFolderOwn())
        return false;
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

} // namespace

QByteArray readSoundImage(const QByteArray &path)
{
    const FileContents file = readRegularFile(path, SoundCap);
    if (file.status != FileStatus::Read)
        return {};
    const QByteArray &bytes = file.bytes;
    qsizetype begin = 0;
    qsizetype end = bytes.size();
    while (begin < end && bytes.at(begin) == ' ')
        ++begin;
    while (end > begin && bytes.at(end - 1) == ' ')
        --end;
    return bytes.mid(begin, end - begin);
}

QString decodeWindows1252(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = (byte >= 0x80 && byte <= 0x9F) ? QChar(Windows1252High[byte - 0x80]) : QChar(byte);
    }
    return text;
}

std::optional<QString> readWholeFile(const QByteArray &path, TextEncoding encoding, QString *reason)
{
    const FileContents file = readRegularFile(path, DocumentCap);
    if (file.status == FileStatus::Missing && createEmptyFile(path))
        return QString();
    if (file.status != FileStatus::Read) {
        if (reason)
            *reason = describeFileProblem(file, DocumentCap);
        return std::nullopt;
    }
    return encoding == TextEncoding::Utf8 ? QString::fromUtf8(file.bytes) : decodeWindows1252(file.bytes);
}

QString withUnixLineBreaks(const QString &text)
{
    QString result = text;
    result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

} // namespace quintrel
