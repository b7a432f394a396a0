// tst_sound.cpp: the sound player on SDL's disk audio driver, which records what really reached the output.
#include "platform/soundplayer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstring>

#define SDL_MAIN_HANDLED
#include <SDL.h>

using namespace quintrel;

namespace {

// What the player feeds the device; the recording holds samples in this format.
constexpr int OutputRateHz = 44100;
constexpr int OutputChannels = 2;
constexpr int OutputBytesPerFrame = 4;

const char ChildModeVariable[] = "QUINTREL_TST_SOUND_CHILD";
const char ChildWaveVariable[] = "QUINTREL_TST_SOUND_WAVE";

QByteArray le16(quint16 v)
{
    const char bytes[2] = {char(v & 0xFF), char(v >> 8)};
    return QByteArray(bytes, 2);
}

QByteArray le32(quint32 v)
{
    return le16(quint16(v & 0xFFFF)) + le16(quint16(v >> 16));
}

QByteArray wavImage(int bits, int channels, int rateHz, const QByteArray &samples)
{
    const int align = channels * bits / 8;
    const QByteArray fmt = le16(1) + le16(quint16(channels)) + le32(quint32(rateHz)) + le32(quint32(rateHz * align))
                           + le16(quint16(align)) + le16(quint16(bits));
    QByteArray chunks = "fmt " + le32(16) + fmt + "data" + le32(quint32(samples.size())) + samples;
    if (samples.size() % 2)
        chunks += '\0';
    return "RIFF" + le32(quint32(4 + chunks.size())) + "WAVE" + chunks;
}

// A tone that never repeats within a sound, so finding its bytes in the recording proves it was played.
QByteArray sweep16(int frames, int channels)
{
    QByteArray s;
    for (int i = 0; i < frames; ++i) {
        const double phase = 0.0005 * double(i) * double(i) / 40.0 + 0.05 * i;
        for (int c = 0; c < channels; ++c)
            s += le16(quint16(qint16(std::lround(12000.0 * std::sin(phase + c)))));
    }
    return s;
}

QByteArray sweep8(int frames, int channels)
{
    QByteArray s;
    for (int i = 0; i < frames; ++i) {
        const double phase = 0.0005 * double(i) * double(i) / 40.0 + 0.05 * i;
        for (int c = 0; c < channels; ++c)
            s += char(128 + std::lround(100.0 * std::sin(phase + c)));
    }
    return s;
}

// The same frame over and over, in the output format, so a sound's share of the recording can be counted.
QByteArray constantFrames(qint16 left, qint16 right, int frames)
{
    return (le16(quint16(left)) + le16(quint16(right))).repeated(frames);
}

QByteArray toOutputFormat(SDL_AudioFormat format, int channels, int rateHz, const QByteArray &samples)
{
    SDL_AudioCVT cvt;
    const int needed = SDL_BuildAudioCVT(&cvt, format, Uint8(channels), rateHz, AUDIO_S16SYS, OutputChannels,
                                         OutputRateHz);
    if (needed <= 0)
        return samples;
    QByteArray buffer(samples.size() * cvt.len_mult, '\0');
    std::memcpy(buffer.data(), samples.constData(), size_t(samples.size()));
    cvt.buf = reinterpret_cast<Uint8 *>(buffer.data());
    cvt.len = int(samples.size());
    if (SDL_ConvertAudio(&cvt) != 0)
        return {};
    buffer.truncate(cvt.len_cvt);
    return buffer;
}

bool isSilent(const QByteArray &recording)
{
    return std::all_of(recording.cbegin(), recording.cend(), [](char c) { return c == 0; });
}

// Runs in a child process whose audio device cannot work: every call must come back quietly.
int exerciseWithoutDevice()
{
    QByteArray image = wavImage(16, 2, OutputRateHz, sweep16(4410, 2));
    playWave(image);
    playWave(image);
    playWaveFile(qEnvironmentVariable(ChildWaveVariable));
    playWave(QByteArray("RIFF"));
    stopSound();
    shutdownSound();
    shutdownSound();
    playWave(image);
    return 0;
}

} // namespace

class TstSound : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void playedImageReachesTheOutput_data();
    void playedImageReachesTheOutput();
    void unplayableImagesAreSilent_data();
    void unplayableImagesAreSilent();
    void playWaveFile_data();
    void playWaveFile();
    void whatCutsOffAPlayingSound_data();
    void whatCutsOffAPlayingSound();
    void failingDeviceMeansSilence_data();
    void failingDeviceMeansSilence();
    void playWaveCost();
    void deviceRestsWhenQuiet();
    void shutdownClosesTheOutputForGood();

private:
    qint64 outputSize() const;
    QByteArray recordingSince(qint64 offset) const;

    QTemporaryDir m_dir;
    QString m_outputPath;
};

qint64 TstSound::outputSize() const
{
    return QFileInfo(m_outputPath).size();
}

