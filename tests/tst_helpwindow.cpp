// The help window: layout, the two views, reading the documents byte for byte, and the link.
#include "platform/desktop.h"
#include "game/board.h"
#include "windows/helpwindow.h"
#include "windows/helpwindows.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <unistd.h>

using namespace quintrel;

class HelpWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void layout_data();
    void layout();
    void windowFrame();
    void views_data();
    void views();
    void focusAndTabOrder();
    void reactivationKeepsView();
    void shownWithoutActivation();
    void buttonsSwitchAndReread();
    void byteForByte_data();
    void byteForByte();
    void missingDocumentLeftEmpty();
    void unreadableDocument_data();
    void unreadableDocument();
    void textBoxIsReadOnly();
    void linkLook();
    void link_data();
    void link();
    void modalOpening();
    void windowDeletedWhileOpen();

private:
    void writeDocument(const QString &name, const QByteArray &bytes);
    static QPlainTextEdit *textBox(QWidget *window) { return window->findChild<QPlainTextEdit *>("txt_help"); }
    static QPushButton *button(QWidget *window, int index)
    {
        return window->findChild<QPushButton *>(QStringLiteral("btn_help_%1").arg(index));
    }

    std::unique_ptr<QTemporaryDir> m_folder;
    QList<ShownMessage> m_messages;
    QList<QUrl> m_opened;
    bool m_openerSucceeds = true;
};

void HelpWindowTest::initTestCase()
{
    setMessageHook([this](const ShownMessage &message) { m_messages.append(message); });
    setWebOpenerHook([this](const QUrl &address) {
        m_opened.append(address);
        return m_openerSucceeds;
    });
}

void HelpWindowTest::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    setProgramFolder(m_folder->path());
    ResetGameState();
    m_messages.clear();
    m_opened.clear();
    m_openerSucceeds = true;
}

void HelpWindowTest::cleanup()
{
    QFile::setPermissions(m_folder->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_folder.reset();
}

void HelpWindowTest::writeDocument(const QString &name, const QByteArray &bytes)
{
    QFile file(m_folder->filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

void HelpWindowTest::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("text box") << "txt_help" << QRect(5, 8, 281, 292);
    QTest::newRow("Rules") << "btn_help_0" << QRect(300, 214, 127, 23);
    QTest::newRow("About") << "btn_help_5" << QRect(300, 243, 127, 23);
    QTest::newRow("OK") << "btn_help_4" << QRect(300, 270, 127, 23);
    QTest::newRow("title picture") << "img_help2" << QRect(308, 25, 109, 138);
    QTest::newRow("logo") << "img_logo" << QRect(295, 58, 140, 102);
    QTest::newRow("link") << "lbl_url" << QRect(315, 162, 93, 18);
}

void HelpWindowTest::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    HelpWindow window;
    auto *element = window.findChild<QWidget *>(name);
    QVERIFY(element);
    QCOMPARE(element->parentWidget(), &window);
    QCOMPARE(element->geometry(), geometry);
    // Everything lies inside the client area.
    QVERIFY(window.rect().contains(geometry));
}

void HelpWindowTest::windowFrame()
{
    HelpWindow window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Quintrel - Help"));
    QCOMPARE(window.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    QVERIFY(!window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(window.width() >= 435);
    QVERIFY(window.height() >= 300);
}

void HelpWindowTest::views_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("titleShown");
    QTest::addColumn<bool>("logoShown");
    QTest::newRow("0 rules") << 0 << "the rules" << true << false;
    QTest::newRow("1 about") << 1 << "about us" << false << true;
    QTest::newRow("2 nothing read") << 2 << "" << true << false;
    QTest::newRow("-1 nothing read") << -1 << "" << true << false;
}

void HelpWindowTest::views()
{
    QFETCH(int, mode);
    QFETCH(QString, text);
    QFETCH(bool, titleShown);
    QFETCH(bool, logoShown);
    writeDocument("rules.txt", "the rules");
    writeDocument("ombrel.txt", "about us");
    helpMode = static_cast<int16_t>(mode);

    HelpWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(textBox(&window)->toPlainText(), text);
    QCOMPARE(window.findChild<QWidget *>("img_help2")->isVisible(), titleShown);
    QCOMPARE(window.findChild<QWidget *>("img_logo")->isVisible(), logoShown);
    QCOMPARE(window.findChild<QWidget *>("lbl_url")->isVisible(), logoShown);
    QVERIFY(m_messages.isEmpty());
}

void HelpWindowTest::focusAndTabOrder()
{
    helpMode = 0;
    HelpWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(QApplication::focusWidget(), button(&window, 4));

    const QList<QWidget *> order = {button(&window, 5), button(&window, 0), textBox(&window), button(&window, 4)};
    for (QWidget *expected : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), expected);
    }
}

