// The pause, the whole-file reader and the sound images.
#include "app/services.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <cmath>

namespace quintrel {

QByteArray snipSound;
QByteArray clickSound;

namespace {

// Every running pause listens to this; AbortWaits() ends them all.
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

void AbortWaits()
{
    WaitAborter &aborter = WaitAborter::instance();
    ++aborter.generation;
    emit aborter.aborted();
}

void WaitSeconds(float seconds)
{
    if (!(seconds > 0.0f))
        return;
    const qint64 duration = static_cast<qint64>(std::ceil(static_cast<double>(seconds) * 1e9));
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
        const qint64 remaining = duration - clock.nsecsElapsed();
        if (remaining <= 0 || aborter.generation != generation)
            return;
        timer.start(static_cast<int>((remaining + 999'999) / 1'000'000));
        loop.exec();
    }
}

bool ReadTextFile(const QString &path, QByteArray &contents)
{
    contents.clear();
    QByteArray buffer(1024, ' ');
    QFile file(path);
    // Read-write where the file allows it (which also creates a missing file in a writable
    // folder), else read only.
    if (!file.open(QIODevice::ReadWrite) && !file.open(QIODevice::ReadOnly))
        return false;

    QByteArray result;
    for (;;) {
        const qint64 got = file.read(buffer.data(), buffer.size());
        if (got < 0) {
            contents.clear();
            return false;
        }
        if (got == 0)
            break;
        result.append(buffer.constData(), got);
    }
    file.close();

    qsizetype begin = 0;
    qsizetype end = result.size();
    while (begin < end && result.at(begin) == ' ')
        ++begin;
    while (end > begin && result.at(end - 1) == ' ')
        --end;
    contents = result.mid(begin, end - begin);
    return true;
}

} // namespace quintrel

#include "services.moc"
