// An exhaustive solver over a set of nine cards: which arrangements fit on all twelve seams, and how many
// fail on one seam or two. It reads the cards through the game's own edges, placements and arrangements.
#pragma once

#include "game/cardedges.h"
#include "game/solutions.h"

#include <array>
#include <cstdint>
#include <vector>

namespace quintrel::cardset {

// A card's index in the tables below: 0 for card 1010, 8 for card 1090.
constexpr int cardIndex(int16_t card) { return (card - FirstCard) / 10; }
constexpr int16_t cardAt(int index) { return static_cast<int16_t>(FirstCard + 10 * index); }

// What each card shows on each side in each orientation: [card index][orientation - 1][side].
using TurnedCards = std::array<std::array<std::array<Edge, 4>, OrientationCount>, PositionCount>;

// The game's nine cards, turned as the game turns them.
inline TurnedCards gameCards()
{
    TurnedCards cards{};
    for (int index = 0; index < PositionCount; ++index)
        for (int16_t o = 1; o <= OrientationCount; ++o)
            for (Side side : Sides)
                cards[index][o - 1][static_cast<int>(side)] = shownEdge({cardAt(index), o}, side);
    return cards;
}

inline Edge edgeOn(const TurnedCards &cards, Placement placement, Side side)
{
    return cards[cardIndex(placement.card)][placement.orientation - 1][static_cast<int>(side)];
}

// The seams of a complete arrangement whose two edges do not fit.
inline int misfits(const TurnedCards &cards, const Arrangement &arrangement)
{
    int count = 0;
    for (int p = 1; p <= PositionCount; ++p) {
        const Placement here = arrangement[p - 1];
        if (positionColumn(p) < 2)
            count += !fits(edgeOn(cards, here, Side::Right), edgeOn(cards, arrangement[p], Side::Left));
        if (positionRow(p) < 2)
            count += !fits(edgeOn(cards, here, Side::Bottom), edgeOn(cards, arrangement[p + 2], Side::Top));
    }
    return count;
}

struct SolveResult {
    std::vector<Arrangement> solutions;       // every arrangement that fits on all twelve seams
    std::array<std::uint64_t, 3> byMisfits{}; // arrangements that fit on 12, 11 and 10 seams
};

// Depth-first over all 9! * 4^9 arrangements, position by position, pruned once more than maxMisfits
// seams fail.
class Solver {
public:
    explicit Solver(const TurnedCards &cards)
    {
        // Which two placements fit side by side and one above the other, asked of the game's rule once
        // rather than at each of the search's hundreds of millions of steps.
        for (int a = 0; a < PlacementCount; ++a)
            for (int b = 0; b < PlacementCount; ++b) {
                m_fitBeside[a][b] = fits(edgeOn(cards, placementAt(a), Side::Right),
                                         edgeOn(cards, placementAt(b), Side::Left));
                m_fitBelow[a][b] = fits(edgeOn(cards, placementAt(a), Side::Bottom),
                                        edgeOn(cards, placementAt(b), Side::Top));
            }
    }

    SolveResult solve(int maxMisfits = 2)
    {
        m_result = {};
        m_maxMisfits = maxMisfits;
        m_used = {};
        place(0, 0);
        return m_result;
    }

private:
    // The 36 placements of the nine cards, numbered 4 * card index + orientation - 1.
    static constexpr int PlacementCount = PositionCount * OrientationCount;
    static Placement placementAt(int n)
    {
        return {cardAt(n / OrientationCount), static_cast<int16_t>(n % OrientationCount + 1)};
    }

    void place(int index, int misfitsSoFar)
    {
        if (index == PositionCount) {
            ++m_result.byMisfits[misfitsSoFar];
            if (misfitsSoFar == 0) {
                Arrangement found{};
                for (int i = 0; i < PositionCount; ++i)
                    found[i] = placementAt(m_board[i]);
                m_result.solutions.push_back(found);
            }
            return;
        }
        const bool hasLeft = index % 3 > 0, hasAbove = index >= 3;
        for (int card = 0; card < PositionCount; ++card) {
            if (m_used[card])
                continue;
            m_used[card] = true;
            for (int n = card * OrientationCount; n < (card + 1) * OrientationCount; ++n) {
                const int m = misfitsSoFar + (hasLeft && !m_fitBeside[m_board[index - 1]][n])
                              + (hasAbove && !m_fitBelow[m_board[index - 3]][n]);
                if (m > m_maxMisfits)
                    continue;
                m_board[index] = n;
                place(index + 1, m);
            }
            m_used[card] = false;
        }
    }

    bool m_fitBeside[PlacementCount][PlacementCount];
    bool m_fitBelow[PlacementCount][PlacementCount];
    std::array<bool, PositionCount> m_used{};
    int m_board[PositionCount] = {}; // placement numbers by board index (position - 1)
    SolveResult m_result;
    int m_maxMisfits = 2;
};

// The arrangement seen after turning the whole board a quarter turn counter-clockwise: the card on the top
// right moves to the top left, and every card's orientation drops by one (1 becomes 4).
inline Arrangement turnedCounterClockwise(const Arrangement &a)
{
    Arrangement out{};
    for (int p = 1; p <= PositionCount; ++p) {
        const Placement from = a[p - 1];
        out[positionAt(2 - positionColumn(p), positionRow(p)) - 1] =
            {from.card, static_cast<int16_t>(from.orientation == 1 ? OrientationCount : from.orientation - 1)};
    }
    return out;
}

} // namespace quintrel::cardset
