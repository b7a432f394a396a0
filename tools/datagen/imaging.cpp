// Drawing helpers shared by the data generators: supersampled rendering, palette reduction, GIF/BMP/ICO output.
#include "imaging.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHash>
#include <QPainter>

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <vector>

namespace quintrel::datagen {

namespace {

QImage renderLarge(int width, int height, int scale, const std::function<void(QPainter &)> &draw)
{
    QImage big(width * scale, height * scale, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    QPainter p(&big);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    p.scale(scale, scale);
    draw(p);
    return big;
}

} // namespace

QImage renderSupersampled(int width, int height, int scale, const std::function<void(QPainter &)> &draw)
{
    return downsample(renderLarge(width, height, scale, draw), scale);
}

TwoScales renderTwoScales(int width, int height, int scale, const std::function<void(QPainter &)> &draw)
{
    const QImage big = renderLarge(width, height, scale, draw);
    return {downsample(big, scale), downsample(big, scale / 2)};
}

QImage downsample(const QImage &source, int factor)
{
    const QImage big = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = big.width() / factor, h = big.height() / factor, n = factor * factor;
    QImage out(w, h, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < h; ++y) {
        auto *dst = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            int a = 0, r = 0, g = 0, b = 0;
            for (int dy = 0; dy < factor; ++dy) {
                const auto *src = reinterpret_cast<const QRgb *>(big.constScanLine(y * factor + dy)) + x * factor;
                for (int dx = 0; dx < factor; ++dx) {
                    a += qAlpha(src[dx]);
                    r += qRed(src[dx]);
                    g += qGreen(src[dx]);
                    b += qBlue(src[dx]);
                }
            }
            dst[x] = qRgba((r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n, (a + n / 2) / n);
        }
    }
    return out;
}

namespace {

struct ColourCount {
    QRgb rgb;
    qint64 count;
};

int channel(QRgb c, int axis) { return axis == 0 ? qRed(c) : axis == 1 ? qGreen(c) : qBlue(c); }

struct Box {
    std::vector<ColourCount> colours;
    qint64 population = 0;
    int longestAxis = 0;
    int range = 0;

    void measure()
    {
        population = 0;
        int lo[3] = {255, 255, 255}, hi[3] = {0, 0, 0};
        for (const auto &c : colours) {
            population += c.count;
            for (int a = 0; a < 3; ++a) {
                lo[a] = std::min(lo[a], channel(c.rgb, a));
                hi[a] = std::max(hi[a], channel(c.rgb, a));
            }
        }
        range = -1;
        for (int a = 0; a < 3; ++a)
            if (hi[a] - lo[a] > range) {
                range = hi[a] - lo[a];
                longestAxis = a;
            }
    }
    double priority() const { return colours.size() < 2 ? -1.0 : double(range) * range * double(population); }
};

int distance(QRgb a, QRgb b)
{
    const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

int nearest(QRgb c, const QList<QRgb> &palette)
{
    int best = 0, bestDistance = INT_MAX;
    for (int i = 0; i < palette.size(); ++i) {
        const int d = distance(c, palette[i]);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

QRgb opaque(QRgb premultiplied)
{
    // Pictures are composed on an opaque ground; a stray partial alpha is dropped, not un-premultiplied.
    return qRgb(qRed(premultiplied), qGreen(premultiplied), qBlue(premultiplied));
}

} // namespace

QImage quantize(const QImage &source, int maxColors)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    std::map<QRgb, qint64> histogram;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            ++histogram[opaque(line[x])];
    }
    QList<QRgb> palette;
    if (int(histogram.size()) <= maxColors) {
        for (const auto &entry : histogram)
            palette.append(entry.first);
    } else {
        std::vector<Box> boxes(1);
        for (const auto &entry : histogram)
            boxes[0].colours.push_back({entry.first, entry.second});
        boxes[0].measure();
        while (int(boxes.size()) < maxColors) {
            auto it = std::max_element(boxes.begin(), boxes.end(),
                                       [](const Box &a, const Box &b) { return a.priority() < b.priority(); });
            if (it->priority() < 0)
                break;
            const int axis = it->longestAxis;
            std::sort(it->colours.begin(), it->colours.end(), [axis](const ColourCount &a, const ColourCount &b) {
                const int ca = channel(a.rgb, axis), cb = channel(b.rgb, axis);
                return ca != cb ? ca < cb : a.rgb < b.rgb;
            });
            qint64 half = it->population / 2, running = 0;
            size_t cut = 1;
            for (size_t i = 0; i + 1 < it->colours.size(); ++i) {
                running += it->colours[i].count;
                cut = i + 1;
                if (running >= half)
                    break;
            }
            Box upper;
            upper.colours.assign(it->colours.begin() + cut, it->colours.end());
            it->colours.resize(cut);
            it->measure();
            upper.measure();
            boxes.push_back(std::move(upper));
        }
        for (const Box &box : boxes) {
            qint64 r = 0, g = 0, b = 0;
            for (const auto &c : box.colours) {
                r += qRed(c.rgb) * c.count;
                g += qGreen(c.rgb) * c.count;
                b += qBlue(c.rgb) * c.count;
            }
            const qint64 n = box.population;
            palette.append(qRgb(int((r + n / 2) / n), int((g + n / 2) / n), int((b + n / 2) / n)));
        }
        // A few rounds of k-means on the histogram pull the entries towards the colours that matter most.
        for (int round = 0; round < 4; ++round) {
            std::vector<qint64> sr(palette.size()), sg(palette.size()), sb(palette.size()), sn(palette.size());
            for (const auto &entry : histogram) {
                const int i = nearest(entry.first, palette);
                sr[i] += qRed(entry.first) * entry.second;
                sg[i] += qGreen(entry.first) * entry.second;
                sb[i] += qBlue(entry.first) * entry.second;
                sn[i] += entry.second;
            }
            for (int i = 0; i < palette.size(); ++i)
                if (sn[i] > 0)
                    palette[i] = qRgb(int((sr[i] + sn[i] / 2) / sn[i]), int((sg[i] + sn[i] / 2) / sn[i]),
                                      int((sb[i] + sn[i] / 2) / sn[i]));
        }
        std::sort(palette.begin(), palette.end());
        palette.erase(std::unique(palette.begin(), palette.end()), palette.end());
    }
    return mapToPalette(image, palette);
}

QImage mapToPalette(const QImage &source, const QList<QRgb> &palette)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage out(image.size(), QImage::Format_Indexed8);
    out.setColorTable(palette);
    QHash<QRgb, int> cache;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        uchar *dst = out.scanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = opaque(line[x]);
            auto it = cache.find(c);
            if (it == cache.end())
                it = cache.insert(c, nearest(c, palette));
            dst[x] = uchar(*it);
        }
    }
    return out;
}

