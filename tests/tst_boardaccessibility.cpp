// tst_boardaccessibility.cpp: the board as a screen reader sees it through Qt's accessibility: a
// table of nine named cells and nine buttons, their states, the focus, and the events a move sends.
#include "boardsession.h"
#include "windows/boardview.h"
#include "windows/tilewords.h"
#include "windows/winwindow.h"

#include <QAccessible>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

using namespace quintrel;
using namespace quintrel::testing;

namespace {

// Every accessibility event, as "event:object" (the object's name).
QStringList g_events;

void recordEvent(QAccessibleEvent *event)
{
    const char *type = event->type() == QAccessible::NameChanged    ? "name"
                       : event->type() == QAccessible::StateChanged ? "state"
                       : event->type() == QAccessible::Focus        ? "focus"
                       : event->type() == QAccessible::Alert        ? "alert"
                                                                    : nullptr;
    if (type && event->object())
        g_events << QString::fromLatin1(type) + u':' + event->object()->objectName();
}

QAccessibleInterface *boardTable(BoardSession &session)
{
    return QAccessible::queryAccessibleInterface(session.board->centralWidget());
}

} // namespace

class tst_BoardAccessibility : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // As an assistive technology would: accessibility switched on, every event caught.
        QAccessible::installUpdateHandler(recordEvent);
        QPlatformAccessibility *accessibility = QGuiApplicationPrivate::platformIntegration()->accessibility();
        QVERIFY(accessibility);
        accessibility->setActive(true);
    }

    void init() { g_events.clear(); }

    void theBoardIsATableOfNamedCellsAndButtons()
    {
        BoardSession session;
        session.setUpAndDeal();
        session.clickTile(6);
        QAccessibleInterface *table = boardTable(session);
        QVERIFY(table);
        QCOMPARE(table->role(), QAccessible::Table);
        QCOMPARE(table->text(QAccessible::Name), QStringLiteral("Board"));
        QVERIFY(table->text(QAccessible::Description).contains(QStringLiteral("arrow keys")));
        QAccessibleTableInterface *cells = table->tableInterface();
        QVERIFY(cells);
        QCOMPARE(cells->rowCount(), 3);
        QCOMPARE(cells->columnCount(), 3);
        QCOMPARE(table->childCount(), 2 * PositionCount);

        QAccessibleInterface *cell = cells->cellAt(1, 2);
        QCOMPARE(cell->role(), QAccessible::Cell);
        QCOMPARE(cell->object(), session.board->tile(6));
        QVERIFY(
            cell->text(QAccessible::Name).startsWith(QStringLiteral("Row 2, column 3: card 1060, not turned. Top: ")));
        QVERIFY(cell->text(QAccessible::Name).endsWith(QStringLiteral("Selected.")));
        QVERIFY(cell->state().selected);
        QCOMPARE(cell->tableCellInterface()->rowIndex(), 1);
        QCOMPARE(cell->tableCellInterface()->columnIndex(), 2);
        QCOMPARE(cells->selectedCellCount(), 1);
        QVERIFY(!cells->cellAt(0, 0)->state().selected);

        QAccessibleInterface *handle = table->child(PositionCount + 4);
        QCOMPARE(handle->role(), QAccessible::Button);
        QCOMPARE(handle->text(QAccessible::Name), QStringLiteral("Turn card 1050"));
        QVERIFY(!handle->text(QAccessible::Description).isEmpty());
    }

    // The words of a cell and its handle, as the game's state changes under them.
    void cellsAndHandlesInWords()
    {
        Game game;
        QCOMPARE(TileWords::tile(game, 4), QStringLiteral("Row 2, column 1: empty."));
        QCOMPARE(TileWords::spinHandle(game, 4), QStringLiteral("Turn the card at row 2, column 1"));
        for (const Step &step : game.newGame())
            game.play(step);
        game.turn(2);
        game.turn(2);
        game.clickTile(2);
        QCOMPARE(TileWords::tile(game, 2),
                 QStringLiteral(
                     "Row 1, column 2: card 1020, turned twice. Top: upper half of a spade. Right: upper "
                     "half of a spade. Bottom: lower half of a club. Left: upper half of a heart. Selected."));
        QCOMPARE(TileWords::spinHandle(game, 2), QStringLiteral("Turn card 1020"));
        game.turn(3);
        QCOMPARE(TileWords::tile(game, 3),
                 QStringLiteral("Row 1, column 3: card 1030, turned once. Top: lower half of a club. Right: upper half "
                                "of a diamond. Bottom: upper half of a spade. Left: lower half of a heart."));
    }

    // A screen reader's action is a click: pressing a cell selects it, pressing a handle turns.
    void actionsAreClicks()
    {
        BoardSession session;
        session.setUpAndDeal();
        QAccessibleTableInterface *cells = boardTable(session)->tableInterface();
        cells->cellAt(0, 0)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        cells->cellAt(2, 2)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        session.playOut();
        boardTable(session)
            ->child(PositionCount + 1)
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(session.boardNow(), QStringLiteral("1090:1 1020:2 1030:1 1040:1 1050:1 1060:1 1070:1 1080:1 1010:1"));
    }

    // Every change is told: the cursor's cell takes the focus, a swap renames both cells and ends
    // the selection, a turn renames its cell and its handle, the win window alerts.
    void movesSendTheirEvents()
    {
        BoardSession session;
        QVERIFY(session.setUp());
        session.showAndDeal();
        QVERIFY(session.folder.write(QStringLiteral("game.ini"),
                                     savedGameFile(QStringLiteral(
                                         "1050:3 1090:2 1070:3 1080:4 1010:2 1040:2 1030:3 1060:4 1020:1"))));
        session.load();
        auto *view = static_cast<BoardView *>(session.board->centralWidget());
        QVERIFY(view->hasFocus());
        g_events.clear();

        QTest::keyClick(view, Qt::Key_Right);
        QCOMPARE(g_events, QStringList{QStringLiteral("focus:img_tile_2")});
        QVERIFY(boardTable(session)->tableInterface()->cellAt(0, 1)->state().focused);
        g_events.clear();

        QTest::keyClick(view, Qt::Key_Space);
        QTest::keyClick(view, Qt::Key_Right);
        QTest::keyClick(view, Qt::Key_Return);
        session.playOut();
        QVERIFY(g_events.contains(QStringLiteral("state:img_tile_2")));
        QVERIFY(g_events.contains(QStringLiteral("name:img_tile_2")));
        QVERIFY(g_events.contains(QStringLiteral("name:img_tile_3")));
        QVERIFY(g_events.contains(QStringLiteral("name:img_spin_3")));
        QVERIFY(!boardTable(session)->tableInterface()->cellAt(0, 1)->state().selected);
        // Back as it was, the cursor on tile 2 again.
        QTest::keyClick(view, Qt::Key_Space);
        QTest::keyClick(view, Qt::Key_Left);
        QTest::keyClick(view, Qt::Key_Return);
        session.playOut();
        g_events.clear();

        QTest::keyClick(view, Qt::Key_Down);
        ModalWatcher<WinWindow> wins;
        QTest::keyClick(view, Qt::Key_R);
        QTRY_COMPARE(wins.count, 1);
        QVERIFY(g_events.contains(QStringLiteral("name:img_tile_5")));
        QVERIFY(g_events.contains(QStringLiteral("alert:frm_win")));
    }
};

QTEST_MAIN(tst_BoardAccessibility)
#include "tst_boardaccessibility.moc"
