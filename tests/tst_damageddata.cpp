// tst_damageddata.cpp: missing, empty, corrupted, oversized data files beside the program, and
// pipes and links in their place, each met while a game is in progress. Nothing may crash or
// hang, the game in progress is never lost, nothing is written where a link leads, and the player
// is told about a file where the player has to know.
#include "boardsession.h"
#include "platform/regularfile.h"
#include "windows/exampleviewer.h"
#include "windows/helpwindow.h"
#include "windows/winwindow.h"

#include <QPlainTextEdit>

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

using namespace quintrel;
using namespace quintrel::testing;

namespace {

enum class Damage { Missing, Empty, Garbage, Truncated, Folder, Pipe, Oversized, DanglingLink };

const char *damageName(Damage damage)
{
    const char *names[] = {"missing",  "empty",  "garbage",        "truncated",
                           "a folder", "a pipe", "beyond its cap", "a link that leads nowhere"};
    return names[int(damage)];
}

// The most the game reads of the file of that name.
qsizetype capOf(const QString &name)
{
    if (name.endsWith(QLatin1String(".WAV")))
        return SoundCap;
    if (name.endsWith(QLatin1String(".txt")))
        return DocumentCap;
    if (name.endsWith(QLatin1String(".ICO")))
        return IconCap.bytes;
    return name.contains(QLatin1String("example")) ? ExamplePictureCap.bytes : CardPictureCap.bytes;
}

// Damages one file of the program folder; the destructor puts back what it held.
class DamagedFile {
public:
    DamagedFile(const ProgramFolder &folder, const QString &name, Damage damage)
        : m_path(folder.filePath(name))
        , m_original(readFile(m_path))
    {
        QFile::remove(m_path);
        QByteArray garbage(3000, '\0');
        quint32 x = 0x9e3779b9u;
        for (char &c : garbage) {
            x = x * 1664525u + 1013904223u;
            c = char(x >> 24);
        }
        switch (damage) {
        case Damage::Missing:
            break;
        case Damage::Empty:
            writeFile(m_path, {});
            break;
        case Damage::Garbage:
            writeFile(m_path, garbage);
            break;
        case Damage::Truncated: // the file's own start, cut off: a header that promises what never comes
            writeFile(m_path, m_original.left(qMax<qsizetype>(16, m_original.size() / 20)));
            break;
        case Damage::Folder:
            QDir().mkpath(m_path);
            break;
        case Damage::Pipe:
            ::mkfifo(bytesOf(m_path).constData(), 0600);
            break;
        case Damage::Oversized: // the file itself, grown by a hole past the cap: no disk is used
            writeFile(m_path, m_original);
            QFile(m_path).resize(capOf(name) + 1);
            break;
        case Damage::DanglingLink:
            QFile::link(m_elsewhere.filePath(QStringLiteral("gone")), m_path);
            break;
        }
    }
    // Whether anything was made where a link in place of the file leads.
    bool wroteElsewhere() const { return !folderEntries(m_elsewhere.path()).isEmpty(); }
    ~DamagedFile()
    {
        QDir(m_path).removeRecursively();
        QFile::remove(m_path);
        writeFile(m_path, m_original);
    }

private:
    QString m_path;
    QByteArray m_original;
    QTemporaryDir m_elsewhere;
};

void addDamageRows(const QStringList &names, std::initializer_list<Damage> damages)
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Damage>("damage");
    for (const QString &name : names) {
        for (Damage damage : damages)
            QTest::addRow("%s %s", qPrintable(name), damageName(damage)) << name << damage;
    }
}

const std::initializer_list<Damage> EveryDamage = {Damage::Missing,   Damage::Empty,       Damage::Garbage,
                                                   Damage::Truncated, Damage::Folder,      Damage::Pipe,
                                                   Damage::Oversized, Damage::DanglingLink};

// A game in progress, not the start position, with a selection pending.
const QString InProgress = QStringLiteral("1060:1 1020:1 1030:1 1040:2 1050:1 1010:1 1070:1 1080:1 1090:1");
void startGameInProgress(BoardSession &session)
{
    session.setUpAndDeal();
    session.clickTile(1);
    session.clickTile(6);
    session.clickHandle(4);
    QCOMPARE(session.boardNow(), InProgress);
    session.sounds.clear();
}

bool namedInOneMessage(const BoardSession &session, const QString &path)
{
    return session.messages.messages.size() == 1 && session.messages.messages[0].text.contains(path);
}

} // namespace

