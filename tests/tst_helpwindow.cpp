// tst_helpwindow.cpp: the help window's views and activations, its documents as stored, and the link.
#include "platform/language.h"
#include "windows/helpwindow.h"
#include "windows/modalwindow.h"
#include "windowtestsupport.h"

#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include <unistd.h>

using namespace quintrel;
using namespace quintrel::testing;

Q_DECLARE_METATYPE(quintrel::HelpMode)

namespace {

QWidget *element(QWidget *window, const QString &name) { return window->findChild<QWidget *>(name); }

QPlainTextEdit *textBox(QWidget *window) { return window->findChild<QPlainTextEdit *>(QStringLiteral("txt_help")); }

void press(QWidget *window, const QString &buttonName)
{
    QTest::mouseClick(element(window, buttonName), Qt::LeftButton);
}

// What the window shows: its text, then which of the title picture, the logo and the link.
QString shownIn(QWidget *window)
{
    QStringList pictures;
    for (const char *name : {"img_help2", "img_logo", "lbl_url"}) {
        if (element(window, name)->isVisibleTo(window))
            pictures << name;
    }
    return textBox(window)->toPlainText() + u'|' + pictures.join(u' ');
}

// Stands in for a window manager that does not activate the window: it hears of no activation.
class ActivationEater : public QObject {
protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        return event->type() == QEvent::WindowActivate || event->type() == QEvent::WindowDeactivate;
    }
};

} // namespace

