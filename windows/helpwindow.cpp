// helpwindow.cpp: the help window, its two views and the link to the maker's page.
#include "windows/helpwindow.h"

#include "platform/desktop.h"
#include "platform/filereading.h"
#include "platform/gamefolders.h"
#include "platform/scaledpicture.h"
#include "platform/windowsizing.h"
#include "windows/handcursor.h"
#include "windows/languagefile.h"
#include "windows/modalwindow.h"

#include <QApplication>
#include <QFontMetrics>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
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

constexpr auto RulesDocument = "rules";
constexpr auto AboutDocument = "ombrel";

// The client area asked for; the menu allowance adds the room below the OK button and the text box
// that the layout needs.
constexpr int ClientWidth = 440;
constexpr int ClientHeight = 280;

// A picture with the sunken two-pixel border, drawn unscaled from its top-left corner.
QLabel *makePicture(QWidget *parent, const char *name, const QRect &geometry, const QString &resource)
{
    auto *picture = new QLabel(parent);
    picture->setObjectName(QLatin1String(name));
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->setLineWidth(2);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setPixmap(resourcePictureForRatio(resource, parent->devicePixelRatioF()));
    picture->setGeometry(geometry);
    return picture;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, const QRect &geometry)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
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
    setWindowTitle(tr("Quintrel - Help"));
    setWindowIcon(noWindowIcon());

    sizeWindowToClient(this, ClientWidth, ClientHeight, true);

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("txt_help"));
    m_text->setGeometry(5, 8, 281, 292);
    m_text->setReadOnly(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_text->setTabChangesFocus(true);

    m_rulesButton = makeButton(this, "btn_help_0", tr("Rules"), QRect(300, 214, 127, 23));
    m_aboutButton = makeButton(this, "btn_help_5", tr("About"), QRect(300, 243, 127, 23));
    m_okButton = makeButton(this, "btn_help_4", tr("OK"), QRect(300, 270, 127, 23));
    connect(m_rulesButton, &QPushButton::clicked, this, &HelpWindow::showRulesView);
    connect(m_aboutButton, &QPushButton::clicked, this, &HelpWindow::showAboutView);
    connect(m_okButton, &QPushButton::clicked, this, &QWidget::close);

    m_titlePicture = makePicture(this, "img_help2", QRect(308, 25, 109, 138), QStringLiteral(":/art/helptitle.gif"));
    m_logo = makePicture(this, "img_logo", QRect(295, 58, 140, 102),
                         resourceInLanguage(QStringLiteral(":/art/logo.bmp")));

    m_link = new QLabel(QString::fromLatin1(MakerHostName), this);
    m_link->setObjectName(QStringLiteral("lbl_url"));
    m_link->setGeometry(315, 162, 93, 18);
    m_link->setFont(linkFont(font(), m_link->text(), m_link->size()));
    QPalette palette = m_link->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    m_link->setPalette(palette);
    m_link->setCursor(handCursor(devicePixelRatioF()));
    m_link->setToolTip(QString::fromLatin1(MakerWebAddress));
    m_link->installEventFilter(this);

    // Until a view is chosen the window shows the title picture beside an empty text box.
    m_logo->hide();
    m_link->hide();

    setAccessibleDescription(tr("The rules of Quintrel, or who made it"));
    m_text->setAccessibleName(tr("Help text"));
    m_rulesButton->setAccessibleDescription(tr("Shows the rules"));
    m_aboutButton->setAccessibleDescription(tr("Shows who made Quintrel"));
    m_okButton->setAccessibleDescription(tr("Closes the help"));
    m_titlePicture->setAccessibleName(QString::fromLatin1(GameTitle));
    m_logo->setAccessibleName(tr("The maker's logo"));
    m_link->setAccessibleName(tr("The maker's web page, %1").arg(QString::fromLatin1(MakerHostName)));
    m_link->setAccessibleDescription(tr("Opens the maker's web page in the browser"));

    setTabOrder(m_text, m_okButton);
    setTabOrder(m_okButton, m_aboutButton);
    setTabOrder(m_aboutButton, m_rulesButton);
    setTabOrder(m_rulesButton, m_link);
}

