// handcursor.h: the hand pointer of the window design, shown over the spin handles and the link.
#pragma once

#include <QCursor>

namespace quintrel {

// A white hand with a black outline and the index finger up, hot spot at the fingertip (12, 9),
// drawn for the pixel ratio of the window that shows it.
QCursor handCursor(qreal ratio);

} // namespace quintrel