QByteArray TstSound::recordingSince(qint64 offset) const
{
    QFile file(m_outputPath);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(offset))
        return {};
    return file.readAll();
}

void TstSound::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_outputPath = m_dir.filePath("output.raw");
    // Must be in place before the first sound opens the device.
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(m_outputPath));
}

void TstSound::init()
{
    // Let the previous test's sound drain out of the device, so each test records only its own.
    stopSound();
    QTest::qWait(150);
}

void TstSound::playedImageReachesTheOutput_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray stereo16 = sweep16(8820, 2);
    QTest::newRow("16-bit stereo 44100 Hz")
        << wavImage(16, 2, 44100, stereo16) << toOutputFormat(AUDIO_S16LSB, 2, 44100, stereo16);
    const QByteArray mono16 = sweep16(4410, 1);
    QTest::newRow("16-bit mono 22050 Hz")
        << wavImage(16, 1, 22050, mono16) << toOutputFormat(AUDIO_S16LSB, 1, 22050, mono16);
    const QByteArray mono8 = sweep8(8821, 1);
    QTest::newRow("8-bit mono 44100 Hz, odd length")
        << wavImage(8, 1, 44100, mono8) << toOutputFormat(AUDIO_U8, 1, 44100, mono8);
    const QByteArray stereo8 = sweep8(3000, 2);
    QTest::newRow("8-bit stereo 11025 Hz")
        << wavImage(8, 2, 11025, stereo8) << toOutputFormat(AUDIO_U8, 2, 11025, stereo8);
    // As the file reader leaves a sound whose last bytes were blanks: the last, partial frame is dropped.
    QTest::newRow("data cut inside a frame")
        << wavImage(16, 2, 44100, stereo16).chopped(3) << toOutputFormat(AUDIO_S16LSB, 2, 44100, stereo16.chopped(4));
}

void TstSound::playedImageReachesTheOutput()
{
    QFETCH(QByteArray, image);
    QFETCH(QByteArray, expected);
    QVERIFY(!expected.isEmpty() && !isSilent(expected));

    const qint64 start = outputSize();
    playWave(image);
    QTRY_VERIFY_WITH_TIMEOUT(recordingSince(start).contains(expected), 5000);
}

void TstSound::unplayableImagesAreSilent_data()
{
    QTest::addColumn<QByteArray>("image");

    const QByteArray good = wavImage(16, 2, 44100, sweep16(4410, 2));
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("garbage") << QByteArray("Not a sound, only a few words of text standing in for one.");
    QTest::newRow("RIFF header only") << good.first(12);
    QTest::newRow("cut before the data") << good.first(40);
    QTest::newRow("cut inside the first frame") << good.first(47);
    QTest::newRow("24-bit") << wavImage(24, 2, 44100, sweep16(3000, 3));
    QTest::newRow("sample rate too high") << wavImage(16, 2, 400000, sweep16(4410, 2));
    QTest::newRow("no samples") << wavImage(16, 2, 44100, {});
}

void TstSound::unplayableImagesAreSilent()
{
    QFETCH(QByteArray, image);

    const qint64 start = outputSize();
    playWave(image);
    QTest::qWait(300);
    const QByteArray recording = recordingSince(start);
    QVERIFY(isSilent(recording));
}

void TstSound::playWaveFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray samples = sweep16(6000, 2);
    const QByteArray image = wavImage(16, 2, 44100, samples);
    QTest::newRow("WAV file") << "APPLAUS.WAV" << image << toOutputFormat(AUDIO_S16LSB, 2, 44100, samples);
    QTest::newRow("missing file") << "MISSING.WAV" << QByteArray() << QByteArray();
    QTest::newRow("empty file") << "EMPTY.WAV" << QByteArray("") << QByteArray();
    QTest::newRow("text file") << "TEXT.WAV" << QByteArray("A text file, not a sound.\n") << QByteArray();
    QTest::newRow("a folder") << "FOLDER.WAV" << QByteArray() << QByteArray();
}

void TstSound::playWaveFile()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, contents);
    QFETCH(QByteArray, expected);

    const QString path = m_dir.filePath(name);
    if (name == "FOLDER.WAV") {
        QVERIFY(QDir(m_dir.path()).mkpath(name));
    } else if (name != "MISSING.WAV") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(contents), contents.size());
    }

    const qint64 start = outputSize();
    playWaveFile(path);
    if (expected.isEmpty()) {
        QTest::qWait(300);
        QVERIFY(isSilent(recordingSince(start)));
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(recordingSince(start).contains(expected), 5000);
    }
}

void TstSound::whatCutsOffAPlayingSound_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("cutsOff");

    QTest::newRow("another sound") << "play" << true;
    QTest::newRow("a malformed image") << "garbage" << true;
    QTest::newRow("StopSound") << "stop" << true;
    QTest::newRow("a missing file") << "missing file" << true;
    QTest::newRow("an empty image") << "empty" << false;
}

