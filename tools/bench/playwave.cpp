// playwave: what a move's sound costs the window that plays it. Times the game's own playWave
// (parse, convert to the device's format, queue) on each WAV file named, with the opening of the
// sound library (done while the splash waits) and of the device (the first sound) apart.
//
//   playwave FILE...   prints the two openings, then one line per file: median and longest call
#include "platform/soundplayer.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <chrono>
#include <cstdio>
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
    std::printf("prepareSound, opening the sound library: %.1f ms\n", microsecondsSince(start) / 1000.0);

    bool first = true;
    for (int i = 1; i < argc; ++i) {
        QFile file(QString::fromLocal8Bit(argv[i]));
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "playwave: cannot read %s\n", argv[i]);
            return 1;
        }
        const QByteArray image = file.readAll();
        const QString name = QFileInfo(file).fileName();
        if (first) {
            start = Clock::now();
            quintrel::playWave(image);
            std::printf("first playWave, opening the device: %.1f ms\n", microsecondsSince(start) / 1000.0);
            first = false;
        }
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
