// Services the game's procedures share: the pause that keeps windows responsive, the whole-file
// reader for the move sounds, and the two sound images held in memory.
#pragma once

#include <QByteArray>
#include <QString>

namespace quintrel {

// The move sounds, read once when the board window loads; empty means silence.
extern QByteArray snipSound;
extern QByteArray clickSound;

// Pauses for the given seconds while events keep being delivered. It waits on the event loop
// (no busy loop) and measures on a monotonic clock. Zero or less returns at once without
// delivering anything. AbortWaits() makes every pause now running return at once.
void WaitSeconds(float seconds);
void AbortWaits();

// Reads a whole file as raw bytes, in 1024-byte blocks, and trims blanks (0x20 only) from both
// ends. A missing file is created empty where its folder can be written (then the result is
// true and empty). Any failure gives an empty result and false.
bool ReadTextFile(const QString &path, QByteArray &contents);

} // namespace quintrel