QImage turnedClockwise(const QImage &picture)
{
    const int w = picture.width(), h = picture.height(), bytes = picture.depth() / 8;
    Q_ASSERT(bytes == 1 || bytes == 4);
    QImage out(h, w, picture.format());
    out.setColorTable(picture.colorTable());
    // The pixel at (x, y) moves to (h - 1 - y, x).
    for (int y = 0; y < h; ++y) {
        const uchar *src = picture.constScanLine(y);
        for (int x = 0; x < w; ++x)
            std::memcpy(out.scanLine(x) + (h - 1 - y) * bytes, src + x * bytes, bytes);
    }
    return out;
}

namespace {

int gifWrite(GifFileType *gif, const GifByteType *data, int length)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(data), length);
    return length;
}

} // namespace

bool writeGif(const QImage &indexed, const QString &path)
{
    if (indexed.format() != QImage::Format_Indexed8 || indexed.colorCount() > 256)
        return false;
    int bits = 1;
    while ((1 << bits) < indexed.colorCount())
        ++bits;
    QByteArray bytes;
    int error = 0;
    GifFileType *gif = EGifOpen(&bytes, gifWrite, &error);
    if (!gif)
        return false;
    ColorMapObject *map = GifMakeMapObject(1 << bits, nullptr);
    for (int i = 0; i < map->ColorCount; ++i) {
        const QRgb c = i < indexed.colorCount() ? indexed.color(i) : qRgb(0, 0, 0);
        map->Colors[i] = {GifByteType(qRed(c)), GifByteType(qGreen(c)), GifByteType(qBlue(c))};
    }
    bool ok = EGifPutScreenDesc(gif, indexed.width(), indexed.height(), bits, 0, map) == GIF_OK
              && EGifPutImageDesc(gif, 0, 0, indexed.width(), indexed.height(), false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < indexed.height(); ++y)
        ok = EGifPutLine(gif, const_cast<GifPixelType *>(indexed.constScanLine(y)), indexed.width()) == GIF_OK;
    GifFreeMapObject(map);
    ok = EGifCloseFile(gif, &error) == GIF_OK && ok;
    return ok && writeFile(path, bytes);
}

namespace {

void put16(QByteArray &b, int v)
{
    b.append(char(v & 0xff));
    b.append(char((v >> 8) & 0xff));
}

void put32(QByteArray &b, qint64 v)
{
    for (int i = 0; i < 4; ++i)
        b.append(char((v >> (8 * i)) & 0xff));
}

void putInfoHeader(QByteArray &b, int width, int height, int bits, int imageBytes, int colours)
{
    put32(b, 40);
    put32(b, width);
    put32(b, height);
    put16(b, 1);
    put16(b, bits);
    put32(b, 0); // uncompressed
    put32(b, imageBytes);
    put32(b, 2835); // 72 dpi
    put32(b, 2835);
    put32(b, colours);
    put32(b, 0);
}

void putColourTable(QByteArray &b, const QImage &indexed, int entries)
{
    for (int i = 0; i < entries; ++i) {
        const QRgb c = i < indexed.colorCount() ? indexed.color(i) : qRgb(0, 0, 0);
        b.append(char(qBlue(c)));
        b.append(char(qGreen(c)));
        b.append(char(qRed(c)));
        b.append(char(0));
    }
}

int strideOf(int width, int bits) { return ((width * bits + 31) / 32) * 4; }

} // namespace

