// The windows' own pictures (title, win banner, help title, logo, hand pointer, icons) and the window icon file.
#include "generators.h"

#include "imaging.h"
#include "motifs.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QMap>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <optional>

namespace quintrel::datagen {

namespace {

const QColor DarkFrame(0x26, 0x2e, 0x3a);
const QColor DarkBlue(0x1c, 0x2e, 0x5e);
const QColor DarkRed(0x8e, 0x14, 0x1c);
const QColor Gold(0xe0, 0xb0, 0x38);
const QColor Skin(0xf2, 0xc8, 0x9e);

QFont font(const char *file, double pixelSize, bool bold = false, bool italic = false)
{
    QFont f(fontFamily(QLatin1String(file)));
    // Pictures are painted at 96 dpi, where a point is 4/3 pixel; points allow fractional pixel sizes.
    f.setPointSizeF(pixelSize * 0.75);
    f.setBold(bold);
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(true);
    return f;
}

QPainterPath textPath(const QFont &f, const QString &text, const QPointF &baselineCentre)
{
    QPainterPath path;
    path.addText(0, 0, f, text);
    const QRectF r = path.boundingRect();
    path.translate(baselineCentre.x() - r.center().x(), baselineCentre.y());
    return path;
}

// The font at its pixel size, or smaller, in quarter pixels, until the text takes at most room pixels
// across; nothing when even smallest pixels are too large.
std::optional<QFont> fitted(QFont f, const QString &text, double room, double smallestPixels)
{
    for (double pixels = f.pointSizeF() / 0.75; pixels >= smallestPixels; pixels -= 0.25) {
        f.setPointSizeF(pixels * 0.75);
        QPainterPath path;
        path.addText(0, 0, f, text);
        if (path.boundingRect().width() <= room)
            return f;
    }
    return std::nullopt;
}

// A suit figure of the given height centred on a point, upright.
void drawPip(QPainter &p, int suit, const QPointF &centre, double height, const QColor &colour)
{
    p.save();
    p.translate(centre);
    p.scale(height / 2, height / 2);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(suitPath(suit));
    p.restore();
}

// One half of the court picture: the king's bust, crowned, sword in hand, in a 96 x 72 box.
void drawKingHalf(QPainter &p)
{
    const QColor robe(0x24, 0x44, 0x92), robeInner(0xc0, 0x32, 0x2b), hair(0x6b, 0x4a, 0x2e), beard(0x5a, 0x3b, 0x24);
    const QPen ink(QColor(0x1a, 0x1a, 0x1a), 0.9);

    // Sword, upright on the king's right, its grip in his hand.
    p.setPen(ink);
    p.setBrush(QColor(0xd8, 0xdd, 0xe4));
    p.drawPolygon(QPolygonF{QPointF(14, 6), QPointF(17, 2), QPointF(20, 6), QPointF(20, 52), QPointF(14, 52)});
    p.setBrush(Gold);
    p.drawRect(QRectF(8, 52, 18, 4));
    p.setBrush(QColor(0x7a, 0x4a, 0x22));
    p.drawRect(QRectF(14.5, 56, 5, 10));

    // Robe and shoulders.
    QPainterPath body;
    body.moveTo(0, 74);
    body.lineTo(2, 64);
    body.cubicTo(6, 54, 22, 48, 38, 46);
    body.lineTo(58, 46);
    body.cubicTo(74, 48, 90, 54, 94, 64);
    body.lineTo(96, 74);
    body.closeSubpath();
    p.setBrush(robe);
    p.drawPath(body);
    QPainterPath inner;
    inner.moveTo(35, 74);
    inner.lineTo(42, 50);
    inner.lineTo(54, 50);
    inner.lineTo(61, 74);
    inner.closeSubpath();
    p.setBrush(robeInner);
    p.drawPath(inner);
    p.setPen(QPen(Gold, 2.2));
    p.drawLine(QPointF(35, 74), QPointF(42, 50));
    p.drawLine(QPointF(61, 74), QPointF(54, 50));
    p.setPen(QPen(Gold, 1.6));
    for (double x : {12.0, 24.0, 72.0, 84.0})
        p.drawLine(QPointF(x, 56), QPointF(x - (x < 48 ? 4 : -4), 74));
    drawPip(p, 0, QPointF(48, 63), 11, QColor(0x15, 0x15, 0x15));

    // Ermine collar.
    p.setPen(ink);
    p.setBrush(QColor(0xfb, 0xfb, 0xf6));
    p.drawRoundedRect(QRectF(30, 42, 36, 8), 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x15, 0x15, 0x15));
    for (double x : {35.0, 42.0, 49.0, 56.0, 62.0})
        p.drawEllipse(QPointF(x, 46), 0.9, 1.4);

