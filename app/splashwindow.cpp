// The splash window greets the player; its OK button (or any other way of closing it) lets the
// board come up.
#include "app/splashwindow.h"

#include "app/platform.h"

#include <QPainter>
#include <QPushButton>

namespace quintrel {

frm_splash::frm_splash()
    : QDialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frm_splash"));
    // Never shown: the window has no title bar.
    setWindowTitle(QStringLiteral("Quintrel, by the Quintrel makers, 2026"));
    setWindowIcon(QIcon(QStringLiteral(":/art/splash.ico")));
    setModal(true);

    SizeWindowToClient(this, 402, 246, false);

    m_start = new QPushButton(QStringLiteral("OK"), this);
    m_start->setObjectName(QStringLiteral("btn_start"));
    m_start->setGeometry(150, 230, 127, 25);
    m_start->setDefault(true);
    m_start->setFocus();
    connect(m_start, &QPushButton::clicked, this, &frm_splash::btn_start_Click);
}

void frm_splash::btn_start_Click()
{
    accept();
}

void frm_splash::paintEvent(QPaintEvent *)
{
    static const QPixmap title(QStringLiteral(":/art/title.gif"));
    QPainter painter(this);
    painter.drawPixmap(0, 0, title);
}

} // namespace quintrel
