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

const std::array<CardPictures, PositionCount> &Generator::faces()
{
    if (m_faces[0].picture.isNull()) {
        for (int index = 0; index < PositionCount; ++index)
            m_faces[index] = cardPictures(m_cards[index][0]);
    }
    return m_faces;
}

bool Generator::cards()
{
    for (int index = 0; index < PositionCount; ++index) {
        auto [picture, picture2x] = faces()[index];
        for (int o = 1; o <= OrientationCount; ++o) {
            const QString folder = out(QStringLiteral("data/%1/").arg(cardset::cardAt(index)));
            if (!writeGif(picture, folder + QStringLiteral("%1.gif").arg(o))
                || !writePng(picture2x, folder + QStringLiteral("%1@2x.png").arg(o), LargePictureZlibLevel))
                return fail(QStringLiteral("cannot write the pictures of orientation %1 in %2").arg(o).arg(folder));
            picture = turnedClockwise(picture);
            picture2x = turnedClockwise(picture2x);
        }
    }
    m_report << QStringLiteral("36 card pictures written, each at twice the size too");
    return true;
}

bool Generator::boardRenders()
{
    Arrangement start{};
    for (int position = 1; position <= PositionCount; ++position)
        start[position - 1] = {startCard(position), 1};
    std::array<QImage, PositionCount> pictures;
    for (int index = 0; index < PositionCount; ++index)
        pictures[index] = faces()[index].picture;
    const QImage solved = renderBoard(pictures, Solutions[0]);
    const QImage startBoard = renderBoard(pictures, start);
    if (!writePng(solved, out(QStringLiteral("docs/solved.png")))
        || !writePng(startBoard, out(QStringLiteral("docs/start.png"))))
        return fail(QStringLiteral("cannot write the board renders"));
    return true;
}

} // namespace quintrel::datagen
