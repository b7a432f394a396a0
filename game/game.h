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

// One step of a deal, a swap or a rebuild, carried out by Game::play(). The window shows what the
// step changed and sounds it, then pauses when pauseAfter is set.
struct Step {
    enum class Kind {
        Wait,       // nothing changes: the pause alone
        ShowCard,   // the tile at `position` shows `placement`, with the snip
        EndSwap,    // the two marked cards change places, with the snip; the win test follows
        EndRebuild, // the saved fields become the board's cards
    };
    Kind kind = Kind::Wait;
    int position = 0;
    Placement placement;
    bool pauseAfter = false;

    friend bool operator==(const Step &, const Step &) = default;
};

// What a click on a tile does.
enum class TileAction { Nothing, Select, Deselect, Swap };

struct TileClick {
    TileAction action = TileAction::Nothing;
    // What a swap goes on with: the pause that shows both marks, then the exchange.
    std::vector<Step> steps;
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
    // A deal, a swap or a rebuild has handed out steps that have not all been played: from
    // newGame(), rebuild() or a swapping click until its last step, the one without a pause after
    // it. Meanwhile clicks and turns do nothing, so a move never acts on an unfinished one.
    bool hasStepsLeft() const { return m_stepsLeft; }

    // A click on a tile. Select and Deselect are complete. Swap marks the clicked tile too; its
    // steps then pause with both marks shown and change the cards' places.
    TileClick clickTile(int position);

    // Turns the card a quarter turn clockwise. A pending selection ends first.
    Change turn(int position);

    // The arrangement of the last saved game read (cards and orientations), waiting to be laid out
    // by a rebuild and kept after it; all zero until a saved game has been read. A load that lacks
    // a value keeps the one before.
    const Board &savedArrangement() const { return m_saved; }
    void setSavedArrangement(const Board &arrangement) { m_saved = arrangement; }

    // What a save writes: the board, except during a rebuild, where the board still holds the
    // previous game until the last step: then the arrangement being laid out, the game that the
    // rebuild ends with.
    const Board &boardToSave() const { return m_rebuilding ? m_saved : m_board; }

    // The start position (card 1000 + 10 x p in orientation 1 on every position p), no selection,
    // not won, every tile empty. The steps deal the nine pictures, each with a pause after it but
    // the last. The saved arrangement stays as it is.
    std::vector<Step> newGame();

    // Rebuilds the board from the saved arrangement: no selection, not won, every tile empty. The
    // steps lay out the saved cards, each followed by a pause, and last make the saved arrangement
    // the board's: until then the board keeps the previous game.
    std::vector<Step> rebuild();

    // Carries out one step of a deal, a swap or a rebuild.
    Change play(const Step &step);

private:
    std::vector<Step> handOut(std::vector<Step> steps);
    Change finishSwap();
    void finishRebuild();
    void testWin(Change &change);
    void clearTiles();

    Board m_board;
    Board m_saved;
    std::array<std::optional<Placement>, PositionCount> m_shown{};
    int m_selection = 0;
    int m_swapPartner = 0;
    bool m_won = false;
    bool m_stepsLeft = false;
    bool m_rebuilding = false;
};

} // namespace quintrel
