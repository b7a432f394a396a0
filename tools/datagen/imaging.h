// Drawing helpers shared by the data generators: supersampled rendering, palette reduction, GIF/BMP/ICO output.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include <functional>

class QPainter;

namespace quintrel::datagen {

// Renders a width x height picture by drawing at scale times the size (the painter is already scaled, so
// draw in final pixel units) and averaging each scale x scale block; deterministic integer filtering.
QImage renderSupersampled(int width, int height, int scale, const std::function<void(QPainter &)> &draw);

// A picture at the size the windows lay it out, and the same picture at twice that size for a screen of twice
// the density (its file beside the first, named with "@2x"). Both are reduced from one drawing at scale times
// the size (scale even), so the large one, reduced by half, is the small one to within rounding.
struct TwoScales {
    QImage at1x;
    QImage at2x;
};
TwoScales renderTwoScales(int width, int height, int scale, const std::function<void(QPainter &)> &draw);

// Exact box-filter reduction by an integer factor, on premultiplied ARGB pixels.
QImage downsample(const QImage &big, int factor);

// Reduces an opaque picture to at most maxColors colours by median cut and maps every pixel to its nearest
// palette entry. The result is Format_Indexed8; the same input always gives the same palette and indices.
QImage quantize(const QImage &image, int maxColors);

// Maps an opaque picture onto a given palette (nearest colour).
QImage mapToPalette(const QImage &image, const QList<QRgb> &palette);

// Turns an indexed or a 32-bit picture a quarter turn clockwise by moving pixels, so the colours stay exactly
// the same.
QImage turnedClockwise(const QImage &picture);

// GIF writing through giflib; the colour table is padded to a power of two.
bool writeGif(const QImage &indexed, const QString &path);

// 8-bit Windows bitmap with a 256-entry colour table.
bool writeBmp8(const QImage &indexed, const QString &path);

// Windows icon with one entry per picture. Pictures in Format_Indexed8 with at most 16 colours become 4-bit
// BMP entries; all others become 32-bit BMP entries with an alpha channel and an AND mask.
bool writeIco(const QList<QImage> &pictures, const QString &path);

// PNG through Qt's writer with fixed settings, compressed at the given zlib level (1 to 9).
bool writePng(const QImage &image, const QString &path, int zlibLevel = 9);

// The level of the pictures at twice the size: at 9 their files are 5 % smaller and take six times as long
// to write, and the check of the generated files writes them all at every test pass.
constexpr int LargePictureZlibLevel = 7;

// Writes bytes only when they differ from what the file holds, creating folders as needed.
bool writeFile(const QString &path, const QByteArray &bytes);

// Loads the DejaVu fonts from their files so that text renders the same everywhere; returns false if missing.
bool loadFonts();
QString fontFamily(const QString &fileName);

} // namespace quintrel::datagen
