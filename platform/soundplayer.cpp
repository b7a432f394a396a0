// soundplayer.cpp: playWave and friends over one SDL2 audio device fed through SDL's audio queue,
// by a thread of the player's own.
#include "platform/soundplayer.h"

#include "platform/regularfile.h"
#include "platform/wavimage.h"

// Only SDL's types and constants come from its headers: the sound thread opens the library itself
// once the first window is up, so the thirty libraries it brings with it do not slow the start-up,
// and a machine without it is simply silent.
#define SDL_MAIN_HANDLED
#include <SDL.h>

#include <dlfcn.h>

#include <atomic>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <utility>
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

// What a caller asks of the sound thread. Only the newest request counts: each one cuts off what
// was playing, so a sound asked for and replaced before the thread came to it is not missed.
struct Request {
    enum class Kind { Play, PlayFile, Stop };
    Kind kind = Kind::Stop;
    QByteArray bytes; // the image, or the file's path
};

// The sound thread owns SDL's audio: it opens the device, converts and queues every sound, and
// closes the device once it has been quiet for a while. Trying drivers (up to most of a second on
// a machine without a sound server) and opening a device thus never hold up a caller; a caller
// only leaves its request and wakes the thread. Made once and never destroyed: the thread may still
// wait on it while the program ends.
class SoundThread {
public:
    // Starts the thread unless it runs or has been shut down; it opens the device at once.
    void start()
    {
        std::lock_guard lock(m_mutex);
        startLocked();
    }

    void request(Request request)
    {
        std::lock_guard lock(m_mutex);
        // Nothing to stop before the first sound: the device is not opened for that.
        if (m_shutDown || (request.kind == Request::Kind::Stop && !m_running))
            return;
        startLocked();
        m_pending = std::move(request);
        m_wake.notify_one();
    }

    // Closes the device and ends the thread; waits for that, an attempt to open that runs included.
    void shutDown()
    {
        std::unique_lock lock(m_mutex);
        m_shutDown = true;
        m_wake.notify_one();
        m_wake.wait(lock, [this] { return !m_running; });
        m_state = DeviceState::ShutDown;
    }

    bool isOpen() const { return m_state == DeviceState::Open; }

    void setIdleCloseDelay(std::chrono::milliseconds delay)
    {
        std::lock_guard lock(m_mutex);
        m_idleCloseDelay = delay;
    }

private:
    using Clock = std::chrono::steady_clock;

    void startLocked()
    {
        if (m_running || m_shutDown)
            return;
        m_running = true;
        try {
            std::thread([this] { run(); }).detach();
        } catch (const std::system_error &) {
            // No thread to be had: the game is silent.
            m_running = false;
            m_shutDown = true;
        }
    }

    void run()
    {
        openDevice();
        std::unique_lock lock(m_mutex);
        for (;;) {
            const auto asked = [this] { return m_pending || m_shutDown; };
            // An open device closes when its time comes; a closed one waits for a sound.
            if (m_state == DeviceState::Open)
                m_wake.wait_until(lock, m_closeAt, asked);
            else
                m_wake.wait(lock, asked);
            if (m_shutDown)
                break;
            if (m_pending) {
                const Request request = std::exchange(m_pending, std::nullopt).value();
                lock.unlock();
                carryOut(request);
                lock.lock();
            } else if (m_state == DeviceState::Open && Clock::now() >= m_closeAt) {
                closeWhenQuiet();
            }
        }
        lock.unlock();
        if (m_state == DeviceState::Open)
            sdl()->CloseAudioDevice(m_device);
        if (m_state == DeviceState::Open || m_state == DeviceState::Resting)
            sdl()->QuitSubSystem(SDL_INIT_AUDIO);
        lock.lock();
        m_state = DeviceState::ShutDown;
        m_running = false;
        m_wake.notify_all();
    }

    void carryOut(const Request &request)
    {
        if (request.kind == Request::Kind::Stop) {
            if (m_state == DeviceState::Open)
                replaceQueuedSound(nullptr);
            return;
        }
        if (m_state == DeviceState::Resting)
            openDevice();
        if (m_state != DeviceState::Open)
            return;
        // Anything but a regular file of at most SoundCap bytes is silence.
        const QByteArray image = request.kind == Request::Kind::PlayFile
                                     ? readRegularFile(request.bytes, SoundCap).bytes
                                     : request.bytes;
        // Converted before the device is locked, so that its own thread never waits on it.
        const std::optional<std::vector<Uint8>> samples = convertForDevice(image);
        replaceQueuedSound(samples ? &*samples : nullptr);
        const int frameBytes = SDL_AUDIO_BITSIZE(m_obtained.format) / 8 * m_obtained.channels;
        const qint64 playMs = samples && frameBytes > 0 && m_obtained.freq > 0
                                  ? qint64(samples->size()) * 1000 / (qint64(frameBytes) * m_obtained.freq)
                                  : 0;
        std::lock_guard lock(m_mutex);
        m_closeAt = Clock::now() + std::chrono::milliseconds(playMs) + m_idleCloseDelay;
    }