bool HelpWindow::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
        m_nextActivation = NextActivation::First;
        // Should the window manager not activate the window at once, it still shows its mode. The
        // late first activation then applies nothing more: it may be the return from the message
        // about an unreadable document, which would only be read and reported again.
        QTimer::singleShot(0, this, [this] {
            if (m_nextActivation == NextActivation::First && isVisible()) {
                m_nextActivation = NextActivation::FirstAfterApplied;
                applyMode();
            }
        });
        break;
    case QEvent::WindowDeactivate: {
        // Qt has already made the next window active. Another program, or a message box (the link's
        // failure, an unreadable document), is not one of the game's windows: coming back from it
        // keeps the view, and an unreadable document is not read and reported over and over.
        const QWidget *next = QApplication::activeWindow();
        const bool outside = next == nullptr || qobject_cast<const QMessageBox *>(next);
        if (m_nextActivation == NextActivation::FromGameWindow || m_nextActivation == NextActivation::FromOutside)
            m_nextActivation = outside ? NextActivation::FromOutside : NextActivation::FromGameWindow;
        break;
    }
    case QEvent::WindowActivate: {
        const bool apply = m_nextActivation == NextActivation::First
                           || m_nextActivation == NextActivation::FromGameWindow;
        m_nextActivation = NextActivation::FromGameWindow;
        // The base class gives the focus back to where it was; applyMode() then moves it to OK.
        const bool handled = QDialog::event(event);
        if (apply)
            applyMode();
        return handled;
    }
    default:
        break;
    }
    return QDialog::event(event);
}

// An activation starts over: OK has the focus and the view is the mode's, read afresh, whatever the
// player switched to in between.
void HelpWindow::applyMode()
{
    m_okButton->setFocus(Qt::ActiveWindowFocusReason);
    if (m_mode == HelpMode::Rules)
        showRulesView();
    else
        showAboutView();
}

void HelpWindow::showRulesView()
{
    displayDocument(RulesDocument);
    m_titlePicture->show();
    m_logo->hide();
    m_link->hide();
}

void HelpWindow::showAboutView()
{
    displayDocument(AboutDocument);
    m_titlePicture->hide();
    m_logo->show();
    m_link->show();
}

// Read at every switch, so that a document changed on disk shows its new contents. A translation
// lies beside the English document ("rules_de.txt" beside "rules.txt"); without one the English
// document is shown, and only that one is ever created empty when missing.
void HelpWindow::displayDocument(const char *name)
{
    const QByteArray english = QByteArray(name) + ".txt";
    const QByteArray path = dataFileInLanguage(english);
    const bool useTranslation = path != dataFile(english);
    QString reason;
    const std::optional<QString> text = readWholeFile(path,
                                                      useTranslation ? TextEncoding::Utf8 : TextEncoding::Windows1252,
                                                      &reason);
    m_text->setPlainText(text ? withUnixLineBreaks(*text) : QString());
    m_text->moveCursor(QTextCursor::Start);
    m_text->verticalScrollBar()->setValue(0);
    // Told after the box is emptied, so the player never reads the previous document as this one.
    if (!text)
        reportUnreadableFile(path, reason);
}

bool HelpWindow::eventFilter(QObject *watched, QEvent *event)
{
    // A link: a press and a release of the left button both on the label open the page.
    if (watched == m_link) {
        if (event->type() == QEvent::MouseButtonPress) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton)
                m_linkPressed = true;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton) {
                const bool click = m_linkPressed && m_link->rect().contains(mouse->position().toPoint());
                m_linkPressed = false;
                if (click)
                    openMakerPage();
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void HelpWindow::openMakerPage()
{
    if (!openWebAddress(QUrl(QString::fromLatin1(MakerWebAddress))))
        showMessage(tr("oops, unable to link you there"), QString::fromLatin1(ApplicationTitle), MessageIcon::None);
}

} // namespace quintrel
