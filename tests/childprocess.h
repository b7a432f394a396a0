// childprocess.h: a piece of a test run in a child process, as another user or under limits that
// must not reach the test itself.
#pragma once

#include <functional>

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quintrel::testing {

// Another user, for the files a test plants as someone else (only root can).
inline constexpr uid_t Nobody = 65534;
inline constexpr gid_t NoGroup = 65534;

inline bool isRoot() { return ::geteuid() == 0; }

// Runs body in a child process and gives its result, 0 for success, as the child's exit status;
// -1 when it ended any other way. asPlayer: as Nobody when the test runs as root, so that the
// permission bits bind it as they bind a player.
inline int inChild(const std::function<int()> &body, bool asPlayer = false)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (asPlayer && isRoot() && (::setgroups(0, nullptr) != 0 || ::setgid(NoGroup) != 0 || ::setuid(Nobody) != 0))
            ::_exit(100);
        ::_exit(body());
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace quintrel::testing
