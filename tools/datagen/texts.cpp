// The help texts: one line per paragraph, with Windows line ends.
#include "generators.h"

#include "imaging.h"

#include <QFile>

namespace quintrel::datagen {

namespace {

// Source format: paragraphs separated by blank lines; a line starting with "- " opens a list item;
// a line starting with "|" is kept as it stands. Each paragraph and each list item becomes one line:
// the help window's text box wraps it to its own width, at whatever size its font is.
bool formatText(const QString &source, QByteArray &result, QString &problem)
{
    QStringList lines;
    QString paragraph;
    auto flush = [&] {
        if (!paragraph.isEmpty())
            lines << paragraph.simplified();
        paragraph.clear();
    };
    for (const QString &raw : source.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.isEmpty()) {
            flush();
            lines << QString();
        } else if (line.startsWith(QLatin1Char('|'))) {
            flush();
            lines << raw.mid(raw.indexOf(QLatin1Char('|')) + 1);
        } else if (line.startsWith(QLatin1String("- "))) {
            flush();
            paragraph = line;
        } else {
            paragraph += QLatin1Char(' ') + line;
        }
    }
    flush();
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (const QString &l : lines) {
        for (QChar c : l)
            if (c.unicode() < 0x20 || c.unicode() > 0x7e) {
                problem = QStringLiteral("character outside plain ASCII in: %1").arg(l);
                return false;
            }
    }
    result = lines.join(QStringLiteral("\r\n")).toLatin1() + "\r\n";
    return true;
}

} // namespace

bool Generator::texts()
{
    for (const char *name : {"rules.txt", "ombrel.txt"}) {
        const QString source = m_source + QStringLiteral("/tools/texts/") + QLatin1String(name);
        QFile in(source);
        if (!in.open(QIODevice::ReadOnly))
            return fail(QStringLiteral("cannot read %1").arg(source));
        QByteArray text;
        QString problem;
        if (!formatText(QString::fromUtf8(in.readAll()), text, problem))
            return fail(QStringLiteral("%1: %2").arg(source, problem));
        if (!writeFile(out(QStringLiteral("data/") + QLatin1String(name)), text))
            return fail(QStringLiteral("cannot write data/%1").arg(QLatin1String(name)));
    }
    return true;
}

} // namespace quintrel::datagen
