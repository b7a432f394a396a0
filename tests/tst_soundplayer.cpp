// tst_soundplayer.cpp: the sound player on SDL's disk audio driver, which records what really
// reached the output, in real time: the sounds are kept short, and each check waits on the
// recording's growth rather than on the clock.
#include "platform/soundplayer.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>

// SDL's types only: its conversion is looked up in the library at run time, as the player does.
#include <SDL2/SDL_audio.h>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iostream>

using namespace quintrel;
using namespace quintrel::testing;
using namespace std::chrono_literals;

namespace {

// What the player feeds the device; the recording holds samples in this format.
constexpr int OutputRateHz = 44100;
constexpr int OutputChannels = 2;
constexpr int OutputFrameBytes = 4;
// The device's buffer; a cut-off sound can still be heard for about two of them.
constexpr qint64 DeviceBufferBytes = 1024 * OutputFrameBytes;
constexpr qint64 CutOffLatencyBytes = 3 * DeviceBufferBytes;

const char ChildModeVariable[] = "QUINTREL_TST_SOUND_CHILD";
const char ChildWaveVariable[] = "QUINTREL_TST_SOUND_WAVE";

QByteArray le16(quint16 v)
{
    const char bytes[2] = {char(v & 0xFF), char(v >> 8)};
    return QByteArray(bytes, 2);
}

QByteArray le32(quint32 v) { return le16(quint16(v & 0xFFFF)) + le16(quint16(v >> 16)); }

// A PCM WAV image of any sample size, channel count and rate.
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
QByteArray sweep(int bits, int frames, int channels)
{
    QByteArray s;
    for (int i = 0; i < frames; ++i) {
        const double phase = 0.0005 * double(i) * double(i) / 40.0 + 0.05 * i;
        for (int c = 0; c < channels; ++c) {
            if (bits == 8)
                s += char(128 + std::lround(100.0 * std::sin(phase + c)));
            else
                s += le16(quint16(qint16(std::lround(12000.0 * std::sin(phase + c)))));
        }
    }
    return s;
}

// The same frame over and over, in the output format, so a sound's share of the recording can be counted.
QByteArray constantFrame(qint16 left, qint16 right) { return le16(quint16(left)) + le16(quint16(right)); }

// The samples as they reach the output: converted by SDL's own conversion, as the player does.
QByteArray toOutputFormat(SDL_AudioFormat format, int channels, int rateHz, const QByteArray &samples)
{
    static void *const library = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return {};
    static const auto build = reinterpret_cast<decltype(&SDL_BuildAudioCVT)>(dlsym(library, "SDL_BuildAudioCVT"));
    static const auto convert = reinterpret_cast<decltype(&SDL_ConvertAudio)>(dlsym(library, "SDL_ConvertAudio"));
    SDL_AudioCVT cvt;
    const int needed = build(&cvt, format, Uint8(channels), rateHz, AUDIO_S16SYS, OutputChannels, OutputRateHz);
    if (needed <= 0)
        return samples;
    QByteArray buffer(samples.size() * cvt.len_mult, '\0');
    std::memcpy(buffer.data(), samples.constData(), size_t(samples.size()));
    cvt.buf = reinterpret_cast<Uint8 *>(buffer.data());
    cvt.len = int(samples.size());
    if (convert(&cvt) != 0)
        return {};
    buffer.truncate(cvt.len_cvt);
    return buffer;
}

bool isSilent(const QByteArray &recording)
{
    return std::all_of(recording.cbegin(), recording.cend(), [](char c) { return c == 0; });
}

// Polls often: the sounds are short, and a cut-off must come while the first one still plays.
bool waitUntil(const std::function<bool()> &done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > 5000)
            return false;
        QTest::qWait(5);
    }
    return true;
}

// Runs in a child process whose audio device cannot work: every call must come back quietly.
int exerciseWithoutDevice()
{
    const QByteArray image = waveImage(4410, 0x10);
    playWave(image);
    playWave(image);
    playWaveFile(qgetenv(ChildWaveVariable));
    playWave(QByteArray("RIFF"));
    stopSound();
    shutdownSound();
    shutdownSound();
    playWave(image);
    return 0;
}

} // namespace

