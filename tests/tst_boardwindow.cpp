// The board window: its set-up, the deal, selecting and swapping, turning, and winning.
#include "boardfixture.h"

#include "app/services.h"
#include "app/winwindow.h"
#include "game/solutions.h"

#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>

using namespace quintrel;
using namespace quintrel::testing;

namespace {

struct SoundRecord {
    qint64 atMs;
    QByteArray image;
    int shownTiles;
};

// Closes every win window with its OK button and counts them.
struct WinWindowCloser : ModalWatcher<frm_win> {
    WinWindowCloser()
        : ModalWatcher<frm_win>([this](frm_win *window) {
            focusOnOk = window->focusWidget() == window->okButton();
            QTest::mouseClick(window->okButton(), Qt::LeftButton);
        })
    {
    }
    bool focusOnOk = false;
};

} // namespace

class tst_BoardWindow : public QObject, private BoardSession {
    Q_OBJECT

private:
    void loadBoard() { QVERIFY(BoardSession::loadBoard()); }

    void dealt()
    {
        board().NewGame();
        QVERIFY(tilesMatchCells(board()));
    }

private slots:
    void init()
    {
        begin();
        snipSound.clear();
        clickSound.clear();
    }

    void cleanup() { end(); }

    void loadLaysOutTheBoard()
    {
        loadBoard();
        QCOMPARE(board().size(), QSize(522, 541));
        QVERIFY(board().menuBar()->height() <= 19);
        board().layout()->activate();
        QWidget *client = board().centralWidget();
        QCOMPARE(client->pos(), QPoint(0, board().menuBar()->height()));
        QVERIFY(client->height() >= 522);
        QCOMPARE(board().windowTitle(), QStringLiteral("Quintrel"));
        QVERIFY(!board().windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(board().windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!board().windowIcon().isNull());
        for (int p = 1; p <= PositionCount; ++p) {
            const QPoint origin(174 * PositionColumn(p), 174 * PositionRow(p));
            QCOMPARE(board().tile(p)->pos(), origin);
            QVERIFY(board().tile(p)->picture().isNull());
            QCOMPARE(board().spinHandle(p)->geometry(), QRect(origin + QPoint(65, 65), QSize(41, 41)));
            // The handle lies in front of its tile: its square belongs to it, the pixel beside
            // it to the tile.
            QCOMPARE(client->childAt(origin + QPoint(65, 65)), board().spinHandle(p));
            QCOMPARE(client->childAt(origin + QPoint(105, 105)), board().spinHandle(p));
            QCOMPARE(client->childAt(origin + QPoint(64, 85)), board().tile(p));
            QCOMPARE(client->childAt(origin + QPoint(106, 85)), board().tile(p));
            QCOMPARE(Board[p], Cell{});
        }
        QCOMPARE(firstActivation, True16);
        QCOMPARE(snipSound, m_folder->readFile(QStringLiteral("SOUND/SNIP1.WAV")));
        QCOMPARE(clickSound, m_folder->readFile(QStringLiteral("SOUND/CLICK.WAV")));
        QVERIFY(m_messages.isEmpty());
    }

    void missingIconEndsTheLoadWithItsName_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("present");
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("not an icon") << QByteArray("this is no icon") << true;
    }
    void missingIconEndsTheLoadWithItsName()
    {
        QFETCH(QByteArray, contents);
        QFETCH(bool, present);
        QFile::remove(m_folder->filePath(QStringLiteral("SOUND/QUINTREL.ICO")));
        if (present)
            m_folder->writeFile(QStringLiteral("SOUND/QUINTREL.ICO"), contents);
        frm_brd window;
        QVERIFY(!window.Form_Load());
        QCOMPARE(window.exitCode(), 1);
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(m_messages[0].text.contains(m_folder->filePath(QStringLiteral("SOUND/QUINTREL.ICO"))));
        QCOMPARE(firstActivation, int16_t(0));
    }

    void missingMoveSoundMeansSilence()
    {
        QFile::remove(m_folder->filePath(QStringLiteral("SOUND/SNIP1.WAV")));
        loadBoard();
        QVERIFY(snipSound.isEmpty());
        QVERIFY(!clickSound.isEmpty());
        QVERIFY(m_messages.isEmpty());
    }

