// The splash window greets the player; its OK button (or any other way of closing it) lets the
// board come up.
#include "windows/splashwindow.h"

#include "platform/desktop.h"
#include "platform/scaledpicture.h"
#include "platform/windowsizing.h"
#include "windows/languagefile.h"

#include <QPainter>
#include <QPushButton>

namespace quintrel {

SplashWindow::SplashWindow()
    : QDialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint)
    , m_title(resourceInLanguage(QStringLiteral(":/art/title.gif")))
{
    setObjectName(QStringLiteral("frm_splash"));
    // Never shown: the window has no title bar.
    setWindowTitle(tr("Quintrel, by the Quintrel makers, 2026"));
    QIcon icon(QStringLiteral(":/art/splash.ico"));
    if (devicePixelRatioF() > 1)
        icon.addPixmap(resourcePictureForRatio(QStringLiteral(":/art/splash.ico"), 2));
    setWindowIcon(icon);
    setModal(true);

    sizeWindowToClient(this, 402, 246, false);

    m_start = new QPushButton(tr("OK"), this);
    m_start->setObjectName(QStringLiteral("btn_start"));
    m_start->setGeometry(150, 230, 127, 25);
    m_start->setDefault(true);
    m_start->setFocus();
    connect(m_start, &QPushButton::clicked, this, &QDialog::accept);

    setAccessibleName(QString::fromLatin1(GameTitle));
    setAccessibleDescription(tr("A picture-card puzzle: swap and turn nine cards until every edge fits. "
                                "Press OK to start."));
    m_start->setAccessibleDescription(tr("Shows the board and deals the first game"));
}

void SplashWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_title.forRatio(devicePixelRatioF()));
}

} // namespace quintrel