class tst_SoundPlayer : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_outputPath = m_dir.filePath("output.raw");
        // Must be in place before the first sound opens the device.
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", bytesOf(m_outputPath));
    }

    void playedSoundReachesTheOutput_data()
    {
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<bool>("fromFile");
        QTest::addColumn<QByteArray>("expected");

        const QByteArray stereo16 = sweep(16, 2205, 2);
        QTest::newRow("16-bit stereo 44100 Hz, as it comes") << wavImage(16, 2, 44100, stereo16) << false << stereo16;
        const QByteArray mono16 = sweep(16, 1102, 1);
        QTest::newRow("16-bit mono 22050 Hz")
            << wavImage(16, 1, 22050, mono16) << false << toOutputFormat(AUDIO_S16LSB, 1, 22050, mono16);
        const QByteArray stereo8 = sweep(8, 551, 2);
        QTest::newRow("8-bit stereo 11025 Hz")
            << wavImage(8, 2, 11025, stereo8) << false << toOutputFormat(AUDIO_U8, 2, 11025, stereo8);
        const QByteArray mono8 = sweep(8, 2205, 1);
        QTest::newRow("8-bit mono 44100 Hz from a file")
            << wavImage(8, 1, 44100, mono8) << true << toOutputFormat(AUDIO_U8, 1, 44100, mono8);
    }
    void playedSoundReachesTheOutput()
    {
        QFETCH(QByteArray, image);
        QFETCH(bool, fromFile);
        QFETCH(QByteArray, expected);
        QVERIFY(!expected.isEmpty() && !isSilent(expected));

        const qint64 start = startRecording();
        if (fromFile) {
            const QString path = m_dir.filePath("APPLAUS.WAV");
            QVERIFY(writeFile(path, image));
            playWaveFile(bytesOf(path));
        } else {
            playWave(image);
        }
        QVERIFY(waitUntil([&] { return recordingSince(start).contains(expected); }));
    }

    void unplayableSoundIsSilent_data()
    {
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<QString>("fileName"); // played from this file instead; "/" ending: a folder

        QTest::newRow("not a WAV image") << QByteArray("Not a sound, only a few words of text standing in for one.")
                                         << QString();
        QTest::newRow("no whole frame") << wavImage(16, 2, 44100, sweep(16, 10, 2)).first(47) << QString();
        QTest::newRow("a missing file") << QByteArray() << "MISSING.WAV";
        QTest::newRow("a folder") << QByteArray() << "FOLDER.WAV/";
    }
    void unplayableSoundIsSilent()
    {
        QFETCH(QByteArray, image);
        QFETCH(QString, fileName);

        if (fileName.endsWith('/'))
            QVERIFY(QDir(m_dir.path()).mkpath(fileName));
        const qint64 start = startQuietRecording();
        if (fileName.isEmpty())
            playWave(image);
        else
            playWaveFile(bytesOf(m_dir.filePath(fileName)));
        // Whatever was queued has come out by now.
        QVERIFY(waitForOutput(start + CutOffLatencyBytes));
        QVERIFY(isSilent(recordingSince(start)));
    }

    void whatCutsOffAPlayingSound_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("cutsOff");

        QTest::newRow("another sound") << "play" << true;
        QTest::newRow("a malformed image") << "garbage" << true;
        QTest::newRow("stopSound") << "stop" << true;
        QTest::newRow("a missing file") << "missing file" << true;
        QTest::newRow("an empty image") << "empty" << false;
    }
    void whatCutsOffAPlayingSound()
    {
        QFETCH(QString, action);
        QFETCH(bool, cutsOff);

        // A quarter of a second leaves time to act while it plays, even on a busy machine.
        const int firstFrames = OutputRateHz / 4;
        const QByteArray firstFrame = constantFrame(3001, -3001);
        const QByteArray first = wavImage(16, 2, OutputRateHz, firstFrame.repeated(firstFrames));
        const int secondFrames = OutputRateHz / 20;
        const QByteArray secondFrame = constantFrame(5003, -5003);
        const QByteArray second = wavImage(16, 2, OutputRateHz, secondFrame.repeated(secondFrames));
        const auto framesSince = [this](qint64 start, const QByteArray &frame) {
            return recordingSince(start).count(frame);
        };

        const qint64 start = startRecording();
        playWave(first);
        QVERIFY(waitUntil([&] { return framesSince(start, firstFrame) > 0; }));

        if (action == "play")
            playWave(second);
        else if (action == "garbage")
            playWave("RIFF....WAVEjunk");
        else if (action == "stop")
            stopSound();
        else if (action == "missing file")
            playWaveFile(bytesOf(m_dir.filePath("NO_SUCH.WAV")));
        else if (action == "empty")
            playWave({});

        if (!cutsOff) {
            QVERIFY(waitUntil([&] { return framesSince(start, firstFrame) == firstFrames; }));
            return;
        }
        if (action == "play")
            QVERIFY(waitUntil([&] { return framesSince(start, secondFrame) == secondFrames; }));
        // Enough output for the whole first sound to have come out, had it not been cut off.
        QVERIFY(waitForOutput(start + firstFrames * OutputFrameBytes + CutOffLatencyBytes));

        const QByteArray recording = recordingSince(start);
        QVERIFY(recording.count(firstFrame) < firstFrames);
        if (action == "play")
            QVERIFY(recording.lastIndexOf(firstFrame) < recording.indexOf(secondFrame));
    }

    void failingDeviceMeansSilence_data()
    {
        QTest::addColumn<QByteArray>("driver");
        QTest::addColumn<QString>("diskOutput");

        QTest::newRow("no such audio driver") << QByteArray("no_such_driver") << QString();
        QTest::newRow("device cannot open") << QByteArray("disk") << m_dir.filePath("no/such/folder/output.raw");
    }
    void failingDeviceMeansSilence()
    {
        QFETCH(QByteArray, driver);
        QFETCH(QString, diskOutput);

        const QString wavePath = m_dir.filePath("CHILD.WAV");
        QVERIFY(writeFile(wavePath, waveImage(2205, 0x10)));

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

    // Trying a driver or opening a device can take a second or more; a window that plays a sound
    // meanwhile must not wait for it. Here the device is a pipe that cannot open until it is read.
    void aSoundWaitsForTheDeviceNotTheCaller()
    {
        const QByteArray pipePath = bytesOf(m_dir.filePath("opening.raw"));
        QCOMPARE(mkfifo(pipePath.constData(), 0600), 0);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(ChildModeVariable, "opening");
        environment.insert("SDL_AUDIODRIVER", "disk");
        environment.insert("SDL_DISKAUDIOFILE", QString::fromLocal8Bit(pipePath));
        QProcess child;
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForReadyRead(10000));
        const int pipe = open(pipePath.constData(), O_RDONLY | O_NONBLOCK);
        QByteArray heard, chunk(16384, '\0');
        // The device writes on until the child has closed it, which it does once the sound is heard.
        QVERIFY(waitUntil([&] {
            for (ssize_t got; (got = read(pipe, chunk.data(), chunk.size())) > 0;)
                heard.append(chunk.constData(), got);
            if (heard.contains(sweep(16, 2205, 2)))
                child.closeWriteChannel();
            return child.waitForFinished(5);
        }));
        close(pipe);
        QCOMPARE(child.exitCode(), 0);
    }

    // An idle device is closed, so that an idle game costs no processor time, but only once its sound
    // has played out; the next sound opens it again.
    void deviceRestsWhenQuiet()
    {
        // Shorter than the sound, so that a device closed before the sound ended would cut it.
        setSoundIdleCloseDelay(50ms);
        const qint64 start = startRecording();
        const QByteArray first = sweep(16, 4410, 2);
        playWave(wavImage(16, 2, 44100, first));
        QVERIFY(waitUntil([] { return !isSoundDeviceOpen(); }));
        setSoundIdleCloseDelay(1s);
        QVERIFY(recordingSince(start).contains(first));

        // The disk driver starts its file anew when the device opens.
        const QByteArray second = sweep(16, 6615, 2);
        playWave(wavImage(16, 2, 44100, second));
        QVERIFY(waitUntil(isSoundDeviceOpen));
        QVERIFY(waitUntil([&] { return recordingSince(0).contains(second); }));
    }

    // Runs last: once shut down, the player stays silent and never reopens the device.
    void shutdownClosesTheOutputForGood()
    {
        const QString path = m_dir.filePath("APPLAUS.WAV");
        QVERIFY(writeFile(path, wavImage(16, 2, 44100, sweep(16, 2205, 2))));
        playWave(wavImage(16, 2, 44100, sweep(16, 441, 2)));
        shutdownSound();
        shutdownSound();
        const QByteArray closedRecording = recordingSince(0);

        playWave(wavImage(16, 2, 44100, sweep(16, 2205, 2)));
        playWaveFile(bytesOf(path));
        stopSound();
        // Time for a device opened again to write its first buffers.
        QTest::qWait(100);
        QCOMPARE(recordingSince(0), closedRecording);
    }

