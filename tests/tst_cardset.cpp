// tst_cardset.cpp: the game's edge table: exactly the four stored solutions fit on every seam, and they agree.
#include "../tools/cardset/solver.h"

#include <QTest>

#include <algorithm>

using namespace quintrel;

namespace {

QString describe(const Arrangement &a)
{
    QStringList cells;
    for (const Placement &p : a)
        cells << QStringLiteral("%1/%2").arg(p.card).arg(p.orientation);
    return cells.join(QLatin1Char(' '));
}

// An edge as the edge table writes it: S, H, D, C for an upper half, lower case for a lower one.
QChar edgeLetter(Edge e)
{
    const QChar letter = QLatin1Char("SHDC"[static_cast<int>(e.suit)]);
    return e.upperHalf ? letter : letter.toLower();
}

} // namespace

class tst_CardSet : public QObject {
    Q_OBJECT

private slots:
    void solverFindsExactlyTheStoredSolutions()
    {
        const cardset::SolveResult result = cardset::Solver(cardset::gameCards()).solve(2);
        qInfo("arrangements fitting 12 seams: %llu, 11 seams: %llu, 10 seams: %llu",
              (unsigned long long)result.byMisfits[0], (unsigned long long)result.byMisfits[1],
              (unsigned long long)result.byMisfits[2]);
        QCOMPARE(result.solutions.size(), size_t(4));
        for (const Arrangement &found : result.solutions)
            QVERIFY2(std::find(Solutions.begin(), Solutions.end(), found) != Solutions.end(),
                     qPrintable(QStringLiteral("unexpected solution: ") + describe(found)));
        // A hard puzzle leaves many arrangements that fail on a single seam.
        QVERIFY2(result.byMisfits[1] >= 200, "too few near misses: the puzzle would be easy");
    }

    // Read through the game's own shownEdge, seam by seam, apart from the solver's walk.
    void storedSolutionFitsEverySeam_data()
    {
        QTest::addColumn<int>("solution");
        for (int s = 1; s <= 4; ++s)
            QTest::addRow("solution %d", s) << s;
    }

    void storedSolutionFitsEverySeam()
    {
        QFETCH(int, solution);
        const Arrangement &a = Solutions[solution - 1];
        for (int p = 1; p <= PositionCount; ++p) {
            const auto check = [&](int q, Side mine, Side theirs) {
                const Edge e = shownEdge(a[p - 1], mine), f = shownEdge(a[q - 1], theirs);
                QVERIFY2(fits(e, f), qPrintable(QStringLiteral("seam %1|%2: %3 meets %4")
                                                    .arg(p)
                                                    .arg(q)
                                                    .arg(edgeLetter(e))
                                                    .arg(edgeLetter(f))));
            };
            if (positionColumn(p) < 2)
                check(p + 1, Side::Right, Side::Left);
            if (positionRow(p) < 2)
                check(p + 3, Side::Bottom, Side::Top);
        }
    }

    void storedSolutionsAreOneArrangementTurned_data() { storedSolutionFitsEverySeam_data(); }

    void storedSolutionsAreOneArrangementTurned()
    {
        QFETCH(int, solution);
        const Arrangement &from = Solutions[solution - 1];
        const Arrangement &to = Solutions[solution % 4];
        QVERIFY2(cardset::turnedCounterClockwise(from) == to, qPrintable(describe(to)));
        std::array<int, PositionCount> count{};
        for (const Placement &p : from) {
            QVERIFY(isCard(p.card) && isOrientation(p.orientation));
            ++count[cardset::cardIndex(p.card)];
        }
        QCOMPARE(count, (std::array<int, PositionCount>{1, 1, 1, 1, 1, 1, 1, 1, 1}));
    }

    void startPositionIsNoSolution()
    {
        Arrangement start{};
        for (int p = 1; p <= PositionCount; ++p)
            start[p - 1] = {startCard(p), 1};
        QVERIFY2(cardset::misfits(cardset::gameCards(), start) >= 4, "the start position is too close to a solution");
    }
};

QTEST_GUILESS_MAIN(tst_CardSet)
#include "tst_cardset.moc"
