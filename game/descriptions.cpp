// descriptions.cpp: tiles and spin handles in words.
#include "game/descriptions.h"

#include "game/cardedges.h"

namespace quintrel {

std::string orientationWords(int16_t orientation)
{
    switch (orientation) {
    case 1:
        return "not turned";
    case 2:
        return "turned once";
    case 3:
        return "turned twice";
    case 4:
        return "turned three times";
    default:
        return "turned " + std::to_string(orientation);
    }
}

namespace {

// "Row 2, column 3", with the first word as given.
std::string placeWords(const char *row, int position)
{
    return row + (" " + std::to_string(positionRow(position) + 1)) + ", column "
           + std::to_string(positionColumn(position) + 1);
}

} // namespace

std::string describeTile(const Game &game, int position)
{
    std::string words = placeWords("Row", position) + ": ";
    const std::optional<Placement> shown = game.shown(position);
    if (!shown)
        return words + "empty.";
    words += "card " + std::to_string(shown->card) + ", " + orientationWords(shown->orientation) + ".";
    static const char *const sideNames[] = {"Top", "Right", "Bottom", "Left"};
    for (Side side : Sides)
        words += std::string(" ") + sideNames[static_cast<int>(side)] + ": " + edgeWords(shownEdge(*shown, side)) + ".";
    if (game.isMarked(position))
        words += " Selected.";
    return words;
}

std::string describeSpinHandle(const Game &game, int position)
{
    const std::optional<Placement> shown = game.shown(position);
    if (!shown)
        return "Turn the card at " + placeWords("row", position);
    return "Turn card " + std::to_string(shown->card);
}

} // namespace quintrel
