// tst_boardwindow.cpp: the board window on the offscreen platform: set-up, painting from the game,
// pointer routing, the timed sequences and what input does inside them, the menus.
#include "boardsession.h"
#include "windows/exampleviewer.h"
#include "windows/helpwindow.h"
#include "windows/winwindow.h"

#include <QAction>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace quintrel;
using namespace quintrel::testing;
using namespace std::chrono_literals;

namespace {

const QString OneTurnFromSolution1 = QStringLiteral("1050:3 1090:2 1070:3 1080:4 1010:2 1040:2 1030:3 1060:4 1020:1");
const QString SavedGame = QStringLiteral("1090:2 1080:3 1070:4 1060:1 1050:2 1040:3 1030:4 1020:1 1010:2");

} // namespace

class tst_BoardWindow : public QObject {
    Q_OBJECT

private slots:
    void setUpLaysOutAnEmptyBoard()
    {
        BoardSession session;
        QVERIFY(session.setUp());
        BoardWindow &board = *session.board;
        // The sizing rule leaves 522 x 541 inside the frame: the menu bar, then the 520-pixel board.
        QCOMPARE(board.size(), QSize(522, 541));
        board.layout()->activate();
        QVERIFY(board.centralWidget()->height() >= 521);
        QVERIFY(!board.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!board.windowIcon().isNull());
        QCOMPARE(session.painted(), QStringLiteral("- - - - - - - - -"));
        QVERIFY(session.messages.isEmpty());
    }

    void setUpStopsWithoutItsIcon_data()
    {
        QTest::addColumn<bool>("present");
        QTest::newRow("missing") << false;
        QTest::newRow("not an icon") << true;
    }
    void setUpStopsWithoutItsIcon()
    {
        QFETCH(bool, present);
        BoardSession session;
        const QString icon = session.folder.filePath(QStringLiteral("SOUND/QUINTREL.ICO"));
        QFile::remove(icon);
        if (present)
            QVERIFY(writeFile(icon, "this is no icon"));
        QVERIFY(!session.setUp());
        QCOMPARE(session.board->exitCode(), 1);
        QCOMPARE(session.messages.messages.size(), 1);
        QVERIFY(session.messages.messages[0].text.contains(icon));
    }

    // Each step of a deal is painted before its pause: the cards appear one by one from the top left.
    void dealPaintsCardByCard()
    {
        BoardSession session;
        QVERIFY(session.setUp());
        QStringList seenAtPauses;
        for (int i = 0; i < PositionCount; ++i)
            session.duringPauses.push_back([&] { seenAtPauses << session.painted(); });
        session.newGame();
        QCOMPARE(session.pauses, QList<std::chrono::milliseconds>(PositionCount - 1, 150ms));
        QCOMPARE(session.sounds, QStringList(PositionCount, QStringLiteral("snip")));
        QCOMPARE(seenAtPauses.size(), PositionCount - 1);
        QCOMPARE(seenAtPauses.first(), QStringLiteral("1010:1 - - - - - - - -"));
        QCOMPARE(seenAtPauses.last(), QStringLiteral("1010:1 1020:1 1030:1 1040:1 1050:1 1060:1 1070:1 1080:1 -"));
        QCOMPARE(session.painted(), StartText);
    }

    // The one test on the real clock: the pauses between the cards of a deal last 0.15 s.
    void dealTakesItsTime()
    {
        BoardSession session;
        QVERIFY(session.setUp());
        session.board->stepPlayer().setPauseClock({});
        QList<qint64> soundTimes;
        QElapsedTimer clock;
        clock.start();
        connect(session.board.get(), &BoardWindow::soundPlayed, this, [&] { soundTimes << clock.nsecsElapsed(); });
        session.board->newGame();
        QTRY_COMPARE_WITH_TIMEOUT(soundTimes.size(), PositionCount, 10000);
        for (int i = 1; i < soundTimes.size(); ++i)
            QVERIFY2(soundTimes[i] - soundTimes[i - 1] >= 150'000'000, "a pause shorter than 0.15 s");
    }

    void clicksPaintTheSelectionAndTheSwap()
    {
        BoardSession session;
        session.setUpAndDeal();
        session.clickTile(4);
        QCOMPARE(session.board->game().selection(), 4);
        QCOMPARE(session.paintedMarks(), QStringLiteral("4"));
        session.clickTile(4);
        QCOMPARE(session.paintedMarks(), QString());

        // Both tiles carry the mark through the pause; then the pictures change places.
        QString duringPause;
        session.duringPauses.push_back([&] { duringPause = session.paintedMarks() + u' ' + session.painted(); });
        session.clickTile(1);
        session.clickTile(9);
        QCOMPARE(duringPause, QStringLiteral("19 ") + StartText);
        QCOMPARE(session.pauses, QList<std::chrono::milliseconds>{150ms});
        const QString swapped = QStringLiteral("1090:1 1020:1 1030:1 1040:1 1050:1 1060:1 1070:1 1080:1 1010:1");
        QCOMPARE(session.painted(), swapped);
        QCOMPARE(session.boardNow(), swapped);
        QCOMPARE(session.paintedMarks(), QString());
        QCOMPARE(session.sounds, QStringList{QStringLiteral("snip")});
    }