class tst_DamagedData : public QObject {
    Q_OBJECT

private slots:
    // A card picture met by a turn and by a saved game that needs it: the player is told which
    // file it is, and the game goes on from where it was.
    void cardPicture_data()
    {
        addDamageRows({QStringLiteral("1050/2.gif"), QStringLiteral("1010/4.gif")}, EveryDamage);
    }
    void cardPicture()
    {
        QFETCH(QString, name);
        QFETCH(Damage, damage);
        BoardSession session;
        startGameInProgress(session);
        const int card = name.left(4).toInt();
        const int orientation = name.mid(5, 1).toInt();
        const int position = card == 1050 ? 5 : 6;
        const QString path = session.folder.filePath(name);
        {
            DamagedFile damaged(session.folder, name, damage);
            QStringList wanted = InProgress.split(u' ');
            wanted[position - 1] = QStringLiteral("%1:%2").arg(card).arg(orientation);
            QVERIFY(session.folder.write(QStringLiteral("game.ini"), savedGameFile(wanted.join(u' '))));
            session.load();
            QVERIFY2(namedInOneMessage(session, path), qPrintable(session.messages.texts().join(u'\n')));
            QCOMPARE(session.boardNow(), InProgress);
            QCOMPARE(session.painted(), InProgress);
            session.messages.clear();

            // The turn happens, the tile stays empty and the picture at fault is named.
            while (session.board->game().cell(position).orientation != orientation)
                session.clickHandle(position);
            QVERIFY2(namedInOneMessage(session, path), qPrintable(session.messages.texts().join(u'\n')));
            QCOMPARE(session.board->game().cell(position).card, int16_t(card));
            QVERIFY(session.board->tile(position)->picture().isNull());
        }
        // With the file back, one more round of turns shows the card again: nothing was lost.
        session.messages.clear();
        for (int turn = 0; turn < 4; ++turn)
            session.clickHandle(position);
        QVERIFY(session.messages.isEmpty());
        QCOMPARE(session.painted(), session.boardNow());
    }

    // A damaged sound is silence, never a message, and the game plays on.
    void sound_data()
    {
        addDamageRows({QStringLiteral("SOUND/SNIP1.WAV"), QStringLiteral("SOUND/CLICK.WAV"),
                       QStringLiteral("SOUND/APPLAUS.WAV")},
                      EveryDamage);
    }
    void sound()
    {
        QFETCH(QString, name);
        QFETCH(Damage, damage);
        BoardSession session;
        QVERIFY(session.folder.write(QStringLiteral("SOUND/APPLAUS.WAV"), waveImage(2205, 0x12)));
        DamagedFile damaged(session.folder, name, damage);
        const QString OneTurnFromSolution1 = QStringLiteral(
            "1050:3 1090:2 1070:3 1080:4 1010:2 1040:2 1030:3 1060:4 1020:1");
        QVERIFY(session.setUp());
        // The session names each sound by reading the sound files again, which a pipe would block:
        // here the sounds are only counted.
        QObject::disconnect(session.board.get(), &BoardWindow::soundPlayed, nullptr, nullptr);
        int sounds = 0;
        QObject::connect(session.board.get(), &BoardWindow::soundPlayed, [&sounds] { ++sounds; });
        session.newGame();
        QVERIFY(session.folder.write(QStringLiteral("game.ini"), savedGameFile(OneTurnFromSolution1)));
        session.load();
        sounds = 0;
        QVERIFY(session.messages.isEmpty());
        session.clickTile(2);
        session.clickTile(7);
        session.clickTile(7);
        session.clickTile(2);
        ModalWatcher<WinWindow> wins;
        session.clickHandle(5);
        QTRY_COMPARE(wins.count, 1);
        QCOMPARE(sounds, 3);
        QVERIFY2(session.messages.isEmpty(), qPrintable(session.messages.texts().join(u'\n')));
        QCOMPARE(session.painted(), Solution1Text);
        QVERIFY(!damaged.wroteElsewhere());
    }

    // Without its icon the program cannot start, and it says which file it is.
    void icon_data() { addDamageRows({QStringLiteral("SOUND/QUINTREL.ICO")}, EveryDamage); }
    void icon()
    {
        QFETCH(QString, name);
        QFETCH(Damage, damage);
        BoardSession session;
        DamagedFile damaged(session.folder, name, damage);
        QVERIFY(!session.setUp());
        QCOMPARE(session.board->exitCode(), 1);
        QVERIFY2(namedInOneMessage(session, session.folder.filePath(name)),
                 qPrintable(session.messages.texts().join(u'\n')));
    }

