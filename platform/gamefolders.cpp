// gamefolders.cpp: finding the game's folders from the executable's real path.
#include "platform/gamefolders.h"

#include <QFile>

#include <climits>
#include <unistd.h>

namespace quintrel {

namespace {

struct Folders {
    QByteArray data;
    QByteArray save;
    bool dataFolderOwn = true;
};

// The folder of the executable's real path, read as bytes from the kernel.
QByteArray executableFolder()
{
    char buffer[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer);
    if (length <= 0 || length >= ssize_t(sizeof buffer))
        return QByteArrayLiteral(".");
    QByteArray path(buffer, length);
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArrayLiteral("/") : path.left(slash);
}

QByteArray withoutTrailingSeparators(QByteArray folder)
{
    while (folder.size() > 1 && folder.endsWith('/'))
        folder.chop(1);
    return folder;
}

Folders &folders()
{
    static Folders found = [] {
        const QByteArray beside = executableFolder();
        return Folders{beside, beside, true};
    }();
    return found;
}

} // namespace

QByteArray dataFolder() { return folders().data; }

QByteArray saveFolder() { return folders().save; }

bool isDataFolderOwn() { return folders().dataFolderOwn; }

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

void setGameFolders(const QByteArray &data, const QByteArray &save, bool dataFolderOwn)
{
    folders() = Folders{withoutTrailingSeparators(data), withoutTrailingSeparators(save), dataFolderOwn};
}

} // namespace quintrel
