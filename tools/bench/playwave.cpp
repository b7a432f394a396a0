// playwave: what a move's sound costs the window that plays it. Times the game's own playWave on
// each WAV file named (the call hands the sound to the player's thread, which parses, converts and
// queues it), and apart from that how long the player's thread takes to open the device after
// prepareSound() (done while the splash waits).
//
//   playwave FILE...   prints the opening, then one line per file: median and longest call
#include "platform/soundplayer.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double microsecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: playwave FILE...\n");
        return 2;
    }
    constexpr int Calls = 1000;

    auto start = Clock::now();
    quintrel::prepareSound();
    const double call = microsecondsSince(start);
    while (!quintrel::isSoundDeviceOpen() && microsecondsSince(start) < 5e6)
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    std::printf("prepareSound: %.1f us; the device %s %.1f ms after it, on the player's thread\n", call,
                quintrel::isSoundDeviceOpen() ? "was open" : "was still not open", microsecondsSince(start) / 1000.0);

    for (int i = 1; i < argc; ++i) {
        QFile file(QString::fromLocal8Bit(argv[i]));
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "playwave: cannot read %s\n", argv[i]);
            return 1;
        }
        const QByteArray image = file.readAll();
        const QString name = QFileInfo(file).fileName();
        std::vector<double> times;
        times.reserve(Calls);
        for (int call = 0; call < Calls; ++call) {
            start = Clock::now();
            quintrel::playWave(image);
            times.push_back(microsecondsSince(start));
        }
        std::sort(times.begin(), times.end());
        std::printf("playWave of %s (%lld bytes): median %.1f us, longest %.1f us over %d calls\n", qPrintable(name),
                    static_cast<long long>(image.size()), times[times.size() / 2], times.back(), Calls);
    }
    quintrel::stopSound();
    quintrel::shutdownSound();
    return 0;
}
