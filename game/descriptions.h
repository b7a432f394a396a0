// descriptions.h: the board in words, for a player who hears it from a screen reader. The words
// for the edges come from the edge table the card pictures are drawn from.
#pragma once

#include "game/game.h"

#include <string>

namespace quintrel {

// What a tile shows: where it lies, which card and how it is turned, its four edges clockwise from
// the top, and whether it is selected. "Row 1, column 2: card 1020, turned once. Top: upper half
// of a spade. Right: lower half of a club. ... Selected."
std::string describeTile(const Game &game, int position);

// The spin handle of a tile, named for the card it turns: "Turn card 1020".
std::string describeSpinHandle(const Game &game, int position);

// How a card is turned: "not turned", "turned once", "turned twice", "turned three times".
std::string orientationWords(int16_t orientation);

} // namespace quintrel
