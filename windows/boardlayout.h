// boardlayout.h: where the tiles and spin handles lie in the board window's client area, in pixels.
#pragma once

#include "game/board.h"

#include <QPoint>

namespace quintrel::BoardLayout {

// Tiles lie 174 px apart; each is a 172 x 172 picture with its 41 x 41 spin handle in the middle.
constexpr int TilePitch = 174;
constexpr int TileSize = 172;
constexpr int SpinHandleSize = 41;
constexpr int SpinHandleOffset = 65;
// The client area the board window asks the sizing rule for.
constexpr int ClientWidth = 521;
constexpr int ClientHeight = 540;

constexpr QPoint tileOrigin(int position)
{
    return {TilePitch * positionColumn(position), TilePitch * positionRow(position)};
}

constexpr QPoint spinHandleOrigin(int position)
{
    return tileOrigin(position) + QPoint(SpinHandleOffset, SpinHandleOffset);
}

} // namespace quintrel::BoardLayout
