// folderlock.h: saves into one folder take turns, across every running copy of the game.
#pragma once

#include "platform/regularfile.h"

#include <QByteArray>
#include <QString>

#include <chrono>

namespace quintrel {

// How long a save waits for another save of the same folder to end. A save takes milliseconds, and
// the window does not answer while it waits, so the wait is short; a save that cannot have the lock
// within it fails and says why.
inline constexpr auto FolderLockWait = std::chrono::milliseconds(500);

// The name the system gives the game's process: a lock held by a process of another name is
// another program's, not a save of the game's.
inline constexpr char QuintrelProcessName[] = "quintrel";

// An exclusive lock on a folder (flock on the folder itself), held from construction until it goes.
// A lock belongs to one opening of the folder, so two openings exclude each other even within one
// process.
class FolderLock {
public:
    explicit FolderLock(const QByteArray &folder, std::chrono::milliseconds wait = FolderLockWait);

    const QByteArray &path() const { return m_path; }
    // The open folder, for the *At calls; -1 when it could not be opened, for the reason errno
    // gave, openError().
    int folder() const { return m_folder.get(); }
    int openError() const { return m_openError; }
    // The lock is held: no other save of this folder is running.
    bool isHeld() const { return m_held; }
    // Whether a save may go on: the lock is held, or the folder is open on a file system that has
    // no locks at all, where no save ever holds one.
    bool isUsable() const { return m_folder.isOpen() && m_problem.isEmpty(); }
    // Why a save into the open folder may not go on (the lock is busy), fit to follow "Your game
    // could not be saved: ".
    const QString &problem() const { return m_problem; }

private:
    QByteArray m_path;
    FileDescriptor m_folder;
    int m_openError = 0;
    bool m_held = false;
    QString m_problem;
};

} // namespace quintrel