    // Hand on the grip.
    p.setPen(ink);
    p.setBrush(Skin);
    p.drawEllipse(QPointF(17, 60), 4.2, 3.6);

    // Hair, face, beard.
    p.setBrush(hair);
    p.drawRoundedRect(QRectF(35, 16, 26, 22), 6, 6);
    p.setBrush(Skin);
    p.drawEllipse(QPointF(48, 26), 9.5, 11);
    p.setBrush(beard);
    QPainterPath b;
    b.moveTo(38.5, 28);
    b.cubicTo(40, 40, 45, 44, 48, 45);
    b.cubicTo(51, 44, 56, 40, 57.5, 28);
    b.cubicTo(54, 33, 42, 33, 38.5, 28);
    p.drawPath(b);
    p.setPen(QPen(beard, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(43, 31), QPointF(47, 30));
    p.drawLine(QPointF(49, 30), QPointF(53, 31));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20, 0x20, 0x20));
    p.drawEllipse(QPointF(44.5, 24.5), 1.1, 1.0);
    p.drawEllipse(QPointF(51.5, 24.5), 1.1, 1.0);
    p.setPen(QPen(QColor(0xb0, 0x80, 0x60), 0.8));
    p.drawLine(QPointF(48, 25), QPointF(47, 29));

    // Crown.
    QPainterPath crown;
    crown.moveTo(36, 17);
    crown.lineTo(35, 5);
    crown.lineTo(41, 11);
    crown.lineTo(48, 2);
    crown.lineTo(55, 11);
    crown.lineTo(61, 5);
    crown.lineTo(60, 17);
    crown.closeSubpath();
    p.setPen(ink);
    p.setBrush(Gold);
    p.drawPath(crown);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc0, 0x1e, 0x2b));
    p.drawEllipse(QPointF(48, 13), 1.8, 1.8);
    p.setBrush(QColor(0x20, 0x50, 0xb0));
    p.drawEllipse(QPointF(41, 14), 1.4, 1.4);
    p.drawEllipse(QPointF(55, 14), 1.4, 1.4);
}

