// boardview.h: the board window's client area: the nine tiles, their spin handles in front of
// them, and the keyboard cursor that lets the board be played without a mouse.
#pragma once

#include <QWidget>

#include <array>

namespace quintrel {

class SpinHandle;
class TileWidget;

// It takes the keyboard focus: the arrow keys move the cursor over the tiles (it starts on the top
// left and stops at the edges), Space or Enter acts as a click on the tile under it, R as a click on
// its spin handle. The cursor shows only once a key has been used, and hides when the mouse is
// pressed on the board, so a game played with the mouse looks as it always did.
class BoardView : public QWidget {
    Q_OBJECT
public:
    explicit BoardView(QWidget *parent);

    TileWidget *tile(int position) const;
    SpinHandle *spinHandle(int position) const;

    int cursorPosition() const { return m_cursor; }
    bool isCursorShown() const { return m_cursorShown; }

signals:
    void tileClicked(int position);
    void spinHandleClicked(int position);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    void moveCursor(int rowStep, int columnStep);
    void showCursor(bool shown);
    void announceCursorFocus();

    std::array<TileWidget *, 9> m_tiles{};
    std::array<SpinHandle *, 9> m_handles{};
    int m_cursor = 1;
    bool m_cursorShown = false;
};

} // namespace quintrel
