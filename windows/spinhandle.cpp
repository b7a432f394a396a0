// spinhandle.cpp: arming a spin handle under the pointer and telling its clicks.
#include "windows/spinhandle.h"

#include "windows/boardlayout.h"

#include <QMouseEvent>

namespace quintrel {

SpinHandle::SpinHandle(int position, const QCursor &handCursor, QWidget *parent)
    : QWidget(parent)
    , m_position(position)
    , m_handCursor(handCursor)
{
    setObjectName(QStringLiteral("img_spin_%1").arg(position));
    setProperty("index", position);
    setMouseTracking(true);
    setFixedSize(BoardLayout::SpinHandleSize, BoardLayout::SpinHandleSize);
}

void SpinHandle::arm()
{
    if (m_armed)
        return;
    m_armed = true;
    setCursor(m_handCursor);
}

void SpinHandle::disarm()
{
    m_armed = false;
    m_pressed = false;
    unsetCursor();
}

void SpinHandle::enterEvent(QEnterEvent *) { arm(); }

void SpinHandle::leaveEvent(QEvent *) { disarm(); }

void SpinHandle::mouseMoveEvent(QMouseEvent *event)
{
    if (rect().contains(event->position().toPoint()))
        arm();
}

void SpinHandle::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        arm();
    m_pressed = m_armed && event->button() == Qt::LeftButton;
}

void SpinHandle::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && m_armed && event->button() == Qt::LeftButton
                       && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked(m_position);
}

} // namespace quintrel
