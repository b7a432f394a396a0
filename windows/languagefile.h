// languagefile.h: the copy of a file in the player's language, which lies beside the English one
// with the language in its name ("rules_de.txt" beside "rules.txt").
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace quintrel {

// The full path of a data file in the player's language where there is one ("SOUND/example.gif"
// gives SOUND/example_de.gif for a German player), otherwise of the English file itself.
QByteArray dataFileInLanguage(QByteArrayView relativeName);

// The same for a picture compiled into the program: ":/art/title_de.gif" for ":/art/title.gif".
QString resourceInLanguage(const QString &resource);

} // namespace quintrel
