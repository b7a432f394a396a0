// race.cpp: saves and loads as root in a folder that another user writes at the same time, swapping
// in links, chains of links, files of its own, FIFOs and folders as fast as it can, while it reads
// every file there for a secret of the player's. Prints what leaked (none may), how many saves and
// loads were told truly, and whether any file of the player's became a program.
//
// Usage (as root): race [SAVES]   (tools/race/run.sh builds and runs it)
#include "savegame/savedgame.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>

#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace quintrel;

namespace {

constexpr uid_t Other = 65534;
constexpr gid_t OtherGroup = 65534;
const QByteArray Root = "/dev/shm/quintrel-race";
const QByteArray Shared = Root + "/shared";      // 0777: the other user writes here too
const QByteArray Private = Root + "/private";    // 0700: the player's alone
const QByteArray Notes = Private + "/notes";     // 0644 inside a 0700 folder
const QByteArray Secret = Root + "/secret";      // 0600
const QByteArray Marker = "MARKER-5f3a9c";

bool writeWhole(const QByteArray &path, const QByteArray &bytes, mode_t mode)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW, mode);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
    ::fchmod(fd, mode);
    ::close(fd);
    return written;
}

QByteArray readNoFollow(const QByteArray &path)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0)
        return {};
    struct stat info {};
    QByteArray bytes;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        char buffer[65536];
        ssize_t count;
        while ((count = ::read(fd, buffer, sizeof buffer)) > 0 && bytes.size() < (8 << 20))
            bytes.append(buffer, count);
    }
    ::close(fd);
    return bytes;
}

QList<QByteArray> entries()
{
    QList<QByteArray> names;
    for (const QString &name : QDir(QString::fromLocal8Bit(Shared))
                                   .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot))
        names << Shared + '/' + QFile::encodeName(name);
    return names;
}

// The other user: swaps things in under the saved game's names, and reads everything it can.
[[noreturn]] void otherUser(int report)
{
    if (::setgroups(0, nullptr) != 0 || ::setgid(OtherGroup) != 0 || ::setuid(Other) != 0)
        std::_Exit(100);
    QRandomGenerator random(4242);
    const QByteArray names[] = {"game.ini", "GAME.INI", "Game.Ini"};
    const QByteArray planted = Shared + "/.planted";
    const QByteArray relay = Shared + "/.relay";
    long sightings = 0, swaps = 0;
    ::signal(SIGTERM, SIG_DFL);
    for (;;) {
        const QByteArray name = Shared + '/' + names[random.bounded(3)];
        // Each swap is a rename over the name, so it happens in one step, as an attacker's would.
        ::unlink(planted.constData());
        switch (random.bounded(10)) {
        case 0: // a link to the player's readable file in a private folder
            ::symlink(Notes.constData(), planted.constData());
            break;
        case 1: // a link to the player's private file
            ::symlink(Secret.constData(), planted.constData());
            break;
        case 2: // a chain: the other user's relay to the player's file
            ::unlink(relay.constData());
            ::symlink(Notes.constData(), relay.constData());
            ::symlink(".relay", planted.constData());
            break;
        case 3: // a file of its own, made a program
            writeWhole(planted, "#!/bin/sh\nid\n", 04755);
            break;
        case 4: // a saved game of its own
            writeWhole(planted, "[Tile]\nDir 1=1090\nDir 9=1010\n; theirs\n", 0666);
            break;
        case 5:
            ::mkfifo(planted.constData(), 0666);
            break;
        case 6:
            ::mkdir(planted.constData(), 0777);
            break;
        case 7:
            ::symlink("/dev/zero", planted.constData());
            break;
        case 8: // a link of its own to the player's own chain
            ::symlink("GAME.INI", planted.constData());
            break;
        default:
            ::unlink(name.constData());
            break;
        }
        // A folder it put there before goes first: nothing can be renamed over a folder.
        ::rmdir(name.constData());
        if (::rename(planted.constData(), name.constData()) == 0)
            ++swaps;
        else
            ::rmdir(planted.constData());
        for (const QByteArray &path : entries()) {
            if (readNoFollow(path).contains(Marker))
                ++sightings;
        }
        const long counts[2] = {sightings, swaps};
        ::pwrite(report, counts, sizeof counts, 0);
    }
}

Board randomBoard(QRandomGenerator &random)
{
    Board board;
    std::array<int, PositionCount> cards{};
    for (int p = 0; p < PositionCount; ++p)
        cards[size_t(p)] = startCard(p + 1);
    for (int p = PositionCount - 1; p > 0; --p)
        std::swap(cards[size_t(p)], cards[size_t(random.bounded(p + 1))]);
    for (int p = 1; p <= PositionCount; ++p) {
        board[p].card = int16_t(cards[size_t(p - 1)]);
        board[p].orientation = int16_t(1 + random.bounded(OrientationCount));
    }
    return board;
}

} // namespace

