// soundplayer.h: the game's sound player: WAV images and files played in the background, one sound at a time.
#pragma once

#include <QByteArray>
#include <QString>

#include <chrono>

namespace quintrel {

// Every call but shutdownSound() returns at once: a thread of the player's own opens the device,
// converts and queues the sounds, and closes the device when it has been quiet for a while. Any
// thread may call.

// Plays a whole WAV file image held in memory, in the background. A new sound cuts off the one
// still playing. Empty, malformed or unplayable images and a machine without sound mean silence:
// never a hang, a crash or a message. An empty image does nothing at all; any other image cuts off
// the sound still playing, even one that then turns out to be unplayable.
void playWave(const QByteArray &image);

// Plays a WAV file from disk the same way (the sound thread reads it); missing, not a regular file,
// larger than SoundCap or not a WAV: silence. The path is bytes in the file system's encoding.
// It always cuts off the sound still playing.
void playWaveFile(const QByteArray &path);

// Opens the sound device ahead of the first sound (while the splash waits for the player), so that
// the first card of the deal finds it open, or known to be missing. Optional: the first sound
// opens it too.
void prepareSound();

// Cuts off whatever is playing (the board window closing).
void stopSound();

// Closes the audio device and SDL's audio subsystem and ends the sound thread; called once at
// program end, it waits for an attempt to open the device that is still running. Safe to call
// twice. Every call after it is silent.
void shutdownSound();
// Whether the audio device is open now: it opens some moments after prepareSound() or a sound, and
// closes itself a second after the last sound ends, so an idle game uses no processor time for
// sound.
bool isSoundDeviceOpen();
// How long the device stays open once the last sound has ended: a second unless changed. Tests
// shorten it rather than wait.
void setSoundIdleCloseDelay(std::chrono::milliseconds delay);

} // namespace quintrel