void HelpWindowTest::reactivationKeepsView()
{
    writeDocument("rules.txt", "the rules");
    writeDocument("ombrel.txt", "about us");
    helpMode = 0;
    HelpWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::mouseClick(button(&window, 5), Qt::LeftButton);

    // Another window (a message box, another program) takes the activation and gives it back.
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(textBox(&window)->toPlainText(), QStringLiteral("about us"));
    QVERIFY(window.findChild<QWidget *>("img_logo")->isVisible());
}

// Stands in for a window manager that never activates the window.
class ActivationEater : public QObject {
protected:
    bool eventFilter(QObject *, QEvent *event) override { return event->type() == QEvent::WindowActivate; }
};

void HelpWindowTest::shownWithoutActivation()
{
    writeDocument("ombrel.txt", "about us");
    helpMode = 1;
    HelpWindow window;
    ActivationEater eater;
    window.installEventFilter(&eater);
    window.show();
    QTRY_COMPARE(textBox(&window)->toPlainText(), QStringLiteral("about us"));
    QVERIFY(window.findChild<QWidget *>("lbl_url")->isVisible());
    QCOMPARE(window.focusWidget(), button(&window, 4));
}

void HelpWindowTest::buttonsSwitchAndReread()
{
    QByteArray longRules;
    for (int line = 1; line <= 200; ++line)
        longRules += "rule " + QByteArray::number(line) + "\r\n";
    writeDocument("rules.txt", longRules);
    writeDocument("ombrel.txt", "about, first edition");
    helpMode = 0;

    HelpWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QPlainTextEdit *box = textBox(&window);
    QVERIFY(box->toPlainText().startsWith("rule 1\nrule 2\n"));
    QScrollBar *bar = box->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    bar->setValue(bar->maximum());

    QTest::mouseClick(button(&window, 5), Qt::LeftButton);
    QCOMPARE(box->toPlainText(), QStringLiteral("about, first edition"));
    QVERIFY(window.findChild<QWidget *>("img_logo")->isVisible());
    QVERIFY(window.findChild<QWidget *>("lbl_url")->isVisible());
    QVERIFY(!window.findChild<QWidget *>("img_help2")->isVisible());

    writeDocument("rules.txt", "rules, second edition");
    writeDocument("ombrel.txt", "about, second edition");
    QTest::mouseClick(button(&window, 0), Qt::LeftButton);
    QCOMPARE(box->toPlainText(), QStringLiteral("rules, second edition"));
    QVERIFY(window.findChild<QWidget *>("img_help2")->isVisible());
    QVERIFY(!window.findChild<QWidget *>("img_logo")->isVisible());
    QVERIFY(!window.findChild<QWidget *>("lbl_url")->isVisible());
    QTest::mouseClick(button(&window, 5), Qt::LeftButton);
    QCOMPARE(box->toPlainText(), QStringLiteral("about, second edition"));

    // Back to a long document: it shows from its beginning.
    writeDocument("rules.txt", longRules);
    QTest::mouseClick(button(&window, 0), Qt::LeftButton);
    bar->setValue(bar->maximum());
    QTest::mouseClick(button(&window, 0), Qt::LeftButton);
    QCOMPARE(bar->value(), 0);
    QCOMPARE(box->textCursor().position(), 0);

    QTest::mouseClick(button(&window, 4), Qt::LeftButton);
    QVERIFY(!window.isVisible());
}