bool writeBmp8(const QImage &indexed, const QString &path)
{
    if (indexed.format() != QImage::Format_Indexed8)
        return false;
    const int w = indexed.width(), h = indexed.height(), stride = strideOf(w, 8);
    QByteArray pixels;
    for (int y = h - 1; y >= 0; --y) {
        pixels.append(reinterpret_cast<const char *>(indexed.constScanLine(y)), w);
        pixels.append(QByteArray(stride - w, '\0'));
    }
    QByteArray b;
    b.append("BM");
    put32(b, 14 + 40 + 1024 + pixels.size());
    put32(b, 0);
    put32(b, 14 + 40 + 1024);
    putInfoHeader(b, w, h, 8, pixels.size(), 256);
    putColourTable(b, indexed, 256);
    b.append(pixels);
    return writeFile(path, b);
}

bool writeIco(const QList<QImage> &pictures, const QString &path)
{
    QList<QByteArray> entries;
    QList<int> bitCounts;
    for (const QImage &picture : pictures) {
        const int w = picture.width(), h = picture.height();
        const bool fourBit = picture.format() == QImage::Format_Indexed8 && picture.colorCount() <= 16;
        QByteArray xorBits, andBits;
        const int maskStride = strideOf(w, 1);
        for (int y = h - 1; y >= 0; --y) {
            QByteArray mask(maskStride, '\0');
            if (fourBit) {
                QByteArray row(strideOf(w, 4), '\0');
                for (int x = 0; x < w; ++x) {
                    const int index = picture.pixelIndex(x, y);
                    const bool transparent = qAlpha(picture.color(index)) == 0;
                    if (transparent)
                        mask[x / 8] = char(mask[x / 8] | (0x80 >> (x % 8)));
                    const int stored = transparent ? 0 : index;
                    row[x / 2] = char(row[x / 2] | (x % 2 ? stored : stored << 4));
                }
                xorBits.append(row);
            } else {
                const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
                const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
                for (int x = 0; x < w; ++x) {
                    const QRgb c = qAlpha(line[x]) == 0 ? 0 : line[x];
                    xorBits.append(char(qBlue(c)));
                    xorBits.append(char(qGreen(c)));
                    xorBits.append(char(qRed(c)));
                    xorBits.append(char(qAlpha(c)));
                    if (qAlpha(c) == 0)
                        mask[x / 8] = char(mask[x / 8] | (0x80 >> (x % 8)));
                }
            }
            andBits.append(mask);
        }
        QByteArray entry;
        const int bits = fourBit ? 4 : 32;
        putInfoHeader(entry, w, 2 * h, bits, xorBits.size() + andBits.size(), fourBit ? 16 : 0);
        if (fourBit)
            putColourTable(entry, picture, 16);
        entry.append(xorBits);
        entry.append(andBits);
        entries.append(entry);
        bitCounts.append(bits);
    }
    QByteArray b;
    put16(b, 0);
    put16(b, 1);
    put16(b, int(pictures.size()));
    qint64 offset = 6 + 16 * pictures.size();
    for (int i = 0; i < pictures.size(); ++i) {
        b.append(char(pictures[i].width() >= 256 ? 0 : pictures[i].width()));
        b.append(char(pictures[i].height() >= 256 ? 0 : pictures[i].height()));
        b.append(char(bitCounts[i] == 4 ? 16 : 0));
        b.append(char(0));
        put16(b, 1);
        put16(b, bitCounts[i]);
        put32(b, entries[i].size());
        put32(b, offset);
        offset += entries[i].size();
    }
    for (const QByteArray &entry : entries)
        b.append(entry);
    return writeFile(path, b);
}

bool writePng(const QImage &image, const QString &path, int zlibLevel)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // Qt's writer takes a quality from 0 to 100 and passes (100 - quality) * 9 / 91 to zlib.
    const int quality = 100 - (91 * zlibLevel + 8) / 9;
    return image.save(&buffer, "PNG", quality) && writeFile(path, bytes);
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes)
        return true;
    existing.close();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile out(path);
    return out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(bytes) == bytes.size();
}

namespace {
QHash<QString, QString> &families()
{
    static QHash<QString, QString> map;
    return map;
}
} // namespace

bool loadFonts()
{
    const QString dir = QStringLiteral("/usr/share/fonts/truetype/dejavu/");
    for (const char *name : {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSansCondensed-Bold.ttf", "DejaVuSerif.ttf",
                             "DejaVuSerif-Bold.ttf", "DejaVuSerif-BoldItalic.ttf", "DejaVuSerifCondensed-Bold.ttf"}) {
        const int id = QFontDatabase::addApplicationFont(dir + QLatin1String(name));
        if (id < 0)
            return false;
        families().insert(QLatin1String(name), QFontDatabase::applicationFontFamilies(id).value(0));
    }
    return true;
}

QString fontFamily(const QString &fileName) { return families().value(fileName); }

} // namespace quintrel::datagen
