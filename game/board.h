// The board model: nine cells, the game-state flags, and the numbering of positions.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace quintrel {

constexpr int PositionCount = 9;
constexpr int16_t FirstCard = 1010;
constexpr int16_t LastCard = 1090;

// Flags of the game hold -1 for true and 0 for false.
constexpr int16_t True16 = -1;
constexpr int16_t False16 = 0;

struct Cell {
    int16_t card = 0;
    int16_t savedCard = 0;
    int16_t orientation = 0;
    int16_t savedOrientation = 0;

    friend bool operator==(const Cell &, const Cell &) = default;
};

// Nine cells addressed by board position 1 to 9. Any other position is a programming error and
// throws rather than touching memory outside the board.
class BoardCells {
public:
    Cell &operator[](int position) { return m_cells.at(index(position)); }
    const Cell &operator[](int position) const { return m_cells.at(index(position)); }

    void clear() { m_cells.fill(Cell{}); }

private:
    static std::size_t index(int position)
    {
        if (position < 1 || position > PositionCount)
            throw std::out_of_range("board position " + std::to_string(position) + " is not 1 to 9");
        return static_cast<std::size_t>(position - 1);
    }

    std::array<Cell, PositionCount> m_cells{};
};

// The game state shared by the board window, the rules and the saved-game commands. It starts
// zero-filled and lives as long as the program.
extern BoardCells Board;
extern int16_t firstActivation;
extern int16_t tileSelected; // 1 while a tile is selected (not -1), else 0
extern int16_t selectedTile; // 0 or the selected position
extern int16_t gameWon;
extern int16_t helpMode; // 0 shows the rules, 1 the about text

// Puts every piece of game state back to its program-start value (zero); tests start from here.
void ResetGameState();

// Row and column of a position, counted from 0 from the top left.
constexpr int PositionRow(int position) { return (position - 1) / 3; }
constexpr int PositionColumn(int position) { return (position - 1) % 3; }

// Tiles lie 174 px apart; each is a 172 x 172 picture with its 41 x 41 spin handle in the middle.
constexpr int TilePitch = 174;
constexpr int TileSize = 172;
constexpr int SpinHandleSize = 41;
constexpr int SpinHandleOffset = 65;
constexpr int TileSizeWithBorder = TileSize + 2;

// The card that lies on a position at the start of every game, in orientation 1.
constexpr int16_t StartCard(int position) { return static_cast<int16_t>(1000 + 10 * position); }

// Orientation after a quarter turn clockwise: 1 -> 2 -> 3 -> 4 -> 1.
constexpr int16_t NextOrientation(int16_t orientation)
{
    const int next = orientation + 1;
    return static_cast<int16_t>(next > 4 ? 1 : next);
}

// The card picture of (card, orientation) below a program folder: folder, separator, card,
// separator, orientation, ".gif". Numbers are written as bare digits, without sign. A folder that
// already ends in a separator (the root) gets no second one.
std::string CardPicturePath(const std::string &programFolder, int16_t card, int16_t orientation);

// Sets card and orientation of every position to the start position; the saved fields stay.
void SetStartPosition(BoardCells &board);

// Exchanges card and orientation of two positions; the saved fields stay where they are.
void SwapCells(BoardCells &board, int a, int b);

} // namespace quintrel
