// The example viewer: when the scroll bar appears, its range and steps, scrolling, and bad pictures.
#include "platform/desktop.h"
#include "windows/helpwindows.h"
#include "windows/exampleviewer.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace quintrel;

class ExampleWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void windowFrame();
    void scrollBarWhenNeeded_data();
    void scrollBarWhenNeeded();
    void rangeAndSteps_data();
    void rangeAndSteps();
    void dragToTheEnd_data();
    void dragToTheEnd();
    void arrowsAndTrough();
    void keysAndWheel();
    void unreadablePicture_data();
    void unreadablePicture();
    void everyOpeningStartsAtTheTop();

private:
    void writePicture(int height, int width = 120);
    static QLabel *picture(QWidget *window) { return window->findChild<QLabel *>("picInner"); }
    static QScrollBar *bar(QWidget *window) { return window->findChild<QScrollBar *>("vbarScroller"); }
    static QRect barPart(QScrollBar *scrollBar, QStyle::SubControl part);

    std::unique_ptr<QTemporaryDir> m_folder;
    QList<ShownMessage> m_messages;
};

void ExampleWindowTest::initTestCase()
{
    setMessageHook([this](const ShownMessage &message) { m_messages.append(message); });
}

void ExampleWindowTest::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    QVERIFY(QDir(m_folder->path()).mkdir("SOUND"));
    setProgramFolder(m_folder->path());
    m_messages.clear();
}

// PNG bytes under the GIF's name: the reader goes by the contents, as it does for a real GIF.
void ExampleWindowTest::writePicture(int height, int width)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QVERIFY(image.save(m_folder->filePath("SOUND/example.gif"), "PNG"));
}

QRect ExampleWindowTest::barPart(QScrollBar *scrollBar, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(scrollBar);
    option.orientation = scrollBar->orientation();
    option.minimum = scrollBar->minimum();
    option.maximum = scrollBar->maximum();
    option.sliderPosition = scrollBar->sliderPosition();
    option.sliderValue = scrollBar->value();
    option.singleStep = scrollBar->singleStep();
    option.pageStep = scrollBar->pageStep();
    option.upsideDown = scrollBar->invertedAppearance();
    option.subControls = QStyle::SC_All;
    return scrollBar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, scrollBar);
}

void ExampleWindowTest::windowFrame()
{
    writePicture(100);
    ExampleViewer window;
    QVERIFY(window.isPictureLoaded());
    QCOMPARE(window.windowTitle(), QStringLiteral("Example - Quintrel"));
    QCOMPARE(window.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    QCOMPARE(window.minimumSize(), QSize(349, 316));
    QCOMPARE(window.maximumSize(), QSize(349, 316));
    // Centred on the screen by its outer size.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QVERIFY(qAbs(window.x() + window.width() / 2 - screen.center().x()) <= 6);
    QVERIFY(qAbs(window.y() + window.height() / 2 - screen.center().y()) <= 16);
}

void ExampleWindowTest::scrollBarWhenNeeded_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("scrollBar");
    QTest::newRow("short picture") << 100 << false;
    QTest::newRow("fits exactly (312)") << 312 << false;
    QTest::newRow("one pixel more (313)") << 313 << true;
    QTest::newRow("tall (1000)") << 1000 << true;
}

void ExampleWindowTest::scrollBarWhenNeeded()
{
    QFETCH(int, height);
    QFETCH(bool, scrollBar);
    writePicture(height);
    ExampleViewer window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    auto *outer = window.findChild<QFrame *>("picOuter");
    QCOMPARE(outer->geometry(), QRect(0, 0, scrollBar ? 332 : 349, 316));
    QCOMPARE(window.viewportHeight(), 312);
    QCOMPARE(picture(&window)->size(), QSize(120, height));
    QCOMPARE(picture(&window)->pos(), QPoint(0, 0));
    // The picture's top-left corner lies just inside the border.
    QCOMPARE(picture(&window)->mapTo(outer, QPoint(0, 0)), QPoint(2, 2));
    QCOMPARE(bar(&window)->isVisible(), scrollBar);
    if (scrollBar)
        QCOMPARE(bar(&window)->geometry(), QRect(332, 0, 17, 316));
}

void ExampleWindowTest::rangeAndSteps_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("maximum");
    QTest::newRow("313") << 313 << -1;
    QTest::newRow("1000") << 1000 << -688;
    QTest::newRow("33,100: beyond 16 bits") << 33100 << -32788;
    QTest::newRow("70,000") << 70000 << -69688;
}

void ExampleWindowTest::rangeAndSteps()
{
    QFETCH(int, height);
    QFETCH(int, maximum);
    writePicture(height, 8);
    ExampleViewer window;
    QVERIFY(window.isPictureLoaded());
    QCOMPARE(window.scrollMaximum(), maximum);
    QCOMPARE(window.scrollValue(), 0);
    QScrollBar *scrollBar = bar(&window);
    QCOMPARE(scrollBar->minimum(), 0);
    QCOMPARE(scrollBar->maximum(), -maximum);
    QCOMPARE(scrollBar->pageStep(), 312);
    QCOMPARE(scrollBar->singleStep(), 62);
}

void ExampleWindowTest::dragToTheEnd_data()
{
    QTest::addColumn<int>("height");
    QTest::newRow("1000") << 1000;
    QTest::newRow("40,000: beyond 16 bits") << 40000;
}

