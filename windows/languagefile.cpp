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

// The name in the player's language where exists() finds that file, otherwise the name itself.
QByteArray nameInLanguage(QByteArrayView name, bool (*exists)(const QByteArray &))
{
    const QString language = interfaceLanguage();
    if (language != QLatin1String("en")) {
        const QByteArray translated = inLanguage(name, language);
        if (exists(translated))
            return translated;
    }
    return name.toByteArray();
}

} // namespace

QByteArray dataFileInLanguage(QByteArrayView relativeName)
{
    return dataFile(nameInLanguage(relativeName, [](const QByteArray &name) {
        return QFileInfo::exists(QFile::decodeName(dataFile(name)));
    }));
}

QString resourceInLanguage(const QString &resource)
{
    return QString::fromUtf8(nameInLanguage(resource.toUtf8(), [](const QByteArray &name) {
        return QFileInfo::exists(QString::fromUtf8(name));
    }));
}

} // namespace quintrel
