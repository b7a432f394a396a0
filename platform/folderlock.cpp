// folderlock.cpp: a folder's lock, waited for a bounded time.
#include "platform/folderlock.h"

#include "platform/gamefolders.h"

#include <QCoreApplication>

#include <cerrno>
#include <thread>

#include <sys/file.h>

namespace quintrel {

namespace {

constexpr auto LockRetry = std::chrono::milliseconds(10);

} // namespace

FolderLock::FolderLock(const QByteArray &folder, std::chrono::milliseconds wait)
    : m_path(folder)
    , m_folder(openFolder(folder))
{
    if (!m_folder.isOpen()) {
        m_openError = errno;
        m_problem = QStringLiteral("%1: %2").arg(displayPath(folder), qt_error_string(m_openError));
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
    m_problem = QCoreApplication::translate("quintrel::FolderLock",
                                            "another save into the folder \"%1\" was still going on after %2 seconds")
                    .arg(displayPath(folder), QString::number(wait.count() / 1000.0));
}

} // namespace quintrel