void HelpWindowTest::byteForByte_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("blanks and blank lines kept") << QByteArray("  \n\n  indented  \n\n\n   ")
                                                 << QStringLiteral("  \n\n  indented  \n\n\n   ");
    QTest::newRow("CR LF") << QByteArray("one\r\ntwo\r\n\r\n") << QStringLiteral("one\ntwo\n\n");
    QTest::newRow("LF") << QByteArray("one\ntwo\n") << QStringLiteral("one\ntwo\n");
    QTest::newRow("lone CR") << QByteArray("one\rtwo\r") << QStringLiteral("one\ntwo\n");
    QTest::newRow("CR CR LF") << QByteArray("a\r\r\nb") << QStringLiteral("a\n\nb");
    QTest::newRow("tabs") << QByteArray("\tx\t") << QStringLiteral("\tx\t");
    QTest::newRow("Windows-1252 punctuation")
        << QByteArray("\x80 \x85 \x91q\x92 \x93qq\x94 \x96 \x97 \x99")
        << QString::fromUtf8("\u20AC \u2026 \u2018q\u2019 \u201Cqq\u201D \u2013 \u2014 \u2122");
    QTest::newRow("Windows-1252 letters") << QByteArray("\x8A\x8C\x8E\x9A\x9C\x9E\x9F\x83")
                                          << QString::fromUtf8("\u0160\u0152\u017D\u0161\u0153\u017E\u0178\u0192");
    QTest::newRow("Latin-1 range") << QByteArray("caf\xE9 \xFC\xDF \xA9 \xFF") << QString::fromUtf8("café üß © ÿ");
}

void HelpWindowTest::byteForByte()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    writeDocument("rules.txt", bytes);

    HelpWindow window;
    window.DisplayHelp("rules.txt");
    QCOMPARE(textBox(&window)->toPlainText(), shown);
    // Reading opens the document for writing too, but leaves it as it was.
    QFile file(m_folder->filePath("rules.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);
    QVERIFY(m_messages.isEmpty());
}

void HelpWindowTest::missingDocumentLeftEmpty()
{
    helpMode = 1;
    HelpWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(textBox(&window)->toPlainText(), QString());
    const QFileInfo created(m_folder->filePath("ombrel.txt"));
    QVERIFY(created.isFile());
    QCOMPARE(created.size(), 0);
    QVERIFY(!QFileInfo::exists(m_folder->filePath("rules.txt")));
    QVERIFY(m_messages.isEmpty());
}

void HelpWindowTest::unreadableDocument_data()
{
    QTest::addColumn<bool>("readOnlyFolder");
    QTest::newRow("a folder in the document's place") << false;
    QTest::newRow("missing from a read-only folder") << true;
}

void HelpWindowTest::unreadableDocument()
{
    QFETCH(bool, readOnlyFolder);
    writeDocument("ombrel.txt", "about us");
    if (readOnlyFolder) {
        if (geteuid() == 0)
            QSKIP("permission bits do not stop the superuser");
        QVERIFY(QFile::setPermissions(m_folder->path(), QFile::ReadOwner | QFile::ExeOwner));
    } else {
        QVERIFY(QDir(m_folder->path()).mkdir("rules.txt"));
    }
    helpMode = 1;
    HelpWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(textBox(&window)->toPlainText(), QStringLiteral("about us"));

    QTest::mouseClick(button(&window, 0), Qt::LeftButton);
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages[0].text.contains(m_folder->filePath("rules.txt")), qPrintable(m_messages[0].text));
    QCOMPARE(m_messages[0].title, QStringLiteral("Quintrel"));
    QCOMPARE(m_messages[0].icon, MessageIcon::Exclamation);
    QCOMPARE(textBox(&window)->toPlainText(), QString());
    QVERIFY(window.isVisible());

    // The window goes on working: the about text can still be read.
    QTest::mouseClick(button(&window, 5), Qt::LeftButton);
    QCOMPARE(textBox(&window)->toPlainText(), QStringLiteral("about us"));
    QCOMPARE(m_messages.size(), 1);
}

void HelpWindowTest::textBoxIsReadOnly()
{
    writeDocument("rules.txt", "fixed text");
    helpMode = 0;
    HelpWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QPlainTextEdit *box = textBox(&window);
    box->setFocus();
    QTest::keyClicks(box, "typed");
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Delete);
    QCOMPARE(box->toPlainText(), QStringLiteral("fixed text"));

    // It can still be selected, for copying.
    QTest::keyClick(box, Qt::Key_End, Qt::ShiftModifier);
    QCOMPARE(box->textCursor().selectedText(), QStringLiteral("fixed text"));
}

