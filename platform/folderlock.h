// folderlock.h: saves into one folder take turns, across every running copy of the game.
#pragma once

#include "platform/regularfile.h"

#include <QByteArray>

#include <chrono>

namespace quintrel {

// How long a save waits for another save of the same folder to end.
inline constexpr auto FolderLockWait = std::chrono::milliseconds(1000);

// An exclusive lock on a folder (flock on the folder itself), held from construction until it goes.
// A lock belongs to one opening of the folder, so two openings exclude each other even within one
// process. A save that cannot have it within the wait goes on without it.
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

private:
    QByteArray m_path;
    FileDescriptor m_folder;
    int m_openError = 0;
    bool m_held = false;
};

} // namespace quintrel
