// tst_data.cpp: the data files beside the program and the window pictures: present, well-formed,
// and of the right size; and their copies at twice the size.
#include "game/cardedges.h"
#include "platform/filereading.h"
#include "platform/wavimage.h"
#include "testsupport.h"

#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QSet>
#include <QtEndian>

#include <cmath>

using namespace quintrel;
using namespace quintrel::testing;

namespace {

QString dataPath(const QString &relative) { return QStringLiteral(QUINTREL_DATA_DIR "/") + relative; }

QString cardPath(int card, int orientation) { return dataPath(QStringLiteral("%1/%2.gif").arg(card).arg(orientation)); }

quint16 le16(const QByteArray &b, qsizetype at) { return qFromLittleEndian<quint16>(b.constData() + at); }
quint32 le32(const QByteArray &b, qsizetype at) { return qFromLittleEndian<quint32>(b.constData() + at); }

// Size of a GIF file's global colour table, from its header.
int gifPaletteSize(const QByteArray &gif)
{
    if (gif.size() < 13 || !gif.startsWith("GIF8") || !(uchar(gif[10]) & 0x80))
        return -1;
    return 2 << (uchar(gif[10]) & 7);
}

int distinctColours(const QImage &image)
{
    QSet<QRgb> colours;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            colours.insert(argb.pixel(x, y));
    return int(colours.size());
}

// The suit whose colour fills a pixel: 0 spade (dark), 1 heart (red), 2 diamond (blue), 3 club (green).
int suitOfColour(QRgb c)
{
    const int r = qRed(c), g = qGreen(c), b = qBlue(c);
    if (std::max({r, g, b}) < 90)
        return 0;
    if (r > g + 60 && r > b + 60)
        return 1;
    if (b > r + 60 && b > g)
        return 2;
    if (g > r + 40 && g > b)
        return 3;
    return -1;
}

// How a picture file is read: a data file as the game reads it, within the cap of its kind; the
// windows' own pictures from the program's resources.
enum class PictureKind { Card, Icon, Example, Resource };

// Every picture the file holds (an icon holds several sizes), smallest first; none when it cannot be read.
QList<QImage> picturesOf(const QString &path, PictureKind kind)
{
    QList<QImage> pictures;
    if (kind == PictureKind::Icon) {
        const QIcon icon = readIcon(bytesOf(path));
        for (const QSize &size : icon.availableSizes())
            pictures << icon.pixmap(size).toImage();
    } else if (kind == PictureKind::Resource) {
        QImageReader reader(path);
        for (int i = 0; i < std::max(1, reader.imageCount()) && (i == 0 || reader.jumpToImage(i)); ++i)
            pictures << reader.read();
    } else {
        pictures << readPicture(bytesOf(path), kind == PictureKind::Card ? CardPictureCap : ExamplePictureCap);
    }
    pictures.removeIf([](const QImage &p) { return p.isNull(); });
    std::sort(pictures.begin(), pictures.end(), [](const QImage &a, const QImage &b) { return a.width() < b.width(); });
    return pictures;
}

// A picture reduced to half its size, each pixel the mean of the four it covers (premultiplied).
QImage halved(const QImage &picture)
{
    const QImage big = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage half(big.size() / 2, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < half.height(); ++y)
        for (int x = 0; x < half.width(); ++x) {
            int sum[4] = {};
            for (const QPoint d : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)}) {
                const QRgb c = big.pixel(2 * x + d.x(), 2 * y + d.y());
                sum[0] += qRed(c), sum[1] += qGreen(c), sum[2] += qBlue(c), sum[3] += qAlpha(c);
            }
            half.setPixel(x, y, qRgba((sum[0] + 2) / 4, (sum[1] + 2) / 4, (sum[2] + 2) / 4, (sum[3] + 2) / 4));
        }
    return half;
}

