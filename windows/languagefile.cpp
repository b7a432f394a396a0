// languagefile.cpp: picking the file of the player's language.
#include "windows/languagefile.h"

#include "platform/gamefolders.h"
#include "platform/language.h"

#include <QFile>
#include <QFileInfo>

namespace quintrel {

namespace {

// "folder/name.ext" -> "folder/name_de.ext"; the language goes before the extension of the last
// part of the name, or at its end when it has none.
QByteArray inLanguage(QByteArrayView name, const QString &language)
{
    const qsizetype slash = name.lastIndexOf('/');
    qsizetype dot = name.lastIndexOf('.');
    if (dot <= slash)
        dot = name.size();
    return name.first(dot).toByteArray() + '_' + language.toLatin1() + name.sliced(dot).toByteArray();
}

} // namespace

QByteArray dataFileInLanguage(QByteArrayView relativeName)
{
    const QString language = interfaceLanguage();
    if (language != QLatin1String("en")) {
        const QByteArray translated = dataFile(inLanguage(relativeName, language));
        if (QFileInfo::exists(QFile::decodeName(translated)))
            return translated;
    }
    return dataFile(relativeName);
}

QString resourceInLanguage(const QString &resource)
{
    const QString language = interfaceLanguage();
    if (language != QLatin1String("en")) {
        const QString translated = QString::fromUtf8(inLanguage(resource.toUtf8(), language));
        if (QFileInfo::exists(translated))
            return translated;
    }
    return resource;
}

} // namespace quintrel
