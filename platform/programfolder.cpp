// programfolder.cpp: finding the program folder from the executable's real path.
#include "platform/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace quintrel {

namespace {

QString &programFolderOverride()
{
    static QString folder;
    return folder;
}

QString executableFolder()
{
    QFileInfo executable(QStringLiteral("/proc/self/exe"));
    QString path = executable.canonicalFilePath();
    if (path.isEmpty())
        path = QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
    return QFileInfo(path).absolutePath();
}

} // namespace

QString programFolder()
{
    if (programFolderOverride().isEmpty())
        programFolderOverride() = executableFolder();
    return programFolderOverride();
}

void setProgramFolder(const QString &folder)
{
    programFolderOverride() = QDir::cleanPath(folder);
}

QString programFile(const QString &relativeName)
{
    QString folder = programFolder();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    QString name = relativeName;
    while (name.startsWith(QLatin1Char('/')))
        name.remove(0, 1);
    return folder + name;
}

} // namespace quintrel
