// boardview.h: the board window's client area: the nine tiles, their spin handles in front of
// them, and the keyboard cursor that lets the board be played without a mouse.
#pragma once

#include "game/game.h"

#include <QCache>
#include <QPixmap>
#include <QWidget>

#include <array>

namespace quintrel {

class SpinHandle;
class TileWidget;

// What the keys do on the board, in the words a screen reader gives them.
QString boardKeyHelp();

// It draws the game it is given, and takes the keyboard focus: the keys of boardKeyHelp() move a
// cursor over the tiles (it starts on the top left and stops at the edges) and act on the tile under
// it. The cursor shows only once a key has been used, and hides when the mouse is pressed on the
// board, so a game played with the mouse looks as it always did.
class BoardView : public QWidget {
    Q_OBJECT
public:
    BoardView(const Game &game, QWidget *parent);

    TileWidget *tile(int position) const;
    SpinHandle *spinHandle(int position) const;

    int cursorPosition() const { return m_cursor; }
    bool isCursorShown() const { return m_cursorShown; }

    // Brings the tiles in line with the game: each tile compares what the game shows on it (card,
    // selection mark, cursor) with what it holds and changes only what differs, what a screen
    // reader is told of the tile and its handle follows, and the changes are painted at once. A
    // card picture that cannot be read leaves its tile empty, and cardPictureMissing() says which
    // file it is.
    void redraw();

    // The picture of a placement for the board's pixel ratio (the 2x picture on a screen with more
    // pixels than 1x), kept from an earlier reading or read now. Null when its file cannot be read;
    // *failure then says which file it is and why.
    QPixmap cardPicture(Placement placement, QString *failure);

signals:
    void tileClicked(int position);
    void spinHandleClicked(int position);
    // The message for the player about a card picture that a redraw could not read.
    void cardPictureMissing(const QString &message);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    bool event(QEvent *event) override;

private:
    void moveCursor(int rowStep, int columnStep);
    void showCursor(bool shown);
    void announceCursorFocus();

    const Game &m_game;
    // Keyed by card * 10 + orientation. Room for the pictures on the board and as many again, those
    // of a saved game read before it is laid out.
    QCache<int, QPixmap> m_pictures{2 * PositionCount};
    // The pixel ratio the kept pictures were made for: a window moved to a screen of another ratio
    // reads them again.
    qreal m_pictureRatio = 0;
    std::array<TileWidget *, 9> m_tiles{};
    std::array<SpinHandle *, 9> m_handles{};
    int m_cursor = 1;
    bool m_cursorShown = false;
};

} // namespace quintrel
