// tst_programfolder.cpp: naming the files beside the program, with one separator after the folder.
#include "platform/programfolder.h"

#include <QTest>

using namespace quintrel;

class tst_ProgramFolder : public QObject {
    Q_OBJECT

private slots:
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
};

QTEST_GUILESS_MAIN(tst_ProgramFolder)
#include "tst_programfolder.moc"
