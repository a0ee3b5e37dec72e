#pragma once
// Runs a check as an ordinary user. Root writes into read-only folders, so a
// test of what happens there runs its check in a child process that has given
// up root; otherwise it runs in place.

#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace orv::test {

// The uid and gid the child takes: "nobody" on Debian.
inline constexpr unsigned kNobody = 65534;

inline bool RunUnprivileged(const std::function<bool()>& check) {
  if (::geteuid() != 0) return check();
  const pid_t child = ::fork();
  if (child == 0) {
    const bool dropped = ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0;
    ::_exit(dropped && check() ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace orv::test
