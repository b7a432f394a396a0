// stepplayer.h: plays the steps of a deal, a swap or a rebuild one after another on one timer.
#pragma once

#include "game/game.h"

#include <QTimer>

#include <chrono>
#include <deque>
#include <functional>
#include <vector>

namespace quintrel {

// Every pause of the game: after each step that asks for one, and once between the splash and the
// board.
constexpr auto StepPause = std::chrono::milliseconds(150);

// Hands the steps it is given, one after another, to the window, which carries each out, paints and
// sounds it. After a step that asks for a pause it arms its one timer and returns to the event loop,
// so every handler runs to its end before the next event and no step ever runs inside another's
// pause. A new sequence replaces the running one. A step never waits for the player (no window's
// own event loop runs inside one): what must wait, such as a modal window opened by a step, holds
// the sequence instead.
class StepPlayer {
public:
    using PlayStep = std::function<void(const Step &)>;
    explicit StepPlayer(PlayStep playStep);

    // Plays the steps in place of the running sequence: those before the first pause at once, the
    // others as the pauses end; `then` runs once the last step and its pause are over.
    void play(std::vector<Step> steps, std::function<void()> then = {});
    // Drops the running sequence: nothing more of it is played.
    void stop();
    // True while steps or a pause remain.
    bool isPlaying() const { return !m_steps.empty() || m_pausing || m_pauseOver; }

    // While held, a pause that ends keeps the next step waiting until the hold is released.
    void hold(bool held);

    // A test's own clock: a pause calls it instead of starting the timer, and the test ends the
    // pause with endPause() when it chooses.
    using PauseClock = std::function<void(std::chrono::milliseconds)>;
    void setPauseClock(PauseClock clock) { m_clock = std::move(clock); }
    // Ends the pause that is running, as the timer does when it runs out.
    void endPause();

private:
    void playOn();

    PlayStep m_playStep;
    std::deque<Step> m_steps;
    std::function<void()> m_then;
    QTimer m_timer;
    PauseClock m_clock;
    bool m_pausing = false;
    bool m_held = false;
    bool m_pauseOver = false; // the pause ended while held
};

} // namespace quintrel
