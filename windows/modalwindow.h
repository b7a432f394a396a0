// modalwindow.h: what the game's modal windows share: each showing makes the window afresh, either
// waited for or left open, and a window that carries no icon.
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

// Makes the window afresh and shows it application-modal without waiting for it: the caller goes on
// at once, the other windows take no input until it has closed, and it deletes itself on closing.
// What must wait for it holds on the other windows' WindowBlocked and WindowUnblocked events.
template <typename Window, typename... Arguments>
Window *openModal(Arguments &&...arguments)
{
    auto *window = new Window(std::forward<Arguments>(arguments)...);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    return window;
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
