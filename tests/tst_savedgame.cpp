// tst_savedgame.cpp: saving the board into its settings file and reading it back, on real files:
// what a load makes of a file, and that a save never loses the old file, whatever fails.
#include "childprocess.h"
#include "platform/regularfile.h"
#include "savegame/savedgame.h"
#include "testsupport.h"

#include <QProcess>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sched.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace quintrel;
using namespace quintrel::testing;

namespace {

// The text as Windows' "Unicode" (UTF-16, little-endian, with its byte-order mark).
QByteArray utf16(const QByteArray &ascii)
{
    QByteArray bytes("\xFF\xFE");
    for (const char c : ascii)
        bytes.append(c).append('\0');
    return bytes;
}

struct stat statOf(const QString &path)
{
    struct stat info {};
    ::lstat(bytesOf(path).constData(), &info);
    return info;
}

const QByteArray StartFile = savedGameFile(StartText);
const QString Unloaded = QStringLiteral("0:0 0:0 0:0 0:0 0:0 0:0 0:0 0:0 0:0");
const QString Earlier = QStringLiteral("1090:4 1080:3 1070:2 1060:1 1050:4 1040:3 1030:2 1020:1 1010:4");

} // namespace

class tst_SavedGame : public QObject {
    Q_OBJECT

private slots:
    void freshSaveWritesExactlyTheEighteenKeys();
    void savingTwiceKeepsOneSetOfKeys();
    void saveKeepsWhatItDoesNotWriteAndThePermissions();
    void write_data();
    void write();
    void saveAndLoadGiveTheBoardBack();
    void load_data();
    void load();
    void noFileIsNoSavedGame();
    void saveAndLoadMeetOnOneFileWhateverItsCase_data();
    void saveAndLoadMeetOnOneFileWhateverItsCase();
    void linkIsReplacedNeverFollowed_data();
    void linkIsReplacedNeverFollowed();
    void plantedFilesLendNeitherModeNorContents_data();
    void plantedFilesLendNeitherModeNorContents();
    void readOnlyFileIsLeftAsItIs();
    void unusableFileIsLeftAlone_data();
    void unusableFileIsLeftAlone();
    void fileTheGameCannotRewriteIsRefused_data();
    void fileTheGameCannotRewriteIsRefused();
    void failedWriteKeepsTheOldFile_data();
    void failedWriteKeepsTheOldFile();
    void unwritableFolderFailsAndKeepsTheOldFile_data();
    void unwritableFolderFailsAndKeepsTheOldFile();
    void groupSharedFileStaysShared_data();
    void groupSharedFileStaysShared();
    void missingFolderFails();
    void leftoversOfKilledSavesAreRemoved_data();
    void leftoversOfKilledSavesAreRemoved();
    void convert_data();
    void convert();
};

void tst_SavedGame::freshSaveWritesExactlyTheEighteenKeys()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const SaveOutcome outcome = saveBoard(bytesOf(dir.path() + '/'), boardFrom(StartText));
    QCOMPARE(outcome.status, SaveOutcome::Status::Saved);
    QVERIFY(outcome.reason.isEmpty());
    QCOMPARE(outcome.path, bytesOf(dir.filePath("game.ini")));
    QCOMPARE(folderEntries(dir.path()), QStringList{"game.ini"});
    QCOMPARE(readFile(dir.filePath("game.ini")), StartFile);
}

void tst_SavedGame::savingTwiceKeepsOneSetOfKeys()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QCOMPARE(saveBoard(bytesOf(dir.path()), boardFrom(StartText)).status, SaveOutcome::Status::Saved);
    QCOMPARE(saveBoard(bytesOf(dir.path()), boardFrom("1030:2 1020:1 1010:4 1040:1 1050:1 1060:1 1070:1 1080:1 1090:3"))
                 .status,
             SaveOutcome::Status::Saved);

    QByteArray expected = StartFile;
    expected.replace("Dir 1=1010", "Dir 1=1030").replace("Dir 3=1030", "Dir 3=1010");
    expected.replace("Tile 1=1", "Tile 1=2").replace("Tile 3=1", "Tile 3=4").replace("Tile 9=1", "Tile 9=3");
    QCOMPARE(folderEntries(dir.path()), QStringList{"game.ini"});
    QCOMPARE(readFile(dir.filePath("game.ini")), expected);
}

