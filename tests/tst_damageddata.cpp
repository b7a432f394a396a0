// Missing, empty and corrupted data files beside the program: every card picture, every sound,
// the icon, the example picture, the help texts and the saved game, each damaged in turn while a
// game is in progress. Nothing may crash, the game in progress is never lost, and the player is
// told about a file where the player has to know.
#include "boardfixture.h"

#include "app/services.h"
#include "app/winwindow.h"
#include "game/solutions.h"
#include "windows/help/helpwindows.h"

#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>

#include <cstdlib>

using namespace quintrel;
using namespace quintrel::testing;

namespace {

enum class Damage { Missing, Empty, Garbage, Truncated, Folder };

QString damageName(Damage damage)
{
    switch (damage) {
    case Damage::Missing: return QStringLiteral("missing");
    case Damage::Empty: return QStringLiteral("empty");
    case Damage::Garbage: return QStringLiteral("garbage");
    case Damage::Truncated: return QStringLiteral("truncated");
    case Damage::Folder: return QStringLiteral("a folder");
    }
    return {};
}

// Damages one file of the program folder and keeps what it held, to put it back afterwards.
class DamagedFile {
public:
    DamagedFile(const ProgramFolderFixture &folder, const QString &name, Damage damage)
        : m_folder(folder)
        , m_name(name)
        , m_original(folder.readFile(name))
    {
        const QString path = folder.filePath(name);
        QFile::remove(path);
        switch (damage) {
        case Damage::Missing:
            break;
        case Damage::Empty:
            folder.writeFile(name, {});
            break;
        case Damage::Garbage: {
            QByteArray bytes(3000, '\0');
            quint32 x = 0x9e3779b9u;
            for (char &c : bytes) {
                x = x * 1664525u + 1013904223u;
                c = char(x >> 24);
            }
            folder.writeFile(name, bytes);
            break;
        }
        case Damage::Truncated:
            // The file's own start, cut off: a header that promises what never comes.
            folder.writeFile(name, m_original.left(qMax<qsizetype>(16, m_original.size() / 20)));
            break;
        case Damage::Folder:
            QDir().mkpath(path);
            break;
        }
    }
    ~DamagedFile()
    {
        const QString path = m_folder.filePath(m_name);
        QDir(path).removeRecursively();
        QFile::remove(path);
        m_folder.writeFile(m_name, m_original);
    }

private:
    const ProgramFolderFixture &m_folder;
    QString m_name;
    QByteArray m_original;
};

// Closes the modal windows that open (the win window, the help window, the example viewer) once
// they are shown, and remembers what the help window's text box held.
class ModalCloser : public QObject {
public:
    ModalCloser()
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            ++closed;
            names << dialog->objectName();
            if (auto *text = dialog->findChild<QPlainTextEdit *>(QStringLiteral("txt_help")))
                helpText = text->toPlainText();
            dialog->done(QDialog::Accepted);
        });
        m_timer.start();
    }
    int closed = 0;
    QStringList names;
    QString helpText;

private:
    QTimer m_timer;
};

QString arrangement()
{
    QStringList words;
    for (int p = 1; p <= PositionCount; ++p)
        words << QStringLiteral("%1:%2").arg(Board[p].card).arg(Board[p].orientation);
    return words.join(u' ');
}

int positionOfCard(int card)
{
    for (int p = 1; p <= PositionCount; ++p) {
        if (Board[p].card == card)
            return p;
    }
    return 0;
}

QByteArray savedGameText(const QString &words)
{
    const QStringList items = words.split(u' ');
    QByteArray text = "[Tile]\r\n";
    for (int p = 1; p <= PositionCount; ++p)
        text += QStringLiteral("Dir %1=%2\r\n").arg(p).arg(items[p - 1].section(u':', 0, 0)).toLatin1();
    text += "[Spin]\r\n";
    for (int p = 1; p <= PositionCount; ++p)
        text += QStringLiteral("Tile %1=%2\r\n").arg(p).arg(items[p - 1].section(u':', 1, 1)).toLatin1();
    return text;
}

} // namespace

class tst_DamagedData : public QObject, private BoardSession {
    Q_OBJECT

private:
    // A fresh board window, dealt, with the loaded fields as after a fresh start.
    void startGame()
    {
        ResetGameState();
        QVERIFY(loadBoard());
        m_board->NewGame();
        QVERIFY(tilesMatchCells(*m_board));
    }

