// The board model's state and its small operations.
#include "game/board.h"

#include <cstdlib>
#include <utility>

namespace quintrel {

BoardCells Board;
int16_t firstActivation = 0;
int16_t tileSelected = 0;
int16_t selectedTile = 0;
int16_t gameWon = 0;
int16_t helpMode = 0;

void ResetGameState()
{
    Board.clear();
    firstActivation = 0;
    tileSelected = 0;
    selectedTile = 0;
    gameWon = 0;
    helpMode = 0;
}

static std::string unsignedDigits(int16_t value)
{
    return std::to_string(std::abs(static_cast<int>(value)));
}

std::string CardPicturePath(const std::string &programFolder, int16_t card, int16_t orientation)
{
    std::string path = programFolder;
    if (path.empty() || path.back() != '/')
        path += '/';
    path += unsignedDigits(card);
    path += '/';
    path += unsignedDigits(orientation);
    path += ".gif";
    return path;
}

void SetStartPosition(BoardCells &board)
{
    for (int p = 1; p <= PositionCount; ++p) {
        board[p].card = StartCard(p);
        board[p].orientation = 1;
    }
}

void SwapCells(BoardCells &board, int a, int b)
{
    std::swap(board[a].card, board[b].card);
    std::swap(board[a].orientation, board[b].orientation);
}

} // namespace quintrel
