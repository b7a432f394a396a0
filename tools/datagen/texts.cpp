// The help texts in English and in each translation: one line per paragraph, with Windows line ends.
#include "generators.h"

#include "imaging.h"
#include "platform/regularfile.h"

#include <QFile>
#include <QStringDecoder>

#include <vector>

namespace quintrel::datagen {

namespace {

// Every document is translated into every language: a missing translation stops the generator, so
// that no language has its rules without its About text.
constexpr const char *Documents[] = {"rules", "ombrel"};

enum class LineKind { Blank, Kept, Item, Paragraph };

struct Line {
    LineKind kind;
    QString text;
};

// A line without the blanks (spaces, tabs, carriage returns) at its ends, and with each run of
// blanks inside it made one space. A no-break space is no blank: it keeps a French ":" or "»" on
// the line of the word before it. (QString::simplified() would turn it into a space.)
QString collapsedBlanks(const QString &line)
{
    QString collapsed;
    bool blank = false;
    for (const QChar c : line) {
        if (c == u' ' || c == u'\t' || c == u'\r') {
            blank = !collapsed.isEmpty();
            continue;
        }
        if (blank)
            collapsed += u' ';
        blank = false;
        collapsed += c;
    }
    return collapsed;
}

// Source format: paragraphs separated by blank lines; a line starting with "- " opens a list item;
// a line starting with "|" is kept as it stands. Each paragraph and each list item becomes one line:
// the help window's text box wraps it to its own width, at whatever size its font is.
std::vector<Line> parseText(const QString &source)
{
    std::vector<Line> lines;
    QString paragraph;
    LineKind kind = LineKind::Paragraph;
    auto flush = [&] {
        if (!paragraph.isEmpty())
            lines.push_back({kind, collapsedBlanks(paragraph)});
        paragraph.clear();
    };
    for (const QString &raw : source.split(QLatin1Char('\n'))) {
        const QString line = collapsedBlanks(raw);
        if (line.isEmpty()) {
            flush();
            lines.push_back({LineKind::Blank, QString()});
        } else if (line.startsWith(QLatin1Char('|'))) {
            flush();
            lines.push_back({LineKind::Kept, raw.mid(raw.indexOf(QLatin1Char('|')) + 1)});
        } else if (line.startsWith(QLatin1String("- "))) {
            flush();
            kind = LineKind::Item;
            paragraph = line;
        } else {
            if (paragraph.isEmpty())
                kind = LineKind::Paragraph;
            paragraph += QLatin1Char(' ') + line;
        }
    }
    flush();
    while (!lines.empty() && lines.back().text.isEmpty())
        lines.pop_back();
    return lines;
}

// The English documents are plain ASCII, which the help window reads the same as Windows-1252 or
// UTF-8; a translation is UTF-8 in composed form, without control characters.
QString findBadCharacter(const std::vector<Line> &lines, bool english)
{
    for (const Line &line : lines) {
        for (QChar c : line.text) {
            const bool control = c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() <= 0x9f);
            if (control || (english && c.unicode() > 0x7e) || c == QChar::ReplacementCharacter)
                return QStringLiteral("character U+%1 %2 in: %3")
                    .arg(c.unicode(), 4, 16, QLatin1Char('0'))
                    .arg(english ? QStringLiteral("outside plain ASCII") : QStringLiteral("not allowed"), line.text);
        }
    }
    return {};
}

// The version, the copyright notice and web addresses are the same in every language.
bool sameInEveryLanguage(const Line &line)
{
    return line.kind == LineKind::Kept
           && (line.text.startsWith(QLatin1String("Version ")) || line.text.startsWith(QLatin1String("Copyright "))
               || line.text.contains(QLatin1String("://")));
}

// A translation follows the English document line for line, so that a paragraph added to or taken
// from the English one cannot go unnoticed in a translation.
QString findShapeDifference(const std::vector<Line> &english, const std::vector<Line> &translation)
{
    if (english.size() != translation.size())
        return QStringLiteral("%1 lines where the English document has %2").arg(translation.size()).arg(english.size());
    for (std::size_t i = 0; i < english.size(); ++i) {
        if (english[i].kind != translation[i].kind)
            return QStringLiteral("line %1 is not of the kind of the English \"%2\"")
                .arg(QString::number(i + 1), english[i].text);
        if (sameInEveryLanguage(english[i]) && english[i].text != translation[i].text)
            return QStringLiteral("line %1 must read \"%2\" as in English")
                .arg(QString::number(i + 1), english[i].text);
    }
    return {};
}

QByteArray joinLines(const std::vector<Line> &lines, bool english)
{
    QStringList texts;
    for (const Line &line : lines)
        texts << line.text;
    const QString joined = texts.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    return english ? joined.toLatin1() : joined.toUtf8();
}

// Reads a source document and makes its data file's bytes; a translation is checked against its
// English document's lines. Returns what is wrong with the source, or nothing.
QString makeDocument(const QString &source, const std::vector<Line> *english, std::vector<Line> &lines,
                     QByteArray &bytes)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot read %1").arg(source);
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(in.readAll());
    if (decoder.hasError())
        return QStringLiteral("%1 is not UTF-8").arg(source);
    lines = parseText(text.normalized(QString::NormalizationForm_C));
    QString problem = findBadCharacter(lines, english == nullptr);
    if (problem.isEmpty() && english)
        problem = findShapeDifference(*english, lines);
    bytes = joinLines(lines, english == nullptr);
    if (problem.isEmpty() && bytes.size() > DocumentCap)
        problem = QStringLiteral("%1 bytes, more than the help window reads (%2)").arg(bytes.size()).arg(DocumentCap);
    return problem.isEmpty() ? QString() : QStringLiteral("%1: %2").arg(source, problem);
}

} // namespace

bool Generator::texts()
{
    for (const char *document : Documents) {
        QStringList names{QStringLiteral("%1.txt").arg(QLatin1String(document))};
        for (const char *language : TranslatedLanguages)
            names << QStringLiteral("%1_%2.txt").arg(QLatin1String(document), QLatin1String(language));
        std::vector<Line> english;
        for (const QString &name : names) {
            const bool isEnglish = name == names.first();
            std::vector<Line> lines;
            QByteArray bytes;
            const QString problem = makeDocument(m_source + QStringLiteral("/tools/texts/") + name,
                                                 isEnglish ? nullptr : &english, lines, bytes);
            if (!problem.isEmpty())
                return fail(problem);
            if (!writeFile(out(QStringLiteral("data/") + name), bytes))
                return fail(QStringLiteral("cannot write data/%1").arg(name));
            if (isEnglish)
                english = std::move(lines);
        }
    }
    return true;
}

} // namespace quintrel::datagen
