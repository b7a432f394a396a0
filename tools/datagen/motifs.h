// The four suit figures of the card set, the circling arrows, and the colours they are drawn in.
#pragma once

#include <QColor>
#include <QPainterPath>

class QPainter;

namespace quintrel::datagen {

// Suits in the order of the edge codes: spade, heart, diamond, club.
QColor suitColour(int suit);

// A suit figure in its own frame: centred on (0, 0), upright with its top at y = -1 and its bottom at y = +1.
// A card edge carries the part above y = 0 (upper half) or below it (lower half).
QPainterPath suitPath(int suit);

// Draws a whole suit figure, shaded along its upright axis so that its two halves continue into each other.
// The painter's frame must be the figure frame above.
void drawSuit(QPainter &p, int suit, double outlineWidth);

// Two arrows circling clockwise round (0, 0) at the given radius.
void drawCirclingArrows(QPainter &p, double radius, double thickness, const QColor &colour);

} // namespace quintrel::datagen