class tst_HelpWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        setWebOpenerHook([this](const QUrl &address) {
            m_opened.append(address);
            return m_openerSucceeds;
        });
    }

    void init()
    {
        QDir(m_folder.filePath(QStringLiteral("rules.txt"))).removeRecursively();
        QVERIFY(m_folder.write(QStringLiteral("rules.txt"), "rules"));
        QVERIFY(m_folder.write(QStringLiteral("ombrel.txt"), "about"));
        m_messages.clear();
        m_opened.clear();
        m_openerSucceeds = true;
    }
    void cleanup() { QFile::setPermissions(m_folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); }

    // Steps once the window is active: "edit" rewrites both documents, a button name presses it,
    // and "window", "box" or "program" hand the activation to another of the game's windows, a
    // message box or another program and take it back. Expected: text|pictures|focus.
    void views_data()
    {
        QTest::addColumn<HelpMode>("mode");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Rules mode") << HelpMode::Rules << ""
                                    << "rules|img_help2|btn_help_4";
        QTest::newRow("About mode") << HelpMode::About << ""
                                    << "about|img_logo lbl_url|btn_help_4";
        QTest::newRow("About pressed") << HelpMode::Rules << "edit btn_help_5"
                                       << "about 2|img_logo lbl_url|btn_help_5";
        QTest::newRow("Rules pressed") << HelpMode::About << "edit btn_help_0"
                                       << "rules 2|img_help2|btn_help_0";
        QTest::newRow("from a window: mode again") << HelpMode::Rules << "btn_help_5 window"
                                                   << "rules|img_help2|btn_help_4";
        QTest::newRow("from a box: kept") << HelpMode::Rules << "btn_help_5 box"
                                          << "about|img_logo lbl_url|btn_help_5";
        QTest::newRow("from a program: kept") << HelpMode::Rules << "btn_help_5 program"
                                              << "about|img_logo lbl_url|btn_help_5";
    }
    void views()
    {
        QFETCH(HelpMode, mode);
        QFETCH(QString, steps);
        QFETCH(QString, shown);
        HelpWindow window(mode);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        for (const QString &step : steps.split(u' ', Qt::SkipEmptyParts)) {
            QWidget otherWindow;
            QMessageBox box;
            if (step == QLatin1String("edit")) {
                QVERIFY(m_folder.write(QStringLiteral("rules.txt"), "rules 2"));
                QVERIFY(m_folder.write(QStringLiteral("ombrel.txt"), "about 2"));
            } else if (step.startsWith(QLatin1String("btn_"))) {
                press(&window, step);
            } else if (step == QLatin1String("program")) {
                QApplication::setActiveWindow(nullptr);
                QApplication::setActiveWindow(&window);
            } else {
                QWidget *other = step == QLatin1String("box") ? &box : &otherWindow;
                other->show();
                QVERIFY(QTest::qWaitForWindowActive(other));
                window.activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(&window));
            }
        }
        QCOMPARE(shownIn(&window) + u'|' + QApplication::focusWidget()->objectName(), shown);
        QVERIFY(m_messages.isEmpty());
    }

    // Without an activation the window still applies its mode. A late first activation, coming back
    // from the message about an unreadable document, must not read and report it over again.
    void shownWithoutActivation()
    {
        QVERIFY(QFile::remove(m_folder.filePath(QStringLiteral("rules.txt"))));
        QVERIFY(QDir(m_folder.path()).mkdir(QStringLiteral("rules.txt")));
        HelpWindow window(HelpMode::Rules);
        ActivationEater eater;
        window.installEventFilter(&eater);
        window.show();
        QTRY_COMPARE(m_messages.messages.size(), 1);
        QCOMPARE(window.focusWidget(), element(&window, "btn_help_4"));

        QWidget messageBox;
        messageBox.show();
        QVERIFY(QTest::qWaitForWindowActive(&messageBox));
        window.removeEventFilter(&eater);
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(m_messages.messages.size(), 1);
    }

    void keyboardAndLayout()
    {
        HelpWindow window(HelpMode::Rules);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QStringList order;
        for (int tab = 0; tab < 4; ++tab) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order, (QStringList{"btn_help_5", "btn_help_0", "txt_help", "btn_help_4"}));

        // The text can be selected, for copying, but not changed.
        QPlainTextEdit *box = textBox(&window);
        box->setFocus();
        QTest::keyClicks(box, "typed");
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_End, Qt::ShiftModifier);
        QCOMPARE(box->textCursor().selectedText(), QStringLiteral("rules"));
        QCOMPARE(box->toPlainText(), QStringLiteral("rules"));

        for (const char *name :
             {"txt_help", "btn_help_0", "btn_help_4", "btn_help_5", "img_help2", "img_logo", "lbl_url"})
            QVERIFY2(window.rect().contains(element(&window, name)->geometry()), name);
        // The link names the host of the address it opens, and its face fits the address in.
        auto *link = window.findChild<QLabel *>(QStringLiteral("lbl_url"));
        QCOMPARE(link->text(), QUrl(QString::fromLatin1(MakerWebAddress)).host());
        const QFontMetrics metrics(link->font());
        QVERIFY(metrics.horizontalAdvance(link->text()) <= link->width() && metrics.height() <= link->height());
    }

    // The Rules button pressed in a window that shows the about text, with rules.txt in each state.
    void documents_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("missing: left behind empty") << "missing" << QByteArray() << QString();
        QTest::newRow("blanks, tabs and blank lines kept")
            << "file" << QByteArray("  \n\n \tindented\t \n\n\n   ") << QStringLiteral("  \n\n \tindented\t \n\n\n   ");
        QTest::newRow("CR LF, lone CR, CR CR LF")
            << "file" << QByteArray("a\r\nb\rc\r\r\nd\n") << QStringLiteral("a\nb\nc\n\nd\n");
        QTest::newRow("8-bit code page")
            << "file"
            << QByteArray(
                   "\x80 \x85 \x91q\x92 \x93q\x94 \x96 \x97 \x99 \x8A\x8C\x8E\x9A\x9C\x9E\x9F\x83 caf\xE9 \xDF\xA9\xFF")
            << QString::fromUtf8("\u20AC \u2026 \u2018q\u2019 \u201Cq\u201D \u2013 \u2014 \u2122 "
                                 "\u0160\u0152\u017D\u0161\u0153\u017E\u0178\u0192 café ß©ÿ");
        QTest::newRow("unreadable: a folder in its place") << "folder" << QByteArray() << QString();
        QTest::newRow("unreadable: missing from a read-only folder") << "read-only" << QByteArray() << QString();
    }
    void documents()
    {
        QFETCH(QString, state);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        if (state == QLatin1String("read-only") && geteuid() == 0)
            QSKIP("permission bits do not stop the superuser");
        const QString path = m_folder.filePath(QStringLiteral("rules.txt"));
        QVERIFY(QFile::remove(path));
        if (state == QLatin1String("file"))
            QVERIFY(writeFile(path, bytes));
        else if (state == QLatin1String("folder"))
            QVERIFY(QDir(m_folder.path()).mkdir(QStringLiteral("rules.txt")));
        else if (state == QLatin1String("read-only"))
            QVERIFY(QFile::setPermissions(m_folder.path(), QFile::ReadOwner | QFile::ExeOwner));

        HelpWindow window(HelpMode::About);
        window.findChild<QPushButton *>(QStringLiteral("btn_help_5"))->click();
        window.findChild<QPushButton *>(QStringLiteral("btn_help_0"))->click();
        // An unreadable document empties the box: the about text is not passed off as the rules.
        QCOMPARE(shownIn(&window), text + QStringLiteral("|img_help2"));
        if (state == QLatin1String("file") || state == QLatin1String("missing")) {
            QVERIFY(m_messages.isEmpty());
            // Opened for writing too, the document is left as it was.
            QCOMPARE(readFile(path), bytes);
        } else {
            QCOMPARE(m_messages.messages.size(), 1);
            // It names the document, and says why it cannot be shown.
            QVERIFY2(m_messages.messages[0].text.contains(path)
                         && m_messages.messages[0].text.contains(state == QLatin1String("folder")
                                                                     ? QLatin1String("not a regular file")
                                                                     : QLatin1String("No such file or directory")),
                     qPrintable(m_messages.messages[0].text));
            QCOMPARE(m_messages.messages[0].title, QStringLiteral("Quintrel"));
            QCOMPARE(m_messages.messages[0].icon, MessageIcon::Exclamation);
        }
    }

    // In another language the window shows that language's document, read as UTF-8, where there is
    // one; otherwise the English document, and no empty translation is left behind. The logo carries
    // the language's words.
    void documentInTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("logo");
        QTest::newRow("translated") << "de" << QString::fromUtf8("Regeln für Anfänger|img_help2")
                                    << ":/art/logo_de.bmp";
        QTest::newRow("not translated") << "fr" << QStringLiteral("rules|img_help2") << ":/art/logo_fr.bmp";
        QTest::newRow("English") << "en" << QStringLiteral("rules|img_help2") << ":/art/logo.bmp";
    }
    void documentInTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, shown);
        QFETCH(QString, logo);
        QVERIFY(m_folder.write(QStringLiteral("rules_de.txt"), "Regeln f\xC3\xBCr Anf\xC3\xA4nger"));
        Translations translations{QLocale(language)};
        translations.install();
        HelpWindow window(HelpMode::About);
        window.findChild<QPushButton *>(QStringLiteral("btn_help_0"))->click();
        QCOMPARE(shownIn(&window), shown);
        QVERIFY(!QFile::exists(m_folder.filePath(QStringLiteral("rules_fr.txt"))));
        const QImage shownLogo = window.findChild<QLabel *>(QStringLiteral("img_logo"))->pixmap().toImage();
        QCOMPARE(shownLogo.convertToFormat(QImage::Format_RGB32), QImage(logo).convertToFormat(QImage::Format_RGB32));
    }

    void link_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("releasedBelow");
        QTest::addColumn<bool>("openerSucceeds");
        QTest::addColumn<int>("opened");
        QTest::newRow("click") << int(Qt::LeftButton) << 0 << true << 1;
        QTest::newRow("click, opener fails") << int(Qt::LeftButton) << 0 << false << 1;
        QTest::newRow("pressed on it, released off it") << int(Qt::LeftButton) << 30 << true << 0;
        QTest::newRow("right click") << int(Qt::RightButton) << 0 << true << 0;
    }
    void link()
    {
        QFETCH(int, button);
        QFETCH(int, releasedBelow);
        QFETCH(bool, openerSucceeds);
        QFETCH(int, opened);
        m_openerSucceeds = openerSucceeds;
        HelpWindow window(HelpMode::About);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QWidget *link = element(&window, "lbl_url");
        const QPoint middle = link->rect().center();
        const QPoint release = middle + QPoint(0, releasedBelow);
        QTest::mousePress(link, Qt::MouseButton(button), {}, middle);
        QTest::mouseMove(link, release);
        QTest::mouseRelease(link, Qt::MouseButton(button), {}, release);

        QCOMPARE(m_opened, QList<QUrl>(opened, QUrl(QString::fromLatin1(MakerWebAddress))));
        if (opened && !openerSucceeds) {
            QCOMPARE(m_messages.texts(), QStringList{QStringLiteral("oops, unable to link you there")});
            QCOMPARE(m_messages.messages[0].title, QStringLiteral("QUINTREL"));
            QCOMPARE(m_messages.messages[0].icon, MessageIcon::None);
        } else {
            QVERIFY(m_messages.isEmpty());
        }
        QCOMPARE(shownIn(&window), QStringLiteral("about|img_logo lbl_url"));
    }

    // Modal until OK, and nothing of it outlives its closing, even a window deleted while open.
    void modalUntilClosed()
    {
        ModalWatcher<HelpWindow> watcher([](HelpWindow *window) {
            press(window, QStringLiteral("btn_help_4"));
            QVERIFY(!window->isVisible());
        });
        showModal<HelpWindow>(HelpMode::Rules);
        QCOMPARE(watcher.count, 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (QWidget *widget : QApplication::topLevelWidgets())
            QVERIFY(widget->objectName() != QLatin1String("frm_help"));

        after(0, [] { delete QApplication::activeModalWidget(); });
        showModal<HelpWindow>(HelpMode::About);
        QCOMPARE(watcher.count, 1);
    }

private:
    ProgramFolder m_folder;
    CaughtMessages m_messages;
    QList<QUrl> m_opened;
    bool m_openerSucceeds = true;
};

QTEST_MAIN(tst_HelpWindow)
#include "tst_helpwindow.moc"