    void spinHandleArmsUnderThePointerAndTurns()
    {
        BoardSession session;
        QVERIFY(session.setUp());
        session.showAndDeal();
        SpinHandle *handle = session.board->spinHandle(5);
        QWidget *client = session.board->centralWidget();
        QTest::mouseMove(client, QPoint(200, 200));
        QTest::mouseMove(client, handle->geometry().center());
        QTRY_VERIFY(handle->isArmed());
        QVERIFY(handle->testAttribute(Qt::WA_SetCursor));
        QTest::mouseMove(client, QPoint(200, 200));
        QTRY_VERIFY(!handle->isArmed());
        QVERIFY(!handle->testAttribute(Qt::WA_SetCursor));
        QCOMPARE(session.boardNow(), StartText);

        session.clickTile(3);
        session.clickHandle(5);
        QCOMPARE(session.painted(), QStringLiteral("1010:1 1020:1 1030:1 1040:1 1050:2 1060:1 1070:1 1080:1 1090:1"));
        QCOMPARE(session.paintedMarks(), QString());
        QCOMPARE(session.sounds, QStringList{QStringLiteral("click")});
    }

    // The middle 41 x 41 pixels of a tile belong to its spin handle; the rest to the tile.
    void clickReachesHandleOrTile_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<bool>("turns");
        QTest::newRow("handle top left") << QPoint(65, 65) << true;
        QTest::newRow("handle bottom right") << QPoint(105, 105) << true;
        QTest::newRow("left of the handle") << QPoint(64, 80) << false;
        QTest::newRow("below the handle") << QPoint(80, 106) << false;
    }
    void clickReachesHandleOrTile()
    {
        QFETCH(QPoint, point);
        QFETCH(bool, turns);
        BoardSession session;
        QVERIFY(session.setUp());
        session.showAndDeal();
        QWidget *client = session.board->centralWidget();
        const QPoint at = session.board->tile(8)->pos() + point;
        QTest::mouseMove(client, at + QPoint(30, 30));
        QTest::mouseMove(client, at);
        QWidget *target = client->childAt(at);
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(client, at));
        QCOMPARE(session.board->game().cell(8).orientation, int16_t(turns ? 2 : 1));
        QCOMPARE(session.paintedMarks(), turns ? QString() : QStringLiteral("8"));
    }

    // Input that arrives inside the pauses of a sequence: clicks are ignored, New Game and Load
    // replace the sequence, Exit ends it. Afterwards the tiles paint the game exactly.
    void inputInsidePauses_data()
    {
        QTest::addColumn<QString>("sequence");
        QTest::addColumn<int>("pause");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("board");
        QTest::addColumn<int>("sounds");

        QTest::newRow("clicks during a deal") << "deal" << 3 << "clicks" << StartText << 9;
        QTest::newRow("new game during a deal") << "deal" << 5 << "new" << StartText << 5 + 9;
        QTest::newRow("clicks during a swap") << "swap" << 1 << "clicks"
                                              << "1090:1 1020:1 1030:1 1040:1 1050:1 1060:1 1070:1 1080:1 1010:1" << 1;
        QTest::newRow("load during a swap") << "swap" << 1 << "load" << SavedGame << 9;
        QTest::newRow("clicks during a load") << "load" << 4 << "clicks" << SavedGame << 9;
        QTest::newRow("new game during a load") << "load" << 4 << "new" << StartText << 4 + 9;
        QTest::newRow("a second load during a load") << "load" << 2 << "load" << SavedGame << 2 + 9;
        QTest::newRow("exit during a deal") << "deal" << 3 << "exit" << StartText << 3;
        QTest::newRow("exit during a load") << "load" << 2 << "exit" << StartText << 2;
    }
    void inputInsidePauses()
    {
        QFETCH(QString, sequence);
        QFETCH(int, pause);
        QFETCH(QString, input);
        QFETCH(QString, board);
        QFETCH(int, sounds);
        BoardSession session;
        session.setUpAndDeal();
        QVERIFY(session.folder.write(QStringLiteral("game.ini"), savedGameFile(SavedGame)));
        for (int i = 1; i < pause; ++i)
            session.duringPauses.push_back({});
        session.duringPauses.push_back([&] {
            QVERIFY(session.board->isBusy());
            if (input == QLatin1String("clicks")) {
                session.clickTile(1);
                session.clickHandle(2);
                session.clickTile(3);
            } else if (input == QLatin1String("new")) {
                session.newGame();
            } else if (input == QLatin1String("load")) {
                session.load();
            } else {
                session.board->close();
            }
        });
        if (sequence == QLatin1String("deal")) {
            session.newGame();
        } else if (sequence == QLatin1String("swap")) {
            session.clickTile(1);
            session.clickTile(9);
        } else {
            session.load();
        }
        QVERIFY(!session.board->isBusy());
        QCOMPARE(session.boardNow(), board);
        QCOMPARE(session.sounds.size(), sounds);
        QCOMPARE(session.paintedMarks(), QString());
        if (input == QLatin1String("exit")) {
            // Nothing more after the close, whatever is asked.
            const QString painted = session.painted();
            session.newGame();
            session.load();
            session.clickHandle(1);
            QCOMPARE(session.sounds.size(), sounds);
            QCOMPARE(session.painted(), painted);
        } else {
            QCOMPARE(session.painted(), board);
        }
    }

    // A modal window over the board (a message box, the win window) holds a running sequence: a
    // pause that ends meanwhile keeps the next card waiting until the window has closed.
    void aModalWindowHoldsTheSequence()
    {
        BoardSession session;
        QVERIFY(session.setUp());
        session.showAndDeal();
        session.board->newGame();
        QDialog box;
        box.setModal(true);
        box.show();
        box.close(); // within the pause: the pause still runs
        QCOMPARE(session.sounds.size(), 1);
        box.show();
        session.board->stepPlayer().endPause();
        QCOMPARE(session.sounds.size(), 1);
        QCOMPARE(session.painted(), QStringLiteral("1010:1 - - - - - - - -"));
        box.close();
        QCOMPARE(session.sounds.size(), 2);
        QCOMPARE(session.painted(), QStringLiteral("1010:1 1020:1 - - - - - - -"));
        session.playOut();
        QCOMPARE(session.painted(), StartText);
    }

    void onlyTheFirstActivationDeals()
    {
        BoardSession session;
        QVERIFY(session.setUp());
        session.showAndDeal();
        QWidget other;
        other.show();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        other.close();
        session.board->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(session.board.get()));
        QTest::qWait(350); // past the fallback for desktops that never activate the window
        QVERIFY(!session.board->isBusy());
        QVERIFY(session.sounds.isEmpty());
    }

    // A desktop without a window manager never activates the board: the first showing deals all
    // the same, two pauses later.
    void theFirstShowingDealsWithoutAnActivation()
    {
        BoardSession session;
        QVERIFY(session.setUp());
        struct : QObject {
            bool eventFilter(QObject *, QEvent *event) override { return event->type() == QEvent::WindowActivate; }
        } noActivation;
        session.board->installEventFilter(&noActivation);
        session.board->show();
        session.playOut();
        QCOMPARE(session.pauses.size(), 2 + PositionCount - 1);
        QCOMPARE(session.painted(), StartText);
    }

    // The winning move opens the win window and is over: the window keeps the board from input
    // until it is closed, and it goes when it closes.
    void aWinningMoveShowsTheWinWindowAndLocksTheBoard()
    {
        BoardSession session;
        session.setUpWithGame(OneTurnFromSolution1);
        session.clickHandle(5);
        QPointer<WinWindow> window = qobject_cast<WinWindow *>(QApplication::activeModalWidget());
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
        QVERIFY(window->okButton()->hasFocus());
        // No icon of its own, and not the program's either.
        QCOMPARE(window->windowIcon().pixmap(16).toImage().pixelColor(8, 8).alpha(), 0);
        QVERIFY(session.board->game().isWon());
        QCOMPARE(session.painted(), Solution1Text);
        QTest::mouseClick(window->okButton(), Qt::LeftButton);
        QTRY_VERIFY(!window);
        session.clickTile(1);
        session.clickHandle(2);
        QCOMPARE(session.boardNow(), Solution1Text);
        QCOMPARE(session.paintedMarks(), QString());
        QCOMPARE(session.sounds, QStringList{QStringLiteral("click")});
        session.newGame();
        session.clickTile(1);
        QCOMPARE(session.paintedMarks(), QStringLiteral("1"));
    }

    void missingCardPictureIsNamedAndTheDealGoesOn()
    {
        BoardSession session;
        QVERIFY(session.setUp());
        QFile::remove(session.folder.picturePath(1030, 1));
        QVERIFY(session.folder.write(QStringLiteral("1070/1.gif"), "GIF89a but broken"));
        // Each message comes once its step is over, never inside it: no step waits for the player.
        session.duringPauses = {{}, {}, [&] { QVERIFY(session.messages.isEmpty()); }};
        session.newGame();
        QCOMPARE(session.sounds.size(), PositionCount);
        QCOMPARE(session.messages.messages.size(), 2);
        QVERIFY(session.messages.messages[0].text.contains(session.folder.picturePath(1030, 1)));
        QVERIFY(session.messages.messages[1].text.contains(session.folder.picturePath(1070, 1)));
        QCOMPARE(session.painted(), QStringLiteral("1010:1 1020:1 ! 1040:1 1050:1 1060:1 ! 1080:1 1090:1"));
        QCOMPARE(session.boardNow(), StartText);
    }

    void menusRunTheirCommands()
    {
        BoardSession session;
        session.setUpAndDeal();
        const QList<QAction *> menus = session.board->menuBar()->actions();
        QStringList tree;
        for (QAction *menu : menus) {
            tree << menu->menu()->objectName() + u':' + menu->text();
            for (QAction *entry : menu->menu()->actions()) {
                tree << entry->objectName() + u':' + (entry->isSeparator() ? QStringLiteral("-") : entry->text());
                QVERIFY(entry->shortcut().isEmpty());
            }
        }
        QCOMPARE(tree, (QStringList{"mnu_file:&File", "mnu_new:&New Game", "mnu_sep1:-", "mnu_save:&Save Current Game",
                                    "mnu_sep2:-", "mnu_load:&Load Saved Game", "mnu_sep3:-", "mnu_exit:E&xit",
                                    "mnu_help:&Help", "mnu_rules:&Rules", "mnu_sep4:-", "mnu_example:&Example",
                                    "mnu_sep5:-", "mnu_about:&About..."}));

        const auto trigger = [&](const char *name) {
            session.board->findChild<QAction *>(QString::fromLatin1(name))->trigger();
            QCoreApplication::processEvents(); // the commands are queued behind the closing menu
        };
        QVERIFY(session.folder.write(QStringLiteral("rules.txt"), "the rules"));
        QVERIFY(session.folder.write(QStringLiteral("ombrel.txt"), "about us"));
        QStringList helpShown;
        ModalWatcher<HelpWindow> help([&](HelpWindow *window) {
            helpShown << window->findChild<QPlainTextEdit *>(QStringLiteral("txt_help"))->toPlainText();
        });
        trigger("mnu_about");
        trigger("mnu_rules");
        QCOMPARE(helpShown, (QStringList{"about us", "the rules"}));
        QImage example(300, 500, QImage::Format_RGB32);
        example.fill(Qt::darkGreen);
        QVERIFY(example.save(session.folder.filePath(QStringLiteral("SOUND/example.gif")), "PNG"));
        ModalWatcher<ExampleViewer> viewers;
        trigger("mnu_example");
        QCOMPARE(viewers.count, 1);

        session.clickHandle(2);
        trigger("mnu_new");
        session.playOut();
        QCOMPARE(session.boardNow(), StartText);
        QCOMPARE(session.sounds.size(), 1 + PositionCount);
        QVERIFY(session.messages.isEmpty());
        QSignalSpy closed(session.board.get(), &BoardWindow::closed);
        trigger("mnu_exit");
        QCOMPARE(closed.size(), 1);
    }

    void saveThenLoad()
    {
        BoardSession session;
        session.setUpAndDeal();
        session.load();
        QCOMPARE(session.messages.texts(), QStringList{QStringLiteral("There are no saved games")});
        QCOMPARE(session.messages.messages[0].title, QStringLiteral("Quintrel"));
        QCOMPARE(session.messages.messages[0].icon, MessageIcon::Exclamation);
        session.messages.clear();

        session.clickHandle(5);
        const QString saved = session.boardNow();
        session.board->saveGame();
        QCOMPARE(session.messages.texts(), QStringList{QStringLiteral("Your game has been saved")});
        QCOMPARE(session.messages.messages[0].icon, MessageIcon::Information);
        QCOMPARE(session.folder.read(QStringLiteral("game.ini")), savedGameFile(saved));

        session.clickTile(1);
        session.clickTile(2);
        session.clickTile(3);
        session.sounds.clear();
        session.pauses.clear();
        session.load();
        // Nine cards, each with its sound and a pause after it, the ninth included.
        QCOMPARE(session.pauses.size(), PositionCount);
        QCOMPARE(session.sounds.size(), PositionCount);
        QCOMPARE(session.boardNow(), saved);
        QCOMPARE(session.painted(), saved);
        QCOMPARE(session.paintedMarks(), QString());
        QCOMPARE(session.messages.messages.size(), 1);
    }
};

QTEST_MAIN(tst_BoardWindow)
#include "tst_boardwindow.moc"