void tst_SavedGame::saveKeepsWhatItDoesNotWriteAndThePermissions()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("game.ini");
    QVERIFY(writeFile(path, "; Quintrel\r\n"
                            "[Tile]\r\nDir 1=1090\r\nHint=yes\r\n\r\n"
                            "[Extra]\r\nfoo = bar\r\n"
                            "[Spin]\r\n; orientations\r\nTile 1=4\r\n"));
    QCOMPARE(::chmod(bytesOf(path).constData(), 0640), 0);
    QCOMPARE(saveBoard(bytesOf(dir.path()), boardFrom(StartText)).status, SaveOutcome::Status::Saved);
    QCOMPARE(readFile(path), QByteArray("; Quintrel\r\n"
                                        "[Tile]\r\nDir 1=1010\r\nHint=yes\r\n"
                                        "Dir 2=1020\r\nDir 3=1030\r\nDir 4=1040\r\nDir 5=1050\r\n"
                                        "Dir 6=1060\r\nDir 7=1070\r\nDir 8=1080\r\nDir 9=1090\r\n\r\n"
                                        "[Extra]\r\nfoo = bar\r\n"
                                        "[Spin]\r\n; orientations\r\nTile 1=1\r\n"
                                        "Tile 2=1\r\nTile 3=1\r\nTile 4=1\r\nTile 5=1\r\n"
                                        "Tile 6=1\r\nTile 7=1\r\nTile 8=1\r\nTile 9=1\r\n"));
    struct stat info {};
    QCOMPARE(::stat(bytesOf(path).constData(), &info), 0);
    QCOMPARE(info.st_mode & 07777, mode_t(0640));

    const LoadOutcome outcome = readSavedGame(bytesOf(dir.path()), {});
    QCOMPARE(outcome.status, LoadOutcome::Status::Loaded);
    QCOMPARE(outcome.valuesRead, 18);
    QCOMPARE(boardText(outcome.arrangement), StartText);
}

// The bytes a save writes over a file. One that a load takes is a saved game whatever else it
// holds (the NULs a crash can leave at its end, a NUL in another line, a first line like a
// script's): its other lines stay. A save never writes what a load would refuse.
void tst_SavedGame::write_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after"); // empty: refused as too large
    const QByteArray game = savedGameFile(Earlier);
    QTest::newRow("trailing NULs") << game + QByteArray(4, '\0') << StartFile + QByteArray(4, '\0');
    QTest::newRow("a NUL in another line")
        << QByteArray("; a\0b\r\n", 7) + game << QByteArray("; a\0b\r\n", 7) + StartFile;
    QTest::newRow("a first line like a script's") << "#!/bin/sh\r\n" + game << "#!/bin/sh\r\n" + StartFile;
    QByteArray nearTheCap = "[Tile]\r\nDir 1=1010\r\n[Spin]\r\nTile 1=1\r\n;";
    nearTheCap += QByteArray(SavedGameCap - nearTheCap.size() - 2, 'x') + "\r\n";
    QTest::newRow("other lines that would take it beyond the cap") << nearTheCap << QByteArray();
}

void tst_SavedGame::write()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QVERIFY(readSavedGameBytes(before, boardFrom(StartText)).arrangement);
    const SavedGameWriting written = writeSavedGameBytes(&before, boardFrom(StartText), Board());
    QCOMPARE(written.bytes.value_or(QByteArray()), after);
    QVERIFY(written.overSavedGame);
}

void tst_SavedGame::saveAndLoadGiveTheBoardBack()
{
    const QString board = "1070:4 1020:3 1090:1 1010:2 1050:4 1030:1 1060:3 1080:2 1040:2";
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QCOMPARE(saveBoard(bytesOf(dir.path()), boardFrom(board)).status, SaveOutcome::Status::Saved);
    const LoadOutcome outcome = readSavedGame(bytesOf(dir.path()), {});
    QCOMPARE(outcome.status, LoadOutcome::Status::Loaded);
    QCOMPARE(outcome.valuesRead, 18);
    QCOMPARE(boardText(outcome.arrangement), board);
}

