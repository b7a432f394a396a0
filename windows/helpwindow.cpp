// The help window: the rules or the about text, the title picture or the maker's logo and link.
#include "windows/helpwindow.h"

#include "platform/desktop.h"
#include "platform/programfolder.h"
#include "platform/windowsizing.h"
#include "platform/filereading.h"
#include <QPointer>

#include <QFontMetrics>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QTimer>
#include <QUrl>

namespace quintrel {

namespace {

constexpr auto RulesDocument = "rules.txt";
constexpr auto AboutDocument = "ombrel.txt";

constexpr int16_t RulesButton = 0;
constexpr int16_t OkButton = 4;
constexpr int16_t AboutButton = 5;

constexpr QPoint HandHotSpot(12, 9);

// A picture with the sunken two-pixel border, drawn unscaled from its top-left corner.
QLabel *makePicture(QWidget *parent, const char *name, const QRect &geometry, const QString &resource)
{
    auto *picture = new QLabel(parent);
    picture->setObjectName(QLatin1String(name));
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->setLineWidth(2);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setPixmap(QPixmap(resource));
    picture->setGeometry(geometry);
    return picture;
}

QPushButton *makeButton(QWidget *parent, int16_t index, const QString &caption, const QRect &geometry)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QStringLiteral("btn_help_%1").arg(index));
    button->setGeometry(geometry);
    return button;
}

// The link's small bold underlined face: 8.25 points, or the largest size below it, least
// condensed first, at which the address fits the label.
QFont linkFont(const QFont &base, const QString &text, const QSize &room)
{
    QFont font = base;
    font.setBold(true);
    font.setUnderline(true);
    font.setPointSizeF(8.25);
    const auto fits = [&](const QFont &candidate) {
        const QFontMetrics metrics(candidate);
        return metrics.horizontalAdvance(text) <= room.width() && metrics.height() <= room.height();
    };
    if (fits(font))
        return font;
    constexpr int SmallestPixels = 7;
    for (int pixels = QFontMetrics(font).ascent() + QFontMetrics(font).descent(); pixels >= SmallestPixels; --pixels) {
        for (const int stretch : {QFont::Unstretched, QFont::SemiCondensed, QFont::Condensed}) {
            QFont candidate = font;
            candidate.setPixelSize(pixels);
            candidate.setStretch(stretch);
            if (fits(candidate) || (pixels == SmallestPixels && stretch == QFont::Condensed))
                return candidate;
        }
    }
    return font;
}

} // namespace

