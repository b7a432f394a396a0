// board.h: the nine cells of the board, the cards and orientations, and the numbering of positions.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace quintrel {

// Positions 1 to 9, row by row from the top left.
constexpr int PositionCount = 9;
constexpr int16_t FirstCard = 1010;
constexpr int16_t LastCard = 1090;
constexpr int16_t OrientationCount = 4;

// Throws unless the position is one of the board's, 1 to 9. Any other is a programming error, and
// throwing keeps it from touching memory outside the board.
inline void checkPosition(int position)
{
    if (position < 1 || position > PositionCount)
        throw std::out_of_range("board position " + std::to_string(position) + " is not 1 to 9");
}

// The place of a position in an array of the nine, 0 to 8.
inline std::size_t positionIndex(int position)
{
    checkPosition(position);
    return static_cast<std::size_t>(position - 1);
}

// Row and column of a position, counted from 0 from the top left.
constexpr int positionRow(int position) { return (position - 1) / 3; }
constexpr int positionColumn(int position) { return (position - 1) % 3; }
// The position at a row and a column, each counted from 0.
constexpr int positionAt(int row, int column) { return row * 3 + column + 1; }

// The card that lies on a position at the start of every game, in orientation 1.
constexpr int16_t startCard(int position) { return static_cast<int16_t>(1000 + 10 * position); }

// Orientation after a quarter turn clockwise: 1 -> 2 -> 3 -> 4 -> 1.
constexpr int16_t nextOrientation(int16_t orientation)
{
    const int next = orientation + 1;
    return static_cast<int16_t>(next > OrientationCount ? 1 : next);
}

// One of the nine cards (1010, 1020, ... 1090) and one of the four orientations.
constexpr bool isCard(int card) { return card >= FirstCard && card <= LastCard && card % 10 == 0; }
constexpr bool isOrientation(int orientation) { return orientation >= 1 && orientation <= OrientationCount; }

// A card as it lies: which card, and how it is turned.
struct Placement {
    int16_t card = 0;
    int16_t orientation = 0;

    friend bool operator==(const Placement &, const Placement &) = default;
};

// A position of the board: the card lying there, and how it is turned.
struct Cell {
    int16_t card = 0;
    int16_t orientation = 0;

    Placement placement() const { return {card, orientation}; }

    friend bool operator==(const Cell &, const Cell &) = default;
};

// Nine cells addressed by board position 1 to 9; any other position throws.
class Board {
public:
    Cell &operator[](int position) { return m_cells[positionIndex(position)]; }
    const Cell &operator[](int position) const { return m_cells[positionIndex(position)]; }

    friend bool operator==(const Board &, const Board &) = default;

private:
    std::array<Cell, PositionCount> m_cells{};
};

// The card picture of a placement, relative to the program folder: the card, a separator, the
// orientation and ".gif" ("1070/3.gif").
std::string cardPictureName(Placement placement);

} // namespace quintrel
