// spinhandle.h: the spin handle in the middle of a card tile, which turns its card.
#pragma once

#include <QCursor>
#include <QWidget>

namespace quintrel {

// A 41 x 41 area in front of the middle of its tile that draws nothing. Moving the pointer onto it
// arms it (the hand pointer shows), leaving disarms it, and a press and release over it while it
// is armed is a click, which turns the card.
class SpinHandle : public QWidget {
    Q_OBJECT
public:
    SpinHandle(int position, const QCursor &handCursor, QWidget *parent);

    int position() const { return m_position; }
    bool isArmed() const { return m_armed; }

signals:
    void clicked(int position);

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void arm();
    void disarm();

    int m_position;
    QCursor m_handCursor;
    bool m_armed = false;
    bool m_pressed = false;
};

} // namespace quintrel