private:
    qint64 outputSize() const { return QFileInfo(m_outputPath).size(); }
    QByteArray recordingSince(qint64 offset) const
    {
        QFile file(m_outputPath);
        if (!file.open(QIODevice::ReadOnly) || !file.seek(offset))
            return {};
        return file.readAll();
    }
    bool waitForOutput(qint64 size) const
    {
        return waitUntil([&] { return outputSize() >= size; });
    }
    // Where the recording stands with the device open. The disk driver starts its file anew whenever
    // the device opens, so the device is opened (with a silent sound) before the place is taken.
    qint64 startRecording()
    {
        if (!isSoundDeviceOpen())
            playWave(waveImage(1, 0));
        waitUntil(isSoundDeviceOpen);
        return outputSize();
    }
    // The same, once whatever played before has been cut off and has drained out of the device.
    qint64 startQuietRecording()
    {
        startRecording();
        playWave(waveImage(1, 0));
        waitForOutput(outputSize() + CutOffLatencyBytes);
        return outputSize();
    }

    QTemporaryDir m_dir;
    QString m_outputPath;
};

int main(int argc, char *argv[])
{
    // A child whose device is a pipe that nobody reads yet, so that opening it waits: the calls
    // must come back all the same (the child then says so), and the sound asked for meanwhile
    // plays once the device is open. The parent closes the child's input once it has heard it.
    if (qEnvironmentVariable(ChildModeVariable) == QLatin1String("opening")) {
        prepareSound();
        playWave(wavImage(16, 2, 44100, sweep(16, 2205, 2)));
        std::cout << "asked" << std::endl;
        std::cin.get();
        shutdownSound();
        return 0;
    }
    if (qEnvironmentVariableIsSet(ChildModeVariable))
        return exerciseWithoutDevice();
    QCoreApplication app(argc, argv);
    tst_SoundPlayer test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_soundplayer.moc"
