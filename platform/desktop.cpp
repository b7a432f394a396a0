// desktop.cpp: message boxes, the web-address opener and the report of an unexpected error.
#include "platform/desktop.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>

namespace quintrel {

namespace {

std::function<void(const ShownMessage &)> &messageHook()
{
    static std::function<void(const ShownMessage &)> hook;
    return hook;
}

std::function<bool(const QUrl &)> &webOpenerHook()
{
    static std::function<bool(const QUrl &)> hook;
    return hook;
}

} // namespace

void setMessageHook(std::function<void(const ShownMessage &)> hook) { messageHook() = std::move(hook); }

void showMessage(const QString &text, const QString &title, MessageIcon icon)
{
    if (messageHook()) {
        messageHook()(ShownMessage{text, title, icon});
        return;
    }
    QMessageBox::Icon boxIcon = QMessageBox::NoIcon;
    switch (icon) {
    case MessageIcon::None:
        break;
    case MessageIcon::Exclamation:
        boxIcon = QMessageBox::Warning;
        break;
    case MessageIcon::Information:
        boxIcon = QMessageBox::Information;
        break;
    case MessageIcon::Critical:
        boxIcon = QMessageBox::Critical;
        break;
    }
    QMessageBox box(boxIcon, title, text, QMessageBox::Ok);
    box.setObjectName(QStringLiteral("message_box"));
    box.exec();
}

void showGameMessage(const QString &text, MessageIcon icon) { showMessage(text, QString::fromLatin1(GameTitle), icon); }

void setWebOpenerHook(std::function<bool(const QUrl &)> hook) { webOpenerHook() = std::move(hook); }

bool openWebAddress(const QUrl &address)
{
    if (webOpenerHook())
        return webOpenerHook()(address);
    return QDesktopServices::openUrl(address);
}

void reportUnhandledError(const QString &what)
{
    std::fprintf(stderr, "quintrel: unexpected error: %s\n", qPrintable(what));
    showMessage(QCoreApplication::
                    translate("quintrel::Desktop",
                              "Quintrel met an error it cannot recover from:\n\n%1\n\nThe program will now end.")
                        .arg(what),
                QString::fromLatin1(ApplicationTitle), MessageIcon::Critical);
    std::_Exit(EXIT_FAILURE);
}

} // namespace quintrel
