// The win window applauds the player once per win.
#include "app/winwindow.h"

#include "app/platform.h"
#include "app/sound.h"

#include <QPainter>
#include <QPointer>
#include <QPushButton>

namespace quintrel {

frm_win::frm_win()
    : QDialog(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frm_win"));
    setWindowTitle(QStringLiteral("Quintrel"));
    setModal(true);
    SizeWindowToClient(this, 312, 130, false);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("btn_OK"));
    m_ok->setGeometry(150, 87, 102, 22);
    m_ok->setDefault(true);
    m_ok->setFocus();
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
}

void frm_win::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_ok->setFocus();
    // Once per showing; it cuts off the winning move's own sound.
    if (!m_applauded) {
        m_applauded = true;
        PlayWaveFile(ProgramFile(QStringLiteral("SOUND/APPLAUS.WAV")));
    }
}

void frm_win::paintEvent(QPaintEvent *)
{
    static const QPixmap banner(QStringLiteral(":/art/banner.gif"));
    QPainter painter(this);
    painter.drawPixmap(0, 0, banner);
}

void ShowWinWindow()
{
    // No owner: the window may outlive whatever started it, and is gone once it returns.
    QPointer<frm_win> window = new frm_win();
    window->exec();
    delete window.data();
}

} // namespace quintrel
