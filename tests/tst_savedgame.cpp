// tst_savedgame.cpp: saving the board into its settings file and reading it back, on real files.
#include "savegame/savedgame.h"
#include "testsupport.h"

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace quintrel;
using namespace quintrel::testing;

namespace {

// A board with the cards of one text and, in the saved fields that a load fills, those of another.
Board boardFrom(const QString &text, const QString &saved)
{
    Board board = testing::boardFrom(text);
    const Board savedCells = testing::boardFrom(saved);
    for (int p = 1; p <= PositionCount; ++p) {
        board[p].savedCard = savedCells[p].card;
        board[p].savedOrientation = savedCells[p].orientation;
    }
    return board;
}

const QByteArray StartFile = savedGameFile(StartText);
const QString Unloaded = QStringLiteral("0:0 0:0 0:0 0:0 0:0 0:0 0:0 0:0 0:0");

} // namespace

class tst_SavedGame : public QObject {
    Q_OBJECT

private slots:
    void freshSaveWritesExactlyTheEighteenKeys();
    void savingTwiceKeepsOneSetOfKeys();
    void saveKeepsWhatItDoesNotWrite();
    void saveAndLoadGiveTheBoardBack_data();
    void saveAndLoadGiveTheBoardBack();
    void load_data();
    void load();
    void noFileIsNoSavedGame();
    void saveAndLoadMeetOnOneFileWhateverItsCase_data();
    void saveAndLoadMeetOnOneFileWhateverItsCase();
    void unusableFileIsLeftAlone_data();
    void unusableFileIsLeftAlone();
    void failedWriteKeepsTheOldFile();
    void readOnlyFolderFailsAndKeepsTheOldFile();
    void missingFolderFails();
    void oversizedFileIsNeitherReadNorRewritten();
    void convert_data();
    void convert();
};

void tst_SavedGame::freshSaveWritesExactlyTheEighteenKeys()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const SaveOutcome outcome = saveBoard(dir.path() + '/', boardFrom(StartText));
    QCOMPARE(outcome.status, SaveOutcome::Status::Saved);
    QVERIFY(outcome.reason.isEmpty());
    QCOMPARE(outcome.path, dir.filePath("game.ini"));
    QCOMPARE(folderEntries(dir.path()), QStringList{"game.ini"});
    QCOMPARE(readFile(outcome.path), StartFile);
}

void tst_SavedGame::savingTwiceKeepsOneSetOfKeys()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QCOMPARE(saveBoard(dir.path(), boardFrom(StartText)).status, SaveOutcome::Status::Saved);
    QCOMPARE(saveBoard(dir.path(), boardFrom("1030:2 1020:1 1010:4 1040:1 1050:1 1060:1 1070:1 1080:1 1090:3")).status,
             SaveOutcome::Status::Saved);

    QByteArray expected = StartFile;
    expected.replace("Dir 1=1010", "Dir 1=1030").replace("Dir 3=1030", "Dir 3=1010");
    expected.replace("Tile 1=1", "Tile 1=2").replace("Tile 3=1", "Tile 3=4").replace("Tile 9=1", "Tile 9=3");
    QCOMPARE(folderEntries(dir.path()), QStringList{"game.ini"});
    QCOMPARE(readFile(dir.filePath("game.ini")), expected);
}

void tst_SavedGame::saveKeepsWhatItDoesNotWrite()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("game.ini");
    QVERIFY(writeFile(path, "; Quintrel\r\n"
                            "[Tile]\r\nDir 1=1090\r\nHint=yes\r\n\r\n"
                            "[Extra]\r\nfoo = bar\r\n"
                            "[Spin]\r\n; orientations\r\nTile 1=4\r\n"));
    QCOMPARE(saveBoard(dir.path(), boardFrom(StartText)).status, SaveOutcome::Status::Saved);
    QCOMPARE(readFile(path), QByteArray("; Quintrel\r\n"
                                            "[Tile]\r\nDir 1=1010\r\nHint=yes\r\n"
                                            "Dir 2=1020\r\nDir 3=1030\r\nDir 4=1040\r\nDir 5=1050\r\n"
                                            "Dir 6=1060\r\nDir 7=1070\r\nDir 8=1080\r\nDir 9=1090\r\n\r\n"
                                            "[Extra]\r\nfoo = bar\r\n"
                                            "[Spin]\r\n; orientations\r\nTile 1=1\r\n"
                                            "Tile 2=1\r\nTile 3=1\r\nTile 4=1\r\nTile 5=1\r\n"
                                            "Tile 6=1\r\nTile 7=1\r\nTile 8=1\r\nTile 9=1\r\n"));

    Board loaded;
    const LoadOutcome outcome = readSavedGame(dir.path(), loaded);
    QCOMPARE(outcome.status, LoadOutcome::Status::Loaded);
    QCOMPARE(outcome.valuesRead, 18);
    QCOMPARE(savedText(loaded), StartText);
}

