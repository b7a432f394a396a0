// The board model, the picture path rule and the stored solutions.
#include "game/board.h"
#include "game/solutions.h"

#include <QTest>

using namespace quintrel;

namespace {

// A board written as "card/orientation" for positions 1 to 9, e.g. "1050/3 1090/2 ...".
BoardCells boardFrom(const QString &text)
{
    BoardCells board;
    const QStringList cells = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    Q_ASSERT(cells.size() == PositionCount);
    for (int p = 1; p <= PositionCount; ++p) {
        const QStringList parts = cells[p - 1].split(QLatin1Char('/'));
        board[p].card = static_cast<int16_t>(parts[0].toInt());
        board[p].orientation = static_cast<int16_t>(parts[1].toInt());
    }
    return board;
}

BoardCells boardFrom(const Arrangement &arrangement)
{
    BoardCells board;
    for (int p = 1; p <= PositionCount; ++p) {
        board[p].card = arrangement[p - 1].card;
        board[p].orientation = arrangement[p - 1].orientation;
    }
    return board;
}

// The whole board turned a quarter turn counter-clockwise, every card's orientation lowered by one.
Arrangement turnedCounterClockwise(const Arrangement &arrangement)
{
    Arrangement turned{};
    for (int p = 1; p <= PositionCount; ++p) {
        const int row = PositionRow(p);
        const int column = PositionColumn(p);
        const int target = (2 - column) * 3 + row + 1;
        Placement placement = arrangement[p - 1];
        placement.orientation = static_cast<int16_t>(placement.orientation == 1 ? 4 : placement.orientation - 1);
        turned[target - 1] = placement;
    }
    return turned;
}

} // namespace

class tst_Game : public QObject {
    Q_OBJECT

private slots:
    void init() { ResetGameState(); }

    void stateIsZeroBeforeTheFirstDeal()
    {
        for (int p = 1; p <= PositionCount; ++p)
            QCOMPARE(Board[p], Cell{});
        QCOMPARE(firstActivation, int16_t(0));
        QCOMPARE(tileSelected, int16_t(0));
        QCOMPARE(selectedTile, int16_t(0));
        QCOMPARE(gameWon, int16_t(0));
    }

