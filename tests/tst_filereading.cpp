// tst_filereading.cpp: the whole-file reader that loads the move sounds: block edges, blank
// trimming, and what a missing or unusable file gives.
#include "platform/filereading.h"
#include "testsupport.h"

#include <QFileInfo>

using namespace quintrel;
using namespace quintrel::testing;

namespace {

// Bytes of a given length that neither begin nor end with a blank.
QByteArray filler(int length)
{
    QByteArray bytes(length, Qt::Uninitialized);
    for (int i = 0; i < length; ++i)
        bytes[i] = static_cast<char>('a' + i % 26);
    return bytes;
}

} // namespace

class tst_FileReading : public QObject {
    Q_OBJECT

private slots:
    void readsWholeFiles_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QByteArray>("read");
        QTest::newRow("empty") << QByteArray() << QByteArray();
        QTest::newRow("1024 bytes") << filler(1024) << filler(1024);
        QTest::newRow("1025 bytes") << filler(1025) << filler(1025);
        QTest::newRow("2048 bytes") << filler(2048) << filler(2048);
        QTest::newRow("blanks at both ends go") << QByteArray("   a b  c    ") << QByteArray("a b  c");
        QTest::newRow("blanks past a block edge go") << (QByteArray(1030, ' ') + "x" + QByteArray(1500, ' ')) << QByteArray("x");
        QTest::newRow("only blanks") << QByteArray(3000, ' ') << QByteArray();
        QTest::newRow("tabs, line ends and NULs stay") << QByteArray("\t\r\n\0x\0\n", 7) << QByteArray("\t\r\n\0x\0\n", 7);
    }
    void readsWholeFiles()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QByteArray, read);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("file.bin"));
        QVERIFY(writeFile(path, stored));
        QByteArray contents("stale");
        QVERIFY(readTextFile(path, contents));
        QCOMPARE(contents, read);
        // The file itself is left as it was.
        QCOMPARE(readFile(path), stored);
    }

    void missingFileIsCreatedEmpty()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("SNIP1.WAV"));
        QByteArray contents("stale");
        QVERIFY(readTextFile(path, contents));
        QVERIFY(contents.isEmpty());
        QVERIFY(QFileInfo(path).isFile());
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
        QCOMPARE(folderEntries(dir.path()), QStringList{QStringLiteral("folder")});
    }

    void readOnlyFileIsStillRead()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("CLICK.WAV"));
        QVERIFY(writeFile(path, "RIFF"));
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
        QByteArray contents;
        QVERIFY(readTextFile(path, contents));
        QCOMPARE(contents, QByteArray("RIFF"));
    }
};

QTEST_GUILESS_MAIN(tst_FileReading)
#include "tst_filereading.moc"
