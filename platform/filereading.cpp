// filereading.cpp: reading the pictures beside the program, and telling the player about a data file that cannot be
// read.
#include "platform/filereading.h"

#include "platform/desktop.h"
#include "platform/gamefolders.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QPixmap>

#include <vector>

namespace quintrel {

namespace {

// An icon file lists its sizes in a table of up to 65535 entries; no real icon has more than this.
constexpr int MaxIconImages = 16;

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
    qint64 pixels = 0;
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
        // The sizes of one icon share the cap's pixels: a small file can list many large sizes.
        if (i > 0 && size.isValid() && pixels + qint64(size.width()) * size.height() > cap.pixels)
            break;
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
        pixels += qint64(image.width()) * image.height();
        if (i > 0 && pixels > cap.pixels)
            break;
        result.images.push_back(std::move(image));
    }
    return result;
}

} // namespace

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

void reportUnreadableFile(const QByteArray &path, const QString &reason)
{
    showMessage(QCoreApplication::translate("quintrel::FileReading", "The file \"%1\" could not be read: %2.")
                    .arg(displayPath(path), reason),
                QStringLiteral("Quintrel"), MessageIcon::Exclamation);
}

void reportPictureOutOfMemory(const QByteArray &path, const QString &reason)
{
    showMessage(QCoreApplication::translate("quintrel::FileReading", "The picture \"%1\" could not be shown: %2.")
                    .arg(displayPath(path), reason),
                QStringLiteral("Quintrel"), MessageIcon::Exclamation);
}

} // namespace quintrel
