// boardaccessibility.cpp: the table, cell and button interfaces of the board's widgets.
#include "windows/boardaccessibility.h"

#include "game/board.h"
#include "windows/boardview.h"
#include "windows/spinhandle.h"
#include "windows/tilewidget.h"

#include <QAccessibleWidget>

namespace quintrel {

namespace {

const QString PressAction = QAccessibleActionInterface::pressAction();

// The client area: a table whose children are the nine tiles (row by row) and then the nine handles.
class BoardAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit BoardAccessible(BoardView *view)
        : QAccessibleWidget(view, QAccessible::Table)
    {
    }

    BoardView *view() const { return static_cast<BoardView *>(widget()); }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return BoardView::tr("Board");
        if (t == QAccessible::Description)
            return BoardView::tr("Nine cards in three rows and three columns. %1").arg(boardKeyHelp());
        return QAccessibleWidget::text(t);
    }

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override
    {
        if (row < 0 || row > 2 || column < 0 || column > 2)
            return nullptr;
        return QAccessible::queryAccessibleInterface(view()->tile(positionAt(row, column)));
    }
    int columnCount() const override { return 3; }
    int rowCount() const override { return 3; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedCellCount() const override { return int(selectedCells().size()); }
    QList<QAccessibleInterface *> selectedCells() const override
    {
        QList<QAccessibleInterface *> cells;
        for (int p = 1; p <= PositionCount; ++p) {
            if (view()->tile(p)->isMarked())
                cells << QAccessible::queryAccessibleInterface(view()->tile(p));
        }
        return cells;
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override {}
};

// A tile: a table cell named for what it shows, pressed as a click on it.
class TileAccessible : public QAccessibleWidget, public QAccessibleTableCellInterface {
public:
    explicit TileAccessible(TileWidget *tile)
        : QAccessibleWidget(tile, QAccessible::Cell)
    {
    }

    TileWidget *tile() const { return static_cast<TileWidget *>(widget()); }
    BoardView *view() const { return qobject_cast<BoardView *>(tile()->parentWidget()); }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description)
            return boardKeyHelp();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.selectable = true;
        state.selected = tile()->isMarked();
        state.focusable = true;
        state.focused = view() && view()->hasFocus() && view()->cursorPosition() == tile()->position();
        return state;
    }

    QStringList actionNames() const override { return {PressAction}; }
    void doAction(const QString &action) override
    {
        if (action == PressAction && view())
            emit view()->tileClicked(tile()->position());
    }

    bool isSelected() const override { return tile()->isMarked(); }
    QList<QAccessibleInterface *> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return positionColumn(tile()->position()); }
    int rowIndex() const override { return positionRow(tile()->position()); }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override
    {
        return QAccessible::queryAccessibleInterface(tile()->parentWidget());
    }
};

// A spin handle: a button named for the card it turns.
class SpinHandleAccessible : public QAccessibleWidget {
public:
    explicit SpinHandleAccessible(SpinHandle *handle)
        : QAccessibleWidget(handle, QAccessible::Button)
    {
    }

    SpinHandle *handle() const { return static_cast<SpinHandle *>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description)
            return BoardView::tr("Turns the card a quarter turn clockwise.");
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return {PressAction}; }
    void doAction(const QString &action) override
    {
        if (action == PressAction)
            emit handle()->clicked(handle()->position());
    }
};

QAccessibleInterface *boardFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("quintrel::BoardView"))
        return new BoardAccessible(static_cast<BoardView *>(object));
    if (className == QLatin1String("quintrel::TileWidget"))
        return new TileAccessible(static_cast<TileWidget *>(object));
    if (className == QLatin1String("quintrel::SpinHandle"))
        return new SpinHandleAccessible(static_cast<SpinHandle *>(object));
    return nullptr;
}

} // namespace

void installBoardAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(boardFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace quintrel