// The king of spades, 140 x 196, with its top-left corner at the painter's origin.
void drawKingCard(QPainter &p)
{
    const QRectF card(0, 0, 140, 196);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(card.translated(3, 3), 10, 10);
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(0x50, 0x50, 0x50), 1));
    p.drawRoundedRect(card, 10, 10);

    // Corner indices, the second one turned.
    for (int k = 0; k < 2; ++k) {
        p.save();
        if (k == 1) {
            p.translate(card.center());
            p.rotate(180);
            p.translate(-card.center());
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x15, 0x15, 0x15));
        p.drawPath(textPath(font("DejaVuSerif-Bold.ttf", 19, true), QStringLiteral("K"), QPointF(12, 23)));
        drawPip(p, 0, QPointF(12, 34), 13, QColor(0x15, 0x15, 0x15));
        p.restore();
    }

    // The court picture: one bust, and the same bust turned for the lower half.
    const QRectF frame(22, 22, 96, 152);
    p.save();
    p.setClipRect(frame);
    p.fillRect(frame, QColor(0xfc, 0xf4, 0xdc));
    for (int k = 0; k < 2; ++k) {
        p.save();
        if (k == 1) {
            p.translate(frame.center());
            p.rotate(180);
            p.translate(-frame.center());
        }
        p.translate(frame.left(), frame.top());
        p.setClipRect(QRectF(0, 0, frame.width(), frame.height() / 2), Qt::IntersectClip);
        p.translate(0, 2);
        drawKingHalf(p);
        p.restore();
    }
    p.restore();
    p.setPen(QPen(QColor(0x22, 0x22, 0x22), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(frame);
    p.setPen(QPen(Gold, 1.4));
    p.drawLine(QPointF(frame.left(), frame.center().y()), QPointF(frame.right(), frame.center().y()));
}

// The room for the title picture's line of words below the name: between the king's card and the
// frame, centred under the name.
constexpr double SubtitleRoom = 220;
constexpr double SmallestSubtitlePixels = 11;

// The title picture, 410 x 272, drawn in its own frame so the win banner can draw it small.
void drawTitle(QPainter &p, const QFont &subtitleFont, const QString &subtitle)
{
    const QRectF all(0, 0, 410, 272);
    QLinearGradient ground(0, 0, 0, 272);
    ground.setColorAt(0, QColor(0xcf, 0xd9, 0xe4));
    ground.setColorAt(1, QColor(0xad, 0xbd, 0xcd));
    p.fillRect(all, ground);

    // Faint suit figures scattered in the ground.
    const struct {
        int suit;
        double x, y, size, angle;
    } faint[] = {{1, 190, 40, 30, -15},
                 {2, 380, 60, 26, 12},
                 {3, 215, 230, 28, 10},
                 {1, 380, 228, 24, -8},
                 {0, 305, 28, 20, 20}};
    for (const auto &f : faint) {
        p.save();
        p.translate(f.x, f.y);
        p.rotate(f.angle);
        drawPip(p, f.suit, QPointF(0, 0), f.size, QColor(255, 255, 255, 70));
        p.restore();
    }

    p.save();
    p.translate(16, 24);
    p.rotate(-4);
    drawKingCard(p);
    p.restore();

    // The name in white capitals with a dark edge and shadow, so it stands out on the light ground.
    QFont name = font("DejaVuSans-Bold.ttf", 40, true);
    name.setLetterSpacing(QFont::AbsoluteSpacing, 1.0);
    const QPainterPath letters = textPath(name, QStringLiteral("QUINTREL"), QPointF(283, 122));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1e, 0x2a, 0x44, 150));
    p.drawPath(letters.translated(2.5, 3));
    p.setPen(QPen(QColor(0x22, 0x33, 0x58), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(letters);
    p.setPen(Qt::NoPen);
    p.drawPath(letters);

    p.setPen(QPen(QColor(0x2a, 0x3a, 0x58), 1.2));
    p.drawLine(QPointF(180, 138), QPointF(386, 138));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x22, 0x33, 0x58));
    p.drawPath(textPath(subtitleFont, subtitle, QPointF(283, 160)));

    p.save();
    p.translate(283, 194);
    drawCirclingArrows(p, 13, 3.2, DarkBlue);
    p.restore();

    p.setPen(QPen(DarkFrame, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(all.adjusted(1, 1, -1, -1));
}

QFont subtitleFont() { return font("DejaVuSerif.ttf", 15, false, false); }

// The banner's picture is English; the win window paints its words over it in another language.
void drawBanner(QPainter &p)
{
    const QRectF all(0, 0, 312, 132);
    p.fillRect(all, Qt::white);
    p.save();
    p.translate(12, 24);
    p.scale(120.0 / 410.0, 120.0 / 410.0);
    drawTitle(p, subtitleFont(), QStringLiteral("a picture-card puzzle"));
    p.restore();

    QFont words = font("DejaVuSerif-BoldItalic.ttf", 34, true, true);
    const QPainterPath text = textPath(words, QStringLiteral("Well Done!"), QPointF(0, 0));
    const QRectF r = text.boundingRect();
    const double scale = std::min(1.0, 160.0 / r.width());
    p.save();
    p.translate(222, 62);
    p.scale(scale, scale);
    p.translate(-r.center().x(), -r.center().y());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x8e, 0x14, 0x1c, 50));
    p.drawPath(text.translated(2, 2.5));
    p.setBrush(DarkRed);
    p.drawPath(text);
    p.restore();

    p.setPen(QPen(DarkRed, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(all.adjusted(1.5, 1.5, -1.5, -1.5));
    p.setPen(QPen(DarkRed, 0.8));
    p.drawRect(all.adjusted(5.5, 5.5, -5.5, -5.5));
}

void drawHelpTitle(QPainter &p)
{
    const QRectF all(0, 0, 104, 134);
    QLinearGradient field(0, 0, 0, 134);
    field.setColorAt(0, QColor(0x7d, 0x93, 0xad));
    field.setColorAt(1, QColor(0x5c, 0x73, 0x90));
    p.fillRect(all, field);
    const QFont name = font("DejaVuSans-Bold.ttf", 29, true);
    for (int k = 0; k < 2; ++k) {
        const QPainterPath letters = textPath(name, k == 0 ? QStringLiteral("QUIN") : QStringLiteral("TREL"),
                                              QPointF(52, 40 + 36 * k));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x1c, 0x2e, 0x5e, 120));
        p.drawPath(letters.translated(1.5, 2));
        p.setBrush(Qt::white);
        p.drawPath(letters);
    }
    p.save();
    p.translate(52, 108);
    drawCirclingArrows(p, 11, 3.0, DarkBlue);
    p.restore();
    p.setPen(QPen(QColor(0x3a, 0x4c, 0x66), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(all.adjusted(0.5, 0.5, -0.5, -0.5));
}

// A small fan of three cards, the maker's emblem.
void drawCardFan(QPainter &p, const QPointF &pivot, double cardWidth)
{
    const double h = cardWidth * 1.4;
    const struct {
        double angle;
        int suit;
    } cards[] = {{-30, 1}, {0, 0}, {30, 3}};
    for (const auto &c : cards) {
        p.save();
        p.translate(pivot);
        p.rotate(c.angle);
        const QRectF r(-cardWidth / 2, -h, cardWidth, h);
        p.setPen(QPen(QColor(0x40, 0x40, 0x40), 0.8));
        p.setBrush(Qt::white);
        p.drawRoundedRect(r, cardWidth * 0.12, cardWidth * 0.12);
        drawPip(p, c.suit, QPointF(0, -h * 0.74), cardWidth * 0.5, suitColour(c.suit));
        p.restore();
    }
}

// The room for the logo's line of words, and the smallest letters it may take.
constexpr double LogoLineRoom = 128;
constexpr double SmallestLogoLinePixels = 7;

QFont logoLineFont()
{
    QFont small = font("DejaVuSans.ttf", 8.5);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 0.5);
    return small;
}

