// tst_boardview.cpp: playing the board from the keyboard: the cursor, the keys that act, and a
// whole game from the deal to the win with key presses only.
#include "boardsession.h"
#include "game/solutions.h"
#include "windows/boardview.h"
#include "windows/winwindow.h"

using namespace quintrel;
using namespace quintrel::testing;

namespace {

BoardView *viewOf(BoardSession &session) { return static_cast<BoardView *>(session.board->centralWidget()); }

QString cursorTiles(BoardSession &session)
{
    QString shown;
    for (int p = 1; p <= PositionCount; ++p) {
        if (session.board->tile(p)->isCursorShown())
            shown += QString::number(p);
    }
    return shown;
}

// Presses the keys written as words: "right", "down", "space", "enter", "r" ...
void press(BoardSession &session, const QString &keys)
{
    static const QHash<QString, Qt::Key> names = {{"left", Qt::Key_Left},   {"right", Qt::Key_Right},
                                                  {"up", Qt::Key_Up},       {"down", Qt::Key_Down},
                                                  {"space", Qt::Key_Space}, {"enter", Qt::Key_Return},
                                                  {"r", Qt::Key_R}};
    for (const QString &key : keys.split(u' ', Qt::SkipEmptyParts))
        QTest::keyClick(viewOf(session), names.value(key));
    session.playOut();
}

// Moves the cursor to a position with the arrow keys.
void moveCursorTo(BoardSession &session, int position)
{
    while (viewOf(session)->cursorPosition() != position) {
        const int at = viewOf(session)->cursorPosition();
        press(session, positionRow(at) < positionRow(position)         ? QStringLiteral("down")
                       : positionRow(at) > positionRow(position)       ? QStringLiteral("up")
                       : positionColumn(at) < positionColumn(position) ? QStringLiteral("right")
                                                                       : QStringLiteral("left"));
    }
}

} // namespace

class tst_BoardView : public QObject {
    Q_OBJECT

private slots:
    // What each key does, and where the cursor is drawn afterwards.
    void keys_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("board");
        QTest::addColumn<QString>("marks");
        QTest::addColumn<int>("cursor");

        QTest::newRow("no key, no cursor") << "" << StartText << "" << 0;
        QTest::newRow("the cursor stops at the edges")
            << "left up up right right right down down down down" << StartText << "" << 9;
        QTest::newRow("space selects, enter deselects") << "right space enter" << StartText << "" << 2;
        QTest::newRow("space selects, enter swaps") << "space down down enter"
                                                    << "1070:1 1020:1 1030:1 1040:1 1050:1 1060:1 1010:1 1080:1 1090:1"
                                                    << "" << 7;
        QTest::newRow("r turns and ends the selection")
            << "space right r"
            << "1010:1 1020:2 1030:1 1040:1 1050:1 1060:1 1070:1 1080:1 1090:1"
            << "" << 2;
        QTest::newRow("a selection waits for the second card") << "down right space" << StartText << "5" << 5;
    }
    void keys()
    {
        QFETCH(QString, keys);
        QFETCH(QString, board);
        QFETCH(QString, marks);
        QFETCH(int, cursor);
        BoardSession session;
        session.setUpAndDeal();
        press(session, keys);
        QCOMPARE(session.boardNow(), board);
        QCOMPARE(session.painted(), board);
        QCOMPARE(session.paintedMarks(), marks);
        QCOMPARE(cursorTiles(session), cursor ? QString::number(cursor) : QString());
    }

    void theMouseOnTheBoardPutsTheCursorAway()
    {
        BoardSession session;
        session.setUpAndDeal();
        press(session, QStringLiteral("right down"));
        QCOMPARE(cursorTiles(session), QStringLiteral("5"));
        session.clickTile(1);
        QCOMPARE(cursorTiles(session), QString());
        QCOMPARE(session.paintedMarks(), QStringLiteral("1"));
        // The next key brings it back where it was.
        press(session, QStringLiteral("space"));
        QCOMPARE(cursorTiles(session), QStringLiteral("5"));
        QCOMPARE(session.boardNow(), QStringLiteral("1050:1 1020:1 1030:1 1040:1 1010:1 1060:1 1070:1 1080:1 1090:1"));
    }

    void keysInsideAPauseAreIgnoredLikeClicks()
    {
        BoardSession session;
        session.setUpAndDeal();
        session.duringPauses.push_back([&] { press(session, QStringLiteral("right space r enter")); });
        press(session, QStringLiteral("space down enter"));
        QCOMPARE(session.boardNow(), QStringLiteral("1040:1 1020:1 1030:1 1010:1 1050:1 1060:1 1070:1 1080:1 1090:1"));
        QCOMPARE(session.paintedMarks(), QString());
        QCOMPARE(session.sounds, QStringList{QStringLiteral("snip")});
    }

    // A whole game, from the deal to the win window, played with keys only.
    void aWholeGameByKeys()
    {
        BoardSession session;
        QVERIFY(session.setUp());
        session.showAndDeal();
        QVERIFY(viewOf(session)->hasFocus());
        const Arrangement &target = Solutions[2];
        ModalWatcher<WinWindow> wins;
        for (int p = 1; p <= PositionCount; ++p) {
            const int16_t wanted = target[p - 1].card;
            int from = p;
            while (session.board->game().cell(from).card != wanted)
                ++from;
            if (from != p) {
                moveCursorTo(session, p);
                press(session, QStringLiteral("space"));
                moveCursorTo(session, from);
                press(session, QStringLiteral("enter"));
            }
        }
        for (int p = 1; p <= PositionCount; ++p) {
            moveCursorTo(session, p);
            while (session.board->game().cell(p).orientation != target[p - 1].orientation && wins.count == 0)
                press(session, QStringLiteral("r"));
        }
        QTRY_COMPARE(wins.count, 1);
        QVERIFY(session.board->game().isWon());
        QCOMPARE(matchingSolution(session.board->game().board()), 3);
    }
};

QTEST_MAIN(tst_BoardView)
#include "tst_boardview.moc"
