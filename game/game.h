// game.h: the whole game as one value (cells, selection, won, what each tile shows) and the rules
// that change it. The windows only route input here and paint, sound and pause as told.
#pragma once

#include "game/board.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace quintrel {

enum class Sound { None, Snip, Click };

// What a move or a step did besides changing what the tiles show (the window compares those with
// the tiles itself): the sound that goes with it, and whether it solved the board (the win window
// follows).
struct Change {
    Sound sound = Sound::None;
    bool won = false;
};

// What a click on a tile does.
enum class TileAction { Nothing, Select, Deselect, Swap };

struct TileClick {
    TileAction action = TileAction::Nothing;
    Change change;
};

// One step of a deal or a rebuild: the tile shows the placement's picture, the snip sound plays,
// and the pause follows when pauseAfter is set.
struct Step {
    int position = 0;
    Placement placement;
    bool pauseAfter = false;

    friend bool operator==(const Step &, const Step &) = default;
};

class Game {
public:
    const Board &board() const { return m_board; }
    const Cell &cell(int position) const { return m_board[position]; }

    // The selected position, or 0. A selection lasts from a selecting click until a deselecting
    // click, a completed swap, a turn, a new game or a rebuild.
    int selection() const { return m_selection; }
    // The tile carries the selection mark: the selected tile, and during a swap's pause its partner.
    bool isMarked(int position) const;
    // The picture that the tile shows; none before its card is dealt or laid out.
    std::optional<Placement> shown(int position) const { return m_shown[positionIndex(position)]; }
    // Solved: tiles and handles do nothing until a new game or a rebuild.
    bool isWon() const { return m_won; }
    // A swap waits for finishSwap(): the two tiles are marked and nothing else may move.
    bool isSwapping() const { return m_swapPartner != 0; }

    // A click on a tile. Select and Deselect are complete. Swap marks the clicked tile too; the
    // cards change places at finishSwap(), after the pause that shows both marks.
    TileClick clickTile(int position);
    Change finishSwap();

    // Turns the card a quarter turn clockwise. A pending selection ends first.
    Change turn(int position);

    // The start position (card 1000 + 10 x p in orientation 1 on every position p), no selection,
    // not won, every tile empty. The steps deal the nine pictures; the last has no pause after it.
    // The saved fields stay as they are.
    std::vector<Step> newGame();

    // Rebuilds the board from the saved fields: no selection, not won, every tile empty; the steps
    // lay out the saved cards, each followed by a pause. The board keeps the previous game until
    // finishRebuild() makes the saved fields the board's cards.
    std::vector<Step> rebuild();
    void finishRebuild();

    // A step of a deal or a rebuild: its tile now shows its card.
    Change show(const Step &step);

    // Takes savedCard and savedOrientation of every position from another board (the saved game
    // just read); nothing else changes.
    void setSavedFields(const Board &from);

private:
    Change endSelection();
    void testWin(Change &change);
    void clearTiles();

    Board m_board;
    std::array<std::optional<Placement>, PositionCount> m_shown{};
    int m_selection = 0;
    int m_swapPartner = 0;
    bool m_won = false;
};

} // namespace quintrel
