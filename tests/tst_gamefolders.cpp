// tst_gamefolders.cpp: finding the game's folders from where the executable lies, making the save
// folder, and naming the files of the folders with one separator after the folder.
#include "childprocess.h"
#include "platform/gamefolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace quintrel;
using namespace quintrel::testing;

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

    // Paths below a scratch root; an XDG_DATA_HOME that starts with "/" lies below it too.
    void findsFolders_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QByteArray>("xdgDataHome");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QByteArray>("save");
        QTest::addColumn<bool>("own");
        const QString icon = QStringLiteral("SOUND/QUINTREL.ICO");
        QTest::newRow("copied folder") << QStringList{"usr/bin/" + icon} << QByteArray("/xdg") << QByteArray("usr/bin")
                                       << QByteArray("usr/bin") << true;
        QTest::newRow("data beside wins over an installed copy")
            << QStringList{"usr/bin/" + icon, "usr/share/quintrel/" + icon} << QByteArray() << QByteArray("usr/bin")
            << QByteArray("usr/bin") << true;
        QTest::newRow("installed") << QStringList{"usr/share/quintrel/" + icon} << QByteArray("/xdg")
                                   << QByteArray("usr/share/quintrel") << QByteArray("xdg/quintrel") << false;
        QTest::newRow("installed with damaged data")
            << QStringList{"usr/share/quintrel/rules.txt"} << QByteArray("/xdg") << QByteArray("usr/share/quintrel")
            << QByteArray("xdg/quintrel") << false;
        QTest::newRow("XDG_DATA_HOME empty")
            << QStringList{"usr/share/quintrel/" + icon} << QByteArray() << QByteArray("usr/share/quintrel")
            << QByteArray("home/.local/share/quintrel") << false;
        QTest::newRow("XDG_DATA_HOME relative")
            << QStringList{"usr/share/quintrel/" + icon} << QByteArray("xdg") << QByteArray("usr/share/quintrel")
            << QByteArray("home/.local/share/quintrel") << false;
        QTest::newRow("no data anywhere")
            << QStringList{} << QByteArray("/xdg") << QByteArray("usr/bin") << QByteArray("usr/bin") << true;
    }
    void findsFolders()
    {
        QFETCH(QStringList, files);
        QFETCH(QByteArray, xdgDataHome);
        QFETCH(QByteArray, data);
        QFETCH(QByteArray, save);
        QFETCH(bool, own);
        QTemporaryDir scratch;
        const QByteArray root = QFile::encodeName(scratch.path());
        QDir(scratch.path()).mkpath(QStringLiteral("usr/bin"));
        for (const QString &file : files) {
            QDir(scratch.path()).mkpath(QFileInfo(file).path());
            QFile(scratch.filePath(file)).open(QIODevice::WriteOnly);
        }
        if (xdgDataHome.startsWith('/'))
            xdgDataHome.prepend(root);
        const GameFolders found = findGameFolders(root + "/usr/bin/quintrel", root + "/home", xdgDataHome);
        QCOMPARE(found.data, root + '/' + data);
        QCOMPARE(found.save, root + '/' + save);
        QCOMPARE(found.dataFolderOwn, own);
    }

    void makesSaveFolder_data()
    {
        QTest::addColumn<bool>("own");
        QTest::addColumn<QByteArray>("inTheWay"); // a file where a folder should be
        QTest::addColumn<bool>("made");
        QTest::newRow("missing parents are made") << false << QByteArray() << true;
        QTest::newRow("a file in the way") << false << QByteArray("data") << false;
        QTest::newRow("the folder itself is a file") << false << QByteArray("data/quintrel") << false;
        QTest::newRow("the program's own folder is not made again") << true << QByteArray() << false;
    }
    void makesSaveFolder()
    {
        QFETCH(bool, own);
        QFETCH(QByteArray, inTheWay);
        QFETCH(bool, made);
        QTemporaryDir scratch;
        const QByteArray root = QFile::encodeName(scratch.path());
        if (!inTheWay.isEmpty()) {
            QDir(scratch.path()).mkpath(QFileInfo(QString::fromLatin1(inTheWay)).path());
            QVERIFY(QFile(scratch.filePath(QString::fromLatin1(inTheWay))).open(QIODevice::WriteOnly));
        }
        const QByteArray folder = root + "/data/quintrel";
        setGameFolders(root, folder, own);
        QString reason;
        QCOMPARE(makeSaveFolder(&reason), made || own);
        struct stat info {};
        QCOMPARE(::stat(folder.constData(), &info) == 0 && S_ISDIR(info.st_mode), made);
        if (made) {
            QCOMPARE(info.st_mode & 0777, 0700u);
            QVERIFY(makeSaveFolder(&reason)); // once there, it stays usable
        } else if (!own) {
            QCOMPARE(reason, QStringLiteral("the folder \"%1/data/quintrel\" could not be made: Not a directory")
                                 .arg(scratch.path()));
        }
    }

    // A folder on the way that the player may not write is the cause, not the missing ones below
    // it. Run as the user nobody when the test runs as root, whom the permission bits do not bind.
    void saveFolderFailureNamesTheCause()
    {
        QTemporaryDir scratch;
        const QByteArray root = QFile::encodeName(scratch.path());
        QVERIFY(QDir(scratch.path()).mkdir(QStringLiteral("locked")));
        QCOMPARE(::chmod(root.constData(), 0755), 0);
        QCOMPARE(::chmod(root + "/locked", 0555), 0);
        setGameFolders(root, root + "/locked/data/quintrel", false);
        const QString expected = QStringLiteral("the folder \"%1/locked/data/quintrel\" could not be made: "
                                                "Permission denied")
                                     .arg(scratch.path());
        auto make = [&] {
            QString reason;
            return !makeSaveFolder(&reason) && reason == expected ? 0 : 1;
        };
        QCOMPARE(inChild(make, true), 0);
    }
};

QTEST_GUILESS_MAIN(tst_GameFolders)
#include "tst_gamefolders.moc"
