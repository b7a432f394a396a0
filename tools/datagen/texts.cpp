// The help texts: word-wrapped to the width of the help window's text box, with Windows line ends.
#include "generators.h"

#include "imaging.h"

#include <QFile>

namespace quintrel::datagen {

namespace {

// The help window's text box shows 34 characters of the default font on a line.
constexpr int LineWidthChars = 34;

void wrapInto(QStringList &lines, const QString &text, const QString &firstIndent, const QString &indent)
{
    const QStringList words = text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QString line = firstIndent;
    bool empty = true;
    for (const QString &word : words) {
        if (!empty && line.size() + 1 + word.size() > LineWidthChars) {
            lines << line;
            line = indent;
            empty = true;
        }
        line += (empty ? QString() : QStringLiteral(" ")) + word;
        empty = false;
    }
    if (!empty)
        lines << line;
}

// Source format: paragraphs separated by blank lines; a line starting with "- " opens a list item; a line
// starting with "|" is kept as it stands.
bool formatText(const QString &source, QByteArray &result, QString &problem)
{
    QStringList lines;
    QString paragraph;
    bool item = false;
    auto flush = [&] {
        if (!paragraph.isEmpty())
            wrapInto(lines, paragraph, item ? QStringLiteral("- ") : QString(), item ? QStringLiteral("  ") : QString());
        paragraph.clear();
        item = false;
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
            item = true;
            paragraph = line.mid(2);
        } else {
            paragraph += QLatin1Char(' ') + line;
        }
    }
    flush();
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (const QString &l : lines) {
        if (l.size() > LineWidthChars) {
            problem = QStringLiteral("line longer than %1 characters: %2").arg(LineWidthChars).arg(l);
            return false;
        }
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