    bool namedInOneMessage(const QString &path) const
    {
        const QString native = QDir::toNativeSeparators(path);
        return m_messages.size() == 1 && (m_messages[0].text.contains(path) || m_messages[0].text.contains(native));
    }

private slots:
    void initTestCase()
    {
        begin();
        startGame();
        // A game in progress, not the start position.
        clickTile(board(), 1);
        clickTile(board(), 6);
        clickHandle(board(), 4);
        QVERIFY(tilesMatchCells(board()));
    }

    void cleanupTestCase() { end(); }

    void init()
    {
        m_messages.clear();
        snipSound.clear();
        clickSound.clear();
    }

    // Each of the 36 card pictures damaged in turn, met by a turn and by a saved game: the player
    // is told which file it is, and the game goes on from where it was.
    void damagedCardPicture_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<Damage>("damage");
        for (int card = FirstCard; card <= LastCard; card += 10) {
            for (int orientation = 1; orientation <= 4; ++orientation) {
                for (Damage damage : {Damage::Missing, Damage::Empty, Damage::Garbage, Damage::Truncated})
                    QTest::addRow("%d/%d.gif %s", card, orientation, qPrintable(damageName(damage)))
                        << card << orientation << damage;
            }
        }
    }
    void damagedCardPicture()
    {
        QFETCH(int, card);
        QFETCH(int, orientation);
        QFETCH(Damage, damage);
        QVERIFY(tilesMatchCells(board()));
        const QString name = QStringLiteral("%1/%2.gif").arg(card).arg(orientation);
        const QString path = m_folder->filePath(name);
        const int p = positionOfCard(card);
        QVERIFY(p != 0);
        {
            DamagedFile damaged(*m_folder, name, damage);

            // A saved game that needs the picture is refused whole, with its name; nothing changes.
            const QString before = arrangement();
            QStringList wanted = before.split(u' ');
            wanted[p - 1] = QStringLiteral("%1:%2").arg(card).arg(orientation);
            m_folder->writeFile(QStringLiteral("game.ini"), savedGameText(wanted.join(u' ')));
            board().mnu_load_Click();
            QVERIFY(!board().isBusy());
            QVERIFY2(namedInOneMessage(path), qPrintable(m_messages.value(0).text));
            QCOMPARE(arrangement(), before);
            QVERIFY(tilesMatchCells(board()));
            m_messages.clear();

            // Turning the card into that orientation: the turn happens, the tile stays empty and
            // the player is told which picture is at fault.
            while (Board[p].orientation != orientation)
                clickHandle(board(), p);
            if (m_messages.isEmpty()) { // it already lay so: once round
                for (int turn = 0; turn < 4; ++turn)
                    clickHandle(board(), p);
            }
            QCOMPARE(Board[p].orientation, int16_t(orientation));
            QCOMPARE(Board[p].card, int16_t(card));
            QVERIFY2(namedInOneMessage(path), qPrintable(m_messages.value(0).text));
            QVERIFY(board().tile(p)->picture().isNull());
            QCOMPARE(markedTiles(board()), 0);
        }
        // With the file back, one more round of turns shows the card again: nothing was lost.
        m_messages.clear();
        for (int turn = 0; turn < 4; ++turn)
            clickHandle(board(), p);
        QVERIFY(m_messages.isEmpty());
        QVERIFY(tilesMatchCells(board()));
    }

    // A damaged picture in the middle of a deal: named, and the rest of the deal goes on.
    void damagedPictureDuringTheDeal_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<Damage>("damage");
        QTest::newRow("first card missing") << 1 << Damage::Missing;
        QTest::newRow("middle card garbage") << 5 << Damage::Garbage;
        QTest::newRow("last card truncated") << 9 << Damage::Truncated;
        QTest::newRow("a folder in place of a card") << 6 << Damage::Folder;
    }
    void damagedPictureDuringTheDeal()
    {
        QFETCH(int, position);
        QFETCH(Damage, damage);
        const int card = StartCard(position);
        const QString name = QStringLiteral("%1/1.gif").arg(card);
        {
            DamagedFile damaged(*m_folder, name, damage);
            board().mnu_new_Click();
            QVERIFY(!board().isBusy());
            QVERIFY2(namedInOneMessage(m_folder->filePath(name)), qPrintable(m_messages.value(0).text));
            for (int p = 1; p <= PositionCount; ++p) {
                QCOMPARE(Board[p].card, StartCard(p));
                if (p == position)
                    QVERIFY(board().tile(p)->picture().isNull());
                else
                    QVERIFY2(tileShows(board().tile(p), StartCard(p), 1), qPrintable(QString::number(p)));
            }
            // The game is playable around the empty tile.
            const int first = position == 1 ? 2 : 1;
            const int second = position == 9 ? 8 : 9;
            clickTile(board(), first);
            clickTile(board(), second);
            QCOMPARE(Board[first].card, StartCard(second));
            QVERIFY(tileShows(board().tile(first), StartCard(second), 1));
            QCOMPARE(markedTiles(board()), 0);
        }
        m_messages.clear();
        for (int turn = 0; turn < 4; ++turn)
            clickHandle(board(), positionOfCard(card));
        QVERIFY(tilesMatchCells(board()));
        QVERIFY(m_messages.isEmpty());
    }

    // Sounds: a damaged sound is silence, never a message, and the game plays on.
    void damagedSound_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Damage>("damage");
        for (const char *file : {"SOUND/SNIP1.WAV", "SOUND/CLICK.WAV", "SOUND/APPLAUS.WAV"}) {
            for (Damage damage : {Damage::Missing, Damage::Empty, Damage::Garbage, Damage::Truncated, Damage::Folder})
                QTest::addRow("%s %s", file, qPrintable(damageName(damage))) << QString::fromLatin1(file) << damage;
        }
    }
    void damagedSound()
    {
        QFETCH(QString, name);
        QFETCH(Damage, damage);
        if (!m_folder->readFile(name).size())
            m_folder->writeFile(name, waveImage(22050, 0x12));
        DamagedFile damaged(*m_folder, name, damage);
        // The sounds are read when a board window loads; the board in play then plays them.
        frm_brd window;
        QVERIFY(window.Form_Load());
        QVERIFY(m_messages.isEmpty());
        if (name.endsWith(QStringLiteral("SNIP1.WAV")))
            QVERIFY(damage == Damage::Garbage || damage == Damage::Truncated ? !snipSound.isEmpty() : snipSound.isEmpty());
        if (name.endsWith(QStringLiteral("CLICK.WAV")))
            QVERIFY(damage == Damage::Garbage || damage == Damage::Truncated ? !clickSound.isEmpty() : clickSound.isEmpty());

        QSignalSpy sounds(&board(), &frm_brd::soundPlayed);
        clickTile(board(), 2);
        clickTile(board(), 7);
        clickHandle(board(), 3);
        QCOMPARE(sounds.size(), 2);
        QVERIFY(tilesMatchCells(board()));
        QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.value(0).text));
        if (!name.endsWith(QStringLiteral("APPLAUS.WAV")))
            return;

        // The applause: a win from a saved game one turn from the first solution.
        ModalCloser closer;
        const Arrangement &solution = Solutions[0];
        QStringList words;
        for (int p = 1; p <= PositionCount; ++p)
            words << QStringLiteral("%1:%2").arg(solution[p - 1].card)
                         .arg(p == 8 ? (solution[p - 1].orientation + 2) % 4 + 1 : solution[p - 1].orientation);
        m_folder->writeFile(QStringLiteral("game.ini"), savedGameText(words.join(u' ')));
        board().mnu_load_Click();
        QTRY_VERIFY(!board().isBusy());
        QVERIFY(tilesMatchCells(board()));
        clickHandle(board(), 8);
        QCOMPARE(gameWon, True16);
        QTRY_COMPARE(closer.closed, 1);
        QCOMPARE(closer.names.value(0), QStringLiteral("frm_win"));
        QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.value(0).text));
        QCOMPARE(sounds.size(), 2 + PositionCount + 1);
        // Back to a game in progress for the rows after this one.
        board().mnu_new_Click();
        clickHandle(board(), 5);
        QVERIFY(tilesMatchCells(board()));
    }

    // The icon: the program cannot start without it, and says which file it is.
    void damagedIcon_data()
    {
        QTest::addColumn<Damage>("damage");
        for (Damage damage : {Damage::Missing, Damage::Empty, Damage::Garbage, Damage::Truncated, Damage::Folder})
            QTest::newRow(qPrintable(damageName(damage))) << damage;
    }
    void damagedIcon()
    {
        QFETCH(Damage, damage);
        const QString name = QStringLiteral("SOUND/QUINTREL.ICO");
        DamagedFile damaged(*m_folder, name, damage);
        frm_brd window;
        QVERIFY(!window.Form_Load());
        QCOMPARE(window.exitCode(), 1);
        QVERIFY2(namedInOneMessage(m_folder->filePath(name)), qPrintable(m_messages.value(0).text));
        QVERIFY(tilesMatchCells(board()));
    }

    // The example picture: the viewer names it and does not open; the board is unchanged.
    void damagedExamplePicture_data()
    {
        QTest::addColumn<Damage>("damage");
        for (Damage damage : {Damage::Missing, Damage::Empty, Damage::Garbage, Damage::Truncated, Damage::Folder})
            QTest::newRow(qPrintable(damageName(damage))) << damage;
    }
    void damagedExamplePicture()
    {
        QFETCH(Damage, damage);
        const QString name = QStringLiteral("SOUND/example.gif");
        {
            QImage picture(400, 900, QImage::Format_RGB32);
            picture.fill(Qt::darkCyan);
            picture.save(m_folder->filePath(name), "PNG"); // the reader goes by the contents
        }
        DamagedFile damaged(*m_folder, name, damage);
        const QString before = arrangement();
        ModalCloser closer;
        board().mnu_example_Click();
        QCOMPARE(closer.closed, 0);
        QVERIFY2(namedInOneMessage(m_folder->filePath(name)), qPrintable(m_messages.value(0).text));
        QCOMPARE(arrangement(), before);
        QVERIFY(tilesMatchCells(board()));
    }

    // The help texts: the window still opens; a text that cannot be read at all is named.
    void damagedHelpText_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Damage>("damage");
        QTest::addColumn<bool>("named");
        for (const char *file : {"rules.txt", "ombrel.txt"}) {
            QTest::addRow("%s missing", file) << QString::fromLatin1(file) << Damage::Missing << false;
            QTest::addRow("%s empty", file) << QString::fromLatin1(file) << Damage::Empty << false;
            QTest::addRow("%s garbage", file) << QString::fromLatin1(file) << Damage::Garbage << false;
            QTest::addRow("%s a folder", file) << QString::fromLatin1(file) << Damage::Folder << true;
        }
    }
    void damagedHelpText()
    {
        QFETCH(QString, name);
        QFETCH(Damage, damage);
        QFETCH(bool, named);
        m_folder->writeFile(name, "Some help.\r\n");
        DamagedFile damaged(*m_folder, name, damage);
        const QString before = arrangement();
        ModalCloser closer;
        if (name == QStringLiteral("rules.txt"))
            board().mnu_rules_Click();
        else
            board().mnu_about_Click();
        QCOMPARE(closer.closed, 1);
        QCOMPARE(closer.names.value(0), QStringLiteral("frm_help"));
        if (named)
            QVERIFY2(namedInOneMessage(m_folder->filePath(name)), qPrintable(m_messages.value(0).text));
        else
            QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.value(0).text));
        if (damage == Damage::Garbage)
            QVERIFY(!closer.helpText.isEmpty());
        else
            QVERIFY(closer.helpText.isEmpty());
        QCOMPARE(arrangement(), before);
        QVERIFY(tilesMatchCells(board()));
    }

    // The saved game: whatever the file holds, the board and the tiles stay in step; a file that
    // names no card picture is refused with a message and the game in progress stays.
    void damagedSavedGame_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("outcome"); // "refused", "silent" or the arrangement it loads
        const QByteArray good = savedGameText(QStringLiteral("1030:2 1090:4 1010:3 1050:1 1070:2 1020:4 1080:3 1040:1 1060:2"));
        QByteArray garbage(2000, '\0');
        for (int i = 0; i < garbage.size(); ++i)
            garbage[i] = char((i * 7919 + 13) % 251);
        QTest::newRow("empty") << QByteArray() << "refused";
        QTest::newRow("garbage") << garbage << "refused";
        QTest::newRow("cut in the middle") << good.left(good.size() / 2) << "refused";
        QTest::newRow("a card that does not exist")
            << QByteArray(good).replace("Dir 4=1050", "Dir 4=1055") << "refused";
        QTest::newRow("orientation 5") << QByteArray(good).replace("Tile 6=4", "Tile 6=5") << "refused";
        QTest::newRow("a number out of range") << QByteArray(good).replace("Dir 1=1030", "Dir 1=99999") << "refused";
        // The picture path writes numbers without their sign, so this shows card 1030's picture
        // while the cell holds -1030: loaded as read, and a game that can no longer be won.
        QTest::newRow("a negative card")
            << QByteArray(good).replace("Dir 1=1030", "Dir 1=-1030") << "-1030:2 1090:4 1010:3 1050:1 1070:2 1020:4 1080:3 1040:1 1060:2";
        QTest::newRow("a word for a number") << QByteArray(good).replace("Tile 2=4", "Tile 2=four") << "refused";
        QTest::newRow("NUL bytes") << QByteArray(good).replace("Dir 5=1070", QByteArray("Dir 5=10\0" "70", 10)) << "refused";
        QTest::newRow("a megabyte line")
            << QByteArray(1 << 20, 'x') + "\r\n" + good << "1030:2 1090:4 1010:3 1050:1 1070:2 1020:4 1080:3 1040:1 1060:2";
        QTest::newRow("larger than a saved game can be") << QByteArray(5 << 20, '\n') + good << "refused";
        QTest::newRow("path in a value") << QByteArray(good).replace("Dir 2=1090", "Dir 2=../../etc") << "refused";
        QTest::newRow("a folder") << QByteArray("<folder>") << "silent";
        QTest::newRow("lone CR line ends")
            << QByteArray(good).replace("\r\n", "\r") << "1030:2 1090:4 1010:3 1050:1 1070:2 1020:4 1080:3 1040:1 1060:2";
        QTest::newRow("a card twice")
            << QByteArray(good).replace("Dir 2=1090", "Dir 2=1030") << "1030:2 1030:4 1010:3 1050:1 1070:2 1020:4 1080:3 1040:1 1060:2";
    }
    void damagedSavedGame()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, outcome);
        // As after a fresh start: no values of an earlier load to fall back on.
        for (int p = 1; p <= PositionCount; ++p) {
            Board[p].savedCard = 0;
            Board[p].savedOrientation = 0;
        }
        clickTile(board(), 4); // a selection in progress
        const QString before = arrangement();
        const QString path = m_folder->filePath(QStringLiteral("GAME.INI"));
        QFile::remove(m_folder->filePath(QStringLiteral("game.ini")));
        if (contents == "<folder>")
            QDir().mkpath(path);
        else
            m_folder->writeFile(QStringLiteral("GAME.INI"), contents);

        board().mnu_load_Click();
        QTRY_VERIFY(!board().isBusy());
        if (outcome == QStringLiteral("refused")) {
            QCOMPARE(m_messages.size(), 1);
            QCOMPARE(arrangement(), before);
            QCOMPARE(markedTiles(board()), 1); // refused before anything was touched
        } else if (outcome == QStringLiteral("silent")) {
            QVERIFY(m_messages.isEmpty());
            QCOMPARE(arrangement(), before);
        } else {
            QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.value(0).text));
            QCOMPARE(arrangement(), outcome);
            QCOMPARE(markedTiles(board()), 0);
            for (int p = 1; p <= PositionCount; ++p)
                QVERIFY(tileShows(board().tile(p), std::abs(Board[p].card), Board[p].orientation));
            // Back to a game of nine different cards for the rows after this one.
            board().mnu_new_Click();
        }
        QVERIFY(tilesMatchCells(board()));
        if (markedTiles(board()) == 1)
            clickTile(board(), 4);
        QCOMPARE(tileSelected, int16_t(0));
        QDir(path).removeRecursively();
        QFile::remove(path);
        // Saving still works afterwards and writes the game that is on the board.
        m_messages.clear();
        board().mnu_save_Click();
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages[0].text, QStringLiteral("Your game has been saved"));
    }
};

QTEST_MAIN(tst_DamagedData)
#include "tst_damageddata.moc"
