// The four stored solutions: one arrangement of the nine cards seen from its four sides.
#pragma once

#include "game/board.h"

namespace quintrel {

using Arrangement = std::array<Placement, PositionCount>; // index 0 is position 1

// Each solution is the one before with the whole board turned a quarter turn counter-clockwise
// and every orientation lowered by one (1 becoming 4). Card 1010 always lies in the centre.
inline constexpr std::array<Arrangement, 4> Solutions{{
    {{{1050, 3}, {1090, 2}, {1070, 3}, {1080, 4}, {1010, 3}, {1040, 2}, {1030, 3}, {1060, 4}, {1020, 1}}},
    {{{1070, 2}, {1040, 1}, {1020, 4}, {1090, 1}, {1010, 2}, {1060, 3}, {1050, 2}, {1080, 3}, {1030, 2}}},
    {{{1020, 3}, {1060, 2}, {1030, 1}, {1040, 4}, {1010, 1}, {1080, 2}, {1070, 1}, {1090, 4}, {1050, 1}}},
    {{{1030, 4}, {1080, 1}, {1050, 4}, {1060, 1}, {1010, 4}, {1090, 3}, {1020, 2}, {1040, 3}, {1070, 4}}},
}};

// The number (1 to 4) of the first stored solution that card and orientation of every position
// equal, or 0 when none does. The saved fields play no part.
int matchingSolution(const Board &board);

} // namespace quintrel