// A load keeps the earlier load's value for a key the file lacks, and refuses, with what the file
// holds, any game with a field outside the nine cards and four orientations.
void tst_SavedGame::load_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("savedBefore");
    QTest::addColumn<QString>("expected"); // the saved fields after the load, or why it was refused
    QTest::addColumn<int>("valuesRead");

    auto edited = [](const char *from, const QByteArray &to) { return QByteArray(StartFile).replace(from, to); };

    QTest::newRow("hand-edited swap") << edited("Dir 2=1020", "Dir 2=1030").replace("Dir 3=1030", "Dir 3=1020")
                                      << Unloaded << "1010:1 1030:1 1020:1 1040:1 1050:1 1060:1 1070:1 1080:1 1090:1"
                                      << 18;
    QTest::newRow("no Tile 5 after an earlier load")
        << edited("Tile 5=1\r\n", "") << Earlier << "1010:1 1020:1 1030:1 1040:1 1050:4 1060:1 1070:1 1080:1 1090:1"
        << 17;
    QTest::newRow("no Tile 5 in a fresh run")
        << edited("Tile 5=1\r\n", "") << Unloaded << "for position 5 it holds no orientation" << 17;
    QTest::newRow("empty file after an earlier load") << QByteArray() << Earlier << Earlier << 0;
    QTest::newRow("empty file in a fresh run") << QByteArray() << Unloaded << "for position 1 it holds no card" << 0;
    QTest::newRow("unusable values keep the earlier ones")
        << QByteArray("[Tile]\nDir 1=40000\nDir 2=NONE\n[Spin]\nTile 1=\n") << Earlier << Earlier << 0;
    QTest::newRow("a number that names no card")
        << edited("Dir 4=1040", "Dir 4=7") << Earlier
        << "for position 4 it holds \"7\" as the card, which is not one of the nine cards" << 18;
    QTest::newRow("a negative card") << edited("Dir 1=1010", "Dir 1=-1070") << Unloaded
                                     << "for position 1 it holds \"-1070\" as the card" << 18;
    QTest::newRow("a negative orientation")
        << edited("Tile 9=1", "Tile 9=-2") << Unloaded
        << "for position 9 it holds \"-2\" as the orientation, which is not one of the four orientations" << 18;
    QTest::newRow("a word for a number") << edited("Tile 2=1", "Tile 2=four") << Unloaded
                                         << "for position 2 it holds \"four\" as the orientation" << 17;
    QTest::newRow("a NUL in a value") << edited("Dir 3=1030", QByteArray("Dir 3=10\0"
                                                                         "30",
                                                                         11))
                                      << Unloaded << "for position 3 it holds \"10\\x0030\" as the card" << 17;
    QTest::newRow("a value of 49 characters")
        << edited("Dir 1=1010", "Dir 1=" + QByteArray(45, '0') + "1010") << Unloaded << StartText << 18;
    QTest::newRow("a value cut at 49 characters")
        << edited("Dir 1=1010", "Dir 1=" + QByteArray(46, '0') + "1010") << Unloaded
        << "for position 1 it holds \"" + QString(46, u'0') + "101\" as the card" << 18;
    QTest::newRow("a UTF-8 byte-order mark") << "\xEF\xBB\xBF" + StartFile << Unloaded << StartText << 18;
    QTest::newRow("a card twice") << edited("Dir 9=1090", "Dir 9=1010") << Unloaded
                                  << "it holds card 1010 for both position 1 and position 9, and a game holds each "
                                     "card once"
                                  << 18;
}

void tst_SavedGame::load()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, savedBefore);
    QFETCH(QString, expected);
    QFETCH(int, valuesRead);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeFile(dir.filePath("GAME.INI"), file));

    const LoadOutcome outcome = readSavedGame(bytesOf(dir.path()), boardFrom(savedBefore));
    QCOMPARE(outcome.valuesRead, valuesRead);
    if (!expected.contains(u':')) {
        QCOMPARE(outcome.status, LoadOutcome::Status::Refused);
        QVERIFY2(outcome.reason.startsWith(expected), qPrintable(outcome.reason));
    } else {
        QCOMPARE(outcome.status, LoadOutcome::Status::Loaded);
        QCOMPARE(boardText(outcome.arrangement), expected);
    }
    QCOMPARE(readFile(dir.filePath("GAME.INI")), file);
}

