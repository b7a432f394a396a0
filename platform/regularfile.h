// regularfile.h: how the game reads any of its files: without blocking, only a regular file, and
// never more than a stated size; and the size caps of every kind of file it reads.
#pragma once

#include <QByteArray>
#include <QString>

struct stat;

namespace quintrel {

// The caps, each far beyond any real file of its kind and still small enough to read at once.
// Anything larger is no file of the game's and is treated like an unreadable one.
//
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
// a picture of any height, tens of thousands of pixels included. Each pixel costs four bytes
// decoded, and the screen's copy takes the decoded pixels over instead of copying them: the 4
// million pixels of the cap take 16 MiB in all, where 16 million pixels held twice took 128 MiB and
// could leave too little to paint the windows.
inline constexpr PictureCap ExamplePictureCap{4 << 20, 4096, 65536, 4 << 20};

enum class FileStatus {
    Read,
    Missing,         // nothing by that name (a link that leads nowhere included)
    NotRegular,      // a folder, a pipe, a device, a socket
    TooLarge,        // beyond the cap
    Failed,          // could not be opened or read; error says why
    LinkNotFollowed, // a link that is not read through (see folderfile.h)
};

struct FileContents {
    FileStatus status = FileStatus::Failed;
    QByteArray bytes; // the whole file, when Read
    int error = 0;    // errno of a failure
};

// Owns an open file descriptor and closes it when it goes.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1)
        : m_fd(fd)
    {
    }
    ~FileDescriptor() { reset(); }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    FileDescriptor(FileDescriptor &&other) noexcept
        : m_fd(other.release())
    {
    }
    FileDescriptor &operator=(FileDescriptor &&other) noexcept
    {
        reset(other.release());
        return *this;
    }

    int get() const { return m_fd; }
    bool isOpen() const { return m_fd >= 0; }
    // Closes it, with the close's own outcome: a write can fail only here on some file systems.
    bool close();
    void reset(int fd = -1);
    // Gives the descriptor up without closing it.
    int release()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }

private:
    int m_fd;
};

// Reads the whole file at path (a link is followed) if it is a regular file of at most cap bytes.
// Its type is looked at before it is opened, so that a pipe never blocks the game and a device is
// never opened at all, and again on the opened file, in case the name changed in between. A file
// that grows past the cap while it is read is TooLarge too.
FileContents readRegularFile(const QByteArray &path, qsizetype cap);

// The whole of an opened file, which must be the regular file that was looked at under its name
// (named, as fstatat gave it; a file swapped in between is NotRegular), within the cap.
FileContents readOpenedFile(int fd, const struct stat &named, qsizetype cap);

// The folder at path, open for the *At calls of the file services; not open when that fails
// (errno says why).
FileDescriptor openFolder(const QByteArray &path);

// A cap as the player reads it: "4 MiB", "256 KiB".
QString describeCap(qsizetype bytes);

// Why a file could not be read, fit to show after its name.
QString describeFileProblem(const FileContents &contents, qsizetype cap);

} // namespace quintrel
