// stepplayer.cpp: the queue of steps and the timer that spaces them.
#include "windows/stepplayer.h"

#include <utility>

namespace quintrel {

StepPlayer::StepPlayer(PlayStep playStep)
    : m_playStep(std::move(playStep))
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { endPause(); });
}

void StepPlayer::play(std::vector<Step> steps, std::function<void()> then)
{
    stop();
    m_steps.assign(steps.begin(), steps.end());
    m_then = std::move(then);
    playOn();
}

void StepPlayer::stop()
{
    m_timer.stop();
    m_steps.clear();
    m_then = nullptr;
    m_pausing = false;
    m_pauseOver = false;
}

void StepPlayer::hold(bool held)
{
    m_held = held;
    if (!m_held && m_pauseOver) {
        m_pauseOver = false;
        playOn();
    }
}

void StepPlayer::endPause()
{
    if (!m_pausing)
        return;
    m_pausing = false;
    if (m_held)
        m_pauseOver = true;
    else
        playOn();
}

void StepPlayer::playOn()
{
    while (!m_steps.empty()) {
        const Step step = m_steps.front();
        m_steps.pop_front();
        m_playStep(step);
        if (step.pauseAfter) {
            m_pausing = true;
            if (m_clock)
                m_clock(StepPause);
            else
                m_timer.start(StepPause);
            return;
        }
    }
    if (m_then)
        std::exchange(m_then, nullptr)();
}

} // namespace quintrel
