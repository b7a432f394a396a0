// The shared services: the pause and the whole-file reader.
#include "platform/services.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <ctime>
#include <limits>
#include <QFileInfo>

using namespace quintrel;

namespace {

double processorSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec + now.tv_nsec / 1e9;
}

// Bytes of a given length that neither begin nor end with a blank.
QByteArray filler(int length)
{
    QByteArray bytes(length, 'x');
    for (int i = 0; i < length; ++i)
        bytes[i] = static_cast<char>('a' + i % 26);
    return bytes;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class tst_Services : public QObject {
    Q_OBJECT

private slots:
    void readsWholeFiles_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QByteArray>("read");
        QTest::newRow("empty") << QByteArray() << QByteArray();
        QTest::newRow("1023 bytes") << filler(1023) << filler(1023);
        QTest::newRow("1024 bytes") << filler(1024) << filler(1024);
        QTest::newRow("1025 bytes") << filler(1025) << filler(1025);
        QTest::newRow("2048 bytes") << filler(2048) << filler(2048);
        QTest::newRow("blanks at both ends go") << QByteArray("   a b  c    ") << QByteArray("a b  c");
        QTest::newRow("blanks past a block edge go") << (QByteArray(1030, ' ') + "x" + QByteArray(1500, ' ')) << QByteArray("x");
        QTest::newRow("only blanks") << QByteArray(3000, ' ') << QByteArray();
        QTest::newRow("tabs, line ends and NULs stay") << QByteArray("\t\r\n\0x\0\n", 7) << QByteArray("\t\r\n\0x\0\n", 7);
        QTest::newRow("a WAV image keeps its bytes") << QByteArray("RIFF\x24\0\0\0WAVE", 12) << QByteArray("RIFF\x24\0\0\0WAVE", 12);
    }
    void readsWholeFiles()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QByteArray, read);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("file.bin"));
        writeFile(path, stored);
        QByteArray contents("stale");
        QVERIFY(readTextFile(path, contents));
        QCOMPARE(contents, read);
        // The file itself is left as it was.
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), stored);
    }

    void missingFileIsCreatedEmpty()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("SNIP1.WAV"));
        QByteArray contents("stale");
        QVERIFY(readTextFile(path, contents));
        QVERIFY(contents.isEmpty());
        QVERIFY(QFile::exists(path));
        QCOMPARE(QFileInfo(path).size(), 0);
    }

    void failuresGiveFalseAndNothing_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::newRow("missing folder") << "no/such/folder/SNIP1.WAV";
        QTest::newRow("a folder, not a file") << "folder";
    }
    void failuresGiveFalseAndNothing()
    {
        QFETCH(QString, relative);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
        QByteArray contents("stale");
        QVERIFY(!readTextFile(dir.filePath(relative), contents));
        QVERIFY(contents.isEmpty());
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("no"))));
    }

    void readOnlyFileIsStillRead()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("CLICK.WAV"));
        writeFile(path, "RIFF");
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
        QByteArray contents;
        QVERIFY(readTextFile(path, contents));
        QCOMPARE(contents, QByteArray("RIFF"));
    }

    void zeroWaitDeliversNothing_data()
    {
        QTest::addColumn<float>("seconds");
        QTest::newRow("zero") << 0.0f;
        QTest::newRow("negative") << -1.0f;
        QTest::newRow("not a number") << std::numeric_limits<float>::quiet_NaN();
    }
    void zeroWaitDeliversNothing()
    {
        QFETCH(float, seconds);
        bool delivered = false;
        QTimer::singleShot(0, this, [&] { delivered = true; });
        QElapsedTimer clock;
        clock.start();
        waitSeconds(seconds);
        QVERIFY(!delivered);
        QVERIFY(clock.elapsed() < 50);
        QTRY_VERIFY(delivered);
    }

    void eventsArriveDuringAWait()
    {
        bool delivered = false;
        QTimer::singleShot(20, this, [&] { delivered = true; });
        QElapsedTimer clock;
        clock.start();
        waitSeconds(0.15f);
        QVERIFY(clock.nsecsElapsed() >= 150'000'000);
        QVERIFY(delivered);
    }

    void aWaitDoesNotBurnTheProcessor()
    {
        const double before = processorSeconds();
        QElapsedTimer clock;
        clock.start();
        waitSeconds(0.5f);
        const double used = processorSeconds() - before;
        QVERIFY(clock.elapsed() >= 500);
        QVERIFY2(used < 0.1, qPrintable(QStringLiteral("%1 s of processor time in a 0.5 s pause").arg(used)));
    }

    void abortEndsEveryRunningWait()
    {
        // A pause inside a pause: both end when the waits are aborted.
        QElapsedTimer clock;
        clock.start();
        bool innerReturned = false;
        QTimer::singleShot(10, this, [&] {
            QTimer::singleShot(10, this, [] { abortWaits(); });
            waitSeconds(5.0f);
            innerReturned = true;
        });
        waitSeconds(5.0f);
        QVERIFY(innerReturned);
        QVERIFY(clock.elapsed() < 2000);
        // A new pause after the abort waits its full time again.
        clock.restart();
        waitSeconds(0.05f);
        QVERIFY(clock.elapsed() >= 50);
    }
};

QTEST_MAIN(tst_Services)
#include "tst_services.moc"