void ExampleWindowTest::dragToTheEnd()
{
    QFETCH(int, height);
    writePicture(height, 8);
    ExampleViewer window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QScrollBar *scrollBar = bar(&window);
    QLabel *inner = picture(&window);

    const QRect thumb = barPart(scrollBar, QStyle::SC_ScrollBarSlider);
    QVERIFY(thumb.isValid());
    const QRect trough = barPart(scrollBar, QStyle::SC_ScrollBarGroove);
    QTest::mousePress(scrollBar, Qt::LeftButton, {}, thumb.center());
    // Halfway down the picture already follows, before the button is let go.
    QTest::mouseMove(scrollBar, QPoint(thumb.center().x(), trough.center().y()));
    QVERIFY(inner->y() < 0);
    QVERIFY(inner->y() > window.scrollMaximum());
    QCOMPARE(inner->y(), window.scrollValue());
    QTest::mouseMove(scrollBar, QPoint(thumb.center().x(), trough.bottom() + 20));
    QTest::mouseRelease(scrollBar, Qt::LeftButton, {}, QPoint(thumb.center().x(), trough.bottom() + 20));

    QCOMPARE(window.scrollValue(), window.scrollMaximum());
    QCOMPARE(inner->y() + inner->height(), window.viewportHeight());
    QCOMPARE(inner->x(), 0);
}

void ExampleWindowTest::arrowsAndTrough()
{
    writePicture(1000);
    ExampleViewer window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QScrollBar *scrollBar = bar(&window);
    QLabel *inner = picture(&window);

    QTest::mouseClick(scrollBar, Qt::LeftButton, {}, barPart(scrollBar, QStyle::SC_ScrollBarAddLine).center());
    QCOMPARE(inner->y(), -62);
    QTest::mouseClick(scrollBar, Qt::LeftButton, {}, barPart(scrollBar, QStyle::SC_ScrollBarAddPage).center());
    QCOMPARE(inner->y(), -62 - 312);
    QTest::mouseClick(scrollBar, Qt::LeftButton, {}, barPart(scrollBar, QStyle::SC_ScrollBarAddPage).center());
    QCOMPARE(inner->y(), -62 - 2 * 312);
    QTest::mouseClick(scrollBar, Qt::LeftButton, {}, barPart(scrollBar, QStyle::SC_ScrollBarAddPage).center());
    QCOMPARE(inner->y(), -688); // stops at the bottom
    QTest::mouseClick(scrollBar, Qt::LeftButton, {}, barPart(scrollBar, QStyle::SC_ScrollBarSubLine).center());
    QCOMPARE(inner->y(), -688 + 62);
}

void ExampleWindowTest::keysAndWheel()
{
    writePicture(1000);
    ExampleViewer window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QLabel *inner = picture(&window);

    QTest::keyClick(&window, Qt::Key_Down);
    QCOMPARE(inner->y(), -62);
    QTest::keyClick(&window, Qt::Key_End);
    QCOMPARE(inner->y(), -688);
    QTest::keyClick(&window, Qt::Key_PageUp);
    QCOMPARE(inner->y(), -688 + 312);
    QTest::keyClick(&window, Qt::Key_Home);
    QCOMPARE(inner->y(), 0);

    // A turn of the wheel over the picture, which the picture leaves to its window.
    QWheelEvent down(QPointF(10, 10), window.mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&window, &down);
    QVERIFY(inner->y() < 0);
    QCOMPARE(inner->y(), window.scrollValue());
}

void ExampleWindowTest::unreadablePicture_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << "missing";
    QTest::newRow("empty file") << "empty";
    QTest::newRow("not a picture") << "garbage";
    QTest::newRow("cut short") << "truncated";
    QTest::newRow("a folder of that name") << "folder";
}

void ExampleWindowTest::unreadablePicture()
{
    QFETCH(QString, kind);
    const QString path = m_folder->filePath("SOUND/example.gif");
    if (kind == "folder") {
        QVERIFY(QDir().mkpath(path));
    } else if (kind != "missing") {
        QByteArray bytes;
        if (kind == "garbage")
            bytes = "GIF89a but nothing a picture needs after it";
        if (kind == "truncated") {
            writePicture(400);
            QFile whole(path);
            QVERIFY(whole.open(QIODevice::ReadOnly));
            bytes = whole.read(40);
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    bool opened = false;
    QTimer watcher;
    connect(&watcher, &QTimer::timeout, this, [&] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            opened = true;
            modal->close();
        }
    });
    watcher.start(10);
    showExampleWindow();
    watcher.stop();
    QVERIFY(!opened);

    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages[0].text.contains(path), qPrintable(m_messages[0].text));
    QCOMPARE(m_messages[0].title, QStringLiteral("Quintrel"));
    QCOMPARE(m_messages[0].icon, MessageIcon::Exclamation);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget *widget : QApplication::topLevelWidgets())
        QVERIFY(widget->objectName() != QStringLiteral("ScrollerForm"));
}

void ExampleWindowTest::everyOpeningStartsAtTheTop()
{
    writePicture(1000);
    for (int opening = 1; opening <= 2; ++opening) {
        int topOnOpening = 1;
        QTimer::singleShot(0, this, [&] {
            QTRY_VERIFY(QApplication::activeModalWidget());
            auto *window = qobject_cast<ExampleViewer *>(QApplication::activeModalWidget());
            QVERIFY(window);
            topOnOpening = picture(window)->y();
            bar(window)->triggerAction(QAbstractSlider::SliderToMaximum);
            QCOMPARE(picture(window)->y(), -688);
            window->close();
        });
        showExampleWindow();
        QCOMPARE(topOnOpening, 0);
    }
    QVERIFY(m_messages.isEmpty());
}

QTEST_MAIN(ExampleWindowTest)
#include "tst_examplewindow.moc"
