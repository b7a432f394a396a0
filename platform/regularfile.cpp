// regularfile.cpp: reading a file without blocking, only when it is a regular file within its cap.
#include "platform/regularfile.h"

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

FileContents readRegularFile(const QByteArray &path, qsizetype cap)
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

    const FileDescriptor file(::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.isOpen())
        return failedCall();
    const int fd = file.get();
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

QString describeCap(qsizetype bytes)
{
    if (bytes % (1 << 20) == 0)
        return QStringLiteral("%1 MiB").arg(bytes >> 20);
    if (bytes % (1 << 10) == 0)
        return QStringLiteral("%1 KiB").arg(bytes >> 10);
    return QStringLiteral("%1 bytes").arg(bytes);
}

QString describeFileProblem(const FileContents &contents, qsizetype cap)
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
    return qt_error_string(contents.error);
}

} // namespace quintrel
