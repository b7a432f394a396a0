// Pictures of the nine cards: one face per card, drawn from its four edges in orientation 1.
#pragma once

#include "../cardset/solver.h"

#include <QImage>

class QPainter;

namespace quintrel::datagen {

constexpr int CardSizePx = 172;
constexpr int BoardPitchPx = 174;

// Draws the card face in orientation 1 in a 172 x 172 frame.
void paintCardFace(QPainter &p, const cardset::CardEdges &edges);

// The card face in orientation 1, full colour.
QImage renderCardFace(const cardset::CardEdges &edges);

// The face reduced to its own palette of at most 256 colours, ready for GIF.
QImage cardPicture(const cardset::CardEdges &edges);

// A 520 x 520 picture of the board as the game shows it: tile p at 174 px steps on the window's ground.
QImage renderBoard(const std::array<cardset::CardEdges, cardset::CardCount> &table,
                   const cardset::Arrangement &arrangement);

} // namespace quintrel::datagen
