// handcursor.cpp: the hand pointer from the window art.
#include "windows/handcursor.h"

#include <QPixmap>

namespace quintrel {

QCursor handCursor()
{
    const QPixmap hand(QStringLiteral(":/art/hand.png"));
    if (hand.isNull())
        return QCursor(Qt::PointingHandCursor);
    return QCursor(hand, 12, 9);
}

} // namespace quintrel