void tst_SavedGame::saveAndLoadGiveTheBoardBack_data()
{
    QTest::addColumn<QString>("board");
    QTest::newRow("mid-game") << "1070:4 1020:3 1090:1 1010:2 1050:4 1030:1 1060:3 1080:2 1040:2";
    QTest::newRow("16-bit extremes") << "-32768:32767 32767:-32768 -1:-1 0:0 1:1 -10:10 1010:1 1020:2 1030:3";
}

void tst_SavedGame::saveAndLoadGiveTheBoardBack()
{
    QFETCH(QString, board);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QCOMPARE(saveBoard(dir.path(), boardFrom(board)).status, SaveOutcome::Status::Saved);
    Board loaded;
    const LoadOutcome outcome = readSavedGame(dir.path(), loaded);
    QCOMPARE(outcome.status, LoadOutcome::Status::Loaded);
    QCOMPARE(outcome.valuesRead, 18);
    QCOMPARE(savedText(loaded), board);
    QCOMPARE(boardText(loaded), Unloaded);
}

void tst_SavedGame::load_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("savedBefore");
    QTest::addColumn<QString>("savedAfter");
    QTest::addColumn<int>("valuesRead");

    const QString earlier = "1090:4 1080:3 1070:2 1060:1 1050:4 1040:3 1030:2 1020:1 1010:4";

    QByteArray swapped = StartFile;
    swapped.replace("Dir 2=1020", "Dir 2=1030").replace("Dir 3=1030", "Dir 3=1020");
    QTest::newRow("hand-edited swap") << swapped << Unloaded
                                      << "1010:1 1030:1 1020:1 1040:1 1050:1 1060:1 1070:1 1080:1 1090:1" << 18;

    QByteArray noTile5 = StartFile;
    noTile5.replace("Tile 5=1\r\n", "");
    QTest::newRow("no Tile 5 in a fresh run")
        << noTile5 << Unloaded << "1010:1 1020:1 1030:1 1040:1 1050:0 1060:1 1070:1 1080:1 1090:1" << 17;
    QTest::newRow("no Tile 5 after an earlier load")
        << noTile5 << earlier << "1010:1 1020:1 1030:1 1040:1 1050:4 1060:1 1070:1 1080:1 1090:1" << 17;

    QTest::newRow("empty file") << QByteArray() << earlier << earlier << 0;
    QTest::newRow("numbers naming no card are stored")
        << QByteArray("[Tile]\nDir 1=7\nDir 2=-1\n[Spin]\nTile 1=9\n") << Unloaded
        << "7:9 -1:0 0:0 0:0 0:0 0:0 0:0 0:0 0:0" << 3;
    QTest::newRow("unusable values leave the field")
        << QByteArray("[Tile]\nDir 1=40000\nDir 2=NONE\n[Spin]\nTile 1=\n") << earlier << earlier << 0;
    QTest::newRow("value cut at 49 characters")
        << QByteArray("[Tile]\nDir 1=" + QByteArray(46, '0') + "1010\n") << Unloaded
        << "101:0 0:0 0:0 0:0 0:0 0:0 0:0 0:0 0:0" << 1;
}

