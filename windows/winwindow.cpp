// The win window applauds the player once per win.
#include "windows/winwindow.h"

#include "platform/desktop.h"
#include "platform/gamefolders.h"
#include "platform/soundplayer.h"
#include "platform/windowsizing.h"
#include "windows/artpicture.h"
#include "windows/modalwindow.h"

#include <QAccessible>
#include <QPainter>
#include <QPushButton>

namespace quintrel {

namespace {

// Where the banner's own words stand, inside its white field, and the sizes they are painted at.
const QRect WordsRoom(137, 38, 167, 48);
constexpr int WordsPixelSize = 26;
constexpr int MinimumWordsPixelSize = 12;

} // namespace

WinWindow::WinWindow()
    : QDialog(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frm_win"));
    setWindowTitle(QString::fromLatin1(GameTitle));
    setWindowIcon(noWindowIcon());
    setModal(true);
    sizeWindowToClient(this, 312, 130, false);

    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setObjectName(QStringLiteral("btn_OK"));
    m_ok->setGeometry(150, 87, 102, 22);
    m_ok->setDefault(true);
    m_ok->setFocus();
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    setAccessibleName(tr("Well done!"));
    setAccessibleDescription(tr("You have solved Quintrel. The board stays solved until New Game or "
                                "Load Saved Game in the File menu."));
    m_ok->setAccessibleDescription(tr("Closes this window"));
}

void WinWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_ok->setFocus();
    // The win is told to a screen reader as well as shown and heard.
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    // Once per showing; it cuts off the winning move's own sound.
    if (!m_applauded) {
        m_applauded = true;
        playWaveFile(dataFile("SOUND/APPLAUS.WAV"));
    }
}

void WinWindow::paintEvent(QPaintEvent *)
{
    static ArtPicture banner(QStringLiteral(":/art/banner.gif"));
    QPainter painter(this);
    painter.drawPixmap(0, 0, banner.forRatio(devicePixelRatioF()));
    paintTranslatedWords(painter);
}

// The banner's picture says "Well Done!" in English. In another language the words are painted
// over it, in the picture's colours and as large as fits the white room they stand in.
void WinWindow::paintTranslatedWords(QPainter &painter)
{
    const QString words = tr("Well done!");
    if (words == QLatin1String("Well done!"))
        return;
    painter.fillRect(WordsRoom, Qt::white);
    QFont face(QStringLiteral("DejaVu Serif"));
    face.setBold(true);
    face.setItalic(true);
    for (int pixels = WordsPixelSize; pixels >= MinimumWordsPixelSize; --pixels) {
        face.setPixelSize(pixels);
        if (QFontMetrics(face).horizontalAdvance(words) <= WordsRoom.width() - 4)
            break;
    }
    painter.setFont(face);
    painter.setPen(QColor(0xe9, 0xd1, 0xd2));
    painter.drawText(WordsRoom.translated(1, 1), Qt::AlignCenter, words);
    painter.setPen(QColor(0x8e, 0x14, 0x1c));
    painter.drawText(WordsRoom, Qt::AlignCenter, words);
}

} // namespace quintrel