    void dealShowsTheCardsInOrderWithSoundsAndPauses()
    {
        loadBoard();
        QList<SoundRecord> sounds;
        QElapsedTimer clock;
        clock.start();
        connect(&board(), &frm_brd::soundPlayed, this, [&](const QByteArray &image) {
            int shown = 0;
            for (int p = 1; p <= PositionCount; ++p) {
                if (!board().tile(p)->picture().isNull())
                    shown = p;
            }
            // Shown tiles form an unbroken run from the top left.
            for (int p = 1; p <= shown; ++p)
                QVERIFY(tileShows(board().tile(p), StartCard(p), 1));
            sounds.append({clock.elapsed(), image, shown});
        });
        board().NewGame();
        QCOMPARE(sounds.size(), PositionCount);
        for (int i = 0; i < sounds.size(); ++i) {
            QCOMPARE(sounds[i].shownTiles, i + 1);
            QCOMPARE(sounds[i].image, snipSound);
            if (i > 0)
                QVERIFY2(sounds[i].atMs - sounds[i - 1].atMs >= 150, "a pause shorter than 0.15 s");
        }
        QVERIFY(clock.elapsed() >= 8 * 150);
        QVERIFY(tilesMatchCells(board()));
        for (int p = 1; p <= PositionCount; ++p) {
            QCOMPARE(Board[p].card, StartCard(p));
            QCOMPARE(Board[p].orientation, int16_t(1));
        }
        QCOMPARE(gameWon, int16_t(0));
        QCOMPARE(markedTiles(board()), 0);
    }

    void missingCardPictureIsNamedAndTheDealGoesOn()
    {
        QFile::remove(m_folder->picturePath(1030, 1));
        m_folder->writeFile(QStringLiteral("1070/1.gif"), "GIF89a but broken");
        loadBoard();
        QSignalSpy sounds(&board(), &frm_brd::soundPlayed);
        board().NewGame();
        QCOMPARE(sounds.size(), PositionCount);
        QCOMPARE(m_messages.size(), 2);
        QVERIFY(m_messages[0].text.contains(m_folder->picturePath(1030, 1)));
        QVERIFY(m_messages[1].text.contains(m_folder->picturePath(1070, 1)));
        QCOMPARE(m_messages[0].icon, MessageIcon::Exclamation);
        QVERIFY(board().tile(3)->picture().isNull());
        QVERIFY(board().tile(7)->picture().isNull());
        QVERIFY(tileShows(board().tile(9), 1090, 1));
    }

