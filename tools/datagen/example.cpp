// The example picture of the help menu: how seams fit, how a card turns, how two cards swap. Its cards are
// made up for the picture, so it shows nothing of the real solution.
#include "generators.h"

#include "cards.h"
#include "imaging.h"
#include "motifs.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace quintrel::datagen {

namespace {

constexpr int ExampleWidthPx = 330; // fits beside the viewer's scroll bar
constexpr int ExampleHeightPx = 566;

const QColor Paper(0xfb, 0xf8, 0xf0);
const QColor Heading(0x1c, 0x2e, 0x5e);
const QColor Body(0x22, 0x22, 0x22);

// A card made up for the picture, written as the game's edge table writes a card.
CardFace demo(const char *letters)
{
    CardFace e{};
    for (int i = 0; i < 4; ++i)
        e[i] = edgeFromLetter(letters[i]);
    return e;
}

QFont uiFont(double pixels, bool bold)
{
    QFont f(fontFamily(QLatin1String(bold ? "DejaVuSans-Bold.ttf" : "DejaVuSans.ttf")));
    f.setPointSizeF(pixels * 0.75);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// Words in their box on the picture. The words of another language may take more room than the
// English ones: those that would spill out of their box are noted in misfits.
void caption(QPainter &p, const QRectF &box, int flags, const QString &text, QStringList *misfits)
{
    const QRectF needed = p.boundingRect(box, flags, text);
    if (misfits && (needed.width() > box.width() + 0.5 || needed.height() > box.height() + 0.5))
        *misfits << QStringLiteral("\"%1\" needs %2 x %3 pixels, its box has %4 x %5")
                        .arg(text)
                        .arg(needed.width())
                        .arg(needed.height())
                        .arg(box.width())
                        .arg(box.height());
    p.drawText(box, flags, text);
}

void heading(QPainter &p, int y, const QString &text, QStringList *misfits)
{
    p.setFont(uiFont(15, true));
    p.setPen(Heading);
    caption(p, QRectF(12, y, ExampleWidthPx - 24, 22), Qt::AlignLeft | Qt::AlignVCenter, text, misfits);
    p.setPen(QPen(QColor(0xb0, 0x8a, 0x4e), 1));
    p.drawLine(QPointF(12, y + 23.5), QPointF(ExampleWidthPx - 12, y + 23.5));
}

void words(QPainter &p, const QRectF &box, const QString &text, QStringList *misfits, int flags = Qt::AlignLeft)
{
    p.setFont(uiFont(12, false));
    p.setPen(Body);
    caption(p, box, flags | Qt::TextWordWrap, text, misfits);
}

// The cards in the picture are drawn at the picture's own scale (1, or 2 for its large copy), so that they
// are as sharp as its text.
QImage cardFace(const CardFace &edges, int scale)
{
    return scale == 1 ? renderCardFace(edges)
                      : renderTwoScales(CardSizePx, CardSizePx, 4, [&](QPainter &p) { paintCardFace(p, edges); }).at2x;
}

// Draws a picture of the given scale into its place in the picture's frame.
void place(QPainter &p, const QRectF &target, const QImage &picture, const QRectF &source, int scale)
{
    p.drawImage(target, picture, QRectF(source.topLeft() * scale, source.size() * scale));
}

// Two cards, one above the other, cut down to the 100 x 70 pixels on each side of their seam.
void seam(QPainter &p, const QPointF &at, const CardFace &upper, const CardFace &lower, int scale)
{
    const QImage a = cardFace(upper, scale), b = cardFace(lower, scale);
    place(p, QRectF(at, QSizeF(100, 70)), a, QRectF(36, 102, 100, 70), scale);
    place(p, QRectF(at + QPointF(0, 72), QSizeF(100, 70)), b, QRectF(36, 0, 100, 70), scale);
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(at - QPointF(0.5, 0.5), QSizeF(101, 143)));
}

void tick(QPainter &p, const QPointF &c, bool good)
{
    p.save();
    p.translate(c);
    p.setPen(Qt::NoPen);
    p.setBrush(good ? QColor(0x2e, 0x8b, 0x3a) : QColor(0xc0, 0x26, 0x26));
    p.drawEllipse(QPointF(0, 0), 11, 11);
    p.setPen(QPen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (good)
        p.drawPolyline(QPolygonF{QPointF(-5, 0), QPointF(-1.5, 4), QPointF(5.5, -4)});
    else {
        p.drawLine(QPointF(-4.5, -4.5), QPointF(4.5, 4.5));
        p.drawLine(QPointF(-4.5, 4.5), QPointF(4.5, -4.5));
    }
    p.restore();
}

void smallCard(QPainter &p, const QPointF &at, const CardFace &edges, int quarterTurns, int size, int scale)
{
    const int pixels = size * scale;
    const QImage card = renderSupersampled(pixels, pixels, 4, [&](QPainter &p) {
        p.scale(double(pixels) / CardSizePx, double(pixels) / CardSizePx);
        p.translate(CardSizePx / 2.0, CardSizePx / 2.0);
        p.rotate(90 * quarterTurns);
        p.translate(-CardSizePx / 2.0, -CardSizePx / 2.0);
        paintCardFace(p, edges);
    });
    place(p, QRectF(at, QSizeF(size, size)), card, QRectF(0, 0, size, size), scale);
}

void arrowRight(QPainter &p, const QPointF &from, const QPointF &to)
{
    p.setPen(QPen(Heading, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to - QPointF(5, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(Heading);
    p.drawPolygon(QPolygonF{to, to + QPointF(-7, -5), to + QPointF(-7, 5)});
}

// The example in one language; what does not fit its room is noted in misfits.
void paintExample(QPainter &p, int scale, const PictureWords &text, QStringList *misfits)
{
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    p.fillRect(QRectF(0, 0, ExampleWidthPx, ExampleHeightPx), Paper);

    p.setFont(uiFont(20, true));
    p.setPen(Heading);
    caption(p, QRectF(0, 8, ExampleWidthPx, 30), Qt::AlignCenter, text["example.title"], misfits);

    heading(p, 44, text["example.seams"], misfits);
    seam(p, QPointF(38, 78), demo("DCHs"), demo("hSdC"), scale);
    seam(p, QPointF(192, 78), demo("cSHd"), demo("HdCs"), scale);
    tick(p, QPointF(38 + 50, 236), true);
    tick(p, QPointF(192 + 50, 236), false);
    words(p, QRectF(14, 252, 150, 48), text["example.fit"], misfits, Qt::AlignHCenter);
    words(p, QRectF(168, 252, 150, 48), text["example.misfit"], misfits, Qt::AlignHCenter);

    heading(p, 300, text["example.turning"], misfits);
    const CardFace turning = demo("SdHc");
    for (int k = 0; k < 4; ++k) {
        const double x = 14 + k * 80;
        smallCard(p, QPointF(x, 334), turning, k, 64, scale);
        if (k < 3)
            arrowRight(p, QPointF(x + 67, 366), QPointF(x + 78, 366));
    }
    words(p, QRectF(14, 402, ExampleWidthPx - 28, 48), text["example.turn"], misfits);

    heading(p, 446, text["example.swapping"], misfits);
    smallCard(p, QPointF(14, 480), demo("hDsC"), 0, 48, scale);
    smallCard(p, QPointF(98, 480), demo("CsDh"), 1, 48, scale);
    p.setPen(QPen(Heading, 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath swing;
    swing.moveTo(40, 476);
    swing.cubicTo(56, 462, 88, 462, 120, 476);
    p.drawPath(swing);
    p.setPen(Qt::NoPen);
    p.setBrush(Heading);
    p.drawPolygon(QPolygonF{QPointF(38, 479), QPointF(38, 470), QPointF(46, 473)});
    p.drawPolygon(QPolygonF{QPointF(122, 479), QPointF(122, 470), QPointF(114, 473)});
    words(p, QRectF(158, 478, ExampleWidthPx - 170, 56), text["example.swap"], misfits);

    p.setFont(uiFont(12, true));
    p.setPen(Heading);
    caption(p, QRectF(10, 534, ExampleWidthPx - 20, 26), Qt::AlignCenter, text["example.win"], misfits);
}

} // namespace

bool Generator::example()
{
    const std::vector<PictureWords> *languages = pictureWords();
    if (!languages)
        return false;
    for (const PictureWords &text : *languages) {
        QImage picture(ExampleWidthPx, ExampleHeightPx, QImage::Format_ARGB32_Premultiplied);
        QImage picture2x(2 * ExampleWidthPx, 2 * ExampleHeightPx, QImage::Format_RGB32);
        QStringList misfits;
        {
            QPainter p(&picture);
            paintExample(p, 1, text, &misfits);
            QPainter p2x(&picture2x);
            p2x.scale(2, 2);
            paintExample(p2x, 2, text, nullptr);
        }
        if (!misfits.isEmpty())
            return fail(
                QStringLiteral("the example picture%1: %2").arg(text.fileSuffix(), misfits.join(QStringLiteral("; "))));
        const QString name = QStringLiteral("data/SOUND/example") + text.fileSuffix();
        if (!writeGif(quantize(picture, 256), out(name + QStringLiteral(".gif")))
            || !writePng(picture2x, out(name + QStringLiteral("@2x.png")), LargePictureZlibLevel))
            return fail(QStringLiteral("cannot write the example picture %1").arg(name));
    }
    return true;
}

} // namespace quintrel::datagen