void tst_SavedGame::noFileIsNoSavedGame()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeFile(dir.filePath("game.ini.bak"), StartFile));
    const LoadOutcome outcome = readSavedGame(bytesOf(dir.path()), boardFrom(Earlier));
    QCOMPARE(outcome.status, LoadOutcome::Status::NoSavedGame);
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
    // Each file tells which one was read by the orientation it holds for position 1.
    const QList<int16_t> orientations = {2, 3, 4};
    auto fileOf = [&orientations](int i) {
        return QByteArray(StartFile).replace("Tile 1=1", "Tile 1=" + QByteArray::number(orientations[i]));
    };
    for (int i = 0; i < existing.size(); ++i) {
        if (existing[i].endsWith('/'))
            QVERIFY(QDir(dir.path()).mkdir(existing[i].chopped(1)));
        else
            QVERIFY(writeFile(dir.filePath(existing[i]), fileOf(i)));
    }
    const qsizetype chosenIndex = existing.indexOf(chosen);
    const LoadOutcome loaded = readSavedGame(bytesOf(dir.path()), {});
    QCOMPARE(loaded.path, bytesOf(dir.filePath(chosen)));
    if (chosenIndex >= 0) {
        QCOMPARE(loaded.status, LoadOutcome::Status::Loaded);
        QCOMPARE(loaded.arrangement[1].orientation, orientations[chosenIndex]);
    } else {
        QCOMPARE(loaded.status, LoadOutcome::Status::NoSavedGame);
    }

    QStringList expectedEntries = folderEntries(dir.path());
    if (!expectedEntries.contains(chosen))
        expectedEntries << chosen;
    expectedEntries.sort();
    const SaveOutcome saved = saveBoard(bytesOf(dir.path()), boardFrom(Earlier));
    QCOMPARE(saved.status, SaveOutcome::Status::Saved);
    QCOMPARE(saved.path, bytesOf(dir.filePath(chosen)));
    QCOMPARE(folderEntries(dir.path()), expectedEntries);
    for (int i = 0; i < existing.size(); ++i) {
        if (existing[i] != chosen && !existing[i].endsWith('/'))
            QCOMPARE(readFile(dir.filePath(existing[i])), fileOf(i));
    }

    const LoadOutcome reloaded = readSavedGame(bytesOf(dir.path()), {});
    QCOMPARE(reloaded.status, LoadOutcome::Status::Loaded);
    QCOMPARE(reloaded.arrangement[1].card, int16_t(1090));
}

// A link in place of the saved game is read through, but a save replaces it with a file of the
// folder's own: nothing is ever written where it leads.
void tst_SavedGame::linkIsReplacedNeverFollowed_data()
{
    QTest::addColumn<bool>("leadsToAGame");
    QTest::newRow("a link that leads nowhere") << false;
    QTest::newRow("a link to a saved game elsewhere") << true;
}

void tst_SavedGame::linkIsReplacedNeverFollowed()
{
    QFETCH(bool, leadsToAGame);
    QTemporaryDir dir, elsewhere;
    const QString target = elsewhere.filePath("game.ini");
    if (leadsToAGame)
        QVERIFY(writeFile(target, savedGameFile(Earlier)));
    QVERIFY(QFile::link(target, dir.filePath("game.ini")));

    const LoadOutcome loaded = readSavedGame(bytesOf(dir.path()), {});
    QCOMPARE(loaded.status, leadsToAGame ? LoadOutcome::Status::Loaded : LoadOutcome::Status::NoSavedGame);
    QCOMPARE(boardText(loaded.arrangement), leadsToAGame ? Earlier : Unloaded);

    const SaveOutcome saved = saveBoard(bytesOf(dir.path()), boardFrom(StartText));
    QCOMPARE(saved.status, SaveOutcome::Status::Saved);
    QCOMPARE(readFile(target), leadsToAGame ? savedGameFile(Earlier) : QByteArray("<unreadable>"));
    QCOMPARE(folderEntries(elsewhere.path()), leadsToAGame ? QStringList{"game.ini"} : QStringList());
    QVERIFY(!QFileInfo(dir.filePath("game.ini")).isSymLink());
    QCOMPARE(boardText(readSavedGame(bytesOf(dir.path()), {}).arrangement), StartText);
}

// What another user may have put under the name in a folder others can write: its bytes are not
// kept, nor its set-ID and execute bits, and a link is read through only when both it and what it
// leads to are the player's. The new file holds the game alone and belongs to the player.
void tst_SavedGame::plantedFilesLendNeitherModeNorContents_data()
{
    QTest::addColumn<QString>("planted");
    QTest::addColumn<bool>("byAnotherUser"); // so the test needs root
    QTest::newRow("a set-user-ID program") << "program" << true;
    QTest::newRow("a link to a set-user-ID program") << "link to program" << true;
    QTest::newRow("a script") << "script" << false;
    QTest::newRow("a link to a file only root may read") << "link to secret" << true;
    QTest::newRow("the player's link to another user's file") << "own link to theirs" << true;
    QTest::newRow("the player's link through another user's link to the player's file")
        << "link through theirs to secret" << true;
}

