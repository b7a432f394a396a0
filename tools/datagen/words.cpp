// The words in the pictures, in English and in each translation.
#include "generators.h"

#include <QFile>
#include <QStringDecoder>

namespace quintrel::datagen {

namespace {

// "key = words" lines; blank lines and lines starting with "#" say nothing. Returns what is wrong
// with the file, or nothing.
QString readWords(const QString &path, QHash<QString, QString> &words)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot read %1").arg(path);
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = QString(decoder(in.readAll())).normalized(QString::NormalizationForm_C);
    if (decoder.hasError())
        return QStringLiteral("%1 is not UTF-8").arg(path);
    int number = 0;
    for (const QString &raw : text.split(QLatin1Char('\n'))) {
        ++number;
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (equals < 0 || key.isEmpty() || value.isEmpty() || words.contains(key))
            return QStringLiteral("%1:%2: not a new \"key = words\" line").arg(path).arg(number);
        words.insert(key, value);
    }
    return {};
}

} // namespace

const std::vector<PictureWords> *Generator::pictureWords()
{
    if (!m_words.empty())
        return &m_words;
    std::vector<PictureWords> all(1);
    QStringList languages{QString()};
    for (const char *language : TranslatedLanguages)
        languages << QLatin1String(language);
    for (const QString &language : languages) {
        PictureWords words{language, {}};
        const QString path = m_source + QStringLiteral("/tools/texts/pictures%1.txt").arg(words.fileSuffix());
        QString problem = readWords(path, words.words);
        if (problem.isEmpty() && !language.isEmpty()) {
            QStringList keys = words.words.keys(), english = all.front().words.keys();
            keys.sort();
            english.sort();
            if (keys != english)
                problem = QStringLiteral("%1 gives the keys %2, pictures.txt %3")
                              .arg(path, keys.join(QLatin1Char(' ')), english.join(QLatin1Char(' ')));
        }
        if (!problem.isEmpty()) {
            fail(problem);
            return nullptr;
        }
        if (language.isEmpty())
            all.front() = std::move(words);
        else
            all.push_back(std::move(words));
    }
    m_words = std::move(all);
    return &m_words;
}

} // namespace quintrel::datagen
