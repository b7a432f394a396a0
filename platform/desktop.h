// desktop.h: what the game asks of the desktop besides windows: message boxes, opening a web
// address, and the report of an error nothing else handled.
#pragma once

#include <QString>
#include <QUrl>

#include <functional>

namespace quintrel {

// The game's name as its windows and most messages carry it, and the application title that the
// display check and the link failure use.
constexpr auto GameTitle = "Quintrel";
constexpr auto ApplicationTitle = "QUINTREL";

// Message boxes with an OK button only; the icon values are those the messages are known by.
enum class MessageIcon { None = 0, Exclamation = 48, Information = 64, Critical = 16 };
void showMessage(const QString &text, const QString &title, MessageIcon icon);
// The same with the game's title.
void showGameMessage(const QString &text, MessageIcon icon);

struct ShownMessage {
    QString text;
    QString title;
    MessageIcon icon;
};
// Tests take the messages instead of showing boxes. An empty hook restores the boxes.
void setMessageHook(std::function<void(const ShownMessage &)> hook);

// Opens a web address with the desktop's default handler; false when that fails.
bool openWebAddress(const QUrl &address);
void setWebOpenerHook(std::function<bool(const QUrl &)> hook);

// An error that no procedure handled: tells the player what it was, then ends the program.
[[noreturn]] void reportUnhandledError(const QString &what);

} // namespace quintrel
