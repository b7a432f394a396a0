// modalwindow.h: what the game's modal windows share: each showing makes the window afresh, and a
// window that carries no icon.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QPointer>

#include <utility>

namespace quintrel {

// Makes the window afresh, shows it modally and returns once it has closed and is gone. Made without
// an owner and on the heap, and watched through a QPointer: whatever closes or deletes windows while
// its modal loop runs, nothing is deleted twice.
template <typename Window, typename... Arguments>
void showModal(Arguments &&...arguments)
{
    QPointer<Window> window = new Window(std::forward<Arguments>(arguments)...);
    window->exec();
    delete window.data();
}

// The icon of a window that has none: a transparent one, since an empty icon would fall back to the
// program's.
inline QIcon noWindowIcon()
{
    QPixmap transparent(16, 16);
    transparent.fill(Qt::transparent);
    return QIcon(transparent);
}

} // namespace quintrel
