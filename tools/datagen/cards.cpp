// Pictures of the nine cards: one face per card, drawn from its four edges in orientation 1.
#include "cards.h"

#include "imaging.h"
#include "motifs.h"

#include <QPainter>
#include <QRadialGradient>

namespace quintrel::datagen {

namespace {

const QColor Ivory(0xfb, 0xf7, 0xec);
const QColor Gold(0xb0, 0x8a, 0x4e);
const QColor Teal(0x2c, 0x5a, 0x66);

// Half a suit figure is 44 px deep; its full figure, centred on the seam, is 88 px tall.
constexpr double FigureUnitPx = 44.0;

void drawGround(QPainter &p)
{
    const double s = CardSizePx;
    QRadialGradient ground(QPointF(s / 2, s / 2), s * 0.72);
    ground.setColorAt(0, QColor(0xff, 0xfd, 0xf6));
    ground.setColorAt(1, QColor(0xf1, 0xe9, 0xd6));
    p.fillRect(QRectF(0, 0, s, s), ground);

    // A double frame line, identical on every side, so the cards read as cards without telling them apart.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Gold, 1.4));
    p.drawRect(QRectF(5, 5, s - 10, s - 10));
    p.setPen(QPen(Gold, 0.7));
    p.drawRect(QRectF(8.5, 8.5, s - 17, s - 17));
}

// A quarter rosette in each corner: where four cards meet, the quarters form one whole rosette.
void drawCorner(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Teal);
    p.drawEllipse(QPointF(0, 0), 17, 17);
    p.setBrush(Ivory);
    p.drawEllipse(QPointF(0, 0), 12, 12);
    p.setBrush(Gold);
    p.drawEllipse(QPointF(0, 0), 7.5, 7.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Gold, 0.8));
    p.drawEllipse(QPointF(0, 0), 20, 20);
}

// The middle of the card, where the player clicks to turn it: a medallion with clockwise circling arrows.
void drawMedallion(QPainter &p)
{
    const QPointF c(CardSizePx / 2.0, CardSizePx / 2.0);
    QRadialGradient face(c - QPointF(6, 6), 30);
    face.setColorAt(0, QColor(0xff, 0xfb, 0xef));
    face.setColorAt(1, QColor(0xea, 0xdc, 0xbd));
    p.setBrush(face);
    p.setPen(QPen(Gold, 1.6));
    p.drawEllipse(c, 21, 21);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Gold, 0.7));
    p.drawEllipse(c, 17.5, 17.5);
    p.save();
    p.translate(c);
    drawCirclingArrows(p, 11, 2.6, Teal);
    p.restore();
}

// The half figure on the top side; the other sides are drawn by turning the painter round the middle.
void drawTopEdge(QPainter &p, Edge edge)
{
    const double s = CardSizePx;
    p.save();
    p.setClipRect(QRectF(0, 0, s, s / 2));
    p.translate(s / 2, 0);
    p.scale(FigureUnitPx, FigureUnitPx);
    // Upper half: the figure's top points into the card; lower half: its top points out over the seam.
    if (edge.upperHalf)
        p.rotate(180);
    drawSuit(p, static_cast<int>(edge.suit), 1.1 / FigureUnitPx);
    p.restore();
}

} // namespace

void paintCardFace(QPainter &p, const CardFace &edges)
{
    drawGround(p);
    const double s = CardSizePx;
    for (int side = 0; side < 4; ++side) {
        p.save();
        p.translate(s / 2, s / 2);
        p.rotate(90 * side);
        p.translate(-s / 2, -s / 2);
        drawCorner(p);
        drawTopEdge(p, edges[side]);
        p.restore();
    }
    drawMedallion(p);
}

QImage renderCardFace(const CardFace &edges)
{
    return renderSupersampled(CardSizePx, CardSizePx, 4, [&](QPainter &p) { paintCardFace(p, edges); });
}

CardPictures cardPictures(const CardFace &edges)
{
    const TwoScales face = renderTwoScales(CardSizePx, CardSizePx, 4, [&](QPainter &p) { paintCardFace(p, edges); });
    return {quantize(face.at1x, 256), face.at2x.convertToFormat(QImage::Format_RGB32)};
}

QImage renderBoard(const std::array<QImage, PositionCount> &pictures, const Arrangement &arrangement)
{
    QImage board(3 * BoardPitchPx - 2, 3 * BoardPitchPx - 2, QImage::Format_RGB32);
    board.fill(QColor(0xf0, 0xf0, 0xf0));
    QPainter p(&board);
    for (int position = 1; position <= PositionCount; ++position) {
        const Placement placement = arrangement[position - 1];
        QImage picture = pictures[cardset::cardIndex(placement.card)];
        for (int o = 1; o < placement.orientation; ++o)
            picture = turnedClockwise(picture);
        p.drawImage(BoardPitchPx * positionColumn(position), BoardPitchPx * positionRow(position), picture);
    }
    return board;
}

} // namespace quintrel::datagen