void tst_SavedGame::load()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, savedBefore);
    QFETCH(QString, savedAfter);
    QFETCH(int, valuesRead);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeFile(dir.filePath("GAME.INI"), file));
    Board board = boardFrom(StartText, savedBefore);

    const LoadOutcome outcome = readSavedGame(dir.path(), board);
    QCOMPARE(outcome.status, LoadOutcome::Status::Loaded);
    QCOMPARE(outcome.valuesRead, valuesRead);
    QCOMPARE(savedText(board), savedAfter);
    QCOMPARE(boardText(board), StartText);
    QCOMPARE(readFile(dir.filePath("GAME.INI")), file);
}

void tst_SavedGame::noFileIsNoSavedGame()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeFile(dir.filePath("game.ini.bak"), StartFile));
    Board board = boardFrom(Unloaded, "1:1 2:2 3:3 4:4 5:1 6:2 7:3 8:4 9:1");
    const LoadOutcome outcome = readSavedGame(dir.path(), board);
    QCOMPARE(outcome.status, LoadOutcome::Status::NoSavedGame);
    QCOMPARE(savedText(board), QString("1:1 2:2 3:3 4:4 5:1 6:2 7:3 8:4 9:1"));
    QCOMPARE(folderEntries(dir.path()), QStringList{"game.ini.bak"});
}

void tst_SavedGame::saveAndLoadMeetOnOneFileWhateverItsCase_data()
{
    QTest::addColumn<QStringList>("existing"); // a trailing '/' makes a folder
    QTest::addColumn<QString>("chosen");

    QTest::newRow("none: game.ini is created") << QStringList{} << "game.ini";
    QTest::newRow("GAME.INI before game.ini") << QStringList{"game.ini", "GAME.INI"} << "GAME.INI";
    QTest::newRow("game.ini before other spellings") << QStringList{"Game.Ini", "game.ini"} << "game.ini";
    QTest::newRow("otherwise the first in order") << QStringList{"gAME.INI", "Game.Ini"} << "Game.Ini";
    QTest::newRow("a file before a folder") << QStringList{"GAME.INI/", "Game.Ini"} << "Game.Ini";
    QTest::newRow("near names do not count") << QStringList{"game.ini.bak", "xgame.ini", "game.in"} << "game.ini";
}

void tst_SavedGame::saveAndLoadMeetOnOneFileWhateverItsCase()
{
    QFETCH(QStringList, existing);
    QFETCH(QString, chosen);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // Each file tells which one was read by the card it holds for position 1.
    for (int i = 0; i < existing.size(); ++i) {
        if (existing[i].endsWith('/'))
            QVERIFY(QDir(dir.path()).mkdir(existing[i].chopped(1)));
        else
            QVERIFY(writeFile(dir.filePath(existing[i]), "[Tile]\r\nDir 1=" + QByteArray::number(i + 1) + "\r\n"));
    }
    QCOMPARE(findSavedGameFile(dir.path()), dir.filePath(chosen));

    const qsizetype chosenIndex = existing.indexOf(chosen);
    Board board;
    const LoadOutcome loaded = readSavedGame(dir.path(), board);
    QCOMPARE(loaded.path, dir.filePath(chosen));
    if (chosenIndex >= 0) {
        QCOMPARE(loaded.status, LoadOutcome::Status::Loaded);
        QCOMPARE(board[1].savedCard, int16_t(chosenIndex + 1));
    } else {
        QCOMPARE(loaded.status, LoadOutcome::Status::NoSavedGame);
    }

    QStringList expectedEntries = folderEntries(dir.path());
    if (!expectedEntries.contains(chosen))
        expectedEntries << chosen;
    expectedEntries.sort();
    const SaveOutcome saved = saveBoard(dir.path(), boardFrom(StartText));
    QCOMPARE(saved.status, SaveOutcome::Status::Saved);
    QCOMPARE(saved.path, dir.filePath(chosen));
    QCOMPARE(folderEntries(dir.path()), expectedEntries);
    for (int i = 0; i < existing.size(); ++i) {
        if (existing[i] != chosen && !existing[i].endsWith('/'))
            QCOMPARE(readFile(dir.filePath(existing[i])), "[Tile]\r\nDir 1=" + QByteArray::number(i + 1) + "\r\n");
    }

    const LoadOutcome reloaded = readSavedGame(dir.path(), board);
    QCOMPARE(reloaded.status, LoadOutcome::Status::Loaded);
    QCOMPARE(board[1].savedCard, int16_t(1010));
}

