// pause.cpp: the pause on the event loop, and ending every pause at once.
#include "platform/pause.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace quintrel {

namespace {

// Every running pause listens to this; abortWaits() ends them all.
class WaitAborter : public QObject {
    Q_OBJECT
public:
    static WaitAborter &instance()
    {
        static WaitAborter aborter;
        return aborter;
    }
    quint64 generation = 0;

signals:
    void aborted();
};

} // namespace

void abortWaits()
{
    WaitAborter &aborter = WaitAborter::instance();
    ++aborter.generation;
    emit aborter.aborted();
}

void waitFor(std::chrono::milliseconds duration)
{
    if (duration.count() <= 0)
        return;
    const qint64 nanoseconds = std::chrono::nanoseconds(duration).count();
    QElapsedTimer clock; // monotonic: a pause across midnight or a clock change still ends on time
    clock.start();

    WaitAborter &aborter = WaitAborter::instance();
    const quint64 generation = aborter.generation;

    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&aborter, &WaitAborter::aborted, &loop, &QEventLoop::quit);

    for (;;) {
        const qint64 remaining = nanoseconds - clock.nsecsElapsed();
        if (remaining <= 0 || aborter.generation != generation)
            return;
        timer.start(static_cast<int>((remaining + 999'999) / 1'000'000));
        loop.exec();
    }
}

} // namespace quintrel

#include "pause.moc"