int main(int argc, char *argv[])
{
    if (::geteuid() != 0) {
        std::fprintf(stderr, "race: run me as root: the other user is %u\n", unsigned(Other));
        return 2;
    }
    const long saves = argc > 1 ? std::atol(argv[1]) : 10000;
    std::system(("rm -rf " + Root).constData());
    ::umask(022);
    if (::mkdir(Root.constData(), 0755) != 0 || ::mkdir(Shared.constData(), 0777) != 0
        || ::chmod(Shared.constData(), 0777) != 0 || ::mkdir(Private.constData(), 0700) != 0
        || !writeWhole(Notes, "notes " + Marker + "\n", 0644) || !writeWhole(Secret, "secret " + Marker + "\n", 0600)) {
        std::perror("race: setting up");
        return 2;
    }
    char reportName[] = "/dev/shm/quintrel-race-report-XXXXXX";
    const int report = ::mkstemp(reportName);
    ::fchmod(report, 0666);
    ::unlink(reportName);
    const pid_t other = ::fork();
    if (other == 0)
        otherUser(report);

    QRandomGenerator random(7);
    long saved = 0, savedAndThere = 0, failedAndNamed = 0, untold = 0;
    long loaded = 0, noGame = 0, refusedAndTold = 0, programs = 0, leakedInFolder = 0;
    Board earlier;
    std::map<QString, long> reasons;
    for (long i = 0; i < saves; ++i) {
        // The player's own chain, now and then: GAME.INI -> game.ini.
        if (i % 5 == 0) {
            ::unlink((Shared + "/GAME.INI").constData());
            ::rmdir((Shared + "/GAME.INI").constData());
            ::symlink("game.ini", (Shared + "/GAME.INI").constData());
        }
        const Board board = randomBoard(random);
        const SaveOutcome save = saveBoard(Shared, board);
        if (save.status == SaveOutcome::Status::Saved) {
            ++saved;
            if (readSavedGameBytes(readNoFollow(save.path), {}).arrangement == board)
                ++savedAndThere;
        } else if (!save.reason.isEmpty() && save.reason.contains(QString::fromLocal8Bit(Shared))) {
            ++failedAndNamed;
            ++reasons[QString(save.reason).replace(QString::fromLocal8Bit(Shared), QStringLiteral("F"))];
        } else {
            ++untold;
            std::fprintf(stderr, "untold save: \"%s\"\n", qPrintable(save.reason));
        }
        const LoadOutcome load = readSavedGame(Shared, earlier);
        if (load.status == LoadOutcome::Status::Loaded) {
            ++loaded;
            earlier = load.arrangement;
        } else if (load.status == LoadOutcome::Status::NoSavedGame) {
            ++noGame;
        } else if (!load.reason.isEmpty()) {
            ++refusedAndTold;
        } else {
            ++untold;
        }
        for (const QByteArray &path : entries()) {
            struct stat info {};
            if (::lstat(path.constData(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != 0)
                continue;
            if (info.st_mode & 07111)
                ++programs;
            if (readNoFollow(path).contains(Marker))
                ++leakedInFolder;
        }
    }
    ::kill(other, SIGTERM);
    ::waitpid(other, nullptr, 0);
    long counts[2] = {0, 0};
    ::pread(report, counts, sizeof counts, 0);
    std::system(("rm -rf " + Root).constData());

    std::printf("saves: %ld; saved %ld (%ld of them found in place right after, the rest replaced by the other "
                "user meanwhile); failed with a message that names the folder or the file: %ld\n",
                saves, saved, savedAndThere, failedAndNamed);
    std::printf("loads: %ld; loaded %ld, no saved game %ld, refused with a message %ld\n", saves, loaded, noGame,
                refusedAndTold);
    for (const auto &[reason, count] : reasons)
        std::printf("  %6ld x %s\n", count, qPrintable(reason));
    std::printf("swaps by the other user: %ld\n", counts[1]);
    std::printf("told truly: %ld of %ld saves and loads (untold or silent: %ld)\n", 2 * saves - untold, 2 * saves,
                untold);
    std::printf("leaked: the other user read the player's secret %ld times; files of the player's holding it in "
                "the shared folder: %ld; files of the player's with a set-ID or execute bit: %ld\n",
                counts[0], leakedInFolder, programs);
    return counts[0] == 0 && leakedInFolder == 0 && programs == 0 && untold == 0 ? 0 : 1;
}
