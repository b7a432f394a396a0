// The board's menu commands: the menu tree, the help and example windows, saving and loading
// the game, and closing the window, also in the middle of a deal or a rebuild.
#include "boardfixture.h"

#include "app/services.h"
#include "app/winwindow.h"
#include "game/solutions.h"
#include "windows/help/frm_help.h"
#include "windows/help/scrollerform.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>

using namespace quintrel;
using namespace quintrel::testing;

namespace {

// A saved-game file for a board given as "card/orientation" for positions 1 to 9.
QByteArray savedGameFile(const QString &board)
{
    const QStringList cells = board.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QByteArray tiles = "[Tile]\r\n";
    QByteArray spins = "[Spin]\r\n";
    for (int p = 1; p <= cells.size(); ++p) {
        const QStringList parts = cells[p - 1].split(QLatin1Char('/'));
        tiles += "Dir " + QByteArray::number(p) + "=" + parts[0].toLatin1() + "\r\n";
        spins += "Tile " + QByteArray::number(p) + "=" + parts[1].toLatin1() + "\r\n";
    }
    return tiles + spins;
}

QString boardText(const BoardCells &board)
{
    QStringList cells;
    for (int p = 1; p <= PositionCount; ++p)
        cells << QStringLiteral("%1/%2").arg(board[p].card).arg(board[p].orientation);
    return cells.join(QLatin1Char(' '));
}

const QString StartText = QStringLiteral("1010/1 1020/1 1030/1 1040/1 1050/1 1060/1 1070/1 1080/1 1090/1");
const QString Solution1Text = QStringLiteral("1050/3 1090/2 1070/3 1080/4 1010/3 1040/2 1030/3 1060/4 1020/1");
// Solution 1 with the centre card turned one quarter too few.
const QString OneTurnFromSolution1 = QStringLiteral("1050/3 1090/2 1070/3 1080/4 1010/2 1040/2 1030/3 1060/4 1020/1");

} // namespace

class tst_BoardCommands : public QObject, private BoardSession {
    Q_OBJECT

private:
    void loadDealtBoard()
    {
        QVERIFY(loadBoard());
        m_board->NewGame();
    }

private slots:
    void init() { begin(); }
    void cleanup() { end(); }

    void menuTree()
    {
        frm_brd window;
        QVERIFY(window.Form_Load());
        const QList<QAction *> menus = window.menuBar()->actions();
        QCOMPARE(menus.size(), 2);
        QCOMPARE(menus[0]->text(), QStringLiteral("&File"));
        QCOMPARE(menus[1]->text(), QStringLiteral("&Help"));
        const QStringList file{"mnu_new:&New Game", "mnu_sep1:-", "mnu_save:&Save Current Game", "mnu_sep2:-",
                               "mnu_load:&Load Saved Game", "mnu_sep3:-", "mnu_exit:E&xit"};
        const QStringList help{"mnu_rules:&Rules", "mnu_sep4:-", "mnu_example:&Example", "mnu_sep5:-",
                               "mnu_about:&About..."};
        const QList<QStringList> expected{file, help};
        for (int m = 0; m < 2; ++m) {
            QStringList entries;
            for (QAction *entry : menus[m]->menu()->actions()) {
                entries << entry->objectName() + QLatin1Char(':') + (entry->isSeparator() ? QStringLiteral("-") : entry->text());
                QVERIFY(entry->shortcut().isEmpty());
                QVERIFY(!entry->isCheckable());
                QVERIFY(entry->isEnabled() && entry->isVisible());
                QVERIFY(entry->menu() == nullptr);
            }
            QCOMPARE(entries, expected[m]);
        }
        QCOMPARE(menus[0]->menu()->objectName(), QStringLiteral("mnu_file"));
        QCOMPARE(menus[1]->menu()->objectName(), QStringLiteral("mnu_help"));
    }