    // The first attempt decides for the whole run: a machine without sound is not asked again.
    void openDevice()
    {
        const bool reopening = m_state == DeviceState::Resting;
        m_state = DeviceState::Unavailable;
        const SdlAudio *audio = sdl();
        if (!audio)
            return;
        if (!reopening) {
            // SDL would otherwise take over SIGINT and SIGTERM from the program.
            audio->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
            audio->SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Quintrel");
            audio->SetMainReady();
            if (audio->InitSubSystem(SDL_INIT_AUDIO) != 0)
                return;
        }
        SDL_AudioSpec wanted{};
        wanted.freq = DeviceRateHz;
        wanted.format = DeviceSampleFormat;
        wanted.channels = DeviceChannels;
        wanted.samples = DeviceBufferFrames;
        wanted.callback = nullptr; // fed with SDL_QueueAudio
        // No allowed changes: SDL converts to whatever the hardware takes, and the queue keeps our format.
        m_device = audio->OpenAudioDevice(nullptr, 0, &wanted, &m_obtained, 0);
        if (m_device == 0) {
            audio->QuitSubSystem(SDL_INIT_AUDIO);
            return;
        }
        audio->PauseAudioDevice(m_device, 0);
        std::lock_guard lock(m_mutex);
        m_closeAt = Clock::now() + m_idleCloseDelay;
        m_state = DeviceState::Open;
    }

    // Called with the lock held, once the device has had nothing new to play for a while.
    void closeWhenQuiet()
    {
        if (sdl()->GetQueuedAudioSize(m_device) > 0) {
            m_closeAt = Clock::now() + m_idleCloseDelay;
            return;
        }
        sdl()->CloseAudioDevice(m_device);
        m_device = 0;
        m_state = DeviceState::Resting;
    }

    // The image's samples in the device's format, or nothing when the image cannot be played.
    std::optional<std::vector<Uint8>> convertForDevice(const QByteArray &image) const
    {
        const std::optional<WavImage> wav = parseWavImage(image);
        if (!wav || wav->samples.isEmpty())
            return std::nullopt;
        const SDL_AudioFormat sourceFormat = wav->format.sampleFormat == WavSampleFormat::Unsigned8 ? AUDIO_U8
                                                                                                    : AUDIO_S16LSB;
        SDL_AudioCVT cvt;
        const int needed = sdl()->BuildAudioCVT(&cvt, sourceFormat, Uint8(wav->format.channels),
                                                wav->format.sampleRateHz, m_obtained.format, m_obtained.channels,
                                                m_obtained.freq);
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

    // Replaces whatever is queued with the new sound in one step, so the device never plays a mix
    // of the two.
    void replaceQueuedSound(const std::vector<Uint8> *samples)
    {
        sdl()->LockAudioDevice(m_device);
        sdl()->ClearQueuedAudio(m_device);
        if (samples && !samples->empty())
            sdl()->QueueAudio(m_device, samples->data(), Uint32(samples->size()));
        sdl()->UnlockAudioDevice(m_device);
    }

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::optional<Request> m_pending;
    bool m_running = false;
    bool m_shutDown = false;
    std::chrono::milliseconds m_idleCloseDelay = DefaultIdleCloseDelay;
    Clock::time_point m_closeAt;
    // Written by the thread alone; read by callers to tell whether the device is open.
    std::atomic<DeviceState> m_state = DeviceState::NotOpened;
    // The thread's own.
    SDL_AudioDeviceID m_device = 0;
    SDL_AudioSpec m_obtained{};
};

SoundThread &soundThread()
{
    static SoundThread *const thread = new SoundThread;
    return *thread;
}

} // namespace

void prepareSound() { soundThread().start(); }

void playWave(const QByteArray &image)
{
    if (!image.isEmpty())
        soundThread().request({Request::Kind::Play, image});
}

void playWaveFile(const QByteArray &path) { soundThread().request({Request::Kind::PlayFile, path}); }

void stopSound() { soundThread().request({Request::Kind::Stop, {}}); }

bool isSoundDeviceOpen() { return soundThread().isOpen(); }

void setSoundIdleCloseDelay(std::chrono::milliseconds delay) { soundThread().setIdleCloseDelay(delay); }

void shutdownSound() { soundThread().shutDown(); }

} // namespace quintrel
