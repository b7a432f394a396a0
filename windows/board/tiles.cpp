// Card tiles and spin handles of the board window.
#include "windows/board/tiles.h"

#include "game/board.h"

#include <QMouseEvent>
#include <QPainter>

namespace quintrel {

TileWidget::TileWidget(int16_t index, QWidget *parent)
    : QWidget(parent)
    , m_index(index)
{
    setObjectName(QStringLiteral("img_tile_%1").arg(index));
    setProperty("index", index);
    // The tile plus the one-pixel border on each side of a selected picture.
    setFixedSize(TileSizeWithBorder, TileSizeWithBorder);
}

void TileWidget::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    update();
}

void TileWidget::setBorderStyle(int style)
{
    if (m_borderStyle == style)
        return;
    m_borderStyle = style;
    update();
}

QRect TileWidget::shownArea() const
{
    if (m_borderStyle == 1)
        return rect();
    const QSize size = m_picture.isNull() ? QSize(TileSize, TileSize) : m_picture.deviceIndependentSize().toSize();
    return QRect(QPoint(0, 0), size);
}

void TileWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int inset = m_borderStyle == 1 ? 1 : 0;
    if (!m_picture.isNull())
        painter.drawPixmap(inset, inset, m_picture);
    if (m_borderStyle == 1) {
        painter.setPen(QPen(Qt::black, 1));
        const QSize picture = m_picture.isNull() ? QSize(TileSize, TileSize) : m_picture.deviceIndependentSize().toSize();
        painter.drawRect(QRect(0, 0, picture.width() + 1, picture.height() + 1));
    }
}

void TileWidget::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton && shownArea().contains(event->position().toPoint());
}

void TileWidget::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && shownArea().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked(m_index);
}

SpinHandle::SpinHandle(int16_t index, const QCursor &handCursor, QWidget *parent)
    : QWidget(parent)
    , m_index(index)
    , m_handCursor(handCursor)
{
    setObjectName(QStringLiteral("img_spin_%1").arg(index));
    setProperty("index", index);
    setMouseTracking(true);
    setFixedSize(SpinHandleSize, SpinHandleSize);
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

void SpinHandle::enterEvent(QEnterEvent *)
{
    arm();
}

void SpinHandle::leaveEvent(QEvent *)
{
    disarm();
}

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
    const bool drop = m_pressed && m_armed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (drop)
        emit dropped(m_index);
}

QCursor HandCursor()
{
    const QPixmap hand(QStringLiteral(":/art/hand.png"));
    if (hand.isNull())
        return QCursor(Qt::PointingHandCursor);
    return QCursor(hand, 12, 9);
}

} // namespace quintrel
