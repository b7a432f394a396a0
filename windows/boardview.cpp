// boardview.cpp: laying out the tiles and handles, drawing the game on them, and playing them from the keyboard.
#include "windows/boardview.h"

#include "platform/filereading.h"
#include "platform/gamefolders.h"
#include "platform/scaledpicture.h"
#include "windows/boardaccessibility.h"
#include "windows/boardlayout.h"
#include "windows/handcursor.h"
#include "windows/spinhandle.h"
#include "windows/tilewidget.h"
#include "windows/tilewords.h"

#include <QAccessible>
#include <QKeyEvent>

namespace quintrel {

namespace {

void setAccessibleNameOf(QWidget *widget, const QString &text)
{
    if (widget->accessibleName() != text)
        widget->setAccessibleName(text);
}

} // namespace

BoardView::BoardView(const Game &game, QWidget *parent)
    : QWidget(parent)
    , m_game(game)
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
    const QCursor hand = handCursor(devicePixelRatioF());
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

TileWidget *BoardView::tile(int position) const { return m_tiles[positionIndex(position)]; }

SpinHandle *BoardView::spinHandle(int position) const { return m_handles[positionIndex(position)]; }

void BoardView::redraw()
{
    QRegion changed;
    for (int p = 1; p <= PositionCount; ++p) {
        TileWidget *t = tile(p);
        const std::optional<Placement> shown = m_game.shown(p);
        const bool marked = m_game.isMarked(p);
        const bool cursor = m_cursorShown && p == m_cursor;
        // What a screen reader says of a tile and its handle depends on its card and its mark only:
        // worded again when one of them changes (and the first time), not at every step or key.
        const bool cardOrMarkChanged = shown != t->placement() || marked != t->isMarked();
        if (cardOrMarkChanged || cursor != t->isCursorShown())
            changed += t->geometry();
        if (shown != t->placement()) {
            QString failure;
            const QPixmap picture = shown ? cardPicture(*shown, &failure) : QPixmap();
            // The tile is emptied, so the player never sees the old card as this one.
            t->setCard(shown, picture);
            if (!failure.isEmpty())
                emit cardPictureMissing(
                    tr("%1\n\nThe tile stays empty; reinstall Quintrel to get the picture back.").arg(failure));
        }
        t->setMarked(marked);
        t->setCursorShown(cursor);
        if (cardOrMarkChanged || t->accessibleName().isEmpty()) {
            setAccessibleNameOf(t, TileWords::tile(m_game, p));
            setAccessibleNameOf(spinHandle(p), TileWords::spinHandle(m_game, p));
        }
    }
    // On the screen now, in one go: a step's picture is there before the pause after it begins.
    if (!changed.isEmpty())
        repaint(changed);
}

QPixmap BoardView::cardPicture(Placement placement, QString *failure)
{
    const qreal ratio = devicePixelRatioF();
    if (ratio != m_pictureRatio) {
        m_pictures.clear();
        m_pictureRatio = ratio;
    }
    const int key = placement.card * 10 + placement.orientation;
    if (const QPixmap *kept = m_pictures.object(key))
        return *kept;
    const QByteArray path = dataFile(QByteArray::fromStdString(cardPictureName(placement)));
    QString reason;
    const QPixmap picture = readPictureForRatio(path, CardPictureCap, ratio, &reason);
    if (picture.isNull()) {
        *failure = tr("The card picture \"%1\" could not be loaded (%2).").arg(displayPath(path), reason);
        return QPixmap();
    }
    m_pictures.insert(key, new QPixmap(picture));
    return picture;
}

bool BoardView::event(QEvent *event)
{
    // Moved to a screen of another pixel ratio: every tile takes its picture for the new one.
    if (event->type() == QEvent::ScreenChangeInternal && m_pictureRatio != 0 && devicePixelRatioF() != m_pictureRatio) {
        for (TileWidget *t : m_tiles) {
            QString failure;
            if (t->placement())
                t->setCard(t->placement(), cardPicture(*t->placement(), &failure));
        }
    }
    return QWidget::event(event);
}

QString boardKeyHelp()
{
    return BoardView::tr("The arrow keys move between the cards, Space or Enter selects a card and swaps it with the "
                         "selected one, R turns a card a quarter turn clockwise.");
}

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
    m_cursor = positionAt(row, column);
    showCursor(true);
}

void BoardView::showCursor(bool shown)
{
    m_cursorShown = shown;
    redraw();
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
