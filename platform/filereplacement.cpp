// filereplacement.cpp: replacing a file through a temporary file and a rename, and tidying up
// after saves that were killed half way.
#include "platform/filereplacement.h"

#include "platform/regularfile.h"

#include <QRandomGenerator>

#include <cerrno>
#include <csignal>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quintrel {

namespace {

constexpr QByteArrayView TemporaryInfix = ".saving-";
constexpr int TemporarySuffixDigits = 8;

// A write past RLIMIT_FSIZE raises SIGXFSZ, whose default ends the program at once. While this
// lives the signal is ignored, so such a write fails with EFBIG instead, like a full disk.
class IgnoredFileSizeSignal {
public:
    IgnoredFileSizeSignal()
    {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        m_active = ::sigaction(SIGXFSZ, &ignore, &m_previous) == 0;
    }
    ~IgnoredFileSizeSignal()
    {
        if (m_active)
            ::sigaction(SIGXFSZ, &m_previous, nullptr);
    }
    IgnoredFileSizeSignal(const IgnoredFileSizeSignal &) = delete;
    IgnoredFileSizeSignal &operator=(const IgnoredFileSizeSignal &) = delete;

private:
    struct sigaction m_previous {};
    bool m_active = false;
};

// "<name>.saving-" and eight lower-case hex digits, as temporaryName makes them.
bool isTemporaryFileOf(QByteArrayView entry, QByteArrayView name)
{
    const qsizetype prefix = name.size() + TemporaryInfix.size();
    if (entry.size() != prefix + TemporarySuffixDigits || !entry.startsWith(name)
        || entry.sliced(name.size(), TemporaryInfix.size()) != TemporaryInfix)
        return false;
    for (const char c : entry.sliced(prefix)) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    }
    return true;
}

// Only with the folder's lock held: no save of another instance is then between creating its
// temporary file and renaming it, so every temporary file of this name is a leftover.
void removeLeftovers(int folder, const QByteArray &name)
{
    const int listing = ::dup(folder);
    if (listing < 0)
        return;
    DIR *dir = ::fdopendir(listing);
    if (!dir) {
        ::close(listing);
        return;
    }
    ::rewinddir(dir);
    std::vector<QByteArray> leftovers;
    while (const dirent *entry = ::readdir(dir)) {
        if (isTemporaryFileOf(entry->d_name, name))
            leftovers.emplace_back(entry->d_name);
    }
    ::closedir(dir);
    for (const QByteArray &leftover : leftovers) {
        struct stat info {};
        if (::fstatat(folder, leftover.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode))
            ::unlinkat(folder, leftover.constData(), 0);
    }
}

QByteArray temporaryName(const QByteArray &name)
{
    return name + TemporaryInfix.toByteArray()
           + QByteArray::number(QRandomGenerator::global()->generate(), 16).rightJustified(TemporarySuffixDigits, '0');
}

bool writeAll(int fd, QByteArrayView bytes)
{
    const IgnoredFileSizeSignal ignored;
    for (qsizetype written = 0; written < bytes.size();) {
        const ssize_t count = ::write(fd, bytes.data() + written, size_t(bytes.size() - written));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0) {
            if (count == 0)
                errno = EIO; // no progress and no reason given: never loop on it
            return false;
        }
        written += count;
    }
    return true;
}

} // namespace

ReplaceFailure replaceFile(const FolderLock &folder, const QByteArray &name, QByteArrayView bytes, const NewFile &made)
{
    using Stage = ReplaceFailure::Stage;
    const int dir = folder.folder();
    if (dir < 0)
        return {Stage::Create, EBADF};
    if (folder.isHeld())
        removeLeftovers(dir, name);

    QByteArray temporary;
    FileDescriptor file;
    for (int attempt = 0; attempt < 16 && !file.isOpen(); ++attempt) {
        temporary = temporaryName(name);
        // Private until it has its permissions and its group.
        file.reset(::openat(dir, temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                            made.permissions || made.group ? 0600 : 0666));
        if (!file.isOpen() && errno != EEXIST)
            return {Stage::Create, errno};
    }
    if (!file.isOpen())
        return {Stage::Create, EEXIST};

    auto failAndRemove = [&](Stage stage, int error) {
        file.reset();
        ::unlinkat(dir, temporary.constData(), 0);
        return ReplaceFailure{stage, error};
    };
    // Only the player's own groups can be given, and only the read and write bits carry over: a
    // set-user-ID, set-group-ID or execute bit would make the saved game a program of the player
    // who saves, with bytes that another user may have put there.
    if (made.group && ::fchown(file.get(), uid_t(-1), gid_t(*made.group)) != 0)
        return failAndRemove(errno == EPERM ? Stage::Group : Stage::Write, errno);
    if (made.permissions && ::fchmod(file.get(), *made.permissions & 0666) != 0)
        return failAndRemove(Stage::Write, errno);
    if (!writeAll(file.get(), bytes) || ::fsync(file.get()) != 0 || !file.close())
        return failAndRemove(Stage::Write, errno);
    if (::renameat(dir, temporary.constData(), dir, name.constData()) != 0)
        return failAndRemove(Stage::Write, errno);
    return {};
}

} // namespace quintrel
