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

// Exact box-filter reduction by an integer factor, on premultiplied ARGB pixels.
QImage downsample(const QImage &big, int factor);

// Reduces an opaque picture to at most maxColors colours by median cut and maps every pixel to its nearest
// palette entry. The result is Format_Indexed8; the same input always gives the same palette and indices.
QImage quantize(const QImage &image, int maxColors);

// Maps an opaque picture onto a given palette (nearest colour).
QImage mapToPalette(const QImage &image, const QList<QRgb> &palette);

// Turns an indexed picture a quarter turn clockwise by moving pixels, so the colours stay exactly the same.
QImage turnedClockwise(const QImage &indexed);

// GIF writing through giflib; the colour table is padded to a power of two.
bool writeGif(const QImage &indexed, const QString &path);

// 8-bit Windows bitmap with a 256-entry colour table.
bool writeBmp8(const QImage &indexed, const QString &path);

// Windows icon with one entry per picture. Pictures in Format_Indexed8 with at most 16 colours become 4-bit
// BMP entries; all others become 32-bit BMP entries with an alpha channel and an AND mask.
bool writeIco(const QList<QImage> &pictures, const QString &path);

// PNG through Qt's writer with fixed settings.
bool writePng(const QImage &image, const QString &path);

// Writes bytes only when they differ from what the file holds, creating folders as needed.
bool writeFile(const QString &path, const QByteArray &bytes);

// Loads the DejaVu fonts from their files so that text renders the same everywhere; returns false if missing.
bool loadFonts();
QString fontFamily(const QString &fileName);

} // namespace quintrel::datagen
