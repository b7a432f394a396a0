// boardsession.h: a board window set up on a stand-in program folder, with a step clock the test
// drives: each pause runs what the test put into it, then ends.
#pragma once

#include "windows/boardwindow.h"
#include "windows/spinhandle.h"
#include "windows/tilewidget.h"
#include "windowtestsupport.h"

#include <QSignalSpy>

#include <QTest>

#include <chrono>
#include <deque>
#include <memory>

namespace quintrel::testing {

class BoardSession {
public:
    ProgramFolder folder;
    CaughtMessages messages;
    std::unique_ptr<BoardWindow> board;
    // The pauses the sequences asked for, and what runs in each, in turn (empty: nothing).
    QList<std::chrono::milliseconds> pauses;
    std::deque<std::function<void()>> duringPauses;
    // "snip" or "click" for every sound handed to the player.
    QStringList sounds;

    // A new board window, set up, with the test's step clock; false when the set-up failed.
    bool setUp()
    {
        board = std::make_unique<BoardWindow>();
        board->stepPlayer().setPauseClock([this](std::chrono::milliseconds duration) {
            pauses << duration;
            m_pausePending = true;
        });
        QObject::connect(board.get(), &BoardWindow::soundPlayed, board.get(), [this](const QByteArray &image) {
            sounds << (image == folder.read(QStringLiteral("SOUND/SNIP1.WAV"))   ? QStringLiteral("snip")
                       : image == folder.read(QStringLiteral("SOUND/CLICK.WAV")) ? QStringLiteral("click")
                                                                                 : QStringLiteral("silence"));
        });
        return board->setUp();
    }

    // Plays the running sequence to its end. Each pause first runs the next of duringPauses, as
    // input that arrives in that pause would; then it ends, unless that input started a sequence
    // of its own, whose first pause is then the one running.
    void playOut()
    {
        if (m_playingOut)
            return; // input inside a pause: the loop below plays on whatever it started
        m_playingOut = true;
        while (std::exchange(m_pausePending, false)) {
            if (!duringPauses.empty()) {
                const std::function<void()> action = std::move(duringPauses.front());
                duringPauses.pop_front();
                if (action)
                    action();
            }
            if (!m_pausePending)
                board->stepPlayer().endPause();
        }
        m_playingOut = false;
        // What a step leaves for after it: the message about a card picture it could not show.
        QCoreApplication::sendPostedEvents(board.get(), QEvent::MetaCall);
    }

    void newGame()
    {
        board->newGame();
        playOut();
    }

    void load()
    {
        board->loadSavedGame();
        playOut();
    }

    // Set up and dealt, the pauses and sounds of the deal forgotten.
    void setUpAndDeal()
    {
        QVERIFY(setUp());
        newGame();
        pauses.clear();
        sounds.clear();
    }

    // Shown, and the deal that its first activation starts played out.
    void showAndDeal()
    {
        board->show();
        QVERIFY(QTest::qWaitForWindowActive(board.get()));
        QTRY_VERIFY(m_pausePending);
        playOut();
        QCOMPARE(sounds.size(), PositionCount);
        pauses.clear();
        sounds.clear();
    }

    // A board window showing a saved game, laid out by a load.
    void setUpWithGame(const QString &text)
    {
        setUpAndDeal();
        QVERIFY(folder.write(QStringLiteral("game.ini"), savedGameFile(text)));
        load();
        pauses.clear();
        sounds.clear();
    }

    void clickTile(int position)
    {
        TileWidget *tile = board->tile(position);
        const QPoint point(20, 20); // outside the spin handle
        QTest::mouseMove(tile, point);
        QTest::mouseClick(tile, Qt::LeftButton, {}, point);
        playOut();
    }

    // Hovers a spin handle in two steps, the way a player's pointer arrives, then clicks it.
    void clickHandle(int position)
    {
        SpinHandle *handle = board->spinHandle(position);
        QWidget *client = handle->parentWidget();
        const QPoint centre = handle->geometry().center();
        QTest::mouseMove(client, centre - QPoint(30, 30));
        QTest::mouseMove(client, centre);
        QTest::mouseClick(handle, Qt::LeftButton, {}, QPoint(20, 20));
        playOut();
    }

    // What the tiles paint, in the board notation ("-" for an empty tile, "!" for a tile whose
    // picture is not the one of the card it says it shows).
    QString painted() const
    {
        QStringList cells;
        for (int p = 1; p <= PositionCount; ++p) {
            const TileWidget *tile = board->tile(p);
            if (!tile->placement()) {
                cells << (tile->picture().isNull() ? QStringLiteral("-") : QStringLiteral("!"));
                continue;
            }
            const Placement shown = *tile->placement();
            const bool right = !tile->picture().isNull()
                               && tile->picture().toImage().convertToFormat(QImage::Format_RGB32)
                                      == cardImage(shown.card, shown.orientation);
            cells << (right ? QStringLiteral("%1:%2").arg(shown.card).arg(shown.orientation) : QStringLiteral("!"));
        }
        return cells.join(u' ');
    }

    // The positions whose tiles paint the selection mark.
    QString paintedMarks() const
    {
        QString marked;
        for (int p = 1; p <= PositionCount; ++p) {
            if (board->tile(p)->isMarked())
                marked += QString::number(p);
        }
        return marked;
    }

    QString boardNow() const { return boardText(board->game().board()); }

private:
    bool m_pausePending = false;
    bool m_playingOut = false;
};

} // namespace quintrel::testing
