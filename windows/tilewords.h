// tilewords.h: the board in words, for a player who hears it from a screen reader. The core says
// what a tile shows; these put it into the player's language, one whole sentence per fact.
#pragma once

#include "game/cardedges.h"
#include "game/game.h"

#include <QCoreApplication>
#include <QString>

namespace quintrel {

class TileWords {
    Q_DECLARE_TR_FUNCTIONS(TileWords)

public:
    // What a tile shows: where it lies, which card and how it is turned, its four edges clockwise
    // from the top, and whether it is selected. "Row 1, column 2: card 1020, turned once. Top:
    // upper half of a spade. Right: lower half of a club. ... Selected."
    static QString tile(const Game &game, int position);

    // The spin handle of a tile, named for the card it turns: "Turn card 1020".
    static QString spinHandle(const Game &game, int position);

    // "upper half of a heart", "lower half of a club".
    static QString edge(Edge edge);
};

} // namespace quintrel
