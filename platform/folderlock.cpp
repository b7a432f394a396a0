// folderlock.cpp: a folder's lock, waited for a bounded time.
#include "platform/folderlock.h"

#include "platform/gamefolders.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>

#include <cerrno>
#include <optional>
#include <thread>

#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace quintrel {

namespace {

constexpr auto LockRetry = std::chrono::milliseconds(10);

// The program that holds a lock on the folder, as the system lists its locks: the process's number
// and its name, or nothing when no holder is listed (a lock taken over a network file system).
struct Holder {
    long pid = 0;
    QByteArray name;
};

std::optional<Holder> lockHolder(int folder)
{
    struct stat info {};
    if (::fstat(folder, &info) != 0)
        return std::nullopt;
    // "1: FLOCK  ADVISORY  WRITE 1234 08:01:5678 0 EOF": the holder's number, then the device (its
    // major and minor numbers in hex) and the inode of what is locked.
    const QByteArray wanted = QByteArray::number(major(info.st_dev), 16).rightJustified(2, '0') + ':'
                              + QByteArray::number(minor(info.st_dev), 16).rightJustified(2, '0') + ':'
                              + QByteArray::number(quint64(info.st_ino));
    QFile locks(QStringLiteral("/proc/locks"));
    if (!locks.open(QIODevice::ReadOnly))
        return std::nullopt;
    for (const QByteArray &line : locks.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        const qsizetype at = fields.indexOf(wanted);
        if (fields.size() < 6 || fields.value(1) != "FLOCK" || at < 1)
            continue;
        Holder holder;
        holder.pid = fields[at - 1].toLong();
        QFile comm(QStringLiteral("/proc/%1/comm").arg(holder.pid));
        if (comm.open(QIODevice::ReadOnly))
            holder.name = comm.readAll().trimmed();
        return holder;
    }
    return std::nullopt;
}

// Why the lock could not be had within the wait, fit to follow "Your game could not be saved: ".
QString busyProblem(const QByteArray &folder, int folderDescriptor, std::chrono::milliseconds wait)
{
    const QString shown = displayPath(folder);
    const std::optional<Holder> holder = lockHolder(folderDescriptor);
    if (holder && !holder->name.isEmpty() && holder->name != QuintrelProcessName) {
        return QCoreApplication::translate("quintrel::FolderLock",
                                           "the folder \"%1\" is locked by another program, \"%2\" (process %3), "
                                           "which is not Quintrel")
            .arg(shown, QString::fromLocal8Bit(holder->name), QString::number(holder->pid));
    }
    // The plural form follows the whole seconds (none for half a second: "0.5 seconds" in English,
    // "0,5 seconde" in French), the number is written as the player's language writes it.
    const double seconds = double(wait.count()) / 1000;
    return QCoreApplication::translate("quintrel::FolderLock",
                                       "another save into the folder \"%1\" was still going on after %2 seconds",
                                       nullptr, int(seconds))
        .arg(shown, QLocale().toString(seconds));
}

} // namespace

FolderLock::FolderLock(const QByteArray &folder, std::chrono::milliseconds wait)
    : m_path(folder)
    , m_folder(openFolder(folder))
{
    if (!m_folder.isOpen()) {
        m_openError = errno;
        return;
    }
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        if (::flock(m_folder.get(), LOCK_EX | LOCK_NB) == 0) {
            m_held = true;
            return;
        }
        if (errno != EWOULDBLOCK && errno != EINTR)
            return; // a file system without locks
        if (std::chrono::steady_clock::now() >= deadline)
            break;
        std::this_thread::sleep_for(LockRetry);
    }
    m_problem = busyProblem(folder, m_folder.get(), wait);
}

} // namespace quintrel