    void onlyTheFirstActivationDeals()
    {
        loadBoard();
        QSignalSpy sounds(&board(), &frm_brd::soundPlayed);
        board().show();
        QVERIFY(QTest::qWaitForWindowActive(&board()));
        QTRY_COMPARE(sounds.size(), PositionCount);
        QTRY_COMPARE(firstActivation, int16_t(0));
        QWidget other;
        other.show();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        other.close();
        board().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&board()));
        QTest::qWait(300);
        QCOMPARE(sounds.size(), PositionCount);
    }

    void selectDeselectAndSwap()
    {
        loadBoard();
        dealt();
        QSignalSpy sounds(&board(), &frm_brd::soundPlayed);

        // Idle -> Selected(4) -> Idle: no sound, board unchanged.
        clickTile(board(), 4);
        QCOMPARE(board().tile(4)->borderStyle(), 1);
        QCOMPARE(tileSelected, int16_t(1));
        QCOMPARE(selectedTile, int16_t(4));
        QVERIFY(board().bufferPicture().toImage() == board().tile(4)->picture().toImage());
        clickTile(board(), 4);
        QCOMPARE(board().tile(4)->borderStyle(), 0);
        QCOMPARE(tileSelected, int16_t(0));
        QCOMPARE(selectedTile, int16_t(0));
        QVERIFY(board().bufferPicture().isNull());
        QCOMPARE(sounds.size(), 0);

        // Selected(1) -> Swapping(1, 9) -> Idle.
        clickTile(board(), 1);
        int bordersDuringPause = -1;
        after(75, [&] { bordersDuringPause = markedTiles(board()) == 2 && board().tile(1)->borderStyle() == 1
                                                 && board().tile(9)->borderStyle() == 1; });
        QElapsedTimer clock;
        clock.start();
        clickTile(board(), 9);
        QVERIFY(clock.elapsed() >= 150);
        QCOMPARE(bordersDuringPause, 1);
        QCOMPARE(markedTiles(board()), 0);
        QCOMPARE(Board[1].card, int16_t(1090));
        QCOMPARE(Board[9].card, int16_t(1010));
        QVERIFY(tileShows(board().tile(1), 1090, 1));
        QVERIFY(tileShows(board().tile(9), 1010, 1));
        QCOMPARE(tileSelected, int16_t(0));
        QCOMPARE(selectedTile, int16_t(0));
        QCOMPARE(sounds.size(), 1);
        QCOMPARE(sounds[0][0].toByteArray(), snipSound);
        // The buffer keeps the copy that the swap took.
        QVERIFY(!board().bufferPicture().isNull());
        QVERIFY(tilesMatchCells(board()));
    }

    void swapCarriesOrientations()
    {
        loadBoard();
        dealt();
        clickHandle(board(), 2);
        clickHandle(board(), 2);
        clickTile(board(), 2);
        clickTile(board(), 6);
        QCOMPARE(Board[6].card, int16_t(1020));
        QCOMPARE(Board[6].orientation, int16_t(3));
        QCOMPARE(Board[2].card, int16_t(1060));
        QCOMPARE(Board[2].orientation, int16_t(1));
        QVERIFY(tilesMatchCells(board()));
    }

    void handleArmsOnHoverAndTurnsOnClick()
    {
        loadBoard();
        board().show();
        QVERIFY(QTest::qWaitForWindowExposed(&board()));
        QTRY_COMPARE(firstActivation, int16_t(0));
        SpinHandle *handle = board().spinHandle(5);
        QWidget *client = board().centralWidget();
        QVERIFY(!handle->isArmed());
        QTest::mouseMove(client, QPoint(200, 200));
        QTest::mouseMove(client, handle->geometry().center());
        QTRY_VERIFY(handle->isArmed());
        QVERIFY(handle->testAttribute(Qt::WA_SetCursor));
        QTest::mouseMove(client, QPoint(200, 200));
        QTRY_VERIFY(!handle->isArmed());
        QVERIFY(!handle->testAttribute(Qt::WA_SetCursor));
        QCOMPARE(Board[5].orientation, int16_t(1));

        QSignalSpy sounds(&board(), &frm_brd::soundPlayed);
        clickHandle(board(), 5);
        QCOMPARE(Board[5].orientation, int16_t(2));
        QVERIFY(tileShows(board().tile(5), 1050, 2));
        QCOMPARE(sounds.size(), 1);
        QCOMPARE(sounds[0][0].toByteArray(), clickSound);
        // A click in the handle's square never selects the tile.
        QCOMPARE(markedTiles(board()), 0);
    }

    void edgesOfTheHandle_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<bool>("turns");
        QTest::newRow("handle top left") << QPoint(65, 65) << true;
        QTest::newRow("handle bottom right") << QPoint(105, 105) << true;
        QTest::newRow("left of the handle") << QPoint(64, 80) << false;
        QTest::newRow("above the handle") << QPoint(80, 64) << false;
        QTest::newRow("right of the handle") << QPoint(106, 80) << false;
        QTest::newRow("below the handle") << QPoint(80, 106) << false;
    }
    void edgesOfTheHandle()
    {
        QFETCH(QPoint, point);
        QFETCH(bool, turns);
        loadBoard();
        board().show();
        QVERIFY(QTest::qWaitForWindowExposed(&board()));
        QTRY_COMPARE(firstActivation, int16_t(0));
        QWidget *client = board().centralWidget();
        const QPoint at = board().tile(8)->pos() + point;
        QTest::mouseMove(client, at + QPoint(30, 30));
        QTest::mouseMove(client, at);
        QWidget *target = client->childAt(at);
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(client, at));
        QCOMPARE(Board[8].orientation, int16_t(turns ? 2 : 1));
        QCOMPARE(board().tile(8)->borderStyle(), turns ? 0 : 1);
        QCOMPARE(selectedTile, int16_t(turns ? 0 : 8));
    }

    void rotations()
    {
        loadBoard();
        dealt();
        QSignalSpy sounds(&board(), &frm_brd::soundPlayed);
        for (int turn = 2; turn <= 5; ++turn) {
            clickHandle(board(), 7);
            QCOMPARE(Board[7].orientation, int16_t(turn > 4 ? 1 : turn));
            QVERIFY(tilesMatchCells(board()));
        }
        QCOMPARE(sounds.size(), 4);
        QVERIFY(tileShows(board().tile(7), 1070, 1));

        // Turning another tile, or the selected one, ends the selection without a swap.
        clickTile(board(), 3);
        clickHandle(board(), 8);
        QCOMPARE(markedTiles(board()), 0);
        QCOMPARE(tileSelected, int16_t(0));
        QVERIFY(board().bufferPicture().isNull());
        QCOMPARE(Board[3].card, int16_t(1030));
        QCOMPARE(Board[8].orientation, int16_t(2));
        clickTile(board(), 2);
        clickHandle(board(), 2);
        QCOMPARE(markedTiles(board()), 0);
        QCOMPARE(Board[2].orientation, int16_t(2));
        // The next click selects rather than swaps.
        clickTile(board(), 7);
        QCOMPARE(selectedTile, int16_t(7));
        QCOMPARE(Board[7].card, int16_t(1070));
    }

    void inputDuringTheSwapPauseDoesNotActOnIt()
    {
        loadBoard();
        dealt();
        clickTile(board(), 1);
        after(30, [&] { clickTile(board(), 1); });
        after(50, [&] { clickTile(board(), 9); });
        after(70, [&] { clickTile(board(), 5); });
        after(90, [&] { clickHandle(board(), 5); });
        after(110, [&] { clickHandle(board(), 1); });
        clickTile(board(), 9);
        QTest::qWait(50);
        QCOMPARE(Board[1].card, int16_t(1090));
        QCOMPARE(Board[9].card, int16_t(1010));
        QCOMPARE(Board[5].card, int16_t(1050));
        for (int p = 1; p <= PositionCount; ++p)
            QCOMPARE(Board[p].orientation, int16_t(1));
        QCOMPARE(markedTiles(board()), 0);
        QCOMPARE(tileSelected, int16_t(0));
        QVERIFY(tilesMatchCells(board()));
    }

    void inputDuringTheDealIsIgnored()
    {
        loadBoard();
        after(200, [&] { clickTile(board(), 1); });
        after(400, [&] { clickHandle(board(), 2); });
        after(600, [&] { clickTile(board(), 3); });
        board().NewGame();
        QCOMPARE(markedTiles(board()), 0);
        QCOMPARE(Board[2].orientation, int16_t(1));
        QVERIFY(tilesMatchCells(board()));
    }

    void scriptedGameWins_data()
    {
        QTest::addColumn<int>("solution");
        QTest::addColumn<bool>("byRotation");
        for (int s = 1; s <= 4; ++s) {
            QTest::addRow("solution %d by a swap", s) << s << false;
            QTest::addRow("solution %d by a turn", s) << s << true;
        }
    }
    void scriptedGameWins()
    {
        QFETCH(int, solution);
        QFETCH(bool, byRotation);
        loadBoard();
        dealt();
        const Arrangement &target = Solutions[solution - 1];

        // The swaps that bring every card to its place, as a player would click them.
        QList<QPair<int, int>> swaps;
        std::array<int16_t, PositionCount> cards{};
        for (int p = 1; p <= PositionCount; ++p)
            cards[p - 1] = StartCard(p);
        for (int p = 1; p <= PositionCount; ++p) {
            if (cards[p - 1] == target[p - 1].card)
                continue;
            int from = p + 1;
            while (cards[from - 1] != target[p - 1].card)
                ++from;
            std::swap(cards[p - 1], cards[from - 1]);
            swaps.append({p, from});
        }
        QVERIFY(!swaps.isEmpty());
        const QPair<int, int> lastSwap = swaps.last();
        if (!byRotation)
            swaps.removeLast();
        for (const auto &swap : std::as_const(swaps)) {
            clickTile(board(), swap.first);
            clickTile(board(), swap.second);
        }
        // Turn every card to the orientation it needs where it will end up, the winning turn last.
        auto destination = [&](int p) {
            if (byRotation)
                return p;
            return p == lastSwap.first ? lastSwap.second : p == lastSwap.second ? lastSwap.first : p;
        };
        QList<int> turns;
        for (int p = 1; p <= PositionCount; ++p) {
            const int need = (target[destination(p) - 1].orientation - Board[p].orientation + 4) % 4;
            for (int i = 0; i < need; ++i)
                turns.append(p);
        }
        QVERIFY(!byRotation || !turns.isEmpty());

        WinWindowCloser closer;
        for (int p : std::as_const(turns)) {
            QCOMPARE(closer.count, 0);
            clickHandle(board(), p);
        }
        if (!byRotation) {
            QCOMPARE(closer.count, 0);
            clickTile(board(), lastSwap.first);
            clickTile(board(), lastSwap.second);
        }
        // The winning move returned only after the win window closed.
        QCOMPARE(closer.count, 1);
        QVERIFY(closer.focusOnOk);
        QCOMPARE(gameWon, True16);
        QCOMPARE(MatchingSolution(Board), solution);

        // The solved board is locked: tiles and handles ignore clicks.
        clickTile(board(), 1);
        clickHandle(board(), 2);
        clickTile(board(), 3);
        QCOMPARE(markedTiles(board()), 0);
        QCOMPARE(MatchingSolution(Board), solution);
        QTest::qWait(50);
        QCOMPARE(closer.count, 1);

        // New Game unlocks it.
        board().NewGame();
        QCOMPARE(gameWon, int16_t(0));
        clickTile(board(), 1);
        QCOMPARE(selectedTile, int16_t(1));
    }

    void winWindowLayout()
    {
        frm_win window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Quintrel"));
        QVERIFY(window.width() >= 312 && window.height() >= 132);
        QCOMPARE(window.okButton()->geometry(), QRect(150, 87, 102, 22));
        QCOMPARE(window.okButton()->text(), QStringLiteral("OK"));
        QVERIFY(window.windowIcon().isNull() || window.windowIcon().cacheKey() == QApplication::windowIcon().cacheKey());
        QCOMPARE(window.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
        QVERIFY(!window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    }
};

QTEST_MAIN(tst_BoardWindow)
#include "tst_boardwindow.moc"
