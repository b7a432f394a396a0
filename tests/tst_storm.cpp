// Input storms on the board window: thousands of random clicks, pointer moves, spin-handle clicks
// and menu commands, many of them inside the pauses of deals, swaps and loads.
// QUINTREL_STORM_SEED replays a run; QUINTREL_STORM_ACTIONS changes its length.
#include "boardfixture.h"

#include "app/services.h"
#include "app/winwindow.h"
#include "game/solutions.h"
#include "savegame/savedgame.h"

#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>

#include <algorithm>
#include <set>

using namespace quintrel;
using namespace quintrel::testing;

namespace {

using Arrangement18 = std::array<int16_t, 2 * PositionCount>;

Arrangement18 arrangementOf(const BoardCells &board)
{
    Arrangement18 a{};
    for (int p = 1; p <= PositionCount; ++p) {
        a[2 * (p - 1)] = board[p].card;
        a[2 * (p - 1) + 1] = board[p].orientation;
    }
    return a;
}

QString describe(const Arrangement18 &a)
{
    QStringList words;
    for (int p = 0; p < PositionCount; ++p)
        words << QStringLiteral("%1:%2").arg(a[2 * p]).arg(a[2 * p + 1]);
    return words.join(u' ');
}

// What must hold whenever no sequence runs; empty when it all holds.
QString brokenInvariant(const frm_brd &board)
{
    if (!tilesMatchCells(board))
        return QStringLiteral("a tile does not show its cell's picture");
    const int marked = markedTiles(board);
    if (marked > 1)
        return QStringLiteral("%1 tiles are marked").arg(marked);
    if (tileSelected != (marked == 1 ? 1 : 0))
        return QStringLiteral("tileSelected is %1 with %2 marked tiles").arg(tileSelected).arg(marked);
    int markedPosition = 0;
    for (int p = 1; p <= PositionCount; ++p) {
        if (board.tile(p)->borderStyle() == 1)
            markedPosition = p;
    }
    if (selectedTile != markedPosition)
        return QStringLiteral("selectedTile is %1 but tile %2 is marked").arg(selectedTile).arg(markedPosition);
    std::set<int16_t> cards;
    for (int p = 1; p <= PositionCount; ++p) {
        cards.insert(Board[p].card);
        if (Board[p].orientation < 1 || Board[p].orientation > 4)
            return QStringLiteral("position %1 has orientation %2").arg(p).arg(Board[p].orientation);
    }
    if (cards.size() != PositionCount || *cards.begin() != FirstCard || *cards.rbegin() != LastCard)
        return QStringLiteral("the nine cards are not each on one position");
    return {};
}

quint32 stormSeed()
{
    bool ok = false;
    const quint32 fromEnvironment = qEnvironmentVariable("QUINTREL_STORM_SEED").toUInt(&ok);
    return ok ? fromEnvironment : QRandomGenerator::system()->generate();
}

int stormActions(int fallback)
{
    bool ok = false;
    const int fromEnvironment = qEnvironmentVariableIntValue("QUINTREL_STORM_ACTIONS", &ok);
    return ok && fromEnvironment > 0 ? fromEnvironment : fallback;
}

// Closes every win window that opens (a random storm may solve the puzzle) and counts them.
class WinWindowCloser : public QObject {
public:
    WinWindowCloser()
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] {
            auto *window = qobject_cast<frm_win *>(QApplication::activeModalWidget());
            if (window && window->isVisible()) {
                ++count;
                window->okButton()->click();
            }
        });
        m_timer.start();
    }
    int count = 0;

private:
    QTimer m_timer;
};

} // namespace

class tst_Storm : public QObject, private BoardSession {
    Q_OBJECT

private:
    void showDealtBoard()
    {
        QVERIFY(loadBoard());
        m_board->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_board.get()));
        QTRY_COMPARE_WITH_TIMEOUT(firstActivation, int16_t(0), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!m_board->isBusy(), 5000);
    }

