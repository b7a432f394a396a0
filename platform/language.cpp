// language.cpp: choosing and installing the translations.
#include "platform/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace quintrel {

namespace {

// The program's translations are built into its resources; Qt's lie where Qt is installed.
constexpr auto ProgramTranslations = ":/i18n";

const Translations *&installed()
{
    static const Translations *current = nullptr;
    return current;
}

} // namespace

Translations::Translations(const QLocale &locale)
{
    // uiLanguages() lists the session's languages in order ("de-DE", "de", ...). Loading by locale
    // would skip an English that comes first and take the next language on the list: English is
    // a language of its own here, the one the sources are written in. Qt puts "C" after a language
    // it does not know ("tlh:fr" gives "tlh", "C", "fr", ...): that one is passed over for the next.
    for (QString name : locale.uiLanguages()) {
        name.replace(u'-', u'_');
        const QString language = name.section(u'_', 0, 0);
        if (language == QLatin1String("en"))
            return;
        if (m_program.load(QStringLiteral("quintrel_") + name, QLatin1String(ProgramTranslations))
            || m_program.load(QStringLiteral("quintrel_") + language, QLatin1String(ProgramTranslations))) {
            m_language = language;
            // Qt's own strings where the system has them; without them the buttons stay English.
            (void)m_qt.load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return;
        }
    }
}

Translations::~Translations()
{
    if (!m_installed || !QCoreApplication::instance())
        return;
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_program);
    installed() = nullptr;
}

QString Translations::text(const char *context, const char *source) const
{
    const QString translated = m_program.translate(context, source);
    return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}

void Translations::install()
{
    if (m_installed || m_language == QLatin1String("en"))
        return;
    // Numbers in the texts are written as the texts' language writes them ("0,5" in German), even
    // when the session's own locale is another or one Qt does not know.
    QLocale::setDefault(QLocale(m_language));
    QCoreApplication::installTranslator(&m_qt);
    QCoreApplication::installTranslator(&m_program);
    m_installed = true;
    installed() = this;
}

QString interfaceLanguage() { return installed() ? installed()->language() : QStringLiteral("en"); }

} // namespace quintrel