void drawLogo(QPainter &p, const QFont &lineFont, const QString &line)
{
    const QRectF all(0, 0, 136, 98);
    QLinearGradient ground(0, 0, 0, 98);
    ground.setColorAt(0, QColor(0x2e, 0x5c, 0x68));
    ground.setColorAt(1, QColor(0x1c, 0x3c, 0x46));
    p.fillRect(all, ground);
    drawCardFan(p, QPointF(68, 54), 26);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(textPath(font("DejaVuSerif-Bold.ttf", 17, true), QStringLiteral("Quintrel"), QPointF(68, 79)));
    p.setBrush(QColor(0xe6, 0xc8, 0x7c));
    p.drawPath(textPath(lineFont, line, QPointF(68, 92)));
}

// One card of the icon, in the icon's 48 x 48 frame: its face turned by angle degrees about centre,
// with a suit figure on it.
struct IconCard {
    QPointF centre;
    double angle;
    QRectF face;
    double cornerRadius;
    QColor edge;
    double edgeWidth;
    int suit;
    QPointF pip;
    double pipHeight;
};

// The window icon: a card with a spade in front of a card with a heart. Below 20 pixels the spade
// card alone, larger and with a heavier edge, so that it still reads as a card.
std::vector<IconCard> iconCards(bool tiny)
{
    if (tiny)
        return {{QPointF(24, 25), 0, QRectF(-15, -21, 30, 42), 5, QColor(0x20, 0x20, 0x20), 3.0, 0, QPointF(0, 0), 30}};
    return {{QPointF(17, 25), -18, QRectF(-13, -18, 26, 36), 4, QColor(0x30, 0x30, 0x30), 1.6, 1, QPointF(-3, -6), 14},
            {QPointF(31, 25), 10, QRectF(-14, -20, 28, 40), 5, QColor(0x20, 0x20, 0x20), 1.8, 0, QPointF(0, 0), 24}};
}

