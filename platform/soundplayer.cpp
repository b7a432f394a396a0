// soundplayer.cpp: playWave and friends over one SDL2 audio device fed through SDL's audio queue.
#include "platform/soundplayer.h"

#include "platform/regularfile.h"
#include "platform/wavimage.h"

#include <QCoreApplication>
#include <QTimer>

// Only SDL's types and constants come from its headers: the library itself is opened at the first
// sound (or while the splash is up), so the thirty libraries it brings with it do not slow the
// start-up, and a machine without it is simply silent.
#define SDL_MAIN_HANDLED
#include <SDL.h>

#include <dlfcn.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

namespace quintrel {

namespace {

// The entry points of SDL's audio that the player uses, looked up in the library when it opens.
struct SdlAudio {
    SDL_bool (*SetHint)(const char *, const char *) = nullptr;
    void (*SetMainReady)() = nullptr;
    int (*InitSubSystem)(Uint32) = nullptr;
    void (*QuitSubSystem)(Uint32) = nullptr;
    SDL_AudioDeviceID (*OpenAudioDevice)(const char *, int, const SDL_AudioSpec *, SDL_AudioSpec *, int) = nullptr;
    void (*CloseAudioDevice)(SDL_AudioDeviceID) = nullptr;
    void (*PauseAudioDevice)(SDL_AudioDeviceID, int) = nullptr;
    void (*LockAudioDevice)(SDL_AudioDeviceID) = nullptr;
    void (*UnlockAudioDevice)(SDL_AudioDeviceID) = nullptr;
    int (*QueueAudio)(SDL_AudioDeviceID, const void *, Uint32) = nullptr;
    void (*ClearQueuedAudio)(SDL_AudioDeviceID) = nullptr;
    Uint32 (*GetQueuedAudioSize)(SDL_AudioDeviceID) = nullptr;
    int (*BuildAudioCVT)(SDL_AudioCVT *, SDL_AudioFormat, Uint8, int, SDL_AudioFormat, Uint8, int) = nullptr;
    int (*ConvertAudio)(SDL_AudioCVT *) = nullptr;
};

template <typename Function>
bool lookUp(void *library, const char *name, Function &entry)
{
    entry = reinterpret_cast<Function>(dlsym(library, name));
    return entry != nullptr;
}

// SDL's audio, or nullptr when the library is missing or lacks an entry point. Opened once; the
// library stays loaded until the program ends.
const SdlAudio *sdl()
{
    static const SdlAudio *const loaded = []() -> const SdlAudio * {
        void *library = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!library)
            return nullptr;
        static SdlAudio audio;
        // Each entry point is found under SDL's name for it: SDL_ and the member's name.
#define QUINTREL_LOOK_UP(entry) lookUp(library, "SDL_" #entry, audio.entry)
        const bool complete = QUINTREL_LOOK_UP(SetHint) && QUINTREL_LOOK_UP(SetMainReady)
                              && QUINTREL_LOOK_UP(InitSubSystem) && QUINTREL_LOOK_UP(QuitSubSystem)
                              && QUINTREL_LOOK_UP(OpenAudioDevice) && QUINTREL_LOOK_UP(CloseAudioDevice)
                              && QUINTREL_LOOK_UP(PauseAudioDevice) && QUINTREL_LOOK_UP(LockAudioDevice)
                              && QUINTREL_LOOK_UP(UnlockAudioDevice) && QUINTREL_LOOK_UP(QueueAudio)
                              && QUINTREL_LOOK_UP(ClearQueuedAudio) && QUINTREL_LOOK_UP(GetQueuedAudioSize)
                              && QUINTREL_LOOK_UP(BuildAudioCVT) && QUINTREL_LOOK_UP(ConvertAudio);
#undef QUINTREL_LOOK_UP
        return complete ? &audio : nullptr;
    }();
    return loaded;
}

// Every sound is converted to this one format, so the device never has to be reopened for a new sound.
constexpr int DeviceRateHz = 44100;
constexpr SDL_AudioFormat DeviceSampleFormat = AUDIO_S16SYS;
constexpr Uint8 DeviceChannels = 2;
// About 23 ms at 44.1 kHz: how long the previous sound can still be heard after a cut-off.
constexpr Uint16 DeviceBufferFrames = 1024;

// Upsampling can multiply an image's size many times; past this the sound is refused rather than converted.
constexpr std::uint64_t MaxConvertedBytes = 128 * 1024 * 1024;

// A device left running plays silence and wakes its thread every buffer; once the last sound has
// been quiet this long the device is closed, and the next sound opens it again.
constexpr auto DefaultIdleCloseDelay = std::chrono::milliseconds(1000);

enum class DeviceState {
    NotOpened,
    Open,
    Resting,     // opened before and closed while idle: the next sound opens it again
    Unavailable, // no audio subsystem or device on this machine: stay silent, don't ask again
    ShutDown,
};

struct Player {
    DeviceState state = DeviceState::NotOpened;
    SDL_AudioDeviceID device = 0;
    SDL_AudioSpec obtained{}; // the format the device was opened with
    QTimer *idleTimer = nullptr;
    std::chrono::milliseconds idleCloseDelay = DefaultIdleCloseDelay;
};

Player &player()
{
    static Player instance;
    return instance;
}

bool ensureDeviceOpen()
{
    Player &p = player();
    if (p.state != DeviceState::NotOpened && p.state != DeviceState::Resting)
        return p.state == DeviceState::Open;

    const bool reopening = p.state == DeviceState::Resting;
    // The first attempt decides for the whole run, whatever its outcome.
    p.state = DeviceState::Unavailable;

    const SdlAudio *audio = sdl();
    if (!audio)
        return false;
    if (!reopening) {
        // SDL would otherwise take over SIGINT and SIGTERM from the program.
        audio->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        audio->SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Quintrel");
        audio->SetMainReady();
        if (audio->InitSubSystem(SDL_INIT_AUDIO) != 0)
            return false;
    }

    SDL_AudioSpec wanted{};
    wanted.freq = DeviceRateHz;
    wanted.format = DeviceSampleFormat;
    wanted.channels = DeviceChannels;
    wanted.samples = DeviceBufferFrames;
    wanted.callback = nullptr; // fed with SDL_QueueAudio

    // No allowed changes: SDL converts to whatever the hardware takes, and the queue keeps our format.
    p.device = sdl()->OpenAudioDevice(nullptr, 0, &wanted, &p.obtained, 0);
    if (p.device == 0) {
        sdl()->QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    sdl()->PauseAudioDevice(p.device, 0);
    p.state = DeviceState::Open;
    return true;
}

// The image's samples in the device's format, or nothing when the image cannot be played.
std::optional<std::vector<Uint8>> convertForDevice(const QByteArray &image)
{
    const std::optional<WavImage> wav = parseWavImage(image);
    if (!wav || wav->samples.isEmpty())
        return std::nullopt;

    const SDL_AudioSpec &device = player().obtained;
    const SDL_AudioFormat sourceFormat = wav->format.sampleFormat == WavSampleFormat::Unsigned8 ? AUDIO_U8
                                                                                                : AUDIO_S16LSB;
    SDL_AudioCVT cvt;
    const int needed = sdl()->BuildAudioCVT(&cvt, sourceFormat, Uint8(wav->format.channels), wav->format.sampleRateHz,
                                            device.format, device.channels, device.freq);
    if (needed < 0)
        return std::nullopt;

    const auto sourceBytes = std::uint64_t(wav->samples.size());
    const std::uint64_t workBytes = needed ? sourceBytes * std::uint64_t(cvt.len_mult) : sourceBytes;
    if (workBytes > MaxConvertedBytes)
        return std::nullopt;

    std::vector<Uint8> buffer(workBytes);
    std::memcpy(buffer.data(), wav->samples.data(), sourceBytes);
    if (!needed)
        return buffer;

    cvt.buf = buffer.data();
    cvt.len = int(sourceBytes);
    if (sdl()->ConvertAudio(&cvt) != 0)
        return std::nullopt;
    buffer.resize(std::size_t(cvt.len_cvt));
    return buffer;
}

// Replaces whatever is queued with the new sound in one step, so the device never plays a mix of the two.
void replaceQueuedSound(const std::vector<Uint8> *samples)
{
    const SDL_AudioDeviceID device = player().device;
    sdl()->LockAudioDevice(device);
    sdl()->ClearQueuedAudio(device);
    if (samples && !samples->empty())
        sdl()->QueueAudio(device, samples->data(), Uint32(samples->size()));
    sdl()->UnlockAudioDevice(device);
}

void closeWhenQuiet()
{
    Player &p = player();
    if (p.state != DeviceState::Open)
        return;
    if (sdl()->GetQueuedAudioSize(p.device) > 0) {
        p.idleTimer->start(p.idleCloseDelay);
        return;
    }
    sdl()->CloseAudioDevice(p.device);
    p.device = 0;
    p.state = DeviceState::Resting;
}

// Starts the countdown to closing the device once the queued sound has played.
void scheduleIdleClose(std::size_t queuedBytes)
{
    Player &p = player();
    if (!QCoreApplication::instance())
        return;
    if (!p.idleTimer) {
        p.idleTimer = new QTimer(QCoreApplication::instance());
        p.idleTimer->setSingleShot(true);
        QObject::connect(p.idleTimer, &QTimer::timeout, p.idleTimer, &closeWhenQuiet);
    }
    const int frameBytes = SDL_AUDIO_BITSIZE(p.obtained.format) / 8 * p.obtained.channels;
    const qint64 playMs = frameBytes > 0 && p.obtained.freq > 0
                              ? qint64(queuedBytes) * 1000 / (qint64(frameBytes) * p.obtained.freq)
                              : 0;
    p.idleTimer->start(std::chrono::milliseconds(std::min<qint64>(playMs, 10 * 60 * 1000)) + p.idleCloseDelay);
}

void playImage(const QByteArray &image)
{
    // Conversion happens before the device is locked, so the audio thread is never kept waiting on it.
    const std::optional<std::vector<Uint8>> samples = convertForDevice(image);
    replaceQueuedSound(samples ? &*samples : nullptr);
    scheduleIdleClose(samples ? samples->size() : 0);
}

// Anything but a regular file of at most SoundCap bytes is silence.
QByteArray readSoundFile(const QByteArray &path) { return readRegularFile(path, SoundCap).bytes; }

} // namespace

void prepareSound() { sdl(); }

void playWave(const QByteArray &image)
{
    if (image.isEmpty() || !ensureDeviceOpen())
        return;
    playImage(image);
}

void playWaveFile(const QByteArray &path)
{
    if (!ensureDeviceOpen())
        return;
    playImage(readSoundFile(path));
}

void stopSound()
{
    if (player().state == DeviceState::Open)
        replaceQueuedSound(nullptr);
}

bool isSoundDeviceOpen() { return player().state == DeviceState::Open; }

void setSoundIdleCloseDelay(std::chrono::milliseconds delay) { player().idleCloseDelay = delay; }

void shutdownSound()
{
    Player &p = player();
    if (p.state == DeviceState::Open)
        sdl()->CloseAudioDevice(p.device);
    if (p.state == DeviceState::Open || p.state == DeviceState::Resting) {
        sdl()->QuitSubSystem(SDL_INIT_AUDIO);
        p.device = 0;
    }
    if (p.idleTimer)
        p.idleTimer->stop();
    p.state = DeviceState::ShutDown;
}

} // namespace quintrel
