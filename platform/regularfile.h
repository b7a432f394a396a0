// regularfile.h: how the game reads any of its files: without blocking, only a regular file, and
// never more than a stated size; and the size caps of every kind of file it reads.
//
// Kept to this header so that the saved game's reader, which is not linked with the platform
// layer, reads its file by the same rules.
#pragma once

#include <QByteArray>
#include <QString>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quintrel {

// The caps, each far beyond any real file of its kind and still small enough to read at once.
// Anything larger is no file of the game's and is treated like an unreadable one.
//
// The saved game: the game writes some 250 bytes; the cap leaves room for any amount of hand-made
// comments and still reads in milliseconds.
inline constexpr qsizetype SavedGameCap = 4 << 20;
// A sound (the move sounds, held in memory for the whole game, and the applause): the game's own
// are 1 to 115 KB; 16 MiB holds a minute and a half of CD-quality stereo.
inline constexpr qsizetype SoundCap = 16 << 20;
// A help document: the game's own are under 3 KB; 32 KiB is a dozen pages of text. The text box
// lays out a line in time that grows with the square of its length: a document at the cap that is
// one single line still shows within a third of a second, one of 256 KiB would take 15 seconds.
inline constexpr qsizetype DocumentCap = 32 << 10;

// A picture: its file, and its size in pixels, checked before it is decoded (a small file can
// describe a picture of gigabytes): at most width x height, and at most pixels in all.
struct PictureCap {
    qsizetype bytes;
    int width;
    int height;
    qint64 pixels;
};
// The card pictures are 172 x 172, in 12 KB files.
inline constexpr PictureCap CardPictureCap{1 << 20, 1024, 1024, 1024 * 1024};
// The window icon holds 16 to 48 pixel squares in 15 KB; icons go up to 256, sometimes 512.
inline constexpr PictureCap IconCap{4 << 20, 1024, 1024, 1024 * 1024};
// The example picture is 330 x 566 in 34 KB. The viewer shows 349 pixels of its width and scrolls
// a picture of any height, tens of thousands of pixels included; 16 million pixels take 64 MiB.
inline constexpr PictureCap ExamplePictureCap{4 << 20, 4096, 65536, 16 << 20};

enum class FileStatus {
    Read,
    Missing,    // nothing by that name (a link that leads nowhere included)
    NotRegular, // a folder, a pipe, a device, a socket
    TooLarge,   // beyond the cap
    Failed,     // could not be opened or read; error says why
};

struct FileContents {
    FileStatus status = FileStatus::Failed;
    QByteArray bytes; // the whole file, when Read
    int error = 0;    // errno of a failure
};

// Reads the whole file at path (a link is followed) if it is a regular file of at most cap bytes.
// Its type is looked at before it is opened, so that a pipe never blocks the game and a device is
// never opened at all, and again on the opened file, in case the name changed in between. A file
// that grows past the cap while it is read is TooLarge too.
inline FileContents readRegularFile(const QByteArray &path, qsizetype cap)
{
    FileContents result;
    auto fail = [&result](FileStatus status, int error = 0) {
        result.status = status;
        result.error = error;
        result.bytes.clear();
        return result;
    };
    auto failedCall = [&fail] { return fail(errno == ENOENT ? FileStatus::Missing : FileStatus::Failed, errno); };

    struct stat named {};
    if (::stat(path.constData(), &named) != 0)
        return failedCall();
    if (!S_ISREG(named.st_mode))
        return fail(FileStatus::NotRegular);
    if (named.st_size > cap)
        return fail(FileStatus::TooLarge);

    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return failedCall();
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat opened {};
    if (::fstat(fd, &opened) != 0)
        return fail(FileStatus::Failed, errno);
    if (!S_ISREG(opened.st_mode) || opened.st_dev != named.st_dev || opened.st_ino != named.st_ino)
        return fail(FileStatus::NotRegular);

    // One byte more than the cap tells a file that grew since it was looked at.
    QByteArray &bytes = result.bytes;
    bytes.resize(qMin<qsizetype>(opened.st_size, cap) + 1);
    qsizetype got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (got > cap)
                return fail(FileStatus::TooLarge);
            bytes.resize(qMin(cap + 1, qMax<qsizetype>(2 * got, 4096)));
        }
        const ssize_t count = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return fail(FileStatus::Failed, errno);
        }
        if (count == 0)
            break;
        got += count;
    }
    bytes.truncate(got);
    result.status = FileStatus::Read;
    return result;
}

// A cap as the player reads it: "4 MiB", "256 KiB".
inline QString describeCap(qsizetype bytes)
{
    if (bytes % (1 << 20) == 0)
        return QStringLiteral("%1 MiB").arg(bytes >> 20);
    if (bytes % (1 << 10) == 0)
        return QStringLiteral("%1 KiB").arg(bytes >> 10);
    return QStringLiteral("%1 bytes").arg(bytes);
}

// Why a file could not be read, fit to show after its name.
inline QString describeFileProblem(const FileContents &contents, qsizetype cap)
{
    switch (contents.status) {
    case FileStatus::Read:
        return {};
    case FileStatus::NotRegular:
        return QStringLiteral("not a regular file");
    case FileStatus::TooLarge:
        return QStringLiteral("larger than %1").arg(describeCap(cap));
    case FileStatus::Missing:
    case FileStatus::Failed:
        break;
    }
    return QString::fromLocal8Bit(std::strerror(contents.error));
}

} // namespace quintrel
