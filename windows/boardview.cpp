// boardview.cpp: laying out the tiles and handles, and playing them from the keyboard.
#include "windows/boardview.h"

#include "game/board.h"
#include "windows/boardaccessibility.h"
#include "windows/boardlayout.h"
#include "windows/handcursor.h"
#include "windows/spinhandle.h"
#include "windows/tilewidget.h"

#include <QAccessible>
#include <QKeyEvent>

namespace quintrel {

BoardView::BoardView(QWidget *parent)
    : QWidget(parent)
{
    installBoardAccessibility();
    setObjectName(QStringLiteral("client"));
    setFocusPolicy(Qt::StrongFocus);
    for (int p = 1; p <= PositionCount; ++p) {
        auto *tile = new TileWidget(p, this);
        tile->move(BoardLayout::tileOrigin(p));
        connect(tile, &TileWidget::clicked, this, &BoardView::tileClicked);
        tile->installEventFilter(this);
        m_tiles[p - 1] = tile;
    }
    const QCursor hand = handCursor();
    for (int p = 1; p <= PositionCount; ++p) {
        auto *handle = new SpinHandle(p, hand, this);
        handle->move(BoardLayout::spinHandleOrigin(p));
        connect(handle, &SpinHandle::clicked, this, &BoardView::spinHandleClicked);
        handle->installEventFilter(this);
        m_handles[p - 1] = handle;
    }
    // The handles lie in front of the tiles: a press in a handle's square is the handle's.
    for (SpinHandle *handle : m_handles)
        handle->raise();
}

TileWidget *BoardView::tile(int position) const { return m_tiles.at(static_cast<std::size_t>(position - 1)); }

SpinHandle *BoardView::spinHandle(int position) const { return m_handles.at(static_cast<std::size_t>(position - 1)); }

void BoardView::keyPressEvent(QKeyEvent *event)
{
    // Keys with Ctrl or Alt belong to the menus.
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
        moveCursor(0, -1);
        break;
    case Qt::Key_Right:
        moveCursor(0, 1);
        break;
    case Qt::Key_Up:
        moveCursor(-1, 0);
        break;
    case Qt::Key_Down:
        moveCursor(1, 0);
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        showCursor(true);
        emit tileClicked(m_cursor);
        break;
    case Qt::Key_R:
        showCursor(true);
        emit spinHandleClicked(m_cursor);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void BoardView::moveCursor(int rowStep, int columnStep)
{
    const int row = qBound(0, positionRow(m_cursor) + rowStep, 2);
    const int column = qBound(0, positionColumn(m_cursor) + columnStep, 2);
    const int next = positionAt(row, column);
    if (next != m_cursor) {
        tile(m_cursor)->setCursorShown(false);
        m_cursor = next;
    }
    showCursor(true);
}

void BoardView::showCursor(bool shown)
{
    m_cursorShown = shown;
    tile(m_cursor)->setCursorShown(shown);
    if (hasFocus())
        announceCursorFocus();
}

// The cursor's tile holds the accessible focus while the board has the keyboard.
void BoardView::announceCursorFocus()
{
    QAccessibleEvent focus(tile(m_cursor), QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

void BoardView::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    announceCursorFocus();
}

bool BoardView::eventFilter(QObject *watched, QEvent *event)
{
    // The mouse on the board puts the keyboard cursor away.
    if (event->type() == QEvent::MouseButtonPress && m_cursorShown)
        showCursor(false);
    return QWidget::eventFilter(watched, event);
}

} // namespace quintrel
