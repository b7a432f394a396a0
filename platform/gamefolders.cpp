// gamefolders.cpp: finding the game's folders from the executable's real path.
#include "platform/gamefolders.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <climits>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quintrel {

namespace {

// The executable's real path, read as bytes from the kernel: links are resolved, so an installed
// copy started through a link still finds its data relative to where it really lies.
QByteArray executablePath()
{
    char buffer[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer);
    if (length <= 0 || length >= ssize_t(sizeof buffer))
        return QByteArrayLiteral("./quintrel");
    return QByteArray(buffer, length);
}

QByteArray parentFolder(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArrayLiteral("/") : path.left(slash);
}

QByteArray withoutTrailingSeparators(QByteArray folder)
{
    while (folder.size() > 1 && folder.endsWith('/'))
        folder.chop(1);
    return folder;
}

bool isAbsolute(const QByteArray &path) { return path.startsWith('/'); }

bool isFolder(const QByteArray &path)
{
    struct stat info {};
    return ::stat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

// $HOME, or the account's home folder when that is unset or relative; the root as the last resort,
// never the working directory.
QByteArray homeFolder()
{
    const QByteArray home = qgetenv("HOME");
    if (isAbsolute(home))
        return home;
    if (const passwd *account = ::getpwuid(::getuid()); account && account->pw_dir && account->pw_dir[0] == '/')
        return account->pw_dir;
    return QByteArrayLiteral("/");
}

GameFolders &folders()
{
    static GameFolders found = findGameFolders(executablePath(), homeFolder(), qgetenv("XDG_DATA_HOME"));
    return found;
}

} // namespace

QByteArray dataFolder() { return folders().data; }

QByteArray saveFolder() { return folders().save; }

bool isDataFolderOwn() { return folders().dataFolderOwn; }

bool makeSaveFolder(QString *reason)
{
    // The folder beside the program is the program's own: one that has gone is not made again.
    if (isDataFolderOwn())
        return true;
    const QByteArray folder = saveFolder();
    // Every folder on the way down from the root, as "mkdir -p" does; those already there stay as
    // they are. The first one that cannot be made tells why: each one below it fails only for
    // want of it.
    int error = 0;
    for (qsizetype end = folder.indexOf('/', 1); !error; end = folder.indexOf('/', end + 1)) {
        const QByteArray part = end < 0 ? folder : folder.left(end);
        if (::mkdir(part.constData(), 0700) != 0 && errno != EEXIST)
            error = errno;
        if (end < 0)
            break;
    }
    if (isFolder(folder))
        return true;
    if (reason)
        *reason = QCoreApplication::translate("quintrel::GameFolders", "the folder \"%1\" could not be made: %2")
                      .arg(displayPath(folder), qt_error_string(error ? error : ENOTDIR));
    return false;
}

QByteArray fileIn(QByteArrayView folder, QByteArrayView relativeName)
{
    QByteArray path = folder.toByteArray();
    if (!path.endsWith('/'))
        path += '/';
    while (relativeName.startsWith('/'))
        relativeName = relativeName.sliced(1);
    return path + relativeName.toByteArray();
}

QByteArray dataFile(QByteArrayView relativeName) { return fileIn(dataFolder(), relativeName); }

QString displayPath(QByteArrayView path) { return QFile::decodeName(path.toByteArray()); }

GameFolders findGameFolders(const QByteArray &executablePath, const QByteArray &home, const QByteArray &xdgDataHome)
{
    const QByteArray beside = parentFolder(executablePath);
    const QByteArray installed = fileIn(parentFolder(beside), "share/quintrel");
    if (::access(fileIn(beside, "SOUND/QUINTREL.ICO").constData(), F_OK) == 0 || !isFolder(installed))
        return GameFolders{beside, beside, true};
    const QByteArray playerData = isAbsolute(xdgDataHome) ? xdgDataHome : fileIn(home, ".local/share");
    return GameFolders{installed, withoutTrailingSeparators(fileIn(playerData, "quintrel")), false};
}

void setGameFolders(const QByteArray &data, const QByteArray &save, bool dataFolderOwn)
{
    folders() = GameFolders{withoutTrailingSeparators(data), withoutTrailingSeparators(save), dataFolderOwn};
}

} // namespace quintrel
