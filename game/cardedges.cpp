// cardedges.cpp: reading the edge table and turning edges into words.
#include "game/cardedges.h"

#include <stdexcept>

namespace quintrel {

Edge edgeFromLetter(char letter)
{
    switch (letter) {
    case 'S':
        return {Suit::Spade, true};
    case 's':
        return {Suit::Spade, false};
    case 'H':
        return {Suit::Heart, true};
    case 'h':
        return {Suit::Heart, false};
    case 'D':
        return {Suit::Diamond, true};
    case 'd':
        return {Suit::Diamond, false};
    case 'C':
        return {Suit::Club, true};
    case 'c':
        return {Suit::Club, false};
    default:
        throw std::invalid_argument(std::string("no edge has the letter ") + letter);
    }
}

Edge shownEdge(Placement placement, Side side)
{
    if (!isCard(placement.card) || !isOrientation(placement.orientation))
        throw std::out_of_range("no card " + std::to_string(placement.card) + " in orientation "
                                + std::to_string(placement.orientation));
    const std::string_view letters = CardEdgeLetters[static_cast<std::size_t>((placement.card - FirstCard) / 10)];
    // Each quarter turn clockwise brings the edge from the side before it (counter-clockwise) here.
    const int original = (static_cast<int>(side) - (placement.orientation - 1) + 4) % 4;
    return edgeFromLetter(letters[static_cast<std::size_t>(original)]);
}

} // namespace quintrel
