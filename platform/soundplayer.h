// soundplayer.h: the game's sound player: WAV images and files played in the background, one sound at a time.
#pragma once

#include <QByteArray>
#include <QString>

#include <chrono>

namespace quintrel {

// Plays a whole WAV file image held in memory, in the background, and returns at once.
// A new sound cuts off the one still playing. Empty, malformed or unplayable images and a machine
// without sound mean silence: never a hang, a crash or a message.
// An empty image does nothing at all; any other image cuts off the sound still playing, even one that
// then turns out to be unplayable.
void playWave(const QByteArray &image);

// Plays a WAV file from disk the same way (reads it at the call); missing, not a regular file,
// larger than SoundCap or not a WAV: silence. The path is bytes in the file system's encoding.
// It always cuts off the sound still playing.
void playWaveFile(const QByteArray &path);

// Opens the sound library ahead of the first sound (while the splash waits for the player), so
// that the first card of the deal does not wait for it. Optional: the first sound opens it too.
void prepareSound();

// Cuts off whatever is playing (the board window closing).
void stopSound();

// Closes the audio device and SDL's audio subsystem; called once at program end. Safe to call twice.
// Every call after it is silent.
void shutdownSound();
// Whether the audio device is open now: it closes itself a second after the last sound ends, so an
// idle game uses no processor time for sound.
bool isSoundDeviceOpen();
// How long the device stays open once the last sound has ended: a second unless changed. Tests
// shorten it rather than wait.
void setSoundIdleCloseDelay(std::chrono::milliseconds delay);

} // namespace quintrel