HelpWindow::HelpWindow(HelpMode mode, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_mode(mode)
{
    setObjectName(QStringLiteral("frm_help"));
    setWindowTitle(QStringLiteral("Quintrel - Help"));
    // A transparent icon: an empty one would fall back to the program's icon.
    QPixmap noIcon(16, 16);
    noIcon.fill(Qt::transparent);
    setWindowIcon(QIcon(noIcon));

    // The menu allowance gives the room below the OK button and the text box that the layout needs.
    sizeWindowToClient(this, ClientWidth, ClientHeight, true);

    txt_help = new QPlainTextEdit(this);
    txt_help->setObjectName(QStringLiteral("txt_help"));
    txt_help->setGeometry(5, 8, 281, 292);
    txt_help->setReadOnly(true);
    txt_help->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txt_help->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txt_help->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txt_help->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txt_help->setTabChangesFocus(true);

    btn_help_0 = makeButton(this, RulesButton, QStringLiteral("Rules"), QRect(300, 214, 127, 23));
    btn_help_5 = makeButton(this, AboutButton, QStringLiteral("About"), QRect(300, 243, 127, 23));
    btn_help_4 = makeButton(this, OkButton, QStringLiteral("OK"), QRect(300, 270, 127, 23));
    connect(btn_help_0, &QPushButton::clicked, this, [this] { btn_help_Click(RulesButton); });
    connect(btn_help_5, &QPushButton::clicked, this, [this] { btn_help_Click(AboutButton); });
    connect(btn_help_4, &QPushButton::clicked, this, [this] { btn_help_Click(OkButton); });

    img_help2 = makePicture(this, "img_help2", QRect(308, 25, 109, 138), QStringLiteral(":/art/helptitle.gif"));
    img_logo = makePicture(this, "img_logo", QRect(295, 58, 140, 102), QStringLiteral(":/art/logo.bmp"));

    lbl_url = new QLabel(QString::fromLatin1(MakerHostName), this);
    lbl_url->setObjectName(QStringLiteral("lbl_url"));
    lbl_url->setGeometry(315, 162, 93, 18);
    lbl_url->setFont(linkFont(font(), lbl_url->text(), lbl_url->size()));
    QPalette palette = lbl_url->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    lbl_url->setPalette(palette);
    const QPixmap hand(QStringLiteral(":/art/hand.png"));
    lbl_url->setCursor(hand.isNull() ? QCursor(Qt::PointingHandCursor) : QCursor(hand, HandHotSpot.x(), HandHotSpot.y()));
    lbl_url->setToolTip(QString::fromLatin1(MakerWebAddress));
    lbl_url->installEventFilter(this);

    // Until a view is chosen the window shows the title picture beside an empty text box.
    img_logo->hide();
    lbl_url->hide();

    setTabOrder(txt_help, btn_help_4);
    setTabOrder(btn_help_4, btn_help_5);
    setTabOrder(btn_help_5, btn_help_0);
    setTabOrder(btn_help_0, lbl_url);
}

bool HelpWindow::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
        m_activatedSinceShown = false;
        // Should the window manager not activate the window, it still shows its document.
        QTimer::singleShot(0, this, [this] {
            if (!m_activatedSinceShown && isVisible()) {
                m_activatedSinceShown = true;
                Form_Activate();
            }
        });
        break;
    case QEvent::WindowActivate:
        if (!m_activatedSinceShown) {
            m_activatedSinceShown = true;
            const bool handled = QDialog::event(event);
            Form_Activate();
            return handled;
        }
        break;
    default:
        break;
    }
    return QDialog::event(event);
}

void HelpWindow::Form_Activate()
{
    btn_help_4->setFocus(Qt::ActiveWindowFocusReason);
    if (m_mode == HelpMode::Rules)
        showRulesView();
    else
        showAboutView();
}

void HelpWindow::btn_help_Click(int16_t Index)
{
    switch (Index) {
    case RulesButton:
        showRulesView();
        break;
    case AboutButton:
        showAboutView();
        break;
    case OkButton:
        close();
        break;
    default:
        break;
    }
}

void HelpWindow::showRulesView()
{
    DisplayHelp(QString::fromLatin1(RulesDocument));
    img_help2->show();
    img_logo->hide();
    lbl_url->hide();
}

void HelpWindow::showAboutView()
{
    DisplayHelp(QString::fromLatin1(AboutDocument));
    img_help2->hide();
    img_logo->show();
    lbl_url->show();
}

void HelpWindow::DisplayHelp(const QString &AFile)
{
    const QString path = programFile(AFile);
    const std::optional<QString> text = readWholeFile(path);
    txt_help->setPlainText(text ? withUnixLineBreaks(*text) : QString());
    txt_help->moveCursor(QTextCursor::Start);
    txt_help->verticalScrollBar()->setValue(0);
    // Told after the box is emptied, so the player never reads the previous document as this one.
    if (!text)
        reportUnreadableFile(path);
}

bool HelpWindow::eventFilter(QObject *watched, QEvent *event)
{
    // A link: a press and a release of the left button both on the label open the page.
    if (watched == lbl_url) {
        if (event->type() == QEvent::MouseButtonPress) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton)
                m_urlPressed = true;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton) {
                const bool click = m_urlPressed && lbl_url->rect().contains(mouse->position().toPoint());
                m_urlPressed = false;
                if (click)
                    lbl_url_Click();
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void HelpWindow::lbl_url_Click()
{
    if (!openWebAddress(QUrl(QString::fromLatin1(MakerWebAddress))))
        showMessage(QStringLiteral("oops, unable to link you there"), QString::fromLatin1(ApplicationTitle), MessageIcon::None);
}

void showHelpWindow(HelpMode mode)
{
    // Made without an owner and on the heap: whatever closes or deletes windows while it runs its
    // modal loop, the pointer learns of it and nothing is deleted twice.
    QPointer<HelpWindow> window = new HelpWindow(mode);
    window->exec();
    delete window.data();
}

} // namespace quintrel
