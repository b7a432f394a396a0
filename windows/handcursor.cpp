// handcursor.cpp: the hand pointer from the window art.
#include "windows/handcursor.h"

#include "platform/scaledpicture.h"

#include <QPixmap>

namespace quintrel {

QCursor handCursor(qreal ratio)
{
    const QPixmap hand = resourcePictureForRatio(QStringLiteral(":/art/hand.png"), ratio);
    if (hand.isNull())
        return QCursor(Qt::PointingHandCursor);
    // X takes the hot spot in the picture's own pixels, whatever its ratio.
    const qreal scale = hand.devicePixelRatio();
    return QCursor(hand, qRound(12 * scale), qRound(9 * scale));
}

} // namespace quintrel