private slots:
    void init() { begin(); }
    void cleanup() { end(); }

    // The storm: every action is scheduled on a timer, so most of them arrive while the action
    // before it is still inside a pause. Whenever no sequence runs the board must be consistent,
    // and every save must write exactly the board that was current at it.
    void randomInputNeverBreaksTheBoard()
    {
        showDealtBoard();
        const quint32 seed = stormSeed();
        const int total = stormActions(2500);
        qInfo("storm seed %u, %d actions (replay with QUINTREL_STORM_SEED=%u)", seed, total, seed);
        QRandomGenerator random(seed);
        WinWindowCloser winCloser;
        QWidget *client = m_board->centralWidget();

        std::vector<Arrangement18> savedBoards;
        int performed = 0;
        int duringSequence = 0;
        int idleChecks = 0;
        int saves = 0;
        int loads = 0;
        int newGames = 0;
        QString failure;
        QString lastAction;

        // The storm runs in cycles: play at rest (clicks, turns, swaps and saves, with the swaps'
        // pauses hit by the clicks that follow), then a burst of New Game and Load commands with
        // everything else thrown into their pauses, then a wait until the last sequence has ended.
        constexpr int CycleActions = 200;
        constexpr int PlayActions = 150;
        std::function<void()> step;
        std::function<void()> scheduleNext = [&] {
            if (performed >= total || !failure.isEmpty())
                return;
            const int inCycle = performed % CycleActions;
            if (inCycle == 0 && m_board->isBusy()) {
                QTimer::singleShot(10, m_board.get(), [&] { scheduleNext(); });
                return;
            }
            const int delay = inCycle < PlayActions ? int(random.bounded(12)) : int(random.bounded(45));
            QTimer::singleShot(delay, m_board.get(), [&] { step(); });
        };
        step = [&] {
            const bool burst = performed % CycleActions >= PlayActions;
            const bool burstStart = performed % CycleActions == PlayActions;
            ++performed;
            // The next action is booked before this one runs, because this one may run a whole
            // sequence with its pauses before it returns.
            scheduleNext();
            if (m_board->isBusy()) {
                ++duringSequence;
            } else if (QApplication::activeModalWidget() == nullptr) {
                ++idleChecks;
                const QString broken = brokenInvariant(*m_board);
                if (!broken.isEmpty() && failure.isEmpty())
                    failure = QStringLiteral("after %1 actions (last: %2): %3").arg(performed - 1).arg(lastAction, broken);
            }
            int kind = int(random.bounded(100));
            if (burstStart)
                kind = 87 + int(random.bounded(13)); // a load or a new game opens the burst
            else if (!burst && kind >= 87)
                kind = int(random.bounded(87)); // no sequence-starting command while at rest
            const int p = 1 + int(random.bounded(PositionCount));
            if (kind < 40) {
                lastAction = QStringLiteral("click tile %1").arg(p);
                clickTile(*m_board, p);
            } else if (kind < 60) {
                lastAction = QStringLiteral("click handle %1").arg(p);
                clickHandle(*m_board, p);
            } else if (kind < 72) {
                const QPoint at(int(random.bounded(client->width())), int(random.bounded(client->height())));
                lastAction = QStringLiteral("move to %1,%2").arg(at.x()).arg(at.y());
                QTest::mouseMove(client, at);
            } else if (kind < 80) {
                const QPoint at(int(random.bounded(client->width())), int(random.bounded(client->height())));
                lastAction = QStringLiteral("click at %1,%2").arg(at.x()).arg(at.y());
                QWidget *target = client->childAt(at);
                if (!target)
                    target = client;
                QTest::mouseMove(client, at);
                QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(client, at));
            } else if (kind < 87) {
                lastAction = QStringLiteral("save");
                ++saves;
                const Arrangement18 current = arrangementOf(Board);
                savedBoards.push_back(current);
                m_board->mnu_save_Click();
                BoardCells written{};
                ReadSavedGame(m_folder->path(), written);
                Arrangement18 inFile{};
                for (int q = 1; q <= PositionCount; ++q) {
                    inFile[2 * (q - 1)] = written[q].savedCard;
                    inFile[2 * (q - 1) + 1] = written[q].savedOrientation;
                }
                if (inFile != current && failure.isEmpty())
                    failure = QStringLiteral("a save during '%1' wrote %2 while the board was %3")
                                  .arg(m_board->isBusy() ? QStringLiteral("a sequence") : QStringLiteral("rest"),
                                       describe(inFile), describe(current));
            } else if (kind < 93) {
                lastAction = QStringLiteral("load");
                ++loads;
                m_board->mnu_load_Click();
            } else {
                lastAction = QStringLiteral("new game");
                ++newGames;
                m_board->mnu_new_Click();
            }
        };

        QElapsedTimer clock;
        clock.start();
        scheduleNext();
        QTRY_VERIFY_WITH_TIMEOUT((performed >= total || !failure.isEmpty()) && !m_board->isBusy(), 120000);
        QVERIFY2(failure.isEmpty(), qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(failure)));

        // Everything has settled.
        const QString broken = brokenInvariant(*m_board);
        QVERIFY2(broken.isEmpty(), qPrintable(QStringLiteral("seed %1, at the end: %2").arg(seed).arg(broken)));
        if (!savedBoards.empty()) {
            BoardCells written{};
            QCOMPARE(ReadSavedGame(m_folder->path(), written).status, LoadOutcome::Status::Loaded);
            Arrangement18 inFile{};
            for (int q = 1; q <= PositionCount; ++q) {
                inFile[2 * (q - 1)] = written[q].savedCard;
                inFile[2 * (q - 1) + 1] = written[q].savedOrientation;
            }
            QVERIFY2(std::find(savedBoards.begin(), savedBoards.end(), inFile) != savedBoards.end(),
                     qPrintable(QStringLiteral("seed %1: the file holds %2, never current at a save").arg(seed).arg(describe(inFile))));
            QCOMPARE(inFile, savedBoards.back());
        }
        // The only messages a storm may bring: the save's, and the load's before the first save.
        for (const ShownMessage &message : std::as_const(m_messages)) {
            QVERIFY2(message.text == QStringLiteral("Your game has been saved")
                         || message.text == QStringLiteral("There are no saved games"),
                     qPrintable(QStringLiteral("seed %1: unexpected message: %2").arg(seed).arg(message.text)));
        }
        qInfo("%d actions in %lld ms: %d inside a running sequence, %d checks at rest, %d saves, %d loads, "
              "%d new games, %d wins",
              performed, clock.elapsed(), duringSequence, idleChecks, saves, loads, newGames, winCloser.count);
        // The storm must really have hit the pauses, and the rest between them, or it proves
        // nothing about them.
        QVERIFY(duringSequence > total / 10);
        QVERIFY(idleChecks > total / 10);
        QVERIFY(loads > 0 && newGames > 0 && saves > 0);
    }

    // Closing the window at a random moment of a storm ends everything at once: no sound and no
    // picture after it, and no sequence left running.
    void closeDuringAStormStopsEverything_data()
    {
        QTest::addColumn<int>("closeAfterMs");
        QTest::newRow("in the first pause of a deal") << 60;
        QTest::newRow("in the middle of a deal") << 640;
        QTest::newRow("near the end of a deal") << 1150;
        QTest::newRow("in a load") << 1900;
    }
    void closeDuringAStormStopsEverything()
    {
        QFETCH(int, closeAfterMs);
        showDealtBoard();
        const quint32 seed = stormSeed();
        qInfo("storm seed %u", seed);
        QRandomGenerator random(seed);
        m_board->mnu_save_Click();

        QSignalSpy sounds(m_board.get(), &frm_brd::soundPlayed);
        bool closed = false;
        int soundsAtClose = -1;
        std::array<QImage, PositionCount> picturesAtClose;
        std::function<void()> poke = [&] {
            if (closed)
                return;
            QTimer::singleShot(int(random.bounded(30)), m_board.get(), [&] { poke(); });
            const int p = 1 + int(random.bounded(PositionCount));
            if (random.bounded(2) == 0)
                clickTile(*m_board, p);
            else
                clickHandle(*m_board, p);
        };
        after(0, [&] { m_board->mnu_new_Click(); });
        after(5, poke);
        after(1500, [&] { m_board->mnu_load_Click(); });
        after(closeAfterMs, [&] {
            closed = true;
            m_board->close();
            soundsAtClose = int(sounds.size());
            for (int p = 1; p <= PositionCount; ++p)
                picturesAtClose[p - 1] = m_board->tile(p)->picture().toImage();
        });
        QTRY_VERIFY_WITH_TIMEOUT(closed, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!m_board->isBusy(), 2000);
        QTest::qWait(400); // longer than a pause: a sequence that went on would show itself now
        QVERIFY(m_board->isClosing());
        QCOMPARE(int(sounds.size()), soundsAtClose);
        for (int p = 1; p <= PositionCount; ++p)
            QVERIFY2(m_board->tile(p)->picture().toImage() == picturesAtClose[p - 1], qPrintable(QString::number(p)));
        // Commands after the close do nothing either.
        m_board->mnu_new_Click();
        m_board->mnu_load_Click();
        QCOMPARE(int(sounds.size()), soundsAtClose);
        QVERIFY(!m_board->isBusy());
    }
};

QTEST_MAIN(tst_Storm)
#include "tst_storm.moc"
