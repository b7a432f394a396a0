// cardedges.h: what the nine cards show on their four edges. The card pictures are drawn from this
// table and the board's words for a screen reader are made from it, so the two always agree.
#pragma once

#include "game/board.h"

#include <array>
#include <string>
#include <string_view>

namespace quintrel {

enum class Suit { Spade, Heart, Diamond, Club };

// An edge shows the upper or the lower half of a suit figure. Two touching edges fit when they show
// the two halves of one suit.
struct Edge {
    Suit suit = Suit::Spade;
    bool upperHalf = true;

    friend bool operator==(const Edge &, const Edge &) = default;
};

constexpr bool fits(Edge a, Edge b) { return a.suit == b.suit && a.upperHalf != b.upperHalf; }

// The sides of a tile, clockwise from the top.
enum class Side { Top, Right, Bottom, Left };
constexpr std::array<Side, 4> Sides = {Side::Top, Side::Right, Side::Bottom, Side::Left};

// Each card's edges in orientation 1, read top, right, bottom, left: S, H, D and C are the upper
// half of a spade, heart, diamond or club, s, h, d and c its lower half. The cards fit on all
// twelve seams in one arrangement only (seen from any of the board's four sides); 964
// arrangements fit on eleven seams and 24,300 on ten.
inline constexpr std::array<std::string_view, PositionCount> CardEdgeLetters = {
    "CHDS", // 1010
    "cHSS", // 1020
    "DShc", // 1030
    "DCss", // 1040
    "Ccss", // 1050
    "Ccsd", // 1060
    "SdCd", // 1070
    "hchH", // 1080
    "DdSs", // 1090
};

// The edge a letter of the table stands for.
Edge edgeFromLetter(char letter);

// The edge a card shows on a side in an orientation. Orientation n + 1 is orientation n turned a
// quarter turn clockwise, so the edge on the top of orientation 2 is the left edge of orientation 1.
// Anything but one of the nine cards in one of the four orientations throws.
Edge shownEdge(Placement placement, Side side);

} // namespace quintrel