    void entriesRunTheirCommands()
    {
        loadDealtBoard();
        auto entry = [&](const char *name) { return board().findChild<QAction *>(QString::fromLatin1(name)); };
        QSignalSpy sounds(&board(), &frm_brd::soundPlayed);
        entry("mnu_new")->trigger();
        QTRY_COMPARE(sounds.size(), PositionCount);
        entry("mnu_save")->trigger();
        QTRY_COMPARE(messageTexts(), QStringList{QStringLiteral("Your game has been saved")});
        QSignalSpy closed(&board(), &frm_brd::closed);
        entry("mnu_exit")->trigger();
        QTRY_COMPARE(closed.size(), 1);
        QVERIFY(!board().isVisible());
    }

    void rulesAndAboutChooseTheView()
    {
        loadDealtBoard();
        QSignalSpy sounds(&board(), &frm_brd::soundPlayed);
        m_folder->writeFile(QStringLiteral("rules.txt"), "the rules");
        m_folder->writeFile(QStringLiteral("ombrel.txt"), "about us");
        QStringList seen;
        ModalWatcher<frm_help> watcher([&](frm_help *window) {
            auto *text = window->findChild<QPlainTextEdit *>(QStringLiteral("txt_help"));
            auto *logo = window->findChild<QLabel *>(QStringLiteral("img_logo"));
            seen << QStringLiteral("%1:%2:%3").arg(helpMode).arg(text->toPlainText()).arg(logo->isVisible() ? "logo" : "title");
        });
        board().mnu_about_Click();
        board().mnu_rules_Click();
        QCOMPARE(seen, (QStringList{"1:about us:logo", "0:the rules:title"}));
        // Closing a modal window re-activates the board, which deals nothing.
        QTest::qWait(50);
        QCOMPARE(sounds.size(), 0);
    }

    void exampleOpensTheViewer()
    {
        loadDealtBoard();
        QImage picture(300, 500, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        picture.save(m_folder->filePath(QStringLiteral("SOUND/example.gif")), "PNG");
        ModalWatcher<ScrollerForm> watcher;
        board().mnu_example_Click();
        QCOMPARE(watcher.count, 1);
        QVERIFY(m_messages.isEmpty());
    }

    void closingDuringTheDealStopsIt()
    {
        QVERIFY(loadBoard());
        QSignalSpy closed(&board(), &frm_brd::closed);
        int sounds = 0;
        connect(&board(), &frm_brd::soundPlayed, this, [&] {
            if (++sounds == 3)
                after(50, [&] { board().mnu_exit_Click(); });
        });
        board().show();
        QElapsedTimer clock;
        clock.start();
        QTRY_COMPARE(closed.size(), 1);
        QTest::qWait(400);
        QCOMPARE(sounds, 3);
        QVERIFY(board().isClosing());
        for (int p = 4; p <= PositionCount; ++p)
            QVERIFY(board().tile(p)->picture().isNull());
        // Nothing more happens on a closed board.
        board().NewGame();
        board().img_tile_Click(1);
        QCOMPARE(sounds, 3);
        QCOMPARE(markedTiles(board()), 0);
    }

    void saveThenLoadRebuildsTheBoard()
    {
        loadDealtBoard();
        board().mnu_save_Click();
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages[0].text, QStringLiteral("Your game has been saved"));
        QCOMPARE(m_messages[0].title, QStringLiteral("Quintrel"));
        QCOMPARE(m_messages[0].icon, MessageIcon::Information);
        QCOMPARE(m_folder->readFile(QStringLiteral("game.ini")), savedGameFile(StartText));

        clickTile(board(), 1);
        clickTile(board(), 2);
        clickHandle(board(), 5);
        clickTile(board(), 3);
        QCOMPARE(selectedTile, int16_t(3));

        QList<qint64> soundTimes;
        QElapsedTimer clock;
        clock.start();
        connect(&board(), &frm_brd::soundPlayed, this, [&] { soundTimes << clock.elapsed(); });
        board().mnu_load_Click();
        QCOMPARE(soundTimes.size(), PositionCount);
        for (int i = 1; i < soundTimes.size(); ++i)
            QVERIFY(soundTimes[i] - soundTimes[i - 1] >= 150);
        QVERIFY(clock.elapsed() >= 9 * 150); // the ninth tile is followed by its pause too
        QCOMPARE(boardText(Board), StartText);
        QCOMPARE(markedTiles(board()), 0);
        QCOMPARE(tileSelected, int16_t(0));
        QVERIFY(tilesMatchCells(board()));
        QCOMPARE(m_messages.size(), 1);
    }