void HelpWindowTest::linkLook()
{
    HelpWindow window;
    auto *link = window.findChild<QLabel *>("lbl_url");
    QCOMPARE(link->text(), QString::fromLatin1(MakerHostName));
    QCOMPARE(QUrl(QString::fromLatin1(MakerWebAddress)).host(), link->text());
    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QVERIFY(link->font().bold());
    QVERIFY(link->font().underline());
    const QFontMetrics metrics(link->font());
    QVERIFY(metrics.horizontalAdvance(link->text()) <= link->width());
    QVERIFY(metrics.height() <= link->height());
    const Qt::CursorShape shape = link->cursor().shape();
    QVERIFY(shape == Qt::BitmapCursor || shape == Qt::PointingHandCursor);
}

enum class Gesture { Click, MoveAcross, PressReleaseOutside, RightClick };

void HelpWindowTest::link_data()
{
    QTest::addColumn<Gesture>("gesture");
    QTest::addColumn<bool>("openerSucceeds");
    QTest::addColumn<bool>("opens");
    QTest::newRow("click opens") << Gesture::Click << true << true;
    QTest::newRow("click, opener fails") << Gesture::Click << false << true;
    QTest::newRow("moving across") << Gesture::MoveAcross << true << false;
    QTest::newRow("press on it, release elsewhere") << Gesture::PressReleaseOutside << true << false;
    QTest::newRow("right click") << Gesture::RightClick << true << false;
}

void HelpWindowTest::link()
{
    QFETCH(Gesture, gesture);
    QFETCH(bool, openerSucceeds);
    QFETCH(bool, opens);
    m_openerSucceeds = openerSucceeds;
    helpMode = 1;
    HelpWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *link = window.findChild<QLabel *>("lbl_url");
    QVERIFY(link->isVisible());

    const QPoint middle = link->rect().center();
    switch (gesture) {
    case Gesture::Click:
        QTest::mouseClick(link, Qt::LeftButton, {}, middle);
        break;
    case Gesture::MoveAcross:
        for (int x = -5; x <= link->width() + 5; x += 4)
            QTest::mouseMove(link, QPoint(x, middle.y()));
        break;
    case Gesture::PressReleaseOutside:
        QTest::mousePress(link, Qt::LeftButton, {}, middle);
        QTest::mouseMove(link, QPoint(middle.x(), link->height() + 30));
        QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(middle.x(), link->height() + 30));
        break;
    case Gesture::RightClick:
        QTest::mouseClick(link, Qt::RightButton, {}, middle);
        break;
    }

    if (opens)
        QCOMPARE(m_opened, QList<QUrl>{QUrl(QString::fromLatin1(MakerWebAddress))});
    else
        QVERIFY(m_opened.isEmpty());
    if (opens && !openerSucceeds) {
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages[0].text, QStringLiteral("oops, unable to link you there"));
        QCOMPARE(m_messages[0].title, QStringLiteral("QUINTREL"));
        QCOMPARE(m_messages[0].icon, MessageIcon::None);
    } else {
        QVERIFY(m_messages.isEmpty());
    }
    QVERIFY(window.isVisible());
    QVERIFY(link->isVisible());
}

void HelpWindowTest::modalOpening()
{
    writeDocument("rules.txt", "the rules");
    writeDocument("ombrel.txt", "about us");
    for (const int16_t mode : {int16_t(1), int16_t(0)}) {
        helpMode = mode;
        QString shown;
        bool wasModal = false;
        QTimer::singleShot(0, this, [&] {
            QTRY_VERIFY(QApplication::activeModalWidget());
            QWidget *modal = QApplication::activeModalWidget();
            QCOMPARE(modal->objectName(), QStringLiteral("frm_help"));
            QTRY_COMPARE(QApplication::focusWidget(), button(modal, 4));
            wasModal = true;
            shown = textBox(modal)->toPlainText();
            QTest::mouseClick(button(modal, 4), Qt::LeftButton);
        });
        showHelpWindow();
        QVERIFY(wasModal);
        QCOMPARE(shown, mode == 1 ? QStringLiteral("about us") : QStringLiteral("the rules"));
    }
    // Nothing of the windows survives their closing.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget *widget : QApplication::topLevelWidgets())
        QVERIFY(widget->objectName() != QStringLiteral("frm_help"));
}

void HelpWindowTest::windowDeletedWhileOpen()
{
    QPointer<QWidget> opened;
    QTimer::singleShot(0, this, [&] {
        QTRY_VERIFY(QApplication::activeModalWidget());
        opened = QApplication::activeModalWidget();
        delete opened.data();
    });
    showHelpWindow();
    QVERIFY(opened.isNull());
}

QTEST_MAIN(HelpWindowTest)
#include "tst_helpwindow.moc"
