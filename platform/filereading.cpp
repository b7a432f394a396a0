// filereading.cpp: reading the data files beside the program, and telling the player about one that cannot be read.
#include "platform/filereading.h"

#include "platform/desktop.h"

#include <QDir>
#include <QFile>

#include <array>

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

} // namespace

bool readTextFile(const QString &path, QByteArray &contents)
{
    contents.clear();
    QByteArray buffer(1024, ' ');
    QFile file(path);
    // Read-write where the file allows it (which also creates a missing file in a writable
    // folder), else read only.
    if (!file.open(QIODevice::ReadWrite) && !file.open(QIODevice::ReadOnly))
        return false;

    QByteArray result;
    for (;;) {
        const qint64 got = file.read(buffer.data(), buffer.size());
        if (got < 0) {
            contents.clear();
            return false;
        }
        if (got == 0)
            break;
        result.append(buffer.constData(), got);
    }
    file.close();

    qsizetype begin = 0;
    qsizetype end = result.size();
    while (begin < end && result.at(begin) == ' ')
        ++begin;
    while (end > begin && result.at(end - 1) == ' ')
        --end;
    contents = result.mid(begin, end - begin);
    return true;
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

std::optional<QString> readWholeFile(const QString &path)
{
    const auto readWith = [&path](QIODevice::OpenMode mode) -> std::optional<QString> {
        QFile file(path);
        if (!file.open(mode))
            return std::nullopt;
        const QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError)
            return std::nullopt;
        return decodeWindows1252(bytes);
    };
    // Read-write first so that a missing document is left behind empty, for whoever looks after
    // the program's folder to fill in; a write-protected document is still read.
    if (auto text = readWith(QIODevice::ReadWrite))
        return text;
    return readWith(QIODevice::ReadOnly);
}

QString withUnixLineBreaks(const QString &text)
{
    QString result = text;
    result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

void reportUnreadableFile(const QString &path)
{
    showMessage(QStringLiteral("The file \"%1\" could not be read.").arg(QDir::toNativeSeparators(path)),
                QStringLiteral("Quintrel"), MessageIcon::Exclamation);
}

} // namespace quintrel