void drawIcon(QPainter &p, double size)
{
    p.scale(size / 48.0, size / 48.0);
    for (const IconCard &card : iconCards(size < 20)) {
        p.save();
        p.translate(card.centre);
        p.rotate(card.angle);
        p.setPen(QPen(card.edge, card.edgeWidth));
        p.setBrush(Qt::white);
        p.drawRoundedRect(card.face, card.cornerRadius, card.cornerRadius);
        drawPip(p, card.suit, card.pip, card.pipHeight, suitColour(card.suit));
        p.restore();
    }
}

// A number as SVG writes it: at most four decimals, no trailing zeros.
QString svgNumber(double value)
{
    QString text = QString::number(value, 'f', 4);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

QString svgPathData(const QPainterPath &path)
{
    QStringList parts;
    auto point = [](const QPointF &at) { return svgNumber(at.x()) + QLatin1Char(' ') + svgNumber(at.y()); };
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            if (i > 0)
                parts << QStringLiteral("Z");
            parts << QLatin1Char('M') + point(e);
        } else if (e.isLineTo()) {
            parts << QLatin1Char('L') + point(e);
        } else if (e.isCurveTo()) {
            parts << QLatin1Char('C') + point(e) + QLatin1Char(' ') + point(path.elementAt(i + 1)) + QLatin1Char(' ')
                         + point(path.elementAt(i + 2));
            i += 2;
        }
    }
    parts << QStringLiteral("Z");
    return parts.join(QLatin1Char(' '));
}

// The icon for any size, from the same cards as the pictures.
QByteArray iconSvg()
{
    QString svg = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"48\" height=\"48\" "
                                 "viewBox=\"0 0 48 48\">\n");
    for (const IconCard &card : iconCards(false)) {
        const QPainterPath pip = suitPath(card.suit);
        svg += QStringLiteral("  <g transform=\"translate(%1 %2) rotate(%3)\">\n")
                   .arg(svgNumber(card.centre.x()), svgNumber(card.centre.y()), svgNumber(card.angle));
        svg += QStringLiteral("    <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" fill=\"#ffffff\" "
                              "stroke=\"%6\" stroke-width=\"%7\"/>\n")
                   .arg(svgNumber(card.face.x()), svgNumber(card.face.y()), svgNumber(card.face.width()),
                        svgNumber(card.face.height()), svgNumber(card.cornerRadius), card.edge.name(),
                        svgNumber(card.edgeWidth));
        svg += QStringLiteral("    <path transform=\"translate(%1 %2) scale(%3)\" fill=\"%4\" fill-rule=\"%5\" "
                              "d=\"%6\"/>\n")
                   .arg(svgNumber(card.pip.x()), svgNumber(card.pip.y()), svgNumber(card.pipHeight / 2),
                        suitColour(card.suit).name(),
                        pip.fillRule() == Qt::WindingFill ? QStringLiteral("nonzero") : QStringLiteral("evenodd"),
                        svgPathData(pip));
        svg += QStringLiteral("  </g>\n");
    }
    svg += QStringLiteral("</svg>\n");
    return svg.toUtf8();
}

// Reduces a picture with a transparent ground to maxOpaque colours plus one fully transparent entry.
QImage quantizeWithTransparency(const QImage &argb, int maxOpaque)
{
    QImage ground = argb.convertToFormat(QImage::Format_ARGB32);
    QImage opaque(ground.size(), QImage::Format_RGB32);
    for (int y = 0; y < ground.height(); ++y)
        for (int x = 0; x < ground.width(); ++x) {
            const QRgb c = ground.pixel(x, y);
            opaque.setPixel(x, y, qAlpha(c) >= 128 ? qRgb(qRed(c), qGreen(c), qBlue(c)) : qRgb(255, 255, 255));
        }
    QImage indexed = quantize(opaque, maxOpaque);
    QList<QRgb> table = indexed.colorTable();
    const int transparent = int(table.size());
    table.append(qRgba(0, 0, 0, 0));
    indexed.setColorTable(table);
    for (int y = 0; y < ground.height(); ++y)
        for (int x = 0; x < ground.width(); ++x)
            if (qAlpha(ground.pixel(x, y)) < 128)
                indexed.setPixel(x, y, uint(transparent));
    return indexed;
}

