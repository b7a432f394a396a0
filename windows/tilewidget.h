// tilewidget.h: a card tile of the board: one card picture, not stretched, and the selection mark.
#pragma once

#include "game/board.h"

#include <QPixmap>
#include <QWidget>

#include <optional>

namespace quintrel {

// Paints what the board window gives it; it decides nothing. The selection mark is a one-pixel
// line round the picture, which then sits one pixel further in, using the gap to the next tile.
class TileWidget : public QWidget {
    Q_OBJECT
public:
    TileWidget(int position, QWidget *parent);

    int position() const { return m_position; }

    // The card shown and its picture; a null picture leaves the tile empty.
    const std::optional<Placement> &placement() const { return m_placement; }
    const QPixmap &picture() const { return m_picture; }
    void setCard(std::optional<Placement> placement, const QPixmap &picture);

    bool isMarked() const { return m_marked; }
    void setMarked(bool marked);

    // The keyboard cursor: a bright frame inside the picture, unlike the selection mark round it.
    bool isCursorShown() const { return m_cursorShown; }
    void setCursorShown(bool shown);

signals:
    void clicked(int position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QSize pictureSize() const;
    QRect clickableArea() const;

    int m_position;
    std::optional<Placement> m_placement;
    QPixmap m_picture;
    bool m_marked = false;
    bool m_cursorShown = false;
    bool m_pressed = false;
};

} // namespace quintrel