void tst_SavedGame::unusableFileIsLeftAlone_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("a folder named GAME.INI") << "folder";
    QTest::newRow("a pipe named game.ini") << "pipe";
    QTest::newRow("a file that cannot be opened") << "unreadable";
}

void tst_SavedGame::unusableFileIsLeftAlone()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QString name = "game.ini";
    if (kind == "folder") {
        name = "GAME.INI";
        QVERIFY(QDir(dir.path()).mkdir(name));
    } else if (kind == "pipe") {
        QVERIFY(::mkfifo(QFile::encodeName(dir.filePath(name)).constData(), 0600) == 0);
    } else {
        if (::geteuid() == 0)
            QSKIP("running as root: permission bits do not stop root from reading a file");
        QVERIFY(writeFile(dir.filePath(name), StartFile));
        QVERIFY(QFile::setPermissions(dir.filePath(name), QFileDevice::Permissions{}));
    }

    Board board = boardFrom(Unloaded, "1:1 2:2 3:3 4:4 5:1 6:2 7:3 8:4 9:1");
    const LoadOutcome loaded = readSavedGame(dir.path(), board);
    QCOMPARE(loaded.status, LoadOutcome::Status::Unreadable);
    QVERIFY(loaded.reason.contains(name));
    QCOMPARE(savedText(board), QString("1:1 2:2 3:3 4:4 5:1 6:2 7:3 8:4 9:1"));

    const SaveOutcome saved = saveBoard(dir.path(), boardFrom(StartText));
    QCOMPARE(saved.status, SaveOutcome::Status::NotAttempted);
    QVERIFY(saved.reason.contains(name));
    QCOMPARE(folderEntries(dir.path()), QStringList{name});
    QFile::setPermissions(dir.filePath(name), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

void tst_SavedGame::failedWriteKeepsTheOldFile()
{
    // A file-size limit makes the write itself fail, which stops root as much as anyone: the
    // temporary file cannot grow past it, and the old file must come through untouched.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("game.ini");
    const QByteArray old = "[Tile]\r\nDir 1=1090\r\n; keep me\r\n";
    QVERIFY(writeFile(path, old));

    rlimit saved {};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 64;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const SaveOutcome outcome = saveBoard(dir.path(), boardFrom(StartText));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QCOMPARE(outcome.status, SaveOutcome::Status::Failed);
    QVERIFY2(outcome.reason.contains("game.ini") && outcome.reason.size() > path.size() + 2,
             qPrintable(outcome.reason));
    QCOMPARE(readFile(path), old);
    QCOMPARE(folderEntries(dir.path()), QStringList{"game.ini"});
}

void tst_SavedGame::readOnlyFolderFailsAndKeepsTheOldFile()
{
    if (::geteuid() == 0)
        QSKIP("running as root: a read-only folder does not stop root's writes "
              "(failedWriteKeepsTheOldFile covers a real write failure)");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("game.ini");
    QVERIFY(writeFile(path, StartFile));
    QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 0555) == 0);
    const SaveOutcome outcome = saveBoard(dir.path(), boardFrom(Unloaded));
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);

    QCOMPARE(outcome.status, SaveOutcome::Status::Failed);
    QVERIFY(!outcome.reason.isEmpty());
    QCOMPARE(readFile(path), StartFile);
}

void tst_SavedGame::missingFolderFails()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = dir.filePath("gone");
    const SaveOutcome outcome = saveBoard(folder, boardFrom(StartText));
    QCOMPARE(outcome.status, SaveOutcome::Status::Failed);
    QVERIFY(outcome.reason.contains("gone"));
    QVERIFY(!QFileInfo::exists(folder));

    Board board;
    QCOMPARE(readSavedGame(folder, board).status, LoadOutcome::Status::NoSavedGame);
}

