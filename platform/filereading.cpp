// filereading.cpp: reading the data files beside the program, and telling the player about one that cannot be read.
#include "platform/filereading.h"

#include "platform/desktop.h"
#include "platform/gamefolders.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QPixmap>

#include <array>
#include <vector>

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

// An icon file lists its sizes in a table of up to 65535 entries; no real icon has more than this.
constexpr int MaxIconImages = 16;

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

bool fits(QSize size, const PictureCap &cap)
{
    return size.width() <= cap.width && size.height() <= cap.height
           && qint64(size.width()) * size.height() <= cap.pixels;
}

// The size a picture's header gives, where it can be had before decoding. Qt gives a GIF's first
// frame's size, but decodes the whole logical screen that the GIF's header declares: a picture of a
// single pixel can claim 65535 x 65535 pixels, so both count.
QSize declaredSize(QByteArrayView bytes, QImageReader &reader)
{
    QSize size = reader.size();
    if (bytes.startsWith("GIF8") && bytes.size() >= 10) {
        auto u16 = [&bytes](int at) { return int(uchar(bytes[at])) | int(uchar(bytes[at + 1])) << 8; };
        size = size.isValid() ? size.expandedTo(QSize(u16(6), u16(8))) : QSize(u16(6), u16(8));
    }
    return size;
}

struct Images {
    std::vector<QImage> images;
    QString reason;
    bool outOfMemory = false;
};

// Up to maxCount pictures of the file (an icon holds several sizes), each decoded from memory only
// once its header says it fits the cap. None, with the reason, when not even the first one can be had.
Images readImages(const QByteArray &path, const PictureCap &cap, int maxCount)
{
    Images result;
    auto fail = [&result](const QString &why, bool outOfMemory = false) {
        result.images.clear();
        result.reason = why;
        result.outOfMemory = outOfMemory;
        return std::move(result);
    };
    FileContents file = readRegularFile(path, cap.bytes);
    if (file.status != FileStatus::Read)
        return fail(describeFileProblem(file, cap.bytes));

    QBuffer buffer(&file.bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const int count = qBound(1, reader.imageCount(), maxCount);
    auto tooLarge = [](QSize size) {
        return QCoreApplication::translate("quintrel::FileReading", "too large: %1 x %2 pixels")
            .arg(size.width())
            .arg(size.height());
    };
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !reader.jumpToImage(i))
            break;
        // The size a header gives is checked before decoding, and the decoded picture again: not
        // every format can tell its size beforehand.
        const QSize size = i == 0 ? declaredSize(file.bytes, reader) : reader.size();
        if (size.isValid() && !fits(size, cap))
            return fail(tooLarge(size));
        QImage image = reader.read();
        if (image.isNull()) {
            if (!result.images.empty())
                break;
            // Qt reports a picture it had no memory for as bad data: a picture of that size that
            // cannot even be made tells the two apart.
            if (size.isValid() && QImage(size, QImage::Format_ARGB32).isNull())
                return fail(notEnoughMemoryFor(size), true);
            return fail(reader.errorString());
        }
        if (!fits(image.size(), cap))
            return fail(tooLarge(image.size()));
        result.images.push_back(std::move(image));
    }
    return result;
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

std::optional<QString> readWholeFile(const QByteArray &path, TextEncoding encoding)
{
    const FileContents file = readRegularFile(path, DocumentCap);
    if (file.status == FileStatus::Missing && createEmptyFile(path))
        return QString();
    if (file.status != FileStatus::Read)
        return std::nullopt;
    return encoding == TextEncoding::Utf8 ? QString::fromUtf8(file.bytes) : decodeWindows1252(file.bytes);
}

QString withUnixLineBreaks(const QString &text)
{
    QString result = text;
    result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

QString notEnoughMemoryFor(QSize size)
{
    return QCoreApplication::translate("quintrel::FileReading", "not enough memory for its %1 x %2 pixels")
        .arg(size.width())
        .arg(size.height());
}

QSize readPictureSize(const QByteArray &path, const PictureCap &cap)
{
    FileContents file = readRegularFile(path, cap.bytes);
    if (file.status != FileStatus::Read)
        return {};
    QBuffer buffer(&file.bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = declaredSize(file.bytes, reader);
    return size.isValid() && fits(size, cap) ? size : QSize();
}

PictureReading readPictureFile(const QByteArray &path, const PictureCap &cap)
{
    Images read = readImages(path, cap, 1);
    if (read.images.empty())
        return PictureReading{QImage(), read.reason, read.outOfMemory};
    return PictureReading{std::move(read.images.front()), QString(), false};
}

QImage readPicture(const QByteArray &path, const PictureCap &cap, QString *reason)
{
    PictureReading read = readPictureFile(path, cap);
    if (reason)
        *reason = read.reason;
    return std::move(read.image);
}

QIcon readIcon(const QByteArray &path, QString *reason)
{
    const Images read = readImages(path, IconCap, MaxIconImages);
    if (reason)
        *reason = read.reason;
    QIcon icon;
    for (const QImage &image : read.images)
        icon.addPixmap(QPixmap::fromImage(image));
    return icon;
}

void reportUnreadableFile(const QByteArray &path)
{
    showMessage(QCoreApplication::translate("quintrel::FileReading", "The file \"%1\" could not be read.")
                    .arg(displayPath(path)),
                QStringLiteral("Quintrel"), MessageIcon::Exclamation);
}

void reportPictureOutOfMemory(const QByteArray &path, const QString &reason)
{
    showMessage(QCoreApplication::translate("quintrel::FileReading", "The picture \"%1\" could not be shown: %2.")
                    .arg(displayPath(path), reason),
                QStringLiteral("Quintrel"), MessageIcon::Exclamation);
}

} // namespace quintrel
