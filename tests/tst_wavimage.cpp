// tst_wavimage.cpp: the WAV image parser against well-formed, cut-short and hostile images.
#include "platform/wavimage.h"

#include <QRandomGenerator>
#include <QTest>

using namespace quintrel;

Q_DECLARE_METATYPE(quintrel::WavSampleFormat)

namespace {

QByteArray le16(quint16 v)
{
    const char bytes[2] = {char(v & 0xFF), char(v >> 8)};
    return QByteArray(bytes, 2);
}

QByteArray le32(quint32 v) { return le16(quint16(v & 0xFFFF)) + le16(quint16(v >> 16)); }

// A chunk with its size field taken from the body unless one is given, padded to even length.
QByteArray chunk(const char *id, const QByteArray &body, qint64 declaredSize = -1)
{
    QByteArray c = QByteArray(id, 4) + le32(quint32(declaredSize < 0 ? body.size() : declaredSize)) + body;
    if (body.size() % 2)
        c += '\0';
    return c;
}

QByteArray riff(const QByteArray &chunks) { return "RIFF" + le32(quint32(4 + chunks.size())) + "WAVE" + chunks; }

QByteArray fmtBody(quint16 tag, quint16 channels, quint32 rate, quint16 bits, int blockAlign = -1)
{
    const quint16 align = quint16(blockAlign < 0 ? channels * bits / 8 : blockAlign);
    return le16(tag) + le16(channels) + le32(rate) + le32(rate * align) + le16(align) + le16(bits);
}

const QByteArray PcmGuid("\x01\x00\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 16);
const QByteArray FloatGuid("\x03\x00\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 16);

QByteArray extensibleFmtBody(quint16 channels, quint32 rate, quint16 bits, const QByteArray &subformat)
{
    return fmtBody(0xFFFE, channels, rate, bits) + le16(22) + le16(bits) + le32(channels == 2 ? 3 : 4) + subformat;
}

// Distinct bytes, so a view starting or ending in the wrong place shows.
QByteArray samples(int bytes)
{
    QByteArray s(bytes, Qt::Uninitialized);
    for (int i = 0; i < bytes; ++i)
        s[i] = char(i * 7 + 3);
    return s;
}

QByteArray pcm16Stereo(const QByteArray &data)
{
    return riff(chunk("fmt ", fmtBody(1, 2, 44100, 16)) + chunk("data", data));
}

} // namespace

class tst_WavImage : public QObject {
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void everyTruncationYieldsWholeFramesOfTheSamples();
    void damagedImagesStayInsideTheImage();
};

void tst_WavImage::parse_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<WavSampleFormat>("sampleFormat");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("rate");
    QTest::addColumn<QByteArray>("expected");

    const auto S16 = WavSampleFormat::Signed16LittleEndian;
    const auto U8 = WavSampleFormat::Unsigned8;
    const QByteArray fmt16s = chunk("fmt ", fmtBody(1, 2, 44100, 16));
    const QByteArray data40 = samples(40);
    auto invalid = [&](const char *name, const QByteArray &image) {
        QTest::newRow(name) << image << false << S16 << 0 << 0 << QByteArray();
    };

    QTest::newRow("16-bit stereo") << pcm16Stereo(data40) << true << S16 << 2 << 44100 << data40;
    QTest::newRow("16-bit mono 22050") << riff(chunk("fmt ", fmtBody(1, 1, 22050, 16)) + chunk("data", data40)) << true
                                       << S16 << 1 << 22050 << data40;
    QTest::newRow("8-bit mono 11025, odd length")
        << riff(chunk("fmt ", fmtBody(1, 1, 11025, 8)) + chunk("data", samples(41))) << true << U8 << 1 << 11025
        << samples(41);
    QTest::newRow("extensible PCM") << riff(chunk("fmt ", extensibleFmtBody(2, 48000, 16, PcmGuid))
                                            + chunk("data", data40))
                                    << true << S16 << 2 << 48000 << data40;
    QTest::newRow("lowest rate 4000") << riff(chunk("fmt ", fmtBody(1, 1, 4000, 8)) + chunk("data", data40)) << true
                                      << U8 << 1 << 4000 << data40;
    QTest::newRow("highest rate 192000") << riff(chunk("fmt ", fmtBody(1, 1, 192000, 8)) + chunk("data", data40))
                                         << true << U8 << 1 << 192000 << data40;
    QTest::newRow("fmt with cbSize 0 before data")
        << riff(chunk("fmt ", fmtBody(1, 2, 44100, 16) + le16(0)) + chunk("data", data40)) << true << S16 << 2 << 44100
        << data40;
    QTest::newRow("odd-sized chunks before data")
        << riff(chunk("LIST", "abc") + fmt16s + chunk("junk", "x") + chunk("data", data40)) << true << S16 << 2 << 44100
        << data40;
    QTest::newRow("empty chunk before data")
        << riff(fmt16s + chunk("fact", {}) + chunk("data", data40)) << true << S16 << 2 << 44100 << data40;
    QTest::newRow("RIFF size zero") << QByteArray("RIFF" + le32(0) + "WAVE" + fmt16s + chunk("data", data40)) << true
                                    << S16 << 2 << 44100 << data40;
    QTest::newRow("trailing bytes after data")
        << pcm16Stereo(data40) + chunk("LIST", samples(10)) + "garbage" << true << S16 << 2 << 44100 << data40;
    QTest::newRow("data cut in the middle of a frame")
        << pcm16Stereo(data40).chopped(6) << true << S16 << 2 << 44100 << data40.first(32);
    QTest::newRow("data cut inside the first frame")
        << pcm16Stereo(data40).chopped(37) << true << S16 << 2 << 44100 << QByteArray();
    QTest::newRow("data size past the end")
        << riff(fmt16s + chunk("data", data40, 0xFFFFFFFF)) << true << S16 << 2 << 44100 << data40;
    QTest::newRow("empty data") << pcm16Stereo({}) << true << S16 << 2 << 44100 << QByteArray();

    invalid("empty", {});
    invalid("garbage", "This is not a sound at all, just some text of a fair length.");
    invalid("RIFF header only", "RIFF" + le32(4) + "WAVE");
    invalid("RIFX", "RIFX" + pcm16Stereo(data40).mid(4));
    invalid("AVI instead of WAVE", "RIFF" + le32(0) + "AVI " + fmt16s + chunk("data", data40));
    invalid("missing fmt", riff(chunk("data", data40)));
    invalid("fmt after data", riff(chunk("data", data40) + fmt16s));
    invalid("missing data", riff(fmt16s + chunk("LIST", data40)));
    invalid("two fmt chunks", riff(fmt16s + chunk("fmt ", fmtBody(1, 1, 8000, 8)) + chunk("data", data40)));
    invalid("fmt too short", riff(chunk("fmt ", fmtBody(1, 2, 44100, 16).first(14)) + chunk("data", data40)));
    invalid("fmt cut off", riff(fmt16s).chopped(4));
    invalid("zero channels", riff(chunk("fmt ", fmtBody(1, 0, 44100, 16, 4)) + chunk("data", data40)));
    invalid("three channels", riff(chunk("fmt ", fmtBody(1, 3, 44100, 16)) + chunk("data", data40)));
    invalid("24-bit", riff(chunk("fmt ", fmtBody(1, 2, 44100, 24)) + chunk("data", data40)));
    invalid("32-bit float", riff(chunk("fmt ", fmtBody(3, 2, 44100, 32)) + chunk("data", data40)));
    invalid("extensible float",
            riff(chunk("fmt ", extensibleFmtBody(2, 48000, 32, FloatGuid)) + chunk("data", data40)));
    invalid("extensible too short",
            riff(chunk("fmt ", extensibleFmtBody(2, 48000, 16, PcmGuid).first(30)) + chunk("data", data40)));
    invalid("rate 0", riff(chunk("fmt ", fmtBody(1, 1, 0, 8)) + chunk("data", data40)));
    invalid("rate 3999", riff(chunk("fmt ", fmtBody(1, 1, 3999, 8)) + chunk("data", data40)));
    invalid("rate 192001", riff(chunk("fmt ", fmtBody(1, 1, 192001, 8)) + chunk("data", data40)));
    invalid("huge rate", riff(chunk("fmt ", fmtBody(1, 1, 0xFFFFFFFF, 8)) + chunk("data", data40)));
    invalid("block align disagrees", riff(chunk("fmt ", fmtBody(1, 2, 44100, 16, 2)) + chunk("data", data40)));
    invalid("chunk before data runs past the end",
            riff(fmt16s + chunk("LIST", samples(10), 200) + chunk("data", data40)));
    invalid("huge chunk before data", riff(fmt16s + chunk("LIST", samples(10), 0xFFFFFFFF) + chunk("data", data40)));
    invalid("huge fmt size", riff(chunk("fmt ", fmtBody(1, 2, 44100, 16), 0xFFFFFFFE) + chunk("data", data40)));
}

void tst_WavImage::parse()
{
    QFETCH(QByteArray, image);
    QFETCH(bool, valid);

    const std::optional<WavImage> wav = parseWavImage(image);
    QCOMPARE(wav.has_value(), valid);
    if (!valid)
        return;

    QFETCH(WavSampleFormat, sampleFormat);
    QFETCH(int, channels);
    QFETCH(int, rate);
    QFETCH(QByteArray, expected);
    QCOMPARE(wav->format.sampleFormat, sampleFormat);
    QCOMPARE(wav->format.channels, channels);
    QCOMPARE(wav->format.sampleRateHz, rate);
    QCOMPARE(wav->samples.toByteArray(), expected);
}

// The file reader trims trailing blanks, so an image can end anywhere: what is left must be a prefix of the
// samples in whole frames, never bytes from elsewhere.
void tst_WavImage::everyTruncationYieldsWholeFramesOfTheSamples()
{
    const QByteArray data = samples(60);
    const QByteArray image = pcm16Stereo(data);
    const qsizetype dataStart = image.size() - data.size();
    for (qsizetype length = 0; length <= image.size(); ++length) {
        const QByteArray cut = image.first(length);
        const std::optional<WavImage> wav = parseWavImage(cut);
        QCOMPARE(wav.has_value(), length >= dataStart);
        if (!wav)
            continue;
        const qsizetype whole = (length - dataStart) / 4 * 4;
        QCOMPARE(wav->samples.toByteArray(), data.first(whole));
    }
}

// Random damage to a good image must never give a view that leaves the image or splits a frame.
void tst_WavImage::damagedImagesStayInsideTheImage()
{
    const QByteArray original = riff(chunk("LIST", "abc") + chunk("fmt ", extensibleFmtBody(2, 48000, 16, PcmGuid))
                                     + chunk("data", samples(64)));
    QRandomGenerator random(20240607);
    int validCount = 0;
    for (int round = 0; round < 20000; ++round) {
        QByteArray image = original;
        const int edits = 1 + random.bounded(4);
        for (int e = 0; e < edits; ++e)
            image[random.bounded(int(image.size()))] = char(random.bounded(256));
        if (random.bounded(4) == 0)
            image.truncate(random.bounded(int(image.size())));

        const std::optional<WavImage> wav = parseWavImage(image);
        if (!wav)
            continue;
        ++validCount;
        const char *begin = image.constData();
        QVERIFY(wav->samples.isEmpty()
                || (wav->samples.data() >= begin && wav->samples.data() + wav->samples.size() <= begin + image.size()));
        QCOMPARE(wav->samples.size() % wav->format.bytesPerFrame(), 0);
        QVERIFY(wav->format.channels == 1 || wav->format.channels == 2);
        QVERIFY(wav->format.sampleRateHz >= MinWavSampleRateHz && wav->format.sampleRateHz <= MaxWavSampleRateHz);
    }
    // Most single-byte damage lands in the samples, so many damaged images still parse; if none did, the test
    // would check nothing.
    QVERIFY(validCount > 1000);
}

QTEST_GUILESS_MAIN(tst_WavImage)
#include "tst_wavimage.moc"
