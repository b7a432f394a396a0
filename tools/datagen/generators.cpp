// The card pictures and the board renders; the other steps live in their own files.
#include "generators.h"

#include "cards.h"
#include "imaging.h"

#include <QDir>

namespace quintrel::datagen {

Generator::Generator(const QString &sourceRoot, const QString &outRoot)
    : m_source(sourceRoot)
    , m_out(outRoot)
{
}

bool Generator::fail(const QString &message)
{
    m_error = message;
    return false;
}

QString Generator::out(const QString &relative) const { return m_out + QLatin1Char('/') + relative; }

void Generator::countSolutions()
{
    const cardset::SolveResult r = cardset::Solver(m_cards).solve(2);
    m_report << QStringLiteral("card set: %1 solutions, %2 arrangements fit 11 seams, %3 fit 10 seams")
                    .arg(r.solutions.size())
                    .arg(r.byMisfits[1])
                    .arg(r.byMisfits[2]);
}

bool Generator::cards()
{
    for (int index = 0; index < PositionCount; ++index) {
        QImage picture = cardPicture(m_cards[index][0]);
        for (int o = 1; o <= OrientationCount; ++o) {
            const QString path = out(QStringLiteral("data/%1/%2.gif").arg(cardset::cardAt(index)).arg(o));
            if (!writeGif(picture, path))
                return fail(QStringLiteral("cannot write %1").arg(path));
            picture = turnedClockwise(picture);
        }
    }
    m_report << QStringLiteral("36 card pictures written");
    return true;
}

bool Generator::boardRenders()
{
    Arrangement start{};
    for (int position = 1; position <= PositionCount; ++position)
        start[position - 1] = {startCard(position), 1};
    const QImage solved = renderBoard(m_cards, Solutions[0]);
    const QImage startBoard = renderBoard(m_cards, start);
    if (!writePng(solved, out(QStringLiteral("docs/solved.png")))
        || !writePng(startBoard, out(QStringLiteral("docs/start.png"))))
        return fail(QStringLiteral("cannot write the board renders"));
    return true;
}

} // namespace quintrel::datagen