    // The example viewer names a picture it cannot read and does not open.
    void examplePicture_data() { addDamageRows({QStringLiteral("SOUND/example.gif")}, EveryDamage); }
    void examplePicture()
    {
        QFETCH(QString, name);
        QFETCH(Damage, damage);
        BoardSession session;
        QImage picture(400, 900, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        QVERIFY(picture.save(session.folder.filePath(name), "PNG")); // the reader goes by the contents
        startGameInProgress(session);
        DamagedFile damaged(session.folder, name, damage);
        ModalWatcher<ExampleViewer> viewers;
        session.board->showExample();
        QCOMPARE(viewers.count, 0);
        QVERIFY2(namedInOneMessage(session, session.folder.filePath(name)),
                 qPrintable(session.messages.texts().join(u'\n')));
        QCOMPARE(session.painted(), InProgress);
    }

    // The help window opens whatever its documents are; one that cannot be read at all is named.
    void helpText_data()
    {
        addDamageRows({QStringLiteral("rules.txt"), QStringLiteral("ombrel.txt")},
                      {Damage::Missing, Damage::Empty, Damage::Garbage, Damage::Folder, Damage::Pipe, Damage::Oversized,
                       Damage::DanglingLink});
    }
    void helpText()
    {
        QFETCH(QString, name);
        QFETCH(Damage, damage);
        BoardSession session;
        QVERIFY(session.folder.write(name, "Some help.\r\n"));
        startGameInProgress(session);
        DamagedFile damaged(session.folder, name, damage);
        QString shown;
        ModalWatcher<HelpWindow> help([&](HelpWindow *window) {
            shown = window->findChild<QPlainTextEdit *>(QStringLiteral("txt_help"))->toPlainText();
        });
        if (name == QLatin1String("rules.txt"))
            session.board->showRules();
        else
            session.board->showAbout();
        QCOMPARE(help.count, 1);
        if (damage == Damage::Missing || damage == Damage::Empty || damage == Damage::Garbage)
            QVERIFY2(session.messages.isEmpty(), qPrintable(session.messages.texts().join(u'\n')));
        else
            QVERIFY2(namedInOneMessage(session, session.folder.filePath(name)),
                     qPrintable(session.messages.texts().join(u'\n')));
        QCOMPARE(shown.isEmpty(), damage != Damage::Garbage);
        QCOMPARE(session.painted(), InProgress);
        QVERIFY(!damaged.wroteElsewhere());
    }

    // Whatever the saved game holds, the board and the tiles stay in step. A file that holds no
    // game the board can show is refused before anything is touched, with what the file holds.
    void savedGame_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("afterALoad"); // the saved fields hold an earlier load's values
        QTest::addColumn<QString>(
            "outcome"); // "refused: " and what the message says, "silent" or the arrangement it loads
        const QString loads = QStringLiteral("1030:2 1090:4 1010:3 1050:1 1070:2 1020:4 1080:3 1040:1 1060:2");
        const QByteArray good = savedGameFile(loads);
        auto edited = [&good](const char *from, const QByteArray &to) { return QByteArray(good).replace(from, to); };
        QByteArray garbage(2000, '\0');
        for (int i = 0; i < garbage.size(); ++i)
            garbage[i] = char((i * 7919 + 13) % 251);
        QByteArray utf16("\xFF\xFE");
        for (const char c : good)
            utf16.append(c).append('\0');
        QTest::newRow("empty") << QByteArray() << false << "refused: for position 1 it holds no card";
        QTest::newRow("garbage") << garbage << false << "refused: for position 1 it holds no card";
        QTest::newRow("cut in the middle") << good.left(good.size() / 2) << false << "refused: it holds no orientation";
        QTest::newRow("a card that does not exist")
            << edited("Dir 4=1050", "Dir 4=1055") << false << "refused: \"1055\"";
        QTest::newRow("orientation 5") << edited("Tile 6=4", "Tile 6=5") << false << "refused: \"5\"";
        QTest::newRow("a number out of range") << edited("Dir 1=1030", "Dir 1=99999") << false << "refused: \"99999\"";
        QTest::newRow("a negative card") << edited("Dir 1=1030", "Dir 1=-1030") << false << "refused: \"-1030\"";
        QTest::newRow("a negative orientation") << edited("Tile 1=2", "Tile 1=-2") << false << "refused: \"-2\"";
        QTest::newRow("a word for a number") << edited("Tile 2=4", "Tile 2=four") << false << "refused: \"four\"";
        QTest::newRow("NUL bytes") << edited("Dir 5=1070", QByteArray("Dir 5=10\0"
                                                                      "70",
                                                                      11))
                                   << false << "refused: \"10\\x0070\"";
        QTest::newRow("a megabyte line") << QByteArray(1 << 20, 'x') + "\r\n" + good << false << loads;
        QTest::newRow("larger than a saved game can be")
            << QByteArray(5 << 20, '\n') + good << true << "refused: is too large to be a saved game";
        QTest::newRow("path in a value") << edited("Dir 2=1090", "Dir 2=../../etc") << false << "refused: ../../etc";
        QTest::newRow("a folder") << QByteArray("<folder>") << true << "silent";
        QTest::newRow("a pipe") << QByteArray("<pipe>") << true << "silent";
        QTest::newRow("lone CR line ends") << QByteArray(good).replace("\r\n", "\r") << false << loads;
        QTest::newRow("a card twice") << edited("Dir 2=1090", "Dir 2=1030") << false
                                      << "refused: it holds card 1030 for both position 1 and position 2";
        QTest::newRow("a UTF-8 byte-order mark") << "\xEF\xBB\xBF" + good << false << loads;
        QTest::newRow("UTF-16") << utf16 << true << "refused: UTF-16";
    }
    void savedGame()
    {
        QFETCH(QByteArray, contents);
        QFETCH(bool, afterALoad);
        QFETCH(QString, outcome);
        BoardSession session;
        if (afterALoad)
            session.setUpWithGame(InProgress);
        else
            startGameInProgress(session);
        session.clickTile(4);
        const QString path = session.folder.filePath(QStringLiteral("GAME.INI"));
        if (contents == "<folder>")
            QDir().mkpath(path);
        else if (contents == "<pipe>")
            QCOMPARE(::mkfifo(bytesOf(path).constData(), 0600), 0);
        else
            QVERIFY(writeFile(path, contents));

        session.load();
        QVERIFY(!session.board->isBusy());
        if (outcome.startsWith(QLatin1String("refused: "))) {
            QCOMPARE(session.messages.messages.size(), 1);
            QVERIFY2(session.messages.messages[0].text.contains(outcome.mid(9)),
                     qPrintable(session.messages.texts().join(u'\n')));
            QCOMPARE(session.boardNow(), InProgress);
            QCOMPARE(session.paintedMarks(), QStringLiteral("4"));
        } else if (outcome == QLatin1String("silent")) {
            QVERIFY(session.messages.isEmpty());
            QCOMPARE(session.boardNow(), InProgress);
        } else {
            QVERIFY2(session.messages.isEmpty(), qPrintable(session.messages.texts().join(u'\n')));
            QCOMPARE(session.boardNow(), outcome);
            QCOMPARE(session.paintedMarks(), QString());
        }
        QCOMPARE(session.painted(), session.boardNow());
        // Saving still works afterwards and writes the game that is on the board.
        QDir(path).removeRecursively();
        QFile::remove(path);
        session.messages.clear();
        session.board->saveGame();
        QCOMPARE(session.messages.texts(), QStringList{QStringLiteral("Your game has been saved")});
    }