void tst_SavedGame::plantedFilesLendNeitherModeNorContents()
{
    QFETCH(QString, planted);
    QFETCH(bool, byAnotherUser);
    if (byAnotherUser && !isRoot())
        QSKIP("only root can plant files as another user");
    QTemporaryDir dir, elsewhere;
    const QString name = dir.filePath("game.ini");
    const bool link = planted.contains("link");
    const QString file = link ? elsewhere.filePath("target") : name;
    const QByteArray bytes = planted.endsWith("program")  ? readFile("/bin/true")
                             : planted == "script"        ? QByteArray("#!/bin/sh\nid\n")
                             : planted.endsWith("secret") ? QByteArray("root's secret\n")
                                                          : QByteArray("[Tile]\nDir 1=1090\n; their note\n");
    QVERIFY(writeFile(file, bytes));
    const mode_t mode = planted.endsWith("program")  ? 04755
                        : planted == "script"        ? 0755
                        : planted.endsWith("secret") ? 0600
                                                     : 0644;
    auto giveAway = [](const QString &path) { return ::lchown(bytesOf(path).constData(), Nobody, NoGroup) == 0; };
    if (planted.startsWith("link through")) {
        QVERIFY(QFile::link(file, elsewhere.filePath("relay")));
        QVERIFY(giveAway(elsewhere.filePath("relay")));
        QVERIFY(QFile::link(elsewhere.filePath("relay"), name));
    } else if (link) {
        QVERIFY(QFile::link(file, name));
        QVERIFY(giveAway(planted == "own link to theirs" ? file : name));
        if (planted == "link to program")
            QVERIFY(giveAway(file));
    } else if (byAnotherUser) {
        QVERIFY(giveAway(file));
    }
    // After the change of owner, which clears the set-ID bits.
    QCOMPARE(::chmod(bytesOf(file).constData(), mode), 0);

    const LoadOutcome loaded = readSavedGame(bytesOf(dir.path()), {});
    QCOMPARE(loaded.status, LoadOutcome::Status::Refused);
    QVERIFY2(!link || loaded.reason.contains("not followed"), qPrintable(loaded.reason));

    QCOMPARE(saveBoard(bytesOf(dir.path()), boardFrom(StartText)).status, SaveOutcome::Status::Saved);
    QCOMPARE(folderEntries(dir.path()), QStringList{"game.ini"});
    QCOMPARE(readFile(name), StartFile);
    const struct stat saved = statOf(name);
    QVERIFY(S_ISREG(saved.st_mode));
    QCOMPARE(saved.st_mode & 07111, 0u);
    QCOMPARE(saved.st_uid, ::geteuid());
    if (link) {
        QCOMPARE(readFile(file), bytes);
        QCOMPARE(statOf(file).st_mode & 07777, mode);
    }
}

// The player's own saved game, made read-only in a folder the player may write: the rename that
// replaces it would be allowed, but a save leaves it as it is, as a plain write would, and says so.
void tst_SavedGame::readOnlyFileIsLeftAsItIs()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("GAME.INI");
    QVERIFY(writeFile(path, StartFile));
    QCOMPARE(::chmod(bytesOf(path).constData(), 0444), 0);
    if (isRoot()) {
        QCOMPARE(::chown(bytesOf(dir.path()).constData(), Nobody, NoGroup), 0);
        QCOMPARE(::chown(bytesOf(path).constData(), Nobody, NoGroup), 0);
    }
    auto save = [&] {
        const SaveOutcome outcome = saveBoard(bytesOf(dir.path()), boardFrom(Earlier));
        const bool told = outcome.status == SaveOutcome::Status::Failed && outcome.hadSavedGame
                          && outcome.reason == QStringLiteral("the file \"%1\" is read-only").arg(path);
        return told ? 0 : 1;
    };
    QCOMPARE(inChild(save, true), 0);
    QCOMPARE(readFile(path), StartFile);
    QCOMPARE(statOf(path).st_mode & 07777, mode_t(0444));
    QCOMPARE(folderEntries(dir.path()), QStringList{"GAME.INI"});
}

