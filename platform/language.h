// language.h: the player's language. The program's texts and Qt's own (the message-box buttons)
// follow the desktop session's language as Qt reads it; English, the language of the sources, is
// the fallback and needs no translation.
#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

namespace quintrel {

class Translations {
public:
    // The first of the locale's languages that the program has a translation for, unless English
    // comes first.
    explicit Translations(const QLocale &locale = QLocale::system());
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

    // "de", "fr", "es", ... or "en" when the texts stay as they are written.
    QString language() const { return m_language; }

    // A text of the program, also before the application exists (the command line, a failed start).
    QString text(const char *context, const char *source) const;

    // Hands both translations to the running application, until this object ends.
    void install();

private:
    QString m_language = QStringLiteral("en");
    QTranslator m_program;
    QTranslator m_qt;
    bool m_installed = false;
};

// The language of the installed translations, "en" when none is installed: the help documents
// follow it.
QString interfaceLanguage();

} // namespace quintrel
