// The board's picture areas: a card tile with its selection border, and the invisible spin handle.
#pragma once

#include <QCursor>
#include <QPixmap>
#include <QWidget>

namespace quintrel {

// A tile shows one card picture, not stretched. Border style 1 is the selection mark: a one-pixel
// line round the picture, which then sits one pixel further in, using the gap to the next tile.
class TileWidget : public QWidget {
    Q_OBJECT
public:
    TileWidget(int16_t index, QWidget *parent);

    int16_t index() const { return m_index; }
    const QPixmap &picture() const { return m_picture; }
    void setPicture(const QPixmap &picture);
    int borderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);

signals:
    void clicked(int16_t index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QRect shownArea() const;

    int16_t m_index;
    QPixmap m_picture;
    int m_borderStyle = 0;
    bool m_pressed = false;
};

// A 41 x 41 area in front of the middle of its tile that draws nothing. Moving the pointer onto it
// arms it (the hand pointer shows), leaving disarms it, and a press and release over it while it is
// armed drops it on itself, which turns the card.
class SpinHandle : public QWidget {
    Q_OBJECT
public:
    SpinHandle(int16_t index, const QCursor &handCursor, QWidget *parent);

    int16_t index() const { return m_index; }
    bool isArmed() const { return m_armed; }

signals:
    void dropped(int16_t index);

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void arm();
    void disarm();

    int16_t m_index;
    QCursor m_handCursor;
    bool m_armed = false;
    bool m_pressed = false;
};

// The hand pointer of the window design: a white hand with a black outline, fingertip at (12, 9).
QCursor HandCursor();

} // namespace quintrel
