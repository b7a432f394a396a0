// Choosing the 1x or the 2x picture by the device pixel ratio, and the fall-back to 1x.
#include "platform/scaledpicture.h"
#include "testsupport.h"

#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using namespace quintrel;
using namespace quintrel::testing;

class tst_ScaledPicture : public QObject {
    Q_OBJECT
private slots:
    void doubleSizePaths();
    void chosenByRatio_data();
    void chosenByRatio();
};

void tst_ScaledPicture::doubleSizePaths()
{
    QCOMPARE(doubleSizePath("/games/quintrel/1010/1.gif"), QByteArray("/games/quintrel/1010/1@2x.png"));
    QCOMPARE(doubleSizePath(":/art/logo.bmp"), QByteArray(":/art/logo@2x.png"));
    QCOMPARE(doubleSizePath("/a.b/noextension"), QByteArray("/a.b/noextension@2x.png"));
    QCOMPARE(doubleSizeIconPath("/games/quintrel/SOUND/QUINTREL.ICO"),
             QByteArray("/games/quintrel/SOUND/QUINTREL@2x.ICO"));
}

namespace {
constexpr PictureCap TestCap{1 << 20, 1024, 1024, 1024 * 1024};

QImage filled(int size, QColor colour)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}
} // namespace

void tst_ScaledPicture::chosenByRatio_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QByteArray>("doubled"); // "good", "missing", "damaged" or "wrong size"
    QTest::addColumn<int>("pixels");         // width of the pixmap in device pixels
    QTest::addColumn<bool>("fromDoubled");   // its pixels come from the 2x file

    QTest::newRow("1x reads only the 1x file") << 1.0 << QByteArray("good") << 20 << false;
    QTest::newRow("2x") << 2.0 << QByteArray("good") << 40 << true;
    QTest::newRow("1.5x reduces the 2x file") << 1.5 << QByteArray("good") << 30 << true;
    QTest::newRow("1.25x reduces it with rounding") << 1.25 << QByteArray("good") << 25 << true;
    QTest::newRow("3x leaves the enlarging to Qt") << 3.0 << QByteArray("good") << 40 << true;
    QTest::newRow("missing 2x file") << 2.0 << QByteArray("missing") << 20 << false;
    QTest::newRow("damaged 2x file") << 2.0 << QByteArray("damaged") << 20 << false;
    QTest::newRow("2x file of the wrong size") << 2.0 << QByteArray("wrong size") << 20 << false;
}

void tst_ScaledPicture::chosenByRatio()
{
    QFETCH(qreal, ratio);
    QFETCH(QByteArray, doubled);
    QFETCH(int, pixels);
    QFETCH(bool, fromDoubled);

    QTemporaryDir dir;
    const QString single = dir.filePath(QStringLiteral("1.gif"));
    QVERIFY(filled(20, Qt::red).save(single, "PNG"));
    const QString twice = dir.filePath(QStringLiteral("1@2x.png"));
    if (doubled == "good")
        QVERIFY(filled(40, Qt::blue).save(twice, "PNG"));
    else if (doubled == "damaged")
        QVERIFY(writeFile(twice, QByteArray("\x89PNG\r\n\x1a\n and then nothing of a picture")));
    else if (doubled == "wrong size")
        QVERIFY(filled(38, Qt::blue).save(twice, "PNG"));

    const QPixmap pixmap = readPictureForRatio(bytesOf(single), TestCap, ratio);
    QCOMPARE(pixmap.width(), pixels);
    // Whatever was chosen covers the 1x picture's place exactly.
    QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(20, 20));
    QCOMPARE(pixmap.toImage().pixelColor(pixels / 2, pixels / 2), fromDoubled ? QColor(Qt::blue) : QColor(Qt::red));
}

QTEST_MAIN(tst_ScaledPicture)
#include "tst_scaledpicture.moc"
