// tst_cardset.cpp: the game's edge table: exactly the four stored solutions fit on every seam, and they agree.
#include "../tools/cardset/solver.h"
#include "game/cardedges.h"
#include "game/solutions.h"

#include <QTest>

#include <algorithm>

using namespace quintrel;

namespace {

cardset::Arrangement fromStored(const quintrel::Arrangement &stored)
{
    cardset::Arrangement a{};
    for (int pos = 0; pos < cardset::CardCount; ++pos)
        a[pos] = {(stored[pos].card - 1010) / 10, stored[pos].orientation};
    return a;
}

bool same(const cardset::Arrangement &a, const cardset::Arrangement &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), [](const cardset::Placement &x, const cardset::Placement &y) {
        return x.card == y.card && x.orientation == y.orientation;
    });
}

QString describe(const cardset::Arrangement &a)
{
    QStringList cells;
    for (const auto &p : a)
        cells << QStringLiteral("%1/%2").arg(1010 + 10 * p.card).arg(p.orientation);
    return cells.join(QLatin1Char(' '));
}

} // namespace

class tst_CardSet : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        for (int card = 0; card < cardset::CardCount; ++card) {
            for (int side = 0; side < 4; ++side)
                m_table[card][side] = cardset::edgeFromLetter(CardEdgeLetters[card][side]);
        }
    }

    void solverFindsExactlyTheStoredSolutions()
    {
        const cardset::SolveResult result = cardset::Solver(m_table).solve(2);
        qInfo("arrangements fitting 12 seams: %llu, 11 seams: %llu, 10 seams: %llu",
              (unsigned long long)result.byMisfits[0], (unsigned long long)result.byMisfits[1],
              (unsigned long long)result.byMisfits[2]);
        QCOMPARE(result.solutions.size(), size_t(4));
        for (const auto &found : result.solutions) {
            const bool stored = std::any_of(Solutions.begin(), Solutions.end(),
                                            [&](const auto &s) { return same(fromStored(s), found); });
            QVERIFY2(stored, qPrintable(QStringLiteral("unexpected solution: ") + describe(found)));
        }
        // A hard puzzle leaves many arrangements that fail on a single seam.
        QVERIFY2(result.byMisfits[1] >= 200, "too few near misses: the puzzle would be easy");
    }

    void storedSolutionFitsEverySeam_data()
    {
        QTest::addColumn<int>("solution");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        for (int s = 1; s <= 4; ++s)
            for (int pos = 1; pos <= 9; ++pos) {
                if ((pos - 1) % 3 < 2)
                    QTest::addRow("solution %d, seam %d|%d", s, pos, pos + 1) << s << pos << pos + 1;
                if (pos <= 6)
                    QTest::addRow("solution %d, seam %d/%d", s, pos, pos + 3) << s << pos << pos + 3;
            }
    }

    void storedSolutionFitsEverySeam()
    {
        QFETCH(int, solution);
        QFETCH(int, first);
        QFETCH(int, second);
        const cardset::Arrangement a = fromStored(Solutions[solution - 1]);
        const auto &p = a[first - 1];
        const auto &q = a[second - 1];
        const bool sideBySide = second == first + 1;
        const int edgeP = cardset::shownEdge(m_table[p.card], p.orientation, sideBySide ? 1 : 2);
        const int edgeQ = cardset::shownEdge(m_table[q.card], q.orientation, sideBySide ? 3 : 0);
        QVERIFY2(cardset::fits(edgeP, edgeQ), qPrintable(QStringLiteral("%1 meets %2")
                                                             .arg(cardset::letterFromEdge(edgeP))
                                                             .arg(cardset::letterFromEdge(edgeQ))));
    }

    void storedSolutionsAreOneArrangementTurned_data()
    {
        QTest::addColumn<int>("solution");
        for (int s = 1; s <= 4; ++s)
            QTest::addRow("solution %d to %d", s, s % 4 + 1) << s;
    }

    void storedSolutionsAreOneArrangementTurned()
    {
        QFETCH(int, solution);
        const cardset::Arrangement from = fromStored(Solutions[solution - 1]);
        const cardset::Arrangement to = fromStored(Solutions[solution % 4]);
        QVERIFY2(same(cardset::turnedCounterClockwise(from), to), qPrintable(describe(to)));
        std::array<int, cardset::CardCount> count{};
        for (const auto &p : from) {
            QVERIFY(p.card >= 0 && p.card < cardset::CardCount);
            QVERIFY(p.orientation >= 1 && p.orientation <= 4);
            ++count[p.card];
        }
        QCOMPARE(count, (std::array<int, cardset::CardCount>{1, 1, 1, 1, 1, 1, 1, 1, 1}));
    }

    void startPositionIsNoSolution()
    {
        cardset::Arrangement start{};
        for (int pos = 0; pos < cardset::CardCount; ++pos)
            start[pos] = {pos, 1};
        int misfits = 0;
        for (int pos = 0; pos < cardset::CardCount; ++pos) {
            const auto &p = start[pos];
            if (pos % 3 < 2)
                misfits += !cardset::fits(cardset::shownEdge(m_table[p.card], 1, 1),
                                          cardset::shownEdge(m_table[start[pos + 1].card], 1, 3));
            if (pos < 6)
                misfits += !cardset::fits(cardset::shownEdge(m_table[p.card], 1, 2),
                                          cardset::shownEdge(m_table[start[pos + 3].card], 1, 0));
        }
        QVERIFY2(misfits >= 4, "the start position is too close to a solution");
    }

private:
    std::array<cardset::CardEdges, cardset::CardCount> m_table{};
};

QTEST_GUILESS_MAIN(tst_CardSet)
#include "tst_cardset.moc"
