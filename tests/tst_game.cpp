// tst_game.cpp: the rules of play on the game value: selection, swap, turn, deal, rebuild, win.
#include "game/cardedges.h"
#include "game/game.h"
#include "game/solutions.h"
#include "testsupport.h"

#include <QTest>

using namespace quintrel;
using namespace quintrel::testing;

namespace {

// A game whose board (and every tile) holds the arrangement, as after a rebuild from a saved game.
Game gameAt(const QString &text)
{
    Game game;
    game.setSavedArrangement(boardFrom(text));
    for (const Step &step : game.rebuild())
        game.play(step);
    return game;
}

QString soundOf(Sound sound)
{
    return sound == Sound::Snip    ? QStringLiteral(" snip")
           : sound == Sound::Click ? QStringLiteral(" click")
                                   : QString();
}

// Plays moves written as words: "c4" clicks tile 4, "f" plays the end of a swap, "t5" turns tile 5.
// Each move is told as what it did, its sound and a win, e.g. "swapped snip won".
QString play(Game &game, const QString &moves)
{
    QStringList told;
    for (const QString &move : moves.split(u' ', Qt::SkipEmptyParts)) {
        const int position = move.mid(1).toInt();
        QString what;
        Change change;
        if (move.startsWith(u'c')) {
            const TileClick click = game.clickTile(position);
            const char *names[] = {"nothing", "select", "deselect", "swap"};
            what = QString::fromLatin1(names[int(click.action)]);
        } else if (move.startsWith(u'f')) {
            what = QStringLiteral("swapped");
            change = game.play({Step::Kind::EndSwap, 0, {}, false});
        } else {
            what = QStringLiteral("turn");
            change = game.turn(position);
        }
        told << what + soundOf(change.sound) + (change.won ? QStringLiteral(" won") : QString());
    }
    return told.join(QStringLiteral(", "));
}

QString shownText(const Game &game)
{
    QStringList cells;
    for (int p = 1; p <= PositionCount; ++p) {
        const std::optional<Placement> shown = game.shown(p);
        cells << (shown ? QStringLiteral("%1:%2").arg(shown->card).arg(shown->orientation) : QStringLiteral("-"));
    }
    return cells.join(u' ');
}

QString marks(const Game &game)
{
    QString marked;
    for (int p = 1; p <= PositionCount; ++p) {
        if (game.isMarked(p))
            marked += QString::number(p);
    }
    return marked;
}

// Solution 1 with the centre card turned back once, and with cards 1 and 9 exchanged.
const QString OneTurnFromSolution1 = QStringLiteral("1050:3 1090:2 1070:3 1080:4 1010:2 1040:2 1030:3 1060:4 1020:1");
const QString OneSwapFromSolution1 = QStringLiteral("1020:1 1090:2 1070:3 1080:4 1010:3 1040:2 1030:3 1060:4 1050:3");

} // namespace

class tst_Game : public QObject {
    Q_OBJECT

private slots:
    void beforeTheFirstDealAllIsZero()
    {
        const Game game;
        for (int p = 1; p <= PositionCount; ++p) {
            QCOMPARE(game.cell(p), Cell{});
            QVERIFY(!game.shown(p));
            QVERIFY(!game.isMarked(p));
        }
        QCOMPARE(game.selection(), 0);
        QVERIFY(!game.isWon());
    }

