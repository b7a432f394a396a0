// tst_pause.cpp: the pause between steps: it keeps delivering events, costs no processor time,
// returns at once for nothing to wait, and ends early when the waits are aborted.
#include "platform/pause.h"
#include "windowtestsupport.h"

#include <QElapsedTimer>

#include <ctime>

using namespace quintrel;
using namespace quintrel::testing;
using namespace std::chrono_literals;

namespace {

double processorSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec + now.tv_nsec / 1e9;
}

} // namespace

class tst_Pause : public QObject {
    Q_OBJECT

private slots:
    void nothingToWaitForDeliversNothing_data()
    {
        QTest::addColumn<int>("milliseconds");
        QTest::newRow("zero") << 0;
        QTest::newRow("negative") << -1000;
    }
    void nothingToWaitForDeliversNothing()
    {
        QFETCH(int, milliseconds);
        bool delivered = false;
        after(0, [&] { delivered = true; });
        QElapsedTimer clock;
        clock.start();
        waitFor(std::chrono::milliseconds(milliseconds));
        QVERIFY(!delivered);
        QVERIFY(clock.elapsed() < 50);
        QTRY_VERIFY(delivered);
    }

    void pauseDeliversEventsWithoutBurningTheProcessor()
    {
        bool delivered = false;
        after(20, [&] { delivered = true; });
        const double before = processorSeconds();
        QElapsedTimer clock;
        clock.start();
        waitFor(StepPause);
        const double used = processorSeconds() - before;
        QVERIFY(clock.nsecsElapsed() >= std::chrono::nanoseconds(StepPause).count());
        QVERIFY(delivered);
        // A loop that polls the clock would use the whole pause.
        QVERIFY2(used < 0.05, qPrintable(QStringLiteral("%1 s of processor time in one pause").arg(used)));
    }

    void abortEndsEveryRunningPause()
    {
        // A pause inside a pause: both end when the waits are aborted.
        QElapsedTimer clock;
        clock.start();
        bool innerReturned = false;
        after(10, [&] {
            after(10, [] { abortWaits(); });
            waitFor(5s);
            innerReturned = true;
        });
        waitFor(5s);
        QVERIFY(innerReturned);
        QVERIFY(clock.elapsed() < 2000);
        // A new pause after the abort waits its full time again.
        clock.restart();
        waitFor(50ms);
        QVERIFY(clock.elapsed() >= 50);
    }
};

QTEST_GUILESS_MAIN(tst_Pause)
#include "tst_pause.moc"
