// tst_windowsizing.cpp: the sizing rule the windows share, fixed size and centring, and the
// display density behind the large-font check.
#include "platform/windowsizing.h"

#include <QApplication>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <cstdio>

using namespace quintrel;

namespace {

// Set in the child process that reports the density it sees.
const char DensityChildVariable[] = "QUINTREL_TST_DENSITY_CHILD";

} // namespace

class tst_WindowSizing : public QObject {
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
        // The board: its menu bar and client area together take the inside, one pixel more each way.
        QTest::newRow("board") << 521 << 540 << false << int(BorderStyle::FixedSingle) << QSize(528, 566)
                               << QSize(522, 541);
        // The splash has no frame: the whole outer size is the window, as large as its picture.
        QTest::newRow("splash") << 402 << 246 << false << int(BorderStyle::None) << QSize(409, 272) << QSize(409, 272);
        QTest::newRow("help") << 440 << 280 << true << int(BorderStyle::FixedTool) << QSize(447, 325)
                              << QSize(441, 304);
        QTest::newRow("win") << 312 << 130 << false << int(BorderStyle::FixedTool) << QSize(319, 156)
                             << QSize(313, 135);
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
        // Centred by the outer size, whatever the frame.
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(window.pos(),
                 QPoint(screen.left() + (screen.width() - 528) / 2, screen.top() + (screen.height() - 566) / 2));
    }

    void largeFontCheck_data()
    {
        QTest::addColumn<double>("dpi");
        QTest::addColumn<int>("twips");
        QTest::newRow("96") << 96.0 << 15;
        QTest::newRow("115") << 115.0 << 13;
        QTest::newRow("116") << 116.0 << 12;
        QTest::newRow("125") << 125.0 << 12;
        QTest::newRow("126") << 126.0 << 11;
        // 1440 / 115.2 is exactly 12.5: halves go to the even neighbour.
        QTest::newRow("exact half to even") << 115.2 << 12;
        QTest::newRow("no density") << 0.0 << 0;
    }
    void largeFontCheck()
    {
        QFETCH(double, dpi);
        QFETCH(int, twips);
        QCOMPARE(twipsPerPixel(dpi), twips);
        QCOMPARE(isLargeFontDensity(dpi), twips == 12);
    }

    // Qt reports 96 dpi on a large-font display and moves the rest into the device-pixel ratio;
    // the density must be the display's real one. Qt reads it once at start, hence a child.
    void densityIsTheDisplaysOwn_data()
    {
        QTest::addColumn<QString>("fontDpi");
        QTest::newRow("small fonts") << "96";
        QTest::newRow("large fonts") << "120";
    }
    void densityIsTheDisplaysOwn()
    {
        QFETCH(QString, fontDpi);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(DensityChildVariable), QStringLiteral("1"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("QT_FONT_DPI"), fontDpi);
        QProcess child;
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitCode(), 0);
        QCOMPARE(child.readAllStandardOutput().toDouble(), fontDpi.toDouble());
    }
};

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsSet(DensityChildVariable)) {
        QGuiApplication app(argc, argv);
        std::printf("%g", displayDensity());
        return 0;
    }
    QApplication app(argc, argv);
    tst_WindowSizing test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_windowsizing.moc"