    // A failed save says the saved game is unchanged only when there was one.
    void saveIntoAFolderThatIsGone()
    {
        BoardSession session;
        startGameInProgress(session);
        const QByteArray data = bytesOf(session.folder.path());
        setGameFolders(data, data + "/gone");
        session.board->saveGame();
        QCOMPARE(session.messages.texts(),
                 QStringList{QStringLiteral("Your game could not be saved: the folder \"%1/gone\" does not exist.")
                                 .arg(session.folder.path())});
    }

    // The folder's name is kept as the bytes it is: one that is not UTF-8 still finds its data and
    // its saved game.
    void programFolderNameNotUtf8()
    {
        BoardSession session;
        const QByteArray folder = bytesOf(session.folder.path()) + "/Quintrel \xFF\xFE";
        QCOMPARE(::symlink(".", folder.constData()), 0);
        struct Unlink {
            QByteArray path;
            ~Unlink() { ::unlink(path.constData()); } // Qt cannot name it to remove it
        } unlink{folder};
        setGameFolders(folder, folder);
        QVERIFY(session.folder.write(QStringLiteral("rules.txt"), "Swap and turn."));

        session.setUpAndDeal();
        QVERIFY2(session.messages.isEmpty(), qPrintable(session.messages.texts().join(u'\n')));
        session.clickHandle(1);
        QCOMPARE(session.sounds, QStringList{QStringLiteral("click")});
        QCOMPARE(session.painted(), QStringLiteral("1010:2 1020:1 1030:1 1040:1 1050:1 1060:1 1070:1 1080:1 1090:1"));
        session.board->saveGame();
        QCOMPARE(session.folder.read(QStringLiteral("game.ini")), savedGameFile(session.boardNow()));
        session.newGame();
        session.load();
        QCOMPARE(session.painted(), QStringLiteral("1010:2 1020:1 1030:1 1040:1 1050:1 1060:1 1070:1 1080:1 1090:1"));
        QString shown;
        ModalWatcher<HelpWindow> help([&](HelpWindow *window) {
            shown = window->findChild<QPlainTextEdit *>(QStringLiteral("txt_help"))->toPlainText();
        });
        session.board->showRules();
        QCOMPARE(shown, QStringLiteral("Swap and turn."));
        QCOMPARE(session.messages.texts(), QStringList{QStringLiteral("Your game has been saved")});
    }
};

QTEST_MAIN(tst_DamagedData)
#include "tst_damageddata.moc"
