// game.cpp: the rules of play on the one game value.
#include "game/game.h"

#include "game/solutions.h"

#include <utility>

namespace quintrel {

bool Game::isMarked(int position) const
{
    checkPosition(position);
    return position == m_selection || position == m_swapPartner;
}

TileClick Game::clickTile(int position)
{
    checkPosition(position);
    TileClick click;
    if (m_won || m_stepsLeft)
        return click;
    if (position == m_selection) {
        click.action = TileAction::Deselect;
        m_selection = 0;
    } else if (m_selection == 0) {
        click.action = TileAction::Select;
        m_selection = position;
    } else {
        click.action = TileAction::Swap;
        m_swapPartner = position;
        click.steps = handOut({{Step::Kind::Wait, 0, {}, true}, {Step::Kind::EndSwap, 0, {}, false}});
    }
    return click;
}

Change Game::finishSwap()
{
    Change change;
    if (m_swapPartner == 0)
        return change;
    const int a = m_selection;
    const int b = m_swapPartner;
    std::swap(m_board[a].card, m_board[b].card);
    std::swap(m_board[a].orientation, m_board[b].orientation);
    std::swap(m_shown[positionIndex(a)], m_shown[positionIndex(b)]);
    m_selection = 0;
    m_swapPartner = 0;
    change.sound = Sound::Snip;
    testWin(change);
    return change;
}

Change Game::turn(int position)
{
    checkPosition(position);
    Change change;
    if (m_won || m_stepsLeft)
        return change;
    // A turn also ends a pending swap: the selected tile loses its mark.
    m_selection = 0;
    Cell &cell = m_board[position];
    cell.orientation = nextOrientation(cell.orientation);
    m_shown[positionIndex(position)] = cell.placement();
    change.sound = Sound::Click;
    testWin(change);
    return change;
}

void Game::clearTiles()
{
    m_shown.fill(std::nullopt);
    m_selection = 0;
    m_swapPartner = 0;
    m_won = false;
    m_rebuilding = false;
}

std::vector<Step> Game::handOut(std::vector<Step> steps)
{
    m_stepsLeft = !steps.empty();
    return steps;
}

std::vector<Step> Game::newGame()
{
    clearTiles();
    std::vector<Step> steps;
    for (int p = 1; p <= PositionCount; ++p) {
        m_board[p].card = startCard(p);
        m_board[p].orientation = 1;
        steps.push_back({Step::Kind::ShowCard, p, m_board[p].placement(), p < PositionCount});
    }
    return handOut(std::move(steps));
}

std::vector<Step> Game::rebuild()
{
    clearTiles();
    m_rebuilding = true;
    std::vector<Step> steps;
    for (int p = 1; p <= PositionCount; ++p)
        steps.push_back({Step::Kind::ShowCard, p, m_saved[p].placement(), true});
    steps.push_back({Step::Kind::EndRebuild, 0, {}, false});
    return handOut(std::move(steps));
}

void Game::finishRebuild()
{
    m_board = m_saved;
    m_rebuilding = false;
}

Change Game::play(const Step &step)
{
    // A sequence ends with its one step that has no pause after it.
    if (!step.pauseAfter)
        m_stepsLeft = false;
    switch (step.kind) {
    case Step::Kind::Wait:
        break;
    case Step::Kind::ShowCard:
        m_shown[positionIndex(step.position)] = step.placement;
        return {Sound::Snip};
    case Step::Kind::EndSwap:
        return finishSwap();
    case Step::Kind::EndRebuild:
        finishRebuild();
        break;
    }
    return {};
}

void Game::testWin(Change &change)
{
    if (matchingSolution(m_board) == 0)
        return;
    m_won = true;
    change.won = true;
}

std::string cardPictureName(Placement placement)
{
    return std::to_string(placement.card) + '/' + std::to_string(placement.orientation) + ".gif";
}

} // namespace quintrel
