// Pictures of the nine cards: one face per card, drawn from its four edges in orientation 1.
#pragma once

#include "../cardset/solver.h"

#include <QImage>

class QPainter;

namespace quintrel::datagen {

constexpr int CardSizePx = 172;
constexpr int BoardPitchPx = 174;

// A card's edges in orientation 1, read top, right, bottom, left.
using CardFace = std::array<Edge, 4>;

// Draws the card face in orientation 1 in a 172 x 172 frame.
void paintCardFace(QPainter &p, const CardFace &edges);

// The card face in orientation 1, full colour.
QImage renderCardFace(const CardFace &edges);

// The face reduced to its own palette of at most 256 colours, ready for GIF, and the same face at twice the
// size in full colour, from one drawing.
struct CardPictures {
    QImage picture;
    QImage picture2x;
};
CardPictures cardPictures(const CardFace &edges);

// A 520 x 520 picture of the board as the game shows it: tile p at 174 px steps on the window's ground.
// pictures holds the nine cards' pictures in orientation 1, by card index.
QImage renderBoard(const std::array<QImage, PositionCount> &pictures, const Arrangement &arrangement);

} // namespace quintrel::datagen
