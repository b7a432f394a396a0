// tst_gamefolders.cpp: naming the files of the game's folders, with one separator after the folder.
#include "platform/gamefolders.h"

#include <QTest>

using namespace quintrel;

class tst_GameFolders : public QObject {
    Q_OBJECT

private slots:
    void dataFiles_data()
    {
        QTest::addColumn<QByteArray>("folder");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("path");
        QTest::newRow("folder") << QByteArray("/opt/quintrel") << QByteArray("SOUND/SNIP1.WAV")
                                << QByteArray("/opt/quintrel/SOUND/SNIP1.WAV");
        QTest::newRow("trailing separator dropped")
            << QByteArray("/opt/quintrel/") << QByteArray("rules.txt") << QByteArray("/opt/quintrel/rules.txt");
        QTest::newRow("root keeps one separator")
            << QByteArray("/") << QByteArray("SOUND/CLICK.WAV") << QByteArray("/SOUND/CLICK.WAV");
        QTest::newRow("a name that is not UTF-8 stays as it is")
            << QByteArray("/home/p\xe9ter/quintrel") << QByteArray("1010/1.gif")
            << QByteArray("/home/p\xe9ter/quintrel/1010/1.gif");
    }
    void dataFiles()
    {
        QFETCH(QByteArray, folder);
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, path);
        setGameFolders(folder, folder);
        QCOMPARE(dataFile(name), path);
    }
};

QTEST_GUILESS_MAIN(tst_GameFolders)
#include "tst_gamefolders.moc"