    void loadWithoutASavedGame()
    {
        loadDealtBoard();
        clickTile(board(), 6);
        QSignalSpy sounds(&board(), &frm_brd::soundPlayed);
        board().mnu_load_Click();
        QCOMPARE(messageTexts(), QStringList{QStringLiteral("There are no saved games")});
        QCOMPARE(m_messages[0].icon, MessageIcon::Exclamation);
        QCOMPARE(m_messages[0].title, QStringLiteral("Quintrel"));
        QCOMPARE(sounds.size(), 0);
        QCOMPARE(selectedTile, int16_t(6));
        QCOMPARE(boardText(Board), StartText);
    }

    void loadedValues_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("board");
        QTest::newRow("hand-edited: cards 2 and 3 exchanged")
            << savedGameFile(QStringLiteral("1010/1 1030/1 1020/1 1040/1 1050/1 1060/1 1070/1 1080/1 1090/1"))
            << "1010/1 1030/1 1020/1 1040/1 1050/1 1060/1 1070/1 1080/1 1090/1";
        QTest::newRow("duplicates are applied as read")
            << savedGameFile(QStringLiteral("1010/2 1010/2 1010/3 1040/4 1050/1 1060/1 1070/1 1080/1 1090/1"))
            << "1010/2 1010/2 1010/3 1040/4 1050/1 1060/1 1070/1 1080/1 1090/1";
        QTest::newRow("a solved game loads without a win")
            << savedGameFile(Solution1Text) << Solution1Text;
    }
    void loadedValues()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, board);
        loadDealtBoard();
        m_folder->writeFile(QStringLiteral("GAME.INI"), file);
        ModalWatcher<frm_win> wins;
        this->board().mnu_load_Click();
        QCOMPARE(boardText(Board), board);
        QVERIFY(tilesMatchCells(this->board()));
        QCOMPARE(gameWon, int16_t(0));
        QCOMPARE(wins.count, 0);
        QVERIFY(m_messages.isEmpty());
    }

    void missingKeyKeepsThePendingValue()
    {
        loadDealtBoard();
        QByteArray file = savedGameFile(StartText);
        file.replace("Tile 5=1\r\n", "");
        m_folder->writeFile(QStringLiteral("game.ini"), file);
        board().mnu_load_Click();
        // No game was loaded before, so the orientation it keeps is 0, which names no picture:
        // the load is refused whole and the board stays as it was.
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(m_messages[0].text.contains(QStringLiteral("could not be loaded")));
        QCOMPARE(boardText(Board), StartText);
        QCOMPARE(Board[5].savedOrientation, int16_t(0));

        // After a load, a missing key keeps the value that load left.
        m_folder->writeFile(QStringLiteral("game.ini"), savedGameFile(QStringLiteral("1010/1 1020/1 1030/1 1040/1 1050/3 1060/1 1070/1 1080/1 1090/1")));
        m_messages.clear();
        board().mnu_load_Click();
        QCOMPARE(Board[5].orientation, int16_t(3));
        m_folder->writeFile(QStringLiteral("game.ini"), file);
        board().mnu_load_Click();
        QVERIFY(m_messages.isEmpty());
        QCOMPARE(Board[5].orientation, int16_t(3));
        QVERIFY(tilesMatchCells(board()));
    }

    void damagedValuesLeaveTheBoard_data()
    {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::newRow("orientation 7") << QByteArray("Tile 4=1") << QByteArray("Tile 4=7");
        QTest::newRow("card 9999") << QByteArray("Dir 8=1080") << QByteArray("Dir 8=9999");
        QTest::newRow("orientation 0") << QByteArray("Tile 2=1") << QByteArray("Tile 2=0");
        QTest::newRow("card 1015") << QByteArray("Dir 9=1090") << QByteArray("Dir 9=1015");
    }
    void damagedValuesLeaveTheBoard()
    {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        loadDealtBoard();
        clickHandle(board(), 9);
        clickTile(board(), 1);
        const QString before = boardText(Board);
        QByteArray file = savedGameFile(StartText);
        file.replace(from, to);
        m_folder->writeFile(QStringLiteral("game.ini"), file);
        QSignalSpy sounds(&board(), &frm_brd::soundPlayed);
        board().mnu_load_Click();
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(m_messages[0].text.contains(QStringLiteral("could not be loaded")));
        QCOMPARE(sounds.size(), 0);
        QCOMPARE(boardText(Board), before);
        QCOMPARE(selectedTile, int16_t(1));
        for (int p = 1; p <= PositionCount; ++p)
            QCOMPARE(Board[p].savedCard, int16_t(0));
        QVERIFY(tilesMatchCells(board()));
    }

    void saveAfterAWinAndLoadUnlocks()
    {
        loadDealtBoard();
        m_folder->writeFile(QStringLiteral("game.ini"), savedGameFile(OneTurnFromSolution1));
        board().mnu_load_Click();
        ModalWatcher<frm_win> wins;
        clickHandle(board(), 5);
        QCOMPARE(wins.count, 1);
        QCOMPARE(gameWon, True16);
        board().mnu_save_Click();
        QCOMPARE(m_folder->readFile(QStringLiteral("game.ini")), savedGameFile(Solution1Text));
        board().mnu_load_Click();
        QCOMPARE(gameWon, int16_t(0));
        QCOMPARE(boardText(Board), Solution1Text);
        // Playable again: the next move leaves the solution, no win window.
        clickHandle(board(), 1);
        QCOMPARE(Board[1].orientation, int16_t(4));
        QCOMPARE(wins.count, 1);
    }

    void commandsDuringARebuild_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("board");
        const QString saved = QStringLiteral("1090/2 1080/3 1070/4 1060/1 1050/2 1040/3 1030/4 1020/1 1010/2");
        QTest::newRow("clicks are ignored") << "clicks" << saved;
        QTest::newRow("new game wins") << "new" << StartText;
        QTest::newRow("a second load wins") << "load" << Solution1Text;
    }
    void commandsDuringARebuild()
    {
        QFETCH(QString, command);
        QFETCH(QString, board);
        loadDealtBoard();
        m_folder->writeFile(QStringLiteral("game.ini"),
                            savedGameFile(QStringLiteral("1090/2 1080/3 1070/4 1060/1 1050/2 1040/3 1030/4 1020/1 1010/2")));
        after(400, [&] {
            if (command == QLatin1String("clicks")) {
                clickTile(this->board(), 1);
                clickHandle(this->board(), 2);
                clickTile(this->board(), 3);
            } else if (command == QLatin1String("new")) {
                this->board().mnu_new_Click();
            } else {
                m_folder->writeFile(QStringLiteral("game.ini"), savedGameFile(Solution1Text));
                this->board().mnu_load_Click();
            }
        });
        ModalWatcher<frm_win> wins;
        this->board().mnu_load_Click();
        QTRY_VERIFY(!this->board().isBusy());
        QCOMPARE(boardText(Board), board);
        QVERIFY(tilesMatchCells(this->board()));
        QCOMPARE(markedTiles(this->board()), 0);
        QCOMPARE(wins.count, 0);
    }

    void closingDuringARebuildStopsIt()
    {
        loadDealtBoard();
        m_folder->writeFile(QStringLiteral("game.ini"), savedGameFile(Solution1Text));
        QSignalSpy sounds(&board(), &frm_brd::soundPlayed);
        after(350, [&] { board().close(); });
        QElapsedTimer clock;
        clock.start();
        board().mnu_load_Click();
        QVERIFY(clock.elapsed() < 1000);
        QVERIFY(sounds.size() < PositionCount);
        QVERIFY(board().isClosing());
        const int heard = sounds.size();
        QTest::qWait(400);
        QCOMPARE(sounds.size(), heard);
    }
};

QTEST_MAIN(tst_BoardCommands)
#include "tst_boardcommands.moc"