// Whatever stands under the name instead of a saved game, a load and a save say what it is and leave
// it as it is; neither ever blocks on a pipe or touches a device.
void tst_SavedGame::unusableFileIsLeftAlone_data()
{
    QTest::addColumn<QString>("told");
    QTest::addColumn<bool>("asAnotherUser"); // so the test needs root
    QTest::newRow("folder") << "\" is a folder, not a file" << false;
    QTest::newRow("fifo") << "\" is a FIFO (a named pipe), not a file" << false;
    QTest::newRow("device") << "\" is a link to a device, not a file" << false;
    QTest::newRow("unreadable") << "may not read" << true;
    QTest::newRow("theirs") << "belongs to the user \"root\", and you may not read it" << true;
}

void tst_SavedGame::unusableFileIsLeftAlone()
{
    const QString kind = QString::fromLatin1(QTest::currentDataTag());
    QFETCH(QString, told);
    QFETCH(bool, asAnotherUser);
    if (kind == "theirs" && !isRoot())
        QSKIP("only root can plant a file as another user");
    QTemporaryDir dir;
    QCOMPARE(::chmod(bytesOf(dir.path()).constData(), 0777), 0);
    const QString name = kind == "folder" ? "GAME.INI" : "game.ini";
    const QByteArray path = bytesOf(dir.filePath(name));
    if (kind == "folder") {
        QVERIFY(QDir(dir.path()).mkdir(name));
    } else if (kind == "fifo") {
        QCOMPARE(::mkfifo(path.constData(), 0666), 0);
    } else if (kind == "device") {
        QVERIFY(QFile::link("/dev/null", dir.filePath(name)));
    } else {
        QVERIFY(writeFile(dir.filePath(name), StartFile));
        QCOMPARE(::chmod(path.constData(), kind == "theirs" ? 0600 : 0), 0);
    }

    auto loadAndSave = [&] {
        const LoadOutcome loaded = readSavedGame(bytesOf(dir.path()), boardFrom(Earlier));
        if (loaded.status != LoadOutcome::Status::Refused || !loaded.reason.contains(dir.filePath(name))
            || !loaded.reason.contains(told))
            return 1;
        const SaveOutcome saved = saveBoard(bytesOf(dir.path()), boardFrom(StartText));
        if (saved.status != SaveOutcome::Status::Failed || saved.reason != loaded.reason || saved.hadSavedGame)
            return 2;
        return 0;
    };
    QCOMPARE(inChild(loadAndSave, asAnotherUser), 0);
    QCOMPARE(folderEntries(dir.path()), QStringList{name});
}

// A file that is no saved game the game could rewrite whole is named and left as it is: the load
// never lays out an earlier game in its place, and a save does not mix encodings in it.
void tst_SavedGame::fileTheGameCannotRewriteIsRefused_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("why");
    QTest::newRow("larger than a saved game can be")
        << StartFile + QByteArray(SavedGameCap, ';') << "is too large to be a saved game";
    QTest::newRow("UTF-16") << utf16(StartFile) << "UTF-16";
    QTest::newRow("UTF-16 without its byte-order mark") << utf16(StartFile).mid(2) << "UTF-16";
    QTest::newRow("UTF-16 big-endian without it, from a letter beyond ASCII")
        << utf16("\xE9t\xE9\r\n" + StartFile).mid(1).append('\0') << "UTF-16";
    QTest::newRow("UTF-32") << QByteArray("\xFF\xFE\0\0", 4)
                                   + utf16(StartFile).mid(2).replace('\0', QByteArray(3, '\0'))
                            << "UTF-32";
    QTest::newRow("UTF-32 without its byte-order mark")
        << utf16("\xE9\r\n" + StartFile).mid(2).replace('\0', QByteArray(3, '\0')) << "UTF-32";
}

void tst_SavedGame::fileTheGameCannotRewriteIsRefused()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, why);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("game.ini");
    QVERIFY(writeFile(path, file));

    const LoadOutcome loaded = readSavedGame(bytesOf(dir.path()), boardFrom(Earlier));
    QCOMPARE(loaded.status, LoadOutcome::Status::Refused);
    QVERIFY2(loaded.reason.contains(why), qPrintable(loaded.reason));

    const SaveOutcome saved = saveBoard(bytesOf(dir.path()), boardFrom(StartText));
    QCOMPARE(saved.status, SaveOutcome::Status::Failed);
    QVERIFY2(saved.reason.contains(path) && saved.reason.contains(why.left(7)), qPrintable(saved.reason));
    QVERIFY(!saved.hadSavedGame);
    QVERIFY(readFile(path) == file);
}

