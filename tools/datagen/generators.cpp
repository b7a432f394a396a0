// The card pictures and the board renders; the other steps live in their own files.
#include "generators.h"

#include "../../game/cardedges.h"
#include "cards.h"
#include "imaging.h"

#include <QDir>

namespace quintrel::datagen {

const cardset::Arrangement &storedSolution()
{
    static const cardset::Arrangement solution = {
        {{4, 3}, {8, 2}, {6, 3}, {7, 4}, {0, 3}, {3, 2}, {2, 3}, {5, 4}, {1, 1}}};
    return solution;
}

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

bool Generator::loadEdges()
{
    if (m_edgesLoaded)
        return true;
    // The game's own table: the pictures show exactly the edges the game describes in words.
    for (int card = 0; card < cardset::CardCount; ++card) {
        for (int side = 0; side < 4; ++side)
            m_edges[card][side] = cardset::edgeFromLetter(CardEdgeLetters[card][side]);
    }
    m_edgesLoaded = true;
    const cardset::SolveResult r = cardset::Solver(m_edges).solve(2);
    m_report << QStringLiteral("card set: %1 solutions, %2 arrangements fit 11 seams, %3 fit 10 seams")
                    .arg(r.solutions.size())
                    .arg(r.byMisfits[1])
                    .arg(r.byMisfits[2]);
    return true;
}

bool Generator::cards()
{
    if (!loadEdges())
        return false;
    for (int card = 0; card < cardset::CardCount; ++card) {
        QImage picture = cardPicture(m_edges[card]);
        for (int o = 1; o <= 4; ++o) {
            const QString path = out(QStringLiteral("data/%1/%2.gif").arg(1010 + 10 * card).arg(o));
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
    if (!loadEdges())
        return false;
    cardset::Arrangement start{};
    for (int pos = 0; pos < cardset::CardCount; ++pos)
        start[pos] = {pos, 1};
    const QImage solved = renderBoard(m_edges, storedSolution());
    const QImage startBoard = renderBoard(m_edges, start);
    if (!writePng(solved, out(QStringLiteral("docs/solved.png")))
        || !writePng(startBoard, out(QStringLiteral("docs/start.png"))))
        return fail(QStringLiteral("cannot write the board renders"));
    return true;
}

} // namespace quintrel::datagen
