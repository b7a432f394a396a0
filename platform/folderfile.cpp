// folderfile.cpp: finding a folder's file by a safe walk through links, reading it, and replacing
// it under the folder's lock, with a true word for everything that can stand in the way.
#include "platform/folderfile.h"

#include "platform/caseinsensitivename.h"
#include "platform/filereplacement.h"
#include "platform/folderlock.h"
#include "platform/gamefolders.h"
#include "platform/regularfile.h"

#include <QCoreApplication>

#include <cerrno>
#include <climits>
#include <deque>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quintrel {

namespace {

// As many links as the system itself follows in one path before it gives up.
constexpr int MaxLinks = 40;

// What a name led to.
struct Found {
    FileStatus status = FileStatus::Failed; // Read: found (not read yet)
    int error = 0;
    FileDescriptor folder; // the folder that holds the entry
    QByteArray entry;      // the entry's name there
    struct stat info {};   // what it is; never a link
    bool throughLink = false;
};

std::deque<QByteArray> components(QByteArrayView path)
{
    std::deque<QByteArray> parts;
    for (const QByteArray &part : path.toByteArray().split('/')) {
        if (!part.isEmpty() && part != ".")
            parts.push_back(part);
    }
    return parts;
}

// Resolves name in the folder one entry at a time, as the system would, except that a link is
// followed only when it belongs to the player. Each entry is held open (O_PATH) while it is looked
// at, so a name swapped meanwhile is seen for what it is when it is opened.
Found walk(int start, QByteArrayView name)
{
    Found found;
    auto fail = [&found](FileStatus status, int error = 0) {
        found.status = status;
        found.error = error;
        return std::move(found);
    };
    found.folder.reset(::fcntl(start, F_DUPFD_CLOEXEC, 0));
    if (!found.folder.isOpen())
        return fail(FileStatus::Failed, errno);
    const uid_t player = ::geteuid();
    std::deque<QByteArray> pending = components(name);
    int links = 0;
    while (!pending.empty()) {
        const QByteArray part = pending.front();
        pending.pop_front();
        FileDescriptor at(::openat(found.folder.get(), part.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
        struct stat info {};
        if (!at.isOpen() || ::fstat(at.get(), &info) != 0)
            return fail(errno == ENOENT ? FileStatus::Missing : FileStatus::Failed, errno);
        if (S_ISLNK(info.st_mode)) {
            if (info.st_uid != player)
                return fail(FileStatus::LinkNotFollowed);
            if (++links > MaxLinks)
                return fail(FileStatus::Failed, ELOOP);
            QByteArray target(PATH_MAX, Qt::Uninitialized);
            const ssize_t length = ::readlinkat(at.get(), "", target.data(), size_t(target.size()));
            if (length < 0 || length >= target.size())
                return fail(FileStatus::Failed, length < 0 ? errno : ENAMETOOLONG);
            target.truncate(length);
            // A relative target goes on from the folder that holds the link.
            if (target.startsWith('/'))
                found.folder.reset(::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC));
            std::deque<QByteArray> rest = components(target);
            pending.insert(pending.begin(), rest.begin(), rest.end());
            found.throughLink = true;
            continue;
        }
        if (!pending.empty()) {
            if (!S_ISDIR(info.st_mode))
                return fail(FileStatus::Failed, ENOTDIR);
            found.folder = std::move(at);
            continue;
        }
        found.entry = part;
        found.info = info;
        found.status = FileStatus::Read;
        return found;
    }
    // A link to "." or "/": the folder itself.
    found.entry = QByteArrayLiteral(".");
    if (::fstat(found.folder.get(), &found.info) != 0)
        return fail(FileStatus::Failed, errno);
    found.status = FileStatus::Read;
    return found;
}

// Whether the player may write the opened file, as a plain write would find: 0, or why not. Asked
// of the open file itself, so that a name swapped since it was opened cannot change the answer.
int writeErrorOf(int fd)
{
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    if (::faccessat(AT_FDCWD, self.constData(), W_OK, AT_EACCESS) == 0)
        return 0;
    return errno;
}

// The file the walk found, read whole if it is a regular file within the cap. Of what the name led
// to, the result keeps its type and owner for the messages.
struct Examined {
    FileContents contents;
    struct stat info {};
    bool throughLink = false;
    bool swapped = false; // another file stood under the name by the time it was opened
    int writeError = 0;
};

Examined examine(int folder, QByteArrayView name, qsizetype cap)
{
    Examined examined;
    FileContents &contents = examined.contents;
    Found found = walk(folder, name);
    examined.info = found.info;
    examined.throughLink = found.throughLink;
    contents.status = found.status;
    contents.error = found.error;
    if (found.status != FileStatus::Read)
        return examined;
    // The file a chain of the player's links ends at must be the player's too.
    if (found.throughLink && found.info.st_uid != ::geteuid()) {
        contents.status = FileStatus::LinkNotFollowed;
        return examined;
    }
    if (!S_ISREG(found.info.st_mode)) {
        contents.status = FileStatus::NotRegular;
        return examined;
    }
    if (found.info.st_size > cap) {
        contents.status = FileStatus::TooLarge;
        return examined;
    }
    const FileDescriptor file(::openat(found.folder.get(), found.entry.constData(),
                                       O_RDONLY | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC));
    if (!file.isOpen()) {
        // Swapped since the walk: a link is not read through, a file that has gone is none.
        contents.status = errno == ELOOP    ? FileStatus::LinkNotFollowed
                          : errno == ENOENT ? FileStatus::Missing
                                            : FileStatus::Failed;
        contents.error = errno;
        return examined;
    }
    contents = readOpenedFile(file.get(), found.info, cap);
    examined.swapped = contents.status == FileStatus::NotRegular;
    if (contents.status == FileStatus::Read)
        examined.writeError = writeErrorOf(file.get());
    return examined;
}

// The name of a user or a group (getpwuid_r and passwd::pw_name, getgrgid_r and group::gr_name), or
// its number when it has none.
template <typename Entry, typename Id>
QString accountName(Id id, int (*lookUp)(Id, Entry *, char *, size_t, Entry **), char *Entry::*name)
{
    char buffer[4096];
    Entry entry{};
    Entry *result = nullptr;
    if (lookUp(id, &entry, buffer, sizeof buffer, &result) == 0 && result)
        return QString::fromLocal8Bit(result->*name);
    return QString::number(id);
}

QString userName(uid_t uid) { return accountName(uid, ::getpwuid_r, &passwd::pw_name); }

QString groupName(gid_t gid) { return accountName(gid, ::getgrgid_r, &group::gr_name); }

// What the name holds when it is not a regular file, said of the name.
QString notAFile(const QString &path, const Examined &examined)
{
    const mode_t type = examined.info.st_mode & S_IFMT;
    const bool link = examined.throughLink;
    const char *text = nullptr;
    if (type == S_IFDIR)
        text = link ? QT_TRANSLATE_NOOP("quintrel::FolderFile", "\"%1\" is a link to a folder, not a file")
                    : QT_TRANSLATE_NOOP("quintrel::FolderFile", "\"%1\" is a folder, not a file");
    else if (type == S_IFIFO)
        text = link ? QT_TRANSLATE_NOOP("quintrel::FolderFile", "\"%1\" is a link to a FIFO (a named pipe), not a file")
                    : QT_TRANSLATE_NOOP("quintrel::FolderFile", "\"%1\" is a FIFO (a named pipe), not a file");
    else if (type == S_IFCHR || type == S_IFBLK)
        text = link ? QT_TRANSLATE_NOOP("quintrel::FolderFile", "\"%1\" is a link to a device, not a file")
                    : QT_TRANSLATE_NOOP("quintrel::FolderFile", "\"%1\" is a device, not a file");
    else if (type == S_IFSOCK)
        text = link ? QT_TRANSLATE_NOOP("quintrel::FolderFile", "\"%1\" is a link to a socket, not a file")
                    : QT_TRANSLATE_NOOP("quintrel::FolderFile", "\"%1\" is a socket, not a file");
    else
        text = QT_TRANSLATE_NOOP("quintrel::FolderFile", "\"%1\" is not a regular file");
    return QCoreApplication::translate("quintrel::FolderFile", text).arg(path);
}

// Why the file could not be read, naming it and what it is.
QString readProblem(const QByteArray &path, const Examined &examined)
{
    const QString shown = displayPath(path);
    const FileContents &contents = examined.contents;
    switch (contents.status) {
    case FileStatus::NotRegular:
        if (examined.swapped)
            return QCoreApplication::translate("quintrel::FolderFile",
                                               "\"%1\" was replaced by another program while it was being read")
                .arg(shown);
        return notAFile(shown, examined);
    case FileStatus::LinkNotFollowed:
        return QCoreApplication::
            translate("quintrel::FolderFile",
                      "\"%1\" is a link that is not followed, since it or a link or file it leads to belongs to "
                      "another user")
                .arg(shown);
    default:
        break;
    }
    if (contents.error == EACCES && examined.info.st_uid != ::geteuid() && examined.info.st_mode != 0)
        return QCoreApplication::translate("quintrel::FolderFile",
                                           "the file \"%1\" belongs to the user \"%2\", and you may not read it")
            .arg(shown, userName(examined.info.st_uid));
    if (contents.error == EACCES)
        return QCoreApplication::translate("quintrel::FolderFile", "you may not read the file \"%1\"").arg(shown);
    return QCoreApplication::translate("quintrel::FolderFile", "the file \"%1\" could not be read: %2")
        .arg(shown, qt_error_string(contents.error));
}

// Why the file may not be written, as a plain write would find.
QString writeProblem(const QByteArray &path, const Examined &examined)
{
    const QString shown = displayPath(path);
    switch (examined.writeError) {
    case EROFS:
        return QCoreApplication::translate("quintrel::FolderFile", "the file \"%1\" lies on a read-only file system")
            .arg(shown);
    case EACCES:
    case EPERM:
        if (examined.info.st_uid != ::geteuid())
            return QCoreApplication::translate("quintrel::FolderFile",
                                               "the file \"%1\" belongs to the user \"%2\", and you may not write it")
                .arg(shown, userName(examined.info.st_uid));
        return QCoreApplication::translate("quintrel::FolderFile", "the file \"%1\" is read-only").arg(shown);
    default:
        return QCoreApplication::translate("quintrel::FolderFile", "the file \"%1\" cannot be written: %2")
            .arg(shown, qt_error_string(examined.writeError));
    }
}

// Why the folder could not be opened.
QString openProblem(const QByteArray &folder, int error)
{
    const QString shown = displayPath(folder);
    switch (error) {
    case ENOENT:
        return QCoreApplication::translate("quintrel::FolderFile", "the folder \"%1\" does not exist").arg(shown);
    case ENOTDIR:
        return QCoreApplication::translate("quintrel::FolderFile", "\"%1\" is not a folder").arg(shown);
    case EACCES:
        return QCoreApplication::translate("quintrel::FolderFile", "you may not open the folder \"%1\"").arg(shown);
    default:
        return QCoreApplication::translate("quintrel::FolderFile", "the folder \"%1\" could not be opened: %2")
            .arg(shown, qt_error_string(error));
    }
}

// Whether a new file can be made in the open folder: 0, or why not.
int folderWriteError(int folder) { return ::faccessat(folder, ".", W_OK | X_OK, AT_EACCESS) == 0 ? 0 : errno; }

QString folderWriteProblem(const QByteArray &folder, int error)
{
    const QString shown = displayPath(folder);
    if (error == EROFS)
        return QCoreApplication::translate("quintrel::FolderFile", "the folder \"%1\" lies on a read-only file system")
            .arg(shown);
    if (error == EACCES || error == EPERM)
        return QCoreApplication::translate("quintrel::FolderFile", "you may not write in the folder \"%1\"").arg(shown);
    return QCoreApplication::translate("quintrel::FolderFile", "the folder \"%1\" cannot be written: %2")
        .arg(shown, qt_error_string(error));
}

// The group rights of a file matter when they differ from everyone else's: a file shared by a
// group of players, which must stay that group's.
bool groupMatters(mode_t mode) { return (mode & 0060) != ((mode & 0006) << 3); }

QByteArray entryName(int folder, const FolderFileName &name)
{
    const QByteArray found = findNameIgnoringCase(folder, name.name, name.preferred);
    return found.isEmpty() ? name.name.toByteArray() : found;
}

} // namespace

FolderFileReading readFolderFile(const QByteArray &folder, const FolderFileName &name, qsizetype cap)
{
    FolderFileReading reading;
    reading.path = fileIn(folder, name.name);
    const FileDescriptor dir = openFolder(folder);
    if (!dir.isOpen()) {
        // No folder, no saved game: an installed copy makes its folder at the first save.
        if (errno == ENOENT) {
            reading.status = FolderFileReading::Status::Missing;
            return reading;
        }
        reading.problem = openProblem(folder, errno);
        return reading;
    }
    const QByteArray entry = entryName(dir.get(), name);
    reading.path = fileIn(folder, entry);
    Examined examined = examine(dir.get(), entry, cap);
    switch (examined.contents.status) {
    case FileStatus::Read:
        reading.status = FolderFileReading::Status::Read;
        reading.bytes = std::move(examined.contents.bytes);
        break;
    case FileStatus::Missing:
        reading.status = FolderFileReading::Status::Missing;
        break;
    case FileStatus::TooLarge:
        reading.status = FolderFileReading::Status::TooLarge;
        break;
    default:
        reading.problem = readProblem(reading.path, examined);
        break;
    }
    return reading;
}

FolderFileWriting replaceFolderFile(const QByteArray &folder, const FolderFileName &name, qsizetype cap,
                                    const Rewriter &rewrite)
{
    FolderFileWriting writing;
    writing.path = fileIn(folder, name.name);
    auto fail = [&writing](const QString &problem) {
        writing.problem = problem;
        return writing;
    };

    // Held from before the old file is read until the new one is in place. A save that cannot
    // have it says nothing of the old file: the other save may be replacing it at this moment.
    const FolderLock lock(folder);
    if (lock.folder() < 0)
        return fail(openProblem(folder, lock.openError()));
    if (!lock.isUsable())
        return fail(lock.problem());
    const QByteArray entry = entryName(lock.folder(), name);
    writing.path = fileIn(folder, entry);

    const Examined examined = examine(lock.folder(), entry, cap);
    const QByteArray *existing = nullptr;
    switch (examined.contents.status) {
    case FileStatus::Read:
        existing = &examined.contents.bytes;
        break;
    // Replaced by a file of the player's own; what a link leads to is never read.
    case FileStatus::Missing:
    case FileStatus::LinkNotFollowed:
        break;
    case FileStatus::TooLarge:
        writing.status = FolderFileWriting::Status::TooLarge;
        return writing;
    default:
        return fail(readProblem(writing.path, examined));
    }

    const std::optional<QByteArray> rewritten = rewrite(existing);
    writing.oldFileUnchanged = existing != nullptr;
    if (!rewritten)
        return writing;
    if (const int error = folderWriteError(lock.folder()))
        return fail(folderWriteProblem(folder, error));
    // The rename that replaces a file the player may not write would be allowed; a plain write would
    // not, and neither does a save.
    if (existing && examined.writeError)
        return fail(writeProblem(writing.path, examined));

    NewFile made;
    if (existing) {
        made.permissions = examined.info.st_mode & 07777;
        if (groupMatters(examined.info.st_mode) && examined.info.st_gid != ::getegid())
            made.group = examined.info.st_gid;
    }
    switch (const ReplaceFailure failure = replaceFile(lock, entry, *rewritten, made); failure.stage) {
    case ReplaceFailure::Stage::None:
        break;
    case ReplaceFailure::Stage::Group:
        return fail(
            QCoreApplication::
                translate("quintrel::FolderFile",
                          "the file \"%1\" is shared with the group \"%2\", and a file you save cannot belong to "
                          "that group, since you are not a member of it")
                    .arg(displayPath(writing.path), groupName(*made.group)));
    case ReplaceFailure::Stage::Create:
        if (failure.error == EACCES || failure.error == EPERM || failure.error == EROFS)
            return fail(folderWriteProblem(folder, failure.error));
        [[fallthrough]];
    case ReplaceFailure::Stage::Write:
        return fail(QCoreApplication::translate("quintrel::FolderFile", "the file \"%1\" could not be written: %2")
                        .arg(displayPath(writing.path), qt_error_string(failure.error)));
    }
    writing.status = FolderFileWriting::Status::Written;
    writing.oldFileUnchanged = false;
    return writing;
}

} // namespace quintrel
