// tst_damageddata.cpp: missing, empty and corrupted data files beside the program, each met while a
// game is in progress. Nothing may crash, the game in progress is never lost, and the player is
// told about a file where the player has to know.
#include "boardsession.h"
#include "windows/exampleviewer.h"
#include "windows/helpwindow.h"
#include "windows/winwindow.h"

#include <QPlainTextEdit>

using namespace quintrel;
using namespace quintrel::testing;

namespace {

enum class Damage { Missing, Empty, Garbage, Truncated, Folder };

const char *damageName(Damage damage)
{
    const char *names[] = {"missing", "empty", "garbage", "truncated", "a folder"};
    return names[int(damage)];
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
        }
    }
    ~DamagedFile()
    {
        QDir(m_path).removeRecursively();
        QFile::remove(m_path);
        writeFile(m_path, m_original);
    }

private:
    QString m_path;
    QByteArray m_original;
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

const std::initializer_list<Damage> EveryDamage = {Damage::Missing, Damage::Empty, Damage::Garbage, Damage::Truncated,
                                                   Damage::Folder};

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
    void cardPicture_data() { addDamageRows({QStringLiteral("1050/2.gif"), QStringLiteral("1010/4.gif")}, EveryDamage); }
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
            session.board->loadSavedGame();
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
        const QString OneTurnFromSolution1 =
            QStringLiteral("1050:3 1090:2 1070:3 1080:4 1010:2 1040:2 1030:3 1060:4 1020:1");
        session.setUpWithGame(OneTurnFromSolution1);
        QVERIFY(session.messages.isEmpty());
        session.clickTile(2);
        session.clickTile(7);
        session.clickTile(7);
        session.clickTile(2);
        ModalWatcher<WinWindow> wins;
        session.clickHandle(5);
        QCOMPARE(wins.count, 1);
        QCOMPARE(session.sounds.size(), 3);
        QVERIFY2(session.messages.isEmpty(), qPrintable(session.messages.texts().join(u'\n')));
        QCOMPARE(session.painted(), Solution1Text);
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
        QVERIFY2(namedInOneMessage(session, session.folder.filePath(name)), qPrintable(session.messages.texts().join(u'\n')));
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
        QVERIFY2(namedInOneMessage(session, session.folder.filePath(name)), qPrintable(session.messages.texts().join(u'\n')));
        QCOMPARE(session.painted(), InProgress);
    }

    // The help window opens whatever its documents are; one that cannot be read at all is named.
    void helpText_data()
    {
        addDamageRows({QStringLiteral("rules.txt"), QStringLiteral("ombrel.txt")},
                      {Damage::Missing, Damage::Empty, Damage::Garbage, Damage::Folder});
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
        if (damage == Damage::Folder)
            QVERIFY2(namedInOneMessage(session, session.folder.filePath(name)), qPrintable(session.messages.texts().join(u'\n')));
        else
            QVERIFY2(session.messages.isEmpty(), qPrintable(session.messages.texts().join(u'\n')));
        QCOMPARE(shown.isEmpty(), damage != Damage::Garbage);
        QCOMPARE(session.painted(), InProgress);
    }

    // Whatever the saved game holds, the board and the tiles stay in step; a file that names no
    // card picture is refused with a message before anything is touched.
    void savedGame_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("outcome"); // "refused", "silent" or the arrangement it loads
        const QString loads = QStringLiteral("1030:2 1090:4 1010:3 1050:1 1070:2 1020:4 1080:3 1040:1 1060:2");
        const QByteArray good = savedGameFile(loads);
        QByteArray garbage(2000, '\0');
        for (int i = 0; i < garbage.size(); ++i)
            garbage[i] = char((i * 7919 + 13) % 251);
        QTest::newRow("empty") << QByteArray() << "refused";
        QTest::newRow("garbage") << garbage << "refused";
        QTest::newRow("cut in the middle") << good.left(good.size() / 2) << "refused";
        QTest::newRow("a card that does not exist") << QByteArray(good).replace("Dir 4=1050", "Dir 4=1055") << "refused";
        QTest::newRow("orientation 5") << QByteArray(good).replace("Tile 6=4", "Tile 6=5") << "refused";
        QTest::newRow("a number out of range") << QByteArray(good).replace("Dir 1=1030", "Dir 1=99999") << "refused";
        // The picture path writes numbers without their sign, so this shows card 1030's picture
        // while the cell holds -1030: loaded as read, and a game that can no longer be won.
        QTest::newRow("a negative card") << QByteArray(good).replace("Dir 1=1030", "Dir 1=-1030")
                                         << "-1030:2 1090:4 1010:3 1050:1 1070:2 1020:4 1080:3 1040:1 1060:2";
        QTest::newRow("a word for a number") << QByteArray(good).replace("Tile 2=4", "Tile 2=four") << "refused";
        QTest::newRow("NUL bytes") << QByteArray(good).replace("Dir 5=1070", QByteArray("Dir 5=10\0" "70", 10))
                                   << "refused";
        QTest::newRow("a megabyte line") << QByteArray(1 << 20, 'x') + "\r\n" + good << loads;
        QTest::newRow("larger than a saved game can be") << QByteArray(5 << 20, '\n') + good << "refused";
        QTest::newRow("path in a value") << QByteArray(good).replace("Dir 2=1090", "Dir 2=../../etc") << "refused";
        QTest::newRow("a folder") << QByteArray("<folder>") << "silent";
        QTest::newRow("lone CR line ends") << QByteArray(good).replace("\r\n", "\r") << loads;
        QTest::newRow("a card twice") << QByteArray(good).replace("Dir 2=1090", "Dir 2=1030")
                                      << "1030:2 1030:4 1010:3 1050:1 1070:2 1020:4 1080:3 1040:1 1060:2";
    }
    void savedGame()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, outcome);
        BoardSession session;
        startGameInProgress(session);
        session.clickTile(4);
        const QString path = session.folder.filePath(QStringLiteral("GAME.INI"));
        if (contents == "<folder>")
            QDir().mkpath(path);
        else
            QVERIFY(writeFile(path, contents));

        session.board->loadSavedGame();
        QVERIFY(!session.board->isBusy());
        if (outcome == QLatin1String("refused")) {
            QCOMPARE(session.messages.messages.size(), 1);
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
};

QTEST_MAIN(tst_DamagedData)
#include "tst_damageddata.moc"
