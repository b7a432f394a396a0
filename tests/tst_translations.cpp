// tst_translations.cpp: every text fits its window in every language, with the fonts the windows
// use. The fixed-size windows must hold their words; message boxes size themselves, so for them
// "fits" means the whole text shows (nothing cut off) in a box no larger than the screen.
#include "boardsession.h"
#include "platform/language.h"
#include "windows/helpwindow.h"
#include "windows/splashwindow.h"
#include "windows/winwindow.h"

#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QXmlStreamReader>

using namespace quintrel;
using namespace quintrel::testing;

namespace {

// Every text of the program as the installed translation shows it. The sources are the same in
// every .ts file; any of them lists them all.
QStringList installedTexts()
{
    QFile file(QStringLiteral(QUINTREL_SOURCE_DIR "/translations/quintrel_de.ts"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(file.fileName()));
    QStringList texts;
    QXmlStreamReader xml(&file);
    QByteArray context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText().toUtf8();
        else if (xml.name() == QLatin1String("source"))
            texts << QCoreApplication::translate(context.constData(), xml.readElementText().toUtf8().constData());
    }
    return texts;
}

// A button shows its caption without clipping: the caption and the style's margins fit its width.
void verifyCaptionFits(const QPushButton *button)
{
    QString caption = button->text();
    caption.remove(u'&');
    const int needed = button->fontMetrics().horizontalAdvance(caption)
                       + 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
    QVERIFY2(needed <= button->width(), qPrintable(QStringLiteral("\"%1\" needs %2 pixels, %3 has %4")
                                                       .arg(caption)
                                                       .arg(needed)
                                                       .arg(button->objectName())
                                                       .arg(button->width())));
}

} // namespace

class tst_Translations : public QObject {
    Q_OBJECT

private slots:
    // A language the program does not know, first in the session's list, gives way to the next.
    void unknownLanguageGivesWayToTheNext()
    {
        QProcess program;
        program.setEnvironment(QProcess::systemEnvironment().filter(QRegularExpression(QStringLiteral("^(?!LC_|LANG)")))
                               << QStringLiteral("LANGUAGE=tlh:fr") << QStringLiteral("LANG=C.UTF-8"));
        program.start(QStringLiteral(QUINTREL_PROGRAM_DIR "/quintrel"), {QStringLiteral("--help")});
        QVERIFY(program.waitForFinished(30000));
        QVERIFY(program.readAllStandardOutput().startsWith("Utilisation\xC2\xA0: quintrel"));
    }

    void everyTextFits_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : {"en", "de", "fr", "es"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }

    void everyTextFits()
    {
        QFETCH(QString, language);
        Translations translations{QLocale(language)};
        translations.install();
        QCOMPARE(interfaceLanguage(), language);
        // Numbers in the texts are written as the texts' language writes them.
        QCOMPARE(QLocale().toString(0.5), QLocale(language).toString(0.5));

        // The board window's menu bar holds both menu titles within its fixed width.
        BoardSession session;
        QVERIFY(session.setUp());
        session.board->show();
        QMenuBar *bar = session.board->menuBar();
        for (QAction *menu : bar->actions())
            QVERIFY2(bar->actionGeometry(menu).right() < bar->width(), qPrintable(menu->text()));
        QCOMPARE(bar->actions().first()->text(), session.board->tr("&File", "menu bar"));

        WinWindow win;
        SplashWindow splash;
        HelpWindow help(HelpMode::Rules);
        // The splash shows the title picture with the language's words (above its OK button).
        const QString title = language == QLatin1String("en") ? QStringLiteral(":/art/title.gif")
                                                              : QStringLiteral(":/art/title_%1.gif").arg(language);
        const QRect aboveButton(0, 0, 402, 220);
        QCOMPARE(splash.grab(aboveButton).toImage().convertToFormat(QImage::Format_RGB32),
                 QImage(title).copy(aboveButton).convertToFormat(QImage::Format_RGB32));
        for (QWidget *window :
             {static_cast<QWidget *>(&win), static_cast<QWidget *>(&splash), static_cast<QWidget *>(&help)}) {
            for (const QPushButton *button : window->findChildren<QPushButton *>())
                verifyCaptionFits(button);
        }
        // The help window's one label of text, the link of its About view.
        for (const QLabel *label : help.findChildren<QLabel *>()) {
            if (!label->text().isEmpty())
                QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
                         qPrintable(label->text()));
        }

        // Every text in a message box, with paths and reasons of a usual length in its placeholders.
        const QSize screen = QGuiApplication::primaryScreen()->availableSize();
        const QStringList texts = installedTexts();
        QVERIFY(texts.size() > 50);
        for (QString text : texts) {
            text.replace(QRegularExpression(QStringLiteral("%L?1")),
                         QStringLiteral("/home/player/.local/share/quintrel/game.ini"));
            text.replace(QRegularExpression(QStringLiteral("%L?[2-4]")),
                         QStringLiteral("not enough memory for its 4000 x 3000 pixels"));
            QMessageBox box(QMessageBox::Warning, QStringLiteral("Quintrel"), text, QMessageBox::Ok);
            box.show();
            const auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
            QVERIFY(label);
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(text));
            QVERIFY2(box.width() <= screen.width() && box.height() <= screen.height(), qPrintable(text));
        }
    }
};

QTEST_MAIN(tst_Translations)
#include "tst_translations.moc"
