// Edge table of the nine cards and an exhaustive solver that counts how many seams each arrangement fits.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace quintrel::cardset {

constexpr int CardCount = 9;
constexpr int SeamCount = 12;

// An edge carries half of a suit figure: code = 2 * suit + half, half 0 = upper half, 1 = lower half.
// Two touching edges fit when they carry the two halves of the same suit.
enum Suit { Spade = 0, Heart = 1, Diamond = 2, Club = 3 };
inline bool fits(int a, int b) { return (a ^ 1) == b; }
inline int suitOf(int code) { return code >> 1; }
inline bool isUpperHalf(int code) { return (code & 1) == 0; }

// Sides in a card's own frame: 0 top, 1 right, 2 bottom, 3 left.
using CardEdges = std::array<int, 4>;

struct Placement {
    int card = 0;        // 0..8 (card identifier 1010 + 10 * card)
    int orientation = 1; // 1..4
};
using Arrangement = std::array<Placement, CardCount>; // by board position 0..8, row by row

// Orientation n + 1 is orientation n turned a quarter turn clockwise, so the edge that shows on side s in
// orientation o is the orientation-1 edge that started (o - 1) quarter turns counter-clockwise from s.
inline int shownEdge(const CardEdges &edges, int orientation, int side)
{
    return edges[(side - (orientation - 1) + 8) & 3];
}

// Letters of the edge table: S H D C = upper half of spade, heart, diamond, club; lower case = lower half.
inline int edgeFromLetter(char c)
{
    static const std::string upper = "SHDC", lower = "shdc";
    if (auto i = upper.find(c); i != std::string::npos)
        return int(i) * 2;
    if (auto i = lower.find(c); i != std::string::npos)
        return int(i) * 2 + 1;
    return -1;
}
inline char letterFromEdge(int code) { return (isUpperHalf(code) ? "SHDC" : "shdc")[suitOf(code)]; }

struct SolveResult {
    std::vector<Arrangement> solutions;       // every arrangement that fits on all 12 seams
    std::array<std::uint64_t, 3> byMisfits{}; // arrangements that fit on 12, 11 and 10 seams
};

// Exhaustive depth-first search over all 9! * 4^9 arrangements, pruned once more than maxMisfits seams fail.
class Solver {
public:
    explicit Solver(const std::array<CardEdges, CardCount> &table)
        : m_table(table)
    {
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
    void place(int pos, int misfits)
    {
        if (pos == CardCount) {
            ++m_result.byMisfits[misfits];
            if (misfits == 0)
                m_result.solutions.push_back(m_board);
            return;
        }
        const int row = pos / 3, col = pos % 3;
        for (int card = 0; card < CardCount; ++card) {
            if (m_used[card])
                continue;
            m_used[card] = true;
            for (int o = 1; o <= 4; ++o) {
                int m = misfits;
                if (col > 0) {
                    const Placement &left = m_board[pos - 1];
                    m += !fits(shownEdge(m_table[left.card], left.orientation, 1), shownEdge(m_table[card], o, 3));
                }
                if (row > 0) {
                    const Placement &up = m_board[pos - 3];
                    m += !fits(shownEdge(m_table[up.card], up.orientation, 2), shownEdge(m_table[card], o, 0));
                }
                if (m > m_maxMisfits)
                    continue;
                m_board[pos] = {card, o};
                place(pos + 1, m);
            }
            m_used[card] = false;
        }
    }

    std::array<CardEdges, CardCount> m_table;
    std::array<bool, CardCount> m_used{};
    Arrangement m_board{};
    SolveResult m_result;
    int m_maxMisfits = 2;
};

// The arrangement seen after turning the whole board a quarter turn counter-clockwise: the card on the top
// right moves to the top left, and every card's orientation drops by one (1 becomes 4).
inline Arrangement turnedCounterClockwise(const Arrangement &a)
{
    Arrangement out{};
    for (int pos = 0; pos < CardCount; ++pos) {
        const int row = pos / 3, col = pos % 3;
        const int target = (2 - col) * 3 + row;
        out[target] = {a[pos].card, a[pos].orientation == 1 ? 4 : a[pos].orientation - 1};
    }
    return out;
}

} // namespace quintrel::cardset
