// tilewidget.cpp: painting a card tile and telling its clicks.
#include "windows/tilewidget.h"

#include "windows/boardlayout.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>

namespace quintrel {

TileWidget::TileWidget(int position, QWidget *parent)
    : QWidget(parent)
    , m_position(position)
{
    setObjectName(QStringLiteral("img_tile_%1").arg(position));
    setProperty("index", position);
    // The tile plus the one-pixel mark on each side of a selected picture.
    setFixedSize(BoardLayout::TileSize + 2, BoardLayout::TileSize + 2);
}

void TileWidget::setCard(std::optional<Placement> placement, const QPixmap &picture)
{
    m_placement = placement;
    m_picture = picture;
    update();
}

void TileWidget::setMarked(bool marked)
{
    if (m_marked == marked)
        return;
    m_marked = marked;
    update();
    QAccessible::State selected;
    selected.selected = true;
    QAccessibleStateChangeEvent change(this, selected);
    QAccessible::updateAccessibility(&change);
}

void TileWidget::setCursorShown(bool shown)
{
    if (m_cursorShown == shown)
        return;
    m_cursorShown = shown;
    update();
}

QSize TileWidget::pictureSize() const
{
    if (m_picture.isNull())
        return QSize(BoardLayout::TileSize, BoardLayout::TileSize);
    return m_picture.deviceIndependentSize().toSize();
}

QRect TileWidget::clickableArea() const { return m_marked ? rect() : QRect(QPoint(0, 0), pictureSize()); }

void TileWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int inset = m_marked ? 1 : 0;
    if (!m_picture.isNull())
        painter.drawPixmap(inset, inset, m_picture);
    const QSize size = pictureSize();
    if (m_marked) {
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(QRect(0, 0, size.width() + 1, size.height() + 1));
    }
    if (m_cursorShown) {
        // Black, yellow, black: seen on every card, light or dark, and never taken for the mark.
        const QRectF frame = QRectF(inset, inset, size.width(), size.height()).adjusted(9, 9, -9, -9);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::black, 8, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(frame);
        painter.setPen(QPen(QColor(255, 214, 0), 4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(frame);
    }
}

void TileWidget::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton && clickableArea().contains(event->position().toPoint());
}

void TileWidget::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton
                       && clickableArea().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked(m_position);
}

} // namespace quintrel