void tst_SavedGame::oversizedFileIsNeitherReadNorRewritten()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("game.ini");
    QByteArray huge = "[Tile]\nDir 1=1050\n";
    huge += QByteArray(Profile::MaxFileBytes, ';');
    QVERIFY(writeFile(path, huge));

    Board board = boardFrom(Unloaded, "1:1 2:2 3:3 4:4 5:1 6:2 7:3 8:4 9:1");
    const LoadOutcome loaded = readSavedGame(dir.path(), board);
    QCOMPARE(loaded.status, LoadOutcome::Status::Loaded);
    QCOMPARE(loaded.valuesRead, 0);
    QVERIFY(!loaded.reason.isEmpty());
    QCOMPARE(savedText(board), QString("1:1 2:2 3:3 4:4 5:1 6:2 7:3 8:4 9:1"));

    const SaveOutcome saved = saveBoard(dir.path(), boardFrom(StartText));
    QCOMPARE(saved.status, SaveOutcome::Status::Failed);
    QVERIFY(saved.reason.contains("MiB"));
    QVERIFY(readFile(path) == huge);
}

void tst_SavedGame::convert_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("converts");
    QTest::addColumn<int>("value");

    QTest::newRow("card") << QByteArray("1010") << true << 1010;
    QTest::newRow("blanks around") << QByteArray(" \t1010 \t") << true << 1010;
    QTest::newRow("plus sign") << QByteArray("+5") << true << 5;
    QTest::newRow("negative") << QByteArray("-3") << true << -3;
    QTest::newRow("leading zeros") << QByteArray("000000000000000000001010") << true << 1010;
    QTest::newRow("2.5 to even") << QByteArray("2.5") << true << 2;
    QTest::newRow("3.5 to even") << QByteArray("3.5") << true << 4;
    QTest::newRow("-2.5 to even") << QByteArray("-2.5") << true << -2;
    QTest::newRow("0.5 to even") << QByteArray("0.5") << true << 0;
    QTest::newRow("above half") << QByteArray("2.5000001") << true << 3;
    QTest::newRow("below half") << QByteArray("2.4999999") << true << 2;
    QTest::newRow("half with trailing zeros") << QByteArray("2.50000") << true << 2;
    QTest::newRow("no whole part") << QByteArray(".6") << true << 1;
    QTest::newRow("no fraction digits") << QByteArray("7.") << true << 7;
    QTest::newRow("largest") << QByteArray("32767") << true << 32767;
    QTest::newRow("smallest") << QByteArray("-32768") << true << -32768;
    QTest::newRow("rounds down into range") << QByteArray("32767.4") << true << 32767;
    QTest::newRow("rounds up out of range") << QByteArray("32767.5") << false << 0;
    QTest::newRow("-32768.5 to even") << QByteArray("-32768.5") << true << -32768;
    QTest::newRow("rounds down out of range") << QByteArray("-32768.51") << false << 0;
    QTest::newRow("just too large") << QByteArray("32768") << false << 0;
    QTest::newRow("just too small") << QByteArray("-32769") << false << 0;
    QTest::newRow("huge") << QByteArray("99999999999999999999999999") << false << 0;
    QTest::newRow("NONE") << QByteArray("NONE") << false << 0;
    QTest::newRow("empty") << QByteArray() << false << 0;
    QTest::newRow("trailing text") << QByteArray("12abc") << false << 0;
    QTest::newRow("hex") << QByteArray("0x10") << false << 0;
    QTest::newRow("exponent") << QByteArray("1e3") << false << 0;
    QTest::newRow("blank inside") << QByteArray("1 2") << false << 0;
    QTest::newRow("blank after sign") << QByteArray("- 5") << false << 0;
    QTest::newRow("two signs") << QByteArray("--5") << false << 0;
    QTest::newRow("sign only") << QByteArray("-") << false << 0;
    QTest::newRow("point only") << QByteArray(".") << false << 0;
    QTest::newRow("two points") << QByteArray("1.2.3") << false << 0;
    QTest::newRow("NUL after digits") << QByteArray("12\0", 3) << false << 0;
}

void tst_SavedGame::convert()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, converts);
    QFETCH(int, value);

    const std::optional<int16_t> result = convertSavedNumber(text);
    QCOMPARE(result.has_value(), converts);
    if (converts)
        QCOMPARE(int(*result), value);
}

QTEST_GUILESS_MAIN(tst_SavedGame)
#include "tst_savedgame.moc"
