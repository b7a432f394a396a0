// The desktop layer: window sizes, the display check, the program folder.
#include "platform/desktop.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

using namespace quintrel;

class tst_Platform : public QObject {
    Q_OBJECT

private slots:
    void windowSizes_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("menu");
        QTest::addColumn<int>("style");
        QTest::addColumn<QSize>("outer");
        QTest::addColumn<QSize>("client");
        // The board: its menu bar and client area together take the inside.
        QTest::newRow("board") << 521 << 540 << false << int(BorderStyle::FixedSingle) << QSize(528, 566) << QSize(522, 541);
        // The splash has no frame: the whole outer size is the window, as large as its picture.
        QTest::newRow("splash") << 402 << 246 << false << int(BorderStyle::None) << QSize(409, 272) << QSize(409, 272);
        QTest::newRow("help") << 440 << 280 << true << int(BorderStyle::FixedTool) << QSize(447, 325) << QSize(441, 304);
        QTest::newRow("win") << 312 << 130 << false << int(BorderStyle::FixedTool) << QSize(319, 156) << QSize(313, 135);
    }
    void windowSizes()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(bool, menu);
        QFETCH(int, style);
        QFETCH(QSize, outer);
        QFETCH(QSize, client);
        const WindowSizes sizes = computeWindowSizes(width, height, menu, static_cast<BorderStyle>(style));
        QCOMPARE(sizes.outer, outer);
        QCOMPARE(sizes.client, client);
    }

    void layoutNeedsAreMet()
    {
        // The help window lays out elements down to y 300 and x 435; the win window shows a
        // 312 x 132 banner.
        const QSize help = computeWindowSizes(440, 280, true, BorderStyle::FixedTool).client;
        QVERIFY(help.width() >= 435 && help.height() >= 300);
        const QSize win = computeWindowSizes(312, 130, false, BorderStyle::FixedTool).client;
        QVERIFY(win.width() >= 312 && win.height() >= 132);
    }

    void sizedWindowIsFixedAndCentred_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<QSize>("size");
        QTest::newRow("framed") << int(Qt::Window) << QSize(522, 541);
        QTest::newRow("frameless") << int(Qt::Window | Qt::FramelessWindowHint) << QSize(528, 566);
        QTest::newRow("tool") << int(Qt::Tool) << QSize(522, 545);
    }
    void sizedWindowIsFixedAndCentred()
    {
        QFETCH(int, flags);
        QFETCH(QSize, size);
        QWidget window(nullptr, Qt::WindowFlags(flags));
        sizeWindowToClient(&window, 521, 540, false);
        QCOMPARE(window.size(), size);
        QCOMPARE(window.minimumSize(), size);
        QCOMPARE(window.maximumSize(), size);
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QSize outer = computeWindowSizes(521, 540, false, BorderStyle::FixedSingle).outer;
        QCOMPARE(window.pos(), QPoint(screen.left() + (screen.width() - outer.width()) / 2,
                                      screen.top() + (screen.height() - outer.height()) / 2));
    }

    void largeFontCheck_data()
    {
        QTest::addColumn<double>("dpi");
        QTest::addColumn<int>("twips");
        QTest::addColumn<bool>("large");
        QTest::newRow("96") << 96.0 << 15 << false;
        QTest::newRow("115") << 115.0 << 13 << false;
        QTest::newRow("116") << 116.0 << 12 << true;
        QTest::newRow("120") << 120.0 << 12 << true;
        QTest::newRow("125") << 125.0 << 12 << true;
        QTest::newRow("126") << 126.0 << 11 << false;
        QTest::newRow("144") << 144.0 << 10 << false;
        // 1440 / 115.2 is exactly 12.5: halves go to the even neighbour.
        QTest::newRow("exact half to even") << 115.2 << 12 << true;
        QTest::newRow("no density") << 0.0 << 0 << false;
    }
    void largeFontCheck()
    {
        QFETCH(double, dpi);
        QFETCH(int, twips);
        QFETCH(bool, large);
        QCOMPARE(twipsPerPixel(dpi), twips);
        QCOMPARE(isLargeFontDensity(dpi), large);
    }

    void densityIsTheRealOne()
    {
        // CTest runs this with QT_FONT_DPI=96; the density must undo Qt's device-pixel split.
        const QScreen *screen = QGuiApplication::primaryScreen();
        QCOMPARE(displayDensity(), screen->logicalDotsPerInchX() * screen->devicePixelRatio());
        QCOMPARE(qRound(displayDensity()), 96);
    }

    void programFiles_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("path");
        QTest::newRow("folder") << "/opt/quintrel" << "SOUND/SNIP1.WAV" << "/opt/quintrel/SOUND/SNIP1.WAV";
        QTest::newRow("trailing separator dropped") << "/opt/quintrel/" << "rules.txt" << "/opt/quintrel/rules.txt";
        QTest::newRow("root keeps one separator") << "/" << "SOUND/CLICK.WAV" << "/SOUND/CLICK.WAV";
    }
    void programFiles()
    {
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QFETCH(QString, path);
        setProgramFolder(folder);
        QCOMPARE(programFile(name), path);
    }

    void messagesReachTheHook()
    {
        QList<ShownMessage> shown;
        setMessageHook([&](const ShownMessage &message) { shown.append(message); });
        showMessage(QStringLiteral("text"), QStringLiteral("title"), MessageIcon::Information);
        setMessageHook({});
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, QStringLiteral("text"));
        QCOMPARE(shown[0].title, QStringLiteral("title"));
        QCOMPARE(shown[0].icon, MessageIcon::Information);
    }
};

QTEST_MAIN(tst_Platform)
#include "tst_platform.moc"