void TstSound::whatCutsOffAPlayingSound()
{
    QFETCH(QString, action);
    QFETCH(bool, cutsOff);

    const int firstFrames = OutputRateHz * 6 / 10;
    const QByteArray firstFrame = constantFrames(3001, -3001, 1);
    const QByteArray first = wavImage(16, 2, OutputRateHz, firstFrame.repeated(firstFrames));
    const int secondFrames = OutputRateHz / 10;
    const QByteArray secondFrame = constantFrames(5003, -5003, 1);
    const QByteArray second = wavImage(16, 2, OutputRateHz, secondFrame.repeated(secondFrames));
    auto framesOf = [](const QByteArray &recording, const QByteArray &frame) { return recording.count(frame); };

    const qint64 start = outputSize();
    playWave(first);
    QTRY_VERIFY_WITH_TIMEOUT(framesOf(recordingSince(start), firstFrame) > 0, 5000);

    if (action == "play")
        playWave(second);
    else if (action == "garbage")
        playWave("RIFF....WAVEjunk");
    else if (action == "stop")
        stopSound();
    else if (action == "missing file")
        playWaveFile(m_dir.filePath("NO_SUCH.WAV"));
    else if (action == "empty")
        playWave({});

    if (!cutsOff) {
        QTRY_COMPARE_WITH_TIMEOUT(framesOf(recordingSince(start), firstFrame), firstFrames, 5000);
        return;
    }
    if (action == "play")
        QTRY_COMPARE_WITH_TIMEOUT(framesOf(recordingSince(start), secondFrame), secondFrames, 5000);
    // Long enough for the rest of the first sound to have come out, had it not been cut off.
    QTest::qWait(700);

    const QByteArray recording = recordingSince(start);
    QVERIFY(framesOf(recording, firstFrame) < firstFrames);
    if (action == "play")
        QVERIFY(recording.lastIndexOf(firstFrame) < recording.indexOf(secondFrame));
}

void TstSound::failingDeviceMeansSilence_data()
{
    QTest::addColumn<QByteArray>("driver");
    QTest::addColumn<QString>("diskOutput");

    QTest::newRow("no such audio driver") << QByteArray("no_such_driver") << QString();
    QTest::newRow("device cannot open") << QByteArray("disk") << m_dir.filePath("no/such/folder/output.raw");
}

void TstSound::failingDeviceMeansSilence()
{
    QFETCH(QByteArray, driver);
    QFETCH(QString, diskOutput);

    const QString wavePath = m_dir.filePath("CHILD.WAV");
    QFile wave(wavePath);
    QVERIFY(wave.open(QIODevice::WriteOnly));
    wave.write(wavImage(16, 1, 22050, sweep16(2205, 1)));
    wave.close();

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(ChildModeVariable, "1");
    environment.insert(ChildWaveVariable, wavePath);
    environment.insert("SDL_AUDIODRIVER", QString::fromLatin1(driver));
    environment.insert("SDL_DISKAUDIOFILE", diskOutput);
    QProcess child;
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
    QCOMPARE(child.readAllStandardOutput(), QByteArray());
    QCOMPARE(child.readAllStandardError(), QByteArray());
}

// What a click costs the window that plays its sound: parsing and converting a short 8-bit mono sound.
void TstSound::playWaveCost()
{
    const QByteArray click = wavImage(8, 1, 22050, sweep8(22050 / 4, 1));
    QBENCHMARK {
        playWave(click);
    }
    stopSound();
}

// An idle device is closed, so that an idle game costs no processor time; the next sound opens it again.
void TstSound::deviceRestsWhenQuiet()
{
    const QByteArray first = sweep16(2205, 2);
    playWave(wavImage(16, 2, 44100, first));
    QVERIFY(isSoundDeviceOpen());
    QTRY_VERIFY_WITH_TIMEOUT(!isSoundDeviceOpen(), 4000);

    // The disk driver starts its file anew when the device opens.
    const QByteArray second = sweep16(4410, 2);
    playWave(wavImage(16, 2, 44100, second));
    QVERIFY(isSoundDeviceOpen());
    QTRY_VERIFY_WITH_TIMEOUT(recordingSince(0).contains(toOutputFormat(AUDIO_S16LSB, 2, 44100, second)), 5000);
}

// Runs last: once shut down, the player stays silent and never reopens the device.
void TstSound::shutdownClosesTheOutputForGood()
{
    playWave(wavImage(16, 2, 44100, sweep16(441, 2)));
    shutdownSound();
    shutdownSound();
    const QByteArray closedRecording = recordingSince(0);

    playWave(wavImage(16, 2, 44100, sweep16(4410, 2)));
    playWaveFile(m_dir.filePath("APPLAUS.WAV"));
    stopSound();
    QTest::qWait(300);
    QCOMPARE(recordingSince(0), closedRecording);
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsSet(ChildModeVariable))
        return exerciseWithoutDevice();
    QCoreApplication app(argc, argv);
    TstSound test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_sound.moc"
