// regularfile.cpp: reading a file without blocking, only when it is a regular file within its cap.
#include "platform/regularfile.h"

#include <QCoreApplication>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quintrel {

bool FileDescriptor::close()
{
    const int fd = m_fd;
    m_fd = -1;
    return fd < 0 || ::close(fd) == 0;
}

void FileDescriptor::reset(int fd)
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = fd;
}

namespace {

constexpr int ReadFlags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

FileContents failure(FileStatus status, int error = 0)
{
    FileContents result;
    result.status = status;
    result.error = error;
    return result;
}

FileContents failedCall() { return failure(errno == ENOENT ? FileStatus::Missing : FileStatus::Failed, errno); }

bool isSameFile(const struct stat &a, const struct stat &b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

} // namespace

// One byte more than the cap tells a file that grew since it was looked at.
FileContents readOpenedFile(int fd, const struct stat &named, qsizetype cap)
{
    struct stat opened {};
    if (::fstat(fd, &opened) != 0)
        return failure(FileStatus::Failed, errno);
    if (!S_ISREG(opened.st_mode) || !isSameFile(opened, named))
        return failure(FileStatus::NotRegular);

    FileContents result;
    QByteArray &bytes = result.bytes;
    bytes.resize(qMin<qsizetype>(opened.st_size, cap) + 1);
    qsizetype got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (got > cap)
                return failure(FileStatus::TooLarge);
            bytes.resize(qMin(cap + 1, qMax<qsizetype>(2 * got, 4096)));
        }
        const ssize_t count = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return failure(FileStatus::Failed, errno);
        }
        if (count == 0)
            break;
        got += count;
    }
    bytes.truncate(got);
    result.status = FileStatus::Read;
    return result;
}

// The file is looked at before it is opened so that a pipe never blocks and a device is never
// opened.
FileContents readRegularFile(const QByteArray &path, qsizetype cap)
{
    struct stat named {};
    if (::stat(path.constData(), &named) != 0)
        return failedCall();
    if (!S_ISREG(named.st_mode))
        return failure(FileStatus::NotRegular);
    if (named.st_size > cap)
        return failure(FileStatus::TooLarge);
    const FileDescriptor file(::open(path.constData(), ReadFlags));
    if (!file.isOpen())
        return failedCall();
    return readOpenedFile(file.get(), named, cap);
}

FileDescriptor openFolder(const QByteArray &path)
{
    return FileDescriptor(::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

QString describeCap(qsizetype bytes)
{
    if (bytes % (1 << 20) == 0)
        return QCoreApplication::translate("quintrel::RegularFile", "%1 MiB").arg(bytes >> 20);
    if (bytes % (1 << 10) == 0)
        return QCoreApplication::translate("quintrel::RegularFile", "%1 KiB").arg(bytes >> 10);
    return QCoreApplication::translate("quintrel::RegularFile", "%1 bytes").arg(bytes);
}

QString describeFileProblem(const FileContents &contents, qsizetype cap)
{
    switch (contents.status) {
    case FileStatus::Read:
        return {};
    case FileStatus::NotRegular:
    case FileStatus::LinkNotFollowed:
        return QCoreApplication::translate("quintrel::RegularFile", "not a regular file");
    case FileStatus::TooLarge:
        return QCoreApplication::translate("quintrel::RegularFile", "larger than %1").arg(describeCap(cap));
    case FileStatus::Missing:
    case FileStatus::Failed:
        break;
    }
    return qt_error_string(contents.error);
}

} // namespace quintrel