// Root mean square of the differences of two pictures of one size, over all four channels (premultiplied).
double rmsDifference(const QImage &a, const QImage &b)
{
    const QImage p = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage q = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    double sum = 0;
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) {
            const QRgb c = p.pixel(x, y), d = q.pixel(x, y);
            for (const int delta :
                 {qRed(c) - qRed(d), qGreen(c) - qGreen(d), qBlue(c) - qBlue(d), qAlpha(c) - qAlpha(d)})
                sum += double(delta) * delta;
        }
    return std::sqrt(sum / (4.0 * p.width() * p.height()));
}

} // namespace

class tst_Data : public QObject {
    Q_OBJECT

private slots:
    void cardPictures_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<int>("orientation");
        for (int card = 1010; card <= 1090; card += 10)
            for (int o = 1; o <= 4; ++o)
                QTest::addRow("%d/%d.gif", card, o) << card << o;
    }

    void cardPictures()
    {
        QFETCH(int, card);
        QFETCH(int, orientation);
        QImageReader reader(cardPath(card, orientation));
        QCOMPARE(reader.format(), QByteArray("gif"));
        const QImage picture = reader.read();
        QVERIFY2(!picture.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(picture.size(), QSize(172, 172));
        const int paletteSize = gifPaletteSize(readFile(cardPath(card, orientation)));
        QVERIFY(paletteSize > 0 && paletteSize <= 256);
        QVERIFY(distinctColours(picture) <= paletteSize);
    }

    // Orientation n + 1 is orientation n turned a quarter turn clockwise, pixel for pixel (4 leads back to 1).
    void orientationsAreQuarterTurns_data() { cardPictures_data(); }

    void orientationsAreQuarterTurns()
    {
        QFETCH(int, card);
        QFETCH(int, orientation);
        const QImage from(cardPath(card, orientation));
        const QImage to(cardPath(card, orientation % 4 + 1));
        QVERIFY(!from.isNull() && !to.isNull());
        const int n = from.width();
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x)
                if (to.pixel(n - 1 - y, x) != from.pixel(x, y))
                    QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) does not turn").arg(x).arg(y)));
    }

    // Each side of a picture shows the suit that the edge table gives that side in that orientation.
    void picturesShowTheEdgeTable_data() { cardPictures_data(); }

    void picturesShowTheEdgeTable()
    {
        QFETCH(int, card);
        QFETCH(int, orientation);
        const QImage picture(cardPath(card, orientation));
        QVERIFY(!picture.isNull());
        const QPoint probe[4] = {{86, 4}, {167, 86}, {86, 167}, {4, 86}};
        for (Side side : Sides) {
            // The game's own words for the edge, read off the picture.
            const Edge edge = shownEdge({int16_t(card), int16_t(orientation)}, side);
            QCOMPARE(suitOfColour(picture.pixel(probe[int(side)])), int(edge.suit));
        }
    }

    void sounds_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<double>("shortestSeconds");
        QTest::addColumn<double>("longestSeconds");
        QTest::newRow("snip") << QStringLiteral("SNIP1.WAV") << 0.06 << 0.2;
        QTest::newRow("click") << QStringLiteral("CLICK.WAV") << 0.015 << 0.06;
        QTest::newRow("applause") << QStringLiteral("APPLAUS.WAV") << 2.0 << 3.0;
    }

    void sounds()
    {
        QFETCH(QString, file);
        QFETCH(double, shortestSeconds);
        QFETCH(double, longestSeconds);
        const QByteArray wav = readFile(dataPath(QStringLiteral("SOUND/") + file));
        // The game's file reader trims blanks (0x20) from both ends of a sound file.
        QVERIFY(!wav.startsWith(' ') && !wav.endsWith(' '));
        const std::optional<WavImage> image = parseWavImage(wav);
        QVERIFY(image);
        QCOMPARE(image->format.sampleFormat, WavSampleFormat::Signed16LittleEndian);
        QCOMPARE(image->format.channels, 1);
        // A plain 44-byte header, then exactly the samples it announces.
        QCOMPARE(le32(wav, 40), quint32(image->samples.size()));
        QCOMPARE(image->samples.size() + 44, wav.size());
        const int samples = int(image->frameCount());
        const double seconds = double(samples) / image->format.sampleRateHz;
        QVERIFY2(seconds >= shortestSeconds && seconds <= longestSeconds, qPrintable(QString::number(seconds)));
        const auto sample = [&](int i) { return qint16(le16(wav, 44 + 2 * i)); };
        int peak = 0;
        for (int i = 0; i < samples; ++i) {
            QVERIFY2(sample(i) > -32768 && sample(i) < 32767, qPrintable(QStringLiteral("clipped sample %1").arg(i)));
            peak = std::max(peak, std::abs(int(sample(i))));
        }
        QVERIFY2(peak > 8000, "the sound is too quiet");
        // Faded at both ends, so starting and stopping does not click.
        QVERIFY(std::abs(sample(0)) < 200);
        QCOMPARE(sample(samples - 1), qint16(0));
    }

    void windowIcon()
    {
        const QByteArray ico = readFile(dataPath(QStringLiteral("SOUND/QUINTREL.ICO")));
        QVERIFY(ico.size() > 6);
        QCOMPARE(le16(ico, 0), quint16(0));
        QCOMPARE(le16(ico, 2), quint16(1));
        const int count = le16(ico, 4);
        QList<int> sizes;
        for (int i = 0; i < count; ++i) {
            const int at = 6 + 16 * i;
            QVERIFY(qsizetype(le32(ico, at + 12)) + le32(ico, at + 8) <= quint32(ico.size()));
            sizes << uchar(ico[at]);
        }
        std::sort(sizes.begin(), sizes.end());
        QCOMPARE(sizes, (QList<int>{16, 32, 48}));
        QImageReader reader(dataPath(QStringLiteral("SOUND/QUINTREL.ICO")));
        QCOMPARE(reader.imageCount(), 3);
        for (int i = 0; i < 3; ++i) {
            QVERIFY(reader.jumpToImage(i));
            const QImage image = reader.read();
            QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
            QVERIFY(sizes.contains(image.width()));
            QCOMPARE(image.height(), image.width());
        }
    }

    void examplePicture_data()
    {
        QTest::addColumn<QString>("file");
        for (const char *file : {"example.gif", "example_de.gif", "example_fr.gif", "example_es.gif"})
            QTest::newRow(file) << QString::fromLatin1(file);
    }

    void examplePicture()
    {
        QFETCH(QString, file);
        QImageReader reader(dataPath(QStringLiteral("SOUND/") + file));
        QCOMPARE(reader.format(), QByteArray("gif"));
        const QImage picture = reader.read();
        QVERIFY(!picture.isNull());
        // Taller than the viewer's 312-pixel viewport, so it scrolls; narrow enough not to be cut off.
        QVERIFY(picture.height() > 312);
        QVERIFY(picture.width() <= 345);
    }

    void helpTexts_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("mentions");
        QTest::newRow("rules") << QStringLiteral("rules.txt")
                               << QStringList{"New Game",
                                              "Save Current Game",
                                              "Load Saved Game",
                                              "Exit",
                                              "Rules",
                                              "Example",
                                              "About",
                                              "quarter turn",
                                              "- Space or Enter does what a click on the card under the cursor does: "
                                              "it selects the card, cancels the selection, or swaps the card with "
                                              "the selected one.",
                                              "- R turns the card under the cursor a quarter turn clockwise."};
        QTest::newRow("about")
            << QStringLiteral("ombrel.txt")
            << QStringList{"Quintrel", "Version 1.0", "licence", "https://quintrel.example.org/",
                           "A picture-card puzzle: nine cards, four suits, one way to fit them all."};
    }

    void helpTexts()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, mentions);
        const QByteArray text = readFile(dataPath(file));
        QVERIFY(text.endsWith("\r\n"));
        const QList<QByteArray> lines = text.chopped(2).split('\n');
        for (const QByteArray &line : lines) {
            QVERIFY2(line.endsWith('\r') || line.isEmpty() || &line == &lines.last(), line.constData());
            const QByteArray bare = line.endsWith('\r') ? line.chopped(1) : line;
            for (char c : bare)
                QVERIFY2(c >= 0x20 && c <= 0x7e, bare.constData());
        }
        // A paragraph is one line, wrapped by the text box to its width: never by hand.
        const QStringList textLines = QString::fromLatin1(text).split(QStringLiteral("\r\n"));
        for (const QString &m : mentions)
            QVERIFY2(std::any_of(textLines.begin(), textLines.end(), [&](const QString &l) { return l.contains(m); }),
                     qPrintable(m));
    }

    void windowPictures_data()
    {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("maxColours");
        QTest::newRow("title") << QStringLiteral(":/art/title.gif") << QSize(410, 272) << 256;
        for (const char *language : {"de", "fr", "es"}) {
            QTest::addRow("title_%s", language)
                << QStringLiteral(":/art/title_%1.gif").arg(language) << QSize(410, 272) << 256;
            QTest::addRow("logo_%s", language)
                << QStringLiteral(":/art/logo_%1.bmp").arg(language) << QSize(136, 98) << 256;
        }
        QTest::newRow("banner") << QStringLiteral(":/art/banner.gif") << QSize(312, 132) << 256;
        QTest::newRow("help title") << QStringLiteral(":/art/helptitle.gif") << QSize(104, 134) << 64;
        QTest::newRow("logo") << QStringLiteral(":/art/logo.bmp") << QSize(136, 98) << 256;
        QTest::newRow("hand") << QStringLiteral(":/art/hand.png") << QSize(32, 32) << 3;
        // 15 colours and a transparent one.
        QTest::newRow("splash icon") << QStringLiteral(":/art/splash.ico") << QSize(32, 32) << 16;
    }

    void windowPictures()
    {
        QFETCH(QString, resource);
        QFETCH(QSize, size);
        QFETCH(int, maxColours);
        QImageReader reader(resource);
        const QImage picture = reader.read();
        QVERIFY2(!picture.isNull(), qPrintable(resource + QStringLiteral(": ") + reader.errorString()));
        QCOMPARE(picture.size(), size);
        QVERIFY(distinctColours(picture) <= maxColours);
        const QByteArray bytes = readFile(resource);
        if (resource.endsWith(QLatin1String(".gif")))
            QVERIFY(gifPaletteSize(bytes) > 0 && gifPaletteSize(bytes) <= maxColours);
        if (resource.endsWith(QLatin1String(".bmp")))
            QCOMPARE(le16(bytes, 28), quint16(8)); // bits per pixel
        if (resource.endsWith(QLatin1String(".ico")))
            QCOMPARE(le16(bytes, 6 + 6), quint16(4)); // bits per pixel of the only entry
    }

    // Every picture the windows show has a copy at twice the size beside it, named with "@2x": a data
    // file the game can read within the cap of its kind, exactly twice the small one's size, and the same
    // picture: reduced to half its size, it differs from the small one by a root mean square of at most
    // the tolerance per channel.
    //
    // Measured: 0.3 to 0.9 for the cards, under 0.7 for the other 256-colour pictures and the
    // full-colour icon, 2.7 for the example (painted twice, not reduced from one drawing); 12.5 for the
    // splash icon, whose small copy has 15 colours and all-or-nothing transparency, and 18 for the hand,
    // three colours in pixel steps that the large copy rounds. What the check must catch gives much
    // more: the large copy shifted by one of its pixels at least 9.1 (the help title's plain field), 11
    // for a card, 30 for the hand and 33 for the splash icon; a card turned a quarter turn 49, another
    // card 36.
    void picturesAtTwiceTheSize_data()
    {
        QTest::addColumn<QString>("small");
        QTest::addColumn<QString>("large");
        QTest::addColumn<PictureKind>("kind");
        QTest::addColumn<double>("tolerance");
        for (int card = 1010; card <= 1090; card += 10)
            for (int o = 1; o <= 4; ++o)
                QTest::addRow("%d/%d@2x.png", card, o)
                    << cardPath(card, o) << dataPath(QStringLiteral("%1/%2@2x.png").arg(card).arg(o))
                    << PictureKind::Card << 5.0;
        QTest::newRow("QUINTREL@2x.ICO") << dataPath(QStringLiteral("SOUND/QUINTREL.ICO"))
                                         << dataPath(QStringLiteral("SOUND/QUINTREL@2x.ICO")) << PictureKind::Icon
                                         << 5.0;
        QTest::newRow("example@2x.png") << dataPath(QStringLiteral("SOUND/example.gif"))
                                        << dataPath(QStringLiteral("SOUND/example@2x.png")) << PictureKind::Example
                                        << 5.0;
        const auto art = [](const char *small, const char *large, double tolerance) {
            QTest::newRow(large) << QStringLiteral(":/art/") + QLatin1String(small)
                                 << QStringLiteral(":/art/") + QLatin1String(large) << PictureKind::Resource
                                 << tolerance;
        };
        art("title.gif", "title@2x.png", 5);
        art("banner.gif", "banner@2x.png", 5);
        art("helptitle.gif", "helptitle@2x.png", 5);
        art("logo.bmp", "logo@2x.png", 5);
        art("splash.ico", "splash@2x.png", 20);
        art("hand.png", "hand@2x.png", 24);
        for (const char *language : {"de", "fr", "es"}) {
            QTest::addRow("example_%s@2x.png", language)
                << dataPath(QStringLiteral("SOUND/example_%1.gif").arg(language))
                << dataPath(QStringLiteral("SOUND/example_%1@2x.png").arg(language)) << PictureKind::Example << 5.0;
            for (const char *picture : {"title_%1.gif title_%1@2x.png", "logo_%1.bmp logo_%1@2x.png"}) {
                const QStringList files = QString::fromLatin1(picture).arg(language).split(u' ');
                QTest::newRow(qPrintable(files[1]))
                    << QStringLiteral(":/art/") + files[0] << QStringLiteral(":/art/") + files[1]
                    << PictureKind::Resource << 5.0;
            }
        }
    }

    void picturesAtTwiceTheSize()
    {
        QFETCH(QString, small);
        QFETCH(QString, large);
        QFETCH(PictureKind, kind);
        QFETCH(double, tolerance);
        const QList<QImage> smalls = picturesOf(small, kind), larges = picturesOf(large, kind);
        QVERIFY(!smalls.isEmpty());
        QCOMPARE(larges.size(), smalls.size());
        for (qsizetype i = 0; i < smalls.size(); ++i) {
            QCOMPARE(larges[i].size(), 2 * smalls[i].size());
            const double difference = rmsDifference(halved(larges[i]), smalls[i]);
            QVERIFY2(difference <= tolerance,
                     qPrintable(
                         QStringLiteral("%1 x %2: %3").arg(smalls[i].width()).arg(smalls[i].height()).arg(difference)));
        }
    }

    void handPointsWithItsFingertip()
    {
        const QImage hand(QStringLiteral(":/art/hand.png"));
        QVERIFY(!hand.isNull());
        const QImage argb = hand.convertToFormat(QImage::Format_ARGB32);
        // The hot spot (12, 9) is the black tip of the raised finger, with nothing above it.
        QCOMPARE(argb.pixel(12, 9), qRgb(0, 0, 0));
        QCOMPARE(qAlpha(argb.pixel(12, 8)), 0);
        QCOMPARE(argb.pixel(12, 10), qRgb(255, 255, 255));
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const QRgb c = argb.pixel(x, y);
                QVERIFY(qAlpha(c) == 0 || c == qRgb(0, 0, 0) || c == qRgb(255, 255, 255));
            }
    }
};

QTEST_MAIN(tst_Data)
#include "tst_data.moc"
