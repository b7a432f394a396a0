// tst_exampleviewer.cpp: when the example viewer has a scroll bar, how far and by what steps the
// picture scrolls, and pictures that cannot be read.
#include "platform/language.h"
#include "windows/exampleviewer.h"
#include "windowtestsupport.h"

#include <QFrame>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QWheelEvent>

using namespace quintrel;
using namespace quintrel::testing;

namespace {

QLabel *picture(QWidget *window) { return window->findChild<QLabel *>(QStringLiteral("picInner")); }

QScrollBar *scrollBar(QWidget *window) { return window->findChild<QScrollBar *>(QStringLiteral("vbarScroller")); }

// The middle of a part of the bar (the trough, the thumb) as the style lays it out.
QPoint middleOf(QScrollBar *bar, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar).center();
}

} // namespace

class tst_ExampleViewer : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QDir(m_picturePath).removeRecursively();
        QFile::remove(m_picturePath);
        m_messages.clear();
    }

    // The viewport is 312 pixels high: the 316-pixel window less the frame's 2-pixel border.
    void barAndRange_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("bar");
        QTest::addColumn<int>("range");
        QTest::newRow("short") << 100 << false << 0;
        QTest::newRow("fits exactly (312)") << 312 << false << 0;
        QTest::newRow("one pixel more (313)") << 313 << true << 1;
        QTest::newRow("tall (1000)") << 1000 << true << 688;
        QTest::newRow("beyond 16 bits (33,100)") << 33100 << true << 32788;
    }
    void barAndRange()
    {
        QFETCH(int, height);
        QFETCH(bool, bar);
        QFETCH(int, range);
        writePicture(height);
        ExampleViewer window;
        QVERIFY(window.isPictureLoaded());
        auto *frame = window.findChild<QFrame *>(QStringLiteral("picOuter"));
        QCOMPARE(frame->geometry(), QRect(0, 0, bar ? 332 : 349, 316));
        QCOMPARE(picture(&window)->mapTo(frame, QPoint(0, 0)), QPoint(2, 2));
        QCOMPARE(scrollBar(&window)->isVisibleTo(&window), bar);
        if (bar)
            QCOMPARE(scrollBar(&window)->geometry(), QRect(332, 0, 17, 316));
        QCOMPARE(scrollBar(&window)->maximum() - scrollBar(&window)->minimum(), range);
        QCOMPARE(scrollBar(&window)->pageStep(), 312);
        QCOMPARE(scrollBar(&window)->singleStep(), 62); // 312 / 5, rounded

        const QPoint offCentre = window.geometry().center() - QGuiApplication::primaryScreen()->geometry().center();
        QVERIFY2(qAbs(offCentre.x()) <= 6 && qAbs(offCentre.y()) <= 16,
                 qPrintable(QStringLiteral("off centre by %1, %2").arg(offCentre.x()).arg(offCentre.y())));
    }

    // Steps on a 1000-pixel picture and its top after each: keys, the wheel over the picture, and
    // the thumb held halfway down the trough, then let go past the end.
    void scrolling_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("tops");
        QTest::newRow("keys") << "Down End PageUp Up Home"
                              << "-62 -688 -376 -314 0";
        QTest::newRow("wheel") << "wheel"
                               << "-186";
        QTest::newRow("thumb") << "drag release"
                               << "moving -688";
    }
    void scrolling()
    {
        QFETCH(QString, steps);
        QFETCH(QString, tops);
        writePicture(1000);
        ExampleViewer window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QScrollBar *bar = scrollBar(&window);
        const QMap<QString, Qt::Key> keys = {{"Down", Qt::Key_Down},
                                             {"Up", Qt::Key_Up},
                                             {"End", Qt::Key_End},
                                             {"Home", Qt::Key_Home},
                                             {"PageUp", Qt::Key_PageUp}};
        const QPoint thumb = middleOf(bar, QStyle::SC_ScrollBarSlider);
        const QPoint pastTheEnd(thumb.x(), bar->height() + 20);
        QStringList topsSeen;
        for (const QString &step : steps.split(u' ')) {
            if (keys.contains(step)) {
                QTest::keyClick(&window, keys[step]);
            } else if (step == QLatin1String("wheel")) {
                QWheelEvent down(QPointF(10, 10), window.mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -120),
                                 Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
                QApplication::sendEvent(&window, &down);
            } else if (step == QLatin1String("drag")) {
                QTest::mousePress(bar, Qt::LeftButton, {}, thumb);
                QTest::mouseMove(bar, QPoint(thumb.x(), middleOf(bar, QStyle::SC_ScrollBarGroove).y()));
            } else {
                QTest::mouseMove(bar, pastTheEnd);
                QTest::mouseRelease(bar, Qt::LeftButton, {}, pastTheEnd);
            }
            // While the thumb is held the picture follows it, somewhere between the two ends.
            const int top = picture(&window)->y();
            const bool moving = step == QLatin1String("drag") && top < 0 && top > -688;
            topsSeen << (moving ? QStringLiteral("moving") : QString::number(top));
        }
        QCOMPARE(topsSeen.join(u' '), tops);
        QCOMPARE(picture(&window)->x(), 0);
    }

    void unreadablePicture_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("not a picture") << QByteArray("GIF89a but nothing a picture needs after it");
        QTest::newRow("cut short") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x08\0\0\x01\x90", 24);
        QTest::newRow("a folder of that name") << QByteArray("folder");
    }
    void unreadablePicture()
    {
        QFETCH(QByteArray, bytes);
        if (bytes == "folder")
            QVERIFY(QDir().mkpath(m_picturePath));
        else if (!bytes.isEmpty())
            QVERIFY(writeFile(m_picturePath, bytes));

        ModalWatcher<ExampleViewer> watcher;
        showExampleViewer();
        QCOMPARE(watcher.count, 0);
        QCOMPARE(m_messages.messages.size(), 1);
        QVERIFY2(m_messages.messages[0].text.contains(m_picturePath), qPrintable(m_messages.messages[0].text));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (QWidget *widget : QApplication::topLevelWidgets())
            QVERIFY(widget->objectName() != QLatin1String("ScrollerForm"));
    }

    // A German player sees the picture with German words that lies beside the English one. (Which
    // file a language takes is the help window's rule too, tested there.)
    void pictureInTheLanguage()
    {
        writePicture(100);
        writePicture(500, m_folder.filePath(QStringLiteral("SOUND/example_de.gif")));
        Translations german{QLocale(QLocale::German)};
        german.install();
        ExampleViewer window;
        QCOMPARE(picture(&window)->height(), 500);
    }

    void everyOpeningStartsAtTheTop()
    {
        writePicture(1000);
        QList<int> topsOnOpening;
        ModalWatcher<ExampleViewer> watcher([&](ExampleViewer *window) {
            topsOnOpening << picture(window)->y();
            scrollBar(window)->triggerAction(QAbstractSlider::SliderToMaximum);
        });
        showExampleViewer();
        showExampleViewer();
        QCOMPARE(topsOnOpening, (QList<int>{0, 0}));
    }

private:
    // PNG bytes under the GIF's name: the reader goes by the contents, as it does for a real GIF.
    void writePicture(int height, const QString &path = {})
    {
        QImage image(8, height, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QVERIFY(image.save(path.isEmpty() ? m_picturePath : path, "PNG"));
    }

    ProgramFolder m_folder;
    CaughtMessages m_messages;
    const QString m_picturePath = m_folder.filePath(QStringLiteral("SOUND/example.gif"));
};

QTEST_MAIN(tst_ExampleViewer)
#include "tst_exampleviewer.moc"