    void startPositionKeepsSavedFields()
    {
        Board[4].savedCard = 1070;
        Board[4].savedOrientation = 3;
        SetStartPosition(Board);
        for (int p = 1; p <= PositionCount; ++p) {
            QCOMPARE(Board[p].card, int16_t(1000 + 10 * p));
            QCOMPARE(Board[p].orientation, int16_t(1));
        }
        QCOMPARE(Board[4].savedCard, int16_t(1070));
        QCOMPARE(Board[4].savedOrientation, int16_t(3));
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
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, Board[position]);
    }

    void swapExchangesCardAndOrientationOnly()
    {
        Board = boardFrom(QStringLiteral("1010/1 1020/2 1030/3 1040/4 1050/1 1060/2 1070/3 1080/4 1090/1"));
        Board[1].savedCard = 1;
        Board[9].savedCard = 9;
        SwapCells(Board, 1, 9);
        QCOMPARE(Board[1].card, int16_t(1090));
        QCOMPARE(Board[1].orientation, int16_t(1));
        QCOMPARE(Board[9].card, int16_t(1010));
        QCOMPARE(Board[9].orientation, int16_t(1));
        QCOMPARE(Board[1].savedCard, int16_t(1));
        QCOMPARE(Board[9].savedCard, int16_t(9));
    }

    void orientationTurnsRound()
    {
        QCOMPARE(NextOrientation(1), int16_t(2));
        QCOMPARE(NextOrientation(2), int16_t(3));
        QCOMPARE(NextOrientation(3), int16_t(4));
        QCOMPARE(NextOrientation(4), int16_t(1));
    }

    void picturePath_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("card");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QString>("path");
        QTest::newRow("ordinary folder") << "/opt/quintrel" << 1070 << 3 << "/opt/quintrel/1070/3.gif";
        QTest::newRow("root folder") << "/" << 1010 << 1 << "/1010/1.gif";
        QTest::newRow("no sign for a negative value") << "/q" << -1020 << -2 << "/q/1020/2.gif";
        QTest::newRow("no leading zero") << "/q" << 0 << 0 << "/q/0/0.gif";
        QTest::newRow("the smallest value") << "/q" << -32768 << 4 << "/q/32768/4.gif";
    }
    void picturePath()
    {
        QFETCH(QString, folder);
        QFETCH(int, card);
        QFETCH(int, orientation);
        QFETCH(QString, path);
        QCOMPARE(QString::fromStdString(CardPicturePath(folder.toStdString(), static_cast<int16_t>(card),
                                                        static_cast<int16_t>(orientation))),
                 path);
    }

    void solutionsAreOneArrangementFromFourSides()
    {
        for (std::size_t s = 0; s < Solutions.size(); ++s) {
            const Arrangement &next = Solutions[(s + 1) % Solutions.size()];
            const Arrangement turned = turnedCounterClockwise(Solutions[s]);
            for (int p = 1; p <= PositionCount; ++p) {
                QCOMPARE(turned[p - 1].card, next[p - 1].card);
                QCOMPARE(turned[p - 1].orientation, next[p - 1].orientation);
            }
            // Each holds every card once, with card 1010 in the centre.
            QSet<int> cards;
            for (const Placement &placement : Solutions[s])
                cards.insert(placement.card);
            QCOMPARE(cards.size(), PositionCount);
            QCOMPARE(Solutions[s][4].card, int16_t(1010));
        }
    }

    void matchingSolution_data()
    {
        QTest::addColumn<QString>("board");
        QTest::addColumn<int>("solution");
        QTest::newRow("start position") << "1010/1 1020/1 1030/1 1040/1 1050/1 1060/1 1070/1 1080/1 1090/1" << 0;
        QTest::newRow("solution 1") << "1050/3 1090/2 1070/3 1080/4 1010/3 1040/2 1030/3 1060/4 1020/1" << 1;
        QTest::newRow("solution 2") << "1070/2 1040/1 1020/4 1090/1 1010/2 1060/3 1050/2 1080/3 1030/2" << 2;
        QTest::newRow("solution 3") << "1020/3 1060/2 1030/1 1040/4 1010/1 1080/2 1070/1 1090/4 1050/1" << 3;
        QTest::newRow("solution 4") << "1030/4 1080/1 1050/4 1060/1 1010/4 1090/3 1020/2 1040/3 1070/4" << 4;
        QTest::newRow("solution 3, centre turned once") << "1020/3 1060/2 1030/1 1040/4 1010/2 1080/2 1070/1 1090/4 1050/1" << 0;
        QTest::newRow("solution 2's cards, all orientation 1") << "1070/1 1040/1 1020/1 1090/1 1010/1 1060/1 1050/1 1080/1 1030/1" << 0;
        QTest::newRow("solution 1, last card swapped") << "1050/3 1090/2 1070/3 1080/4 1010/3 1040/2 1030/3 1020/1 1060/4" << 0;
    }
    void matchingSolution()
    {
        QFETCH(QString, board);
        QFETCH(int, solution);
        QCOMPARE(MatchingSolution(boardFrom(board)), solution);
    }

    void savedFieldsPlayNoPartInTheWinTest()
    {
        BoardCells board = boardFrom(Solutions[0]);
        for (int p = 1; p <= PositionCount; ++p) {
            board[p].savedCard = 0;
            board[p].savedOrientation = 7;
        }
        QCOMPARE(MatchingSolution(board), 1);
        BoardCells start;
        SetStartPosition(start);
        for (int p = 1; p <= PositionCount; ++p) {
            start[p].savedCard = Solutions[0][p - 1].card;
            start[p].savedOrientation = Solutions[0][p - 1].orientation;
        }
        QCOMPARE(MatchingSolution(start), 0);
    }
};

QTEST_APPLESS_MAIN(tst_Game)
#include "tst_game.moc"
