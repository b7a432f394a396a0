// pause.h: the pause between the steps of a deal, a swap or a rebuild, during which the windows
// keep taking events.
#pragma once

#include <chrono>

namespace quintrel {

// Every pause of the game: between the steps of a deal, a swap and a rebuild, and once between the
// splash and the board.
constexpr auto StepPause = std::chrono::milliseconds(150);

// Waits while events keep being delivered: on the event loop (no busy loop), measured on a
// monotonic clock. Zero or less returns at once without delivering anything.
void waitFor(std::chrono::milliseconds duration);

// Makes every pause now running return at once.
void abortWaits();

} // namespace quintrel