// The hand pointer, drawn pixel by pixel: white inside, a black line round it, the rest transparent.
QImage handPointer()
{
    QImage inside(32, 32, QImage::Format_Mono);
    inside.fill(0);
    auto fill = [&](int x0, int y0, int x1, int y1) {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                inside.setPixel(x, y, 1);
    };
    fill(11, 10, 13, 22); // index finger; its black tip is the hot spot (12, 9)
    fill(15, 15, 17, 22); // middle finger
    fill(16, 14, 16, 14);
    fill(19, 16, 21, 22); // ring finger
    fill(20, 15, 20, 15);
    fill(23, 18, 24, 23); // little finger
    fill(7, 19, 9, 21);   // thumb
    fill(8, 22, 10, 23);
    fill(9, 22, 24, 26); // palm
    fill(10, 27, 23, 28);
    QImage hand(32, 32, QImage::Format_Indexed8);
    hand.setColorTable({qRgba(0, 0, 0, 0), qRgb(0, 0, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            int index = 0;
            if (inside.pixelIndex(x, y))
                index = 2;
            else
                for (int dy = -1; dy <= 1 && index == 0; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = x + dx, ny = y + dy;
                        if (nx >= 0 && ny >= 0 && nx < 32 && ny < 32 && inside.pixelIndex(nx, ny)) {
                            index = 1;
                            break;
                        }
                    }
            hand.setPixel(x, y, uint(index));
        }
    return hand;
}

// The hand pointer at twice the size, drawn from shapes in the small one's 32 x 32 frame: the same
// fingers, thumb and palm, with rounded tips where the small one steps its pixels, inside an outline one
// pixel of the small one wide. The fingertip at the hot spot (12, 9) is black in both.
QImage handPointer2x()
{
    return renderSupersampled(64, 64, 4, [](QPainter &p) {
        p.scale(2, 2);
        QPainterPath hand;
        hand.setFillRule(Qt::WindingFill);
        hand.addRoundedRect(QRectF(11, 10, 3, 16), 1.5, 1.5); // index finger
        hand.addRoundedRect(QRectF(15, 14, 3, 12), 1.5, 1.5); // middle finger
        hand.addRoundedRect(QRectF(19, 15, 3, 11), 1.5, 1.5); // ring finger
        hand.addRoundedRect(QRectF(23, 18, 2, 8), 1, 1);      // little finger
        hand.addRoundedRect(QRectF(7, 19, 3, 4), 1.5, 1.5);   // thumb
        hand.addRoundedRect(QRectF(8, 21, 4, 3), 1, 1);
        hand.addRoundedRect(QRectF(9, 22, 16, 7), 2, 2); // palm
        hand = hand.simplified();
        // The pen lies half outside the shape: that half is the outline, the fill covers the rest.
        p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::white);
        p.drawPath(hand);
        p.setPen(Qt::NoPen);
        p.drawPath(hand);
    });
}

// A picture without transparency for PNG: three channels rather than four.
QImage opaque(const QImage &picture) { return picture.convertToFormat(QImage::Format_RGB32); }

} // namespace