// A file-size limit makes the write itself fail, which stops root as much as anyone. The save runs
// in a child process with the limit and the signal as the system sets them: the write past the
// limit must be a failed save, not the end of the program.
void tst_SavedGame::failedWriteKeepsTheOldFile_data()
{
    QTest::addColumn<QByteArray>("old"); // empty: no file
    QTest::newRow("over a saved game") << QByteArray("[Tile]\r\nDir 1=1090\r\n; keep me\r\n");
    QTest::newRow("with no saved game before") << QByteArray();
}

void tst_SavedGame::failedWriteKeepsTheOldFile()
{
    QFETCH(QByteArray, old);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("game.ini");
    if (!old.isEmpty())
        QVERIFY(writeFile(path, old));

    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        const rlimit small{64, 64};
        ::setrlimit(RLIMIT_FSIZE, &small);
        const SaveOutcome outcome = saveBoard(bytesOf(dir.path()), boardFrom(StartText));
        const bool named = outcome.reason.contains(path)
                           && outcome.reason.contains(QString::fromLocal8Bit(std::strerror(EFBIG)));
        ::_exit(outcome.status != SaveOutcome::Status::Failed ? 1
                : !named                                      ? 2
                : outcome.hadSavedGame != !old.isEmpty()      ? 3
                                                              : 0);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY2(WIFEXITED(status),
             qPrintable(QStringLiteral("the save ended the process by signal %1").arg(WTERMSIG(status))));
    QCOMPARE(WEXITSTATUS(status), 0);
    QCOMPARE(readFile(path), old.isEmpty() ? QByteArray("<unreadable>") : old);
    QCOMPARE(folderEntries(dir.path()), old.isEmpty() ? QStringList() : QStringList{"game.ini"});
}

// A folder the player may not write, and one on a read-only file system (a mount of the child's
// own), are named as what they are; the saved game there stays.
void tst_SavedGame::unwritableFolderFailsAndKeepsTheOldFile_data()
{
    QTest::addColumn<bool>("readOnlyMount"); // so the test needs root
    QTest::addColumn<QString>("told");
    QTest::newRow("a folder the player may not write") << false << "you may not write in the folder \"%1\"";
    QTest::newRow("a read-only file system") << true << "the folder \"%1\" lies on a read-only file system";
}

void tst_SavedGame::unwritableFolderFailsAndKeepsTheOldFile()
{
    QFETCH(bool, readOnlyMount);
    QFETCH(QString, told);
    if (readOnlyMount && !isRoot())
        QSKIP("only root can mount a file system");
    QTemporaryDir dir;
    const QByteArray folder = bytesOf(dir.path());
    const QString path = dir.filePath("game.ini");
    auto save = [&] {
        if (readOnlyMount
            && (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
                || ::mount("tmpfs", folder.constData(), "tmpfs", 0, nullptr) != 0 || !writeFile(path, StartFile)
                || ::mount(nullptr, folder.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0))
            return 10;
        const SaveOutcome outcome = saveBoard(folder, boardFrom(Earlier));
        return outcome.status == SaveOutcome::Status::Failed && outcome.reason == told.arg(dir.path())
                       && outcome.hadSavedGame && readFile(path) == StartFile
                   ? 0
                   : 1;
    };
    if (!readOnlyMount) {
        QVERIFY(writeFile(path, StartFile));
        QCOMPARE(::chmod(folder.constData(), 0555), 0);
    }
    QCOMPARE(inChild(save, !readOnlyMount), 0);
}

// A file shared by a group of players stays the group's: a member's save keeps its group and its
// group bits; a save that could not keep the group fails and says so, and the file stays.
void tst_SavedGame::groupSharedFileStaysShared_data()
{
    QTest::addColumn<bool>("member");
    QTest::newRow("a member of the group saves") << true;
    QTest::newRow("its owner saves, not a member of the group") << false;
}

void tst_SavedGame::groupSharedFileStaysShared()
{
    QFETCH(bool, member);
    if (!isRoot())
        QSKIP("only root can make the players and their group");
    constexpr uid_t Player = 4242;
    constexpr gid_t Players = 4243;
    QTemporaryDir dir;
    const QString path = dir.filePath("game.ini");
    QVERIFY(writeFile(path, savedGameFile(Earlier)));
    QCOMPARE(::chown(bytesOf(path).constData(), member ? Nobody : Player, Players), 0);
    QCOMPARE(::chmod(bytesOf(path).constData(), 0660), 0);
    QCOMPARE(::chmod(bytesOf(dir.path()).constData(), 0777), 0);
    const int status = inChild([&] {
        const gid_t groups[] = {Players};
        if (::setgroups(member ? 1 : 0, groups) != 0 || ::setgid(NoGroup) != 0 || ::setuid(Player) != 0)
            return 100;
        const SaveOutcome outcome = saveBoard(bytesOf(dir.path()), boardFrom(StartText));
        const bool told = outcome.hadSavedGame && outcome.reason.contains("is shared with the group \"4243\"");
        return (member ? outcome.status == SaveOutcome::Status::Saved : told) ? 0 : 1;
    });
    QCOMPARE(status, 0);
    const struct stat info = statOf(path);
    QCOMPARE(info.st_gid, Players);
    QCOMPARE(info.st_mode & 07777, mode_t(0660));
    QCOMPARE(readFile(path), savedGameFile(member ? StartText : Earlier));
}

void tst_SavedGame::missingFolderFails()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = dir.filePath("gone");
    const SaveOutcome outcome = saveBoard(bytesOf(folder), boardFrom(StartText));
    QCOMPARE(outcome.status, SaveOutcome::Status::Failed);
    QCOMPARE(outcome.reason, "the folder \"" + folder + "\" does not exist");
    QVERIFY(!outcome.hadSavedGame);
    QVERIFY(!QFileInfo::exists(folder));

    QCOMPARE(readSavedGame(bytesOf(folder), {}).status, LoadOutcome::Status::NoSavedGame);
}