    void positionsOutsideTheBoardThrow_data()
    {
        QTest::addColumn<int>("position");
        QTest::newRow("zero") << 0;
        QTest::newRow("ten") << 10;
        QTest::newRow("negative") << -1;
    }
    void positionsOutsideTheBoardThrow()
    {
        QFETCH(int, position);
        Game game = gameAt(StartText);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, game.cell(position));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, game.clickTile(position));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, game.turn(position));
        QCOMPARE(boardText(game.board()), StartText);
    }

    void cardPictureName() { QCOMPARE(quintrel::cardPictureName({1070, 3}), std::string("1070/3.gif")); }

    // Card 1010 lies as "CHDS" (top, right, bottom, left) in orientation 1; each quarter turn
    // clockwise brings the edge from the side before it round to a side.
    void shownEdges_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<Side>("side");
        QTest::addColumn<char>("letter");
        QTest::newRow("orientation 1 top") << 1 << Side::Top << 'C';
        QTest::newRow("orientation 1 right") << 1 << Side::Right << 'H';
        QTest::newRow("orientation 2 top") << 2 << Side::Top << 'S';
        QTest::newRow("orientation 2 right") << 2 << Side::Right << 'C';
        QTest::newRow("orientation 3 top") << 3 << Side::Top << 'D';
        QTest::newRow("orientation 4 left") << 4 << Side::Left << 'C';
    }
    void shownEdges()
    {
        QFETCH(int, orientation);
        QFETCH(Side, side);
        QFETCH(char, letter);
        QVERIFY(shownEdge({1010, int16_t(orientation)}, side) == edgeFromLetter(letter));
        QVERIFY((shownEdge({1020, 1}, Side::Top) == Edge{Suit::Club, false}));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, shownEdge({1015, 1}, side));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, shownEdge({1010, 5}, side));
    }

    // What each move does, and the sound and win it tells the window about.
    void moves_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("moves");
        QTest::addColumn<QString>("told");
        QTest::addColumn<QString>("board");
        QTest::addColumn<int>("selection");

        QTest::newRow("select, then deselect") << StartText << "c4 c4"
                                               << "select, deselect" << StartText << 0;
        QTest::newRow("swap") << StartText << "c1 c9 f"
                              << "select, swap, swapped snip"
                              << "1090:1 1020:1 1030:1 1040:1 1050:1 1060:1 1070:1 1080:1 1010:1" << 0;
        QTest::newRow("a swap carries orientations")
            << StartText << "t2 t2 c2 c6 f"
            << "turn click, turn click, select, swap, swapped snip"
            << "1010:1 1060:1 1030:1 1040:1 1050:1 1020:3 1070:1 1080:1 1090:1" << 0;
        QTest::newRow("input during a swap's pause does nothing")
            << StartText << "c1 c9 c1 c9 c5 t5 f"
            << "select, swap, nothing, nothing, nothing, turn, swapped snip"
            << "1090:1 1020:1 1030:1 1040:1 1050:1 1060:1 1070:1 1080:1 1010:1" << 0;
        QTest::newRow("four turns come round") << StartText << "t7 t7 t7 t7"
                                               << "turn click, turn click, turn click, turn click" << StartText << 0;
        QTest::newRow("a turn ends the selection, the next click selects")
            << StartText << "c2 t5 c7"
            << "select, turn click, select"
            << "1010:1 1020:1 1030:1 1040:1 1050:2 1060:1 1070:1 1080:1 1090:1" << 7;
        QTest::newRow("turning the selected card ends its selection")
            << StartText << "c3 t3"
            << "select, turn click"
            << "1010:1 1020:1 1030:2 1040:1 1050:1 1060:1 1070:1 1080:1 1090:1" << 0;
        QTest::newRow("a turn wins, then the board is locked")
            << OneTurnFromSolution1 << "t5 c1 c1 t2"
            << "turn click won, nothing, nothing, turn" << Solution1Text << 0;
        QTest::newRow("a swap wins") << OneSwapFromSolution1 << "c9 c1 f"
                                     << "select, swap, swapped snip won" << Solution1Text << 0;
        QTest::newRow("a swap that wins nothing")
            << OneTurnFromSolution1 << "c1 c2 f c2 c1 f"
            << "select, swap, swapped snip, select, swap, swapped snip" << OneTurnFromSolution1 << 0;
        QTest::newRow("finishing without a swap does nothing") << StartText << "f c1 f"
                                                               << "swapped, select, swapped" << StartText << 1;
    }
    void moves()
    {
        QFETCH(QString, from);
        QFETCH(QString, moves);
        QFETCH(QString, told);
        QFETCH(QString, board);
        QFETCH(int, selection);
        Game game = gameAt(from);
        QCOMPARE(play(game, moves), told);
        QCOMPARE(boardText(game.board()), board);
        // Between moves, every tile shows its own cell and only the selected tile is marked.
        QCOMPARE(shownText(game), board);
        QCOMPARE(game.selection(), selection);
        QCOMPARE(marks(game), selection ? QString::number(selection) : QString());
    }

    void bothTilesAreMarkedDuringASwap()
    {
        Game game = gameAt(StartText);
        play(game, QStringLiteral("c1"));
        // The pause that shows both marks, then the exchange.
        QCOMPARE(game.clickTile(9).steps,
                 (std::vector<Step>{{Step::Kind::Wait, 0, {}, true}, {Step::Kind::EndSwap, 0, {}, false}}));
        QVERIFY(game.isSwapping());
        QCOMPARE(marks(game), QStringLiteral("19"));
        QCOMPARE(boardText(game.board()), StartText);
        play(game, QStringLiteral("f"));
        QVERIFY(!game.isSwapping());
        QCOMPARE(marks(game), QString());
    }

    void newGameDealsTheStartPosition()
    {
        // From a won game with a selection-free board and a saved game waiting.
        Game game = gameAt(OneTurnFromSolution1);
        play(game, QStringLiteral("t5"));
        QVERIFY(game.isWon());
        const QString saved = boardText(game.savedArrangement());

        const std::vector<Step> steps = game.newGame();
        QVERIFY(!game.isWon());
        QCOMPARE(boardText(game.board()), StartText);
        QCOMPARE(boardText(game.boardToSave()), StartText);
        QCOMPARE(boardText(game.savedArrangement()), saved);
        QCOMPARE(shownText(game), QStringLiteral("- - - - - - - - -"));
        QCOMPARE(int(steps.size()), PositionCount);
        for (int p = 1; p <= PositionCount; ++p) {
            // Card by card from the top left, a pause after every card but the last; no move until
            // the last card is down.
            QCOMPARE(play(game, QStringLiteral("c1 t1")), QStringLiteral("nothing, turn"));
            QCOMPARE(steps[p - 1], (Step{Step::Kind::ShowCard, p, {startCard(p), 1}, p < PositionCount}));
            const Change change = game.play(steps[p - 1]);
            QCOMPARE(change.sound, Sound::Snip);
        }
        QCOMPARE(shownText(game), StartText);
        QCOMPARE(play(game, QStringLiteral("c1")), QStringLiteral("select"));
        // A second new game ends the selection and deals again from the first card.
        QCOMPARE(game.newGame().front().position, 1);
        QCOMPARE(game.selection(), 0);
    }

    void rebuildLaysOutTheSavedGame()
    {
        Game game = gameAt(OneTurnFromSolution1);
        play(game, QStringLiteral("t5 c1 c1"));
        QVERIFY(game.isWon());
        const Board wanted = boardFrom(
            QStringLiteral("1030:2 1030:4 1010:3 1050:1 1070:2 1020:4 1080:3 1040:1 1060:2"));
        game.setSavedArrangement(wanted);
        QCOMPARE(boardText(game.board()), Solution1Text);

        const std::vector<Step> steps = game.rebuild();
        QVERIFY(!game.isWon());
        QCOMPARE(game.selection(), 0);
        QCOMPARE(int(steps.size()), PositionCount + 1);
        for (int p = 1; p <= PositionCount; ++p) {
            // A pause after every card, the ninth included.
            QCOMPARE(steps[p - 1], (Step{Step::Kind::ShowCard, p, wanted[p].placement(), true}));
            game.play(steps[p - 1]);
            QCOMPARE(play(game, QStringLiteral("c1 t1")), QStringLiteral("nothing, turn"));
        }
        // Until the last step, the board still holds the previous game; a save meanwhile writes the
        // game being laid out.
        QCOMPARE(boardText(game.board()), Solution1Text);
        QCOMPARE(boardText(game.boardToSave()), boardText(wanted));
        QCOMPARE(steps.back(), (Step{Step::Kind::EndRebuild, 0, {}, false}));
        game.play(steps.back());
        QCOMPARE(boardText(game.board()), boardText(wanted));
        QCOMPARE(shownText(game), boardText(wanted));
        QCOMPARE(boardText(game.savedArrangement()), boardText(wanted));
    }

    void winTest_data()
    {
        QTest::addColumn<QString>("board");
        QTest::addColumn<int>("solution");
        for (int s = 0; s < 4; ++s) {
            Board board;
            for (int p = 1; p <= PositionCount; ++p) {
                board[p].card = Solutions[s][p - 1].card;
                board[p].orientation = Solutions[s][p - 1].orientation;
            }
            QTest::addRow("solution %d", s + 1) << boardText(board) << s + 1;
        }
        QTest::newRow("start position") << StartText << 0;
        QTest::newRow("solution 3, centre turned once more")
            << "1020:3 1060:2 1030:1 1040:4 1010:2 1080:2 1070:1 1090:4 1050:1" << 0;
        QTest::newRow("the cards of solution 2, every orientation 1")
            << "1070:1 1040:1 1020:1 1090:1 1010:1 1060:1 1050:1 1080:1 1030:1" << 0;
    }
    void winTest()
    {
        QFETCH(QString, board);
        QFETCH(int, solution);
        Board cells = boardFrom(board);
        QCOMPARE(matchingSolution(cells), solution);
        // A rebuild into a solution is no win: only a move is tested.
        QVERIFY(!gameAt(board).isWon());
    }
};

QTEST_GUILESS_MAIN(tst_Game)
#include "tst_game.moc"