bool Generator::windowArt()
{
    const TwoScales banner = renderTwoScales(312, 132, 4, drawBanner);
    const TwoScales helpTitle = renderTwoScales(104, 134, 4, drawHelpTitle);
    if (!writeGif(quantize(banner.at1x, 256), out(QStringLiteral("art/banner.gif")))
        || !writeGif(quantize(helpTitle.at1x, 64), out(QStringLiteral("art/helptitle.gif"))))
        return fail(QStringLiteral("cannot write the window pictures"));
    // At twice the size in full colour: 256 colours would band the gradients over twice as many pixels.
    if (!writePng(opaque(banner.at2x), out(QStringLiteral("art/banner@2x.png")), LargePictureZlibLevel)
        || !writePng(opaque(helpTitle.at2x), out(QStringLiteral("art/helptitle@2x.png")), LargePictureZlibLevel))
        return fail(QStringLiteral("cannot write the window pictures at twice the size"));

    // The title picture and the logo carry words: one of each per language.
    const std::vector<PictureWords> *languages = pictureWords();
    if (!languages)
        return false;
    for (const PictureWords &words : *languages) {
        const QString subtitle = words["title.subtitle"], logoLine = words["logo.line"];
        const std::optional<QFont> subtitleFit = fitted(subtitleFont(), subtitle, SubtitleRoom, SmallestSubtitlePixels);
        const std::optional<QFont> logoFit = fitted(logoLineFont(), logoLine, LogoLineRoom, SmallestLogoLinePixels);
        if (!subtitleFit || !logoFit)
            return fail(QStringLiteral("\"%1\" or \"%2\" is too long for its picture").arg(subtitle, logoLine));
        const QFont subtitleFace = *subtitleFit, logoFace = *logoFit;
        const TwoScales title = renderTwoScales(410, 272, 4,
                                                [&](QPainter &p) { drawTitle(p, subtitleFace, subtitle); });
        const TwoScales logo = renderTwoScales(136, 98, 4, [&](QPainter &p) { drawLogo(p, logoFace, logoLine); });
        const QString suffix = words.fileSuffix();
        if (!writeGif(quantize(title.at1x, 256), out(QStringLiteral("art/title%1.gif").arg(suffix)))
            || !writeBmp8(quantize(logo.at1x, 256), out(QStringLiteral("art/logo%1.bmp").arg(suffix)))
            || !writePng(opaque(title.at2x), out(QStringLiteral("art/title%1@2x.png").arg(suffix)),
                         LargePictureZlibLevel)
            || !writePng(opaque(logo.at2x), out(QStringLiteral("art/logo%1@2x.png").arg(suffix)),
                         LargePictureZlibLevel))
            return fail(QStringLiteral("cannot write the title picture and the logo%1").arg(suffix));
        if (subtitleFace != subtitleFont() || logoFace != logoLineFont())
            m_report << QStringLiteral("%1: the words of the title picture at %2 pixels, of the logo at %3 pixels")
                            .arg(words.language)
                            .arg(subtitleFace.pointSizeF() / 0.75)
                            .arg(logoFace.pointSizeF() / 0.75);
    }
    return true;
}

bool Generator::icons()
{
    // One picture per size: the window icon takes three of them, the desktop's icon theme all. The window
    // icon's sizes are drawn at twice the size too, each as its own size looks (a 16-pixel icon at 32 pixels
    // is the single card, sharper), so a screen of twice the density shows the same icon.
    QMap<int, QImage> rendered, doubled;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const auto draw = [size](QPainter &p) { drawIcon(p, size); };
        if (size == 16 || size == 32 || size == 48) {
            const TwoScales both = renderTwoScales(size, size, 8, draw);
            rendered[size] = both.at1x;
            doubled[size] = both.at2x;
        } else {
            rendered[size] = renderSupersampled(size, size, 8, draw);
        }
    }
    const QImage splash = quantizeWithTransparency(rendered[32], 15);
    if (!writeIco({rendered[16], rendered[32], rendered[48]}, out(QStringLiteral("data/SOUND/QUINTREL.ICO")))
        || !writeIco({splash}, out(QStringLiteral("art/splash.ico")))
        || !writePng(handPointer(), out(QStringLiteral("art/hand.png"))))
        return fail(QStringLiteral("cannot write the icons"));
    if (!writeIco({doubled[16], doubled[32], doubled[48]}, out(QStringLiteral("data/SOUND/QUINTREL@2x.ICO")))
        || !writePng(doubled[32], out(QStringLiteral("art/splash@2x.png")), LargePictureZlibLevel)
        || !writePng(handPointer2x(), out(QStringLiteral("art/hand@2x.png")), LargePictureZlibLevel))
        return fail(QStringLiteral("cannot write the icons at twice the size"));
    // The desktop's icons, named after the icon theme's folders.
    for (auto it = rendered.cbegin(); it != rendered.cend(); ++it) {
        if (!writePng(it.value(), out(QStringLiteral("desktop/icons/%1x%1.png").arg(it.key()))))
            return fail(QStringLiteral("cannot write the %1 x %1 desktop icon").arg(it.key()));
    }
    if (!writeFile(out(QStringLiteral("desktop/icons/scalable.svg")), iconSvg()))
        return fail(QStringLiteral("cannot write the scalable desktop icon"));
    return true;
}

} // namespace quintrel::datagen
