// The four suit figures of the card set, the circling arrows, and the colours they are drawn in.
#include "motifs.h"

#include <QLinearGradient>
#include <QPainter>
#include <QTransform>

#include <cmath>

namespace quintrel::datagen {

QColor suitColour(int suit)
{
    switch (suit) {
    case 0:
        return QColor(0x23, 0x26, 0x33); // spade: near black
    case 1:
        return QColor(0xc8, 0x1e, 0x2b); // heart: red
    case 2:
        return QColor(0x1f, 0x5f, 0xc4); // diamond: blue
    default:
        return QColor(0x1f, 0x7d, 0x3a); // club: green
    }
}

namespace {

QPainterPath heart()
{
    QPainterPath p;
    p.moveTo(0, 0.96);
    p.cubicTo(-0.30, 0.62, -0.94, 0.22, -0.94, -0.36);
    p.cubicTo(-0.94, -0.78, -0.62, -0.98, -0.44, -0.98);
    p.cubicTo(-0.22, -0.98, -0.06, -0.86, 0, -0.64);
    p.cubicTo(0.06, -0.86, 0.22, -0.98, 0.44, -0.98);
    p.cubicTo(0.62, -0.98, 0.94, -0.78, 0.94, -0.36);
    p.cubicTo(0.94, 0.22, 0.30, 0.62, 0, 0.96);
    p.closeSubpath();
    return p;
}

QPainterPath spade()
{
    QPainterPath p;
    p.moveTo(0, -0.98);
    p.cubicTo(0.28, -0.62, 0.92, -0.28, 0.92, 0.20);
    p.cubicTo(0.92, 0.50, 0.70, 0.66, 0.48, 0.66);
    p.cubicTo(0.30, 0.66, 0.16, 0.58, 0.08, 0.46);
    p.cubicTo(0.10, 0.70, 0.20, 0.86, 0.38, 0.97);
    p.lineTo(-0.38, 0.97);
    p.cubicTo(-0.20, 0.86, -0.10, 0.70, -0.08, 0.46);
    p.cubicTo(-0.16, 0.58, -0.30, 0.66, -0.48, 0.66);
    p.cubicTo(-0.70, 0.66, -0.92, 0.50, -0.92, 0.20);
    p.cubicTo(-0.92, -0.28, -0.28, -0.62, 0, -0.98);
    p.closeSubpath();
    return p;
}

QPainterPath club()
{
    QPainterPath p;
    p.setFillRule(Qt::WindingFill);
    const double r = 0.37;
    p.addEllipse(QPointF(0, -0.58), r, r);
    p.addEllipse(QPointF(-0.50, 0.08), r, r);
    p.addEllipse(QPointF(0.50, 0.08), r, r);
    QPainterPath core;
    core.moveTo(0, -0.45);
    core.lineTo(0.4, 0.1);
    core.lineTo(-0.4, 0.1);
    core.closeSubpath();
    QPainterPath stem;
    stem.moveTo(-0.08, 0.0);
    stem.lineTo(0.08, 0.0);
    stem.cubicTo(0.10, 0.62, 0.20, 0.84, 0.38, 0.97);
    stem.lineTo(-0.38, 0.97);
    stem.cubicTo(-0.20, 0.84, -0.10, 0.62, -0.08, 0.0);
    stem.closeSubpath();
    // Boolean operations flatten curves at the path's own scale, so join the parts at a large scale.
    const QTransform up = QTransform::fromScale(100, 100), down = QTransform::fromScale(0.01, 0.01);
    return down.map(up.map(p).united(up.map(core)).united(up.map(stem)).simplified());
}

// A cut gem: flat table on top, crown, widest at the girdle, long pavilion down to the point.
QPainterPath diamond()
{
    QPainterPath p;
    p.moveTo(-0.42, -0.80);
    p.lineTo(0.42, -0.80);
    p.lineTo(0.92, -0.34);
    p.lineTo(0, 0.97);
    p.lineTo(-0.92, -0.34);
    p.closeSubpath();
    return p;
}

} // namespace

QPainterPath suitPath(int suit)
{
    switch (suit) {
    case 0:
        return spade();
    case 1:
        return heart();
    case 2:
        return diamond();
    default:
        return club();
    }
}

void drawSuit(QPainter &p, int suit, double outlineWidth)
{
    const QColor base = suitColour(suit);
    QLinearGradient shade(0, -1, 0, 1);
    shade.setColorAt(0, base.lighter(150));
    shade.setColorAt(0.45, base);
    shade.setColorAt(1, base.darker(135));
    const QPainterPath path = suitPath(suit);
    p.setPen(QPen(base.darker(200), outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(shade);
    p.drawPath(path);
    if (suit == 2) {
        // The crown is lit and the pavilion lies in shadow, so the two halves of the gem never look alike.
        QPainterPath crown;
        crown.moveTo(-0.42, -0.80);
        crown.lineTo(0.42, -0.80);
        crown.lineTo(0.92, -0.34);
        crown.lineTo(-0.92, -0.34);
        crown.closeSubpath();
        QLinearGradient light(0, -0.8, 0, -0.34);
        light.setColorAt(0, base.lighter(215));
        light.setColorAt(1, base.lighter(160));
        p.setPen(Qt::NoPen);
        p.setBrush(light);
        p.drawPath(crown);
        // Facets of the gem in a lighter line.
        p.setPen(QPen(base.lighter(175), outlineWidth * 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        QPainterPath facets;
        facets.moveTo(-0.92, -0.34);
        facets.lineTo(0.92, -0.34);
        facets.moveTo(-0.42, -0.80);
        facets.lineTo(-0.30, -0.34);
        facets.lineTo(0, 0.97);
        facets.lineTo(0.30, -0.34);
        facets.lineTo(0.42, -0.80);
        facets.moveTo(0, -0.80);
        facets.lineTo(-0.30, -0.34);
        facets.moveTo(0, -0.80);
        facets.lineTo(0.30, -0.34);
        p.drawPath(facets);
    }
    // A soft highlight on the upper left gives the figure some body.
    QPainterPath gloss;
    gloss.addEllipse(QPointF(-38, -52), 20, 12);
    const QTransform up = QTransform::fromScale(100, 100), down = QTransform::fromScale(0.01, 0.01);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawPath(down.map(gloss.intersected(up.map(path))));
}

void drawCirclingArrows(QPainter &p, double radius, double thickness, const QColor &colour)
{
    p.save();
    p.setPen(QPen(colour, thickness, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    const QRectF circle(-radius, -radius, 2 * radius, 2 * radius);
    const double head = thickness * 1.9;
    for (int k = 0; k < 2; ++k) {
        // Each arrow runs clockwise over 130 degrees; Qt's angles run counter-clockwise in 1/16 degree.
        const double startDeg = 160 - 180 * k;
        const double spanDeg = -122;
        p.drawArc(circle, int(startDeg * 16), int(spanDeg * 16));
        const double endRad = (startDeg + spanDeg - 8) * M_PI / 180.0;
        const QPointF tip(radius * std::cos(endRad), -radius * std::sin(endRad));
        // Direction of travel at the tip (clockwise on screen).
        const QPointF along(std::sin(endRad), std::cos(endRad));
        const QPointF across(along.y(), -along.x());
        QPolygonF arrow;
        arrow << tip + along * head * 0.9 << tip - along * head * 0.5 + across * head
              << tip - along * head * 0.5 - across * head;
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawPolygon(arrow);
        p.setPen(QPen(colour, thickness, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
    }
    p.restore();
}

} // namespace quintrel::datagen