// A save killed before its rename leaves its temporary file; the next save removes it, and nothing
// else: not a file of the player's, not the temporary file of a save running in another instance.
void tst_SavedGame::leftoversOfKilledSavesAreRemoved()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QStringList others = {"game.ini.backup", "game.ini.saving-0123abcZ", "game.ini.saving-0123abcd0",
                                "other.ini.saving-0123abcd"};
    for (const QString &name : others + QStringList{"game.ini.saving-0123abcd", "game.ini.saving-ffffffff"})
        QVERIFY(writeFile(dir.filePath(name), "[Tile]\r\n"));
    QCOMPARE(saveBoard(bytesOf(dir.path()), boardFrom(StartText)).status, SaveOutcome::Status::Saved);
    QStringList expected = others + QStringList{"game.ini"};
    expected.sort();
    QCOMPARE(folderEntries(dir.path()), expected);

    // Another instance in the middle of its save, or another program, holds the folder's lock. The
    // save waits a little, then fails without touching anything and without a word about the old
    // file, which the other save may be replacing, and says who holds the lock.
    QFETCH(QString, holder);
    QFETCH(QString, told);
    QVERIFY(writeFile(dir.filePath("game.ini.saving-89abcdef"), "[Tile]\r\n"));
    // flock(1) holds the lock, under the program name of the row, until its input ends.
    QTemporaryDir programs;
    QVERIFY(QFile::copy("/usr/bin/flock", programs.filePath(holder)));
    QProcess lock;
    lock.start(programs.filePath(holder), {dir.path(), "-c", "echo locked; read line"});
    QVERIFY(lock.waitForReadyRead(10000));
    const qint64 holderProcess = lock.processId();
    const SaveOutcome outcome = saveBoard(bytesOf(dir.path()), boardFrom(Earlier));
    lock.closeWriteChannel();
    QVERIFY(lock.waitForFinished(10000));
    QCOMPARE(outcome.status, SaveOutcome::Status::Failed);
    QCOMPARE(outcome.reason, QString(told).replace("%1", dir.path()).replace("%2", QString::number(holderProcess)));
    QVERIFY(!outcome.hadSavedGame);
    expected << "game.ini.saving-89abcdef";
    expected.sort();
    QCOMPARE(folderEntries(dir.path()), expected);
    QCOMPARE(readFile(dir.filePath("game.ini")), StartFile);
}

void tst_SavedGame::leftoversOfKilledSavesAreRemoved_data()
{
    QTest::addColumn<QString>("holder"); // the name of the program that holds the lock
    QTest::addColumn<QString>("told");
    QTest::newRow("another Quintrel") << "quintrel"
                                      << "another save into the folder \"%1\" was still going on after 0.5 seconds";
    QTest::newRow("another program") << "backup"
                                     << "the folder \"%1\" is locked by another program, \"backup\" (process %2), "
                                        "which is not Quintrel";
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
