// The win test's comparison of the board with the stored solutions.
#include "game/solutions.h"

namespace quintrel {

int matchingSolution(const Board &board)
{
    for (std::size_t s = 0; s < Solutions.size(); ++s) {
        bool matches = true;
        for (int p = 1; p <= PositionCount && matches; ++p) {
            const Placement &want = Solutions[s][p - 1];
            matches = board[p].card == want.card && board[p].orientation == want.orientation;
        }
        if (matches)
            return static_cast<int>(s) + 1;
    }
    return 0;
}

} // namespace quintrel
