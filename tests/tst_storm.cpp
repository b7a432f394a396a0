// tst_storm.cpp: random input on the board window, much of it inside the pauses of deals, swaps
// and loads. Whatever arrives, the tiles paint the game, and every save writes the board as it
// stood. QUINTREL_STORM_SEED replays or varies a run; QUINTREL_STORM_ACTIONS changes its length.
#include "boardsession.h"
#include "savegame/savedgame.h"
#include "windows/winwindow.h"

#include <QRandomGenerator>

using namespace quintrel;
using namespace quintrel::testing;

namespace {

constexpr quint32 DefaultSeed = 20261207;

quint32 stormSeed()
{
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("QUINTREL_STORM_SEED").toUInt(&ok);
    return ok ? seed : DefaultSeed;
}

int stormActions()
{
    bool ok = false;
    const int actions = qEnvironmentVariableIntValue("QUINTREL_STORM_ACTIONS", &ok);
    return ok && actions > 0 ? actions : 3000;
}

} // namespace

class tst_Storm : public QObject {
    Q_OBJECT

private slots:
    void randomInputKeepsTilesAndGameInStep()
    {
        const quint32 seed = stormSeed();
        const int total = stormActions();
        qInfo("storm seed %u, %d actions (replay with QUINTREL_STORM_SEED=%u)", seed, total, seed);
        QRandomGenerator random(seed);
        BoardSession session;
        QVERIFY(session.setUp());
        session.showAndDeal();
        int wins = 0;
        QWidget *client = session.board->centralWidget();

        QString failure;
        int performed = 0;
        int insidePauses = 0;
        QString lastSaved;
        std::function<void()> act;
        // Every pause runs a few more actions, so that input lands inside deals, swaps and loads,
        // and commands replace the sequences they arrive in.
        const auto fillPause = [&] {
            const int count = int(random.bounded(3));
            for (int i = 0; i < count; ++i)
                session.duringPauses.push_back([&] {
                    ++insidePauses;
                    act();
                });
        };
        act = [&] {
            if (performed >= total || !failure.isEmpty())
                return;
            ++performed;
            fillPause();
            const int kind = int(random.bounded(100));
            const int p = 1 + int(random.bounded(PositionCount));
            if (kind < 40) {
                session.clickTile(p);
            } else if (kind < 65) {
                session.clickHandle(p);
            } else if (kind < 80) {
                const QPoint at(int(random.bounded(client->width())), int(random.bounded(client->height())));
                QWidget *target = client->childAt(at) ? client->childAt(at) : client;
                QTest::mouseMove(client, at);
                QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(client, at));
                session.playOut();
            } else if (kind < 83) {
                // During a load, the game being laid out.
                const QString current = boardText(session.board->game().boardToSave());
                session.board->saveGame();
                const QString written = boardText(readSavedGame(bytesOf(session.folder.path()), {}).arrangement);
                if (written != current && failure.isEmpty())
                    failure = QStringLiteral("a save wrote %1 while the game was %2").arg(written, current);
                lastSaved = current;
            } else if (kind < 91) {
                session.load();
            } else {
                session.newGame();
            }
            // The win window holds the board until its OK, pressed here at once.
            if (auto *win = qobject_cast<WinWindow *>(QApplication::activeModalWidget()))
                wins += win->close() ? 1 : 0;
            session.playOut();
            // At rest, every tile paints its own cell and the marks are the game's.
            if (!session.board->isBusy() && failure.isEmpty()) {
                const Game &game = session.board->game();
                QString marks;
                for (int q = 1; q <= PositionCount; ++q) {
                    if (game.isMarked(q))
                        marks += QString::number(q);
                }
                if (session.painted() != session.boardNow() || session.paintedMarks() != marks)
                    failure = QStringLiteral("after %1 actions the tiles paint %2 marked %3, the game is %4 marked %5")
                                  .arg(performed)
                                  .arg(session.painted(), session.paintedMarks(), session.boardNow(), marks);
            }
        };
        while (performed < total && failure.isEmpty()) {
            session.duringPauses.clear();
            act();
        }
        QVERIFY2(failure.isEmpty(), qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(failure)));
        QVERIFY(!session.board->isBusy());
        for (const QString &text : session.messages.texts())
            QVERIFY2(text == QLatin1String("Your game has been saved")
                         || text == QLatin1String("There are no saved games"),
                     qPrintable(text));
        qInfo("%d actions, %d inside pauses, %d wins", performed, insidePauses, wins);
        // The storm must really have hit the pauses, or it proves nothing about them.
        QVERIFY(insidePauses > total / 10);
        QVERIFY(!lastSaved.isEmpty());
    }
};

QTEST_MAIN(tst_Storm)
#include "tst_storm.moc"
