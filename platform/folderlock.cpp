// folderlock.cpp: a folder's lock, waited for a bounded time.
#include "platform/folderlock.h"

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
            return;
        std::this_thread::sleep_for(LockRetry);
    }
}

} // namespace quintrel
